#include "engine/kicking_plays.h"

#include "database/game_queries.h"
#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/downs_and_clock.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/play_loop.h"
#include "engine/play_resolution_support.h"
#include "engine/play_roles.h"
#include "engine/playbook_records.h"
#include "engine/pregame_setup.h"
#include "engine/statistics_credit.h"

namespace {

constexpr int32_t REGULATION_END = 3600;
// Setting: the home team receives every overtime kickoff.
constexpr int32_t OVERTIME_HOME_RECEIVES = 89;
// Historical league punting average, tenths of a yard; the fallback keeps a
// league without norms from dividing by zero.
constexpr int32_t HISTORICAL_PUNT_AVERAGE = 115;
constexpr int32_t DEFAULT_PUNT_AVERAGE = 420;
// A kickoff tackler is drawn again while the pick is the roster's first slot,
// but never endlessly.
constexpr int32_t MAX_TACKLER_DRAWS = 10;
constexpr int32_t KICKING_GROUP = 3;
constexpr int32_t RETURN_GROUP = 4;
constexpr int32_t STAT_LONGEST_PUNT = 5;

double Uniform() {
    return Play_Random_Fraction();
}

// The kick-off year of the game being played, else the calendar year.
int32_t Kicking_Year() {
    if (Current_Game != nullptr && Current_Game->Season_Year != 0) return Current_Game->Season_Year;
    return Get_Current_Year();
}

int32_t Punt_Average(int32_t year) {
    const int32_t average = Get_Historical_Average_Stat(HISTORICAL_PUNT_AVERAGE, year);
    return average > 0 ? average : DEFAULT_PUNT_AVERAGE;
}

int32_t Field_Slot(const GAME_RECORD* pGame, int32_t side, int32_t index) {
    if (side < 0 || side > 1 || index < 0 || index >= ON_FIELD_PLAYERS) return NO_FIELD_PLAYER;
    return pGame->On_Field[side][index];
}

int32_t Field_Id(const GAME_RECORD* pGame, int32_t side, int32_t index) {
    return Play_Player_Id(pGame->Team[side], Field_Slot(pGame, side, index));
}

int32_t To_Yards_Byte(int32_t yards) {
    return Clamp_Int(-120, 120, yards);
}

// The punter's longest punt of this season and of his current season line.
void Keep_Longest_Punt(int32_t team, int32_t slot, int32_t distance) {
    Keep_Longest_Kick(team, slot, STAT_LONGEST_PUNT, distance, false);
}

// The touchdown chance of a kick return: `modern` from 2017 on, a thousandth
// more for each earlier season up to `most`, scaled by how far the returner's
// speed, return skill and vision stand above `par` (per `span`); a returner
// slower than 60 never breaks one.
double Return_Touchdown_Chance(int32_t year, double modern, double most, float speed, float skill,
                               float vision, double par, double span) {
    double chance = modern;
    if (year < 2017) {
        chance = modern + 0.001 * (2017 - year);
        if (chance > most) chance = most;
    }
    chance = chance * (speed + skill + vision - par) / span;
    return speed < 60.0f ? 0.0 : chance;
}

// The yards of a kick return: its base yards varied by two draws, then one
// more draw for a breakaway to the end zone (110); never less than a yard.
int32_t Draw_Return_Yards(double base, double touchdown_chance) {
    const double u1 = Uniform();
    const double u2 = Uniform();
    const double variance = (0.4 + 1.2 * u1) * (0.4 + 1.2 * u2);
    int32_t yards = static_cast<int32_t>(variance * base);
    if (Uniform() < touchdown_chance) yards = RETURN_TOUCHDOWN_YARDS;
    return yards < 1 ? 1 : yards;
}

// Chooses the kicking team's tackler of a return while the kicking team is the
// defence of the record.
int32_t Choose_Kick_Tackler(GAME_RECORD* pGame) {
    int32_t tackler = Choose_Game_Event_Player(pGame, 2, 2, 0);
    for (int32_t n = 1; n < MAX_TACKLER_DRAWS && tackler == 0; ++n)
        tackler = Choose_Game_Event_Player(pGame, 2, 2, 0);
    return tackler;
}

// The kick's first three lines: set to receive, the kick, the catch. The ball
// has already changed hands, but the set-to-receive line speaks of the team
// kicking off as the offence, so it is said with the kickers in possession.
void Say_Kickoff_Lines(GAME_RECORD* pGame, int32_t distance, int32_t kicker_id, int32_t returner_id) {
    const uint8_t receivers = pGame->Possession_Team;
    pGame->Possession_Team = pGame->Team[1 - Get_Offense_Side(pGame)];
    Say(pGame, 38, distance, 0, kicker_id, -1);
    pGame->Possession_Team = receivers;
    Say(pGame, 39, distance, 0, kicker_id, returner_id);
    Say(pGame, 40, distance, 0, returner_id, -1);
}
} // namespace

