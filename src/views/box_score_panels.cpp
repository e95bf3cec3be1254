#include "views/box_score_panels.h"

#include <cstring>

#include "app/main_window.h"
#include "app/skins.h"
#include "database/game_queries.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/string_table.h"
#include "database/text_format.h"
#include "dialogs/scouting_report.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/playbook_records.h"
#include "engine/snap_decisions.h"
#include "engine/statistics_credit.h"
#include "personnel/random_ratings.h"
#include "platform/text_render.h"
#include "views/game_day_screen.h"
#include "views/game_stat_lines.h"
#include "views/play_calling.h"
#include "views/view_drawing.h"

int32_t Live_Box_Score_Player_Ids[2][LIVE_LINE_ENTRIES];

namespace {
constexpr int32_t PANEL_FONT = 2;
constexpr int32_t LEADER_SCORE = 35;
constexpr int32_t LONG_NAME = 24;
constexpr int32_t RETURNER_LINE = 16;
constexpr int32_t PUNT_RETURNS_RATING = 14;
constexpr int32_t PREDICTED_SEASON = 3;
constexpr int32_t REPORTED_OVERALL = 225;
constexpr VIEW_COLOURS PRIMARY_COLOURS = {Make_Colour(170, 166, 46), Make_Colour(180, 50, 50)};

const LIVE_LINE OFFENSE_LINES[LIVE_LINES_PER_SIDE] = {
    {"QB", 0, 0}, {"RB", 1, 0}, {"FB", 2, 0}, {"TE", 3, 0}, {"TE", 3, 1}, {"WR", 4, 0},
    {"WR", 4, 1}, {"WR", 4, 2}, {"WR", 4, 3}, {"WR", 4, 4}, {"LT", 5, 0}, {"LG", 6, 0},
    {"C", 7, 0},  {"RG", 6, 1}, {"RT", 5, 1}, {"K", 13, 0}, {"P", 14, 0}};
const LIVE_LINE DEFENSE_LINES[LIVE_LINES_PER_SIDE] = {
    {"DE", 8, 0},  {"DT", 9, 0},  {"DT", 9, 1},  {"DE", 8, 1},  {"DL", 9, 2},  {"LB", 10, 0},
    {"LB", 10, 1}, {"LB", 10, 2}, {"LB", 10, 3}, {"CB", 11, 0}, {"CB", 11, 1}, {"SS", 12, 0},
    {"FS", 12, 1}, {"NB", 11, 2}, {"DB", 12, 2}, {"C3", 11, 3}, {"PR", 15, 1}};
const LIVE_LINE KICK_RETURNER_LINE = {"KR", 15, 0};

int32_t Listed_Line_Limit() {
    return Is_Ice_Or_Fire_Skin() != 0 ? LIGHT_SKIN_LISTED_LINES : LISTED_LINES_PER_SIDE;
}

// The snap the live lists stand for: the game's two teams, the team that
// defends and whether it is a kick. It is held from the first line chosen
// (or from the snap's play) until the lists are emptied, so a snap played
// back shows its own players under its own labels while the game's record
// already holds the next snap's situation.
struct LIVE_SNAP {
    bool Held = false;
    int32_t Teams[2] = {};
    int32_t Defense_Team = 0;
    bool Kick = false;
};
LIVE_SNAP held_snap;

LIVE_SNAP Coming_Snap(const GAME_RECORD* pGame) {
    const uint32_t down = Get_Game_Down(pGame);
    return {true,
            {pGame->Team[0], pGame->Team[1]},
            Get_Game_Defense_Team(pGame),
            down == KICKOFF_DOWN || down == FREE_KICK_DOWN};
}

bool Is_Snap_Held_For(const GAME_RECORD* pGame) {
    return held_snap.Held && held_snap.Teams[0] == pGame->Team[0] && held_snap.Teams[1] == pGame->Team[1];
}

// The held snap while it is one of this game's, else the game's coming one.
LIVE_SNAP Shown_Snap(const GAME_RECORD* pGame) {
    return Is_Snap_Held_For(pGame) ? held_snap : Coming_Snap(pGame);
}

bool Is_Kick_Down(const GAME_RECORD* pGame) {
    return Shown_Snap(pGame).Kick;
}

bool Is_Defense_List(const GAME_RECORD* pGame, int32_t side) {
    return pGame->Team[side] == Shown_Snap(pGame).Defense_Team;
}

int32_t Shown_Defense_Team(const GAME_RECORD* pGame) {
    return Shown_Snap(pGame).Defense_Team;
}

int32_t Shown_Offense_Team(const GAME_RECORD* pGame) {
    const int32_t defense = Shown_Defense_Team(pGame);
    return pGame->Team[0] == defense ? pGame->Team[1] : pGame->Team[0];
}

bool Formation_Slot_Is(int32_t formation, int32_t slot, int32_t position, int32_t depth) {
    return Get_Formation_Slot_Position(formation, slot, FORMATION_SLOT_POSITION) == position &&
           Get_Formation_Slot_Position(formation, slot, FORMATION_SLOT_DEPTH) == depth;
}

// The name as a line shows it: the full name, or the initial and last name.
void Line_Name(int32_t team, int32_t slot, char* out) {
    Get_Player_Full_Name(team, slot, out);
    if (std::strlen(out) <= LONG_NAME) return;
    char first[PLAYER_NAME_TEXT_SIZE], last[PLAYER_NAME_TEXT_SIZE];
    Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    safe_sprintf(out, PLAYER_NAME_TEXT_SIZE, "%c. %s", first[0], last);
}

int32_t Find_Side_Entry(const GAME_RECORD* pGame, int32_t side, int32_t id) {
    if (id <= 0) return -1;
    for (int32_t entry = 0; entry < GAME_LISTED_PLAYERS; ++entry)
        if (pGame->Player_Ids[side][entry] == id) return entry;
    return -1;
}

void Draw_Line(DEVICE_CONTEXT* dc, int32_t side, int32_t line, const char* label, const char* name,
               const char* number, const char* stats, const TEXT_COLOURS& colour) {
    const LINE_CORNER at = Get_Player_Line_Corner(side, line);
    const int32_t bottom = at.Top + 12;
    const uint32_t one_line = TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
    Draw_Design_Text(dc, label, {at.Left, at.Top, at.Left + 30, bottom}, one_line | TEXT_CENTRE, colour,
                     PANEL_FONT);
    Draw_Design_Text(dc, name, {at.Left + 30, at.Top, at.Left + 128, bottom}, one_line, colour, PANEL_FONT);
    Draw_Design_Text(dc, number, {at.Left + 128, at.Top, at.Left + 148, bottom}, one_line | TEXT_CENTRE,
                     colour, PANEL_FONT);
    // A long game line takes a smaller font rather than run past the panel.
    const RECT_AREA game_line = {at.Left + 148, at.Top, at.Left + 253, bottom};
    Draw_Design_Text(dc, stats, game_line, one_line, colour,
                     Fit_View_Font_Row({{stats, game_line}}, one_line, PANEL_FONT));
}

// The live line's player: the one remembered while he is still on the team,
// else the depth chart's, remembered from now on.
bool Live_Line_Player(const GAME_RECORD* pGame, int32_t side, int32_t line, int32_t* slot) {
    const int32_t team = pGame->Team[side];
    int32_t& remembered = Live_Box_Score_Player_Ids[0][side * LIVE_LINES_PER_SIDE + line];
    int32_t found_team = 0, found_slot = 0;
    if (remembered > 0 && Find_Player_By_ID(&found_team, &found_slot, remembered) && found_team == team) {
        *slot = found_slot;
        return true;
    }
    const LIVE_LINE entry = Get_Live_Line(pGame, side, line);
    const int32_t chosen = Get_Depth_Chart_Position_Player(team, entry.Position, entry.Depth);
    if (chosen < 0 || !Is_Player_Slot_Used(team, chosen)) {
        remembered = -1;
        return false;
    }
    remembered = Get_Player_Vital_Stat(team, chosen, VITAL_PLAYER_ID);
    Live_Box_Score_Player_Ids[1][side * LIVE_LINES_PER_SIDE + line] = 0;
    *slot = chosen;
    return true;
}

void Draw_Live_Side(DEVICE_CONTEXT* dc, const GAME_RECORD* pGame, int32_t side) {
    Hold_Live_Box_Score_Snap(pGame);
    const int32_t team = pGame->Team[side];
    for (int32_t line = 0; line < LIVE_LINES_PER_SIDE; ++line) {
        int32_t slot = 0;
        if (!Live_Line_Player(pGame, side, line, &slot)) continue;
        const LIVE_LINE entry = Get_Live_Line(pGame, side, line);
        TEXT_COLOURS colour = Dim_View_Colour(GREY_TAB_COLOUR);
        if (Is_Shown_Play_Primary_Receiver(pGame, side, entry.Position, entry.Depth))
            colour = Pick_View_Colours(PRIMARY_COLOURS);
        else if (Is_In_Shown_Play_Formation(pGame, side, entry.Position, entry.Depth))
            colour = Get_Side_Colours(side);
        int32_t& rating = Live_Box_Score_Player_Ids[1][side * LIVE_LINES_PER_SIDE + line];
        if (rating == 0) rating = Get_Player_Game_Rating(team, slot, entry.Position, entry.Depth);
        char name[PLAYER_NAME_TEXT_SIZE], number[16], stats[FORMATTED_TEXT_SIZE] = "";
        Line_Name(team, slot, name);
        safe_sprintf(number, sizeof number, "%d", rating);
        const int32_t game_entry =
            Find_Side_Entry(pGame, side, Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID));
        if (game_entry >= 0) Format_Game_Player_Line(stats, pGame, side, game_entry);
        Draw_Line(dc, side, line, entry.Label, name, number, stats, colour);
    }
}

