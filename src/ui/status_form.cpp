// The standings window's controls and their initial captions.
#include "status_form.h"

namespace tarvelon {

namespace {

void placeLabel(Label& label, const char* name, float left, float top, float width, float height,
                const char* caption) {
    place(label, name, nullptr, left, top, width, height);
    label.Caption = caption;
}

} // namespace

Status::Status() {
    Caption = "             Status";
    placeLabel(Label19, "Label19", 1410, 60, 375, 225, "Wins");
    placeLabel(Label20, "Label20", 2130, 60, 435, 225, "Loses");

    struct Row {
        Label& name;
        const char* nameName;
        float nameWidth;
        const char* caption;
        Label& wins;
        const char* winsName;
        Label& losses;
        const char* lossesName;
        float nameTop, tallyTop;
    };
    const Row rows[] = {
        {Label1, "Label1", 855, "Red Ryder", Label7, "Label7", Label8, "Label8", 400, 420},
        {Label2, "Label2", 945, "Green Apple", Label9, "Label9", Label10, "Label10", 1000, 990},
        {Label3, "Label3", 735, "Blueberry", Label11, "Label11", Label12, "Label12", 1600, 1620},
        {Label4, "Label4", 1005, "Orange Tiger", Label13, "Label13", Label14, "Label14", 2200,
         2220},
        {Label5, "Label5", 945, "Yellow Moon", Label15, "Label15", Label16, "Label16", 2800, 2820},
        {Label6, "Label6", 1065, "Purple Powder", Label17, "Label17", Label18, "Label18", 3400,
         3420},
    };
    const FontSpec tallyFont{"MS Sans Serif", 9.75f, false};
    for (const Row& row : rows) {
        placeLabel(row.name, row.nameName, 200, row.nameTop, row.nameWidth, 225, row.caption);
        placeLabel(row.wins, row.winsName, 1350, row.tallyTop, 465, 195, "0");
        placeLabel(row.losses, row.lossesName, 2130, row.tallyTop, 465, 195, "0");
        for (Label* tally : {&row.wins, &row.losses}) {
            tally->Align = Alignment::Center;
            tally->Font = tallyFont;
        }
    }

    place(Command1, "Command1", nullptr, 1050, 3810, 615, 345);
    Command1.Caption = "OK";
    Command1.HandPointer = false;
}

Label& Status::tally(int slot, Column column) {
    Label* const wins[] = {&Label7, &Label9, &Label11, &Label13, &Label15, &Label17};
    Label* const losses[] = {&Label8, &Label10, &Label12, &Label14, &Label16, &Label18};
    return *(column == Column::Wins ? wins : losses)[slot - 1];
}

std::array<Label*, 20> Status::labels() {
    return {&Label19, &Label20, &Label1,  &Label2,  &Label3,  &Label4,  &Label5,
            &Label6,  &Label7,  &Label8,  &Label9,  &Label10, &Label11, &Label12,
            &Label13, &Label14, &Label15, &Label16, &Label17, &Label18};
}

} // namespace tarvelon
