// The artwork tool on a folder of pictures: every bad input stops it with one message naming the
// file and the problem, and leaves no output to build on; good input passes through unchanged.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <spng.h>

#include "tests/artwork/test_pictures.h"
#include "tools/artgen/png.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string output;
};

ToolRun RunArtgen(const std::string& arguments) {
    std::string command = std::string(ARTGEN) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string ReadText(const std::string& path) {
    std::vector<uint8_t> bytes;
    return ReadFileBytes(path, &bytes) ? std::string(bytes.begin(), bytes.end()) : "";
}

// A fresh copy of the test folder of pictures for each test, beside its outputs.
class ArtworkFolder : public testing::Test {
protected:
    void SetUp() override {
        root = testing::TempDir() + "artgen-" + std::to_string(getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(root);
        folder = root + "/pictures";
        WriteFolder();
    }
    void TearDown() override { fs::remove_all(root); }
    // The folder anew, as the test pictures have it.
    void WriteFolder() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        ASSERT_TRUE(WriteTestPictures(folder));
    }
    std::string root;
    std::string folder;
};

// A picture with every byte `value`.
void WritePlain(const std::string& path, int width, int height, int channels, uint8_t value = 90) {
    ASSERT_TRUE(
        WritePng(path, width, height, channels,
                 std::vector<uint8_t>(static_cast<size_t>(width * height * channels), value)));
}

// Changes one pixel's red byte of a given 156 x 93 picture by `by`.
void ChangePixel(const std::string& path, const std::vector<uint8_t>& picture, int x, int y,
                 int by) {
    std::vector<uint8_t> changed = picture;
    changed[static_cast<size_t>(y * 156 + x) * 3] =
        static_cast<uint8_t>(changed[static_cast<size_t>(y * 156 + x) * 3] + by);
    ASSERT_TRUE(WritePng(path, 156, 93, 3, changed));
}

// A lit button of 16 bits a channel: the artwork tool's own writer makes only 8.
void WriteSixteenBits(const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "wb");
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_ihdr header{156, 93, 16, SPNG_COLOR_TYPE_TRUECOLOR, 0, 0, 0};
    std::vector<uint8_t> pixels(156 * 93 * 6, 40);
    spng_set_png_file(ctx, out);
    spng_set_ihdr(ctx, &header);
    EXPECT_EQ(
        spng_encode_image(ctx, pixels.data(), pixels.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE),
        0);
    spng_ctx_free(ctx);
    std::fclose(out);
}

// An icon.ico in place of the icon images: one 32 x 32 entry of `bytes` bytes at `offset`, then
// `image` after the directory's 22 bytes.
void WriteBareIcon(const std::string& f, uint32_t bytes, uint32_t offset,
                   const std::vector<uint8_t>& image = {}) {
    for (int size : {16, 32, 48}) fs::remove(f + "/icon-" + std::to_string(size) + ".png");
    std::vector<uint8_t> ico = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0};
    for (uint32_t word : {bytes, offset}) {
        for (int k = 0; k < 4; ++k) ico.push_back(static_cast<uint8_t>(word >> (8 * k)));
    }
    ico.insert(ico.end(), image.begin(), image.end());
    FILE* out = std::fopen((f + "/icon.ico").c_str(), "wb");
    std::fwrite(ico.data(), 1, ico.size(), out);
    std::fclose(out);
}

// The 40-byte header of an uncompressed 32 x 32 bitmap of `bits` bits a pixel.
std::vector<uint8_t> BitmapHeader(uint8_t bits) {
    std::vector<uint8_t> header(40, 0);
    header[0] = 40;
    header[4] = 32;
    header[8] = 64;  // colour rows, then mask rows
    header[12] = 1;
    header[14] = bits;
    return header;
}

struct BadInput {
    const char* what;
    const char* output;  // --source or --icon
    std::function<void(const std::string& folder)> spoil;
    std::string message;  // follows the folder's path
};

