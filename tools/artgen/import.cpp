// A file that is named like a picture but is none the launcher uses stops the import too: a
// misspelt name would otherwise leave out a rest picture or the icon without a word.
#include "tools/artgen/import.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "artwork/artwork.h"
#include "tools/artgen/buttons.h"
#include "tools/artgen/icon.h"
#include "tools/artgen/menu.h"
#include "tools/artgen/png.h"

namespace {

namespace fs = std::filesystem;

constexpr int kIconSizes[] = {256, 128, 96, 64, 48, 40, 32, 24, 20, 16};  // largest first
// A given rest picture's one-pixel edge may differ from the background by this much a channel,
// as the launcher's own rest pictures do; inside it must be the background exactly, or the
// button would change when its fade ends at level 0.
constexpr int kRestEdgeTolerance = 8;

std::string IconFileName(int size) {
    return "icon-" + std::to_string(size) + ".png";
}

std::string PathIn(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

std::string SizeText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

bool IsKnownName(const std::string& name, const std::vector<MenuButton>& buttons) {
    if (name == "background.png" || name == "icon.ico") return true;
    for (const MenuButton& b : buttons) {
        if (name == ButtonFileName(b.picture, "rest") || name == ButtonFileName(b.picture, "lit"))
            return true;
    }
    return std::any_of(std::begin(kIconSizes), std::end(kIconSizes),
                       [&name](int size) { return name == IconFileName(size); });
}

// The folder's menu, from its menu.ini or else the default one, and whether each picture file in
// it is one the launcher uses.
std::string CheckFolder(const std::string& folder, std::vector<MenuButton>* buttons,
                        std::string* menuPath) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return folder + ": no such folder";
    menuPath->clear();
    *buttons = DefaultMenu();
    if (fs::exists(PathIn(folder, "menu.ini"), error)) {
        *menuPath = PathIn(folder, "menu.ini");
        std::string problem = ReadMenu(*menuPath, buttons);
        if (!problem.empty()) return problem;
    }
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    if (error) return folder + ": cannot be read (" + error.message() + ")";
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string extension = fs::path(name).extension().string();
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if ((extension == ".png" || extension == ".ico") && !IsKnownName(name, *buttons)) {
            return PathIn(folder, name) +
                   ": not a picture the launcher uses (docs/artwork.md lists the file names)";
        }
    }
    return "";
}

// Reads one PNG file that must be `width` x `height` pixels (any size when `width` is 0), 8 bits
// a channel or fewer, and without alpha unless `alphaAllowed`. `what` names the picture in
// messages.
std::string ReadPicture(const std::string& path, const std::string& what, int width, int height,
                        bool alphaAllowed, PngPicture* picture) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        return path + ": missing: " + what +
               (width > 0 ? ", " + SizeText(width, height) + " pixels" : "");
    }
    std::vector<uint8_t> file;
    if (!ReadFileBytes(path, &file)) return path + ": cannot be read";
    std::string problem = DecodePng(file, picture);
    if (!problem.empty()) return path + ": not a readable PNG file (" + problem + ")";
    if (width > 0 && (picture->width != width || picture->height != height)) {
        return path + ": " + SizeText(picture->width, picture->height) + " pixels, but " + what +
               " must be " + SizeText(width, height);
    }
    if (picture->bitDepth > 8) {
        return path +
               ": 16 bits a channel, but the launcher holds 8: save it with 8 bits a channel";
    }
    if (picture->hasAlpha && !alphaAllowed) {
        return path + ": has an alpha channel or transparency, but " + what +
               " must be opaque: save it without alpha";
    }
    return "";
}

std::vector<uint8_t> RgbOf(const PngPicture& picture) {
    std::vector<uint8_t> rgb;
    rgb.reserve(picture.rgba.size() / 4 * 3);
    for (size_t i = 0; i < picture.rgba.size(); i += 4) {
        rgb.insert(rgb.end(), picture.rgba.begin() + static_cast<std::ptrdiff_t>(i),
                   picture.rgba.begin() + static_cast<std::ptrdiff_t>(i + 3));
    }
    return rgb;
}

