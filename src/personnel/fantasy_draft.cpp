#include "personnel/fantasy_draft.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>

#include "app/diagnostics.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_title.h"
#include "app/window_graphics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/player_list_dialog.h"
#include "frontoffice/money.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/salary_value.h"
#include "frontoffice/trade_values.h"
#include "personnel/contract_renewal.h"
#include "personnel/player_generation.h"
#include "personnel/random_ratings.h"
#include "personnel/roster_text.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"

namespace {
constexpr int32_t ANNOUNCE_PICKS_STAT = 5;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t NOT_DRAFTED = -128;
constexpr int32_t FINANCE_REVENUE = 14;
constexpr int32_t FINANCE_CASH = 68;
constexpr int32_t FINANCE_RANKING = 83;
constexpr int32_t ALL_POSITIONS_FILTER = 15;
constexpr float RANDOMIZE_BELOW = 25.0f;

constexpr int32_t POSITION_WEIGHTS[NUMBER_OF_POSITIONS] = {1200, 1100, 1000, 1000, 1100, 1100, 1100, 1000,
                                                           1200, 1200, 1000, 1000, 900,  1000, 1000};
constexpr int32_t ROSTER_TARGETS[NUMBER_OF_POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};

// The state block: four ints, the ids taken [round][pick], the order [round][pick].
constexpr size_t FIRST_OPTION_OFFSET = 0;
constexpr size_t LATER_OPTION_OFFSET = 4;
constexpr size_t ROUND_OFFSET = 8;
constexpr size_t PICK_OFFSET = 12;
constexpr size_t IDS_OFFSET = 16;
constexpr size_t ORDER_OFFSET = IDS_OFFSET + sizeof(int32_t) * FANTASY_DRAFT_ROUNDS * FANTASY_DRAFT_TEAMS;
static_assert(ORDER_OFFSET == 14416);
static_assert(ORDER_OFFSET + FANTASY_DRAFT_ROUNDS * FANTASY_DRAFT_TEAMS ==
              sizeof Universe.Tail.Fantasy_Draft_State);

uint8_t* State() {
    return Universe.Tail.Fantasy_Draft_State;
}

int32_t Read_State_Int(size_t offset) {
    int32_t value = 0;
    std::memcpy(&value, State() + offset, sizeof value);
    return value;
}

void Write_State_Int(size_t offset, int32_t value) {
    std::memcpy(State() + offset, &value, sizeof value);
}

bool Is_Table_Entry(int32_t round, int32_t pick) {
    return round >= 0 && round < FANTASY_DRAFT_ROUNDS && pick >= 0 && pick < FANTASY_DRAFT_TEAMS;
}

size_t Id_Offset(int32_t round, int32_t pick) {
    return IDS_OFFSET + sizeof(int32_t) * (static_cast<size_t>(round) * FANTASY_DRAFT_TEAMS + pick);
}

void Set_Order(int32_t round, int32_t pick, int32_t team) {
    State()[ORDER_OFFSET + static_cast<size_t>(round) * FANTASY_DRAFT_TEAMS + pick] =
        static_cast<uint8_t>(team);
}

int32_t Active_Teams() {
    const int32_t teams = Count_Active_Teams();
    Active_Team_Count = teams;
    return std::min(teams, FANTASY_DRAFT_TEAMS);
}

// Team slots ascending by a financial statistic, slot order among equals.
void Order_By_Finances(int32_t* order, int32_t teams, int32_t stat) {
    std::stable_sort(order, order + teams, [stat](int32_t a, int32_t b) {
        return Get_Team_Financial_Stat(a, stat) < Get_Team_Financial_Stat(b, stat);
    });
}

void Shuffle_Teams(int32_t* order, int32_t teams) {
    for (int32_t i = 0; i < teams; ++i)
        std::swap(order[i], order[i + Random_Index(teams - i)]);
}

// Every round's order from the two options, written into the state.
void Fill_Draft_Order(int32_t first_round, int32_t later_rounds, int32_t teams) {
    int32_t first[FANTASY_DRAFT_TEAMS];
    for (int32_t i = 0; i < teams; ++i)
        first[i] = i;
    if (first_round == FANTASY_ORDER_RANDOM)
        Shuffle_Teams(first, teams);
    else if (first_round == FANTASY_ORDER_CASH)
        Order_By_Finances(first, teams, FINANCE_CASH);
    else if (first_round == FANTASY_ORDER_REVENUE)
        Order_By_Finances(first, teams, FINANCE_REVENUE);
    for (int32_t pick = 0; pick < teams; ++pick)
        Set_Order(0, pick, first[pick]);
    for (int32_t round = 1; round < FANTASY_DRAFT_ROUNDS; ++round) {
        int32_t order[FANTASY_DRAFT_TEAMS];
        bool reversed =
            later_rounds == FANTASY_ORDER_REVERSE || (later_rounds == FANTASY_ORDER_SNAKE && round % 2 == 1);
        for (int32_t i = 0; i < teams; ++i)
            order[i] = reversed ? first[teams - 1 - i] : first[i];
        if (later_rounds == FANTASY_ORDER_RANDOM) {
            for (int32_t i = 0; i < teams; ++i)
                order[i] = i;
            Shuffle_Teams(order, teams);
        }
        for (int32_t pick = 0; pick < teams; ++pick)
            Set_Order(round, pick, order[pick]);
    }
}

// The order and options of a fresh draft, without touching the players.
void Prepare_Draft_Order(int32_t first_round, int32_t later_rounds) {
    Write_State_Int(FIRST_OPTION_OFFSET, first_round);
    Write_State_Int(LATER_OPTION_OFFSET, later_rounds);
    Fill_Draft_Order(first_round, later_rounds, Active_Teams());
    Set_Draft_Menu_Texts(1);
}

bool Is_Computer_Run(int32_t team) {
    if (!Is_Active_Team(team)) return false;
    return Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_COMPUTER ||
           Get_User_Preference(MULTI_SEASON_SIMULATION) != 0;
}

bool Is_Candidate_Team(int32_t team, int32_t teams) {
    return (team < teams && Is_Active_Team(team)) || team == FREE_AGENT_TEAM ||
           team >= FIRST_COLLEGE_POOL_TEAM;
}

int32_t Own_Position(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
}

int64_t Rating_Bonus(int32_t rating) {
    return Mul_Div_Round(rating - 50, 3785, 20);
}

int64_t Candidate_Value(int32_t team, int32_t slot, const int32_t* needs, int32_t rank, bool cap_set,
                        int32_t room, int64_t low, int64_t mid, int64_t scale) {
    // One value a statement: either may draw (a rating repair), and the order
    // of an operator's operands is open.
    const int64_t trade_value = Get_Player_Trade_Value(team, slot);
    int64_t value =
        trade_value + (2 * static_cast<int64_t>(rank) * Get_Player_Net_Trade_Value(team, slot, 0) + 50) / 100;
    if (!cap_set || room > 2 * mid) {
        const int32_t position = Own_Position(team, slot);
        float rating = Get_Player_Position_Rating(team, slot, position);
        if (rating < RANDOMIZE_BELOW) {
            Randomize_Player_Ratings(team, slot);
            rating = Get_Player_Position_Rating(team, slot, position);
        }
        const int32_t potential = static_cast<int32_t>(Get_Player_Potential(team, slot));
        value += 3 * Rating_Bonus(static_cast<int32_t>(rating)) + 2 * Rating_Bonus(potential);
    }
    const int32_t position = Own_Position(team, slot);
    if (position >= 0 && position < NUMBER_OF_POSITIONS)
        value = Mul_Div_Round_64(value, needs[position], 1000);
    if (cap_set) {
        const int64_t pay =
            static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_BASE_CAP_CHARGE)) * 1000;
        if (room < low)
            value = Mul_Div_Round_64(value, scale, pay);
        else if (room < mid)
            value = Mul_Div_Round_64(value, 2 * scale, pay + scale);
    }
    return value;
}

