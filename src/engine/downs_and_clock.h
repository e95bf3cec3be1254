#pragma once
// Down, distance, clock and score: the time queries of a game, the pre-snap
// run-off and timeouts, the down update after each snap, the period events and
// the red-zone bookkeeping.
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int32_t QUARTER_SECONDS = 900;
constexpr int32_t TWO_MINUTE_WARNING_SECONDS = 120;
// The untimed overtime's "time left in the game".
constexpr int32_t UNTIMED_OVERTIME_SECONDS = 9000;
constexpr int32_t RED_ZONE_YARDS = 20;

// Red-zone trips by the yards to goal at which they began on first down (1-20),
// with their field goals and touchdowns; since the program started.
extern int32_t Red_Zone_Counts[RED_ZONE_YARDS + 1];
extern int32_t Red_Zone_Field_Goal_Counts[RED_ZONE_YARDS + 1];
extern int32_t Red_Zone_Touchdown_Counts[RED_ZONE_YARDS + 1];
// Appends the red-zone tables to "RedZone.csv".
void Write_Red_Zone_File();

// True for a game of a week before Season_Length: the one test of the
// regular season for every overtime rule of a game.
bool Is_Regular_Season_Game(const GAME_RECORD* pGame);
// Overtime mode of the game: setting 45 in the regular season, 46 in playoffs.
int32_t Get_Game_Overtime_Rule(const GAME_RECORD* pGame);
// Overtime modes 0 and 1 are played on the clock; 2 and 3 are not.
bool Is_Overtime_Timed(const GAME_RECORD* pGame);
// Seconds of an overtime period: Overtime_Minutes in the regular season (a
// full quarter when the league holds no positive length), 900 in the playoffs.
int32_t Get_Overtime_Period_Length(const GAME_RECORD* pGame);
// 0 first half, 1 second half, 2 overtime.
int32_t Get_Game_Half(const GAME_RECORD* pGame);
// 3,600 - clock in regulation; the period's time in a timed overtime; 9,000
// in an untimed one.
int32_t Get_Game_Time_Left(const GAME_RECORD* pGame);
// The side in possession would hurry to stop the clock.
bool Is_Hurry_Up_Offense(const GAME_RECORD* pGame);
// Second half, under two minutes left and the offence leads; or a blow-out.
bool Is_Kneel_Down_Situation(const GAME_RECORD* pGame);
// Too little time in the half for a normal play.
bool Is_Clock_Short(const GAME_RECORD* pGame);
// The snap's seconds use up the period (never on a try).
bool Does_Snap_End_Period(const GAME_RECORD* pGame);
// The ball carrier went out of bounds: tempo bit, and late in a half the clock
// stops.
void Set_Out_Of_Bounds(GAME_RECORD* pGame);
// Adds points to a side; in the fourth quarter a change of blow-out state
// rebuilds both game depth charts.
void Add_Game_Points(GAME_RECORD* pGame, int32_t side, int32_t points);

// Yards to the goal of the kicking team at a kickoff (Kickoff_Spot_Code).
int32_t Get_Kickoff_Spot();
// Yards to the goal after a kickoff touchback (Kickoff_Touchback_Rule).
int32_t Get_Kickoff_Touchback_Spot();

// Team stat 12 of the team record: set while its possession is inside the 20.
void Set_Red_Zone_Flag(int32_t team, int32_t value);
// Clears the flags of both teams of the game.
void Clear_Red_Zone_Flags(const GAME_RECORD* pGame);

// Before the snap: timeouts and the seconds that run off between plays.
void Run_Pre_Snap_Clock(GAME_RECORD* pGame);
// Before the snap: counts a new red-zone trip of the offence.
void Check_Red_Zone(GAME_RECORD* pGame);
// After the play: clock, chains, score, try and kickoff downs, logging.
void Update_Down_And_Distance(GAME_RECORD* pGame);
// After the update: period ends, two-minute warning, end of quarters 1 and 3.
void Run_Period_Events(GAME_RECORD* pGame);
// After a play from scrimmage: the result counters of both playbooks.
void Record_Play_Result_Data(GAME_RECORD* pGame);
