// The game's own words: its title, what it tells the player in its message boxes,
// and the caption that stands for no car.
#pragma once

namespace tarvelon::texts {

inline constexpr const char* applicationTitle = "Tarvelon 2000";

inline constexpr const char* startupLines[] = {
    "Welcome to Tarvelon 2000, where six cars race and you bet on the winner.",
    "You start with $1000: pick a car, type a stake and press Place Bet, two bets a race.",
    "Press GO! to start the race. A winning bet pays twice its stake. Good luck!",
};

inline constexpr const char* aboutTitle = "About Tarvelon 2000";
inline constexpr const char* aboutText =
    "Tarvelon 2000, version 1.0: a car-race betting game for one player.";

// Shown when Place Bet cannot take what is typed in the amount box.
inline constexpr const char* refusedStake =
    "That stake can't be placed. Please type an amount of 0 or more, such as 50 or 12.5.";

// The race result's messages; the amount paid follows the first.
inline constexpr const char* youWon = "Your car placed first in the race. You won $";
inline constexpr const char* gameOver = "Your All Out Of Money. Game Over.";

// The option for no car, and the car of a bet that backs none.
inline constexpr const char* noBet = "No Bet";

} // namespace tarvelon::texts
