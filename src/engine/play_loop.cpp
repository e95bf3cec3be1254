#include "engine/play_loop.h"

#include <cstring>

#include "app/diagnostics.h"
#include "app/main_menu.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/defensive_play_calling.h"
#include "engine/downs_and_clock.h"
#include "engine/field_goals.h"
#include "engine/formations.h"
#include "engine/game_driver.h"
#include "engine/game_files.h"
#include "engine/game_injuries.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/kicking_plays.h"
#include "engine/log_rows.h"
#include "engine/offensive_play_calling.h"
#include "engine/passing_plays.h"
#include "engine/penalties.h"
#include "engine/play_matchups.h"
#include "engine/play_text.h"
#include "engine/playbook_records.h"
#include "engine/running_plays.h"
#include "engine/snap_answers.h"
#include "engine/snap_decisions.h"
#include "engine/team_unit_ratings.h"
#include "platform/message_queue.h"
#include "playbooks/playbook_queries.h"
#include "reports/box_score_tables.h"
#include "views/game_day_view.h"

int32_t Down_Distance_Counts[4][DOWN_DISTANCE_ROWS];
int32_t Last_Offensive_Play = -1;
int32_t Last_Defensive_Play = -1;

namespace {

constexpr int32_t ANIMATION_FRAMES = 11;
constexpr int32_t DEFAULT_OFFENSIVE_FORMATION = 3;
constexpr int32_t DEFAULT_DEFENSIVE_FORMATION = 22;
constexpr int32_t DEFAULT_34_DEFENSIVE_FORMATION = 25;
constexpr uint32_t SNAP_CLEAR_BITS =
    CLOCK_STOPPED_BIT | CLOCK_STOPPED_PAIR_BIT | OUT_OF_BOUNDS_BIT | OUT_OF_BOUNDS_HURRY_BIT;
// A game that has run this many snaps is stopped: no real game comes near it,
// so only a fault (a clock that does not move) can get there.
constexpr int32_t MAX_SNAPS_PER_RUN = 3000;

bool Is_Calendar_Advancing() {
    return Get_User_Preference(SIMULATION_RUNNING) != 0;
}

bool Target_Week_Reached() {
    return Get_User_Preference(CURRENT_WEEK) >= Universe.Header.Target_Week;
}

int32_t Offense_Play_Type(const GAME_RECORD* pGame, int32_t play) {
    if (play < 0 || play >= OFFENSIVE_PLAYS) return -1;
    return Get_Offensive_Play_Type(pGame->Possession_Team, play);
}

int32_t Special_Teams_Play_Type(int32_t play) {
    if (play < 0) return -1;
    return Get_Special_Teams_Play_Type(play);
}

bool Is_Kick_Down(uint32_t down) {
    return down == KICKOFF_DOWN || down == FREE_KICK_DOWN;
}

// The defence is not asked on kickoffs, punts and field goals.
bool Defense_Call_Needed(const GAME_RECORD* pGame, int32_t offense_call) {
    if (Is_Kick_Down(Get_Game_Down(pGame))) return false;
    int32_t type = Offense_Play_Type(pGame, offense_call);
    return type != PLAY_TYPE_PUNT && type != PLAY_TYPE_FIELD_GOAL;
}

bool Keep_Waiting(void* context) {
    return Is_Waiting_For_Play_Calls(static_cast<const GAME_RECORD*>(context)) == 0;
}

bool Click_Awaited(void*) {
    return !(Get_User_Preference(CURRENT_VIEW) == GAMES_VIEW && Get_User_Preference(SIM_TO_QUARTER) < 1 &&
             Get_User_Preference(WAITING_FOR_CLICK) != 0);
}

bool Is_Watched_Now(const GAME_RECORD* pGame) {
    return Is_Game_Play_By_Play(pGame) != 0;
}

// Waits in the message layer for the user's calls; calls still open afterwards
// (the wait ended by a stop or a quit) take the computer's.
void Gather_User_Calls(GAME_RECORD* pGame, int32_t computer_offense, int32_t computer_defense) {
    PLAY_LOG_ENTRY& play = pGame->Current_Play;
    Game_Screen_Mode = 0;
    Clear_Live_Box_Score_Player_Ids();
    Set_Play_Menu_Mode(0);
    Clear_Game_Screen_Texts();
    if (Get_User_Preference(CURRENT_VIEW) != GAMES_VIEW) Set_Current_View(GAMES_VIEW);
    Set_User_Preference(PBP_OFFENSIVE_PLAY, -1);
    Set_User_Preference(PBP_DEFENSIVE_PLAY, -1);
    int off = Get_Offense_Side(pGame);
    int32_t offense_call = NO_PLAY_CALL;
    // A try is kicked unless the two-point decision (which asks a human
    // scoring team) says go for two.
    if (Get_Game_Down(pGame) == CONVERSION_ATTEMPT && !Decide_Two_Point_Try(pGame))
        offense_call = HARD_CODED_FIELD_GOAL_PLAY;
    else if (Is_Team_User_Called(pGame->Team[off]) && Get_User_Preference(AUTO_CALL_OFFENSE) != 1)
        Set_User_Preference(OFFENSIVE_PLAY_PAGE, computer_offense / 10);
    else
        offense_call = computer_offense;
    play.Offensive_Play = static_cast<uint8_t>(offense_call);
    // The defence is asked unless the offence's call, as it stands now, is a
    // kick: an offence the user has still to call does not stop the question.
    int32_t defense_call = computer_defense;
    if (Is_Team_User_Called(pGame->Team[1 - off]) && Get_User_Preference(AUTO_CALL_DEFENSE) != 1 &&
        Defense_Call_Needed(pGame, offense_call)) {
        Set_User_Preference(DEFENSIVE_PLAY_PAGE, computer_defense / 10);
        defense_call = NO_PLAY_CALL;
    }
    play.Defensive_Play = static_cast<uint8_t>(defense_call);
    // The screen shows the snap's calls to make before the wait begins.
    Redraw_Main_Window();
    Run_Message_Loop_Until(Keep_Waiting, pGame);
    if (play.Offensive_Play == NO_PLAY_CALL) play.Offensive_Play = static_cast<uint8_t>(computer_offense);
    if (play.Defensive_Play == NO_PLAY_CALL) play.Defensive_Play = static_cast<uint8_t>(computer_defense);
}

void Animate_Play(const GAME_RECORD* pGame) {
    if (!Is_Calendar_Advancing() || !Is_Watched_Now(pGame) || Get_User_Preference(SIM_TO_QUARTER) > 0) return;
    int32_t step = Get_Animation_Step();
    Enable_Main_Menu(0);
    // Finish Quarter or Finish Game chosen during the play-back ends it: the
    // snaps handed to the computer are not played back.
    for (int32_t frame = 0;
         frame < ANIMATION_FRAMES && !Is_Quit_Requested() && Get_User_Preference(SIM_TO_QUARTER) <= 0;
         ++frame) {
        int32_t wait = Draw_Play_Result_Panel(nullptr, frame, 0);
        if (wait > 0) Wait_Pumping_Messages(wait * step);
    }
    Enable_Main_Menu(1);
    if (Universe.Header.Require_Click_After_Each_Play != 0) {
        Set_User_Preference(WAITING_FOR_CLICK, 1);
        Run_Message_Loop_Until(Click_Awaited, nullptr);
    }
    Draw_Play_Result_Panel(nullptr, -1, 1);
}

void Put_Ball_At_Conversion_Spot(GAME_RECORD* pGame) {
    if (Get_Game_Down(pGame) == CONVERSION_ATTEMPT &&
        pGame->Current_Play.Offensive_Play == HARD_CODED_FIELD_GOAL_PLAY)
        pGame->Yards_To_Goal = static_cast<int8_t>(Get_Conversion_Spot());
}

void Count_Calls(GAME_RECORD* pGame) {
    if (Get_Game_Down(pGame) > 3) return;
    Record_Offensive_Play_Call(pGame, pGame->Current_Play.Offensive_Play);
    Record_Defensive_Play_Call(pGame, pGame->Current_Play.Defensive_Play);
}

void Copy_Situation_To_Play_Word(GAME_RECORD* pGame) {
    int32_t to_goal = pGame->Yards_To_Goal;
    if (to_goal < 1) to_goal = 1;
    if (to_goal > 99) to_goal = 99;
    pGame->Yards_To_Goal = static_cast<int8_t>(to_goal);
    uint32_t& word = pGame->Current_Play.Play_Word;
    word &= ~0xFFFFFFu;
    word |= Get_Game_Down(pGame) | (static_cast<uint32_t>(static_cast<uint8_t>(pGame->Yards_To_Go)) << 8) |
            (static_cast<uint32_t>(to_goal) << 16);
}

void Count_Down_And_Distance(const GAME_RECORD* pGame) {
    uint32_t down = Get_Game_Down(pGame);
    if (down > 3) return;
    int32_t to_go = pGame->Yards_To_Go;
    if (to_go < 0) to_go = 0;
    if (to_go > DOWN_DISTANCE_ROWS - 1) to_go = DOWN_DISTANCE_ROWS - 1;
    ++Down_Distance_Counts[down][to_go];
}

void Write_Play_Headings(GAME_RECORD* pGame) {
    Append_Play_Log_Rows(pGame);
}

void Dispatch_Snap(GAME_RECORD* pGame) {
    int32_t formation = pGame->Formation[Get_Offense_Side(pGame)];
    int32_t call = pGame->Current_Play.Offensive_Play;
    int32_t type = Offense_Play_Type(pGame, call);
    switch (formation) {
    case FORMATION_KICKOFF:
    case FORMATION_ONSIDE_KICKOFF:
        if (Special_Teams_Play_Type(call) == PLAY_TYPE_ONSIDE_KICK)
            Resolve_Onside_Kick(pGame);
        else
            Resolve_Kickoff(pGame);
        break;
    case FORMATION_PUNT:
        if (type == PLAY_TYPE_PUNT)
            Resolve_Punt(pGame);
        else
            Run_Scrimmage_Play(pGame);
        break;
    case FORMATION_FIELD_GOAL:
        if (type == PLAY_TYPE_FIELD_GOAL)
            Resolve_Field_Goal(pGame);
        else
            Run_Scrimmage_Play(pGame);
        break;
    case FORMATION_CONVERSION_KICK:
        Resolve_Conversion_Kick(pGame);
        break;
    default:
        Run_Scrimmage_Play(pGame);
        break;
    }
}

} // namespace