const BadInput kBadInputs[] = {
    {"no folder", "--source", [](const std::string& f) { fs::remove_all(f); }, ": no such folder"},
    {"a missing lit picture", "--source",
     [](const std::string& f) { fs::remove(f + "/button-french-lit.png"); },
     "/button-french-lit.png: missing: the lit French button, 156 x 93 pixels"},
    {"a background of the wrong size", "--source",
     [](const std::string& f) { WritePlain(f + "/background.png", 800, 601, 3); },
     "/background.png: 800 x 601 pixels, but the background must be 800 x 600"},
    {"a button picture with a 94th row", "--source",
     [](const std::string& f) { WritePlain(f + "/button-italian-lit.png", 156, 94, 3); },
     "/button-italian-lit.png: 156 x 94 pixels, but the lit Italian button must be 156 x 93"},
    {"a cut-off file", "--source",
     [](const std::string& f) { fs::resize_file(f + "/button-english-lit.png", 100); },
     "/button-english-lit.png: not a readable PNG file (end of stream)"},
    {"an alpha channel", "--source",
     [](const std::string& f) { WritePlain(f + "/background.png", 800, 600, 4); },
     "/background.png: has an alpha channel or transparency, but the background must be opaque: "
     "save it without alpha"},
    {"16 bits a channel", "--source",
     [](const std::string& f) { WriteSixteenBits(f + "/button-german-lit.png"); },
     "/button-german-lit.png: 16 bits a channel, but the launcher holds 8: save it with 8 bits a "
     "channel"},
    {"a rest picture unlike the background inside its edge", "--source",
     [](const std::string& f) {
         ChangePixel(f + "/button-german-rest.png", GivenPictures().rest[0], 10, 20, 1);
     },
     "/button-german-rest.png: differs from background.png at x 10, y 20 (red, green, blue 168 31 "
     "125 against 167 31 125 at x 638, y 103 of the background); inside its one-pixel edge a rest "
     "picture must equal the background"},
    {"a rest picture whose edge is too far off", "--source",
     [](const std::string& f) {
         ChangePixel(f + "/button-french-rest.png", GivenPictures().rest[2], 0, 50, 1);
     },
     "/button-french-rest.png: differs from background.png at x 0, y 50 (red, green, blue 100 35 "
     "133 against 91 27 141 at x 628, y "
     "357 of the background); its one-pixel edge may differ by at most 8 a channel"},
    {"a misspelt name", "--source",
     [](const std::string& f) { WritePlain(f + "/button-germen-rest.png", 156, 93, 3); },
     "/button-germen-rest.png: not a picture the launcher uses (docs/artwork.md lists the file "
     "names)"},
    {"an icon given twice", "--icon",
     [](const std::string& f) { fs::copy_file(f + "/icon-16.png", f + "/icon.ico"); },
     ": holds both icon.ico and icon-<size>.png images: give the icon one way"},
    {"an icon image of the wrong size", "--icon",
     [](const std::string& f) { WritePlain(f + "/icon-32.png", 32, 31, 4); },
     "/icon-32.png: 32 x 31 pixels, but an icon image named icon-32.png must be 32 x 32"},
    {"an icon file whose image lies outside it", "--icon",
     [](const std::string& f) { WriteBareIcon(f, 4096, 22); },
     "/icon.ico: not a usable icon file: image 1 lies outside the file"},
    {"an icon file whose image starts past its end", "--icon",
     [](const std::string& f) { WriteBareIcon(f, 8, 23); },
     "/icon.ico: not a usable icon file: image 1 lies outside the file"},
    {"an icon bitmap of 16 bits a pixel", "--icon",
     [](const std::string& f) { WriteBareIcon(f, 40, 22, BitmapHeader(16)); },
     "/icon.ico: not a usable icon file: image 1 is a bitmap of a kind icons cannot hold "
     "(compressed or 16 bits a pixel)"},
};

TEST_F(ArtworkFolder, EachBadInputStopsTheToolWithItsMessageAndNoOutput) {
    for (const BadInput& bad : kBadInputs) {
        SCOPED_TRACE(bad.what);
        WriteFolder();
        bad.spoil(folder);
        std::string output = root + "/out";
        FILE* stale = std::fopen(output.c_str(), "w");
        std::fclose(stale);
        ToolRun run = RunArtgen("--from " + folder + " " + bad.output + " " + output);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, folder + bad.message + "\n");
        EXPECT_FALSE(fs::exists(output));
    }
}

