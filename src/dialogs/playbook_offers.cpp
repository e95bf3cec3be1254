#include "dialogs/playbook_offers.h"

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/defensive_play_calling.h"
#include "engine/playbook_records.h"
#include "platform/message_box.h"
#include "playbooks/playbook_files.h"

namespace {
constexpr int32_t DEFAULT_BOOK_TEAM = 255;
constexpr int32_t MESSAGE_SIZE = 512;

int32_t Team_Scheme(int32_t team) {
    return Is_Team_Record_Slot(team) ? Get_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM) : 0;
}

// A human-run franchise in use whose user decides for himself.
bool Is_Asked_First(int32_t team) {
    return Get_User_Preference(COMMISSIONER_MODE) == 0 && Is_Used_Franchise_Slot(team) &&
           Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
           Get_User_Preference(MULTI_SEASON_SIMULATION) == 0;
}
} // namespace

bool Is_Defensive_Formation_Full_Match(int32_t system, int32_t formation) {
    // An empty play (no formation) suits no scheme; it is not a faulty one to report.
    if (!Is_Defensive_Formation(formation) || (system != 0 && system != 1)) return false;
    return Get_Defensive_Formation_System_Match(system, formation) >= FULL_FORMATION_MATCH;
}

int32_t Count_Matching_Defensive_Plays(int32_t team) {
    const int32_t book = Is_Team_Record_Slot(team) ? team : DEFAULT_BOOK_TEAM;
    const int32_t scheme = Team_Scheme(team);
    int32_t count = 0;
    for (int32_t play = 0; play < DEFENSIVE_PLAYS; ++play)
        if (Is_Defensive_Formation_Full_Match(scheme, Get_Defensive_Play_Formation(book, play))) ++count;
    return count;
}

void Offer_Matching_Defensive_Playbook(int32_t team) {
    if (!Is_Team_Record_Slot(team)) return;
    const int32_t matching = Count_Matching_Defensive_Plays(team);
    if (matching >= ENOUGH_MATCHING_PLAYS) return;
    const char* scheme = Team_Scheme(team) == 1 ? "3-4" : "4-3";
    if (Is_Asked_First(team)) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Team_Full_Name(team, name);
        char text[MESSAGE_SIZE];
        safe_sprintf(
            text, sizeof text,
            "The %s defensive playbook currently has %d play%s (out of %d) using the '%s'.\n\nThis will "
            "limit the team's ability to use the '%s' defense. Would you like to load the default '%s' "
            "playbook?",
            name, matching, matching == 1 ? "" : "s", DEFENSIVE_PLAYS, scheme, scheme, scheme);
        if (Show_Message_Box(text, "Load matching playbook?", BOX_YES_NO | BOX_TASK_MODAL) != ID_BOX_YES)
            return;
    }
    if (Load_Playbook_File(team, 1, scheme) == 0)
        Show_Formatted_Message(
            "Load Error", "Unable to find %s playbook. You may need to re-install Football Korva.", scheme);
}