bool Is_Team_User_Called(int32_t team) {
    if (team < 0 || team >= MAX_FRANCHISES) return true;
    int32_t control = Get_Team_Stat(team, TEAM_STAT_CONTROL);
    if (control == TEAM_CONTROL_EMPTY) return true;
    return Get_User_Preference(MULTI_SEASON_SIMULATION) == 0 && control != 0;
}

int Is_Waiting_For_Play_Calls(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Is_Quit_Requested()) return 0;
    if (!Is_Calendar_Advancing() || !Is_Watched_Now(pGame)) return 0;
    if (Get_User_Preference(SIM_TO_QUARTER) > 0 || Get_User_Preference(CURRENT_VIEW) != GAMES_VIEW) return 0;
    int32_t offense_call = pGame->Current_Play.Offensive_Play;
    if (offense_call == NO_PLAY_CALL) return 1;
    if (pGame->Current_Play.Defensive_Play == NO_PLAY_CALL && Defense_Call_Needed(pGame, offense_call))
        return 1;
    return 0;
}

void Change_Possession(GAME_RECORD* pGame) {
    int side = Get_Offense_Side(pGame);
    if (Is_Past_Regulation(pGame))
        pGame->Overtime_Possessions = static_cast<int16_t>(pGame->Overtime_Possessions | (1 << side));
    pGame->Possession_Team = pGame->Team[1 - side];
    pGame->Yards_To_Goal = static_cast<int8_t>(100 - pGame->Yards_To_Goal);
    pGame->Down_Word |= POSSESSION_CHANGE_BITS;
    Clear_Red_Zone_Flags(pGame);
}

