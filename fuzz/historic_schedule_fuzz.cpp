// Historic schedule files: the input up to its first NUL byte is
// "Input/Schedules/<year>-NFL.csv" of the league's season, the rest its
// "-AFL.csv"; the folder also holds the files of the season before, which
// give every team the season's games. A year is taken only when its files
// give every team of the league the season's games: the season's own files
// when they do, the season before's when the season's own have games that do
// not fit, and nothing (no game left) when the season's own enter none.
// Every game entered pairs two different teams that both list it. The first
// part is also converted as a schedule text export and the converted file
// read back under the same checks.
#include <cstring>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/schedule_entries.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "season/historic_schedules.h"
#include "season/schedule_generation.h"

namespace {
int32_t Count_Scheduled_Games() {
    int32_t games = 0;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week)
            if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) > 0) ++games;
    return games;
}

// Every team's opponent code of every week, in order.
std::vector<int32_t> Get_Schedule_Codes() {
    std::vector<int32_t> codes;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week)
            codes.push_back(Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT));
    return codes;
}

// Whether every franchise of the league plays the season's games.
bool Gives_Every_Team_Its_Season() {
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        int32_t games = 0;
        for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week)
            if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) != 0) ++games;
        if (games != Get_Universe_Stat(GAMES_PER_SEASON)) return false;
    }
    return true;
}

void Check_Pairings() {
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week) {
            const int32_t code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
            if (code == 0) continue;
            const int32_t opponent = (code > 0 ? code : -code) - 1;
            Fuzz_Check(opponent != team, "a team plays itself");
            Fuzz_Check(opponent >= 0 && opponent < Count_Active_Teams(), "a game against no active team");
            const int32_t back = Get_Team_Schedule_Stat(opponent, week, SCHEDULE_OPPONENT);
            Fuzz_Check(back == (code > 0 ? -(team + 1) : team + 1), "the opponent does not list the game");
        }
}

// The season before's files, a round robin of every team, written once; its
// schedule as they enter it.
const std::vector<int32_t>& Write_Season_Before() {
    static std::vector<int32_t> codes;
    if (!codes.empty()) return codes;
    const std::string path = "Input/Schedules/" + std::to_string(Get_Current_Year() - 1) + "-NFL.csv";
    const std::string text =
        Make_Round_Robin_Schedule(Get_Universe_Stat(GAMES_PER_SEASON), 0, Count_Active_Teams());
    Write_Fuzz_File(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    Clear_All_Team_Schedules();
    Read_Schedule_File(path.c_str());
    Fuzz_Check(Gives_Every_Team_Its_Season(), "the season before's files do not give every team its season");
    codes = Get_Schedule_Codes();
    Clear_All_Team_Schedules();
    return codes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Test_League();
    Reset_Fuzz_Messages();
    static int32_t stats[sizeof Universe.Header.Universe_Stats / sizeof(int32_t)];
    static bool kept = false;
    if (!kept) memcpy(stats, Universe.Header.Universe_Stats, sizeof stats);
    kept = true;
    memcpy(Universe.Header.Universe_Stats, stats, sizeof stats);
    const std::vector<int32_t>& season_before = Write_Season_Before();
    Clear_All_Team_Schedules();

    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    const std::string year = std::to_string(Get_Current_Year());
    const std::string nfl = "Input/Schedules/" + year + "-NFL.csv";
    const std::string afl = "Input/Schedules/" + year + "-AFL.csv";
    Write_Fuzz_File(nfl, parts.First, parts.First_Size);
    Write_Fuzz_File(afl, parts.Second, parts.Second_Size);
    const bool taken = Load_Historic_Schedule() != 0;
    const std::vector<int32_t> loaded = Get_Schedule_Codes();
    Fuzz_Check(taken == (Count_Scheduled_Games() > 0),
               "a schedule taken without a game, or games left untaken");
    Fuzz_Check(!taken || Gives_Every_Team_Its_Season(),
               "a year taken that does not give every team its season");
    Check_Pairings();

    // The season's own files alone decide which year is to be taken.
    Clear_All_Team_Schedules();
    const int32_t own = Read_Schedule_File(nfl.c_str()) + Read_Schedule_File(afl.c_str());
    if (own > 0 && Gives_Every_Team_Its_Season())
        Fuzz_Check(taken && loaded == Get_Schedule_Codes(), "the season's own files were not taken");
    else if (own > 0)
        Fuzz_Check(taken && loaded == season_before,
                   "the season before's files were not taken in their place");
    else
        Fuzz_Check(!taken, "a season whose files have no game took a schedule");

    Clear_All_Team_Schedules();
    Write_Fuzz_File("Input/Schedules/export.txt", parts.First, parts.First_Size);
    Fuzz_Check(Write_Schedule_File("export") == 1, "the export was not converted");
    const int32_t entered = Read_Schedule_File("Input/Schedules/export.csv");
    Fuzz_Check(entered == Count_Scheduled_Games(), "the games entered were miscounted");
    Check_Pairings();
    return 0;
}
