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
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Pixel {
    int r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

void PrintTo(const Pixel& pixel, std::ostream* out) {
    *out << "rgba(" << pixel.r << ", " << pixel.g << ", " << pixel.b << ", " << pixel.a << ")";
}

constexpr Pixel rgb(int r, int g, int b) {
    return {r, g, b, 255};
}

constexpr Pixel black = rgb(0, 0, 0);
constexpr Pixel white = rgb(255, 255, 255);
constexpr Pixel asphalt = rgb(160, 160, 160);
constexpr Pixel laneYellow = rgb(255, 255, 0);
constexpr Pixel windscreen = rgb(255, 251, 240);

constexpr std::array<Pixel, 6> bodyColours{rgb(255, 0, 0),   rgb(0, 160, 64),  rgb(0, 0, 192),
                                           rgb(255, 128, 0), rgb(255, 255, 0), rgb(128, 0, 192)};

QImage picture(const std::string& name) {
    const QImage image(QStringLiteral(":/pictures/") + QString::fromStdString(name));
    if (image.isNull()) {
        ADD_FAILURE() << name << " is not among the built-in pictures";
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::string carName(int slot) {
    return "car" + std::to_string(slot) + ".png";
}

Pixel at(const QImage& image, int x, int y) {
    const QRgb value = image.pixel(x, y);
    return {qRed(value), qGreen(value), qBlue(value), qAlpha(value)};
}

bool isOpaque(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) != 0;
}

bool isGreenish(Pixel p) {
    return p.g > p.r && p.g > p.b;
}
bool isNeutral(Pixel p) {
    return p.r == p.g && p.g == p.b;
}

// Calls visit(x, y, pixel) for every pixel of the picture.
template <typename Visit>
void forEachPixel(const QImage& image, Visit visit) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            visit(x, y, at(image, x, y));
}

int countPixels(const QImage& image, Pixel colour) {
    int count = 0;
    forEachPixel(image, [&](int, int, Pixel p) { count += p == colour ? 1 : 0; });
    return count;
}

// Pixels that are opaque in one picture and transparent in the other.
int maskDifferences(const QImage& one, const QImage& other) {
    if (one.size() != other.size())
        return INT_MAX;
    int count = 0;
    forEachPixel(one, [&](int x, int y, Pixel) {
        count += isOpaque(one, x, y) != isOpaque(other, x, y) ? 1 : 0;
    });
    return count;
}

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    friend bool operator==(const Box&, const Box&) = default;
};

void PrintTo(const Box& box, std::ostream* out) {
    *out << "columns " << box.left << ".." << box.right << ", rows " << box.top << ".."
         << box.bottom;
}

Box opaqueBox(const QImage& image) {
    Box box;
    forEachPixel(image, [&](int x, int y, Pixel p) {
        if (p.a == 0)
            return;
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
    });
    return box;
}

void expectTransparentCorners(const QImage& image, const std::string& name) {
    const int right = image.width() - 1, bottom = image.height() - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}})
        EXPECT_EQ(at(image, x, y).a, 0) << name << " corner (" << x << ", " << y << ")";
}

// The rows of each yellow line between lanes on the track.
constexpr std::array<int, 5> laneLineTops{41, 92, 145, 196, 250};
constexpr int laneLineThickness = 3;

bool isLaneLineRow(int y) {
    return std::any_of(laneLineTops.begin(), laneLineTops.end(),
                       [y](int top) { return y >= top && y < top + laneLineThickness; });
}
bool isStartLineColumn(int x) {
    return x >= 50 && x <= 54;
}
bool isFinishColumn(int x) {
    return x >= 516 && x <= 535;
}

// Runs of one colour along a row: [first, last] columns.
std::vector<std::pair<int, int>> runsOf(const QImage& image, int y, Pixel colour) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (at(image, x, y) != colour)
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

// ---------------------------------------------------------------------------

struct Expected {
    const char* name;
    int width, height;
};

