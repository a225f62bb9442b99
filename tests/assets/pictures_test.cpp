// Checks the pictures built into the game against what the windows and the race
// rely on: sizes, transparency, the track's markings, the cars' common outline,
// the signal's outline and the title rows. Reads them from the same resources
// the game loads, so it also proves they are built in.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <ostream>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

struct Pixel {
    int r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
    friend void PrintTo(const Pixel& p, std::ostream* out) {
        *out << "rgba(" << p.r << ", " << p.g << ", " << p.b << ", " << p.a << ")";
    }
    bool opaque() const { return a != 0; }
    bool neutral() const { return r == g && g == b; }
};

constexpr Pixel rgb(int r, int g, int b) {
    return {r, g, b, 255};
}

constexpr Pixel black = rgb(0, 0, 0), white = rgb(255, 255, 255), asphalt = rgb(160, 160, 160),
                laneYellow = rgb(255, 255, 0), windscreen = rgb(255, 251, 240);
constexpr std::array<Pixel, 6> bodyColours{rgb(255, 0, 0),   rgb(0, 160, 64),  rgb(0, 0, 192),
                                           rgb(255, 128, 0), rgb(255, 255, 0), rgb(128, 0, 192)};

// A built-in picture, read pixel by pixel in whatever format it was stored.
struct Picture {
    QImage image;
    explicit Picture(const std::string& name)
        : image(QStringLiteral(":/pictures/") + QString::fromStdString(name) + ".png") {
        if (image.isNull())
            ADD_FAILURE() << name << " is not among the built-in pictures";
    }
    Pixel operator()(int x, int y) const {
        const QRgb v = image.pixel(x, y);
        return {qRed(v), qGreen(v), qBlue(v), qAlpha(v)};
    }
    template <typename Visit>
    void forEach(Visit visit) const {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                visit(x, y, (*this)(x, y));
    }
    // How many pixels pass test(p), or test(x, y, p) where the place matters.
    template <typename Test>
    int count(Test test) const {
        int n = 0;
        forEach([&](int x, int y, Pixel p) {
            if constexpr (std::is_invocable_v<Test, Pixel>)
                n += test(p) ? 1 : 0;
            else
                n += test(x, y, p) ? 1 : 0;
        });
        return n;
    }
    // The smallest box around the pixels that pass `test`: left, top, right, bottom.
    template <typename Test>
    std::array<int, 4> box(Test test) const {
        std::array found{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        forEach([&](int x, int y, Pixel p) {
            if (test(p))
                found = {std::min(found[0], x), std::min(found[1], y), std::max(found[2], x),
                         std::max(found[3], y)};
        });
        return found;
    }
    std::array<int, 4> opaqueBox() const {
        return box([](Pixel p) { return p.opaque(); });
    }
    // Runs of one colour along a row: [first, last] columns.
    std::vector<std::pair<int, int>> runs(int y, Pixel colour) const {
        std::vector<std::pair<int, int>> found;
        for (int x = 0; x < image.width(); ++x)
            if ((*this)(x, y) == colour) {
                if (found.empty() || found.back().second != x - 1)
                    found.emplace_back(x, x);
                found.back().second = x;
            }
        return found;
    }
};

TEST(BuiltInPictures, HaveTheirSizesAndAreTransparentAroundTheEdgeExceptTheOpaqueTrack) {
    const std::tuple<const char*, int, int> all[] = {
        {"track", 600, 300},      {"car1", 50, 34},           {"car2", 50, 34},
        {"car3", 50, 34},         {"car4", 50, 34},           {"car5", 50, 34},
        {"car6", 50, 34},         {"signal_amber", 32, 32},   {"signal_green", 32, 32},
        {"face", 32, 32},         {"title1", 32, 32},         {"title2", 32, 32},
        {"title3", 32, 32},       {"two_cars", 32, 32},       {"two_cars_16", 16, 16},
        {"window_icon", 32, 32},  {"window_icon_64", 64, 64}, {"window_icon_128", 128, 128},
        {"hand_pointer", 32, 32},
    };
    for (const auto& [name, width, height] : all) {
        SCOPED_TRACE(name);
        const Picture picture(name);
        const bool track = std::string(name) == "track";
        EXPECT_EQ(std::pair(picture.image.width(), picture.image.height()),
                  std::pair(width, height));
        EXPECT_EQ(picture.image.hasAlphaChannel(), !track);
        EXPECT_EQ(picture.count([](Pixel p) { return p.a != 0 && p.a != 255; }), 0);
        for (const int x : {0, width - 1})
            for (const int y : {0, height - 1})
                EXPECT_EQ(picture(x, y).a, track ? 255 : 0) << "corner (" << x << ", " << y << ")";
    }
}

TEST(TrackPicture, IsAsphaltWithAStartLineAChequeredFinishAndFiveDashedLaneLines) {
    const Picture track("track");
    constexpr std::array<int, 5> laneLineTops{41, 92, 145, 196, 250};
    for (const int top : laneLineTops) {
        SCOPED_TRACE("lane line at row " + std::to_string(top));
        const auto dashes = track.runs(top, laneYellow);
        ASSERT_EQ(dashes.size(), 8u);
        EXPECT_TRUE(dashes[0].first >= 64 && dashes[0].first <= 71)
            << "starts at " << dashes[0].first;
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_TRUE(dashes[i].second - dashes[i].first == 27 &&
                        (i == 0 || std::abs(dashes[i].first - dashes[i - 1].first - 56) <= 6))
                << "dash " << i << " at " << dashes[i].first << ".." << dashes[i].second;
    }
    // With the dashes measured on each line's top row, every pixel is known.
    const auto expected = [&](int x, int y) {
        if (x >= 50 && x <= 54)
            return white;
        if (x >= 516 && x <= 535) // 5 x 6 chequers, black at the top left
            return ((x - 516) / 5 + y / 6) % 2 == 0 ? black : white;
        for (const int top : laneLineTops)
            if (y >= top && y < top + 3 && track(x, top) == laneYellow)
                return laneYellow;
        return asphalt;
    };
    EXPECT_EQ(track.count([&](int x, int y, Pixel p) { return p != expected(x, y); }), 0)
        << "pixels off the asphalt and markings";
}

TEST(CarSprites, ShareOneOutlineOnTwoBlackWheelsUnderALeaningWindscreenInTheirSlotsColour) {
    const Picture first("car1");
    for (int slot = 1; slot <= 6; ++slot) {
        SCOPED_TRACE("car" + std::to_string(slot));
        const Picture car("car" + std::to_string(slot));
        EXPECT_EQ(car.opaqueBox(), (std::array{1, 5, 47, 24})) << "columns 1 to 47, rows 5 to 24";
        EXPECT_GE(car.count([&](Pixel p) { return p == bodyColours[slot - 1]; }), 100);
        // Wheels, helmet and windscreen do not take the body colour, so they
        // are the same in every sprite, as is the outline.
        EXPECT_EQ(car.count([&](int x, int y, Pixel p) {
            const Pixel q = first(x, y);
            return p.opaque() != q.opaque() ||
                   (q.opaque() && (q.neutral() || q == windscreen) && p != q);
        }),
                  0);
        // Both wheels reach the ground row, one in each half of the car.
        const auto ground = car.runs(24, black);
        ASSERT_EQ(ground.size(), 2u);
        EXPECT_TRUE(ground[0].second < 24 && ground[1].first > 24);
        // Facing right, a windscreen leaning back has its top further left.
        int rows = 0, widest = 0, topX = -1, bottomX = -1;
        for (int y = 0; y < 34; ++y)
            if (const auto runs = car.runs(y, windscreen); !runs.empty()) {
                topX = rows++ == 0 ? runs.front().first : topX;
                bottomX = runs.back().second;
                for (const auto& [from, to] : runs)
                    widest = std::max(widest, to - from + 1);
            }
        EXPECT_GE(rows, 3) << "no windscreen to speak of";
        EXPECT_LE(widest, 2) << "a thick windscreen";
        EXPECT_LT(topX, bottomX);
    }
}

TEST(SignalPictures, ShareOneOutlineAndLightTheMiddleLampAmberOrTheBottomGreenUnderADarkRed) {
    const Picture amber("signal_amber"), green("signal_green");
    // Where the two differ, one picture is brighter: those pixels are its lit
    // lamp, in the lamp's colour apart from a white glint or two. The top lamp
    // is the same dull red in both.
    std::array<int, 2> lit{}, coloured{}, top{INT_MAX, INT_MAX}; // amber, green
    int outline = 0, redTop = INT_MAX, brightestRed = 0;
    amber.forEach([&](int x, int y, Pixel a) {
        const Pixel g = green(x, y);
        outline += a.opaque() != g.opaque() ? 1 : 0;
        if (a == g && a.r > a.g + 40 && a.r > a.b + 40) {
            redTop = std::min(redTop, y);
            brightestRed = std::max(brightestRed, a.r);
        } else if (a != g) {
            const bool isAmber = a.r + a.g + a.b > g.r + g.g + g.b;
            const Pixel p = isAmber ? a : g;
            const int lamp = isAmber ? 0 : 1;
            EXPECT_TRUE(isAmber ? p.r >= p.g && p.g >= p.b : p.g >= p.r && p.g >= p.b)
                << (isAmber ? "amber" : "green") << " lamp at (" << x << ", " << y << ")";
            coloured[lamp] += (isAmber ? p.r > p.b + 100 : p.g > p.r + 100) ? 1 : 0;
            ++lit[lamp];
            top[lamp] = std::min(top[lamp], y);
        }
    });
    EXPECT_EQ(outline, 0) << "pixels inside one outline only";
    for (const int lamp : {0, 1})
        EXPECT_GT(coloured[lamp], std::max(10, lit[lamp] / 2)) << "lamp " << lamp;
    EXPECT_TRUE(redTop < top[0] && top[0] < top[1]) << "tops of red, amber and green lamp";
    EXPECT_LT(brightestRed, 200) << "the red lamp is lit";
}

TEST(FacePicture, ShowsAroundTheSignalOnBothSides) {
    const Picture face("face");
    const std::array light = Picture("signal_amber").opaqueBox();
    EXPECT_GT(face.count([&](int x, int, Pixel p) { return p.opaque() && x < light[0]; }), 20);
    EXPECT_GT(face.count([&](int x, int, Pixel p) { return p.opaque() && x > light[2]; }), 20);
}

TEST(TitleLettering, IsGreenInTheTopTwelveRowsThenNineAndRunsOnAcrossTheFirstLinesTwoPieces) {
    for (const auto& [name, rows] : {std::pair{"title1", 12}, {"title2", 12}, {"title3", 9}}) {
        SCOPED_TRACE(name);
        const Picture title(name);
        const auto [left, top, right, bottom] = title.opaqueBox();
        EXPECT_LE(bottom, rows - 1);
        EXPECT_GE(right - left, 10) << "hardly any letters";
        EXPECT_EQ(title.count([](Pixel p) { return p.opaque() && (p.g <= p.r || p.g <= p.b); }), 0)
            << "pixels that are not green";
    }
    const Picture first("title1"), second("title2");
    EXPECT_EQ(first.opaqueBox()[3], second.opaqueBox()[3]) << "the pieces share a baseline";
    // The pieces sit 30 pixels apart, so the first's last two columns lie
    // under the second's first two; equal there, the line reads the same
    // whichever piece is in front.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(first(30 + x, y), second(x, y)) << "row " << y;
}

TEST(TwoCarsPicture, ShowsTheGreenCarBelowTheRedOneEachWithAGreyShadow) {
    for (const char* name : {"two_cars", "two_cars_16"}) {
        SCOPED_TRACE(name);
        const Picture picture(name);
        const auto red = picture.box([](Pixel p) { return p == bodyColours[0]; });
        const auto green = picture.box([](Pixel p) { return p == bodyColours[1]; });
        EXPECT_TRUE(red[1] < green[1] && red[3] < green[3]) << "rows of the red and green cars";
        EXPECT_GT(picture.count(
                      [](Pixel p) { return p.opaque() && p.neutral() && p.r >= 96 && p.r <= 176; }),
                  10)
            << "grey shadow pixels";
    }
}

TEST(WindowIcon, IsAFaceScaledUpByWholePixels) {
    const Picture icon("window_icon");
    EXPECT_GT(icon.opaqueBox()[2] - icon.opaqueBox()[0], 20) << "hardly any face";
    for (const auto& [name, factor] : {std::pair{"window_icon_64", 2}, {"window_icon_128", 4}}) {
        SCOPED_TRACE(name);
        const int scale = factor; // a lambda may not capture a structured binding in C++20
        EXPECT_EQ(Picture(name).count(
                      [&](int x, int y, Pixel p) { return p != icon(x / scale, y / scale); }),
                  0);
    }
}

TEST(HandPointer, IsWhiteWithABlackOutlineAndItsHotSpotOnTheFingertipAt5And0) {
    const Picture hand("hand_pointer");
    EXPECT_EQ(hand.count([](Pixel p) { return p.opaque() && p != white && p != black; }), 0);
    EXPECT_GT(hand.count([](Pixel p) { return p == white; }), 50);
    EXPECT_GT(hand.count([](Pixel p) { return p == black; }), 30);
    EXPECT_EQ(hand(5, 0), black);
    EXPECT_EQ(hand(5, 1), white) << "the finger under the tip";
    EXPECT_EQ(
        hand.count([](int x, int y, Pixel p) { return y == 0 && (x < 4 || x > 6) && p.opaque(); }),
        0)
        << "the top row away from the tip";
}

} // namespace
