// The cartoon face (shown behind the start signal and used as the window icon)
// and the hand pointer of the buttons.
#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"

#include <array>
#include <string_view>

namespace tarvelon::pictures {

namespace {

constexpr Rgba skin = opaque(255, 208, 64);
constexpr Rgba blush = opaque(255, 150, 96);

// Eyes, cheeks and smile over the face's disc, placed at (5, 8). k dark
// features, W glint in the eyes, r cheeks.
constexpr std::array<std::string_view, 14> faceFeatures{
    // 0123456789012345678901
    "....kkk.....kkk.......", // 0
    "....kWk.....kWk.......", // 1
    "....kkk.....kkk.......", // 2
    "....kkk.....kkk.......", // 3
    "....kkk.....kkk.......", // 4
    "......................", // 5
    "......................", // 6
    "rr..................rr", // 7
    "rr..................rr", // 8
    "...k..............k...", // 9
    "...kk............kk...", // 10
    "....kk..........kk....", // 11
    ".....kkk......kkk.....", // 12
    ".......kkkkkkkk.......", // 13
};

// Hand pointer, fingertip at (5, 0). # outline, w fill.
constexpr std::array<std::string_view, 24> handArt{
    // 01234567890123456789
    "....###.............", // 0
    "...#www#............", // 1
    "...#www#............", // 2
    "...#www#............", // 3
    "...#www#............", // 4
    "...#www####.........", // 5
    "...#www#www####.....", // 6
    "...#www#www#www#....", // 7
    "...#www#www#www###..", // 8
    ".###www#www#www#ww#.", // 9
    "#ww#www#www#www#ww#.", // 10
    "#www#ww#www#www#ww#.", // 11
    "#wwww#wwwww#www#ww#.", // 12
    ".#wwwwwwwwwwwwwwww#.", // 13
    "..#wwwwwwwwwwwwwww#.", // 14
    "...#wwwwwwwwwwwwww#.", // 15
    "....#wwwwwwwwwwwww#.", // 16
    ".....#wwwwwwwwwww#..", // 17
    "......#wwwwwwwww#...", // 18
    "......###########...", // 19
    "......#wwwwwwwww#...", // 20
    "......#wwwwwwwww#...", // 21
    "......#wwwwwwwww#...", // 22
    "......###########...", // 23
};

} // namespace

Canvas drawFace() {
    constexpr int cx2 = 32, cy2 = 32; // centre of the 32 x 32 picture, in half pixels
    Canvas face(32, 32);
    face.fillDiscHalf(cx2, cy2, 30, outlined(skin));
    face.fillDiscHalf(cx2, cy2, 28, shaded(skin));
    face.fillDiscHalf(cx2 - 3, cy2 - 3, 25, skin);
    face.fillDiscHalf(cx2 - 14, cy2 - 16, 4, lit(skin));
    face.draw(fromArt(faceFeatures, {{'k', outlined(skin)}, {'W', palette::white}, {'r', blush}}),
              5, 8);
    return face;
}

Canvas drawHandPointer() {
    Canvas hand(32, 32);
    hand.draw(fromArt(handArt, {{'#', palette::black}, {'w', palette::white}}), 0, 0);
    return hand;
}

} // namespace tarvelon::pictures