// The report's line of a pick: the overall pick number, the drafting team,
// the player and his position; a player team of NO_TEAM is a pick of nobody,
// whose name and position stay empty.
void Report_Line(char* line, size_t size, int32_t player_team, int32_t player_slot, int32_t drafting_team,
                 int32_t overall) {
    char team_name[PLAYER_NAME_TEXT_SIZE];
    char player_name[PLAYER_NAME_TEXT_SIZE] = "";
    const char* position = "";
    Get_Team_Full_Name(drafting_team, team_name);
    if (player_team != NO_TEAM) {
        Get_Player_Full_Name(player_team, player_slot, player_name);
        position = Get_Position_Short_Name(Own_Position(player_team, player_slot));
    }
    safe_sprintf(line, static_cast<int>(size), "%3d. %-25s %-25s %s", overall, team_name, player_name,
                 position);
}

// The report of a draft with no pick made: its header alone.
void Start_Draft_Report() {
    Delete_File(FANTASY_DRAFT_REPORT);
    Append_Formatted_Line_To_File(FANTASY_DRAFT_REPORT, " #   %-25s %-30s %s", "TEAM", "PLAYER", "POS");
}

// Calls made(round, pick, where) for each pick already made of a usable
// state, in draft order, with the player it took where he stands now
// ({NO_TEAM, NO_PLAYER} for a pick of nobody or a player no longer in the
// league).
template <typename F> void For_Each_Made_Pick(F made) {
    const int32_t teams = Active_Teams();
    const int32_t last_round = std::min(Get_Fantasy_Draft_Round(), FANTASY_DRAFT_LAST_ROUND - 1);
    Build_Player_ID_Hash();
    for (int32_t round = 0; round <= last_round; ++round)
        for (int32_t pick = 0; pick < teams; ++pick) {
            if (round == Get_Fantasy_Draft_Round() && pick >= Get_Fantasy_Draft_Pick()) return;
            PLAYER_LOCATION where{NO_TEAM, NO_PLAYER};
            const int32_t id = Get_Fantasy_Draft_Pick_ID(round, pick);
            if (id <= 0 || Lookup_Player_ID_Hash(&where, id) == 0 ||
                !Is_Player_Slot_Used(where.Team, where.Slot))
                where = {NO_TEAM, NO_PLAYER};
            made(round, pick, where);
        }
}

// Marks the players of the picks already made with the team that took them.
void Mark_Recorded_Picks() {
    For_Each_Made_Pick([](int32_t round, int32_t pick, const PLAYER_LOCATION& where) {
        if (where.Team != NO_TEAM)
            Set_Player_Vital_Stat(where.Team, where.Slot, VITAL_FANTASY_TEAM,
                                  Get_Fantasy_Draft_Order(round, pick));
    });
}
} // namespace

