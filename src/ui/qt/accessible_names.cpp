// Accessible names: what each control is, said plainly, since the layout's own
// names ("Text10") mean nothing to a player.
//
// A text box is read through its text interface, so its name says what it holds.
// A label has no text interface for a screen reader: its name is all a reader
// gets, so a label's name is a pattern in which "%1" stands for its caption;
// a label that is not listed is named by its caption alone.
#include "accessible_names.h"

#include <QHash>

namespace tarvelon::qt {

QString accessibleNameOf(const QString& window, const std::string& name) {
    static const QHash<QString, QString> status{
        {"Label7", "Red Ryder, wins: %1"},      {"Label8", "Red Ryder, losses: %1"},
        {"Label9", "Green Apple, wins: %1"},    {"Label10", "Green Apple, losses: %1"},
        {"Label11", "Blueberry, wins: %1"},     {"Label12", "Blueberry, losses: %1"},
        {"Label13", "Orange Tiger, wins: %1"},  {"Label14", "Orange Tiger, losses: %1"},
        {"Label15", "Yellow Moon, wins: %1"},   {"Label16", "Yellow Moon, losses: %1"},
        {"Label17", "Purple Powder, wins: %1"}, {"Label18", "Purple Powder, losses: %1"},
        {"Command1", "OK: hide the standings"},
    };
    static const QHash<QString, QString> main{
        {"Image6", "Race track"},
        {"Frame2", "Names"},
        {"Text1", "Name of car 1, red"},
        {"Text2", "Name of car 2, green"},
        {"Text3", "Name of car 3, blue"},
        {"Text4", "Name of car 4, orange"},
        {"Text5", "Name of car 5, yellow"},
        {"Text6", "Name of car 6, purple"},
        {"Frame1", "Race Controls"},
        {"Image10", "Start signal: amber light"},
        {"Image3", "Start signal: waiting"},
        {"Image5", "Start signal: green light, go"},
        {"Command1", "GO! Start the race"},
        {"Frame3", "Bet"},
        {"Text7", "Stake to bet, in dollars"},
        {"Text8", "Dollars"},
        {"Command5", "Place Bet"},
        {"Command6", "Status: show the standings"},
        {"Text9", "Dollars"},
        {"money", "Bankroll, in dollars"},
        {"red", "Bet on Red Ryder"},
        {"green", "Bet on Greenbean"},
        {"blue", "Bet on Blue Streak"},
        {"orange", "Bet on Orange"},
        {"yellow", "Bet on Yellow Lightning"},
        {"purple", "Bet on Purple Nurple"},
        {"none", "No Bet"},
        {"Frame5", "Current Bid, first bet"},
        {"Text11", "Dollars"},
        {"Text10", "Stake of the first bet, in dollars"},
        {"Bet", "First bet: %1"},
        {"Frame6", "Current Bid, second bet"},
        {"Text12", "Dollars"},
        {"Text13", "Stake of the second bet, in dollars"},
        {"bet2", "Second bet: %1"},
        {"Frame4", "Title"},
        // The lettering pictures, the panel and the two cars say nothing a player
        // needs: the year label says the whole title.
        {"Label3", "Tarvelon %1"},
        {"Command4", "About"},
        {"Command3", "Exit"},
    };
    return (window == QLatin1String("Status") ? status : main).value(QString::fromStdString(name));
}

} // namespace tarvelon::qt
