// The handlers of the windows themselves: placing the game window and greeting
// the player, the About box, showing the standings, and the two ways out.
#include "main_form.h"
#include "texts.h"

namespace tarvelon {

void Main::placeWindow() {
    // Centred across the screen, with its vertical centre at 0.425 of the screen's
    // height; nothing corrects a window larger than the screen.
    const ScreenSize screen = services_.shell.screenSize();
    Top = static_cast<float>(screen.Height * 0.85 / 2 - static_cast<double>(Height) / 2);
    Left = static_cast<float>(screen.Width / 2 - static_cast<double>(Width) / 2);
}

void Main::Form_Load() {
    placeWindow();
    for (const char* line : texts::startupLines)
        services_.messages.show(line, Caption, MessageIcon::None);
}

void Main::Command4_Click() {
    services_.messages.show(texts::aboutText, texts::aboutTitle, MessageIcon::Information);
}

void Main::Command6_Click() {
    services_.shell.status().Visible = true;
}

void Main::Command3_Click() {
    services_.shell.closeMain();
    services_.shell.closeStatus();
}

void Main::timer_Timer() {
    Command3_Click();
}

} // namespace tarvelon