// Each entry's position and whether it leads: one lookup per entry.
struct LISTED_ENTRY {
    int32_t Team;
    int32_t Slot;
    int32_t Position;
    bool Leads;
};

void Read_Listed_Entries(const GAME_RECORD* pGame, int32_t side, LISTED_ENTRY* entries) {
    for (int32_t entry = 0; entry < GAME_LISTED_PLAYERS; ++entry) {
        LISTED_ENTRY& e = entries[entry];
        e.Leads = false;
        if (!Find_Game_Entry_Player(pGame, side, entry, &e.Team, &e.Slot)) continue;
        e.Position = Get_Player_Vital_Stat(e.Team, e.Slot, VITAL_POSITION);
        e.Leads = Get_Game_Player_Score(pGame, side, entry) > LEADER_SCORE;
    }
}

// The entries listed, in position order then entry order, at most `limit`.
int32_t List_Leading_Entries(const GAME_RECORD* pGame, int32_t side, int32_t* listed, int32_t limit,
                             LISTED_ENTRY* entries) {
    Read_Listed_Entries(pGame, side, entries);
    int32_t count = 0;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS && count < limit; ++position)
        for (int32_t entry = 0; entry < GAME_LISTED_PLAYERS && count < limit; ++entry)
            if (entries[entry].Leads && entries[entry].Position == position) listed[count++] = entry;
    return count;
}

