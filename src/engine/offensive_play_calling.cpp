// The computer's offensive call. A situational stage may settle the call
// (kicks, conversion, kneel-down, fourth down) or decide between run, draw and
// pass from a per-mille run tendency; Find_Offensive_Play then draws a play of
// that kind weighted by how close its yardage is to the yards wanted.
#include "engine/offensive_play_calling.h"

#include "season/league_rates.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "app/diagnostics.h"
#include "database/game_queries.h"
#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/roster_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/defensive_play_calling.h"
#include "engine/downs_and_clock.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/play_loop.h"
#include "engine/play_matchups.h"
#include "engine/play_resolution_support.h"
#include "engine/playbook_records.h"
#include "engine/snap_answers.h"
#include "engine/snap_decisions.h"
#include "engine/team_unit_ratings.h"
#include "engine/unit_multipliers.h"
#include "personnel/random_ratings.h"

namespace {

int32_t Offense_Side(const GAME_RECORD* pGame) {
    return Get_Offense_Side(pGame);
}

int32_t Offense_Team(const GAME_RECORD* pGame) {
    return pGame->Team[Offense_Side(pGame)];
}

int32_t Deficit(const GAME_RECORD* pGame) {
    const int32_t side = Offense_Side(pGame);
    return pGame->Score[1 - side] - pGame->Score[side];
}

bool Is_Scrimmage_Down(uint32_t down) {
    return down <= 3;
}

int32_t Seconds_Left_In_Half(const GAME_RECORD* pGame) {
    return Get_Half_Time_Left(pGame);
}

} // namespace

bool Get_Running_Back_Workload(int32_t team, int32_t slot, int32_t* limit, int32_t* carries) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return false;
    const float durability = Read_Repaired_Rating(team, slot, RATING_DURABILITY);
    // A game is credited when it ends, while his carries count as he makes
    // them: the game being played counts among his games, so that in his
    // first game of a season he has a game's allowance rather than none.
    const int32_t games = Get_Player_Stat(team, slot, SEASON_THIS, 0) + 1;
    *carries = Get_Player_Stat(team, slot, SEASON_THIS, 7);
    const int32_t a = Mul_Div_Round(13 * games, static_cast<int32_t>(std::trunc(durability)), 85);
    int32_t years = 2017 - Get_Current_Year();
    if (years < 0) years = 0;
    const int32_t cap_one = (a + 240) / 2;
    const int32_t cap_two = a + 3 * years;
    *limit = cap_one < cap_two ? cap_one : cap_two;
    return true;
}

int32_t Limit_Running_Back_Workload(int32_t team, int32_t slot, int32_t weight) {
    int32_t limit = 0;
    int32_t carries = 0;
    if (!Get_Running_Back_Workload(team, slot, &limit, &carries) || carries <= limit) return weight;
    return Mul_Div_Round(weight, limit, carries);
}

namespace {
int32_t Weigh_Top_Receiver_Threat(GAME_RECORD* pGame) {
    const int32_t team = Offense_Team(pGame);
    if (!Is_Team_Record_Slot(team)) return 0;
    int32_t receivers[2];
    Get_Team_Position_Players(team, POSITION_WR, receivers, 2);
    const int32_t first = receivers[0];
    const int32_t second = receivers[1];
    auto rating_of = [team](int32_t slot) -> int32_t {
        if (!Is_Player_Address(team, slot)) return 0;
        float r = Get_Player_Position_Rating(team, slot, POSITION_WR);
        if (r < 25.0f) {
            Randomize_Player_Ratings(team, slot);
            r = Get_Player_Position_Rating(team, slot, POSITION_WR);
        }
        return static_cast<int32_t>(std::trunc(r));
    };
    const int32_t d = rating_of(first) - rating_of(second);
    int32_t v = 0;
    if (Is_Player_Address(team, first)) {
        const int32_t side = Offense_Side(pGame);
        v = Get_Game_Player_Counter(pGame, side, first, 3) +
            5 * Get_Game_Player_Counter(pGame, side, first, 2) +
            25 * Get_Game_Player_Counter(pGame, side, first, 4);
    }
    const int32_t n = pGame->Clock + 900;
    const int32_t u = Mul_Div_Round(v, 2700, n) + 10 * d;
    if (u < 120) return 0;
    return (u - 100) / 5 + 1;
}
} // namespace

