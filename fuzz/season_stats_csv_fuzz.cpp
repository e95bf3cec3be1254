// The seasons statistics file in its build form: season lines made and filled, careers credited.
// The input up to its first NUL byte is the seasons file; the folder holds
// the team files of the earlier seasons the build reads ("<year>_teams.csv"),
// through which a line of such a season finds the franchise its team became.
// The rest of the input, when there is one, is the team file of the season
// before the league's in place of the league's own.
#include <string>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/team_record.h"
#include "season_reader_fuzz.h"
#include "tools/seasons_csv.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t YEAR = 2020;
// The earliest season whose lines a build of YEAR reads.
constexpr int32_t FIRST_YEAR = YEAR - 24;

std::string Team_File_Path(int32_t year) {
    char path[64];
    Make_Year_Stats_Input_Path(path, sizeof path, year, "teams");
    return path;
}

// The league's teams as a team file of `year` names them: in the even years
// each abbreviation is that of the next franchise, as abbreviations move
// from one franchise to another over the seasons.
std::string League_Team_File(int32_t year) {
    std::string text = "Abbreviation,Location,Nickname,Stadium\n";
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        const int32_t franchise = year % 2 == 0 ? (team + 1) % teams : team;
        char abbreviation[TEAM_STRING_LENGTH];
        char location[TEAM_STRING_LENGTH];
        char nickname[TEAM_STRING_LENGTH];
        Get_Team_String(abbreviation, team, 0);
        Get_Team_String(location, franchise, 1);
        Get_Team_String(nickname, franchise, 2);
        text += std::string(abbreviation) + "," + location + "," + nickname + ",Field\n";
    }
    return text;
}

void Write_Text_File(const std::string& path, const std::string& text) {
    Write_Fuzz_File(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    season_reader_fuzz::Run(parts.First, parts.First_Size, YEAR, "input/stats/seasons.csv", [&] {
        static bool written = false;
        if (!written)
            for (int32_t year = FIRST_YEAR; year < YEAR - 1; ++year)
                Write_Text_File(Team_File_Path(year), League_Team_File(year));
        written = true;
        if (parts.Second_Size > 0)
            Write_Fuzz_File(Team_File_Path(YEAR - 1), parts.Second, parts.Second_Size);
        else
            Write_Text_File(Team_File_Path(YEAR - 1), League_Team_File(YEAR - 1));
        Load_Seasons_CSV(0);
    });
    return 0;
}