void Start_Game_Period(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    pGame->Timeouts[0] = 3;
    pGame->Timeouts[1] = 3;
    Clear_Red_Zone_Flags(pGame);
    const int32_t coin = (pGame->Down_Word & COIN_TOSS_BIT) ? 1 : 0;
    int32_t receiver = 0;
    if (pGame->Clock == 0) {
        receiver = 1 - coin;
    } else if (pGame->Clock == 1800) {
        receiver = coin;
    } else {
        receiver = Get_User_Preference(OVERTIME_HOME_RECEIVES) == 1 ? 1 : Play_Random_Below(2) % 2;
        const int32_t timeouts = Is_Regular_Season_Game(pGame) ? 2 : 3;
        pGame->Timeouts[0] = timeouts;
        pGame->Timeouts[1] = timeouts;
    }
    pGame->Possession_Team = pGame->Team[1 - receiver];
    Set_Game_Down(pGame, KICKOFF_DOWN);
    pGame->Yards_To_Goal = static_cast<int8_t>(Get_Kickoff_Spot());
    Stop_Game_Clock(pGame);
    // With the kickoff down set, the quarter is the period that starts here.
    Write_Period_Header(pGame, Get_Game_Quarter(pGame));
}

void Resolve_Kickoff(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t kicking_side = Get_Offense_Side(pGame);
    const int32_t receiving_side = 1 - kicking_side;
    const int32_t receiving_team = pGame->Team[receiving_side];
    const int32_t returner = Field_Slot(pGame, receiving_side, 0);
    const int32_t kicker_id = Field_Id(pGame, kicking_side, 0);
    const int32_t returner_id = Field_Id(pGame, receiving_side, 0);
    const bool squib = pGame->Current_Play.Offensive_Play % 10 == KICKOFF_ROW_SQUIB;

    int32_t distance = 0;
    if (squib) {
        distance = 40 + Play_Random_Below(10);
        distance += Play_Random_Below(10);
    } else {
        distance = 50 + Play_Random_Below(15);
        distance += Play_Random_Below(15);
    }
    pGame->Yards_To_Goal = static_cast<int8_t>(pGame->Yards_To_Goal - distance);
    Set_Current_Play_Result(pGame, RESULT_KICKOFF_RETURNED);
    Change_Possession(pGame);

    if (pGame->Yards_To_Goal > 99) {
        Stop_Game_Clock(pGame);
        pGame->Yards_To_Goal = static_cast<int8_t>(Get_Kickoff_Touchback_Spot());
        Set_Current_Play_Result(pGame, RESULT_KICKOFF_TOUCHBACK);
        pGame->Snap_Yards = 0;
        pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 5 + Play_Random_Below(4));
        Set_Play_Role_Ids(&pGame->Current_Play, ROLE_RETURNER, returner_id);
        pGame->Current_Play.Yard1 = 0;
        pGame->Current_Play.Yard2 = 80;
        Say_Kickoff_Lines(pGame, distance, kicker_id, returner_id);
        return;
    }

    int32_t yards = Get_Kick_Return_Yards(receiving_team, returner, squib ? 1 : 0);
    int32_t tackler = NO_FIELD_PLAYER;
    const bool touchdown = yards >= pGame->Yards_To_Goal;
    if (!touchdown) {
        tackler = Choose_Kick_Tackler(pGame);
        Credit_Defender(pGame, tackler, 2, 1);
    } else {
        Set_Current_Play_Result(pGame, RESULT_KICKOFF_RETURN_TOUCHDOWN);
        Credit_Game_Stat(pGame, receiving_team, returner, RETURN_GROUP, 16, 1);
        yards = pGame->Yards_To_Goal;
    }
    Credit_Game_Stat(pGame, receiving_team, returner, RETURN_GROUP, 14, 1);
    Credit_Game_Stat(pGame, receiving_team, returner, RETURN_GROUP, 15, yards);
    if (!Is_Conversion(pGame)) {
        Increment_Game_Team_Stat(pGame, receiving_side, GAME_STAT_KICKOFF_RETURNS);
        Increment_Game_Team_Total(pGame, receiving_side, GAME_TOTAL_KICKOFF_RETURN_YARDS, yards);
    }
    pGame->Snap_Yards = static_cast<int8_t>(To_Yards_Byte(yards));
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 7 + yards / 7 + Play_Random_Below(4));
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_RETURNER, returner_id);
    pGame->Current_Play.Yard1 = static_cast<int8_t>(To_Yards_Byte(yards));
    pGame->Current_Play.Yard2 =
        static_cast<int8_t>(Clamp_Int(-128, 127, pGame->Yards_To_Goal - pGame->Snap_Yards));

    Say_Kickoff_Lines(pGame, distance, kicker_id, returner_id);
    if (Play_Random_Below(100) < (yards - 15) * 10)
        Say(pGame, 3, 0, 0, Field_Id(pGame, receiving_side, 1 + Play_Random_Below(10)), returner_id);
    Say(pGame, 27, yards, 0, returner_id, -1);
    if (Play_Random_Below(100) < (yards - 35) * 10) Say(pGame, 28, distance, yards, returner_id, -1);
    // The tackle is placed from the kicking spot: the kick's distance less
    // the return, as the punt places its tackle, so the announcer names the
    // yard line the ball is spotted on after the play.
    if (touchdown)
        Say(pGame, 34, 0, 0, returner_id, -1);
    else
        Say(pGame, 21, distance - yards, 0, returner_id, Play_Player_Id(pGame->Team[kicking_side], tackler));
}