constexpr Expected allPictures[] = {
    {"track.png", 600, 300},      {"car1.png", 50, 34},           {"car2.png", 50, 34},
    {"car3.png", 50, 34},         {"car4.png", 50, 34},           {"car5.png", 50, 34},
    {"car6.png", 50, 34},         {"signal_amber.png", 32, 32},   {"signal_green.png", 32, 32},
    {"face.png", 32, 32},         {"title1.png", 32, 32},         {"title2.png", 32, 32},
    {"title3.png", 32, 32},       {"two_cars.png", 32, 32},       {"two_cars_16.png", 16, 16},
    {"window_icon.png", 32, 32},  {"window_icon_64.png", 64, 64}, {"window_icon_128.png", 128, 128},
    {"hand_pointer.png", 32, 32},
};

TEST(BuiltInPictures, AreAllPresentWithTheirSizes) {
    for (const Expected& expected : allPictures) {
        const QImage image = picture(expected.name);
        EXPECT_EQ(image.width(), expected.width) << expected.name;
        EXPECT_EQ(image.height(), expected.height) << expected.name;
    }
}

TEST(BuiltInPictures, AreEachPixelEitherFullyOpaqueOrFullyTransparent) {
    for (const Expected& expected : allPictures) {
        const QImage image = picture(expected.name);
        int blended = 0;
        forEachPixel(image, [&](int, int, Pixel p) { blended += p.a != 0 && p.a != 255 ? 1 : 0; });
        EXPECT_EQ(blended, 0) << expected.name << " has semi-transparent pixels";
    }
}

// ---------------------------------------------------------------------------

TEST(TrackPicture, IsOpaqueAsphaltEverywhereOutsideItsMarkings) {
    const QImage track = picture("track.png");
    EXPECT_FALSE(QImage(":/pictures/track.png").hasAlphaChannel());
    int wrong = 0;
    forEachPixel(track, [&](int x, int y, Pixel p) {
        if (!isStartLineColumn(x) && !isFinishColumn(x) && !isLaneLineRow(y) && p != asphalt)
            ++wrong;
    });
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(at(track, 0, 0), asphalt);
    EXPECT_EQ(at(track, 599, 299), asphalt);
}

TEST(TrackPicture, HasAWhiteStartLineFromColumn50To54OverTheFullHeight) {
    const QImage track = picture("track.png");
    for (int y = 0; y < track.height(); ++y)
        for (int x = 50; x <= 54; ++x)
            ASSERT_EQ(at(track, x, y), white) << "at (" << x << ", " << y << ")";
    EXPECT_EQ(at(track, 49, 10), asphalt);
    EXPECT_EQ(at(track, 55, 10), asphalt);
}

TEST(TrackPicture, HasAFinishBandOfFourChequersAcrossStartingBlackAtTheTopLeft) {
    const QImage track = picture("track.png");
    EXPECT_EQ(at(track, 516, 0), black);
    EXPECT_EQ(at(track, 521, 0), white); // next square to the right
    EXPECT_EQ(at(track, 516, 6), white); // next square down
    EXPECT_EQ(at(track, 520, 5), black); // last pixel of the first square
    EXPECT_EQ(at(track, 535, 299), black);
    for (int y = 0; y < track.height(); ++y)
        for (int x = 516; x <= 535; ++x) {
            const bool blackSquare = ((x - 516) / 5 + y / 6) % 2 == 0;
            ASSERT_EQ(at(track, x, y), blackSquare ? black : white)
                << "at (" << x << ", " << y << ")";
        }
    EXPECT_EQ(at(track, 515, 10), asphalt);
    EXPECT_EQ(at(track, 536, 10), asphalt);
}

