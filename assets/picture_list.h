// Every picture of the game, named once. Each line gives a picture's name in the code and its
// file: the generator draws it into <file>.png, the build compiles that in as
// ":/pictures/<file>.png", and the windows show it by its name. The file's name is all the
// build reads from this list (assets/CMakeLists.txt), so keep one picture to a line.
//
// Include it after defining TARVELON_PICTURE(name, file) to what each line should become.

TARVELON_PICTURE(Track, "track")
TARVELON_PICTURE(Car1, "car1")
TARVELON_PICTURE(Car2, "car2")
TARVELON_PICTURE(Car3, "car3")
TARVELON_PICTURE(Car4, "car4")
TARVELON_PICTURE(Car5, "car5")
TARVELON_PICTURE(Car6, "car6")
TARVELON_PICTURE(AmberSignal, "signal_amber")
TARVELON_PICTURE(GreenSignal, "signal_green")
TARVELON_PICTURE(Face, "face")
TARVELON_PICTURE(TitleFirst, "title1")
TARVELON_PICTURE(TitleSecond, "title2")
TARVELON_PICTURE(TitleThird, "title3")
TARVELON_PICTURE(TwoCars, "two_cars")
TARVELON_PICTURE(TwoCarsSmall, "two_cars_16")
TARVELON_PICTURE(WindowIcon, "window_icon_32")
TARVELON_PICTURE(WindowIconLarger, "window_icon_64")
TARVELON_PICTURE(WindowIconLargest, "window_icon_128")
TARVELON_PICTURE(HandPointer, "hand_pointer")