int32_t Get_Fantasy_Draft_Flag() {
    return Get_Universe_Stat(FANTASY_DRAFT_FLAG);
}

void Set_Fantasy_Draft_Flag(int32_t flag) {
    Store_Universe_Stat(FANTASY_DRAFT_FLAG, flag);
}

int32_t Get_Fantasy_Announce_Picks() {
    return Get_Universe_Stat(ANNOUNCE_PICKS_STAT);
}

void Set_Fantasy_Announce_Picks(int32_t announce) {
    Store_Universe_Stat(ANNOUNCE_PICKS_STAT, announce);
}

int32_t Get_Fantasy_First_Round_Option() {
    return Read_State_Int(FIRST_OPTION_OFFSET);
}

int32_t Get_Fantasy_Later_Rounds_Option() {
    return Read_State_Int(LATER_OPTION_OFFSET);
}

int32_t Get_Fantasy_Draft_Round() {
    return Read_State_Int(ROUND_OFFSET);
}

int32_t Get_Fantasy_Draft_Pick() {
    return Read_State_Int(PICK_OFFSET);
}

int32_t Get_Fantasy_Draft_Order(int32_t round, int32_t pick) {
    if (!Is_Table_Entry(round, pick)) return NO_TEAM;
    return State()[ORDER_OFFSET + static_cast<size_t>(round) * FANTASY_DRAFT_TEAMS + pick];
}

int32_t Get_Fantasy_Draft_Team() {
    return Get_Fantasy_Draft_Order(Get_Fantasy_Draft_Round(), Get_Fantasy_Draft_Pick());
}

int32_t Get_Fantasy_Draft_Pick_ID(int32_t round, int32_t pick) {
    return Is_Table_Entry(round, pick) ? Read_State_Int(Id_Offset(round, pick)) : 0;
}

int32_t Get_Fantasy_Overall_Pick_ID(int32_t overall) {
    const int32_t teams = Active_Teams();
    if (teams <= 0 || overall < 0) return 0;
    const int32_t round = overall / teams, pick = overall % teams;
    const int32_t current = Get_Fantasy_Draft_Round();
    if (round > current || (round == current && pick >= Get_Fantasy_Draft_Pick())) return 0;
    return Get_Fantasy_Draft_Pick_ID(round, pick);
}

namespace {
// Why a state block is no draft of this league, or false when it is one: the
// round and pick lie inside the rounds the draft plays, or at the first pick
// after its last round, where the last pick of a whole draft leaves it; and
// every round it plays, those already made included, gives each active team
// exactly one pick.
bool Find_Draft_State_Fault(const uint8_t* state, char* why, int32_t size) {
    static_assert(FANTASY_DRAFT_LAST_ROUND < FANTASY_DRAFT_ROUNDS);
    const int32_t teams = Active_Teams();
    int32_t round = 0, pick = 0;
    std::memcpy(&round, state + ROUND_OFFSET, sizeof round);
    std::memcpy(&pick, state + PICK_OFFSET, sizeof pick);
    if (teams <= 0) {
        safe_sprintf(why, size, "the league has no team to draft");
        return true;
    }
    const bool playing = round >= 0 && round < FANTASY_DRAFT_LAST_ROUND && pick >= 0 && pick < teams;
    const bool finished = round == FANTASY_DRAFT_LAST_ROUND && pick == 0;
    if (!playing && !finished) {
        safe_sprintf(why, size, "round %d, pick %d lies outside a draft of %d rounds of %d teams", round,
                     pick, FANTASY_DRAFT_LAST_ROUND, teams);
        return true;
    }
    for (int32_t r = 0; r < FANTASY_DRAFT_LAST_ROUND; ++r) {
        bool picked[FANTASY_DRAFT_TEAMS] = {};
        const uint8_t* order = state + ORDER_OFFSET + static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS;
        for (int32_t p = 0; p < teams; ++p) {
            const int32_t team = order[p];
            if (team >= teams || !Is_Active_Team(team)) {
                safe_sprintf(why, size, "round %d names team %d, which is not in the league", r + 1, team);
                return true;
            }
            if (picked[team]) {
                safe_sprintf(why, size, "team %d picks more than once in round %d", team, r + 1);
                return true;
            }
            picked[team] = true;
        }
    }
    return false;
}
} // namespace

namespace {
// Why a draft file's picks already made are not all the picks the saved
// league holds, or false when they are: each made pick records the id of a
// player of the league (a franchise in use or a pool) whose saved mark is
// the team that pick belonged to, and no player is taken twice. The game
// records the player of every pick it makes; an id of nobody, or of a player
// marked for another team (or for none), is a file of another league or
// another moment of this one, and taken it would re-deal players the league
// never saw drafted. The order must be sound first.
bool Find_Unrecorded_Pick(const uint8_t* state, char* why, int32_t size) {
    const int32_t teams = Active_Teams();
    int32_t round = 0, pick = 0;
    std::memcpy(&round, state + ROUND_OFFSET, sizeof round);
    std::memcpy(&pick, state + PICK_OFFSET, sizeof pick);
    Build_Player_ID_Hash();
    std::set<int32_t> taken;
    for (int32_t r = 0; r <= round && r < FANTASY_DRAFT_LAST_ROUND; ++r)
        for (int32_t p = 0; p < teams && (r < round || p < pick); ++p) {
            int32_t id = 0;
            std::memcpy(&id, state + Id_Offset(r, p), sizeof id);
            const int32_t team = state[ORDER_OFFSET + static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p];
            PLAYER_LOCATION where{};
            if (id <= 0 || Lookup_Player_ID_Hash(&where, id) == 0 || !Is_Candidate_Team(where.Team, teams) ||
                !Is_Player_Slot_Used(where.Team, where.Slot)) {
                safe_sprintf(why, size,
                             "pick %d of round %d, already made, records no player of the league (%d)", p + 1,
                             r + 1, id);
                return true;
            }
            const int32_t mark = Get_Player_Vital_Stat(where.Team, where.Slot, VITAL_FANTASY_TEAM);
            if (mark != team) {
                safe_sprintf(why, size,
                             "pick %d of round %d, already made, took player %d for team %d, but his saved "
                             "mark is %d",
                             p + 1, r + 1, id, team, mark);
                return true;
            }
            if (!taken.insert(id).second) {
                safe_sprintf(why, size, "pick %d of round %d, already made, took player %d a second time",
                             p + 1, r + 1, id);
                return true;
            }
        }
    return false;
}
} // namespace

