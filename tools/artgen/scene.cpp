// The scene is painted back to front, each piece from its own few shapes; positions are in
// pixels of the 800 x 600 window. The right-hand strip from x 628 is kept quiet (sky, hills)
// because the language buttons stand there.
#include "tools/artgen/scene.h"

#include <cmath>
#include <tuple>
#include <utility>

#include "tools/artgen/font.h"

namespace {

constexpr float kPi = 3.14159265f;

float FarHill(float x) {
    return 352 + 16 * std::sin(x / 68 + 0.4f) + 9 * std::sin(x / 29 + 2.1f);
}
float MidHill(float x) {
    return 404 + 22 * std::sin(x / 115 + 2.2f) + 7 * std::sin(x / 47);
}
float NearHill(float x) {
    return 478 + 26 * std::sin(x / 150 + 0.3f) + 6 * std::sin(x / 53 + 1);
}
float Road(float x) {
    return 547 + 9 * std::cos((x - 230) / 130);
}

Shape Band(float (*centre)(float), float halfWidth) {
    return Intersect(Curve([=](float x) { return centre(x) - halfWidth; }, true),
                     Curve([=](float x) { return centre(x) + halfWidth; }, false));
}

void DrawSky(Canvas& canvas) {
    Shape everywhere = [](float, float) { return -1.0f; };
    Fill(canvas, FullBox(canvas), everywhere, Vertical(0, Hex(0x3b95e6), 390, Hex(0xc4ecff)));
}

void DrawSun(Canvas& canvas, float cx, float cy, float r) {
    Shadow(canvas, BoxAround(cx, cy, r + 90, r + 90), Circle(cx, cy, r), Hex(0xfff6bf), 0.55f, 85);
    for (int k = 0; k < 12; ++k) {
        float angle = static_cast<float>(k) * kPi / 6 + 0.13f;
        float reach = r + (k % 2 == 0 ? 28.0f : 20.0f);
        float spread = 0.16f;
        Shape ray = Polygon({cx + std::cos(angle - spread) * (r + 6),
                             cy + std::sin(angle - spread) * (r + 6), cx + std::cos(angle) * reach,
                             cy + std::sin(angle) * reach, cx + std::cos(angle + spread) * (r + 6),
                             cy + std::sin(angle + spread) * (r + 6)});
        Fill(canvas, BoxAround(cx, cy, r + 32, r + 32), ray, Hex(0xffc83a));
    }
    Shape body = Circle(cx, cy, r);
    Fill(canvas, BoxAround(cx, cy, r, r), body,
         Radial(cx - r * 0.3f, cy - r * 0.3f, r * 1.4f, Hex(0xfff59a), Hex(0xffbf2a)));
    Fill(canvas, BoxAround(cx, cy, r, r), Outline(body, 2.5f), Hex(0xef9a1c));
    Colour face = Hex(0x6b3f12);
    Fill(canvas, BoxAround(cx, cy, r, r), Ellipse(cx - 12, cy - 8, 3.6f, 5.5f), face);
    Fill(canvas, BoxAround(cx, cy, r, r), Ellipse(cx + 12, cy - 8, 3.6f, 5.5f), face);
    Fill(canvas, BoxAround(cx, cy, r, r), Circle(cx - 11, cy - 10, 1.4f), Hex(0xffffff));
    Fill(canvas, BoxAround(cx, cy, r, r), Circle(cx + 13, cy - 10, 1.4f), Hex(0xffffff));
    Shape smile = Intersect(Outline(Circle(cx, cy + 1, 16), 3.2f),
                            Curve([=](float) { return cy + 4; }, true));
    Fill(canvas, BoxAround(cx, cy, r, r), smile, face);
    Fill(canvas, BoxAround(cx, cy, r, r), Ellipse(cx - 23, cy + 8, 6, 4.5f), Hex(0xff8a5c), 0.55f);
    Fill(canvas, BoxAround(cx, cy, r, r), Ellipse(cx + 23, cy + 8, 6, 4.5f), Hex(0xff8a5c), 0.55f);
}

void DrawCloud(Canvas& canvas, float cx, float cy, float s) {
    Shape cloud =
        Union(Union(Circle(cx - 30 * s, cy, 21 * s), Circle(cx + 2 * s, cy - 15 * s, 30 * s)),
              Union(Circle(cx + 33 * s, cy - 1 * s, 22 * s),
                    RoundedBox(cx - 52 * s, cy - 4 * s, cx + 56 * s, cy + 21 * s, 12 * s)));
    Box box = BoxAround(cx, cy, 62 * s, 50 * s);
    Shadow(canvas, box, Offset(cloud, 3, 5), Hex(0x2f6fae), 0.18f, 6);
    Fill(canvas, box, cloud, Vertical(cy - 45 * s, Hex(0xffffff), cy + 21 * s, Hex(0xd6ebfb)));
}

void DrawBird(Canvas& canvas, float cx, float cy, float s) {
    Shape above = Curve([=](float) { return cy + 1.5f * s; }, false);
    Shape wings =
        Union(Intersect(Outline(Circle(cx - 5 * s, cy + 5 * s, 5.5f * s), 1.8f * s), above),
              Intersect(Outline(Circle(cx + 5 * s, cy + 5 * s, 5.5f * s), 1.8f * s), above));
    Fill(canvas, BoxAround(cx, cy, 13 * s, 8 * s), wings, Hex(0x2c4a6e));
}

void DrawHills(Canvas& canvas) {
    Fill(canvas, {0, 320, 800, 600}, Curve(FarHill, true),
         Vertical(330, Hex(0x9fd3b0), 420, Hex(0x7fbf8f)));
    Fill(canvas, {0, 370, 800, 600}, Curve(MidHill, true),
         Vertical(380, Hex(0x8fd85a), 480, Hex(0x62b23d)));
    Fill(canvas, {0, 440, 800, 600}, Curve(NearHill, true),
         Vertical(450, Hex(0x6cc347), 600, Hex(0x3f922c)));
}

void DrawRoad(Canvas& canvas) {
    Box box{0, 520, 800, 575};
    Fill(canvas, box, Band(Road, 17), Hex(0xc9b48a));
    Fill(canvas, box, Band(Road, 14), Vertical(533, Hex(0x7d828c), 561, Hex(0x666b74)));
    Shape dashes = [](float x, float) { return std::abs(std::fmod(x + 1000, 30.0f) - 8) - 7; };
    Fill(canvas, box, Intersect(Band(Road, 1.3f), dashes), Hex(0xf4f1e4));
}

void DrawTree(Canvas& canvas, float cx, float ground, float s) {
    Box box = BoxAround(cx, ground - 40 * s, 45 * s, 45 * s);
    Shadow(canvas, box, Ellipse(cx, ground, 26 * s, 5 * s), Hex(0x2a5a1c), 0.35f, 4);
    Fill(canvas, box, RoundedBox(cx - 5 * s, ground - 34 * s, cx + 5 * s, ground + 1, 3 * s),
         Hex(0x8a5a2e));
    Shape crown = Union(Circle(cx, ground - 52 * s, 24 * s),
                        Union(Circle(cx - 17 * s, ground - 37 * s, 18 * s),
                              Circle(cx + 17 * s, ground - 37 * s, 18 * s)));
    Fill(canvas, box, crown,
         Vertical(ground - 76 * s, Hex(0x63c44f), ground - 20 * s, Hex(0x35892e)));
    Fill(canvas, box, Outline(crown, 2 * s), Hex(0x2b6e25));
    Fill(canvas, box, Circle(cx - 8 * s, ground - 60 * s, 8 * s), Hex(0x8ddf72), 0.55f);
    for (auto [dx, dy] :
         {std::pair{-14.0f, -38.0f}, {9.0f, -48.0f}, {17.0f, -32.0f}, {-3.0f, -30.0f}}) {
        Fill(canvas, box, Circle(cx + dx * s, ground + dy * s, 3.2f * s), Hex(0xe8402f));
    }
}

void DrawHouse(Canvas& canvas, float left, float ground) {
    float right = left + 92;
    float mid = (left + right) / 2;
    Box box{static_cast<int>(left) - 30, static_cast<int>(ground) - 160,
            static_cast<int>(right) + 30, static_cast<int>(ground) + 10};
    Shadow(canvas, box, Ellipse(mid + 6, ground, 56, 6), Hex(0x2a5a1c), 0.35f, 5);
    for (auto [x, y, r] : {std::tuple{right - 16.0f, ground - 116.0f, 6.0f},
                           {right - 9.0f, ground - 131.0f, 8.0f},
                           {right + 1.0f, ground - 148.0f, 10.0f}}) {
        Fill(canvas, box, Circle(x, y, r), Hex(0xffffff), 0.75f);
    }
    Fill(canvas, box, RoundedBox(right - 26, ground - 108, right - 12, ground - 70, 1.5f),
         Hex(0xa4503e));
    Fill(canvas, box, RoundedBox(right - 28, ground - 110, right - 10, ground - 104, 1.5f),
         Hex(0x7e3a2c));
    Fill(canvas, box, RoundedBox(left, ground - 64, right, ground, 2),
         Vertical(ground - 64, Hex(0xfff3d6), ground, Hex(0xf1d9a8)));
    Shape roof = Polygon({left - 12, ground - 60, mid, ground - 112, right + 12, ground - 60});
    Fill(canvas, box, roof, Vertical(ground - 112, Hex(0xe8554a), ground - 60, Hex(0xc23b32)));
    Fill(canvas, box, Outline(roof, 3), Hex(0x8f2a24));
    Shape door = RoundedBox(mid - 11, ground - 38, mid + 11, ground, 4);
    Fill(canvas, box, door, Hex(0x8a5630));
    Fill(canvas, box, Outline(door, 2), Hex(0x5e3a1f));
    Fill(canvas, box, Circle(mid + 6, ground - 18, 2), Hex(0xffd75a));
    for (float x : {left + 10, right - 32}) {
        Shape window = RoundedBox(x, ground - 50, x + 22, ground - 28, 2);
        Fill(canvas, box, window, Vertical(ground - 50, Hex(0xbfe8ff), ground - 28, Hex(0x7cc6f2)));
        Fill(canvas, box, Outline(window, 3), Hex(0xffffff));
        Fill(canvas, box, RoundedBox(x + 10, ground - 50, x + 12, ground - 28, 0), Hex(0xffffff));
        Fill(canvas, box, RoundedBox(x, ground - 40, x + 22, ground - 38, 0), Hex(0xffffff));
    }
    Shape attic = Circle(mid, ground - 80, 8);
    Fill(canvas, box, attic, Hex(0xbfe8ff));
    Fill(canvas, box, Outline(attic, 3), Hex(0xffffff));
}

void DrawCar(Canvas& canvas, float cx, float ground) {
    Box box = BoxAround(cx, ground - 25, 60, 35);
    Shadow(canvas, box, Ellipse(cx, ground, 46, 3), Hex(0x202428), 0.45f, 4);
    Shape cabin = RoundedBox(cx - 28, ground - 50, cx + 20, ground - 24, 11);
    Fill(canvas, box, cabin, Hex(0xc7311f));
    Fill(canvas, box, RoundedBox(cx - 23, ground - 45, cx - 5, ground - 28, 5), Hex(0xbfe8ff));
    Fill(canvas, box, RoundedBox(cx - 1, ground - 45, cx + 15, ground - 28, 5), Hex(0xbfe8ff));
    Shape body = RoundedBox(cx - 46, ground - 32, cx + 46, ground - 8, 9);
    Fill(canvas, box, body, Vertical(ground - 32, Hex(0xf2553d), ground - 8, Hex(0xc7311f)));
    Fill(canvas, box, RoundedBox(cx - 38, ground - 28, cx + 30, ground - 25, 1.5f), Hex(0xff9a84),
         0.8f);
    Fill(canvas, box, Circle(cx + 42, ground - 22, 3.5f), Hex(0xfff3a0));
    Fill(canvas, box, RoundedBox(cx - 47, ground - 24, cx - 43, ground - 17, 1.5f), Hex(0x8a1a10));
    for (float x : {cx - 26, cx + 26}) {
        Fill(canvas, box, Circle(x, ground - 9, 10), Hex(0x2b2d31));
        Fill(canvas, box, Circle(x, ground - 9, 4.5f), Hex(0xd5d9de));
    }
}

void DrawFlowers(Canvas& canvas) {
    uint32_t seed = 12345;
    auto next = [&seed](float range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<float>(seed >> 8 & 0xFFFF) / 65536.0f * range;
    };
    const uint32_t petals[] = {0xffffff, 0xff8fb3, 0xffe14d, 0xc9a4ff};
    for (int placed = 0; placed < 46;) {
        float x = next(600);
        float y = 440 + next(160);
        bool onGrass = y > NearHill(x) + 8 && std::abs(y - Road(x)) > 22 && y < 594;
        bool clear = !(x > 170 && x < 290 && y > 520);
        if (!onGrass || !clear) continue;
        Colour colour = Hex(petals[placed % 4]);
        Box box = BoxAround(x, y, 7, 7);
        for (int k = 0; k < 5; ++k) {
            float angle = static_cast<float>(k) * 2 * kPi / 5;
            Fill(canvas, box, Circle(x + 3 * std::cos(angle), y + 3 * std::sin(angle), 2.4f),
                 colour);
        }
        Fill(canvas, box, Circle(x, y, 1.8f), Hex(0xf2a22c));
        ++placed;
    }
}

void DrawLogo(Canvas& canvas, float left, float top) {
    Box box{static_cast<int>(left) - 8, static_cast<int>(top) - 8, 800, 600};
    for (float x : {left + 22, left + 150}) {
        Fill(canvas, box, RoundedBox(x, top + 40, x + 8, 600, 2), Hex(0x7a4a26));
    }
    Shape board = RoundedBox(left, top, left + 176, top + 50, 8);
    Shadow(canvas, box, Offset(board, 3, 4), Hex(0x1d3a14), 0.4f, 5);
    Fill(canvas, box, board, Vertical(top, Hex(0xc98a4e), top + 50, Hex(0xa5673a)));
    Fill(canvas, box, Intersect(board, RoundedBox(left, top + 24, left + 176, top + 25.5f, 0)),
         Hex(0x8a5430), 0.6f);
    Fill(canvas, box, Outline(board, 3), Hex(0x6e3f1f));
    float cx = left + 27;
    float cy = top + 25;
    Fill(canvas, box, Circle(cx, cy, 17), Radial(cx - 5, cy - 5, 22, Hex(0xfff07a), Hex(0xffa92a)));
    std::vector<float> star;
    for (int k = 0; k < 10; ++k) {
        float angle = static_cast<float>(k) * kPi / 5 - kPi / 2;
        float r = k % 2 == 0 ? 12.0f : 5.0f;
        star.push_back(cx + r * std::cos(angle));
        star.push_back(cy + r * std::sin(angle));
    }
    Fill(canvas, box, Polygon(star), Hex(0xffffff));
    Fill(canvas, box, Outline(Circle(cx, cy, 17), 2), Hex(0x6e3f1f));
    Shape name = Lettering(LetteringFont(kLabelPixels), "Varorizo", static_cast<int32_t>(left) + 54,
                           static_cast<int32_t>(top) + 12, 2);
    Fill(canvas, box, Offset(name, 1, 2), Hex(0x5a3218), 0.8f);
    Fill(canvas, box, name, Hex(0xfff4dc));
}

// Big cartoon lettering: a warm gradient fill inside a dark rim, with a soft drop shadow.
void DrawTitle(Canvas& canvas, const char* text, int32_t left, int32_t capTop, int32_t size) {
    const RenderedFont font = LetteringFont(size);
    constexpr int32_t kReach = 12;
    Shape letters = Lettering(font, text, left, capTop, kReach);
    const int32_t cellTop = capTop - (font.ascent - font.capHeight);
    // The shadow falls 4 right and 5 down.
    Box box{left - kReach, cellTop - kReach, left + TextWidth(font, text) + kReach + 4,
            cellTop + font.height + kReach + 5};
    Shape rim = [letters](float x, float y) { return letters(x, y) - 4.2f; };
    Shadow(canvas, box, Offset(rim, 4, 5), Hex(0x123a66), 0.45f, 5);
    Fill(canvas, box, rim, Hex(0x5b2a0e));
    auto bottom = static_cast<float>(capTop + font.capHeight);
    Fill(canvas, box, letters,
         Vertical(static_cast<float>(capTop), Hex(0xfff27c), bottom, Hex(0xffa42a)));
}

}  // namespace

Canvas DrawScene() {
    Canvas canvas = MakeCanvas(800, 600, Hex(0));
    DrawSky(canvas);
    DrawSun(canvas, 505, 100, 38);
    DrawCloud(canvas, 165, 160, 1.0f);
    DrawCloud(canvas, 372, 222, 0.62f);
    DrawCloud(canvas, 712, 44, 0.72f);
    DrawCloud(canvas, 40, 262, 0.55f);
    DrawBird(canvas, 286, 118, 1.0f);
    DrawBird(canvas, 312, 104, 0.8f);
    DrawBird(canvas, 330, 126, 0.9f);
    DrawHills(canvas);
    DrawTree(canvas, 565, FarHill(565) + 6, 0.55f);
    DrawHouse(canvas, 282, MidHill(328) + 10);
    DrawTree(canvas, 118, MidHill(118) + 12, 1.0f);
    DrawTree(canvas, 452, MidHill(452) + 14, 0.85f);
    DrawRoad(canvas);
    DrawFlowers(canvas);
    DrawCar(canvas, 232, Road(232) + 6);
    DrawTitle(canvas, "Varorizo", 26, 20, 67);
    DrawLogo(canvas, 616, 528);
    return canvas;
}
