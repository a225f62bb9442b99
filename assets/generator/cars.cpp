// The car sprites and the small picture of two cars.
//
// All six sprites are one drawing; only the body colour and its shades change,
// so the sprites share their outline pixel for pixel. The small cars of the
// two-cars picture are the same car drawn again at a smaller size.
#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"

#include <array>
#include <span>
#include <stdexcept>
#include <string_view>

namespace tarvelon::pictures {

namespace {

// The sprite's car, side view facing right, 47 x 20 (characters: carLegend).
// The wheels are drawn over it, in arches cut around them.
constexpr std::array<std::string_view, 20> carArt{
    // 0         1         2         3         4
    // 01234567890123456789012345678901234567890123456
    "...............ooo.............................", // 0
    "..............oMMmo...w........................", // 1
    ".............oMmmvvo..w........................", // 2
    ".............ommmvvo...w.......................", // 3
    ".............ommmnno...w.......................", // 4
    ".......ooooo.onnnnno....w......................", // 5
    ".....oohhhhhocccccccooooooooooooooooooooo......", // 6
    "...oohhbbbbbhhhhhhhhhhhhhhhhhhhhhhhhhhhhhoo....", // 7
    "..ohbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbboo..", // 8
    ".ohbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbLLo.", // 9
    "obbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbLLo", // 10
    "obbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbo", // 11
    "obbbbbbbbbbbbbbbGGGGGGGGGGGGGGGxbbbbbbbbbbbbbbo", // 12
    "osssssssssssssssgggggggggggggggxsssssssssssssso", // 13
    "ossssssssssssssssssssssssssssssssssssssssssssso", // 14
    ".ossssssssssssssssssssssssssssssssssssssssssso.", // 15
    "..ooooooooooooooooooooooooooooooooooooooooooo..", // 16
    "...............................................", // 17
    "...............................................", // 18
    "...............................................", // 19
};

// The sprite's wheel, 10 x 10.
constexpr std::array<std::string_view, 10> wheelArt{
    "...kkkk...", //
    ".kkkkkkkk.", //
    ".kkGGggkk.", //
    "kkGggggdkk", //
    "kkGgHHgdkk", //
    "kkGgHHgdkk", //
    "kkggggddkk", //
    ".kkgdddkk.", //
    ".kkkkkkkk.", //
    "...kkkk...", //
};

constexpr int spriteWidth = 50, spriteHeight = 34;
// Where the car's box starts in the sprite.
constexpr int carLeft = 1, carTop = 5;

// The same car, small, for the 32-pixel picture of two cars: 24 x 11.
constexpr std::array<std::string_view, 11> smallCarArt{
    // 012345678901234567890123
    "........ooo.............", // 0
    ".......oMmvo..w.........", // 1
    "....oooonnno...w........", // 2
    "..oohhhhocccoooooooooo..", // 3
    ".ohbbbbbhhhhhhhhhhhhhoo.", // 4
    "ohbbbbbbbbbbbbbbbbbbbbLo", // 5
    "obbbbbbbbbbbbbbbbbbbbbbo", // 6
    "osssssssssssssssssssssso", // 7
    ".osssssssssssssssssssso.", // 8
    "..oooooooooooooooooooo..", // 9
    "........................", // 10
};

// Its wheel, 6 x 6.
constexpr std::array<std::string_view, 6> smallWheelArt{
    ".kkkk.", //
    "kkGgkk", //
    "kGHgdk", //
    "kggddk", //
    "kkddkk", //
    ".kkkk.", //
};

// The tiny car of the 16-pixel picture: 12 x 6, too small for arches.
constexpr std::array<std::string_view, 6> tinyCarArt{
    // 012345678901
    "....mm.w....", // 0
    "..ohhhhhhho.", // 1
    ".obbbbbbbbLo", // 2
    "osbbbbbbbbbo", // 3
    ".okkossokkso", // 4
    "..kk....kk..", // 5
};

constexpr Rgba shadowGrey = opaque(128, 128, 128);

// What each character of the car drawings stands for.
Legend carLegend(Rgba body) {
    return {
        {'b', body},              // body
        {'h', lit(body)},         // body, facing up
        {'s', shaded(body)},      // body, facing down
        {'o', outlined(body)},    // outline
        {'w', palette::offWhite}, // windscreen
        {'L', palette::grey1},    // headlamp
        {'G', palette::grey2},    // exhaust pipe, lit; wheel rim, lit
        {'g', palette::grey3},    // exhaust pipe, shaded; wheel rim
        {'x', palette::grey4},    // exhaust pipe's end
        {'d', palette::grey4},    // wheel rim, shaded
        {'H', palette::grey1},    // hub
        {'k', palette::black},    // tyre
        {'m', palette::grey1},    // helmet
        {'M', palette::white},    // helmet, lit
        {'n', palette::grey2},    // helmet, shaded
        {'v', palette::grey4},    // visor
        {'c', palette::grey5},    // cockpit
    };
}

// Cuts a wheel arch into the body: body pixels close around the wheel become
// the dark wheel well, and a ring outside that the outline, so the wheel sits
// in the body rather than being pasted on. Distances are in half pixels.
void cutArch(Canvas& car, int wheelLeft, int wheelTop, int wheelSize, Rgba outline) {
    const int cx2 = 2 * wheelLeft + wheelSize, cy2 = 2 * wheelTop + wheelSize;
    for (int y = 0; y < car.height(); ++y)
        for (int x = 0; x < car.width(); ++x) {
            if (car.at(x, y).a == 0)
                continue;
            const int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
            const int distance2 = dx * dx + dy * dy;
            if (distance2 < (wheelSize + 1) * (wheelSize + 1))
                car.set(x, y, palette::grey5);
            else if (distance2 < (wheelSize + 3) * (wheelSize + 3))
                car.set(x, y, outline);
        }
}

// How one size of car is put together: its body, its wheel and where the
// wheels go; arches only where the car is big enough for them to read.
struct CarDrawing {
    std::span<const std::string_view> body;
    std::span<const std::string_view> wheel;
    int wheelTop;
    std::array<int, 2> wheelLefts; // rear, front
    bool arches;
};

constexpr CarDrawing spriteCar{carArt, wheelArt, 10, {4, 33}, true};
constexpr CarDrawing smallCar{smallCarArt, smallWheelArt, 5, {3, 16}, false};

Canvas assemble(const CarDrawing& drawing, Rgba body) {
    const Legend legend = carLegend(body);
    Canvas car = fromArt(drawing.body, legend);
    const Canvas wheel = fromArt(drawing.wheel, legend);
    for (const int wheelLeft : drawing.wheelLefts) {
        if (drawing.arches)
            cutArch(car, wheelLeft, drawing.wheelTop, wheel.width(), outlined(body));
        car.draw(wheel, wheelLeft, drawing.wheelTop);
    }
    return car;
}

// A car's shadow: a flat band with rounded ends under the car, pushed right,
// away from the light.
void drawShadow(Canvas& picture, int left, int top, int length, int thickness) {
    picture.fillRect(left + 1, top, length - 2, thickness, shadowGrey);
    picture.fillRect(left, top + 1, length, thickness - 2, shadowGrey);
}

} // namespace

Canvas drawCar(Rgba body) {
    Canvas sprite(spriteWidth, spriteHeight);
    sprite.draw(assemble(spriteCar, body), carLeft, carTop);
    return sprite;
}

Canvas drawTwoCars(int size) {
    constexpr Rgba red = carBodyColours[0], green = carBodyColours[1];
    Canvas picture(size, size);
    // The red car is further away, so it sits higher; the green one is drawn
    // after it and covers it where they meet.
    if (size == 32) {
        drawShadow(picture, 3, 13, 24, 4);
        picture.draw(assemble(smallCar, red), 0, 4);
        drawShadow(picture, 10, 24, 22, 4);
        picture.draw(assemble(smallCar, green), 7, 15);
    } else if (size == 16) {
        drawShadow(picture, 1, 6, 12, 3);
        picture.draw(fromArt(tinyCarArt, carLegend(red)), 0, 2);
        drawShadow(picture, 5, 13, 11, 3);
        picture.draw(fromArt(tinyCarArt, carLegend(green)), 4, 9);
    } else {
        throw std::invalid_argument("the two-cars picture comes in 32 and 16 pixels");
    }
    return picture;
}

} // namespace tarvelon::pictures