bool Is_Drop_Back_From_Center(const GAME_RECORD* pGame) {
    int32_t formation = pGame->Formation[Get_Offense_Side(pGame)];
    if ((formation >= 8 && formation <= 12) || formation == 15 || (formation >= 17 && formation <= 19) ||
        formation == 21 || (formation >= 41 && formation <= 43))
        return false;
    int32_t team = pGame->Possession_Team;
    int32_t call = pGame->Current_Play.Offensive_Play;
    if (call >= OFFENSIVE_PLAYS) return true;
    if (Is_Rollout_Or_Bootleg_Play(team, call)) return false;
    return !Has_Receiver_Route_31_32_37(team, call);
}

void Set_Default_Formations(GAME_RECORD* pGame) {
    int off = Get_Offense_Side(pGame);
    int32_t defense = pGame->Team[1 - off];
    pGame->Formation[off] = DEFAULT_OFFENSIVE_FORMATION;
    bool three_four =
        defense < TOTAL_NUMBER_OF_TEAMS && Get_Team_Stat(defense, TEAM_STAT_DEFENSIVE_SYSTEM) != 0;
    pGame->Formation[1 - off] = three_four ? DEFAULT_34_DEFENSIVE_FORMATION : DEFAULT_DEFENSIVE_FORMATION;
    Load_Field_Players(pGame, 0);
    Load_Field_Players(pGame, 1);
}

