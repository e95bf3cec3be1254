#pragma once
// Which human-run team did best this season, for the champions view.
#include <cstdint>

// The human-run team that went furthest in the playoffs (then the better
// standings score); NO_TEAM when no human team is in the league.
int32_t Get_Best_Finishing_User_Team();
