#include "engine/running_plays.h"

#include <cmath>
#include <cstdlib>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/downs_and_clock.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/passing_plays.h"
#include "engine/play_loop.h"
#include "engine/play_matchups.h"
#include "engine/play_resolution_support.h"
#include "engine/play_roles.h"
#include "engine/playbook_records.h"
#include "engine/statistics_credit.h"
#include "engine/unit_multipliers.h"

namespace {

constexpr int32_t ROUTE_BLOCKING = 40;

// The offence's ball carrier fumbled and the defence recovered: turnover
// counters, credits, the return and the possible touchdown.
void Resolve_Lost_Run_Fumble(GAME_RECORD* pGame, int32_t carrier, int32_t direction, int32_t scramble) {
    const int32_t offense_side = Get_Offense_Side(pGame);
    // Two draws, one statement each: the order of a sum's operands is open.
    const int32_t first_draw = Play_Random_Below(10);
    int32_t gain = first_draw + Play_Random_Below(10) - 5;
    if (gain >= pGame->Yards_To_Goal) gain = Play_Random_Below(pGame->Yards_To_Goal);
    Set_Current_Play_Result(pGame, RESULT_RUN_FUMBLE);
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 7 + Play_Random_Below(7));
    Credit_Run(pGame, carrier, gain, direction);
    const int32_t forcer = Choose_Game_Event_Player(pGame, 2, 5, 0);
    const int32_t recoverer = Choose_Game_Event_Player(pGame, 2, 8, 0);
    pGame->Snap_Yards = static_cast<int8_t>(Clamp_Yards(gain));
    Narrate_Run(pGame, carrier, NO_FIELD_PLAYER, gain, scramble);
    Say(pGame, 29, 0, 0, Offense_Id(pGame, carrier), Defense_Id(pGame, forcer));
    Record_Lost_Fumble(pGame, carrier, forcer, recoverer);
    // The log row keeps the run as the record credits it: the gain before the
    // ball came loose, the carrier who lost it and the man who recovered it.
    const int32_t recoverer_id = Defense_Id(pGame, recoverer);
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_FUMBLER, Offense_Id(pGame, carrier), ROLE_RECOVERER,
                      recoverer_id);
    pGame->Current_Play.Yard1 = static_cast<int8_t>(gain);

    const int32_t recoverer_team = Get_Defense_Team(pGame);
    const int32_t ret = Draw_Fumble_Return_Yards(recoverer_team, recoverer);

    // The former offence's eleven, for the tackle after the return.
    const int32_t former_offense_side = offense_side;
    const bool touchdown = Hand_Over_Recovered_Fumble(pGame, recoverer_team, recoverer, ret - gain);

    if (ret < 5) {
        if (Play_Random_Below(100) < 30) Say(pGame, 30, 0, 0, recoverer_id, -1);
        Say(pGame, 31, 0, 0, recoverer_id, -1);
        return;
    }
    Say(pGame, 32, 0, 0, recoverer_id, -1);
    if (ret > 30)
        Say(pGame, 28, gain, ret, recoverer_id, -1);
    else if (ret > 12)
        Say(pGame, 20, 0, 0, recoverer_id, -1);
    if (!touchdown) {
        const int32_t former_team = pGame->Team[former_offense_side];
        const int32_t tackler = pGame->On_Field[former_offense_side][Play_Random_Below(ON_FIELD_PLAYERS)];
        Say(pGame, 21, gain - ret, 0, recoverer_id, Play_Player_Id(former_team, tackler));
    }
}

// The players of a run's entry, by its result: the carrier, or on a safety the
// carrier downed and the man who tackled him, or the runner of a two-point try.
void Set_Run_Players(GAME_RECORD* pGame, int32_t carrier_id, int32_t tackler_id) {
    switch (Get_Current_Play_Result(pGame)) {
    case RESULT_SAFETY:
        Set_Play_Role_Ids(&pGame->Current_Play, ROLE_DOWNED, carrier_id, ROLE_TACKLER, tackler_id);
        break;
    case RESULT_TWO_POINT_GOOD:
        Set_Play_Role_Ids(&pGame->Current_Play, ROLE_TRY_PLAYER, carrier_id);
        break;
    default:
        Set_Play_Role_Ids(&pGame->Current_Play, ROLE_CARRIER, carrier_id);
        break;
    }
}

