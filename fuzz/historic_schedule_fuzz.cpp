// Historic schedule files: the input up to its first NUL byte is
// "Input/Schedules/<year>-NFL.csv" of the league's season, the rest its
// "-AFL.csv". A load either enters a balanced schedule or leaves none, and
// every game entered pairs two different teams that both list it. The first
// part is also converted as a schedule text export and the converted file
// read back under the same checks.
#include <cstring>
#include <string>

#include "database/league_structure.h"
#include "database/schedule_entries.h"
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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Test_League();
    Reset_Fuzz_Messages();
    static int32_t stats[sizeof Universe.Header.Universe_Stats / sizeof(int32_t)];
    static bool kept = false;
    if (!kept) memcpy(stats, Universe.Header.Universe_Stats, sizeof stats);
    kept = true;
    memcpy(Universe.Header.Universe_Stats, stats, sizeof stats);
    Clear_All_Team_Schedules();

    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    const std::string year = std::to_string(Get_Current_Year());
    Write_Fuzz_File("Input/Schedules/" + year + "-NFL.csv", parts.First, parts.First_Size);
    Write_Fuzz_File("Input/Schedules/" + year + "-AFL.csv", parts.Second, parts.Second_Size);
    if (Load_Historic_Schedule()) {
        Fuzz_Check(Count_Scheduled_Games() > 0, "a schedule was found without a game");
        Fuzz_Check(Is_Schedule_Balanced() != 0, "an uneven schedule was entered");
    } else {
        Fuzz_Check(Count_Scheduled_Games() == 0, "a refused schedule left games behind");
    }
    Check_Pairings();

    Clear_All_Team_Schedules();
    Write_Fuzz_File("Input/Schedules/export.txt", parts.First, parts.First_Size);
    Fuzz_Check(Write_Schedule_File("export") == 1, "the export was not converted");
    const int32_t entered = Read_Schedule_File("Input/Schedules/export.csv");
    Fuzz_Check(entered == Count_Scheduled_Games(), "the games entered were miscounted");
    Check_Pairings();
    return 0;
}
