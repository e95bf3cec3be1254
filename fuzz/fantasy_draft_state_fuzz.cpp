// The fantasy-draft state file "<saved game name>.draft": the input up to its
// first NUL byte is the saved game's name, the rest the file, written beside
// the game when the name is a plain file name. A file of the whole state
// whose order is a draft of the league (every round the draft plays gives
// each team one pick, the round and pick inside those rounds or at the first
// pick after the last, where a whole draft ends) and whose picks already
// made each record a player of the league whose saved mark is the team that
// made the pick, none taken twice, replaces it (the league's players are
// first marked with the picks the file records, as the game marks each pick
// it makes, so a file of this league's draft is taken); anything else (no
// file, a short one, an order that is no draft, a pick of nobody, a name
// that reaches elsewhere) leaves it as a missing file does: the saved state,
// here no draft, starts again from its first pick with a fresh order, no
// pick recorded and nobody marked. The window title and the date lines then
// show the draft's round and pick from whatever stands.
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "app/date_lines.h"
#include "app/main_window_title.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "personnel/fantasy_draft.h"

namespace {
// The league's teams, each once, in every round the draft plays; the round
// and pick inside those rounds, or at the first pick after the last one (a
// whole draft); every pick before the one on the clock records its player.
bool Is_Draft_Order(const uint8_t* state) {
    const int32_t teams = Count_Active_Teams();
    int32_t round = 0, pick = 0;
    memcpy(&round, state + 8, sizeof round);
    memcpy(&pick, state + 12, sizeof pick);
    if (teams <= 0 || teams > FANTASY_DRAFT_TEAMS) return false;
    const bool playing = round >= 0 && round < FANTASY_DRAFT_LAST_ROUND && pick >= 0 && pick < teams;
    if (!playing && !(round == FANTASY_DRAFT_LAST_ROUND && pick == 0)) return false;
    for (int32_t r = 0; r < FANTASY_DRAFT_LAST_ROUND; ++r) {
        uint64_t seen = 0;
        for (int32_t p = 0; p < teams; ++p) {
            const int32_t team = state[14416 + r * FANTASY_DRAFT_TEAMS + p];
            if (team >= teams) return false;
            seen |= uint64_t{1} << team;
        }
        if (seen != (uint64_t{1} << teams) - 1) return false;
    }
    Build_Player_ID_Hash();
    std::set<int32_t> taken;
    for (int32_t r = 0; r <= round && r < FANTASY_DRAFT_LAST_ROUND; ++r)
        for (int32_t p = 0; p < teams && (r < round || p < pick); ++p) {
            int32_t id = 0;
            memcpy(&id, state + 16 + sizeof id * (static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p),
                   sizeof id);
            PLAYER_LOCATION at{};
            if (id <= 0 || Lookup_Player_ID_Hash(&at, id) == 0) return false;
            const bool pool = at.Team == FREE_AGENT_TEAM ||
                              (at.Team >= FIRST_COLLEGE_POOL_TEAM && at.Team < TOTAL_NUMBER_OF_TEAMS);
            if (!pool && !(at.Team < teams && Is_Active_Team(at.Team))) return false;
            if (Get_Player_Vital_Stat(at.Team, at.Slot, 26) != state[14416 + r * FANTASY_DRAFT_TEAMS + p])
                return false;
            if (!taken.insert(id).second) return false;
        }
    return true;
}

// Marks each player a made pick of the file names with the team of the
// pick, as the game marks the player of each pick it makes.
void Mark_File_Picks(const uint8_t* state) {
    const int32_t teams = Count_Active_Teams();
    int32_t round = 0, pick = 0;
    memcpy(&round, state + 8, sizeof round);
    memcpy(&pick, state + 12, sizeof pick);
    if (teams <= 0 || teams > FANTASY_DRAFT_TEAMS) return;
    Build_Player_ID_Hash();
    for (int32_t r = 0; r <= round && r < FANTASY_DRAFT_LAST_ROUND; ++r)
        for (int32_t p = 0; p < teams && (r < round || p < pick); ++p) {
            int32_t id = 0;
            memcpy(&id, state + 16 + sizeof id * (static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p),
                   sizeof id);
            PLAYER_LOCATION at{};
            if (id > 0 && Lookup_Player_ID_Hash(&at, id) != 0)
                Set_Player_Vital_Stat(at.Team, at.Slot, 26, state[14416 + r * FANTASY_DRAFT_TEAMS + p]);
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Test_League();
    Reset_Fuzz_Messages();
    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    const std::string name(reinterpret_cast<const char*>(parts.First), parts.First_Size);
    safe_strncpy(Universe.Header.Saved_Game_Name, name.c_str(), sizeof Universe.Header.Saved_Game_Name);
    const std::string kept_name = Universe.Header.Saved_Game_Name;
    const std::string file_name = kept_name + ".draft";
    const bool plain = Is_Plain_File_Name(kept_name.c_str()) != 0;
    if (plain) Write_Fuzz_File(file_name, parts.Second, parts.Second_Size);

    static uint8_t before[sizeof Universe.Tail.Fantasy_Draft_State];
    memset(Universe.Tail.Fantasy_Draft_State, 0xA5, sizeof before);
    memcpy(before, Universe.Tail.Fantasy_Draft_State, sizeof before);
    std::error_code error;
    const bool whole = plain && std::filesystem::file_size(file_name, error) >= sizeof before && !error;
    if (whole && parts.Second_Size >= sizeof before) Mark_File_Picks(parts.Second);
    const bool draft = whole && Is_Draft_Order(parts.Second);
    RANDOM_STATE generator;
    Save_Random_State(&generator);
    const int loaded = Load_Fantasy_Draft_State();
    Fuzz_Check(loaded == (draft ? 1 : 0), "a whole draft was refused, or a partial file or no draft taken");
    if (loaded) {
        Fuzz_Check(memcmp(Universe.Tail.Fantasy_Draft_State, parts.Second, sizeof before) == 0,
                   "the state is not the file's");
        Fuzz_Check(Is_Fantasy_Draft_State_Usable(), "the state taken is not usable");
        // A draft still playing has a team of the league on the clock.
        Fuzz_Check(Get_Fantasy_Draft_Round() == FANTASY_DRAFT_LAST_ROUND ||
                       Is_Active_Team(Get_Fantasy_Draft_Team()),
                   "the state taken puts no team of the league on the clock");
    } else {
        Fuzz_Check(Is_Fantasy_Draft_State_Usable() && Get_Fantasy_Draft_Round() == 0 &&
                       Get_Fantasy_Draft_Pick() == 0,
                   "a refused file left no draft at its first pick");
        static const uint8_t no_picks[sizeof(int32_t) * FANTASY_DRAFT_ROUNDS * FANTASY_DRAFT_TEAMS] = {};
        Fuzz_Check(memcmp(Universe.Tail.Fantasy_Draft_State + 16, no_picks, sizeof no_picks) == 0,
                   "a refused file left picks recorded");
        bool marked = false;
        for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                marked = marked ||
                         (Is_Player_Slot_Used(team, slot) && Get_Player_Vital_Stat(team, slot, 26) != -128);
        Fuzz_Check(!marked, "a refused file left a player marked");
        // A refused file leaves the state as a missing one does, from the
        // same draws.
        static uint8_t refused[sizeof before];
        memcpy(refused, Universe.Tail.Fantasy_Draft_State, sizeof refused);
        if (plain) std::filesystem::remove(file_name, error);
        memcpy(Universe.Tail.Fantasy_Draft_State, before, sizeof before);
        Load_Random_State(&generator);
        Fuzz_Check(Load_Fantasy_Draft_State() == 0, "a missing file was taken");
        Fuzz_Check(memcmp(Universe.Tail.Fantasy_Draft_State, refused, sizeof refused) == 0,
                   "a refused file changed the state more than a missing one");
    }

    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    char title[MAIN_WINDOW_TITLE_SIZE];
    Get_Main_Window_Title(title);
    Fuzz_Check(strstr(title, "Fantasy Draft") != nullptr, "the title does not show the draft");
    char first[FORMATTED_TEXT_SIZE];
    char second[FORMATTED_TEXT_SIZE];
    Get_Date_Line_Texts(first, second);
    Fuzz_Check(strncmp(first, "Round ", 6) == 0 && strncmp(second, "Pick ", 5) == 0,
               "the date lines do not show the draft");
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
    if (plain) std::filesystem::remove(file_name, error);
    return 0;
}