// Tacklers of a run that ended in the field of play.
int32_t Credit_Run_Tacklers(GAME_RECORD* pGame) {
    const uint32_t marks = pGame->Down_Word & (OUT_OF_BOUNDS_BIT | OUT_OF_BOUNDS_HURRY_BIT);
    const bool hurry_out = marks == OUT_OF_BOUNDS_HURRY_BIT;
    if (hurry_out) Play_Random_Fraction();
    const int32_t d = hurry_out ? 0 : Play_Random_Below(100);
    if (d >= 55) {
        const int32_t first = Choose_Game_Event_Player(pGame, 2, 3, 0);
        const int32_t second = Choose_Game_Event_Player(pGame, 2, 3, 0);
        if (first == second) {
            Credit_Defender(pGame, first, 2, 1);
        } else {
            Credit_Defender(pGame, first, 3, 1);
            Credit_Defender(pGame, second, 3, 1);
        }
        return first;
    }
    const int32_t tackler = Choose_Game_Event_Player(pGame, 2, 2, 0);
    Credit_Defender(pGame, tackler, 2, 1);
    return tackler;
}

float Run_Carrier_Talent(const GAME_RECORD* pGame, int32_t carrier, int32_t year) {
    float talent = (0.2f * Offense_Rating(pGame, carrier, RATING_POWER) +
                    0.25f * Offense_Rating(pGame, carrier, RATING_SPEED) +
                    0.25f * Offense_Rating(pGame, carrier, RATING_QUICKNESS) +
                    0.3f * Offense_Rating(pGame, carrier, RATING_VISION) + 100.0f) /
                       185.0f -
                   1.0f;
    if (year > 1995) {
        const int32_t k = Clamp_Int(0, 20, 2015 - year);
        talent = talent * static_cast<float>(50 - k) / 50.0f;
    }
    return talent;
}

} // namespace

int32_t Choose_Run_Direction(GAME_RECORD* pGame, int32_t scramble) {
    if (scramble == 0) {
        const int32_t hole = Get_Play_Run_Hole(pGame);
        if (hole < 4) return 1;
        return (hole % 2 != 0) ? 0 : 2;
    }
    const int32_t d = Play_Random_Below(100);
    if (d < 25) return 0;
    if (d < 80) return 1;
    return 2;
}

int32_t Draw_Scramble_Depth(int32_t direction) {
    if (direction == 1) return Play_Random_Below(4);
    if (direction == 2) return 2 * (2 + Play_Random_Below(3));
    return 5 + 2 * Play_Random_Below(3);
}

int32_t Get_League_Replay_Rushing_Norm() {
    int32_t sum = 0;
    int32_t count = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (Get_Team_Stat(team, 2) == -1) continue;
        sum += Get_Team_Stat(team, 21);
        ++count;
    }
    return count > 0 ? sum / count : sum;
}

float Get_Replay_Rushing_Factor(const GAME_RECORD* pGame) {
    const int32_t offense = Get_Offense_Team(pGame);
    const int32_t defense = Get_Defense_Team(pGame);
    const float scored = static_cast<float>(Get_Team_Stat(offense, 21));
    const float allowed = static_cast<float>(Get_Team_Stat(defense, 22));
    float f = 1.0f;
    if (Get_Current_Week() < 3) {
        const float norm = static_cast<float>(Get_League_Replay_Rushing_Norm());
        if (norm >= 100.0f && scored > 50.0f) f = (scored / norm) * (allowed / norm);
    } else {
        int32_t points_for = 0;
        int32_t points_against = 0;
        for (const GAME_RECORD& game : Universe.Games) {
            for (int32_t side = 0; side < 2; ++side) {
                if (game.Team[side] == offense) points_for += game.Score[side];
                if (game.Team[side] == defense) points_against += game.Score[1 - side];
            }
        }
        int32_t& games_per_season = Universe.Header.Universe_Stats[0];
        if (games_per_season > 17) games_per_season = 17;
        const float n = static_cast<float>(games_per_season);
        const int32_t offense_games = Get_Team_Games_Played(offense);
        if (offense_games >= 2 && scored > 50.0f) {
            const float pace = n * static_cast<float>(points_for) / static_cast<float>(offense_games);
            if (pace >= 10.0f) f = scored / pace;
        }
        const int32_t defense_games = Get_Team_Games_Played(defense);
        if (defense_games >= 2 && allowed > 50.0f) {
            const float pace = n * static_cast<float>(points_against) / static_cast<float>(defense_games);
            if (pace >= 10.0f) f = f * allowed / pace;
        }
    }
    return Soften_Multiplier(f, 1.66f);
}

