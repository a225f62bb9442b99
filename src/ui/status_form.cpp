// The standings window's controls, their initial captions, what a screen reader
// calls them, and the handler of its OK button.
#include "status_form.h"

#include <functional>
#include <string>

namespace tarvelon {

Status::Status() {
    Caption = "             Status";
    build(Label19, "Label19", nullptr, 1410, 60, 375, 225).Caption = "Wins";
    build(Label20, "Label20", nullptr, 2130, 60, 435, 225).Caption = "Loses";

    const struct {
        Label& name;
        const char* nameName;
        float nameWidth;
        const char* car;
        const char *winsName, *lossesName;
        float nameTop, tallyTop;
    } rows[] = {
        {Label1, "Label1", 855, "Red Ryder", "Label7", "Label8", 400, 420},
        {Label2, "Label2", 945, "Green Apple", "Label9", "Label10", 1000, 990},
        {Label3, "Label3", 735, "Blueberry", "Label11", "Label12", 1600, 1620},
        {Label4, "Label4", 1005, "Orange Tiger", "Label13", "Label14", 2200, 2220},
        {Label5, "Label5", 945, "Yellow Moon", "Label15", "Label16", 2800, 2820},
        {Label6, "Label6", 1065, "Purple Powder", "Label17", "Label18", 3400, 3420},
    };
    const FontSpec tallyFont{"MS Sans Serif", 9.75f, false};
    int slot = 1;
    for (const auto& row : rows) {
        build(row.name, row.nameName, nullptr, 200, row.nameTop, row.nameWidth, 225).Caption =
            row.car;
        for (Column column : {Column::Wins, Column::Losses}) {
            const bool wins = column == Column::Wins;
            Label& count = build(tally(slot, column), wins ? row.winsName : row.lossesName, nullptr,
                                 wins ? 1350 : 2130, row.tallyTop, 465, 195);
            count.Caption = "0";
            count.Align = Alignment::Center;
            count.Font = tallyFont;
            count.AccessibleName = row.car + std::string(wins ? ", wins: %1" : ", losses: %1");
        }
        ++slot;
    }

    build(Command1, "Command1", nullptr, 1050, 3810, 615, 345).Caption = "OK";
    Command1.HandPointer = false;
    Command1.AccessibleName = "%1: hide the standings";
    Command1.onClick = std::bind_front(&Status::Command1_Click, this);
}

Label& Status::tally(int slot, Column column) {
    Label* const wins[] = {&Label7, &Label9, &Label11, &Label13, &Label15, &Label17};
    Label* const losses[] = {&Label8, &Label10, &Label12, &Label14, &Label16, &Label18};
    return *(column == Column::Wins ? wins : losses)[slot - 1];
}

} // namespace tarvelon
