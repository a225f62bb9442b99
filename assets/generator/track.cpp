// The race track: asphalt, the start line, the chequered finish band and the
// dashed lines between the six lanes.
//
// The cars' start and finish positions are worked out from where these lines
// are, so the numbers below are fixed; the track is plain so that nothing else
// can be mistaken for them.
#include "palette.h"
#include "pictures.h"

namespace tarvelon::pictures {

namespace {

constexpr int width = 600, height = 300;

constexpr Rgba asphalt = opaque(160, 160, 160);
constexpr Rgba laneYellow = opaque(255, 255, 0);

constexpr int startLineLeft = 50, startLineWidth = 5;

constexpr int finishLeft = 516, finishSquareWidth = 5, finishSquareHeight = 6,
              finishSquaresAcross = 4;

// The top row of each of the five lines between the lanes.
constexpr int laneLineTops[] = {41, 92, 145, 196, 250};
constexpr int laneLineThickness = 3;
constexpr int dashesPerLine = 8, dashLength = 28, dashPeriod = 56, firstDashLeft = 66;

} // namespace

Canvas drawTrack() {
    Canvas track(width, height, asphalt);

    track.fillRect(startLineLeft, 0, startLineWidth, height, palette::white);

    for (int row = 0; row * finishSquareHeight < height; ++row)
        for (int column = 0; column < finishSquaresAcross; ++column) {
            const bool blackSquare = (row + column) % 2 == 0; // black at the top left
            track.fillRect(finishLeft + column * finishSquareWidth, row * finishSquareHeight,
                           finishSquareWidth, finishSquareHeight,
                           blackSquare ? palette::black : palette::white);
        }

    for (const int top : laneLineTops)
        for (int dash = 0; dash < dashesPerLine; ++dash)
            track.fillRect(firstDashLeft + dash * dashPeriod, top, dashLength, laneLineThickness,
                           laneYellow);

    return track;
}

} // namespace tarvelon::pictures
