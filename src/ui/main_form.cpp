// The game window's controls with their place, look and initial state.
#include "main_form.h"

#include "texts.h"

namespace tarvelon {

namespace {

const FontSpec displayFont{"MS Sans Serif", 12.0f, true};

// A box that shows a value and takes no typing.
void makeDisplayBox(TextBox& box, const char* text) {
    box.Text = text;
    box.Locked = true;
    box.BackColor = colors::lightGrey;
    box.Font = displayFont;
}

void makeNameBox(TextBox& box, const char* name, float left, float top, const Frame& frame,
                 const char* text) {
    place(box, name, &frame, left, top, 1395, 285);
    box.Text = text;
    box.Locked = true;
    box.BackColor = colors::lightGrey;
}

void makeBettingButton(CommandButton& button, const char* name, float top, float height,
                       const char* caption) {
    place(button, name, nullptr, 2370, top, 885, height);
    button.Caption = caption;
    button.BackColor = colors::lightBlue;
}

void makePicture(Image& image, const char* name, const Frame* container, float left, float top,
                 PictureId picture) {
    place(image, name, container, left, top, 480, 480);
    image.Picture = picture;
}

void makeFrame(Frame& frame, const char* name, float left, float top, float width, float height,
               const char* caption) {
    place(frame, name, nullptr, left, top, width, height);
    frame.Caption = caption;
    frame.BackColor = colors::orange;
}

} // namespace

const std::array<Main::TimerHandler, 4> Main::timerHandlers{{
    {&Main::Timer3, &Main::Timer3_Timer},
    {&Main::Race, &Main::Race_Timer},
    {&Main::limit, &Main::limit_Timer},
    {&Main::timer, &Main::timer_Timer},
}};

const std::array<Main::ClickHandler, 5> Main::clickHandlers{{
    {&Main::Command1, &Main::Command1_Click},
    {&Main::Command5, &Main::Command5_Click},
    {&Main::Command6, &Main::Command6_Click},
    {&Main::Command4, &Main::Command4_Click},
    {&Main::Command3, &Main::Command3_Click},
}};

Main::Main(MainServices services) : services_(services) {
    Caption = texts::applicationTitle;

    place(Image6, "Image6", nullptr, 0, 90, 9060, 4560);
    Image6.Picture = PictureId::Track;
    Image6.Border = true;
    const float carTops[] = {150, 930, 1680, 2460, 3240, 4020};
    const char* carNames[] = {"car1", "car2", "car3", "car4", "car5", "car6"};
    const PictureId carPictures[] = {PictureId::Car1, PictureId::Car2, PictureId::Car3,
                                     PictureId::Car4, PictureId::Car5, PictureId::Car6};
    for (int slot = 0; slot < 6; ++slot) {
        Image& car = slots()[slot].car;
        place(car, carNames[slot], nullptr, 30, carTops[slot], 750, 510);
        car.Picture = carPictures[slot];
    }

    place(Frame2, "Frame2", nullptr, 9150, 30, 1635, 4635);
    Frame2.Caption = "Names";
    makeNameBox(Text1, "Text1", 120, 270, Frame2, "Red Ryder");
    makeNameBox(Text2, "Text2", 120, 960, Frame2, "Greenbean");
    makeNameBox(Text3, "Text3", 150, 1680, Frame2, "Blue Streak");
    makeNameBox(Text4, "Text4", 120, 2520, Frame2, "Orange");
    makeNameBox(Text5, "Text5", 120, 3270, Frame2, "Yellow Lightning");
    makeNameBox(Text6, "Text6", 120, 4050, Frame2, "Purple Nurple");

    makeFrame(Frame1, "Frame1", 60, 4740, 1965, 1095, "Race Controls");
    place(Command1, "Command1", &Frame1, 840, 480, 975, 375);
    Command1.Caption = "GO!";
    Command1.BackColor = colors::lightBlue;
    makePicture(Image5, "Image5", &Frame1, 240, 240, PictureId::GreenSignal);
    makePicture(Image3, "Image3", &Frame1, 240, 240, PictureId::Face);
    makePicture(Image10, "Image10", &Frame1, 240, 240, PictureId::AmberSignal);

    makeFrame(Frame3, "Frame3", 2100, 4740, 2805, 2055, "Bet");
    place(Text7, "Text7", &Frame3, 360, 450, 675, 360);
    Text7.Text = "0";
    Text7.Enabled = false;
    Text7.Font = FontSpec{"MS Sans Serif", 9.75f, true};
    // Far more than any stake needs, and short enough that a huge paste is refused whole.
    Text7.MaxLength = 64;
    place(Text8, "Text8", nullptr, 2250, 5220, 195, 300);
    makeDisplayBox(Text8, "$");
    makeBettingButton(Command5, "Command5", 5640, 315, "Place Bet");
    Command5.Tag = "2";
    makeBettingButton(Command6, "Command6", 5970, 285, "Status");
    place(Text9, "Text9", nullptr, 2250, 6360, 195, 300);
    makeDisplayBox(Text9, "$");
    place(money, "money", nullptr, 2430, 6360, 855, 300);
    makeDisplayBox(money, "1000");

    struct OptionLayout {
        const char* name;
        float top, width;
        const char* caption;
    };
    const OptionLayout optionLayout[] = {
        {"red", 4920, 1245, "Red Ryder"},
        {"green", 5190, 1245, "Greenbean"},
        {"blue", 5460, 1245, "Blue Streak"},
        {"orange", 5730, 1245, "Orange"},
        {"yellow", 6000, 1515, "Yellow Lightning"},
        {"purple", 6270, 1335, "Purple Nurple"},
        {"none", 6540, 825, "No Bet"},
    };
    for (int index = 0; index < 7; ++index) {
        OptionButton& option = *options()[index];
        const OptionLayout& layout = optionLayout[index];
        place(option, layout.name, nullptr, 3300, layout.top, layout.width, 195);
        option.Caption = layout.caption;
        option.BackColor = colors::orange;
        const int slot = index + 1;
        if (&option == &none)
            optionGroup_.add(
                option, [this] { none_Click(); }, true);
        else
            optionGroup_.add(option, [this, slot] { CarOption_Click(slot); });
    }

    // The two bet records, each a "Current Bid" frame with its "$" and stake boxes
    // in front of it and its car label just below.
    struct BetRecordLayout {
        Frame& frame;
        TextBox &dollar, &stake;
        Label& car;
        const char *frameName, *dollarName, *stakeName, *carName;
        float frameTop, boxTop, carTop, carHeight;
    };
    const BetRecordLayout records[] = {
        {Frame5, Text11, Text10, Bet, "Frame5", "Text11", "Text10", "Bet", 4740, 4950, 5490, 225},
        {Frame6, Text12, Text13, bet2, "Frame6", "Text12", "Text13", "bet2", 5820, 6030, 6570, 195},
    };
    for (const BetRecordLayout& record : records) {
        makeFrame(record.frame, record.frameName, 5220, record.frameTop, 1185, 645, "Current Bid");
        place(record.dollar, record.dollarName, nullptr, 5310, record.boxTop, 195, 300);
        makeDisplayBox(record.dollar, "$");
        place(record.stake, record.stakeName, nullptr, 5520, record.boxTop, 795, 300);
        makeDisplayBox(record.stake, "0");
        place(record.car, record.carName, nullptr, 5100, record.carTop, 1485, record.carHeight);
        record.car.Caption = "No Bet";
        record.car.Align = Alignment::Center;
        record.car.BackColor = colors::orange;
    }

    makeFrame(Frame4, "Frame4", 9600, 4710, 1215, 1695, "");
    place(Shape1, "Shape1", &Frame4, 120, 240, 975, 1335);
    Shape1.FillColor = Color{16, 24, 40};
    Shape1.BorderColor = Color{0, 0, 0};
    makePicture(Image4, "Image4", &Frame4, 270, 360, PictureId::TitleFirst);
    makePicture(Image7, "Image7", &Frame4, 720, 360, PictureId::TitleSecond);
    makePicture(Image8, "Image8", &Frame4, 360, 600, PictureId::TitleThird);
    place(Label3, "Label3", &Frame4, 360, 840, 420, 240);
    Label3.Caption = "2000";
    Label3.ForeColor = colors::green;
    Label3.Font = FontSpec{"Arial", 9.75f, true};
    makePicture(Image9, "Image9", &Frame4, 360, 1080, PictureId::TwoCars);

    place(Command4, "Command4", nullptr, 8160, 6510, 1215, 495);
    Command4.Caption = "About";
    place(Command3, "Command3", nullptr, 9510, 6510, 1215, 495);
    Command3.Caption = "Exit";

    Timer3 = {"Timer3", 1000, false, {}};
    Race = {"Race", 10, false, {}};
    limit = {"limit", 1, true, [this] { return cutOffInputs(); }};
    timer = {"timer", 1, false, {}};
}

void Main::click(const CommandButton& button) {
    for (const ClickHandler& entry : clickHandlers)
        if (&(this->*entry.button) == &button)
            (this->*entry.handler)();
}

void Main::fire(const Timer& firedTimer) {
    for (const TimerHandler& entry : timerHandlers)
        if (&(this->*entry.timer) == &firedTimer)
            (this->*entry.handler)();
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

std::vector<ControlRef> Main::controls() {
    return {&Frame2,   &Text1,    &Text2,   &Text3,    &Text4,  &Text5,  &Text6,  &Frame1,
            &Image5,   &Image3,   &Image10, &Command1, &Frame3, &Text7,  &Frame5, &Frame6,
            &Frame4,   &Shape1,   &Image4,  &Image7,   &Image8, &Label3, &Image9, &Text8,
            &Command5, &Command6, &Text9,   &money,    &red,    &green,  &blue,   &orange,
            &yellow,   &purple,   &none,    &Text11,   &Text10, &Bet,    &Text12, &Text13,
            &bet2,     &Command4, &Command3};
}

std::vector<const Control*> Main::tabOrder() const {
    return {&Frame1, &Command1, &Frame2, &Text1, &Text2,  &Command3, &Frame4,   &Label3, &Command4,
            &Text3,  &Text4,    &Text5,  &Text6, &Frame3, &green,    &blue,     &orange, &yellow,
            &purple, &none,     &red,    &Text7, &Text8,  &Command5, &Command6, &money,  &Text9,
            &Frame5, &Text10,   &Text11, &Bet,   &bet2,   &Text12,   &Text13,   &Frame6};
}

} // namespace tarvelon
