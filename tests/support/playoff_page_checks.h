#pragma once
// Checks of the encyclopedia's pages of a season played through its playoffs,
// made from the installation's templates and held against the game records
// the league keeps: each playoff week's page lists exactly the games of its
// week under its round's name, and each team page's playoff rows are the
// team's own playoff games (opponent, result and score as its box page has
// them), while its numbered week rows hold regular-season games only.
#include <cstdint>
#include <string>

// The games each playoff round plays, round 0 (wild cards) to 3 (the final).
struct PLAYOFF_SHAPE {
    int32_t Games[4];
};

// "" when every page agrees with the league; else one fault a line. The box
// pages are read from the "Output" folder under the current folder.
std::string Find_Playoff_Page_Faults(const PLAYOFF_SHAPE& shape);
