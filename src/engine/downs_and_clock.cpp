#include "engine/downs_and_clock.h"

#include <cstdio>

#include "app/diagnostics.h"
#include "database/game_queries.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/formations.h"
#include "engine/game_driver.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/kicking_plays.h"
#include "engine/log_rows.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "engine/pregame_setup.h"
#include "engine/snap_decisions.h"
#include "platform/message_box.h"
#include "playbooks/playbook_queries.h"

int32_t Red_Zone_Counts[RED_ZONE_YARDS + 1];
int32_t Red_Zone_Field_Goal_Counts[RED_ZONE_YARDS + 1];
int32_t Red_Zone_Touchdown_Counts[RED_ZONE_YARDS + 1];

namespace {

constexpr int32_t SAFETY_FREE_KICK_SPOT = 80;
constexpr int32_t TRY_SPOT = 2;
// Set by the down update for the period events of the same snap.
bool Snap_Was_Try = false;
int Snap_Possession_Side = 0;

int32_t Score_Lead(const GAME_RECORD* pGame, int side) {
    return pGame->Score[side] - pGame->Score[1 - side];
}

int32_t Half_Time_Left(const GAME_RECORD* pGame) {
    return Get_Half_Time_Left(pGame);
}

int32_t Period_Time_Left(const GAME_RECORD* pGame) {
    return Get_Period_Time_Left(pGame);
}

bool Is_Game_Blowout(const GAME_RECORD* pGame) {
    return Is_Blowout_Score(Get_Game_Quarter(pGame), pGame->Score[0] - pGame->Score[1],
                            Get_Game_Time_Left(pGame));
}

// Side that had the ball when the snap began: a change of possession on the
// snap has already handed the ball over.
int Snap_Offense_Side(const GAME_RECORD* pGame) {
    int side = Get_Offense_Side(pGame);
    return (pGame->Down_Word & POSSESSION_CHANGE_BITS) ? 1 - side : side;
}

int8_t To_Byte(int32_t value) {
    return static_cast<int8_t>(Clamp_Int(-128, 127, value));
}

int32_t First_Down_Distance(int32_t yards_to_goal) {
    return yards_to_goal < 11 ? yards_to_goal : 10;
}

bool Red_Zone_Flag(int32_t team) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) return false;
    return Get_Team_Stat(team, TEAM_STAT_RED_ZONE) != 0;
}

// The yard line at which the side's red-zone trip began on first down (1-20),
// or 0 when it began later or is out of range.
int32_t Red_Zone_Start(const GAME_RECORD* pGame, int side) {
    int32_t start = pGame->Team_Stats[side][GAME_STAT_RED_ZONE_START];
    return start >= 1 && start <= RED_ZONE_YARDS ? start : 0;
}

// Gives the ball to the other team after a failed fourth down.
void Turn_Over_On_Downs(GAME_RECORD* pGame) {
    int side = Get_Offense_Side(pGame);
    pGame->Possession_Team = pGame->Team[1 - side];
    pGame->Yards_To_Goal = To_Byte(100 - pGame->Yards_To_Goal);
    Set_Game_Down(pGame, 0);
    Clear_Red_Zone_Flags(pGame);
}