void Draw_Finished_Side(DEVICE_CONTEXT* dc, const GAME_RECORD* pGame, int32_t side) {
    LISTED_ENTRY entries[GAME_LISTED_PLAYERS];
    int32_t listed[LISTED_LINES_PER_SIDE];
    const int32_t count = List_Leading_Entries(pGame, side, listed, Listed_Line_Limit(), entries);
    for (int32_t line = 0; line < count; ++line) {
        const LISTED_ENTRY& e = entries[listed[line]];
        char label[RESOURCE_STRING_LIMIT], name[PLAYER_NAME_TEXT_SIZE], number[16],
            stats[FORMATTED_TEXT_SIZE];
        Load_Resource_String(STRING_POSITION_SHORT + e.Position, label);
        Line_Name(e.Team, e.Slot, name);
        // The reported rating may repair a player's ratings; drawing keeps the
        // league's random sequence as it was.
        RANDOM_STATE saved;
        Save_Random_State(&saved);
        safe_sprintf(number, sizeof number, "%d",
                     Get_Player_Stat(e.Team, e.Slot, PREDICTED_SEASON, REPORTED_OVERALL));
        Load_Random_State(&saved);
        Format_Game_Player_Line(stats, pGame, side, listed[line]);
        Draw_Line(dc, side, line, label, name, number, stats, Get_Side_Colours(side));
    }
}
} // namespace