// A button's rest picture against the background at the button's place.
std::string CheckRestPicture(const std::string& path, const MenuButton& button,
                             const std::vector<uint8_t>& background) {
    for (int y = 0; y < button.height; ++y) {
        for (int x = 0; x < button.width; ++x) {
            int screenX = button.left + x;
            int screenY = button.top + y;
            const uint8_t* p = &button.rest[static_cast<size_t>(y * button.width + x) * 3];
            const uint8_t* b = &background[static_cast<size_t>(screenY * 800 + screenX) * 3];
            int difference = 0;
            for (int c = 0; c < 3; ++c) difference = std::max(difference, std::abs(p[c] - b[c]));
            bool edge = x == 0 || y == 0 || x == button.width - 1 || y == button.height - 1;
            if (edge ? difference <= kRestEdgeTolerance : difference == 0) continue;
            auto rgb = [](const uint8_t* v) {
                return std::to_string(v[0]) + " " + std::to_string(v[1]) + " " +
                       std::to_string(v[2]);
            };
            return path + ": differs from background.png at x " + std::to_string(x) + ", y " +
                   std::to_string(y) + " (red, green, blue " + rgb(p) + " against " + rgb(b) +
                   " at x " + std::to_string(screenX) + ", y " + std::to_string(screenY) +
                   " of the background); " +
                   (edge ? "its one-pixel edge may differ by at most " +
                               std::to_string(kRestEdgeTolerance) + " a channel"
                         : "inside its one-pixel edge a rest picture must equal the background");
        }
    }
    return "";
}

uint32_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}
uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return Le16(b, at) | Le16(b, at + 2) << 16;
}

// What the platform's icon loader relies on: a directory of entries that lie inside the file,
// each a PNG or an uncompressed bitmap of the size its entry gives.
std::string CheckIconFile(const std::vector<uint8_t>& file) {
    if (file.size() < 6 || Le16(file, 0) != 0 || Le16(file, 2) != 1) {
        return "it does not start with an icon directory";
    }
    size_t count = Le16(file, 4);
    size_t directoryEnd = 6 + 16 * count;
    if (count == 0) return "it holds no images";
    if (file.size() < directoryEnd) return "its directory runs past the end of the file";
    for (size_t i = 0; i < count; ++i) {
        size_t at = 6 + 16 * i;
        int width = file[at] == 0 ? 256 : file[at];
        int height = file[at + 1] == 0 ? 256 : file[at + 1];
        size_t bytes = Le32(file, at + 8);
        size_t offset = Le32(file, at + 12);
        std::string image = "image " + std::to_string(i + 1) + " ";
        if (bytes < 8 || offset < directoryEnd || offset > file.size() ||
            bytes > file.size() - offset) {
            return image + "lies outside the file";
        }
        std::vector<uint8_t> data(file.begin() + static_cast<std::ptrdiff_t>(offset),
                                  file.begin() + static_cast<std::ptrdiff_t>(offset + bytes));
        static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        std::string says = ", but its directory entry says " + SizeText(width, height);
        if (std::equal(kPngSignature, kPngSignature + 8, data.begin())) {
            PngPicture picture;
            std::string problem = DecodePng(data, &picture);
            if (!problem.empty()) return image + "is not a readable PNG (" + problem + ")";
            if (picture.width != width || picture.height != height) {
                return image + "is " + SizeText(picture.width, picture.height) + " pixels" + says;
            }
            continue;
        }
        if (bytes < 40 || Le32(data, 0) < 40 || Le32(data, 0) > bytes) {
            return image + "is neither a PNG nor a bitmap";
        }
        int bitmapWidth = static_cast<int>(Le32(data, 4));
        int bitmapHeight = static_cast<int>(Le32(data, 8)) / 2;  // colour rows, then mask rows
        uint32_t bits = Le16(data, 14);
        if (bitmapWidth != width || bitmapHeight != height) {
            return image + "is a bitmap of " + SizeText(bitmapWidth, bitmapHeight) + " pixels" +
                   says;
        }
        if (Le16(data, 12) != 1 || Le32(data, 16) != 0 ||
            (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) {
            return image + "is a bitmap of a kind icons cannot hold (compressed or " +
                   std::to_string(bits) + " bits a pixel)";
        }
        size_t colours = bits <= 8 ? (Le32(data, 32) != 0 ? Le32(data, 32) : 1u << bits) : 0;
        auto rowBytes = [](size_t w, size_t b) { return (w * b + 31) / 32 * 4; };
        size_t needed = Le32(data, 0) + 4 * colours +
                        (rowBytes(width, bits) + rowBytes(width, 1)) * static_cast<size_t>(height);
        if (needed > bytes) return image + "is shorter than its bitmap needs";
    }
    return "";
}

}  // namespace

