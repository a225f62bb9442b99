// The title lettering: "Tarvelon" in a bold pixel font, the first line cut into
// the two pictures that sit side by side in the title panel.
#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelon::pictures {

namespace {

constexpr Rgba letterGreen = opaque(0, 200, 0);
constexpr Rgba shadowGreen = opaque(0, 96, 0);
constexpr Rgba litGreen = opaque(112, 240, 112);

struct Glyph {
    char letter;
    std::vector<std::string_view> rows; // '#' ink, '.' paper
};

// Lowercase letters stand 6 rows high; 'l' rises 2 above them and 'T' 5.
const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> font{
        {'T',
         {"###########", "###########", "....###....", "....###....", "....###....", "....###....",
          "....###....", "....###....", "....###....", "....###....", "....###...."}},
        {'a', {".#####.", ".....##", ".######", "##...##", "##...##", ".######"}},
        {'r', {"##.###", "#####.", "###...", "##....", "##....", "##...."}},
        {'v', {"##...##", "##...##", "##...##", ".##.##.", ".##.##.", "..###.."}},
        {'e', {".#####.", "##...##", "#######", "##.....", "##...##", ".#####."}},
        {'l', {"##.", "##.", "##.", "##.", "##.", "##.", "##.", ".##"}},
        {'o', {".#####.", "##...##", "##...##", "##...##", "##...##", ".#####."}},
        {'n', {"######.", "##...##", "##...##", "##...##", "##...##", "##...##"}},
    };
    return font;
}

const Glyph& glyphOf(char letter) {
    for (const Glyph& glyph : glyphs())
        if (glyph.letter == letter)
            return glyph;
    throw std::invalid_argument(std::string("the title font has no '") + letter + "'");
}

// Writes `text` with the letters' bottom row at `baseline` and the first
// letter's left edge at `left`; `advances[i]` is how far right of letter i the
// next one starts, so pairs such as "Ta" can be set closer than their boxes.
void write(Canvas& line, std::string_view text, int left, int baseline,
           const std::vector<int>& advances) {
    Canvas ink(line.width(), line.height());
    int x = left;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& glyph = glyphOf(text[i]);
        const int top = baseline - static_cast<int>(glyph.rows.size()) + 1;
        ink.draw(fromArt(glyph.rows, {{'#', letterGreen}}), x, top);
        if (i < advances.size())
            x += advances[i];
    }
    // Lit from the top left: the upper edge of each stroke catches the light
    // and a shadow falls one pixel down and to the right.
    Canvas shadow = ink;
    shadow.recolour(letterGreen, shadowGreen);
    for (int row = 0; row < ink.height(); ++row)
        for (int column = 0; column < ink.width(); ++column)
            if (ink.at(column, row).a != 0 && (row == 0 || ink.at(column, row - 1).a == 0))
                ink.set(column, row, litGreen);
    line.draw(shadow, 1, 1);
    line.draw(ink, 0, 0);
}

// The title panel's own coordinates: the two pieces of the first line sit at
// x 18 and x 48, overlapping by two columns; the second line's piece at x 24.
constexpr int firstPieceLeft = 18, secondPieceLeft = 48, thirdPieceLeft = 24;
constexpr int pieceSize = 32;

} // namespace

TitlePieces drawTitle() {
    // The first line is drawn whole and then cut, so it runs on unbroken from
    // one picture into the next, and the two columns where the pictures
    // overlap are the same in both, whichever of them lies in front. "Tar"
    // ends left of the overlap; "ve" begins just inside it.
    Canvas firstLine(secondPieceLeft + pieceSize, pieceSize);
    write(firstLine, "Tarve", 23, 10, {9, 9, 8, 9});

    Canvas secondLine(thirdPieceLeft + pieceSize, pieceSize);
    write(secondLine, "lon", 33, 7, {5, 9});

    return {firstLine.cropped(firstPieceLeft, 0, pieceSize, pieceSize),
            firstLine.cropped(secondPieceLeft, 0, pieceSize, pieceSize),
            secondLine.cropped(thirdPieceLeft, 0, pieceSize, pieceSize)};
}

} // namespace tarvelon::pictures
