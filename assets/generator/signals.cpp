// The start signal: a three-lamp traffic light, in two versions that differ
// only in which lamp is lit.
//
// Both versions are drawn from the same housing and lamp places, so they share
// their outline exactly and either one hides the other when drawn in front.
#include "palette.h"
#include "pictures.h"

#include <initializer_list>

namespace tarvelon::pictures {

namespace {

constexpr int size = 32;
// The housing, a rounded upright box.
constexpr int housingLeft = 9, housingTop = 1, housingWidth = 14, housingHeight = 30;
// The lamps share a column; their tops from top to bottom lamp.
constexpr int lampLeft = 12, lampSize = 8;
constexpr int lampTops[] = {3, 12, 21};

struct LampColours {
    Rgba dark;
    Rgba lit;
};

// The red lamp is never lit at the start, so it only needs its dark colour.
constexpr Rgba darkRed = opaque(112, 20, 20);
constexpr LampColours amberLamp{opaque(112, 72, 0), opaque(255, 176, 0)};
constexpr LampColours greenLamp{opaque(0, 80, 32), opaque(0, 224, 72)};

void drawHousing(Canvas& light) {
    const int right = housingLeft + housingWidth - 1, bottom = housingTop + housingHeight - 1;
    light.fillRect(housingLeft, housingTop, housingWidth, housingHeight, palette::black);
    light.fillRect(housingLeft + 1, housingTop + 1, housingWidth - 2, housingHeight - 2,
                   palette::grey4);
    // Lit along the top and left inner edge, shaded along the bottom and right.
    light.line(housingLeft + 1, housingTop + 1, right - 1, housingTop + 1, palette::grey3);
    light.line(housingLeft + 1, housingTop + 1, housingLeft + 1, bottom - 1, palette::grey3);
    light.line(housingLeft + 2, bottom - 1, right - 1, bottom - 1, palette::grey5);
    light.line(right - 1, housingTop + 2, right - 1, bottom - 1, palette::grey5);
    // Rounded corners: one pixel off each, outline moved in.
    for (const int x : {housingLeft, right})
        for (const int y : {housingTop, bottom})
            light.set(x, y, transparent);
    light.set(housingLeft + 1, housingTop + 1, palette::black);
    light.set(right - 1, housingTop + 1, palette::black);
    light.set(housingLeft + 1, bottom - 1, palette::black);
    light.set(right - 1, bottom - 1, palette::black);
}

void drawLamp(Canvas& light, int top, Rgba colour, bool isLit) {
    const int cx2 = 2 * lampLeft + lampSize, cy2 = 2 * top + lampSize;
    // A dark socket ring around the glass.
    light.fillDiscHalf(cx2, cy2, lampSize + 2, palette::grey5);
    light.fillDiscHalf(cx2, cy2, lampSize, shaded(colour));
    // The glass is curved: its upper left faces the light, so the full colour
    // sits there and the shaded rim shows at the lower right.
    light.fillDiscHalf(cx2 - 2, cy2 - 2, lampSize - 2, colour);
    if (isLit) {
        light.fillDiscHalf(cx2 - 2, cy2 - 2, lampSize - 5, mix(colour, palette::white, 50));
        light.set(lampLeft + 2, top + 2, palette::white);
    } else {
        light.set(lampLeft + 2, top + 2, mix(colour, palette::white, 30));
    }
}

} // namespace

Canvas drawSignal(LitLamp lamp) {
    Canvas light(size, size);
    drawHousing(light);
    drawLamp(light, lampTops[0], darkRed, false);
    const bool amber = lamp == LitLamp::Amber;
    drawLamp(light, lampTops[1], amber ? amberLamp.lit : amberLamp.dark, amber);
    drawLamp(light, lampTops[2], amber ? greenLamp.dark : greenLamp.lit, !amber);
    return light;
}

} // namespace tarvelon::pictures