void Resolve_Onside_Kick(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t kicking_side = Get_Offense_Side(pGame);
    int32_t distance = 10 + Play_Random_Below(8);
    distance += Play_Random_Below(8);
    pGame->Yards_To_Goal = static_cast<int8_t>(pGame->Yards_To_Goal - distance);
    Say(pGame, 39, distance, 0, Field_Id(pGame, kicking_side, 0), -1);
    if (Play_Random_Below(4) == 0) {
        Say(pGame, 40, 0, 0, Field_Id(pGame, kicking_side, 1 + Play_Random_Below(10)), -1);
        Set_Current_Play_Result(pGame, RESULT_ONSIDE_RECOVERED_EXCLAIMED);
    } else {
        Change_Possession(pGame);
        const int32_t recoverer = Field_Id(pGame, 1 - kicking_side, Play_Random_Below(ON_FIELD_PLAYERS));
        Say(pGame, 31, Play_Random_Below(100) < 50 ? distance : 0, 0, recoverer, -1);
        Set_Current_Play_Result(pGame, RESULT_ONSIDE_RECOVERED);
    }
    Stop_Game_Clock(pGame);
    pGame->Snap_Yards = 0;
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 7 + Play_Random_Below(4));
    // The entry names a player of the team that now has the ball.
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_KICK_RECOVERER,
                      Field_Id(pGame, Get_Offense_Side(pGame), Play_Random_Below(ON_FIELD_PLAYERS)));
    pGame->Current_Play.Yard1 = 0;
    pGame->Current_Play.Yard2 = pGame->Yards_To_Goal;
    Clear_Red_Zone_Flags(pGame);
}

