// Accessible names: what each box holds, said plainly, since the layout's own
// names ("Text10") mean nothing to a player.
#include "accessible_names.h"

#include <QHash>

namespace tarvelon::qt {

QString accessibleNameOf(const std::string& name) {
    static const QHash<QString, QString> names{
        {"Image6", "Race track"},
        {"Frame2", "Names"},
        {"Text1", "Name of car 1, red"},
        {"Text2", "Name of car 2, green"},
        {"Text3", "Name of car 3, blue"},
        {"Text4", "Name of car 4, orange"},
        {"Text5", "Name of car 5, yellow"},
        {"Text6", "Name of car 6, purple"},
        {"Frame1", "Race Controls"},
        {"Image10", "Start signal, amber light"},
        {"Image3", "Start signal, waiting face"},
        {"Image5", "Start signal, green light"},
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
        {"Bet", "Car of the first bet"},
        {"Frame6", "Current Bid, second bet"},
        {"Text12", "Dollars"},
        {"Text13", "Stake of the second bet, in dollars"},
        {"bet2", "Car of the second bet"},
        {"Frame4", "Title"},
        {"Shape1", "Title panel"},
        {"Image4", "Title lettering"},
        {"Image7", "Title lettering"},
        {"Image8", "Title lettering"},
        {"Label3", "2000"},
        {"Image9", "Two racing cars"},
        {"Command4", "About"},
        {"Command3", "Exit"},
        {"Label19", "Wins"},
        {"Label20", "Loses"},
    };
    return names.value(QString::fromStdString(name));
}

} // namespace tarvelon::qt