bool Is_Fantasy_Draft_State_Usable() {
    char why[TEXT_BUFFER_SIZE];
    return !Find_Draft_State_Fault(State(), why, sizeof why);
}

namespace {
// The player taken at a made pick, when he is still in the league.
bool Find_Picked_Player(int32_t round, int32_t pick, PLAYER_LOCATION* where) {
    if (Get_Fantasy_Overall_Pick_ID(round * Active_Teams() + pick) <= 0) return false;
    return Lookup_Player_ID_Hash(where, Get_Fantasy_Draft_Pick_ID(round, pick)) != 0 &&
           Is_Player_Slot_Used(where->Team, where->Slot);
}
} // namespace

bool Find_Fantasy_Pick_Player(int32_t round, int32_t pick, int32_t* team, int32_t* slot) {
    PLAYER_LOCATION where{};
    if (!Find_Picked_Player(round, pick, &where)) return false;
    if (team != nullptr) *team = where.Team;
    if (slot != nullptr) *slot = where.Slot;
    return true;
}

bool Is_Fantasy_Draft_Row_Shown(int32_t round, int32_t pick) {
    const int32_t teams = Active_Teams();
    const int32_t team_filter = Get_User_Preference(FANTASY_TEAM_FILTER);
    if (team_filter != teams && team_filter != Get_Fantasy_Draft_Order(round, pick)) return false;
    const int32_t position_filter = Get_User_Preference(FANTASY_POSITION_FILTER);
    if (position_filter == ALL_POSITIONS_FILTER) return true;
    PLAYER_LOCATION where{};
    return Find_Picked_Player(round, pick, &where) && Own_Position(where.Team, where.Slot) == position_filter;
}

void Format_Fantasy_Draft_Row(int32_t round, int32_t pick, char* out, int32_t size) {
    PLAYER_LOCATION where{};
    if (Find_Picked_Player(round, pick, &where)) {
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Last_First_Name(where.Team, where.Slot, name);
        safe_sprintf(out, size, "%d\t%s\t%s", round + 1, name,
                     Get_Position_Short_Name(Own_Position(where.Team, where.Slot)));
        return;
    }
    char team_name[PLAYER_NAME_TEXT_SIZE];
    Get_Team_Full_Name(Get_Fantasy_Draft_Order(round, pick), team_name);
    safe_sprintf(out, size, "%d\t[%s]\t", round + 1, team_name);
}

void Begin_Fantasy_Draft(int32_t first_round, int32_t later_rounds) {
    Set_Fantasy_Draft_Flag(FANTASY_DRAFT_RUNNING);
    Set_User_Preference(FANTASY_POSITION_FILTER, ALL_POSITIONS_FILTER);
    Set_User_Preference(FANTASY_TEAM_FILTER, Active_Teams());
    Update_Main_Window_Title();
    std::memset(State(), 0, sizeof Universe.Tail.Fantasy_Draft_State);
    Set_Fantasy_Draft_Order(first_round, later_rounds);
}

namespace {
// The place on the clock whose team of the user's was last asked for its
// pick, and that team, kept after the question closed while the draft goes
// on; -1 and NO_TEAM when none was.
int32_t place_asked = -1;
int32_t team_asked = NO_TEAM;

// A draft begun, resumed or ended has asked nobody yet.
void Forget_Asked_Pick() {
    place_asked = -1;
    team_asked = NO_TEAM;
}

// The order of a draft about to make its first pick, from the two options;
// every player's marks are cleared. The round, the pick and the picks
// recorded are the caller's to clear.
void Set_Up_Draft_Order(int32_t first_round, int32_t later_rounds) {
    Forget_Asked_Pick();
    Prepare_Draft_Order(first_round, later_rounds);
    Reset_Fantasy_Draft_Marks();
    // The draft weighs every player by his contract: absurd figures are
    // worked out again before the first pick.
    Repair_Contract_Demands();
}
} // namespace

void Set_Fantasy_Draft_Order(int32_t first_round, int32_t later_rounds) {
    Set_Up_Draft_Order(first_round, later_rounds);
    Start_Draft_Report();
    Run_Fantasy_Draft();
}