void Update_Kept_Ball(GAME_RECORD* pGame, uint32_t down_before, int32_t result) {
    int side = Get_Offense_Side(pGame);
    if (down_before == 2) Increment_Game_Team_Total(pGame, side, GAME_TOTAL_THIRD_DOWN_ATTEMPTS, 1);
    if (down_before == 3) Increment_Game_Team_Total(pGame, side, GAME_TOTAL_FOURTH_DOWN_ATTEMPTS, 1);
    if (pGame->Snap_Yards < pGame->Yards_To_Go) {
        uint32_t down = Get_Game_Down(pGame);
        if (result != RESULT_PENALTY) ++down;
        Set_Game_Down(pGame, down);
        pGame->Yards_To_Go = To_Byte(pGame->Yards_To_Go - pGame->Snap_Yards);
        if (down == 4) {
            if (Is_Past_Regulation(pGame)) pGame->Overtime_Possessions |= static_cast<int16_t>(1 << side);
            if (!Is_Game_Over(pGame)) Turn_Over_On_Downs(pGame);
        } else if (down > 4) {
            Report_System_Error("Invalid Down Number: %d (CONVERSION_ATTEMPT = 11)\nResult:%d\nPlay "
                                "Yards:%d\nYardline:%d\n",
                                static_cast<int>(down), result, pGame->Snap_Yards, pGame->Yards_To_Goal);
        }
        return;
    }
    if (down_before == 2) Increment_Game_Team_Total(pGame, side, GAME_TOTAL_THIRD_DOWN_CONVERSIONS, 1);
    if (down_before == 3) Increment_Game_Team_Total(pGame, side, GAME_TOTAL_FOURTH_DOWN_CONVERSIONS, 1);
    Set_Game_Down(pGame, 0);
    pGame->Yards_To_Go = To_Byte(First_Down_Distance(pGame->Yards_To_Goal));
    Increment_Game_Team_Total(pGame, side, GAME_TOTAL_FIRST_DOWNS, 1);
}

void Update_After_Scrimmage_Or_Kick(GAME_RECORD* pGame, uint32_t down_before, int32_t result) {
    int side = Get_Offense_Side(pGame);
    int32_t team = pGame->Possession_Team;
    if (result == RESULT_FIELD_GOAL_GOOD) {
        Set_Game_Down(pGame, KICKOFF_DOWN);
        pGame->Yards_To_Goal = To_Byte(Get_Kickoff_Spot());
        if (Red_Zone_Flag(team)) {
            Increment_Game_Team_Stat(pGame, side, GAME_STAT_RED_ZONE_FIELD_GOALS);
            ++Red_Zone_Field_Goal_Counts[Red_Zone_Start(pGame, side)];
            Clear_Red_Zone_Flags(pGame);
        }
    } else if (result == RESULT_SAFETY) {
        Add_Game_Points(pGame, 1 - side, 2);
        Draw_Scoreboard(pGame);
        Set_Game_Down(pGame, FREE_KICK_DOWN);
        pGame->Yards_To_Goal = SAFETY_FREE_KICK_SPOT;
    } else if (pGame->Yards_To_Goal < 1) {
        Add_Game_Points(pGame, side, 6);
        Draw_Scoreboard(pGame);
        // The trip's touchdown belongs to the scoring snap, so it is counted
        // before the down becomes the try (the try ignores game team stats).
        if (Red_Zone_Flag(team)) {
            Increment_Game_Team_Stat(pGame, side, GAME_STAT_RED_ZONE_TOUCHDOWNS);
            ++Red_Zone_Touchdown_Counts[Red_Zone_Start(pGame, side)];
            Clear_Red_Zone_Flags(pGame);
        }
        Set_Game_Down(pGame, CONVERSION_ATTEMPT);
        pGame->Yards_To_Goal = TRY_SPOT;
    } else if (down_before == KICKOFF_DOWN || down_before == FREE_KICK_DOWN || down_before == 10) {
        Set_Game_Down(pGame, 0);
    } else if ((pGame->Down_Word & POSSESSION_CHANGE_BITS) == 0) {
        Update_Kept_Ball(pGame, down_before, result);
    }
}

void Update_After_Try(GAME_RECORD* pGame, int32_t result) {
    if (result != RESULT_EXTRA_POINT_GOOD && result != RESULT_EXTRA_POINT_MISSED) {
        if (pGame->Yards_To_Goal < 1) {
            Add_Game_Points(pGame, Get_Offense_Side(pGame), 2);
            Set_Current_Play_Result(pGame, RESULT_TWO_POINT_GOOD);
        } else {
            Set_Current_Play_Result(pGame, RESULT_TWO_POINT_FAILED);
        }
        Draw_Scoreboard(pGame);
    }
    Set_Game_Down(pGame, KICKOFF_DOWN);
    pGame->Snap_Seconds = 1;
    pGame->Yards_To_Goal = To_Byte(Get_Kickoff_Spot());
}

