// The historic schedule files over the test league: the input is read as
// "Input/Schedules/<year>-NFL.csv", then taken as a schedule text export and
// converted into a schedule file, which is read in turn. Whatever the files
// hold, every game entered pairs two different franchises in a week, each
// pointing at the other; a converted file holds one game of five fields a line.
#include <cstdlib>
#include <fstream>
#include <string>

#include "database/league_structure.h"
#include "database/schedule_entries.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "fuzz_support.h"
#include "season/historic_schedules.h"
#include "season/schedule_generation.h"
#include "support/test_league.h"

namespace {
void Check_Schedules() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week) {
            const int32_t code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
            if (code == 0) continue;
            const int32_t opponent = std::abs(code) - 1;
            Fuzz_Check(opponent != team, "a team plays itself");
            Fuzz_Check(Is_Used_Franchise_Slot(opponent) != 0, "a game against a slot that is no franchise");
            const int32_t back = Get_Team_Schedule_Stat(opponent, week, SCHEDULE_OPPONENT);
            Fuzz_Check(back == (code > 0 ? -(team + 1) : team + 1), "a game its opponent does not have");
        }
}

void Check_Converted(const char* path) {
    std::ifstream in(path);
    std::string line;
    Fuzz_Check(static_cast<bool>(std::getline(in, line)) && line == "Week,Away_Team,Home_Team,Day,Date",
               "the converted file lacks its header");
    while (std::getline(in, line)) {
        size_t commas = 0;
        for (char c : line)
            commas += c == ',';
        Fuzz_Check(commas == 4, "a converted line without five fields");
        Fuzz_Check(std::atoi(line.c_str()) > 0, "a converted line without a week");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder();
    Reset_Fuzz_Messages();
    static const bool built = (Build_Test_League(), true);
    (void)built;
    Clear_All_Team_Schedules();
    Write_Fuzz_File("Input/Schedules/2000-NFL.csv", data, size);
    const int32_t entered = Read_Schedule_File("Input/Schedules/2000-NFL.csv");
    Fuzz_Check(entered >= 0 && entered <= NUMBER_OF_SCHEDULE_WEEKS * Count_Active_Teams() / 2,
               "more games than the weeks hold");
    Check_Schedules();

    Clear_All_Team_Schedules();
    Write_Fuzz_File("Input/Schedules/export.txt", data, size);
    Fuzz_Check(Write_Schedule_File("export") == 1, "the export was not converted");
    Check_Converted("Input/Schedules/export.csv");
    Read_Schedule_File("Input/Schedules/export.csv");
    Check_Schedules();
    return 0;
}
