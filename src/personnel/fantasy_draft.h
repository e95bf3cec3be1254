#pragma once
// The fantasy draft: the active franchises take turns choosing any player of
// any team or pool, round after round, until the computer finds nobody left
// to take; every player then moves to the team that drafted him and the
// undrafted players of the franchises are released. Its state (the options,
// round, pick, the players taken and the order of every round) lives in the
// league block and is saved with the game.
#include <cstdint>

constexpr int32_t FANTASY_DRAFT_ROUNDS = 100;
// The draft ends when this round is reached.
constexpr int32_t FANTASY_DRAFT_LAST_ROUND = 65;
constexpr int32_t FANTASY_DRAFT_TEAMS = 36;
// Fantasy_Draft_Flag values.
constexpr int32_t FANTASY_DRAFT_NONE = 0;
constexpr int32_t FANTASY_DRAFT_RUNNING = 1;
constexpr int32_t FANTASY_DRAFT_COMPUTER_FINISHES = 2;
// First-round orders and the orders of the later rounds.
constexpr int32_t FANTASY_ORDER_RANDOM = 1;
constexpr int32_t FANTASY_ORDER_CASH = 2;
constexpr int32_t FANTASY_ORDER_REVENUE = 3;
constexpr int32_t FANTASY_ORDER_ALPHABETICAL = 4;
constexpr int32_t FANTASY_ORDER_SNAKE = 5;
constexpr int32_t FANTASY_ORDER_REPEAT = 6;
constexpr int32_t FANTASY_ORDER_REVERSE = 7;
// Settings of the draft order dialog: its team and position filters.
constexpr int32_t FANTASY_TEAM_FILTER = 86;
constexpr int32_t FANTASY_POSITION_FILTER = 87;
constexpr const char* FANTASY_DRAFT_REPORT = "Output/Fantasy Draft.txt";

// Fantasy_Draft_Flag and Fantasy_Announce_Picks of the league header.
int32_t Get_Fantasy_Draft_Flag();
void Set_Fantasy_Draft_Flag(int32_t flag);
int32_t Get_Fantasy_Announce_Picks();
void Set_Fantasy_Announce_Picks(int32_t announce);

// The state block's fields.
int32_t Get_Fantasy_First_Round_Option();
int32_t Get_Fantasy_Later_Rounds_Option();
int32_t Get_Fantasy_Draft_Round();
int32_t Get_Fantasy_Draft_Pick();
// Team slot on the clock at (round, pick); NO_TEAM outside the table.
int32_t Get_Fantasy_Draft_Order(int32_t round, int32_t pick);
// The team on the clock now.
int32_t Get_Fantasy_Draft_Team();
// Player id taken at (round, pick): 0 for a pick not made, -1 for a pick whose
// player slot was invalid.
int32_t Get_Fantasy_Draft_Pick_ID(int32_t round, int32_t pick);
// The player id of overall pick `overall` (0-based), 0 for a pick not yet made.
int32_t Get_Fantasy_Overall_Pick_ID(int32_t overall);
// True when the round and the pick lie inside the rounds the draft plays (or
// at the first pick after the last, where a whole draft ends) and every round
// it plays, those already made included, gives each active team exactly one
// pick: a damaged state ends the draft instead of going on with it, and the
// user is told.
bool Is_Fantasy_Draft_State_Usable();
// True while a draft runs with a place on the clock to take a pick: not past
// its last round, not being carried out, its state usable.
bool Is_Fantasy_Pick_On_The_Clock();

// Rows of the draft order dialog: one per pick of the first 65 rounds. A row
// is shown when the team filter (setting 86) is "all teams" or names the team
// on that pick, and the position filter (setting 87) is "all positions" or
// the position of the player taken.
bool Is_Fantasy_Draft_Row_Shown(int32_t round, int32_t pick);
// The player taken at a made pick, where he stands now; false for a pick not
// yet made or a player no longer in the league.
bool Find_Fantasy_Pick_Player(int32_t round, int32_t pick, int32_t* team, int32_t* slot);
// "round<tab>last, first<tab>position" for a made pick, "round<tab>[team]<tab>" for one to come.
void Format_Fantasy_Draft_Row(int32_t round, int32_t pick, char* out, int32_t size);