int32_t Get_Animation_Step() {
    if (Get_User_Preference(SIM_TO_QUARTER) > 0) return 0;
    int32_t step = 2 * Get_User_Preference(PLAY_ANIMATION_DELAY);
    return step < 1 ? 1 : step;
}

bool Is_Waiting_For_Click() {
    return Get_User_Preference(CURRENT_VIEW) == GAMES_VIEW && Get_User_Preference(SIM_TO_QUARTER) <= 0 &&
           Get_User_Preference(WAITING_FOR_CLICK) != 0;
}

bool Is_Sim_To_Quarter_Set() {
    return Get_User_Preference(SIM_TO_QUARTER) > 0;
}

void Set_Sim_To_Quarter(int32_t n) {
    if (n == 0 || Current_Game == nullptr) {
        Set_User_Preference(SIM_TO_QUARTER, 0);
        return;
    }
    Set_User_Preference(SIM_TO_QUARTER, Get_Game_Quarter(Current_Game) + n);
}

void Run_Game_Play_Loop(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    WATCH_ANSWER_SCOPE watch;
    for (int32_t snaps = 0; snaps < MAX_SNAPS_PER_RUN; ++snaps) {
        if (!Is_Calendar_Advancing() || Target_Week_Reached() || Is_Quit_Requested() || Is_Game_Over(pGame))
            return;
        Clear_Current_Play(pGame);
        // The game-day panels show each snap's own players, the snaps handed
        // to the computer too.
        if (Is_Watched_Now(pGame)) Clear_Live_Box_Score_Player_Ids();
        // A resolver that gains nothing leaves the yards alone, so the last
        // snap's gain must not carry over.
        pGame->Snap_Seconds = 0;
        pGame->Snap_Yards = 0;
        Check_Red_Zone(pGame);
        Copy_Situation_To_Play_Word(pGame);
        Set_Default_Formations(pGame);
        int32_t computer_offense = 0;
        int32_t computer_defense = 0;
        {
            // Nothing changes between the computer's calls: what they ask
            // more than once is worked out once.
            SNAP_ANSWERS_SCOPE answers;
            TEAM_RATINGS_SCOPE ratings;
            computer_offense = Choose_Offensive_Play(pGame);
            computer_defense = Choose_Defensive_Play(pGame);
        }
        if (!Is_Watched_Now(pGame) || Get_User_Preference(SIM_TO_QUARTER) > 0) {
            pGame->Current_Play.Offensive_Play = static_cast<uint8_t>(computer_offense);
            pGame->Current_Play.Defensive_Play = static_cast<uint8_t>(computer_defense);
            Pump_Messages();
        } else {
            Gather_User_Calls(pGame, computer_offense, computer_defense);
        }
        // A snap called while Finish Quarter or Finish Game runs (the command
        // may come during the wait for the user's calls) belongs to the stretch
        // the user handed to the computer, the one that ends it too.
        const bool handed_over = Get_User_Preference(SIM_TO_QUARTER) > 0;
        Put_Ball_At_Conversion_Spot(pGame);
        Count_Calls(pGame);
        // The screen shows the snap as called before it is played, and its
        // panels keep showing it until it has been played back.
        if (Is_Watched_Now(pGame)) {
            Hold_Live_Box_Score_Snap(pGame);
            Redraw_Main_Window();
        }
        Resolve_Play(pGame);
        if (handed_over) {
            if (Get_Game_Quarter(pGame) >= Get_User_Preference(SIM_TO_QUARTER) || Is_Game_Over(pGame))
                Set_User_Preference(SIM_TO_QUARTER, 0);
            // The game-day screen follows the snaps the computer plays whole:
            // scoreboard, situation and calls.
            if (Is_Watched_Now(pGame)) Redraw_Main_Window();
        }
        // The snap that ends a stretch handed to the computer is played back
        // like any other: the stretch is over once Sim_To_Quarter is reset.
        Animate_Play(pGame);
    }
    Report_System_Error("Game stopped after %d snaps in Run_Game_Play_Loop()", MAX_SNAPS_PER_RUN);
}

