// The game window `Main` as a model: its controls, their initial state and its
// handlers.
//
// The controls' properties are the whole state of the game; handlers read them,
// compute and write them back. The controls keep the names of the window's layout,
// and what each stands for is said beside it. The constructor (main_form.cpp) builds
// them back to front and binds each handler to its control; the handlers' rules live
// in src/game, one file per rule.
#pragma once

#include "shell.h"
#include "toolkit/form.h"
#include "toolkit/message_boxes.h"
#include "toolkit/random_source.h"

#include <array>
#include <string>
#include <vector>

namespace tarvelon {

// What the game window asks of its surroundings beyond its own controls.
struct MainServices {
    RandomSource& random;
    MessageBoxes& messages;
    Shell& shell;
};

class Main : public Form {
public:
    explicit Main(MainServices services);

    // The window itself. `Left`, `Top`, `Width` and `Height` are the outer frame
    // in twips, known once the front end has built the real window.
    float Left = 0, Top = 0, Width = 0, Height = 0;
    static constexpr int ClientWidth = 10845, ClientHeight = 7005;
    Color BackColor = colors::orange;

    // Track and cars.
    Image Image6;                             // the track, behind everything
    Image car1, car2, car3, car4, car5, car6; // the cars' sprites; a car's `Left` is its progress

    // Names frame.
    Frame Frame2;                                     // "Names"
    TextBox Text1, Text2, Text3, Text4, Text5, Text6; // each car's name, locked

    // Race controls.
    Frame Frame1;                  // "Race Controls"
    Image Image5, Image3, Image10; // the start signal, back to front: green light,
                                   // face, amber light
    CommandButton Command1;        // "GO!": starts the race

    // Betting.
    Frame Frame3;           // "Bet"
    TextBox Text7;          // the stake being typed; open while a car is chosen
    TextBox Text8;          // "$" before the stake
    CommandButton Command5; // "Place Bet"; its `Tag` counts the bets left, "2"
                            // before a race's first bet
    CommandButton Command6; // "Status": shows the standings
    TextBox Text9, money;   // "$" and the bankroll
    OptionButton red, green, blue, orange, yellow, purple; // a car to bet on
    OptionButton none;                                     // "No Bet"

    // Current bids: the first bet, then the second.
    Frame Frame5, Frame6;   // "Current Bid"
    TextBox Text11, Text12; // "$"
    TextBox Text10, Text13; // the stakes, as typed
    Label Bet, bet2;        // the cars backed, or "No Bet"

    // Title panel.
    Frame Frame4;
    Shape Shape1;                 // the dark panel behind the title
    Image Image4, Image7, Image8; // the title's lettering, in three pieces
    Label Label3;                 // "2000"
    Image Image9;                 // two cars

    // Other buttons.
    CommandButton Command4; // "About"
    CommandButton Command3; // "Exit"

    // Timers.
    Timer Timer3; // the start signal: turns green one second after "GO!"
    Timer Race;   // the race tick, every 10 ms
    Timer limit;  // the betting cut-off, every 1 ms from the start
    Timer timer;  // ends the program once the game is over

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

    // The order in which focus moves with Tab; frames and labels take none.
    std::vector<const Control*> tabOrder() const;

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
