// The standings window `Status` as a model: each car's wins and losses, held as
// the captions of twelve tally labels, and the OK button that hides the window.
#pragma once

#include "toolkit/form.h"

#include <string>

namespace tarvelon {

class Status : public Form {
public:
    Status();

    static constexpr int ClientWidth = 2715, ClientHeight = 4215;
    // Where the layout puts the client area on the screen, in twips.
    static constexpr int LayoutLeft = 3840, LayoutTop = 1890;
    bool Visible = false;

    Label Label19, Label20;                                    // "Wins" and "Loses"
    Label Label1, Label2, Label3, Label4, Label5, Label6;      // the cars' names, slots 1 to 6
    Label Label7, Label9, Label11, Label13, Label15, Label17;  // wins, slots 1 to 6
    Label Label8, Label10, Label12, Label14, Label16, Label18; // losses, slots 1 to 6
    CommandButton Command1;                                    // "OK"

    enum class Column { Wins, Losses };
    // The tally label of car slot `slot` (1 to 6) in `column`.
    Label& tally(int slot, Column column);

    // "OK": hides the window; the counts stay.
    void Command1_Click() { Visible = false; }
};

} // namespace tarvelon