// Takes back the seconds a snap ran past a clock mark from the time of
// possession they were added to: the side that held the ball after the play,
// even when a turnover on downs has handed it over since. A touchdown that
// leaves a try pending gives them back too (the try itself counts no totals,
// hence the direct write), so the time of possession never runs ahead of the
// clock.
void Return_Excess_Seconds(GAME_RECORD* pGame, int32_t excess) {
    if (excess <= 0) return;
    uint16_t& seconds = pGame->Team_Totals[Snap_Possession_Side][GAME_TOTAL_POSSESSION_SECONDS];
    seconds = static_cast<uint16_t>(seconds - excess);
}

void Add_Result_Counts(uint16_t& called, uint16_t& yards, uint8_t& turnovers, uint8_t& touchdowns,
                       uint8_t& successes, uint8_t& sacks, bool turnover, int32_t gain, int32_t to_go,
                       int32_t result) {
    // A one-byte counter stops at 255: wrapping back to 0 would show a play
    // called for seasons as one that never gained a first down.
    auto bump = [](uint8_t& counter) {
        if (counter < 255) ++counter;
    };
    ++called;
    if (turnover) {
        bump(turnovers);
        return;
    }
    yards = static_cast<uint16_t>(yards + gain);
    if (Is_Touchdown_Counter_Result(result)) bump(touchdowns);
    if (gain >= to_go) bump(successes);
    if (Is_Sack_Counter_Result(result)) bump(sacks);
}

} // namespace

void Write_Red_Zone_File() {
    FILE* file = std::fopen("RedZone.csv", "a");
    if (file == nullptr) {
        Log_Debug_Line("Unable to open RedZone.csv");
        return;
    }
    for (int yard = 1; yard <= RED_ZONE_YARDS; ++yard)
        std::fprintf(file, "%d,%d,%d,%d\n", yard, Red_Zone_Counts[yard], Red_Zone_Field_Goal_Counts[yard],
                     Red_Zone_Touchdown_Counts[yard]);
    std::fclose(file);
}

bool Is_Regular_Season_Game(const GAME_RECORD* pGame) {
    return pGame->Week < Universe.Season_Length;
}

int32_t Get_Game_Overtime_Rule(const GAME_RECORD* pGame) {
    return Get_User_Preference(Is_Regular_Season_Game(pGame) ? REGULAR_SEASON_OVERTIME_RULE
                                                             : PLAYOFF_OVERTIME_RULE);
}

bool Is_Overtime_Timed(const GAME_RECORD* pGame) {
    int32_t rule = Get_Game_Overtime_Rule(pGame);
    return rule != 2 && rule != 3;
}

int32_t Get_Overtime_Period_Length(const GAME_RECORD* pGame) {
    if (!Is_Regular_Season_Game(pGame)) return QUARTER_SECONDS;
    // A period must be able to run out, so a league saved without an
    // overtime length plays full quarters.
    const int32_t minutes = Get_User_Preference(OVERTIME_MINUTES);
    return minutes > 0 ? minutes * 60 : QUARTER_SECONDS;
}

int32_t Get_Game_Half(const GAME_RECORD* pGame) {
    if (pGame->Clock < HALF_SECONDS) return 0;
    return pGame->Clock < REGULATION_SECONDS ? 1 : 2;
}

int32_t Get_Game_Time_Left(const GAME_RECORD* pGame) {
    if (pGame->Clock < REGULATION_SECONDS) return REGULATION_SECONDS - pGame->Clock;
    return Is_Overtime_Timed(pGame) ? Period_Time_Left(pGame) : UNTIMED_OVERTIME_SECONDS;
}

bool Is_Hurry_Up_Offense(const GAME_RECORD* pGame) {
    if (Is_Game_Blowout(pGame)) return false;
    if (Get_Game_Half(pGame) == 0) return Half_Time_Left(pGame) < TWO_MINUTE_WARNING_SECONDS;
    int32_t left = Get_Game_Time_Left(pGame);
    int32_t lead = Score_Lead(pGame, Get_Offense_Side(pGame));
    return (left < 600 && lead <= -9) || (left < 240 && lead <= 0);
}

bool Is_Kneel_Down_Situation(const GAME_RECORD* pGame) {
    if (Get_Game_Half(pGame) >= 1 && Get_Game_Time_Left(pGame) < TWO_MINUTE_WARNING_SECONDS &&
        Score_Lead(pGame, Get_Offense_Side(pGame)) > 0)
        return true;
    return Is_Game_Blowout(pGame);
}