int32_t Find_Hole_Blocker(GAME_RECORD* pGame) {
    const int32_t team = Get_Offense_Team(pGame);
    const int32_t play = pGame->Current_Play.Offensive_Play;
    const int32_t hole = Get_Offensive_Play_Depth(team, play);
    static const int32_t HOLE_X[10] = {1, -1, 3, -3, 5, -5, 7, -7, 9, -9};
    const double hole_x = (hole >= 0 && hole <= 9) ? HOLE_X[hole] : 0;
    const int32_t formation = pGame->Formation[Get_Offense_Side(pGame)];
    for (int32_t i = 6; i <= 10; ++i) {
        double x = 0.0, y = 0.0;
        Get_Formation_Coordinate(formation, i, &x, &y);
        const double distance = std::fabs(x - hole_x);
        if (distance < 2.0 && y < 1.0) {
            const int32_t slot = Get_Offense_Field_Slot(pGame, i);
            const float blocking = Offense_Rating(pGame, slot, RATING_RUN_BLOCKING);
            const int32_t chance =
                static_cast<int32_t>((blocking - 50.0f) * static_cast<float>(2.0 - distance));
            if (Play_Random_Below(100) < chance) return slot;
        }
    }
    for (int32_t r = 0; r < 5; ++r) {
        if (Get_Offensive_Play_Route(team, play, r) != ROUTE_BLOCKING) continue;
        const int32_t slot = Get_Offense_Field_Slot(pGame, r + 1);
        const int32_t margin = static_cast<int32_t>(Offense_Rating(pGame, slot, RATING_RUN_BLOCKING)) - 40;
        if (Play_Random_Below(5000) < margin * margin) return slot;
    }
    return NO_FIELD_PLAYER;
}

void Narrate_Run(GAME_RECORD* pGame, int32_t carrier, int32_t tackler, int32_t gain, int32_t scramble) {
    const int32_t carrier_id = Offense_Id(pGame, carrier);
    const int32_t tackler_id = Defense_Id(pGame, tackler);
    const uint32_t marks = pGame->Down_Word & (OUT_OF_BOUNDS_BIT | OUT_OF_BOUNDS_HURRY_BIT);
    if (gain < 0 && marks == 0) {
        Say(pGame, 16, 0, 0, tackler_id, carrier_id);
        return;
    }
    if (Play_Random_Below(100) < 10) {
        const int32_t defender = Get_Defense_Field_Slot(pGame, Play_Random_Below(4));
        const int32_t blocker = Find_Hole_Blocker(pGame);
        // The man he eluded is named by the hit; the broken tackle names
        // the carrier alone.
        if (defender != tackler && gain > 5) {
            Say(pGame, 16, 0, 0, Defense_Id(pGame, defender), carrier_id);
            Say(pGame, 19, 0, 0, carrier_id, -1);
        }
        if (blocker != NO_FIELD_PLAYER && gain > 3 + Play_Random_Below(20) && scramble == 0 &&
            blocker != carrier)
            Say(pGame, 3, 0, 0, Offense_Id(pGame, blocker), -1);
        if (gain > 9 + Play_Random_Below(5)) {
            Say(pGame, 20, 0, 0, carrier_id, -1);
            if (pGame->Snap_Yards > 24 + Play_Random_Below(5))
                Say(pGame, 28, 15, pGame->Snap_Yards - 15, carrier_id, -1);
        }
        return;
    }
    if (scramble == 0) Say(pGame, 27, 0, 0, carrier_id, -1);
    if (gain < 2 + Play_Random_Below(7)) {
        if (Play_Random_Below(100) < 50) {
            Say(pGame, 16, 0, 0, tackler_id, carrier_id);
            if (gain > 4 + Play_Random_Below(10)) Say(pGame, 17, 0, 0, carrier_id, tackler_id);
        }
        return;
    }
    const int32_t blocker = Find_Hole_Blocker(pGame);
    const int32_t defender = Get_Defense_Field_Slot(pGame, Play_Random_Below(11));
    const int32_t defender_id = Defense_Id(pGame, defender);
    if (blocker != NO_FIELD_PLAYER && 5 + Play_Random_Below(12) < gain && scramble == 0 && blocker != carrier)
        Say(pGame, 3, 0, 0, Offense_Id(pGame, blocker), -1);
    // The hit names the defender first, the carrier second; the yards after
    // contact and the broken tackle name the carrier first, the defender second.
    if (Play_Random_Below(100) < 35 && gain > 5) {
        Say(pGame, 16, 0, 0, defender_id, carrier_id);
        if (Random_Int(100) < 15 && gain < 20) Say(pGame, 17, 0, 0, carrier_id, defender_id);
        Say(pGame, 19, 0, 0, carrier_id, defender_id);
    }
    if (gain > 9 + Play_Random_Below(5)) {
        Say(pGame, 20, 0, 0, carrier_id, -1);
        if (pGame->Snap_Yards > 24 + Play_Random_Below(5)) Say(pGame, 28, 10, gain - 10, carrier_id, -1);
    }
}