namespace {
// The place on the clock whose team of the user's is being asked for its
// pick, round * 100 + pick; -1 while nobody is asked.
int32_t place_being_asked = -1;
// Set while the draft is carried out.
bool finishing = false;
// Holds on the draft's steps (a game being saved), and whether a step came
// while they stood.
int32_t step_holds = 0;
bool step_waiting = false;
// Steps posted so far: a step that lets messages through sees whether
// another was posted meanwhile.
uint32_t steps_posted = 0;

void Post_Fantasy_Draft_Step() {
    ++steps_posted;
    Post_Window_Message(Main_Window, MSG_MAIN_WINDOW_USER, 0, 0);
}

int32_t Place_On_The_Clock() {
    return Get_Fantasy_Draft_Round() * FANTASY_DRAFT_ROUNDS + Get_Fantasy_Draft_Pick();
}

// Ends the running draft with its picks undone: every player stays where he
// stood before it, its state is cleared as a new draft clears it (no pick
// recorded) and its report lists no pick.
void Undo_Fantasy_Draft() {
    End_Fantasy_Draft_State();
    std::memset(State(), 0, sizeof Universe.Tail.Fantasy_Draft_State);
    Start_Draft_Report();
    Redraw_Main_Window();
}

// A state no draft reaches: the draft is ended, with every player where he
// was before it, and the user is told.
void End_Damaged_Draft(const char* routine) {
    const int32_t round = Get_Fantasy_Draft_Round(), pick = Get_Fantasy_Draft_Pick();
    Report_System_Error("Invalid fantasy draft state (round %d, pick %d) in %s()", round, pick, routine);
    Undo_Fantasy_Draft();
    Show_Formatted_Message(
        "Fantasy Draft Ended",
        "The fantasy draft cannot go on from round %lld, pick %lld, which no draft of this "
        "league reaches. The draft has been ended and its picks undone: every player stays "
        "with the team he was with before it.",
        static_cast<long long>(round) + 1, static_cast<long long>(pick) + 1);
}

// Asks the user's team on the clock for its pick.
void Ask_For_User_Pick(int32_t team) {
    Set_User_Team(team);
    // An open player list shows the new team on the clock.
    Refresh_Player_List_Dialog(NO_WINDOW);
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Team_Full_Name(team, name);
    char caption[64];
    safe_sprintf(caption, sizeof caption, "Round %d / Pick %d", Get_Fantasy_Draft_Round() + 1,
                 Get_Fantasy_Draft_Pick() + 1);
    place_being_asked = Place_On_The_Clock();
    place_asked = place_being_asked;
    team_asked = team;
    Show_Formatted_Message(caption,
                           "%s, please make your pick. Choose 'Sortable Stats' from the Player Menu. "
                           "Then view 'Undrafted Players'.",
                           name);
    place_being_asked = -1;
}
} // namespace

bool Is_Fantasy_Pick_On_The_Clock() {
    return Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE && !finishing && Is_Fantasy_Draft_State_Usable() &&
           Get_Fantasy_Draft_Round() < FANTASY_DRAFT_LAST_ROUND;
}

void Hold_Fantasy_Draft_Steps() {
    ++step_holds;
}

void Release_Fantasy_Draft_Steps() {
    if (step_holds > 0) --step_holds;
    if (step_holds > 0 || !step_waiting) return;
    step_waiting = false;
    Post_Fantasy_Draft_Step();
}

void Run_Fantasy_Draft() {
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_NONE || finishing) return;
    // A game is being saved: the file holds the draft as it stood when the
    // save began, and this step runs once the save is over.
    if (step_holds > 0) {
        step_waiting = true;
        return;
    }
    if (!Is_Fantasy_Draft_State_Usable()) {
        End_Damaged_Draft("Run_Fantasy_Draft");
        return;
    }
    // Every round has been played: nobody is asked for a pick past the last.
    if (Get_Fantasy_Draft_Round() >= FANTASY_DRAFT_LAST_ROUND) {
        Finish_Fantasy_Draft();
        return;
    }
    // A second step for the place whose user is being asked (a step posted
    // twice, run by the question's own message loop) would only ask again.
    const int32_t place = Place_On_The_Clock();
    if (place == place_being_asked) return;
    const int32_t team = Get_Fantasy_Draft_Team();
    Update_Main_Window_Title();
    Redraw_Main_Window();
    if (Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_COMPUTER_FINISHES && !Is_Computer_Run(team)) {
        if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_RUNNING) Ask_For_User_Pick(team);
        return;
    }
    const uint32_t posted_before = steps_posted;
    Pump_Messages();
    // The messages may have made this pick (the user's Draft click in the
    // player list, or a second step posted by that click), ended the draft,
    // or loaded another game. A pick made or a game loaded meanwhile posted
    // the step that goes on from there: this one is spent, and never picks
    // for a team no longer on the clock.
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_NONE || finishing || Place_On_The_Clock() != place ||
        steps_posted != posted_before)
        return;
    // Nothing else goes on from here when the team on the clock became the
    // user's meanwhile (the League Editor, the Options): the step starts over
    // and asks him.
    if (Get_Fantasy_Draft_Team() != team ||
        (Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_COMPUTER_FINISHES && !Is_Computer_Run(team))) {
        Post_Fantasy_Draft_Step();
        return;
    }
    uint8_t chosen_team = 0, chosen_slot = 0;
    if (Choose_Fantasy_Draft_Player(team, &chosen_team, &chosen_slot)) {
        Announce_Fantasy_Draft_Pick(chosen_team, chosen_slot, team);
        return;
    }
    Finish_Fantasy_Draft();
}