void Resolve_Punt(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t kicking_side = Get_Offense_Side(pGame);
    const int32_t receiving_side = 1 - kicking_side;
    const int32_t kicking_team = pGame->Team[kicking_side];
    const int32_t receiving_team = pGame->Team[receiving_side];
    const int32_t punter = Field_Slot(pGame, kicking_side, 0);
    const int32_t returner = Field_Slot(pGame, receiving_side, 0);
    const int32_t punter_id = Play_Player_Id(kicking_team, punter);
    const int32_t returner_id = Play_Player_Id(receiving_team, returner);
    if (Is_Past_Regulation(pGame))
        pGame->Overtime_Possessions = static_cast<int16_t>(pGame->Overtime_Possessions | (1 << kicking_side));
    Set_Game_Down(pGame, PUNT_DOWN);

    const float average = static_cast<float>(Punt_Average(Kicking_Year())) / 10.0f;
    const int32_t cap = pGame->Yards_To_Goal - 2;
    const float factor = Get_Kick_Distance_Factor(pGame);
    const float punting = Get_Player_Rating(kicking_team, punter, RATING_PUNT_DISTANCE);
    int32_t distance = static_cast<int32_t>(factor * (punting / 3.0f + 70.0f) * average / 93.333336f);
    if (distance > cap) distance = cap;
    const double u1 = Uniform();
    const double u2 = Uniform();
    double kicked = 1.06 * distance * (0.85 + 0.3 * u1) * (0.85 + 0.3 * u2);
    if (Uniform() * 400.0 < kicked) kicked += 15.0 * Uniform();
    distance = static_cast<int32_t>(kicked);
    if (distance >= pGame->Yards_To_Goal) {
        const double pin = Uniform() * 50.0;
        if (Get_Player_Rating(kicking_team, punter, RATING_PUNT_ACCURACY) > 50.0 + (pin > 0.0 ? pin : 0.0))
            distance = pGame->Yards_To_Goal - 1 - Play_Random_Below(9);
    }

    int32_t spot = pGame->Yards_To_Goal - distance;
    Set_Current_Play_Result(pGame, RESULT_PUNT_RETURNED);
    const int32_t fair_catch = spot < 10 ? 0 : (static_cast<int32_t>(average) - distance) * 2 + 30;
    pGame->Snap_Yards = 0;
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_RETURNER, returner_id, ROLE_PUNTER, punter_id);
    pGame->Current_Play.Yard2 = 0;
    // A punt into the end zone comes out to the 20 and counts to the goal
    // line. The entry holds the distance before the kick is told: the lines
    // of the kick read it.
    const bool touchback = spot < 1;
    if (touchback) {
        distance += spot;
        spot = 20;
    }
    pGame->Current_Play.Yard1 = static_cast<int8_t>(Clamp_Int(-128, 127, distance));
    if (touchback) {
        Stop_Game_Clock(pGame);
        pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 7 + Play_Random_Below(4));
        Set_Current_Play_Result(pGame, RESULT_PUNT_TOUCHBACK);
        Credit_Game_Stat(pGame, kicking_team, punter, KICKING_GROUP, 6, 1);
        Set_Play_Role_Ids(&pGame->Current_Play, ROLE_PUNTER, punter_id);
        Say(pGame, 38, distance, 0, punter_id, -1);
        Say(pGame, 39, distance, 0, punter_id, returner_id);
        Say(pGame, 40, distance, 0, returner_id, -1);
    } else if (Play_Random_Below(100) < fair_catch) {
        Stop_Game_Clock(pGame);
        pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 7 + Play_Random_Below(4));
        Say(pGame, 38, distance, 0, punter_id, -1);
        Say(pGame, 39, distance, 0, punter_id, returner_id);
        Say(pGame, 40, distance, 0, returner_id, -1);
    } else {
        int32_t yards = Get_Punt_Return_Yards(receiving_team, returner, distance);
        pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 9 + yards / 7 + Play_Random_Below(4));
        const bool touchdown = yards >= 100 - spot;
        int32_t tackler = NO_FIELD_PLAYER;
        if (!touchdown) {
            // The tackler comes from the kicking team: it is the defence of
            // the record only once the receivers hold the ball.
            pGame->Possession_Team = static_cast<uint8_t>(receiving_team);
            tackler = Choose_Game_Event_Player(pGame, 2, 2, 0);
            Credit_Defender(pGame, tackler, 2, 1);
            pGame->Possession_Team = static_cast<uint8_t>(kicking_team);
        } else {
            Set_Current_Play_Result(pGame, RESULT_PUNT_RETURN_TOUCHDOWN);
            Credit_Game_Stat(pGame, receiving_team, returner, RETURN_GROUP, 19, 1);
            yards = 100 - spot;
        }
        Credit_Game_Stat(pGame, receiving_team, returner, RETURN_GROUP, 17, 1);
        Credit_Game_Stat(pGame, receiving_team, returner, RETURN_GROUP, 18, yards);
        if (!Is_Conversion(pGame)) {
            Increment_Game_Team_Stat(pGame, receiving_side, GAME_STAT_PUNT_RETURNS);
            Increment_Game_Team_Total(pGame, receiving_side, GAME_TOTAL_PUNT_RETURN_YARDS, yards);
        }
        pGame->Current_Play.Yard2 = static_cast<int8_t>(Clamp_Int(-128, 127, yards));
        pGame->Snap_Yards = static_cast<int8_t>(To_Yards_Byte(yards));
        Say(pGame, 38, distance, 0, punter_id, -1);
        Say(pGame, 39, distance, 0, punter_id, returner_id);
        Say(pGame, 40, distance, 0, returner_id, -1);
        if (Play_Random_Below(100) > (yards - 6) * 10) {
            Say(pGame, 27, yards, 0, returner_id, -1);
        } else {
            const int32_t blocker = Field_Slot(pGame, receiving_side, 1 + Play_Random_Below(10));
            if (blocker != returner)
                Say(pGame, 3, 0, 0, Play_Player_Id(receiving_team, blocker), returner_id);
            if (Play_Random_Below(100) < 6 * yards) Say(pGame, 27, yards, 0, returner_id, -1);
            if (Play_Random_Below(100) < (yards - 20) * 5)
                Say(pGame, 28, distance - 10, yards - 10, returner_id, -1);
            else if (Play_Random_Below(100) < (yards - 10) * 5)
                Say(pGame, 20, 0, 0, returner_id, -1);
        }
        if (touchdown)
            Say(pGame, 34, 0, 0, returner_id, -1);
        else
            Say(pGame, 21, distance - yards, 0, returner_id, Play_Player_Id(kicking_team, tackler));
    }
    pGame->Yards_To_Goal = static_cast<int8_t>(spot);

    if (!Is_Conversion(pGame)) {
        Increment_Game_Team_Stat(pGame, kicking_side, GAME_STAT_PUNTS);
        Increment_Game_Team_Total(pGame, kicking_side, GAME_TOTAL_PUNT_YARDS, distance);
    }
    Change_Possession(pGame);
    Credit_Game_Stat(pGame, kicking_team, punter, KICKING_GROUP, 2, 1);
    Credit_Game_Stat(pGame, kicking_team, punter, KICKING_GROUP, 3, distance);
    Keep_Longest_Punt(kicking_team, punter, distance);
}