TEST_F(ArtworkFolder, TheDrawnPreviewsReadBackAsTheDrawnArtwork) {
    ASSERT_EQ(RunArtgen("--png " + root + "/previews").status, 0);
    ASSERT_EQ(RunArtgen("--from " + root + "/previews --source " + root + "/read.cpp").status, 0);
    ASSERT_EQ(RunArtgen("--source " + root + "/drawn.cpp").status, 0);
    EXPECT_EQ(ReadText(root + "/read.cpp"), ReadText(root + "/drawn.cpp"));
}

// Without icon images the folder gets the drawn icon; an icon.ico goes in byte for byte.
TEST_F(ArtworkFolder, AnIconFileIsTakenAsItIsAndNoIconMeansTheDrawnOne) {
    for (int size : {16, 32, 48}) fs::remove(folder + "/icon-" + std::to_string(size) + ".png");
    ASSERT_EQ(RunArtgen("--icon " + root + "/drawn.ico").status, 0);
    ASSERT_EQ(RunArtgen("--from " + folder + " --icon " + root + "/none.ico").status, 0);
    EXPECT_EQ(ReadText(root + "/none.ico"), ReadText(root + "/drawn.ico"));
    fs::copy_file(root + "/drawn.ico", folder + "/icon.ico");
    ASSERT_EQ(RunArtgen("--from " + folder + " --icon " + root + "/given.ico").status, 0);
    EXPECT_EQ(ReadText(root + "/given.ico"), ReadText(root + "/drawn.ico"));
}

}  // namespace

// A menu of two buttons on the test pictures: German's, with its rest picture, in the default
// column's first place, and English's, whose rest picture is made, in the window's corner.
const char* const kGoodMenu =
    "; the test menu\n"
    "[button 1]\nname = Deutsch\npicture = german\nrun = setup.exe\n"
    "arguments = /LANG=de \"C:\\My Apps\"\nlanguage = de\n"
    "\n[Button 2]\nname = Two\npicture = english\nrun = zwei.exe\nx = 644\ny = 507\n";

struct BadMenu {
    const char* what;
    const char* from;  // a part of the good menu, replaced by `to`; "" replaces the whole menu
    std::string to;
    std::string message;  // '$' stands for the folder's path; empty: the menu is good
    std::function<void(const std::string& folder)> spoil = nullptr;
};