int32_t Get_Top_Receiver_Threat(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    return Snap_Answer(ANSWER_RECEIVER_THREAT, [pGame] { return Weigh_Top_Receiver_Threat(pGame); });
}

namespace {
// The running, receiving and passing composites of the men in on-field slots
// 0-5 of each team, kept with the ratings and position they were worked out
// from (all they read). A player whose ratings and position read the same has
// the same composites, and reading them again would repair nothing: any
// rating the reading repaired was stored before the ratings were kept.
constexpr int32_t RUN_TENDENCY_SLOTS = 6;
struct KEPT_COMPOSITES {
    bool Known;
    int32_t Position;
    float Ratings[NUMBER_OF_PLAYER_RATINGS];
    float Running;
    float Receiving;
    float Passing;
};
KEPT_COMPOSITES Kept_Composites[TOTAL_NUMBER_OF_TEAMS][RUN_TENDENCY_SLOTS];

// The composites of a player on the field (team and slot valid and used).
const KEPT_COMPOSITES& Field_Composites(int32_t team, int32_t slot, int32_t field_slot, int32_t position) {
    KEPT_COMPOSITES& kept = Kept_Composites[team][field_slot];
    const float* ratings = Universe.Teams[team].Players[slot].Ratings;
    if (kept.Known && kept.Position == position &&
        std::memcmp(kept.Ratings, ratings, sizeof kept.Ratings) == 0)
        return kept;
    kept.Running = Get_Player_Rating(team, slot, RATING_RUNNING_COMPOSITE);
    kept.Receiving = Get_Player_Rating(team, slot, RATING_RECEIVING_COMPOSITE);
    kept.Passing = Get_Player_Rating(team, slot, RATING_PASSING_COMPOSITE);
    kept.Known = true;
    kept.Position = position;
    std::memcpy(kept.Ratings, ratings, sizeof kept.Ratings);
    return kept;
}

int32_t Weigh_Run_Tendency(GAME_RECORD* pGame) {
    const int32_t side = Offense_Side(pGame);
    const int32_t team = pGame->Team[side];
    int32_t run = 40;
    int32_t pass = 60;
    for (int32_t field_slot = 0; field_slot <= 5; ++field_slot) {
        const int32_t slot = pGame->On_Field[side][field_slot];
        const bool present = Is_Player_Address(team, slot) && Is_Player_Slot_Used(team, slot);
        const int32_t position = present ? Get_Player_Vital_Stat(team, slot, VITAL_POSITION) : -1;
        // The running, receiving and passing composites of the player; a slot
        // without a player counts 20 in each.
        float a = MINIMUM_RATING;
        float b = MINIMUM_RATING;
        float c = MINIMUM_RATING;
        if (present) {
            const KEPT_COMPOSITES& composites = Field_Composites(team, slot, field_slot, position);
            a = composites.Running;
            b = composites.Receiving;
            c = composites.Passing;
        }
        auto at_least_zero = [](float x) { return x > 0.0f ? x : 0.0f; };
        switch (position) {
        case POSITION_QB:
            run += static_cast<int32_t>(at_least_zero(1.7f * (a - 70.0f)));
            pass += static_cast<int32_t>(3.0f * (c - 60.0f));
            break;
        case POSITION_RB: {
            const int32_t base = static_cast<int32_t>(at_least_zero(3.2f * std::trunc(a - 55.0f)));
            run += Limit_Running_Back_Workload(team, slot, base);
            pass += static_cast<int32_t>(at_least_zero(b - 60.0f));
            break;
        }
        case POSITION_FB:
            run += static_cast<int32_t>(at_least_zero(a - 70.0f));
            pass += static_cast<int32_t>(at_least_zero(b - 60.0f));
            break;
        case POSITION_TE:
            pass += static_cast<int32_t>(at_least_zero(3.0f * (b - 60.0f)));
            break;
        case POSITION_WR:
            pass += static_cast<int32_t>(at_least_zero(5.0f * (b - 55.0f)));
            break;
        default:
            break;
        }
    }
    const int32_t deficit = Deficit(pGame);
    const int32_t clock = pGame->Clock;
    if (clock >= HALF_SECONDS && clock < REGULATION_SECONDS) pass = Mul_Div_Round(pass, deficit + 28, 28);
    // The last five minutes of either half, and of an overtime period: a
    // leader runs the clock, a side behind throws.
    const int32_t left = Seconds_Left_In_Half(pGame);
    if (left < 300 && left > 0) {
        if (deficit < 0)
            pass = Mul_Div_Round(pass, left, 900);
        else if ((deficit >= 9 && deficit <= 16) || (deficit >= 0 && deficit <= 8 && left < 120))
            pass = Mul_Div_Round(pass, 900, left);
    }
    const int32_t down = static_cast<int32_t>(Get_Game_Down(pGame));
    const int32_t togo = pGame->Yards_To_Go;
    const int32_t togoal = pGame->Yards_To_Goal;
    if (down == 0) run = Mul_Div_Round(run, 120, 100);
    if ((down == 2 || down == 3) && togo < 3) run = Mul_Div_Round(run, (down + 4) * 25, 100);
    int32_t k = 11 - 4 * down;
    if (k < 2) k = 2;
    if (togo > k) pass = Mul_Div_Round(pass, togo, k);
    if (togoal > 90) pass = Mul_Div_Round(pass, (110 - togoal) * 50, 1000);
    if (Is_Hurry_Up_Offense(pGame))
        run /= 20;
    else if (Is_Kneel_Down_Situation(pGame))
        pass = 0;
    if (togoal < 20) {
        pass = Mul_Div_Round(pass, (togoal + 30) * 20, 1000);
        if (togoal < 5) run = Mul_Div_Round(run, 6, togoal + 1);
    }
    const int32_t balance = Is_Team_Record_Slot(team) ? Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE) : 10;
    if (balance > 10)
        run = Mul_Div_Round(run, 20 - balance, 10);
    else if (balance < 10)
        pass = Mul_Div_Round(pass, balance, 10);
    if (Get_User_Preference(CURRENT_WEEK) > 3) {
        const int32_t norm = Get_Smoothed_Yearly_Norm(Get_Current_Year());
        const int32_t league = Get_League_Rate(LEAGUE_RATE_PLAY_RATIO);
        // A norm or league value below 1 cannot scale the scores.
        if (norm > 0 && league > 0) {
            pass = Mul_Div_Round(pass, norm, league);
            run = Mul_Div_Round(run, league, norm);
        }
    }
    run += run / 7;
    if (pass + run == 0) return 0;
    return Mul_Div_Round(1000, run, pass + run);
}
} // namespace

