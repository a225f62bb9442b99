// The standings window `Status` as a model: each car's wins and losses, held as
// the captions of twelve tally labels, and the OK button that hides the window.
#pragma once

#include "toolkit/controls.h"

#include <array>
#include <string>

namespace tarvelon {

class Status {
public:
    Status();
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;

    std::string Caption;
    static constexpr int ClientWidth = 2715, ClientHeight = 4215;
    // Where the layout puts the client area on the screen, in twips.
    static constexpr int LayoutLeft = 3840, LayoutTop = 1890;
    bool Visible = false;

    Label Label19, Label20;                               // column headings
    Label Label1, Label2, Label3, Label4, Label5, Label6; // car names, slots 1 to 6
    Label Label7, Label8, Label9, Label10, Label11, Label12, Label13, Label14, Label15, Label16,
        Label17, Label18; // win and loss tallies, slot by slot
    CommandButton Command1;

    // The name label of car slot `slot` (1 to 6).
    Label& carName(int slot) { return *labels()[static_cast<std::size_t>(slot) + 1]; }

    enum class Column { Wins, Losses };
    // The tally label of car slot `slot` (1 to 6) in `column`.
    Label& tally(int slot, Column column);

    // Every label, for front ends that build widgets from the model.
    std::array<Label*, 20> labels();

    // "OK": hides the window; the counts stay.
    void Command1_Click() { Visible = false; }
};

} // namespace tarvelon
