#include "views/play_calling.h"

#include "app/command_line_flags.h"
#include "app/diagnostics.h"
#include "app/main_window_dc.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "platform/message_box.h"
#include "views/game_day_screen.h"
#include "views/play_call_panels.h"

int32_t Play_Button_State[PLAY_BUTTON_STATES];
bool Playbook_Notice_Shown = false;

namespace {
constexpr int32_t BUTTON_COLUMNS = 5;
constexpr int32_t NAME_SIZE = 64;
constexpr RECT_AREA DESCRIPTION_STRIP = {11, 487, 758, 500};
int32_t last_pointer_x = -1;
int32_t last_pointer_y = -1;

bool Is_Kick_Down(const GAME_RECORD* pGame) {
    const uint32_t down = Get_Game_Down(pGame);
    return down == KICKOFF_DOWN || down == FREE_KICK_DOWN;
}

void Write_Offensive_Call(GAME_RECORD* pGame, int32_t play) {
    pGame->Current_Play.Offensive_Play = static_cast<uint8_t>(play);
}

void Write_Defensive_Call(GAME_RECORD* pGame, int32_t play) {
    pGame->Current_Play.Defensive_Play = static_cast<uint8_t>(play);
}

// The computer's call for the side to call, after the notice of its first use.
void Do_Playbook_Button(GAME_RECORD* pGame, int32_t state) {
    if (!Playbook_Notice_Shown) {
        Playbook_Notice_Shown = true;
        if (Show_Message_Box("Clicking the 'Playbook' button will let the computer choose your play.",
                             "Automatic Play Selection", BOX_OK_CANCEL) != ID_BOX_OK)
            return;
    }
    // The snap may have moved on while the notice was open.
    state = Get_Play_Call_State();
    if (state == 1 || state == 3)
        Write_Offensive_Call(pGame, Choose_Offensive_Play(pGame));
    else if (state == 2)
        Write_Defensive_Call(pGame, Choose_Defensive_Play(pGame));
    else
        return; // both calls are in: the snap is resolved and stays as it was played
    Redraw_Main_Window();
}

// The play of a button cell for the pointing, or -1 when the cell is empty.
int32_t Pointable_Play(const GAME_RECORD* pGame, int32_t state, int32_t button) {
    char name[NAME_SIZE] = "";
    if (state == 1) {
        const int32_t team = Get_Game_Offense_Team(pGame);
        const int32_t play = button + 10 * Get_Shown_Play_Group(CALL_SIDE_OFFENSE);
        if (!Is_Valid_Team_Code(team) || play < 0 || play >= OFFENSIVE_PLAYS) return -1;
        Get_Offensive_Play_Name(team, play, name, NAME_SIZE);
        return name[0] != '\0' ? play : -1;
    }
    if (state == 2) {
        const int32_t team = Get_Game_Defense_Team(pGame);
        const int32_t play = button + 10 * Get_Shown_Play_Group(CALL_SIDE_DEFENSE);
        if (!Is_Valid_Team_Code(team) || play < 0 || play >= DEFENSIVE_PLAYS) return -1;
        Get_Defensive_Play_Name(team, play, name, NAME_SIZE);
        return name[0] != '\0' ? play : -1;
    }
    if (state == 3) {
        Get_Special_Teams_Play_Name(button, name, NAME_SIZE);
        return name[0] != '\0' ? button : -1;
    }
    return -1;
}
} // namespace

RECT_AREA Get_Play_Button_Cell(int32_t n) {
    const int32_t c = n % BUTTON_COLUMNS, r = n / BUTTON_COLUMNS;
    return {11 + 150 * c, 290 + 99 * r, 161 + 150 * c, 389 + 99 * r};
}

int32_t Find_Play_Button(int32_t x, int32_t y) {
    for (int32_t n = 0; n < PLAY_BUTTONS; ++n) {
        const RECT_AREA cell = Get_Play_Button_Cell(n);
        if (x >= cell.Left && x < cell.Right && y >= cell.Top && y < cell.Bottom) return n;
    }
    return -1;
}

int32_t Get_Play_Group_Count(int32_t side) {
    return side == CALL_SIDE_OFFENSE ? OFFENSIVE_FOLDERS : side == CALL_SIDE_DEFENSE ? DEFENSIVE_FOLDERS : 1;
}

int32_t Get_Shown_Play_Group(int32_t side) {
    if (side == CALL_SIDE_KICKOFF) return 0;
    const int32_t setting = side == CALL_SIDE_OFFENSE ? OFFENSIVE_PLAY_PAGE : DEFENSIVE_PLAY_PAGE;
    return Clamp_Int(0, Get_Play_Group_Count(side) - 1, Get_User_Preference(setting));
}

int32_t Get_Call_Side(int32_t state) {
    switch (state) {
    case 1:
        return CALL_SIDE_OFFENSE;
    case 2:
        return CALL_SIDE_DEFENSE;
    case 3:
        return CALL_SIDE_KICKOFF;
    default:
        return -1;
    }
}

int32_t Get_Call_Side_Team(const GAME_RECORD* pGame, int32_t side) {
    return side == CALL_SIDE_DEFENSE ? Get_Game_Defense_Team(pGame) : Get_Game_Offense_Team(pGame);
}

int32_t Get_Shown_Play_Number(int32_t side) {
    const GAME_RECORD* game = Current_Game;
    if (game == nullptr) return -1;
    switch (Get_Play_Call_State()) {
    case 1:
    case 3:
        return Get_User_Preference(PBP_OFFENSIVE_PLAY);
    case 2:
        return Get_User_Preference(PBP_DEFENSIVE_PLAY);
    case 4:
        if (side == CALL_SIDE_OFFENSE) return game->Current_Play.Offensive_Play;
        if (side == CALL_SIDE_DEFENSE) return game->Current_Play.Defensive_Play;
        return -1;
    default:
        return -1;
    }
}