TEST(TrackPicture, HasFiveLaneLinesOfEightDashesThreeRowsThick) {
    const QImage track = picture("track.png");
    for (const int top : laneLineTops) {
        const auto dashes = runsOf(track, top, laneYellow);
        ASSERT_EQ(dashes.size(), 8u) << "line at row " << top;
        EXPECT_GE(dashes.front().first, 64) << "line at row " << top;
        EXPECT_LE(dashes.front().first, 71) << "line at row " << top;
        for (std::size_t i = 0; i < dashes.size(); ++i) {
            EXPECT_EQ(dashes[i].second - dashes[i].first + 1, 28)
                << "dash " << i << " of row " << top;
            if (i > 0) {
                const int spacing = dashes[i].first - dashes[i - 1].first;
                EXPECT_GE(spacing, 50) << "dash " << i << " of row " << top;
                EXPECT_LE(spacing, 62) << "dash " << i << " of row " << top;
            }
        }
        for (int y = top; y < top + laneLineThickness; ++y)
            for (int x = 0; x < track.width(); ++x) {
                const bool inDash = std::any_of(dashes.begin(), dashes.end(), [x](auto dash) {
                    return x >= dash.first && x <= dash.second;
                });
                if (inDash) {
                    EXPECT_EQ(at(track, x, y), laneYellow) << "at (" << x << ", " << y << ")";
                } else if (!isStartLineColumn(x) && !isFinishColumn(x)) {
                    EXPECT_EQ(at(track, x, y), asphalt) << "at (" << x << ", " << y << ")";
                }
            }
        EXPECT_TRUE(runsOf(track, top - 1, laneYellow).empty()) << "row above " << top;
        EXPECT_TRUE(runsOf(track, top + laneLineThickness, laneYellow).empty())
            << "row below line at " << top;
    }
}

// ---------------------------------------------------------------------------

TEST(CarSprites, FillExactlyColumns1To47AndRows5To24) {
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(opaqueBox(picture(carName(slot))), (Box{1, 5, 47, 24})) << carName(slot);
}

TEST(CarSprites, ShareOneOutlinePixelForPixel) {
    const QImage first = picture(carName(1));
    for (int slot = 2; slot <= 6; ++slot)
        EXPECT_EQ(maskDifferences(first, picture(carName(slot))), 0) << carName(slot);
}

TEST(CarSprites, ShowTheirSlotsBodyColourAndDifferInNothingElse) {
    const QImage first = picture(carName(1));
    for (int slot = 1; slot <= 6; ++slot) {
        const QImage car = picture(carName(slot));
        EXPECT_GE(countPixels(car, bodyColours[slot - 1]), 100) << carName(slot);
        // Wheels, helmet, windscreen and metal do not take the body colour, so
        // they must be the same in every sprite.
        int changed = 0;
        forEachPixel(first, [&](int x, int y, Pixel p) {
            if (p.a != 0 && (isNeutral(p) || p == windscreen) && at(car, x, y) != p)
                ++changed;
        });
        EXPECT_EQ(changed, 0) << carName(slot);
    }
}

TEST(CarSprites, StandOnTwoBlackWheels) {
    for (int slot = 1; slot <= 6; ++slot) {
        const QImage car = picture(carName(slot));
        // Both wheels reach the ground row, one in each half of the car.
        const auto ground = runsOf(car, 24, black);
        ASSERT_EQ(ground.size(), 2u) << carName(slot);
        EXPECT_LT(ground[0].second, 24) << carName(slot);
        EXPECT_GT(ground[1].first, 24) << carName(slot);
    }
}

TEST(CarSprites, HaveAThinOffWhiteWindscreenLeaningBackFromTheFront) {
    for (int slot = 1; slot <= 6; ++slot) {
        const QImage car = picture(carName(slot));
        int rows = 0, widest = 0, topX = -1, bottomX = -1;
        for (int y = 0; y < car.height(); ++y) {
            const auto runs = runsOf(car, y, windscreen);
            if (runs.empty())
                continue;
            if (rows++ == 0)
                topX = runs.front().first;
            bottomX = runs.back().second;
            for (const auto& [first, last] : runs)
                widest = std::max(widest, last - first + 1);
        }
        EXPECT_GE(rows, 3) << carName(slot) << " has no windscreen to speak of";
        EXPECT_LE(widest, 2) << carName(slot) << " has a thick windscreen";
        // The car faces right, so a windscreen leaning back has its top further left.
        EXPECT_LT(topX, bottomX) << carName(slot);
    }
}