// Starts a draft: flag 1, the dialog filters, a cleared state and the order.
void Begin_Fantasy_Draft(int32_t first_round, int32_t later_rounds);
// Fills the order of every round from the two options, names the menus for
// the draft, clears every player's marks, starts the report and makes the
// first step.
void Set_Fantasy_Draft_Order(int32_t first_round, int32_t later_rounds);
// One step: a human team on the clock is asked to pick; a computer team picks
// (its announcement posts the message that brings the next step); when nobody
// is left worth taking, or the last round is reached, the draft completes. A
// damaged state ends the draft with its picks undone (every player where he
// is, no pick recorded, the report listing none), and says so.
// However many steps are posted, each place on the clock gets one pick: a
// step whose place was taken while it dispatched messages does nothing more.
// A step that comes while the steps are held waits for the hold to end.
void Run_Fantasy_Draft();
// While a game is saved no step of the draft runs, so the file holds the
// draft as it stood when the save began: a step that comes meanwhile waits,
// and is posted again when the last hold ends. Holds nest.
void Hold_Fantasy_Draft_Steps();
void Release_Fantasy_Draft_Steps();
// Holds the draft's steps for its own life.
struct FANTASY_DRAFT_STEPS_HELD {
    FANTASY_DRAFT_STEPS_HELD() { Hold_Fantasy_Draft_Steps(); }
    ~FANTASY_DRAFT_STEPS_HELD() { Release_Fantasy_Draft_Steps(); }
    FANTASY_DRAFT_STEPS_HELD(const FANTASY_DRAFT_STEPS_HELD&) = delete;
    FANTASY_DRAFT_STEPS_HELD& operator=(const FANTASY_DRAFT_STEPS_HELD&) = delete;
};
// The computer's choice for `team`: 1 with the player's team and slot, or 0
// (team 255) when there is no one left to take.
int32_t Choose_Fantasy_Draft_Player(int32_t team, uint8_t* chosen_team, uint8_t* chosen_slot);
// Salary room in thousands left to `team` by the players it has drafted.
int32_t Get_Fantasy_Cap_Room(int32_t team);
// The weight each position still has for `team`: 0 once it has drafted its target.
void Get_Fantasy_Position_Needs(int32_t team, int32_t needs[15]);
int32_t Count_Fantasy_Drafted_At_Position(int32_t team, int32_t position);
// Records a pick and moves the draft on to the next; nothing while no place
// is on the clock.
void Announce_Fantasy_Draft_Pick(int32_t player_team, int32_t player_slot, int32_t drafting_team);
// Carries the teams out, gives a player left without a contract a
// replacement player's terms, repairs out-of-range contract fields and ends
// the draft.
void Finish_Fantasy_Draft();
// Leaves fantasy-draft mode; the players stay where they are.
void End_Fantasy_Draft_State();
// A change of the league's teams ends a running draft, whose order holds
// each team once: a team erased (`erased_team`), or one added (NO_TEAM).
// Before the change: the warning its box gives, that the draft will end and
// its picks be undone; false and "" while no draft runs.
bool Format_Fantasy_Draft_Team_Change_Warning(int32_t erased_team, char* out, int32_t size);
// When the change is made, before anybody moves: ends the running draft
// with its picks undone (every player stays where he is, no pick is
// recorded, the report lists none) and tells the user that the change ended
// it. Nothing while no draft runs.
void End_Fantasy_Draft_For_Team_Change(int32_t erased_team);
// Posts the step that goes on from the pick on the clock, for a change made
// while the draft waited (the League Editor closed): a computer team now on
// the clock picks, a human team is asked, and a damaged state ends the draft
// as a step does. The user already asked for the pick on the clock, whose
// team is still run by a human, is not asked again, whichever human team is
// the user's now. Nothing while no draft runs.
void Post_Next_Fantasy_Draft_Step();
// The menu command while the draft runs: the computer finishes it, it is
// aborted, or the user goes back to it.
void End_Fantasy_Draft_Command();

// For a game of an older layout loaded while its draft ran: "<saved game
// name>.draft" is read over the state. Returns 1 when the file was taken: a
// whole file whose order is a draft of this league and whose picks already
// made each record a player the league marks for the team that made it;
// those picks are then marked. Otherwise (no such file, a short one, one
// whose order is no draft of this league or whose picks are not the
// league's marks, or a saved-game name that is not a plain file name)
// returns 0 and nothing of the file is taken: the draft the saved league
// holds goes on when it is such a whole draft itself, else the draft starts
// again from its first pick with a fresh order, as Set_Fantasy_Draft_Order
// leaves a new one, every mark and recorded pick cleared. The reason goes to
// the diagnostics log. The load that shows the game posts the next step.
int Load_Fantasy_Draft_State();
// A game just loaded and shown whose draft runs goes on from where its save
// stands: its report is written again from the picks the save records (so
// the picks the game made after that save are not in it twice) and the
// draft's next step is posted. Nothing while no draft runs.
void Continue_Loaded_Fantasy_Draft();
// Teams moved between franchise slots (slot s to to[s], a permutation of the
// slots: a re-sort by name, a league packed after an erased team) take their
// places in the draft's order and their picks with them, so every pick stays
// with the team that made it. Nothing while no draft runs.
void Move_Fantasy_Draft_Teams(const int32_t* to);
// Every player's fantasy mark made to agree with the picks the league
// records: while a draft runs on a usable state the players its made picks
// took carry the teams that took them and nobody else is marked; otherwise
// nobody is marked. Run on every loaded league, whose marks may say anything.
void Settle_Fantasy_Draft_Marks();
// Without a draft under way nobody has been drafted: every mark becomes the
// no-team value. Run before a league is saved, so a file the game wrote
// holds the marks its load settles on and resumes to the same bytes.
void Clear_Fantasy_Marks_Outside_A_Draft();