void Resolve_Play(GAME_RECORD* pGame) {
    Run_Pre_Snap_Clock(pGame);
    pGame->Down_Word &= ~SNAP_CLEAR_BITS;
    Set_Play_Formations(pGame);
    Load_Field_Players(pGame, 0);
    Load_Field_Players(pGame, 1);
    Write_Play_Headings(pGame);
    Set_Log_Entry_Clock(pGame);
    Set_Log_Entry_Possession(pGame);
    Count_Down_And_Distance(pGame);
    int penalty = Check_For_Penalty(pGame);
    if (!penalty) Dispatch_Snap(pGame);
    int32_t result = Get_Current_Play_Result(pGame);
    if (Is_Play_From_Scrimmage(pGame->Current_Play.Play_Word)) Record_Play_Result_Data(pGame);
    if (Does_Snap_End_Period(pGame) && !(Is_Touchdown_Result(result) && Get_Game_Quarter(pGame) % 2 == 0))
        Queue_Commentary(pGame, 52, 0, 0, 0, -1, -1);
    bool kick_try = pGame->Formation[Get_Offense_Side(pGame)] == FORMATION_CONVERSION_KICK;
    Update_Down_And_Distance(pGame);
    Finish_Play_Log_Row(pGame);
    if (!penalty && !kick_try) Roll_For_Game_Injury(pGame);
    Run_Period_Events(pGame);
    // The box score times a score by the clock the game keeps: a snap that
    // ran past the two-minute warning is put back to 2:00 above, and the
    // try and the kickoff after it are snapped there.
    if (Is_Scoring_Result(Get_Current_Play_Result(pGame))) Write_Scoring_Play_Row(pGame);
}

void Run_Scrimmage_Play(GAME_RECORD* pGame) {
    Narrate_Play_Start(pGame);
    if (Get_Game_Down(pGame) != CONVERSION_ATTEMPT)
        Increment_Game_Team_Stat(pGame, Get_Offense_Side(pGame), GAME_STAT_PLAYS);
    int32_t team = pGame->Possession_Team;
    int32_t call = pGame->Current_Play.Offensive_Play;
    if (call < OFFENSIVE_PLAYS && Get_Offensive_Play_Type(team, call) == PLAY_TYPE_KNEEL_DOWN) {
        Resolve_Kneel_Down(pGame);
    } else if (Is_Running_Play(team, call)) {
        Resolve_Running_Play(pGame, 0);
    } else if (Check_For_Scramble(pGame)) {
        Resolve_Running_Play(pGame, 1);
    } else {
        Resolve_Pass_Play(pGame);
    }
}
