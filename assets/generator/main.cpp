// make_pictures: draws every picture of the game and writes it as a PNG file.
//
// Usage: make_pictures <output folder>. The build runs it and compiles the
// files into the program as resources; the output is the same, byte for byte,
// on every run. Which files there are comes from the picture list.
#include "pictures.h"
#include "png_file.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

using namespace tarvelon::pictures;

namespace {

enum class Picture {
#define TARVELON_PICTURE(name, file) name,
#include "picture_list.h"
#undef TARVELON_PICTURE
};

Canvas draw(Picture picture) {
    switch (picture) {
    case Picture::Track:
        return drawTrack();
    case Picture::Car1:
    case Picture::Car2:
    case Picture::Car3:
    case Picture::Car4:
    case Picture::Car5:
    case Picture::Car6:
        return drawCar(carBodyColours[static_cast<std::size_t>(picture) -
                                      static_cast<std::size_t>(Picture::Car1)]);
    case Picture::AmberSignal:
        return drawSignal(LitLamp::Amber);
    case Picture::GreenSignal:
        return drawSignal(LitLamp::Green);
    case Picture::Face:
        return drawFace();
    case Picture::TitleFirst:
        return drawTitle().first;
    case Picture::TitleSecond:
        return drawTitle().second;
    case Picture::TitleThird:
        return drawTitle().third;
    case Picture::TwoCars:
        return drawTwoCars(32);
    case Picture::TwoCarsSmall:
        return drawTwoCars(16);
    // The window icon is the face; the larger sizes serve the desktop entry and keep
    // the pixels square rather than smoothing them.
    case Picture::WindowIcon:
        return drawFace();
    case Picture::WindowIconLarger:
        return drawFace().scaled(2);
    case Picture::WindowIconLargest:
        return drawFace().scaled(4);
    case Picture::HandPointer:
        return drawHandPointer();
    }
    throw std::logic_error("a picture with no drawing");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_pictures <output folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
#define TARVELON_PICTURE(name, file) savePng(folder / file ".png", draw(Picture::name));
#include "picture_list.h"
#undef TARVELON_PICTURE
    } catch (const std::exception& error) {
        std::cerr << "make_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
