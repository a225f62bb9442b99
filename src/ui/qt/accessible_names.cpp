// Accessible names: what each box, button or option is, said plainly, since the
// layout's own names ("Text10") mean nothing to a player; and for labels, whose
// name is all a screen reader gets, the caption itself after a short lead where
// the caption alone says too little ("3" is "Red Ryder, wins: 3").
#include "accessible_names.h"

#include <QHash>

namespace tarvelon::qt {

QString accessibleNameOf(const QString& window, const std::string& name) {
    static const QHash<QString, QString> status{
        {"Label7", "Red Ryder, wins"},          {"Label8", "Red Ryder, losses"},
        {"Label9", "Green Apple, wins"},        {"Label10", "Green Apple, losses"},
        {"Label11", "Blueberry, wins"},         {"Label12", "Blueberry, losses"},
        {"Label13", "Orange Tiger, wins"},      {"Label14", "Orange Tiger, losses"},
        {"Label15", "Yellow Moon, wins"},       {"Label16", "Yellow Moon, losses"},
        {"Label17", "Purple Powder, wins"},     {"Label18", "Purple Powder, losses"},
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
        {"Bet", "First bet"},
        {"Frame6", "Current Bid, second bet"},
        {"Text12", "Dollars"},
        {"Text13", "Stake of the second bet, in dollars"},
        {"bet2", "Second bet"},
        {"Frame4", "Title"},
        {"Shape1", "Title panel"},
        {"Image4", "Title lettering"},
        {"Image7", "Title lettering"},
        {"Image8", "Title lettering"},
        {"Image9", "Two racing cars"},
        {"Command4", "About"},
        {"Command3", "Exit"},
    };
    return (window == QLatin1String("Status") ? status : main).value(QString::fromStdString(name));
}

QString labelNameOf(const QString& window, const std::string& name, const std::string& caption) {
    const QString lead = accessibleNameOf(window, name);
    const QString shown = QString::fromStdString(caption);
    return lead.isEmpty() ? shown : lead + QStringLiteral(": ") + shown;
}

} // namespace tarvelon::qt