bool Is_Clock_Short(const GAME_RECORD* pGame) {
    if (pGame->Clock >= REGULATION_SECONDS && !Is_Overtime_Timed(pGame)) return false;
    int32_t left = Half_Time_Left(pGame);
    return Is_Clock_Stopped(pGame) ? left < 12 : left < 40;
}

bool Does_Snap_End_Period(const GAME_RECORD* pGame) {
    if (Get_Game_Down(pGame) == CONVERSION_ATTEMPT) return false;
    return pGame->Snap_Seconds >= Period_Time_Left(pGame);
}

void Set_Out_Of_Bounds(GAME_RECORD* pGame) {
    pGame->Down_Word |= Is_Hurry_Up_Offense(pGame) ? OUT_OF_BOUNDS_HURRY_BIT : OUT_OF_BOUNDS_BIT;
    int32_t quarter = Get_Game_Quarter(pGame);
    int32_t left = Period_Time_Left(pGame);
    if ((quarter == 2 && left <= 120) || (quarter == 4 && left <= 300)) Stop_Game_Clock(pGame);
}

void Add_Game_Points(GAME_RECORD* pGame, int32_t side, int32_t points) {
    if (side != 0 && side != 1) {
        Report_System_Error("Invalid bTeam passed to Add_Game_Points(pGame,[%d],%d)", side, points);
        return;
    }
    bool was_blowout = Is_Game_Blowout(pGame);
    pGame->Score[side] += points;
    if (Get_Game_Quarter(pGame) == 4 && Is_Game_Blowout(pGame) != was_blowout)
        Update_Game_Depth_Charts(pGame);
}

int32_t Get_Kickoff_Spot() {
    switch (Get_User_Preference(KICKOFF_SPOT_CODE)) {
    case 0:
        return 70;
    case 2:
        return 60;
    default:
        return 65;
    }
}

int32_t Get_Kickoff_Touchback_Spot() {
    return Get_User_Preference(KICKOFF_TOUCHBACK_RULE) == 1 ? 75 : 80;
}

void Set_Red_Zone_Flag(int32_t team, int32_t value) {
    Set_Team_Stat(team, TEAM_STAT_RED_ZONE, value);
}

void Clear_Red_Zone_Flags(const GAME_RECORD* pGame) {
    Set_Red_Zone_Flag(pGame->Team[0], 0);
    Set_Red_Zone_Flag(pGame->Team[1], 0);
}

void Run_Pre_Snap_Clock(GAME_RECORD* pGame) {
    int off = Get_Offense_Side(pGame);
    int def = 1 - off;
    bool watched = Is_Game_Play_By_Play(pGame);
    if (!Is_Clock_Stopped(pGame)) {
        int32_t left = Half_Time_Left(pGame);
        bool offense_calls = !watched || !Is_Team_User_Called(pGame->Team[off]);
        bool defense_calls = !watched || !Is_Team_User_Called(pGame->Team[def]);
        bool late_lead = Get_Game_Quarter(pGame) == 4 && Score_Lead(pGame, off) > 0;
        if (offense_calls && left < 40 * pGame->Timeouts[off] && !late_lead) {
            --pGame->Timeouts[off];
            Stop_Game_Clock(pGame);
        } else if (defense_calls && Score_Lead(pGame, off) > 0 && left < TWO_MINUTE_WARNING_SECONDS &&
                   Get_Game_Half(pGame) >= 1 && pGame->Timeouts[def] > 0) {
            --pGame->Timeouts[def];
            Stop_Game_Clock(pGame);
        }
    }
    if (Is_Clock_Stopped(pGame)) {
        pGame->Snap_Seconds = 0;
        return;
    }
    bool out_of_bounds = (pGame->Down_Word & (OUT_OF_BOUNDS_BIT | OUT_OF_BOUNDS_HURRY_BIT)) != 0;
    if (Is_Hurry_Up_Offense(pGame))
        pGame->Snap_Seconds = out_of_bounds ? 2 : 12;
    else
        pGame->Snap_Seconds = out_of_bounds ? 14 : 37;
}