LINE_CORNER Get_Player_Line_Corner(int32_t side, int32_t line) {
    return {511 * side + 4, 28 + 12 * line + Get_Skin_Panel_Line_Shift()};
}

void Clear_Live_Box_Score_Player_Ids() {
    std::memset(Live_Box_Score_Player_Ids, 0, sizeof Live_Box_Score_Player_Ids);
    held_snap.Held = false;
}

void Hold_Live_Box_Score_Snap(const GAME_RECORD* pGame) {
    if (pGame != nullptr && !Is_Snap_Held_For(pGame)) held_snap = Coming_Snap(pGame);
}

LIVE_LINE Get_Live_Line(const GAME_RECORD* pGame, int32_t side, int32_t line) {
    if (line < 0 || line >= LIVE_LINES_PER_SIDE) return {"", -1, 0};
    if (pGame == nullptr || !Is_Defense_List(pGame, side)) return OFFENSE_LINES[line];
    if (line == RETURNER_LINE && Is_Kick_Down(pGame)) return KICK_RETURNER_LINE;
    return DEFENSE_LINES[line];
}

void Draw_Box_Score_Players(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (dc == nullptr || game == nullptr) return;
    const bool live = Is_Live_Game_Shown();
    for (int32_t side = 0; side < 2; ++side) {
        if (live)
            Draw_Live_Side(dc, game, side);
        else
            Draw_Finished_Side(dc, game, side);
    }
}

int32_t Find_Listed_Game_Entry(const GAME_RECORD* pGame, int32_t side, int32_t n) {
    if (pGame == nullptr || side < 0 || side > 1 || n < 0 || n >= LISTED_LINES_PER_SIDE) return -1;
    LISTED_ENTRY entries[GAME_LISTED_PLAYERS];
    int32_t listed[LISTED_LINES_PER_SIDE];
    const int32_t count = List_Leading_Entries(pGame, side, listed, Listed_Line_Limit(), entries);
    return n < count ? listed[n] : -1;
}

bool Is_In_Player_Line(int32_t n, int32_t x, int32_t y) {
    if (n < 0 || n >= PLAYER_LINE_IDS) return false;
    const LINE_CORNER at = Get_Player_Line_Corner(n / LISTED_LINES_PER_SIDE, n % LISTED_LINES_PER_SIDE);
    return x >= at.Left && x < at.Left + 253 && y >= at.Top && y < at.Top + 12;
}

bool Get_Player_Line_Player(int32_t n, int32_t* team, int32_t* slot) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (game == nullptr || n < 0 || n >= PLAYER_LINE_IDS) return false;
    const int32_t side = n / LISTED_LINES_PER_SIDE, line = n % LISTED_LINES_PER_SIDE;
    if (Is_Live_Game_Shown()) {
        if (line >= LIVE_LINES_PER_SIDE) return false;
        const int32_t id = Live_Box_Score_Player_Ids[0][side * LIVE_LINES_PER_SIDE + line];
        return id > 0 && Find_Player_By_ID(team, slot, id) != 0;
    }
    const int32_t entry = Find_Listed_Game_Entry(game, side, line);
    return entry >= 0 && Find_Game_Entry_Player(game, side, entry, team, slot);
}