int32_t Choose_Fantasy_Draft_Player(int32_t team, uint8_t* chosen_team, uint8_t* chosen_slot) {
    *chosen_team = 255;
    *chosen_slot = NO_PLAYER;
    const int32_t teams = Active_Teams();
    int32_t needs[NUMBER_OF_POSITIONS];
    Get_Fantasy_Position_Needs(team, needs);
    const int32_t room = Get_Fantasy_Cap_Room(team);
    const bool cap_set = Get_Universe_Stat(SALARY_CAP) != 0;
    const int64_t inflation = Get_Universe_Stat(INFLATION_FACTOR);
    const int64_t low = Mul_Div_Round_64(inflation, 10410, 1000);
    const int64_t mid = Mul_Div_Round_64(inflation, 26025, 1000);
    const int64_t scale = Mul_Div_Round_64(inflation, 3785454, 1000);
    const int32_t rank = Get_Team_Financial_Rank(team, FINANCE_RANKING);
    bool found = false;
    int64_t best = 0;
    for (int32_t owner = 0; owner < TOTAL_NUMBER_OF_TEAMS; ++owner) {
        if (!Is_Candidate_Team(owner, teams)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(owner, slot) ||
                Get_Player_Vital_Stat(owner, slot, VITAL_FANTASY_TEAM) != NOT_DRAFTED)
                continue;
            const int64_t value = Candidate_Value(owner, slot, needs, rank, cap_set, room, low, mid, scale);
            if (!found || value > best || (value == best && (team + owner) % 2 != 0)) {
                found = true;
                best = value;
                *chosen_team = static_cast<uint8_t>(owner);
                *chosen_slot = static_cast<uint8_t>(slot);
            }
        }
    }
    if (found && Is_Player_Slot_Used(*chosen_team, *chosen_slot)) return 1;
    *chosen_team = 255;
    *chosen_slot = NO_PLAYER;
    return 0;
}

int32_t Get_Fantasy_Cap_Room(int32_t team) {
    int64_t room = Get_Cap_Or_Payroll_Budget(team) / 1000;
    For_Each_League_Player([&](int32_t owner, int32_t slot) {
        if (Get_Player_Vital_Stat(owner, slot, VITAL_FANTASY_TEAM) == team)
            room -= Get_Player_Vital_Stat(owner, slot, VITAL_CAP_CHARGE);
    });
    return Clamp_To_Int32(room);
}

void Get_Fantasy_Position_Needs(int32_t team, int32_t needs[15]) {
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        const int32_t need =
            Mul_Div_Round(POSITION_WEIGHTS[position],
                          ROSTER_TARGETS[position] - Count_Fantasy_Drafted_At_Position(team, position),
                          ROSTER_TARGETS[position]);
        needs[position] = need > 0 ? need : 0;
    }
}

int32_t Count_Fantasy_Drafted_At_Position(int32_t team, int32_t position) {
    int32_t count = 0;
    for (int32_t owner = 0; owner < TOTAL_NUMBER_OF_TEAMS; ++owner)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(owner, slot) &&
                Get_Player_Vital_Stat(owner, slot, VITAL_FANTASY_TEAM) == team &&
                Own_Position(owner, slot) == position)
                ++count;
    return count;
}

void Announce_Fantasy_Draft_Pick(int32_t player_team, int32_t player_slot, int32_t drafting_team) {
    // A pick asked for after the last round (a Draft click before the step
    // that completes the draft) has no place to go.
    if (!Is_Fantasy_Pick_On_The_Clock()) return;
    const int32_t teams = Active_Teams();
    const int32_t round = Get_Fantasy_Draft_Round(), pick = Get_Fantasy_Draft_Pick();
    const bool valid = Is_Player_Slot_Used(player_team, player_slot) != 0;
    if (valid) Set_Player_Vital_Stat(player_team, player_slot, VITAL_FANTASY_TEAM, drafting_team);
    char line[256];
    Report_Line(line, sizeof line, player_team, player_slot, drafting_team, round * teams + pick + 1);
    Append_Line_To_File(FANTASY_DRAFT_REPORT, line);
    if (Is_Table_Entry(round, pick))
        Write_State_Int(Id_Offset(round, pick), valid ? Get_Player_ID(player_team, player_slot) : -1);
    if (Get_Fantasy_Announce_Picks() != 0) {
        char team_name[PLAYER_NAME_TEXT_SIZE], player_name[PLAYER_NAME_TEXT_SIZE];
        Get_Team_Full_Name(drafting_team, team_name);
        Get_Player_Full_Name(player_team, player_slot, player_name);
        char text[512], caption[64];
        safe_sprintf(text, sizeof text, "%s pick %s (%s)\n(Click 'Cancel' to stop showing these messages)",
                     team_name, player_name, Get_Position_Short_Name(Own_Position(player_team, player_slot)));
        safe_sprintf(caption, sizeof caption, "Round %d / Pick %d", round + 1, pick + 1);
        if (Show_Message_Box(text, caption, BOX_OK_CANCEL) == ID_BOX_CANCEL) Set_Fantasy_Announce_Picks(0);
    }
    const int32_t next = teams > 0 ? (pick + 1) % teams : 0;
    Write_State_Int(PICK_OFFSET, next);
    if (next == 0) Write_State_Int(ROUND_OFFSET, round + 1);
    Post_Fantasy_Draft_Step();
}