// ---------------------------------------------------------------------------

TEST(SignalPictures, ShareOneOutlineWithATransparentSurround) {
    const QImage amber = picture("signal_amber.png");
    const QImage green = picture("signal_green.png");
    EXPECT_EQ(maskDifferences(amber, green), 0);
    expectTransparentCorners(amber, "signal_amber.png");
    expectTransparentCorners(green, "signal_green.png");
}

TEST(SignalPictures, LightTheMiddleLampAmberOrTheBottomLampGreenUnderADarkRedTop) {
    const QImage amber = picture("signal_amber.png");
    const QImage green = picture("signal_green.png");
    // Where the two differ, one picture is brighter: those pixels are its lit
    // lamp, in the lamp's colour apart from a white glint or two.
    long amberRows = 0, greenRows = 0;
    int amberLit = 0, greenLit = 0, amberTop = INT_MAX, greenTop = INT_MAX;
    int amberColoured = 0, greenColoured = 0;
    forEachPixel(amber, [&](int x, int y, Pixel a) {
        const Pixel g = at(green, x, y);
        if (a == g)
            return;
        if (a.r + a.g + a.b > g.r + g.g + g.b) {
            EXPECT_TRUE(a.r >= a.g && a.g >= a.b)
                << "amber lamp pixel at (" << x << ", " << y << ")";
            amberColoured += a.r > a.b + 100 ? 1 : 0;
            ++amberLit;
            amberRows += y;
            amberTop = std::min(amberTop, y);
        } else {
            EXPECT_TRUE(g.g >= g.r && g.g >= g.b)
                << "green lamp pixel at (" << x << ", " << y << ")";
            greenColoured += g.g > g.r + 100 ? 1 : 0;
            ++greenLit;
            greenRows += y;
            greenTop = std::min(greenTop, y);
        }
    });
    ASSERT_GT(amberLit, 10);
    ASSERT_GT(greenLit, 10);
    EXPECT_GT(amberColoured, amberLit / 2);
    EXPECT_GT(greenColoured, greenLit / 2);
    EXPECT_LT(amberRows / amberLit, greenRows / greenLit) << "the amber lamp sits above the green";

    // The top lamp is the same dull red in both, above the lamps that change.
    int redTop = INT_MAX, brightestRed = 0;
    forEachPixel(amber, [&](int x, int y, Pixel p) {
        if (p.a != 0 && p.r > p.g + 40 && p.r > p.b + 40 && p == at(green, x, y)) {
            redTop = std::min(redTop, y);
            brightestRed = std::max(brightestRed, p.r);
        }
    });
    EXPECT_LT(redTop, amberTop);
    EXPECT_LT(amberTop, greenTop);
    EXPECT_LT(brightestRed, 200) << "the red lamp is lit";
}

TEST(FacePicture, ShowsAroundTheSignalOnBothSides) {
    const QImage face = picture("face.png");
    const QImage signal = picture("signal_amber.png");
    expectTransparentCorners(face, "face.png");
    const Box light = opaqueBox(signal);
    int leftOfLight = 0, rightOfLight = 0;
    forEachPixel(face, [&](int x, int, Pixel p) {
        if (p.a != 0 && x < light.left)
            ++leftOfLight;
        if (p.a != 0 && x > light.right)
            ++rightOfLight;
    });
    EXPECT_GT(leftOfLight, 20);
    EXPECT_GT(rightOfLight, 20);
}

// ---------------------------------------------------------------------------

TEST(TitleLettering, KeepsTheFirstLineInTheTopTwelveRowsAndTheSecondInTheTopNine) {
    for (const auto& [name, rows] :
         {std::pair{"title1.png", 12}, {"title2.png", 12}, {"title3.png", 9}}) {
        const Box letters = opaqueBox(picture(name));
        EXPECT_LE(letters.bottom, rows - 1) << name;
        EXPECT_GE(letters.right - letters.left, 10) << name << " holds hardly any letters";
    }
    EXPECT_EQ(opaqueBox(picture("title1.png")).bottom, opaqueBox(picture("title2.png")).bottom)
        << "the first line's two pieces share a baseline";
}