void Check_Red_Zone(GAME_RECORD* pGame) {
    uint32_t down = Get_Game_Down(pGame);
    int32_t team = pGame->Possession_Team;
    if (down > 3 || pGame->Yards_To_Goal > RED_ZONE_YARDS || Red_Zone_Flag(team)) return;
    if (team >= TOTAL_NUMBER_OF_TEAMS) return;
    int side = Get_Offense_Side(pGame);
    Set_Red_Zone_Flag(team, 1);
    Increment_Game_Team_Stat(pGame, side, GAME_STAT_RED_ZONE_TRIPS);
    if (down == 0 && pGame->Yards_To_Goal >= 1) {
        Set_Game_Team_Stat(pGame, side, GAME_STAT_RED_ZONE_START, pGame->Yards_To_Goal);
        ++Red_Zone_Counts[pGame->Yards_To_Goal];
    } else {
        Set_Game_Team_Stat(pGame, side, GAME_STAT_RED_ZONE_START, 0);
    }
}

void Update_Down_And_Distance(GAME_RECORD* pGame) {
    uint32_t down_before = Get_Game_Down(pGame);
    int32_t result = Get_Current_Play_Result(pGame);
    bool is_try = down_before == CONVERSION_ATTEMPT;
    Snap_Was_Try = is_try;
    int32_t seconds = is_try ? 0 : pGame->Snap_Seconds;
    if (seconds < 0) seconds = 0;
    int32_t period_left = Period_Time_Left(pGame);
    if (seconds > period_left) seconds = period_left;
    pGame->Snap_Seconds = static_cast<int8_t>(Clamp_Int(0, 127, seconds));
    pGame->Clock = static_cast<int16_t>(pGame->Clock + seconds);
    // The snap's time belongs to the side holding the ball after the play: a
    // kick's or a return's seconds go to the team that fielded it.
    Snap_Possession_Side = Get_Offense_Side(pGame);
    Increment_Game_Team_Total(pGame, Snap_Possession_Side, GAME_TOTAL_POSSESSION_SECONDS, seconds);

    if (pGame->Down_Word & POSSESSION_CHANGE_BITS) {
        Set_Game_Down(pGame, 0);
        Clear_Red_Zone_Flags(pGame);
    }
    pGame->Yards_To_Goal = To_Byte(pGame->Yards_To_Goal - pGame->Snap_Yards);

    if (is_try)
        Update_After_Try(pGame, result);
    else
        Update_After_Scrimmage_Or_Kick(pGame, down_before, result);

    if (Get_Game_Down(pGame) == 0 && result != RESULT_PENALTY)
        pGame->Yards_To_Go = To_Byte(First_Down_Distance(pGame->Yards_To_Goal));
    Append_Play_To_Log(pGame);
}