int32_t Check_For_Kept_Fumble(GAME_RECORD* pGame, int32_t carrier, int32_t forcer, int32_t threshold) {
    if (threshold == 0) threshold = Get_Carrier_Fumble_Chance(pGame, carrier);
    const int32_t d = Play_Random_Below(10000);
    if (d >= threshold || Is_Conversion(pGame)) return 0;
    const int32_t recoverer = Get_Offense_Field_Slot(pGame, Play_Random_Below(ON_FIELD_PLAYERS));
    if (forcer == NO_FIELD_PLAYER || forcer < 0) forcer = Choose_Game_Event_Player(pGame, 2, 5, 0);
    Credit_Defender(pGame, forcer, 5, 1);
    Credit_Carrier_Fumble(pGame, carrier, false);
    const int32_t carrier_id = Offense_Id(pGame, carrier);
    Say(pGame, 29, 0, 0, carrier_id, Defense_Id(pGame, forcer));
    if (Play_Random_Below(100) < 40) Say(pGame, 30, 0, 0, carrier_id, -1);
    Say(pGame, 31, 0, 0, Offense_Id(pGame, recoverer), -1);
    Increment_Game_Team_Stat(pGame, Get_Offense_Side(pGame), GAME_STAT_FUMBLES);
    return 1;
}

