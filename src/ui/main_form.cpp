// The game window's controls, back to front, with their place, look, initial
// state, what a screen reader calls them and the handlers bound to them.
#include "main_form.h"

#include "texts.h"

#include <functional>
#include <string>

namespace tarvelon {

namespace {

const FontSpec displayFont{"MS Sans Serif", 12.0f, true};

// A box that shows a value and takes no typing.
TextBox& makeDisplayBox(TextBox& box, const char* text) {
    box.Text = text;
    box.Locked = true;
    box.BackColor = colors::lightGrey;
    box.Font = displayFont;
    return box;
}

// A "$" before an amount.
void makeDollarSign(TextBox& box) {
    makeDisplayBox(box, "$").AccessibleName = "Dollars";
}

// A button with the light-blue face of the race and betting buttons.
void makeBlueButton(CommandButton& button, const char* caption) {
    button.Caption = caption;
    button.BackColor = colors::lightBlue;
}

void makeFrame(Frame& frame, const char* caption) {
    frame.Caption = caption;
    frame.BackColor = colors::orange;
}

// The six car slots: the names of their controls, the car's name, and where the
// sprite, the name box and the option stand.
struct SlotLayout {
    const char *sprite, *nameBox, *option;
    PictureId picture;
    const char* carName;
    float spriteTop, nameLeft, nameTop, optionTop, optionWidth;
};
const SlotLayout slotLayouts[] = {
    {"car1", "Text1", "red", PictureId::Car1, "Red Ryder", 150, 120, 270, 4920, 1245},
    {"car2", "Text2", "green", PictureId::Car2, "Greenbean", 930, 120, 960, 5190, 1245},
    {"car3", "Text3", "blue", PictureId::Car3, "Blue Streak", 1680, 150, 1680, 5460, 1245},
    {"car4", "Text4", "orange", PictureId::Car4, "Orange", 2460, 120, 2520, 5730, 1245},
    {"car5", "Text5", "yellow", PictureId::Car5, "Yellow Lightning", 3240, 120, 3270, 6000, 1515},
    {"car6", "Text6", "purple", PictureId::Car6, "Purple Nurple", 4020, 120, 4050, 6270, 1335},
};

} // namespace

Main::Main(MainServices services) : services_(services) {
    using std::bind_front;
    Caption = texts::applicationTitle;

    build(Image6, "Image6", nullptr, 0, 90, 9060, 4560).Border = true;
    Image6.AccessibleName = "Race track";
    for (int slot = 0; slot < 6; ++slot) {
        const SlotLayout& layout = slotLayouts[slot];
        build(slots()[slot].car, layout.sprite, nullptr, 30, layout.spriteTop, 750, 510).Picture =
            layout.picture;
    }

    build(Frame2, "Frame2", nullptr, 9150, 30, 1635, 4635).Caption = "Names";
    for (int slot = 0; slot < 6; ++slot) {
        const SlotLayout& layout = slotLayouts[slot];
        TextBox& name = slots()[slot].name;
        build(name, layout.nameBox, &Frame2, layout.nameLeft, layout.nameTop, 1395, 285);
        name.Text = layout.carName;
        name.Locked = true;
        name.BackColor = colors::lightGrey;
        name.AccessibleName = "Name of car " + std::to_string(slot + 1) + ", " + layout.option;
    }

    makeFrame(build(Frame1, "Frame1", nullptr, 60, 4740, 1965, 1095), "Race Controls");
    const struct {
        Image& image;
        const char* name;
        PictureId picture;
        const char* accessibleName;
    } signal[] = {
        {Image5, "Image5", PictureId::GreenSignal, "Start signal: green light, go"},
        {Image3, "Image3", PictureId::Face, "Start signal: waiting"},
        {Image10, "Image10", PictureId::AmberSignal, "Start signal: amber light"},
    };
    for (const auto& [image, name, picture, accessibleName] : signal) {
        build(image, name, &Frame1, 240, 240, 480, 480).Picture = picture;
        image.AccessibleName = accessibleName;
    }
    makeBlueButton(build(Command1, "Command1", &Frame1, 840, 480, 975, 375), "GO!");
    Command1.AccessibleName = "%1 Start the race";
    Command1.onClick = bind_front(&Main::Command1_Click, this);

    makeFrame(build(Frame3, "Frame3", nullptr, 2100, 4740, 2805, 2055), "Bet");
    build(Text7, "Text7", &Frame3, 360, 450, 675, 360).Text = "0";
    Text7.Enabled = false;
    Text7.Font = FontSpec{"MS Sans Serif", 9.75f, true};
    // Far more than any stake needs, and short enough that a huge paste is refused whole.
    Text7.MaxLength = 64;
    Text7.AccessibleName = "Stake to bet, in dollars";
    Text7.onTooLong = bind_front(&Main::refuseStake, this);

    makeFrame(build(Frame5, "Frame5", nullptr, 5220, 4740, 1185, 645), "Current Bid");
    Frame5.AccessibleName = "%1, first bet";
    makeFrame(build(Frame6, "Frame6", nullptr, 5220, 5820, 1185, 645), "Current Bid");
    Frame6.AccessibleName = "%1, second bet";

    makeFrame(build(Frame4, "Frame4", nullptr, 9600, 4710, 1215, 1695), "");
    Frame4.AccessibleName = "Title";
    build(Shape1, "Shape1", &Frame4, 120, 240, 975, 1335);
    Shape1.FillColor = Color{16, 24, 40};
    Shape1.BorderColor = Color{0, 0, 0};
    // The lettering pictures, the panel and the two cars say nothing a player needs:
    // the year label says the whole title.
    build(Image4, "Image4", &Frame4, 270, 360, 480, 480).Picture = PictureId::TitleFirst;
    build(Image7, "Image7", &Frame4, 720, 360, 480, 480).Picture = PictureId::TitleSecond;
    build(Image8, "Image8", &Frame4, 360, 600, 480, 480).Picture = PictureId::TitleThird;
    build(Label3, "Label3", &Frame4, 360, 840, 420, 240).Caption = "2000";
    Label3.ForeColor = colors::green;
    Label3.Font = FontSpec{"Arial", 9.75f, true};
    Label3.AccessibleName = texts::applicationTitle;
    build(Image9, "Image9", &Frame4, 360, 1080, 480, 480).Picture = PictureId::TwoCars;

    makeDollarSign(build(Text8, "Text8", nullptr, 2250, 5220, 195, 300));
    makeBlueButton(build(Command5, "Command5", nullptr, 2370, 5640, 885, 315), "Place Bet");
    Command5.Tag = "2";
    Command5.onClick = bind_front(&Main::Command5_Click, this);
    makeBlueButton(build(Command6, "Command6", nullptr, 2370, 5970, 885, 285), "Status");
    Command6.AccessibleName = "%1: show the standings";
    Command6.onClick = bind_front(&Main::Command6_Click, this);
    makeDollarSign(build(Text9, "Text9", nullptr, 2250, 6360, 195, 300));
    makeDisplayBox(build(money, "money", nullptr, 2430, 6360, 855, 300), "1000");
    money.AccessibleName = "Bankroll, in dollars";

    for (int slot = 0; slot < 6; ++slot) {
        const SlotLayout& layout = slotLayouts[slot];
        OptionButton& option = slots()[slot].option;
        build(option, layout.option, nullptr, 3300, layout.optionTop, layout.optionWidth, 195);
        option.Caption = layout.carName;
        option.AccessibleName = "Bet on %1";
        option.onClick = bind_front(&Main::CarOption_Click, this, slot + 1);
    }
    build(none, "none", nullptr, 3300, 6540, 825, 195).Caption = texts::noBet;
    none.onClick = bind_front(&Main::none_Click, this);
    for (OptionButton* option : options()) {
        option->BackColor = colors::orange;
        optionGroup_.add(*option, option == &none);
    }

    const struct {
        TextBox &dollar, &stake;
        Label& car;
        const char *dollarName, *stakeName, *carName, *stakeSaid, *carSaid;
        float boxTop, carTop, carHeight;
    } bids[] = {
        {Text11, Text10, Bet, "Text11", "Text10", "Bet", "Stake of the first bet, in dollars",
         "First bet: %1", 4950, 5490, 225},
        {Text12, Text13, bet2, "Text12", "Text13", "bet2", "Stake of the second bet, in dollars",
         "Second bet: %1", 6030, 6570, 195},
    };
    for (const auto& bid : bids) {
        makeDollarSign(build(bid.dollar, bid.dollarName, nullptr, 5310, bid.boxTop, 195, 300));
        makeDisplayBox(build(bid.stake, bid.stakeName, nullptr, 5520, bid.boxTop, 795, 300), "0");
        bid.stake.AccessibleName = bid.stakeSaid;
        build(bid.car, bid.carName, nullptr, 5100, bid.carTop, 1485, bid.carHeight).Caption =
            texts::noBet;
        bid.car.Align = Alignment::Center;
        bid.car.BackColor = colors::orange;
        bid.car.AccessibleName = bid.carSaid;
    }

    build(Command4, "Command4", nullptr, 8160, 6510, 1215, 495).Caption = "About";
    Command4.onClick = bind_front(&Main::Command4_Click, this);
    build(Command3, "Command3", nullptr, 9510, 6510, 1215, 495).Caption = "Exit";
    Command3.onClick = bind_front(&Main::Command3_Click, this);

    build(Timer3, "Timer3", 1000, false, bind_front(&Main::Timer3_Timer, this));
    build(Race, "Race", 10, false, bind_front(&Main::Race_Timer, this));
    build(limit, "limit", 1, true, bind_front(&Main::limit_Timer, this));
    limit.Inputs = bind_front(&Main::cutOffInputs, this);
    build(timer, "timer", 1, false, bind_front(&Main::timer_Timer, this));
}

std::array<Main::CarSlot, 6> Main::slots() {
    return {{{red, Text1, car1},
             {green, Text2, car2},
             {blue, Text3, car3},
             {orange, Text4, car4},
             {yellow, Text5, car5},
             {purple, Text6, car6}}};
}

std::array<Main::BetRecord, 2> Main::betRecords() {
    return {{{Bet, Text10}, {bet2, Text13}}};
}

std::array<OptionButton*, 7> Main::options() {
    return {&red, &green, &blue, &orange, &yellow, &purple, &none};
}

std::vector<const Control*> Main::tabOrder() const {
    return {&Frame1, &Command1, &Frame2, &Text1, &Text2,  &Command3, &Frame4,   &Label3, &Command4,
            &Text3,  &Text4,    &Text5,  &Text6, &Frame3, &green,    &blue,     &orange, &yellow,
            &purple, &none,     &red,    &Text7, &Text8,  &Command5, &Command6, &money,  &Text9,
            &Frame5, &Text10,   &Text11, &Bet,   &bet2,   &Text12,   &Text13,   &Frame6};
}

} // namespace tarvelon
