#include "database/team_results.h"

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "season/season_calendar.h"

int32_t Get_Team_Games_Played(int32_t team) {
    if (Is_Used_Franchise_Slot(team))
        return Get_Team_Record_Char(team, RECORD_CHAR_WINS) + Get_Team_Record_Char(team, RECORD_CHAR_LOSSES) +
               Get_Team_Record_Char(team, RECORD_CHAR_TIES);
    if (Universe.Season_Length == 0) return 0;
    return Mul_Div_Round(Universe.Season_Length, Get_Season_Progress(), 1000);
}

int32_t Count_League_Games_Played() {
    int32_t total = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team)) total += Get_Team_Games_Played(team);
    return total;
}
