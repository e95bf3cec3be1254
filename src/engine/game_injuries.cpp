#include "engine/game_injuries.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/string_table.h"
#include "engine/announcer.h"
#include "engine/formations.h"
#include "engine/game_files.h"
#include "engine/play_resolution_support.h"
#include "engine/pregame_setup.h"
#include "personnel/injuries.h"

namespace {

constexpr int32_t EVENT_SHAKEN_UP = 46;
constexpr int32_t EVENT_STAYS_IN = 48;

// Long name of a position for the injury line.
void Get_Injury_Position_Name(int32_t position, char* out, int size) {
    if (position >= 0 && position < NUMBER_OF_POSITIONS) {
        const char* name = Find_Resource_String(STRING_POSITION_NAMES + position);
        safe_strncpy(out, name != nullptr ? name : "", size);
    } else {
        safe_strncpy(out, position == POSITION_ANY ? "Any Position" : "<Error>", size);
    }
}

// Appends the pieces as one formatted line: cut, as formatting into a text
// buffer cuts it, after TEXT_BUFFER_SIZE - 1 characters.
void Append_Line(std::string& text, std::initializer_list<std::string_view> pieces) {
    size_t room = TEXT_BUFFER_SIZE - 1;
    for (const std::string_view piece : pieces) {
        const size_t length = piece.size() < room ? piece.size() : room;
        text.append(piece.data(), length);
        room -= length;
    }
}

// Whether the injured man could be taken off the field: once the side's game
// depth charts are rebuilt he stands in none of its formations.
int32_t Substitute_Injured_Player(GAME_RECORD* pGame, int32_t side, int32_t slot) {
    Rebuild_Side_Depth_Chart(pGame, side);
    return Is_Slot_In_Any_Formation_Row(pGame->Team[side], slot) ? 0 : 1;
}

// The injuries of the game being played, counted as its log grows: an injury
// only ever marks the last logged snap, so the entries before it are settled
// and read once; the last one is read on every count.
struct INJURY_TALLY {
    const GAME_RECORD* Game;
    int32_t Settled;  // entries counted for good
    int32_t Injuries; // marked among them
};
INJURY_TALLY Injury_Tally = {nullptr, 0, 0};

int32_t Logged_Snaps(const GAME_RECORD* pGame) {
    const int32_t count = pGame->Play_Log_Count;
    return count < 0 ? 0 : (count > MAX_PLAY_LOG_ENTRIES ? MAX_PLAY_LOG_ENTRIES : count);
}

bool Is_Injury_Entry(const PLAY_LOG_ENTRY& entry) {
    return entry.Events[INJURY_EVENT_SLOT].Event_Id == INJURY_EVENT_ID;
}

} // namespace

int32_t Count_Game_Injuries(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    // The injuries of a game are the logged snaps marked with the injury event.
    const int32_t count = Logged_Snaps(pGame);
    int32_t injuries = 0;
    for (int32_t n = 0; n < count && injuries < 10; ++n)
        if (Is_Injury_Entry(pGame->Play_Log[n])) ++injuries;
    return injuries;
}

int32_t Count_Kept_Game_Injuries(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t count = Logged_Snaps(pGame);
    INJURY_TALLY& tally = Injury_Tally;
    // Another game, or a log that shrank, is counted afresh.
    if (tally.Game != pGame || count <= tally.Settled) tally = {pGame, 0, 0};
    for (; tally.Settled < count - 1; ++tally.Settled)
        if (Is_Injury_Entry(pGame->Play_Log[tally.Settled])) ++tally.Injuries;
    int32_t injuries = tally.Injuries;
    if (count > tally.Settled && Is_Injury_Entry(pGame->Play_Log[count - 1])) ++injuries;
    return injuries < 10 ? injuries : 10;
}

void Forget_Game_Injury_Tally() {
    Injury_Tally = {nullptr, 0, 0};
}

void Write_Injury_Log_Line(GAME_RECORD* pGame, int32_t team, int32_t slot) {
    if (pGame == nullptr || !Is_Player_Address(team, slot)) return;
    char position[RESOURCE_STRING_LIMIT];
    Get_Injury_Position_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), position, sizeof position);
    char first[64];
    char last[64];
    Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    if (Is_Plain_Play_Text_Kept(pGame))
        Append_Line(Get_Plain_Play_Text(),
                    {"<< ", position, " ", first, " ", last, " was injured on the play >>\n"});
    std::string words;
    Append_Escaped_HTML(words, position);
    words += ' ';
    Append_Escaped_HTML(words, first);
    words += ' ';
    Append_Escaped_HTML(words, last);
    Append_Line(Get_Play_By_Play_HTML(), {"<TR class=subhead1><TD colspan=7 class=lmc>", words,
                                          " was injured on the play</TD></TR>\n"});
}

void Roll_For_Game_Injury(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t side = Play_Random_Below(2) % 2;
    const int32_t slot = pGame->On_Field[side][Play_Random_Below(ON_FIELD_PLAYERS) % ON_FIELD_PLAYERS];
    const int32_t team = pGame->Team[side];
    if (Count_Kept_Game_Injuries(pGame) >= MAX_GAME_INJURIES) return;
    if (!Is_Player_Address(team, slot)) return;
    const int32_t id = Play_Player_Id(team, slot);
    if (id < 0) return;
    if (!Check_For_Injury(team, slot)) {
        if (Play_Random_Below(1000) < 5) {
            Queue_Commentary(pGame, EVENT_SHAKEN_UP, 0, 0, 0, id, -1);
            Queue_Commentary(pGame, EVENT_STAYS_IN, 0, 0, 0, id, -1);
        }
        return;
    }
    Write_Injury_Log_Line(pGame, team, slot);
    if (!Substitute_Injured_Player(pGame, side, slot)) {
        Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, NO_INJURY);
        Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, 0);
        return;
    }
    // The injury belongs to the snap just logged; a game with no logged snap
    // yet has no entry to mark.
    const int32_t count = pGame->Play_Log_Count;
    if (count >= 1 && count <= MAX_PLAY_LOG_ENTRIES) {
        PLAY_LOG_ENTRY& entry = pGame->Play_Log[count - 1];
        entry.Events[INJURY_EVENT_SLOT].Event_Id = INJURY_EVENT_ID;
        entry.Events[INJURY_EVENT_SLOT].Player_Id[0] = id;
    }
    Queue_Commentary(pGame, EVENT_SHAKEN_UP, 0, 0, 0, id, -1);
    Queue_Commentary(pGame, INJURY_EVENT_ID, 0, 0, 0, id, -1);
    Note_User_Player_Injury(team, slot, Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE),
                            Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT));
}
