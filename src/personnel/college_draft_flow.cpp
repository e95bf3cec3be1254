#include "personnel/college_draft_flow.h"

#include <cctype>
#include <cstdio>

#include "app/main_menu.h"
#include "app/news_ticker.h"
#include "database/league_structure.h"
#include "database/number_words.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "database/text_files.h"
#include "personnel/draft_pool.h"
#include "season/season_start.h"
#include "tools/timestamp_log.h"

namespace {
constexpr int32_t NO_DRAFT_ROUND = 7;
} // namespace

void Finish_Off_Season() {
    Log_Timestamp_Line("Off-Season Finished");
    Set_College_Draft_Order();
    Update_Play_Menu();
    Destroy_News_Ticker();
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    Start_College_Draft_Report();
    Load_Draft_Strategy();
    Update_Play_Menu();
    Run_College_Draft();
    Update_Play_Menu();
}

void College_Draft_Menu_Command() {
    Update_Play_Menu();
    Run_College_Draft();
    Update_Play_Menu();
}

// No picks are made yet: the draft ends at once, its prospects become free
// agents when the season is set up, and the calendar moves on.
void Run_College_Draft() {
    Set_User_Preference(DRAFT_ROUND, NO_DRAFT_ROUND);
    Set_User_Preference(DRAFT_PICK, 0);
    Setup_New_Season();
}

void Start_College_Draft_Report() {
    char name[64];
    snprintf(name, sizeof name, "Output\\College-Draft-%d.txt", Get_Current_Year());
    std::remove(Resolve_File_Path(name).c_str());
    char round[64];
    Format_Ordinal_Words(1, round);
    round[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(round[0])));
    Append_Line_To_File(name, "");
    Append_Formatted_Line_To_File(name, "               %d COLLEGE DRAFT", Get_Current_Year());
    Append_Line_To_File(name, "");
    Append_Formatted_Line_To_File(name, "================= %s ROUND =================", round);
}

void Clear_Negative_Experience() {
    for (int32_t team = 0; team <= FREE_AGENT_TEAM; ++team) {
        if (team < MAX_FRANCHISES && !Is_Active_Team(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot) &&
                Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) < 0)
                Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 0);
    }
}