bool Is_Current_Game_Play(int32_t play) {
    if (play < 0) return false;
    return play == Get_Shown_Play_Number(CALL_SIDE_OFFENSE) ||
           play == Get_Shown_Play_Number(CALL_SIDE_DEFENSE);
}

bool Choose_Play_Group(int32_t n) {
    const int32_t state = Get_Play_Call_State();
    if (state == 3) return false;
    if (n < 0) n = 0;
    if (state == 1 && n < OFFENSIVE_FOLDERS) {
        Set_User_Preference(OFFENSIVE_PLAY_PAGE, n);
    } else if (state == 2 && n < DEFENSIVE_FOLDERS) {
        Set_User_Preference(DEFENSIVE_PLAY_PAGE, n);
    } else {
        return false;
    }
    Redraw_Main_Window();
    return true;
}

bool Choose_Play_Button(int32_t n) {
    GAME_RECORD* game = Current_Game;
    if (game == nullptr || n < 0 || n >= PLAY_BUTTONS) return false;
    PLAY_LOG_ENTRY& play = game->Current_Play;
    if (play.Offensive_Play == NO_PLAY_CALL) {
        int32_t call = n;
        if (!Is_Kick_Down(game)) {
            call = n + 10 * Get_Shown_Play_Group(CALL_SIDE_OFFENSE);
            if (!Is_Offensive_Play_Defined(Get_Game_Offense_Team(game), call)) return false;
        }
        Write_Offensive_Call(game, call);
        Log_Debug_Flagged(DTXT_PBPSELECTOR, "Offensive play %d called on the game screen", call);
        Redraw_Main_Window();
        return true;
    }
    if (play.Defensive_Play != NO_PLAY_CALL) return false;
    const int32_t call = n + 10 * Get_Shown_Play_Group(CALL_SIDE_DEFENSE);
    if (!Is_Defensive_Play_Defined(Get_Game_Defense_Team(game), call)) return false;
    Write_Defensive_Call(game, call);
    Log_Debug_Flagged(DTXT_PBPSELECTOR, "Defensive play %d called on the game screen", call);
    Redraw_Main_Window();
    return true;
}

bool Do_Play_Call_Click(GAME_RECORD* pGame, int32_t x, int32_t y) {
    if (pGame == nullptr || y < CALL_TAB_TOP) return false;
    if (y < CALL_TAB_BOTTOM) {
        const int32_t state = Get_Play_Call_State();
        if (state != 0 && x >= PLAYBOOK_BUTTON_LEFT && x < PLAYBOOK_BUTTON_RIGHT)
            Do_Playbook_Button(pGame, state);
        if (x < GROUP_TAB_LEFT) return false;
        return Choose_Play_Group((x - GROUP_TAB_LEFT) / GROUP_TAB_WIDTH);
    }
    const int32_t button = Find_Play_Button(x, y);
    return button >= 0 && Choose_Play_Button(button);
}

void Begin_Play_Pointer_Track(PLAY_POINTER_TRACK* track) {
    const int32_t state = Get_Play_Call_State();
    track->Setting = state == 1 || state == 3 ? PBP_OFFENSIVE_PLAY : state == 2 ? PBP_DEFENSIVE_PLAY : -1;
    track->Old_Play = track->Setting >= 0 ? Get_User_Preference(track->Setting) : -1;
    track->Changed = false;
    track->Hot = false;
    track->Answered = false;
    for (int32_t& entry : Play_Button_State)
        entry = BUTTON_UNCHANGED;
    // A pointed play saved out of range names no button.
    if (track->Old_Play >= 0 && track->Old_Play < PLAY_BUTTON_STATES)
        Play_Button_State[track->Old_Play] = BUTTON_CHANGED;
}

void Track_Play_Buttons(PLAY_POINTER_TRACK* track, int32_t x, int32_t y) {
    const GAME_RECORD* game = Current_Game;
    const int32_t state = Get_Play_Call_State();
    if (game == nullptr || state == 0 || state == 4 || y < CALL_TAB_BOTTOM) return;
    const int32_t button = Find_Play_Button(x, y);
    if (button < 0) return;
    const int32_t play = Pointable_Play(game, state, button);
    if (play < 0) return;
    track->Hot = true;
    if (play == track->Old_Play) {
        track->Answered = true;
        return;
    }
    Log_Debug_Flagged(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR,
                      track->Setting == PBP_DEFENSIVE_PLAY ? "Changing PBP_DEFENSIVE_PLAY from %d to %d"
                                                           : "Changing PBP_OFFENSIVE_PLAY from %d to %d",
                      track->Old_Play, play);
    Set_User_Preference(track->Setting, play);
    Play_Button_State[play] = BUTTON_CHANGED;
    track->Changed = true;
}

void Finish_Play_Pointer_Track(const PLAY_POINTER_TRACK& track) {
    const bool pointed_before = track.Old_Play != -1 && track.Setting >= 0;
    if (!track.Changed && pointed_before) {
        DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
        if (dc != nullptr) {
            Restore_Design_Rect(dc, DESCRIPTION_STRIP);
            Release_Main_Window_DC();
        }
        Set_User_Preference(track.Setting, -1);
    }
    if (pointed_before || track.Changed) Redraw_Play_Call_Area();
}

void Get_Last_Pointer_Position(int32_t* x, int32_t* y) {
    *x = last_pointer_x;
    *y = last_pointer_y;
}

void Set_Last_Pointer_Position(int32_t x, int32_t y) {
    last_pointer_x = x;
    last_pointer_y = y;
}
