// make_pictures: draws every picture of the game and writes it as a PNG file.
//
// Usage: make_pictures <output folder>. The build runs it and compiles the
// files into the program as resources; the output is the same, byte for byte,
// on every run.
#include "pictures.h"
#include "png_file.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

using namespace tarvelon::pictures;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_pictures <output folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        const auto write = [&folder](const std::string& name, const Canvas& canvas) {
            savePng(folder / name, canvas);
        };

        write("track.png", drawTrack());
        for (std::size_t slot = 0; slot < carBodyColours.size(); ++slot)
            write("car" + std::to_string(slot + 1) + ".png", drawCar(carBodyColours[slot]));
        write("signal_amber.png", drawSignal(LitLamp::Amber));
        write("signal_green.png", drawSignal(LitLamp::Green));
        write("face.png", drawFace());

        const TitlePieces title = drawTitle();
        write("title1.png", title.first);
        write("title2.png", title.second);
        write("title3.png", title.third);

        write("two_cars.png", drawTwoCars(32));
        write("two_cars_16.png", drawTwoCars(16));

        // The window icon is the face; the larger sizes serve the desktop entry
        // and keep the pixels square rather than smoothing them.
        const Canvas icon = drawFace();
        write("window_icon.png", icon);
        write("window_icon_64.png", icon.scaled(2));
        write("window_icon_128.png", icon.scaled(4));

        write("hand_pointer.png", drawHandPointer());
    } catch (const std::exception& error) {
        std::cerr << "make_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