void Resolve_Running_Play(GAME_RECORD* pGame, int32_t scramble) {
    if (pGame == nullptr) return;
    const int32_t offense = Get_Offense_Team(pGame);
    const int32_t oplay = pGame->Current_Play.Offensive_Play;
    const int32_t dplay = pGame->Current_Play.Defensive_Play;
    const int32_t depth = Get_Offensive_Play_Depth(offense, oplay);
    const int32_t hurry = Is_Hurry_Up_Offense(pGame) ? 1 : 0;
    const float weather = Get_Play_Condition_Factor(pGame);
    const int32_t year = Get_Current_Year();

    int32_t carrier;
    int32_t direction;
    float expected;
    if (scramble == 0) {
        carrier = Get_Primary_Receiver(pGame);
        direction = Choose_Run_Direction(pGame, 0);
        expected = static_cast<float>(Get_Play_Yardage(offense, oplay));
    } else {
        direction = Is_Rollout_Or_Bootleg_Play(offense, oplay) ? 2 : Choose_Run_Direction(pGame, 1);
        expected = static_cast<float>(2 * (Draw_Scramble_Depth(direction) / 2) + 4);
        Narrate_Scramble(pGame);
        carrier = Get_Offense_Field_Slot(pGame, 0);
    }

    int64_t chance = Get_Carrier_Fumble_Chance(pGame, carrier);
    if (pGame->Yards_To_Goal < 10) chance = ((pGame->Yards_To_Goal + 10) * chance + 10) / 20;
    const int32_t fumble_draw = Play_Random_Below(10000);
    if (fumble_draw < chance && !Is_Conversion(pGame) && !Is_Kneel_Down_Play(offense, oplay)) {
        Resolve_Lost_Run_Fumble(pGame, carrier, direction, scramble);
        return;
    }

    pGame->Down_Word &= ~POSSESSION_CHANGE_BITS;
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 6 + Play_Random_Below(5));

    const float average = static_cast<float>(Get_Historical_Average_Stat(112, year)) / 100.0f;
    const float talent = Run_Carrier_Talent(pGame, carrier, year);
    const float skill = Get_Offensive_Skill_Multiplier(pGame);
    const float run_defense = Get_Run_Defense_Multiplier(pGame);
    const float tackling = Get_Tackling_Multiplier(pGame);
    const float matchup = Get_Run_Matchup_Multiplier(pGame, oplay, dplay);
    const float blocking = Get_Run_Blocking_Multiplier(pGame);

    float mean = (0.8f * blocking + 0.2f) * ((talent + 1.0f) * average * ((skill + 9.0f) / 10.0f) *
                                             (2.5f - run_defense - 0.5f * tackling) / matchup) -
                 0.3f + expected / 20.0f;
    const int32_t to_goal = pGame->Yards_To_Goal;
    if (to_goal < 3) mean *= 0.55f + 0.15f * static_cast<float>(to_goal);
    const int32_t week = Get_Current_Week();
    if (week >= 3) {
        // A fresh league's zero ratio falls back to the default 4.20 yards.
        float rush_average = static_cast<float>(Get_League_Yards_Per_Rush()) / 100.0f;
        if (rush_average < 2.0f) rush_average = 2.0f;
        mean *= std::pow(average / rush_average, static_cast<float>(week / 3));
    }
    mean *= 0.8f * weather;
    if (Get_Replay_Mode() != 0) mean *= Get_Replay_Rushing_Factor(pGame);

    const int32_t n = std::isfinite(mean) ? (mean < 15.0f ? static_cast<int32_t>(mean) : 15) : 0;
    int32_t tenths = Apply_Random_Variance(10 * n, 700);
    const int32_t spread = static_cast<int32_t>(6.0f * expected + 10.0f);
    tenths += static_cast<int32_t>(Play_Random_Fraction() * spread);
    tenths -= static_cast<int32_t>(Play_Random_Fraction() * spread);
    const bool quarterback = Play_Player_Position(offense, carrier) == POSITION_QB;
    const float power = Offense_Rating(pGame, carrier, RATING_POWER);
    if (expected < 4.0f) {
        const int32_t p =
            quarterback ? static_cast<int32_t>((power + 90.0f) / 2.0f) : static_cast<int32_t>(power);
        tenths = static_cast<int32_t>(static_cast<float>(tenths) +
                                      static_cast<float>(p - 70) * (4.0f - expected) / 6.0f);
    }
    tenths -= Play_Random_Below(11);
    if (tenths / 10 >= to_goal - 3) {
        if (quarterback)
            tenths += Play_Random_Below(21);
        else
            tenths = static_cast<int32_t>(static_cast<float>(tenths) +
                                          (Offense_Rating(pGame, carrier, RATING_RED_ZONE) - 75.0f) * 0.5f);
    }
    int32_t gain = Clamp_Int(-5, 100, (tenths + 5) / 10);

    const float breakaway = n > 0 ? std::fmin(static_cast<float>(n) / 200.0f, 0.07f) : 0.0f;
    if (Play_Random_Fraction() < breakaway) {
        const float s = std::fmax(0.0f, Offense_Rating(pGame, carrier, RATING_SPEED) - 50.0f) / 5.0f;
        const float q = std::fmax(0.0f, Offense_Rating(pGame, carrier, RATING_QUICKNESS) - 50.0f) / 5.0f;
        const float r = std::fmax(0.0f, Offense_Rating(pGame, carrier, RATING_RED_ZONE) - 50.0f) / 5.0f;
        gain += static_cast<int32_t>(Play_Random_Fraction() * static_cast<double>(s * q * r + 5.0f));
        if (gain > 120) gain = 120;
    }
    gain = Clamp_Yards(gain);
    pGame->Snap_Yards = static_cast<int8_t>(gain);

    const int32_t out_draw = Play_Random_Below(100);
    if (out_draw < (gain < 40 ? gain : 40) * (hurry + 1) + (10 * hurry + 5) * (depth / 2) - 5)
        Set_Out_Of_Bounds(pGame);

    int32_t tackler = NO_FIELD_PLAYER;
    int32_t result;
    if (gain >= to_goal) {
        Stop_Game_Clock(pGame);
        if (Is_Conversion(pGame)) {
            result = RESULT_TWO_POINT_GOOD;
        } else {
            result = RESULT_TOUCHDOWN_RUN;
            Credit_Game_Stat(pGame, offense, carrier, 0, 9, 1);
        }
        gain = to_goal;
    } else if (to_goal - gain >= 100) {
        result = RESULT_SAFETY;
        gain = to_goal - 100;
        tackler = Choose_Game_Event_Player(pGame, 2, 4, 0);
    } else {
        result = RESULT_RUN_LEFT + direction;
        tackler = Credit_Run_Tacklers(pGame);
    }
    pGame->Snap_Yards = static_cast<int8_t>(gain);
    Set_Current_Play_Result(pGame, result);

    Credit_Run(pGame, carrier, gain, direction);
    Set_Run_Players(pGame, Offense_Id(pGame, carrier), Defense_Id(pGame, tackler));
    pGame->Current_Play.Yard1 = static_cast<int8_t>(gain);
    Narrate_Run(pGame, carrier, tackler, gain, scramble);

    if (result == RESULT_TOUCHDOWN_RUN || result == RESULT_TWO_POINT_GOOD) {
        Say(pGame, 34, gain, 0, Offense_Id(pGame, carrier), -1);
        return;
    }
    if (Check_For_Kept_Fumble(pGame, carrier, NO_FIELD_PLAYER, Get_Carrier_Fumble_Chance(pGame, carrier)) ==
        0)
        Say(pGame, 21, gain, 0, Offense_Id(pGame, carrier), Defense_Id(pGame, tackler));
    if (Snap_Uses_Up_Half(pGame)) return;
    if (gain >= pGame->Yards_To_Go && result != RESULT_TWO_POINT_FAILED)
        Say(pGame, 35, gain, 0, Offense_Id(pGame, carrier), -1);
    else if (Get_Game_Down(pGame) == 3 && result != RESULT_SAFETY)
        Say(pGame, 49, gain, 0, Offense_Id(pGame, carrier), -1);
}

