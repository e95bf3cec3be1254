#pragma once
// The season simulator tool: plays the current season to its end many times
// from the same league, tallies in "Simulator.dat" how each team fared, and
// reports the tallies as text and as comma-separated values. The league is
// the same afterwards as before.
#include <cstddef>
#include <cstdint>

constexpr const char* SIMULATOR_DATA_FILE = "Simulator.dat";
constexpr const char* SIMULATOR_TEXT_REPORT = "Simulator.txt";
constexpr const char* SIMULATOR_CSV_REPORT = "Simulator.csv";
constexpr int32_t SIMULATOR_TEAMS = 36;
constexpr int32_t SIMULATOR_FINISHES = 9;
constexpr int32_t MOST_SIMULATED_SEASONS = 1000;

// Finish counters: 0 fifth or lower in the division (or not found), 1 fourth,
// 2 third, 3 second, 4 a playoff place or division title (finish code 4 or
// more), 5 first, 6 out in a playoff round, 7 conference champion, 8 league
// champion.
constexpr int32_t FINISH_FIFTH_OR_LOWER = 0;
constexpr int32_t FINISH_PLAYOFFS = 4;
constexpr int32_t FINISH_FIRST = 5;
constexpr int32_t FINISH_PLAYOFF_ROUND = 6;
constexpr int32_t FINISH_CHAMPION = 8;

#pragma pack(push, 1)
// "Simulator.dat": 7,544 bytes, little-endian, indexed by team slot.
struct SIMULATOR_RECORD {
    int32_t Seasons;
    int32_t Finishes[SIMULATOR_TEAMS][SIMULATOR_FINISHES];
    // The games the points below came from: the regular season's and the
    // playoffs'. (A file written before the playoff games were counted holds
    // the regular season's alone for its earlier seasons.)
    int32_t Games[SIMULATOR_TEAMS];
    int32_t Wins[SIMULATOR_TEAMS];
    int32_t Losses[SIMULATOR_TEAMS];
    int32_t Points_Scored[SIMULATOR_TEAMS];
    int32_t Points_Allowed[SIMULATOR_TEAMS];
    // Kept as read: an older tool of this family stored player tables here.
    int32_t Kept[1201];
    int64_t Revenue[SIMULATOR_TEAMS];
    int64_t Profit[SIMULATOR_TEAMS];
    int32_t Attendance[SIMULATOR_TEAMS];
};
#pragma pack(pop)
static_assert(sizeof(SIMULATOR_RECORD) == 7544);
static_assert(offsetof(SIMULATOR_RECORD, Games) == 1300);
static_assert(offsetof(SIMULATOR_RECORD, Points_Allowed) == 1876);
static_assert(offsetof(SIMULATOR_RECORD, Kept) == 2020);
static_assert(offsetof(SIMULATOR_RECORD, Revenue) == 6824);
static_assert(offsetof(SIMULATOR_RECORD, Profit) == 7112);
static_assert(offsetof(SIMULATOR_RECORD, Attendance) == 7400);

// The number of runs asked for while the simulator runs, 0 otherwise. Clearing
// it (Stop_Simulation does) stops the simulator after the season being played.
extern int32_t Simulator_Seasons;
// The run being played while the simulator runs, from 0.
extern int32_t Simulator_Run_Index;

// Plays the season `seasons` times from the league as it is, adding each
// finished run to "Simulator.dat", then restores the league and writes both
// reports. A run that is stopped adds nothing.
void Run_Season_Simulator(int32_t seasons);

// Reads "Simulator.dat" into `record`. A missing file is created as zeros; a
// file of another size than the record's is cleared, with a notice, and read
// as zeros. False, after telling the user, when it cannot be opened or read
// (a folder of that name): `record` is then zeros and the file is left alone.
bool Read_Simulator_Data(SIMULATOR_RECORD* record);
// Writes the record through a replacement file; false, after telling the user,
// when it cannot be written.
bool Write_Simulator_Data(const SIMULATOR_RECORD& record);
// Writes a zero record; false when it cannot be written.
bool Reset_Simulator_Data();

// Adds the season just played by the league in the block to the record: each
// active team's record, finish, points and finances.
void Add_Season_To_Simulator_Record(SIMULATOR_RECORD* record);

constexpr int32_t SIMULATOR_REPORT_TEXT = 0;
constexpr int32_t SIMULATOR_REPORT_CSV = 1;
// Writes "Simulator.txt" (text) or "Simulator.csv" (comma-separated) from
// "Simulator.dat" and the league's divisions.
void Write_Simulator_Report(int32_t format);
// A sum per season in hundredths, rounded half up; 0 over no seasons.
int32_t Get_Simulator_Average_Hundredths(int64_t sum, int64_t seasons);
