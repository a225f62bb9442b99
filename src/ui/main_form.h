// The game window `Main` as a model: its controls, their initial state and its
// handlers.
//
// The controls' properties are the whole state of the game; handlers read them,
// compute and write them back. The controls are declared back to front, in the
// order the front end stacks them, and keep the names of the window's layout.
// The handlers are declared here with the window they belong to; their rules live
// in src/game, one file per rule.
#pragma once

#include "shell.h"
#include "toolkit/controls.h"
#include "toolkit/message_boxes.h"
#include "toolkit/option_group.h"
#include "toolkit/random_source.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace tarvelon {

// What the game window asks of its surroundings beyond its own controls.
struct MainServices {
    RandomSource& random;
    MessageBoxes& messages;
    Shell& shell;
};

// A control of any kind, for front ends that build widgets from a window model.
using ControlRef =
    std::variant<Frame*, CommandButton*, TextBox*, Label*, OptionButton*, Image*, Shape*>;

class Main {
public:
    explicit Main(MainServices services);
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;

    // The window itself. `Left`, `Top`, `Width` and `Height` are the outer frame
    // in twips, known once the front end has built the real window.
    std::string Caption;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    static constexpr int ClientWidth = 10845, ClientHeight = 7005;
    Color BackColor = colors::orange;

    // Track and cars.
    Image Image6;
    Image car1, car2, car3, car4, car5, car6;

    Frame Frame1, Frame2, Frame3, Frame4, Frame5, Frame6;

    // Names frame.
    TextBox Text1, Text2, Text3, Text4, Text5, Text6;

    // Race controls.
    Image Image5, Image3, Image10; // back to front: green light, face, amber light
    CommandButton Command1;

    // Betting.
    TextBox Text7, Text8;
    CommandButton Command5, Command6;
    TextBox Text9, money;
    OptionButton red, green, blue, orange, yellow, purple, none;

    // Current bids.
    TextBox Text11, Text10;
    Label Bet;
    TextBox Text12, Text13;
    Label bet2;

    // Title panel.
    Shape Shape1;
    Image Image4, Image7, Image8;
    Label Label3;
    Image Image9;

    // Other buttons.
    CommandButton Command4, Command3;

    // Timers.
    Timer Timer3, Race, limit, timer;

    // One car slot: its option, name box and sprite. Slots run red, green, blue,
    // orange, yellow, purple, so rules over the cars are loops.
    struct CarSlot {
        OptionButton& option;
        TextBox& name;
        Image& car;
    };
    std::array<CarSlot, 6> slots();

    // A bet record: the label naming the car backed and the box holding the stake.
    struct BetRecord {
        Label& car;
        TextBox& stake;
    };
    // The first bet's record (`Bet`, `Text10`), then the second's (`bet2`, `Text13`).
    std::array<BetRecord, 2> betRecords();

    // The seven bet options in slot order, `none` last.
    std::array<OptionButton*, 7> options();

    // Every control but the track and its cars, back to front.
    std::vector<ControlRef> controls();

    // The order in which focus moves with Tab; frames and labels take none.
    std::vector<const Control*> tabOrder() const;

    // Each timer with the handler its firings run, and each command button with
    // the handler its clicks run.
    struct TimerHandler {
        Timer Main::*timer;
        void (Main::*handler)();
    };
    static const std::array<TimerHandler, 4> timerHandlers;
    struct ClickHandler {
        CommandButton Main::*button;
        void (Main::*handler)();
    };
    static const std::array<ClickHandler, 5> clickHandlers;

    // Runs the handler of a click on `button`, if it has one.
    void click(const CommandButton& button);
    // Runs the handler of a firing of `firedTimer`.
    void fire(const Timer& firedTimer);

    // Centres the window on the screen by its outer size (`Width`, `Height`); the
    // load handler does this first, and a front end again if the frame's size comes
    // to be known only once the window is shown.
    void placeWindow();

    // Handlers.
    void Form_Load();               // places the window and greets the player, before it is shown
    void Command1_Click();          // "GO!"
    void Timer3_Timer();            // the start signal turns green
    void Race_Timer();              // one race tick
    void CarOption_Click(int slot); // red_Click to purple_Click: a car chosen to bet on
    void none_Click();              // no car chosen
    void Command5_Click();          // "Place Bet"
    void limit_Timer();             // closes betting once no bets are left
    void Command6_Click();          // "Status": shows the standings
    void Command4_Click();          // "About"
    void Command3_Click();          // "Exit"
    void timer_Timer();             // ends the program after the game is over

    // Tells the player that the stake in `Text7` cannot be placed; it stays to be corrected.
    void refuseStake();

    // Ends the race won by car slot `k` (1 to 6): counts it, pays, resets, and
    // ends the game when the bankroll is spent.
    void FinishRace(int k);
    // Makes the board ready for the next race.
    void ResetBoard();

private:
    // What the cut-off closes, in the order it closes them: the `Enabled` of Place Bet,
    // the seven options and the amount box. Its handler and its `Inputs` both walk this.
    std::array<bool*, 9> cutOffSwitches();
    // The `Inputs` of `limit`: the counter it reads and the switches it may turn off.
    std::string cutOffInputs();

    // Records the stake in `Text7` as a bet in `record`; false when the stake is
    // refused, with nothing changed.
    bool placeBet(const BetRecord& record);
    // Pays the bet in `record` when it names `winner`.
    void payBet(const BetRecord& record, const std::string& winner);

    OptionGroup optionGroup_;
    MainServices services_;
};

} // namespace tarvelon
