// The kinds of control the two windows are made of, as plain data.
//
// Each control carries the properties the game reads and writes, under the names
// the game uses for them (`Enabled`, `Visible`, `Left`, `Text`, `Caption`, `Tag`),
// plus its place in twips and its look. A control the player can act on, and a
// timer, carries the handler its window's model binds to it when it builds it.
// The front end builds real widgets from these and renders them after every
// event; nothing here knows any toolkit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarvelon {

// What runs when the player clicks a control or a timer fires.
using Handler = std::function<void()>;

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Color, Color) = default;
};

namespace colors {
inline constexpr Color orange{255, 128, 0};
inline constexpr Color lightGrey{192, 192, 192};
inline constexpr Color lightBlue{128, 128, 255};
inline constexpr Color green{0, 255, 0};
} // namespace colors

// A font as the layout names it; the front end maps the family to one it has.
struct FontSpec {
    std::string Name;
    float Size = 8.25f; // points
    bool Bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class Alignment { Left, Center };

// The pictures built into the windows, as the picture list names them.
enum class PictureId {
#define TARVELON_PICTURE(name, file) name,
#include "picture_list.h"
#undef TARVELON_PICTURE
};

struct Frame;

// What every placed control has: its name, its container (none for the window's
// client area) and its place in twips relative to that container.
struct Control {
    virtual ~Control() = default;
    std::string Name;
    const Frame* Container = nullptr;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    // What a screen reader calls the control, with "%1" standing for its caption;
    // empty: its caption alone. A label's name follows its caption as it changes.
    std::string AccessibleName;
};

struct Frame : Control {
    std::string Caption;
    std::optional<Color> BackColor; // nullopt: the toolkit's own colour
};

struct CommandButton : Control {
    std::string Caption;
    bool Enabled = true;
    std::string Tag; // a free text the game may keep with the button
    std::optional<Color> BackColor;
    bool HandPointer = true;
    Handler onClick;

    // The player's click: runs the handler, unless the button is disabled.
    void click() const {
        if (Enabled && onClick)
            onClick();
    }
};

struct TextBox : Control {
    std::string Text;
    bool Enabled = true;
    bool Locked = false; // shows its text but takes no typing
    int MaxLength = 0;   // the longest text the player may type or paste; 0: no limit of its own
    std::optional<Color> BackColor;
    std::optional<FontSpec> Font;
    Alignment Align = Alignment::Left;
    Handler onTooLong; // the player typed or pasted past `MaxLength`, which was refused whole
};

struct Label : Control {
    std::string Caption;
    std::optional<Color> ForeColor;
    std::optional<Color> BackColor; // nullopt: transparent
    std::optional<FontSpec> Font;
    Alignment Align = Alignment::Left;
};

// An image shows its picture at natural size from its top-left corner. The race
// moves the cars by fractions of a twip, which their single-precision `Left` keeps.
struct Image : Control {
    PictureId Picture = PictureId::Track;
    bool Border = false;
};

struct Shape : Control {
    Color FillColor;
    Color BorderColor;
};

// An interval timer. A disabled timer does not fire; enabling an enabled one
// changes nothing, so it keeps its phase.
struct Timer {
    std::string Name;
    int Interval = 0; // milliseconds
    bool Enabled = false;
    Handler onTimer;
    // Set only for a timer whose handler depends on nothing but the models: the
    // values its firing's outcome depends on, namely everything the handler reads
    // and the current values of everything it may write. Equal inputs before and
    // after a firing mean it changed nothing, and so will every firing after it
    // until the inputs differ; a front end may let the timer sleep until then.
    std::function<std::string()> Inputs;
};

} // namespace tarvelon