int32_t Get_Kick_Return_Yards(int32_t team, int32_t slot, int32_t squib) {
    const float returns = Get_Player_Rating(team, slot, RATING_KICK_RETURNS);
    const float vision = Get_Player_Rating(team, slot, RATING_VISION);
    const float quickness = Get_Player_Rating(team, slot, RATING_QUICKNESS);
    const float speed = Get_Player_Rating(team, slot, RATING_SPEED);
    double base = ((5.0 * returns + vision + quickness) - 270.0) * 25.0 / 360.0;
    if (squib) base *= 0.7;
    double chance =
        Return_Touchdown_Chance(Kicking_Year(), 0.006, 0.014, speed, returns, vision, 180.0, 90.0);
    if (squib) chance /= 2.0;
    return Draw_Return_Yards(base, chance);
}

int32_t Get_Punt_Return_Yards(int32_t team, int32_t slot, int32_t punt_distance) {
    const float returns = Get_Player_Rating(team, slot, RATING_PUNT_RETURNS);
    const float vision = Get_Player_Rating(team, slot, RATING_VISION);
    const float quickness = Get_Player_Rating(team, slot, RATING_QUICKNESS);
    const float speed = Get_Player_Rating(team, slot, RATING_SPEED);
    const int32_t year = Kicking_Year();
    const double average = Punt_Average(year);
    const double base =
        (punt_distance / (average / 10.0)) * ((4.0 * returns + quickness - 170.0) * 8.0 / 255.0);
    return Draw_Return_Yards(
        base, Return_Touchdown_Chance(year, 0.011, 0.015, speed, returns, vision, 160.0, 80.0));
}

int32_t Get_Period_Length(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Get_Game_Quarter(pGame) < 5) return QUARTER_SECONDS;
    return Get_Overtime_Period_Length(pGame);
}

int32_t Get_Period_Time_Left(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t quarter = Get_Game_Quarter(pGame);
    if (quarter < 5) return QUARTER_SECONDS * quarter - pGame->Clock;
    const int32_t length = Get_Overtime_Period_Length(pGame);
    return length - (pGame->Clock - REGULATION_END) % length;
}

int32_t Get_Half_Time_Left(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    // Inside a half the clock alone tells; its ends (a try after the whistle
    // still belongs to the half before) and overtime ask the quarter.
    const int32_t clock = pGame->Clock;
    if (clock < 1800) return 1800 - clock;
    if (clock > 1800 && clock < REGULATION_END) return REGULATION_END - clock;
    const int32_t quarter = Get_Game_Quarter(pGame);
    if (quarter <= 2) return 1800 - pGame->Clock;
    if (quarter <= 4) return REGULATION_END - pGame->Clock;
    if (!Is_Overtime_Timed(pGame)) return UNTIMED_OVERTIME_SECONDS;
    return Get_Period_Time_Left(pGame);
}