void Finish_Fantasy_Draft() {
    // The message's own loop may run a step still waiting: the draft is
    // carried out once.
    if (finishing) return;
    finishing = true;
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_RUNNING)
        Show_Formatted_Message(
            "Fantasy Draft Complete",
            "All players have been drafted. The Football Korva Fantasy Draft is complete.");
    Implement_Draft_Teams();
    const int32_t teams = Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            // A prospect of the college pools joins his team without a
            // contract: he signs a replacement player's terms, keeping his
            // college seasons.
            if (Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) < 1)
                Set_Replacement_Contract(team, slot);
            Repair_Player_Contract_Demand(team, slot);
        }
    End_Fantasy_Draft_State();
    finishing = false;
    Redraw_Main_Window();
}

void End_Fantasy_Draft_State() {
    Forget_Asked_Pick();
    Reset_Fantasy_Draft_Marks();
    Set_Draft_Menu_Texts(0);
    Set_Fantasy_Draft_Flag(FANTASY_DRAFT_NONE);
    Update_Main_Window_Title();
}

void End_Fantasy_Draft_Command() {
    const int answer = Show_Message_Box(
        "The computer will end the Fantasy Draft by making all remaining picks automatically. Is this "
        "OK?\n\n(Click 'Yes' to have the computer choose all remaining draft picks)\n\n(Click 'Cancel' to "
        "abort the Fantasy Draft and undo all picks)\n\n(Click 'No' to return to the Fantasy Draft)",
        "End Fantasy Draft", BOX_YES_NO_CANCEL);
    if (answer == ID_BOX_YES) {
        Set_Fantasy_Draft_Flag(FANTASY_DRAFT_COMPUTER_FINISHES);
        Run_Fantasy_Draft();
    } else if (answer == ID_BOX_CANCEL) {
        End_Fantasy_Draft_State();
        // The header shows the date again, not the pick on the clock.
        Redraw_Main_Window();
    }
}

namespace {
void Clear_Every_Fantasy_Mark() {
    // Only the team a player was drafted by: the placed mark's field also
    // serves the game engine.
    For_Each_League_Player([](int32_t team, int32_t slot) {
        Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, NOT_DRAFTED);
    });
}
} // namespace

void Settle_Fantasy_Draft_Marks() {
    // A loaded file's marks count only as the picks it records.
    Clear_Every_Fantasy_Mark();
    if (Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE && Is_Fantasy_Draft_State_Usable())
        Mark_Recorded_Picks();
}

void Clear_Fantasy_Marks_Outside_A_Draft() {
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_NONE) Clear_Every_Fantasy_Mark();
}

namespace {
// Without a draft file to take, the draft the saved league holds goes on
// when it is whole: an order of the league's draft, and each pick made
// recording a player whom the league marks for the team that made it. Any
// other draft starts again from its first pick as a new one would, every
// mark and recorded pick cleared: picks recorded for another order, or
// marks that no recorded pick made, would hand players to teams that never
// picked them.
void Go_On_Without_Draft_File() {
    char why[TEXT_BUFFER_SIZE];
    if (!Find_Draft_State_Fault(State(), why, sizeof why) &&
        !Find_Unrecorded_Pick(State(), why, sizeof why)) {
        Log_Debug_Line("Load_Fantasy_Draft_State: the saved game's own draft goes on from round %d, pick %d",
                       Get_Fantasy_Draft_Round() + 1, Get_Fantasy_Draft_Pick() + 1);
        Set_Draft_Menu_Texts(1);
        return;
    }
    Log_Debug_Line("Load_Fantasy_Draft_State: the saved game holds no whole draft (%s): the draft starts "
                   "again from its first pick",
                   why);
    std::memset(State(), 0, sizeof Universe.Tail.Fantasy_Draft_State);
    Set_Up_Draft_Order(FANTASY_ORDER_RANDOM, FANTASY_ORDER_SNAKE);
}
} // namespace

int Load_Fantasy_Draft_State() {
    char saved_name[sizeof Universe.Header.Saved_Game_Name + 1];
    safe_strncpy(saved_name, Universe.Header.Saved_Game_Name, sizeof saved_name);
    // The name comes from the loaded file: it may only name a file beside the game.
    if (!Is_Plain_File_Name(saved_name)) {
        Log_Debug_Line("Load_Fantasy_Draft_State: refused the saved-game name \"%s\"", saved_name);
        Go_On_Without_Draft_File();
        return 0;
    }
    char file_name[sizeof saved_name + 8];
    snprintf(file_name, sizeof file_name, "%s.draft", saved_name);

    FILE* file = Open_Resolved_File(file_name, "rb");
    if (file == nullptr) {
        Log_Debug_Line("Load_Fantasy_Draft_State: no file \"%s\"", file_name);
        Go_On_Without_Draft_File();
        return 0;
    }
    // Read whole and checked before it replaces anything: a short file, or
    // one whose order is no draft of this league (zeros, noise, a device),
    // counts as missing. The players' marks are the picks made so far, saved
    // with them: a file is taken only when its picks are those marks.
    uint8_t state[sizeof Universe.Tail.Fantasy_Draft_State];
    const size_t read = fread(state, 1, sizeof state, file);
    fclose(file);
    if (read != sizeof state) {
        Log_Debug_Line("Load_Fantasy_Draft_State: \"%s\" holds %zu of %zu bytes", file_name, read,
                       sizeof state);
        Go_On_Without_Draft_File();
        return 0;
    }
    char why[TEXT_BUFFER_SIZE];
    if (Find_Draft_State_Fault(state, why, sizeof why) || Find_Unrecorded_Pick(state, why, sizeof why)) {
        Log_Debug_Line("Load_Fantasy_Draft_State: \"%s\" is no fantasy draft: %s", file_name, why);
        Go_On_Without_Draft_File();
        return 0;
    }
    std::memcpy(State(), state, sizeof state);
    Set_Draft_Menu_Texts(1);
    Mark_Recorded_Picks();
    return 1;
}