int32_t Find_Player_Line(int32_t x, int32_t y) {
    for (int32_t n = 0; n < PLAYER_LINE_IDS; ++n) {
        if (!Is_In_Player_Line(n, x, y)) continue;
        int32_t team = 0, slot = 0;
        return Get_Player_Line_Player(n, &team, &slot) ? n : -1;
    }
    return -1;
}

void Show_Box_Score_Player(int32_t n) {
    int32_t team = 0, slot = 0;
    if (!Get_Player_Line_Player(n, &team, &slot)) return;
    Show_Scouting_Report(Main_Window, team, slot);
    // A dialog may have changed the depth chart: the live lines choose again.
    Clear_Live_Box_Score_Player_Ids();
}

bool Is_Shown_Play_Primary_Receiver(const GAME_RECORD* pGame, int32_t side, int32_t position, int32_t depth) {
    if (pGame == nullptr || Is_Defense_List(pGame, side) || Is_Kick_Down(pGame)) return false;
    const int32_t state = Get_Play_Call_State();
    if (state != 1 && state != 4) return false;
    const int32_t team = Shown_Offense_Team(pGame);
    const int32_t play = Get_Shown_Play_Number(CALL_SIDE_OFFENSE);
    if (play < 0 || play >= OFFENSIVE_PLAYS || !Is_Offensive_Play_Defined(team, play)) return false;
    // An unset receiver or an unknown formation lights nobody.
    const int32_t receiver = Get_Offensive_Play_Primary_Receiver(team, play);
    const int32_t formation = Get_Offensive_Play_Formation(team, play);
    if (receiver < 1 || receiver >= PLAYERS_ON_FIELD || !Is_Valid_Formation(formation)) return false;
    return Formation_Slot_Is(formation, receiver, position, depth);
}

bool Is_In_Shown_Play_Formation(const GAME_RECORD* pGame, int32_t side, int32_t position, int32_t depth) {
    if (pGame == nullptr || Is_Kick_Down(pGame)) return false;
    const int32_t state = Get_Play_Call_State();
    int32_t formation = -1;
    if (Is_Defense_List(pGame, side)) {
        if (state != 2 && state != 4) return false;
        const int32_t team = Shown_Defense_Team(pGame);
        const int32_t play = Get_Shown_Play_Number(CALL_SIDE_DEFENSE);
        if (play < 0 || play >= DEFENSIVE_PLAYS || !Is_Defensive_Play_Defined(team, play)) return false;
        formation = Get_Defensive_Play_Formation(team, play);
    } else {
        if (state != 1 && state != 4) return false;
        const int32_t team = Shown_Offense_Team(pGame);
        const int32_t play = Get_Shown_Play_Number(CALL_SIDE_OFFENSE);
        if (play < 0 || play >= OFFENSIVE_PLAYS || !Is_Offensive_Play_Defined(team, play)) return false;
        formation = Get_Offensive_Play_Formation(team, play);
    }
    if (!Is_Valid_Formation(formation)) return false;
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot)
        if (Formation_Slot_Is(formation, slot, position, depth)) return true;
    return false;
}

int32_t Get_Player_Game_Rating(int32_t team, int32_t slot, int32_t position, int32_t depth) {
    if (!Is_Player_Slot_Used(team, slot)) return 20;
    if (position == FORMATION_RETURNER_POSITION) {
        if (depth != 0 && depth != 1) return 20;
        return static_cast<int32_t>(Read_Repaired_Player_Rating(team, slot, PUNT_RETURNS_RATING));
    }
    const int32_t own = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    float value = Get_Player_Position_Rating(team, slot, own);
    if (value < 25.0f) {
        // The repair draws new ratings; the league's sequence is put back so
        // that painting the screen changes no game.
        RANDOM_STATE saved;
        Save_Random_State(&saved);
        Randomize_Player_Ratings(team, slot);
        Load_Random_State(&saved);
        value = Get_Player_Position_Rating(team, slot, own);
    }
    return static_cast<int32_t>(value);
}