std::string ImportPictures(const std::string& folder, Pictures* pictures) {
    std::string menuPath;
    std::string problem = CheckFolder(folder, &pictures->buttons, &menuPath);
    if (!problem.empty()) return problem;
    PngPicture picture;
    problem =
        ReadPicture(PathIn(folder, "background.png"), "the background", 800, 600, false, &picture);
    if (!problem.empty()) return problem;
    pictures->background = RgbOf(picture);
    // A fault of a picture that menu.ini names is told at the line that names it.
    auto named = [&menuPath](const MenuButton& b, const std::string& fault) {
        return menuPath.empty() ? fault
                                : menuPath + ":" + std::to_string(b.pictureLine) + ": " + fault;
    };
    // The default menu's buttons have the places the background shows; a menu file's buttons
    // take the size of their lit pictures.
    for (MenuButton& b : pictures->buttons) {
        const int width = menuPath.empty() ? b.width : 0;
        problem = ReadPicture(PathIn(folder, ButtonFileName(b.picture, "lit")), "the lit " + b.what,
                              width, b.height, false, &picture);
        if (!problem.empty()) return named(b, problem);
        b.lit = RgbOf(picture);
        b.width = picture.width;
        b.height = picture.height;
    }
    if (!menuPath.empty()) {
        problem = CheckPlaces(menuPath, pictures->buttons);
        if (!problem.empty()) return problem;
    }
    for (MenuButton& b : pictures->buttons) {
        std::string rest = PathIn(folder, ButtonFileName(b.picture, "rest"));
        std::error_code error;
        if (!fs::exists(rest, error)) {
            b.rest = RestFromBackground(pictures->background, b);
            continue;
        }
        const std::string what =
            "the " + b.what + " at rest" + (menuPath.empty() ? "" : ", like its lit picture,");
        problem = ReadPicture(rest, what, b.width, b.height, false, &picture);
        if (!problem.empty()) return named(b, problem);
        b.rest = RgbOf(picture);
        problem = CheckRestPicture(rest, b, pictures->background);
        if (!problem.empty()) return named(b, problem);
    }
    return "";
}

std::string ImportIcon(const std::string& folder, std::vector<uint8_t>* icon) {
    std::vector<MenuButton> buttons;
    std::string menuPath;
    std::string problem = CheckFolder(folder, &buttons, &menuPath);
    if (!problem.empty()) return problem;
    std::string icoPath = PathIn(folder, "icon.ico");
    std::error_code error;
    bool ico = fs::exists(icoPath, error);
    std::vector<int> sizes;
    for (int size : kIconSizes) {
        if (fs::exists(PathIn(folder, IconFileName(size)), error)) sizes.push_back(size);
    }
    icon->clear();
    if (ico && !sizes.empty()) {
        return folder + ": holds both icon.ico and icon-<size>.png images: give the icon one way";
    }
    if (ico) {
        std::vector<uint8_t> file;
        if (!ReadFileBytes(icoPath, &file)) return icoPath + ": cannot be read";
        problem = CheckIconFile(file);
        if (!problem.empty()) return icoPath + ": not a usable icon file: " + problem;
        *icon = std::move(file);
        return "";
    }
    std::vector<IconImage> images;
    for (int size : sizes) {
        PngPicture picture;
        problem =
            ReadPicture(PathIn(folder, IconFileName(size)),
                        "an icon image named " + IconFileName(size), size, size, true, &picture);
        if (!problem.empty()) return problem;
        images.push_back({size, 32, std::move(picture.rgba)});
    }
    if (!images.empty()) *icon = EncodeIcon(images);
    return "";
}