const BadMenu kBadMenus[] = {
    {"the good menu", "", kGoodMenu, ""},
    {"no buttons", "", "; nothing yet\n",
     "$/menu.ini: no buttons: give [button 1] and on, up to "
     "[button 10]"},
    {"an eleventh button", "[Button 2]", "[button 11]",
     "$/menu.ini:9: unknown section [button 11]: the sections are [button 1] to [button 10], one "
     "a button"},
    {"a gap in the numbers", "[Button 2]", "[button 3]",
     "$/menu.ini:9: [button 3] follows [button 1]: number the buttons 1, 2, 3 and on, in order"},
    {"an unknown key", "language = de", "colour = red",
     "$/menu.ini:7: unknown key \"colour\" in [button 1]: the keys are name, picture, run, "
     "arguments, x, y and language"},
    {"a missing key", "run = zwei.exe\n", "",
     "$/menu.ini:9: [button 2] has no run: a button needs name, picture and run"},
    {"a duplicate key", "y = 507", "y = 507\nY = 21",
     "$/menu.ini:15: \"y\" is given twice in [button 2]"},
    {"x without y", "y = 507\n", "",
     "$/menu.ini:9: [button 2] gives x or y alone: give both, or "
     "neither"},
    {"an indented key", "y = 507", "  y = 507",
     "$/menu.ini:14: the line starts with a blank: write "
     "each key at the start of a line"},
    {"a line inih cannot read", "y = 507", "y 507",
     "$/menu.ini:14: not a [section], a key = value "
     "or a comment"},
    {"a button past the window's edge", "x = 644", "x = 645",
     "$/menu.ini:9: [button 2], 156 x 93 pixels at x 645, y 507, reaches past the 800 x 600 "
     "window"},
    {"a button past the window's foot", "y = 507", "y = 508",
     "$/menu.ini:9: [button 2], 156 x 93 pixels at x 644, y 508, reaches past the 800 x 600 "
     "window"},
    {"an x outside the window", "x = 644", "x = 800",
     "$/menu.ini:13: x \"800\" is not a number from 0 to 799"},
    {"a button given twice", "y = 507\n", "y = 507\n[button 2]\nname = Three\n",
     "$/menu.ini:15: [button 2] is given twice"},
    {"a language tag with a part of nine", "language = de", "language = de-abcdefghi",
     "$/menu.ini:7: language \"de-abcdefghi\" is not a language tag such as de or pt-BR"},
    {"two buttons that overlap", "x = 644\ny = 507", "x = 600\ny = 150",
     "$/menu.ini:9: [button 2] overlaps [button 1]"},
    {"a missing picture", "english", "spanish",
     "$/menu.ini:11: $/button-spanish-lit.png: missing: the lit [button 2]",
     [](const std::string& f) { fs::remove(f + "/button-english-lit.png"); }},
    {"lit and rest pictures of different sizes", "", kGoodMenu,
     "$/menu.ini:4: $/button-german-rest.png: 156 x 92 pixels, but the [button 1] at rest, like "
     "its lit picture, must be 156 x 93",
     [](const std::string& f) { WritePlain(f + "/button-german-rest.png", 156, 92, 3); }},
    {"a rest picture checked at its button's own place", "language = de", "x = 628\ny = 84",
     "$/menu.ini:4: $/button-german-rest.png: differs from background.png at x 0, y 0 (red, green, "
     "blue 42 50 230 against 40 172 208 at x 628, y 84 of the background)"},
    {"a run with a folder", "run = setup.exe", "run = ..\\setup.exe",
     "$/menu.ini:5: run \"..\\setup.exe\" is not a bare file name ending in .exe: give the file's "
     "name alone, without a folder or a drive"},
    {"a run that is no program", "zwei.exe", "zwei.bat",
     "$/menu.ini:12: run \"zwei.bat\" is not a bare file name ending in .exe: give the file's "
     "name alone, without a folder or a drive"},
    {"a run without its dot", "zwei.exe", "zweiexe",
     "$/menu.ini:12: run \"zweiexe\" is not a bare file name ending in .exe: give the file's "
     "name alone, without a folder or a drive"},
    {"a device for a run", "zwei.exe", "Con.exe",
     "$/menu.ini:12: run \"Con.exe\" is not a bare file name ending in .exe: \"Con\" names a "
     "device, not a file"},
    {"a device with blanks before its extension", "zwei.exe", "nul  .exe",
     "$/menu.ini:12: run \"nul  .exe\" is not a bare file name ending in .exe: \"nul  \" names "
     "a device, not a file"},
    {"an empty name", "name = Two", "name =",
     "$/menu.ini:10: name \"\" is not a name a screen reader can say: give 1 to 100 bytes of UTF-8 "
     "text without control characters"},
    {"a name too long", "Two", std::string(101, 'x'),
     "$/menu.ini:10: name \"" + std::string(101, 'x') +
         "\" is not a name a screen reader can say: give 1 to 100 bytes of UTF-8 text without "
         "control characters"},
    // With the rest of its line, 200 bytes: one more than a line holds.
    {"arguments longer than a menu line holds", "/LANG=de", std::string(174, 'a'),
     "$/menu.ini:6: the line is longer than 198 bytes, the most a line of the menu may hold"},
};

TEST_F(ArtworkFolder, EachBadMenuStopsTheToolWithOneLineNamingItsLineAndFault) {
    for (const BadMenu& bad : kBadMenus) {
        SCOPED_TRACE(bad.what);
        WriteFolder();
        for (const char* unused :
             {"button-french-lit.png", "button-french-rest.png", "button-italian-lit.png"}) {
            fs::remove(folder + "/" + unused);
        }
        std::string menu = *bad.from == '\0' ? bad.to : kGoodMenu;
        if (*bad.from != '\0') menu.replace(menu.find(bad.from), std::strlen(bad.from), bad.to);
        FILE* out = std::fopen((folder + "/menu.ini").c_str(), "wb");
        std::fputs(menu.c_str(), out);
        std::fclose(out);
        if (bad.spoil) bad.spoil(folder);
        std::string message = bad.message;
        for (size_t at = message.find('$'); at != std::string::npos; at = message.find('$', at))
            message.replace(at, 1, folder);
        ToolRun run = RunArtgen("--from " + folder + " --source " + root + "/out.cpp");
        EXPECT_EQ(run.status, message.empty() ? 0 : 1);
        EXPECT_EQ(run.output.substr(0, message.size()), message);
        EXPECT_EQ(run.output.empty(), message.empty()) << run.output;
    }
}
