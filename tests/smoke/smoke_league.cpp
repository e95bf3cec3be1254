// Writes the league the window-system smoke test plays: the test teams with
// four games in the first week, team 0 run by the user (its game is offered
// in the matchup dialog and watched), saved as the installation's league
// database and as the saved game the test resumes, and an owner Hall of Fame
// file whose start-up reminder is switched off.
#include <cstdio>
#include <filesystem>

#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "support/frame_fixture.h"
#include "views/owner_hall_of_fame_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: smoke_league FOLDER\n");
        return 2;
    }
    std::filesystem::create_directories(std::filesystem::path(argv[1]) / "Databases");
    std::filesystem::current_path(argv[1]);
    Prepare_League_With_Week_Games(4);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, 0);
    Set_Skin_Name("earth");
    Set_Game_Checksum(Compute_Game_Checksum());
    if (Save_Game(DEFAULT_DATABASE_NAME, nullptr) != SAVE_OK) return 1;
    if (Save_Game("Smoke League.kor", nullptr) != SAVE_OK) return 1;
    Rebuild_Owner_Hall_Of_Fame_File();
    // The reminder's switch: the start-up never opens the reminder page.
    Set_Owner_Hall_Of_Fame_Value(236, 117);
    return 0;
}