int32_t Get_Offensive_Run_Tendency(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    return Snap_Answer(ANSWER_RUN_TENDENCY, [pGame] { return Weigh_Run_Tendency(pGame); });
}

namespace {
// The calls the situation of a scrimmage or conversion down settles before
// the run tendency: the overtime and short-clock field goals and the
// kneel-down; -1 when it settles none.
int32_t Decide_Situational_Call(GAME_RECORD* pGame) {
    const bool scrimmage = Is_Scrimmage_Down(Get_Game_Down(pGame));
    const int32_t togoal = pGame->Yards_To_Goal;
    if (Is_Overtime_Possession_Rule_Over(pGame) && scrimmage && togoal <= Get_Field_Goal_Range(pGame) - 10)
        return HARD_CODED_FIELD_GOAL_PLAY;
    if (Is_Clock_Short(pGame) && scrimmage) {
        const int32_t k = Get_Field_Goal_Range(pGame) + 12;
        if (togoal <= k && (Deficit(pGame) <= 3 || pGame->Clock < HALF_SECONDS))
            return HARD_CODED_FIELD_GOAL_PLAY;
    }
    if (Should_Kneel_Down(pGame)) return KNEEL_DOWN_PLAY;
    return -1;
}
} // namespace

int32_t Choose_Offensive_Play(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t team = Offense_Team(pGame);
    const uint32_t down = Get_Game_Down(pGame);
    const int32_t half = Seconds_Left_In_Half(pGame);
    const int32_t togo = pGame->Yards_To_Go;
    const int32_t togoal = pGame->Yards_To_Goal;
    if (down == CONVERSION_ATTEMPT) {
        if (!Two_Point_Chart(pGame)) return HARD_CODED_FIELD_GOAL_PLAY;
        const int32_t r = static_cast<int32_t>(Random_Number() * RANDOM_FRACTION * 100.0);
        const int32_t s = Is_Team_Record_Slot(team) ? Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_BALANCE) : 10;
        if (r < (60 * s + 5) / 10) return Find_Offensive_Play(pGame, PLAY_CATEGORY_PASS, 3);
        if (r % 10 >= 8) return Find_Offensive_Play(pGame, PLAY_CATEGORY_DRAW, 2);
        return Find_Offensive_Play(pGame, PLAY_CATEGORY_RUN, 2);
    }
    if (down == KICKOFF_DOWN) {
        if (Should_Onside_Kick(pGame)) return 2;
        if (Should_Squib_Kick(pGame)) return 1;
        return 0;
    }
    if (down == FREE_KICK_DOWN) return 0;
    const bool scrimmage = Is_Scrimmage_Down(down);
    const int32_t settled =
        Snap_Answer(ANSWER_SITUATIONAL_CALL, [pGame] { return Decide_Situational_Call(pGame); });
    if (settled >= 0) return settled;
    const int32_t tendency = Get_Offensive_Run_Tendency(pGame);
    int32_t category = PLAY_CATEGORY_PASS;
    if (Random_Int(1000) < tendency) {
        category = PLAY_CATEGORY_RUN;
        if (Random_Int(1000) >= tendency && Random_Int(1000) >= tendency && Random_Int(100) < 40 && togo >= 5)
            category = PLAY_CATEGORY_DRAW;
    }
    if (half < 120 && scrimmage) {
        if (Deficit(pGame) >= 0 && !Is_Blowout(pGame)) category = PLAY_CATEGORY_PASS;
        if (pGame->Clock < HALF_SECONDS && !(togoal < half / 5)) category = PLAY_CATEGORY_PASS;
        if (Is_Half_Ending(pGame) && togoal < 3 && Random_Int(4) < 3 - togoal) category = PLAY_CATEGORY_RUN;
    }
    int32_t wanted = togo;
    switch (down) {
    case 0:
        if (Random_Int(1000) < 700)
            wanted /= 2;
        else if (category == PLAY_CATEGORY_PASS && Random_Int(1000) < (20 - togo) * 20)
            wanted += 15;
        break;
    case 1:
        if (Random_Int(1000) < 350 && category == PLAY_CATEGORY_RUN)
            wanted /= 2;
        else if (category == PLAY_CATEGORY_PASS && Random_Int(1000) < 400 - 60 * togo)
            wanted += 15;
        break;
    case 2:
        if (category == PLAY_CATEGORY_PASS && Random_Int(1000) < 200) wanted *= 2;
        break;
    case 3:
        if (Should_Kick_Field_Goal(pGame)) return HARD_CODED_FIELD_GOAL_PLAY;
        if (Should_Punt(pGame)) return HARD_CODED_PUNT_PLAY;
        break;
    default:
        break;
    }
    if (half < 60) {
        int32_t q = half / 10 + 1;
        if (q < 1) q = 1;
        if (togoal / q > wanted) wanted = togoal / q;
    }
    const int32_t cap = togoal + 5;
    return Find_Offensive_Play(pGame, category, (wanted < cap ? wanted : cap) - 1);
}