namespace {
// "Output/Fantasy Draft.txt" written again from the picks the state records:
// its header and one line a pick made, as the draft writes them.
void Write_Fantasy_Draft_Report() {
    Start_Draft_Report();
    const int32_t teams = Active_Teams();
    For_Each_Made_Pick([teams](int32_t round, int32_t pick, const PLAYER_LOCATION& where) {
        // A pick made on an empty player slot took nobody: a line without a name.
        char line[256];
        Report_Line(line, sizeof line, where.Team, where.Slot, Get_Fantasy_Draft_Order(round, pick),
                    round * teams + pick + 1);
        Append_Line_To_File(FANTASY_DRAFT_REPORT, line);
    });
}
} // namespace

void Move_Fantasy_Draft_Teams(const int32_t* to) {
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_NONE) return;
    const int32_t teams = Active_Teams();
    for (int32_t round = 0; round < FANTASY_DRAFT_ROUNDS; ++round)
        for (int32_t pick = 0; pick < FANTASY_DRAFT_TEAMS; ++pick) {
            const int32_t team = Get_Fantasy_Draft_Order(round, pick);
            if (team < MAX_FRANCHISES) Set_Order(round, pick, to[team]);
        }
    For_Each_League_Player([to](int32_t team, int32_t slot) {
        const int32_t drafter = Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM);
        if (drafter >= 0 && drafter < MAX_FRANCHISES)
            Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, to[drafter]);
    });
    // The order dialog's filter names a team, or all of them by their count.
    const int32_t filter = Get_User_Preference(FANTASY_TEAM_FILTER);
    if (filter >= 0 && filter < teams) Set_User_Preference(FANTASY_TEAM_FILTER, to[filter]);
    if (team_asked >= 0 && team_asked < MAX_FRANCHISES) team_asked = to[team_asked];
}

void Continue_Loaded_Fantasy_Draft() {
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_NONE) return;
    // The user of the game just loaded is asked for his pick anew.
    Forget_Asked_Pick();
    // The report goes on from the picks the save records, not from what the
    // game wrote after the save.
    if (Is_Fantasy_Draft_State_Usable()) Write_Fantasy_Draft_Report();
    Post_Fantasy_Draft_Step();
}

namespace {
// True while the pick on the clock is still the one the user was last asked
// for: the same place, his team still on it and still a human's to pick, in
// a draft that goes on. Which human team is the user's meanwhile does not
// matter (a dialog that shows another human team makes it the user's): the
// pick is made for the team on the clock, which was told to make it.
bool Is_Asked_Pick_Still_Waiting() {
    const int32_t team = Get_Fantasy_Draft_Team();
    return place_asked >= 0 && place_asked == Place_On_The_Clock() && team_asked == team &&
           Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_RUNNING && Is_Fantasy_Pick_On_The_Clock() &&
           !Is_Computer_Run(team);
}

// What ends the draft, at the head of a sentence: "Erasing the <team>", or
// "Adding a team" for `erased_team` NO_TEAM.
void Describe_Team_Change(int32_t erased_team, char* out, int32_t size) {
    if (erased_team == NO_TEAM) {
        safe_strncpy(out, "Adding a team", size);
        return;
    }
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Team_Full_Name(erased_team, name);
    safe_sprintf(out, size, "Erasing the %s", name);
}

constexpr const char* PICKS_UNDONE = "no player goes to the team that drafted him.";
} // namespace

void Post_Next_Fantasy_Draft_Step() {
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_NONE) return;
    // The user asked for the pick on the clock is still the one to make it:
    // a step would only ask him again.
    if (Is_Asked_Pick_Still_Waiting()) return;
    Post_Fantasy_Draft_Step();
}

bool Format_Fantasy_Draft_Team_Change_Warning(int32_t erased_team, char* out, int32_t size) {
    out[0] = '\0';
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_NONE) return false;
    char change[TEXT_BUFFER_SIZE];
    Describe_Team_Change(erased_team, change, sizeof change);
    safe_sprintf(out, size, "A fantasy draft is under way. %s will end it and undo its picks: %s", change,
                 PICKS_UNDONE);
    return true;
}

void End_Fantasy_Draft_For_Team_Change(int32_t erased_team) {
    if (Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_NONE) return;
    char change[TEXT_BUFFER_SIZE];
    Describe_Team_Change(erased_team, change, sizeof change);
    Log_Debug_Line("The fantasy draft ends at round %d, pick %d: %s", Get_Fantasy_Draft_Round() + 1,
                   Get_Fantasy_Draft_Pick() + 1, change);
    Undo_Fantasy_Draft();
    Show_Formatted_Message("Fantasy Draft Ended",
                           "%s has ended the fantasy draft. Its picks have been undone: %s", change,
                           PICKS_UNDONE);
}
