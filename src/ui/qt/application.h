// How the program sets up the Qt application before it builds the game.
#pragma once

namespace tarvelon::qt {

// Names the application and its desktop entry, and gives it one style and one
// default font everywhere, so the window looks the same on every desktop.
void configureApplication();

} // namespace tarvelon::qt
