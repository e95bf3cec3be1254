#pragma once
// How far the human-run teams came this season, for the champions view.
#include <cstdint>

// 8 league champion, 7 conference champion, 5 division winner, else 0. Takes
// the finish code from Record_Team_Division_Finish, which also records the
// team's place in its division for the season; once the season is settled
// history, the code and the place are those it holds.
int32_t Get_Team_Season_Outcome(int32_t team);
// The human-run franchise with the highest outcome (ties keep the lower slot);
// NO_TEAM when no human team won at least its division, and always while
// several seasons are simulated.
int32_t Get_Best_Finishing_User_Team();