TEST(TitleLettering, IsGreenOnTransparent) {
    for (const char* name : {"title1.png", "title2.png", "title3.png"}) {
        const QImage title = picture(name);
        int notGreen = 0;
        forEachPixel(title,
                     [&](int, int, Pixel p) { notGreen += p.a != 0 && !isGreenish(p) ? 1 : 0; });
        EXPECT_EQ(notGreen, 0) << name;
        expectTransparentCorners(title, name);
    }
}

TEST(TitleLettering, RunsOnAcrossTheTwoColumnsWhereTheFirstLinesPiecesOverlap) {
    // The pieces sit 30 pixels apart, so the first's last two columns lie
    // under the second's first two; equal there, the line reads the same
    // whichever piece is in front.
    const QImage first = picture("title1.png");
    const QImage second = picture("title2.png");
    for (int y = 0; y < 32; ++y)
        for (int column = 0; column < 2; ++column)
            EXPECT_EQ(at(first, 30 + column, y), at(second, column, y)) << "row " << y;
}

// ---------------------------------------------------------------------------

TEST(TwoCarsPicture, ShowsTheGreenCarBelowTheRedOneEachWithAGreyShadow) {
    for (const char* name : {"two_cars.png", "two_cars_16.png"}) {
        const QImage image = picture(name);
        expectTransparentCorners(image, name);
        long redRows = 0, greenRows = 0;
        int red = 0, green = 0, grey = 0;
        forEachPixel(image, [&](int, int y, Pixel p) {
            if (p == bodyColours[0]) {
                ++red;
                redRows += y;
            } else if (p == bodyColours[1]) {
                ++green;
                greenRows += y;
            } else if (p.a != 0 && isNeutral(p) && p.r >= 96 && p.r <= 176) {
                ++grey;
            }
        });
        ASSERT_GT(red, 0) << name;
        ASSERT_GT(green, 0) << name;
        EXPECT_LT(redRows / red, greenRows / green) << name;
        EXPECT_GT(grey, 10) << name;
    }
}

TEST(WindowIcon, IsAFaceWithATransparentSurroundScaledByWholePixels) {
    const QImage icon = picture("window_icon.png");
    expectTransparentCorners(icon, "window_icon.png");
    EXPECT_GT(opaqueBox(icon).right - opaqueBox(icon).left, 20);
    for (const auto& [name, factor] :
         {std::pair{"window_icon_64.png", 2}, {"window_icon_128.png", 4}}) {
        const QImage big = picture(name);
        const int scale = factor; // a lambda may not capture a structured binding in C++20
        int wrong = 0;
        forEachPixel(big, [&](int x, int y, Pixel p) {
            wrong += p != at(icon, x / scale, y / scale) ? 1 : 0;
        });
        EXPECT_EQ(wrong, 0) << name;
    }
}

TEST(HandPointer, IsWhiteWithABlackOutlineOnTransparency) {
    const QImage hand = picture("hand_pointer.png");
    int others = 0, whites = 0, blacks = 0;
    forEachPixel(hand, [&](int, int, Pixel p) {
        if (p == white)
            ++whites;
        else if (p == black)
            ++blacks;
        else if (p.a != 0)
            ++others;
    });
    EXPECT_EQ(others, 0);
    EXPECT_GT(whites, 50);
    EXPECT_GT(blacks, 30);
}

TEST(HandPointer, HasItsHotSpotOnTheFingertipOutlineAt5And0) {
    const QImage hand = picture("hand_pointer.png");
    EXPECT_EQ(at(hand, 5, 0), black);
    EXPECT_EQ(at(hand, 5, 1), white) << "the finger under the tip";
    // Nothing else reaches the top row away from the tip.
    for (int x = 0; x < hand.width(); ++x) {
        if (x < 4 || x > 6) {
            EXPECT_EQ(at(hand, x, 0).a, 0) << "column " << x;
        }
    }
}

} // namespace
