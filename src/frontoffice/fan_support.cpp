// Season-end fan support and finish code.
#include "frontoffice/fan_support.h"

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t YEARLY_DIVISION_PLACE = 1;
constexpr int32_t YEARLY_FINISH_CODE = 3;
constexpr int32_t CHAMPION_SLOT = 30;
constexpr int32_t FINAL_SLOT = 28;
constexpr int32_t CONFERENCE_FINAL_SLOT = 24;

// Deepest bracket slot 30 the champion, 28-29 the losing finalist, 24-27 the
// loser of a conference final; a team out in an earlier round counts as
// the playoff team its division place made it.
int32_t Finish_Code(int32_t slot, int32_t place) {
    if (slot >= CHAMPION_SLOT) return 8;
    if (slot >= FINAL_SLOT) return 7;
    if (slot >= CONFERENCE_FINAL_SLOT) return 6;
    if (place == 0) return 5;
    if (slot >= 0) return 4;
    if (place >= 1 && place <= 3) return 4 - place;
    return 0;
}
} // namespace

int32_t Get_Finished_Season_Index() {
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (Get_User_Preference(CURRENT_WEEK) == OFF_SEASON_WEEK && season > 0) return season - 1;
    return season;
}

bool Is_Finished_Season_Settled() {
    return Is_Current_Season_Settled() ||
           Get_Finished_Season_Index() != Get_User_Preference(CURRENT_SEASON_INDEX);
}

void Update_Team_Fan_Support(int32_t team) {
    const int32_t games = Get_Games_Per_Season();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    const bool franchise = Is_Active_Team(team) != 0;
    const int32_t wins = franchise ? Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS) : 0;
    const int32_t playoff_wins = franchise ? Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_WINS) : 0;
    const int32_t finish = franchise ? Get_Team_Yearly_Int(team, season, YEARLY_FINISH_CODE) : 0;
    const int32_t win_score = Mul_Div_Round(wins * 10, 1000, 5 * games);
    const int32_t playoff_score = Mul_Div_Round(playoff_wins, 1000000, 366);
    const int32_t finish_score = Mul_Div_Round(finish * 10, 1000, 26);
    const int32_t support =
        Clamp_Int(571, 1750,
                  Mul_Div_Round(win_score, 840, 1000) + Mul_Div_Round(playoff_score, 30, 1000) +
                      Mul_Div_Round(finish_score, 130, 1000));
    const int32_t loyalty = Mul_Div_Round(Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY), 750, 1000) +
                            Mul_Div_Round(support, 250, 1000);
    Set_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY, Clamp_Int(MIN_FAN_LOYALTY, MAX_FAN_LOYALTY, loyalty));
}

int32_t Record_Team_Division_Finish(int32_t team) {
    if (Is_Finished_Season_Settled())
        return Is_Franchise_Slot(team)
                   ? Get_Team_Yearly_Int(team, Get_Finished_Season_Index(), YEARLY_FINISH_CODE)
                   : 0;
    const int32_t place = Get_Team_Division_Standing(team);
    if (place >= 0 && Is_Franchise_Slot(team))
        Set_Team_Yearly_Char(team, Get_Finished_Season_Index(), YEARLY_DIVISION_PLACE, place);
    return Finish_Code(Get_Team_Playoff_Slot(team), place);
}

int32_t Get_Team_Season_Division_Place(int32_t team) {
    if (Is_Finished_Season_Settled())
        return Is_Franchise_Slot(team)
                   ? Get_Team_Yearly_Char(team, Get_Finished_Season_Index(), YEARLY_DIVISION_PLACE)
                   : -1;
    return Get_Team_Division_Standing(team);
}

void Raise_Fan_Loyalty(int32_t team) {
    const int32_t loyalty = Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY);
    if (loyalty < MAX_FAN_LOYALTY) Set_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY, loyalty + 1);
}

void Lower_Fan_Loyalty(int32_t team) {
    const int32_t loyalty = Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY);
    if (loyalty > MIN_FAN_LOYALTY) Set_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY, loyalty - 1);
}