void Resolve_Kneel_Down(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t offense = Get_Offense_Team(pGame);
    const int32_t primary = Get_Offensive_Play_Primary_Receiver(offense, pGame->Current_Play.Offensive_Play);
    const int32_t carrier = Get_Offense_Field_Slot(pGame, primary < 0 ? 0 : primary);
    pGame->Down_Word &= ~POSSESSION_CHANGE_BITS;
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 7 + Play_Random_Below(3));
    int32_t yards = -1;
    const int32_t carrier_id = Offense_Id(pGame, carrier);
    Say(pGame, 53, 0, 0, carrier_id, -1);
    int32_t result = RESULT_RUN_MIDDLE;
    if (pGame->Yards_To_Goal + 1 >= 100) {
        result = RESULT_SAFETY;
        yards = pGame->Yards_To_Goal - 100;
    }
    pGame->Snap_Yards = static_cast<int8_t>(yards);
    Set_Current_Play_Result(pGame, result);
    Credit_Run(pGame, carrier, yards, 1);
    Set_Run_Players(pGame, carrier_id, -1);
    pGame->Current_Play.Yard1 = static_cast<int8_t>(yards);
    if (!Snap_Uses_Up_Half(pGame) && Get_Game_Down(pGame) == 3 && result != RESULT_SAFETY)
        Say(pGame, 49, yards, 0, carrier_id, -1);
}