void Run_Period_Events(GAME_RECORD* pGame) {
    int32_t seconds = pGame->Snap_Seconds;
    int32_t clock = pGame->Clock;
    bool try_pending = Get_Game_Down(pGame) == CONVERSION_ATTEMPT;
    // Periods end on multiples of 1,800 seconds. The snap was cut to the time
    // left in the period, so the clock stands on the mark; a try (logged as one
    // second that did not run) after a score on the last snap reaches the mark
    // the same way, and only then does the next period start.
    int32_t boundary = clock / HALF_SECONDS * HALF_SECONDS;
    if (boundary > 0 && clock - seconds < boundary) {
        Return_Excess_Seconds(pGame, clock - boundary);
        pGame->Clock = static_cast<int16_t>(boundary);
        if (!try_pending) Start_Game_Period(pGame);
        return;
    }
    // A try runs no clock: its logged second must not raise the two-minute
    // warning or the quarter's end a second time (the scoring snap already
    // did), which would write the quarter's line again and turn the wind back.
    if (Snap_Was_Try) return;
    int32_t left = Half_Time_Left(pGame);
    int32_t quarter = Get_Game_Quarter(pGame);
    if (left < 121 && left + seconds >= 121) {
        int32_t mark;
        if (quarter <= 4)
            mark = quarter * QUARTER_SECONDS - TWO_MINUTE_WARNING_SECONDS;
        else
            mark = 3480 + Get_Period_Length(pGame) * (quarter - 4);
        Return_Excess_Seconds(pGame, clock - mark);
        pGame->Clock = static_cast<int16_t>(mark);
        Stop_Game_Clock(pGame);
        if (Is_Game_Play_By_Play(pGame) && Get_User_Preference(SIM_TO_QUARTER) <= 0)
            Show_Formatted_Message("Two-Minute Warning", "Clock stopped for two-minute warning.");
        return;
    }
    if (left < 901 && left + seconds >= 901) {
        // The end of quarter 1 or 3; in overtime, of a period that is not the
        // last of a half (a 15-minute overtime period lands here on its
        // mark, which the clock keeps rather than going back to 2,700).
        int32_t mark = clock < HALF_SECONDS ? QUARTER_SECONDS : 2700;
        if (clock > REGULATION_SECONDS) {
            const int32_t length = Get_Overtime_Period_Length(pGame);
            mark = REGULATION_SECONDS + (clock - REGULATION_SECONDS) / length * length;
        }
        Return_Excess_Seconds(pGame, clock - mark);
        pGame->Clock = static_cast<int16_t>(mark);
        Stop_Game_Clock(pGame);
        if (pGame->Formation[Get_Offense_Side(pGame)] != FORMATION_CONVERSION_KICK) {
            Write_Period_Header(pGame, Get_Game_Quarter(pGame));
            pGame->Wind_Direction = static_cast<uint16_t>(360 - pGame->Wind_Direction);
        }
    }
}

void Record_Play_Result_Data(GAME_RECORD* pGame) {
    const PLAY_LOG_ENTRY& play = pGame->Current_Play;
    int32_t result = Get_Current_Play_Result(pGame);
    if (result < RESULT_INCOMPLETE_PASS || result > RESULT_FUMBLE_TOUCHDOWN) return;
    int32_t offense_play = play.Offensive_Play;
    int32_t defense_play = play.Defensive_Play;
    if (offense_play >= STORED_OFFENSIVE_PLAYS || defense_play >= DEFENSIVE_PLAYS) return;
    int off = Snap_Offense_Side(pGame);
    int32_t offense = pGame->Team[off];
    int32_t defense = pGame->Team[1 - off];
    OFFENSIVE_PLAYBOOK* offense_book = Get_Team_Offensive_Playbook(offense);
    DEFENSIVE_PLAYBOOK* defense_book = Get_Team_Defensive_Playbook(defense);
    int32_t down = static_cast<int32_t>(play.Play_Word & 0xFF);
    int32_t to_go = static_cast<int32_t>((play.Play_Word >> 8) & 0xFF);
    int32_t gain = pGame->Snap_Yards;
    bool turnover = (pGame->Down_Word & POSSESSION_CHANGE_BITS) != 0;
    if (offense_book != nullptr) {
        bool cuts[OFFENSIVE_SITUATIONS] = {true, down == 2 || down == 3, to_go<4, to_go> 10,
                                           Has_Five_Defenders_Below_Role_4(defense, defense_play)};
        OFFENSIVE_RESULT_DATA& data = offense_book->Results;
        for (int cut = 0; cut < OFFENSIVE_SITUATIONS; ++cut) {
            if (!cuts[cut]) continue;
            Add_Result_Counts(data.Called[offense_play][cut], data.Yards[offense_play][cut],
                              data.Turnovers[offense_play][cut], data.Touchdowns[offense_play][cut],
                              data.First_Downs[offense_play][cut], data.Sacks[offense_play][cut], turnover,
                              gain, to_go, result);
        }
    }
    int32_t category = Get_Offensive_Play_Category(offense, offense_play);
    if (defense_book != nullptr && category >= 0 && category < DEFENSIVE_CATEGORIES) {
        DEFENSIVE_RESULT_DATA& data = defense_book->Results;
        Add_Result_Counts(data.Called[defense_play][category], data.Yards[defense_play][category],
                          data.Turnovers[defense_play][category], data.Touchdowns[defense_play][category],
                          data.First_Downs[defense_play][category], data.Sacks[defense_play][category],
                          turnover, gain, to_go, result);
    }
}
