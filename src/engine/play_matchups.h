#pragma once
// How a defensive play stands against an offensive play, how repetitive a
// call has become in the current game, and the yardage a playbook play aims
// for. Integer multipliers are per mille (1,000 = neutral); the pass
// multipliers are single-precision factors (1.0 = neutral).
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int32_t OFFENSIVE_PLAY_NUMBERS = 60;
constexpr int32_t DEFENSIVE_PLAY_NUMBERS = 30;

// Per-game call counts, outside the league block and never saved: index 1 is
// the side of the game record's team byte 1. The offensive count is raised
// when that side has the ball, the defensive one when it defends. The game
// driver zeroes them at kickoff (Clear_Play_Use_Counts).
extern int32_t Offensive_Play_Use_Counts[2][OFFENSIVE_PLAY_NUMBERS];
extern int32_t Defensive_Play_Use_Counts[2][DEFENSIVE_PLAY_NUMBERS];
void Clear_Play_Use_Counts();

// Redundancy of a call: 1,000 for a play not yet called, falling towards the
// floor of 500 the more often the calling side has used it this game.
int32_t Get_Offensive_Play_Redundancy_Multiplier(const GAME_RECORD* pGame, int32_t play);
// The two halves of that multiplier: the handicap of a watched game (0 when
// nobody watches), and the multiplier of a play called `uses` times.
int32_t Get_Offensive_Redundancy_Adjustment(const GAME_RECORD* pGame);
int32_t Offensive_Redundancy_From_Uses(int32_t uses, int32_t adjustment);
int32_t Get_Defensive_Play_Redundancy_Multiplier(const GAME_RECORD* pGame, int32_t play);

// Pass matchups of offensive play o of oteam against defensive play d of
// dteam; each is at least 0.1.
float Get_Pass_Rush_Multiplier(int32_t oteam, int32_t o, int32_t dteam, int32_t d);
float Get_Pass_Coverage_Multiplier(int32_t oteam, int32_t o, int32_t dteam, int32_t d);
float Get_Pass_Defense_Multiplier(int32_t oteam, int32_t o, int32_t dteam, int32_t d);

// The pass coverage (or pass rush) multiplier of the current snap's offensive
// play o against defensive play d, evaluated for its reports; the answer is
// the offence's redundancy of o plus 3,000, the figure the pass outcome
// divides the multiplier by.
int32_t Get_Coverage_Redundancy_Sum(const GAME_RECORD* pGame, int32_t o, int32_t d);
int32_t Get_Pass_Rush_Redundancy_Sum(const GAME_RECORD* pGame, int32_t o, int32_t d);

// Per-mille run defence of defensive play d against run o (at least 100).
int32_t Get_Game_Pass_Rush_Multiplier(int32_t oteam, int32_t o, int32_t dteam, int32_t d);

// What the matchups read of an offensive and a defensive call, read once so
// that a whole table of matchups need not read the playbooks again for each.
// A pass reads its primary route's catch depth and whether it is a special
// pass; a run whether it is a draw and its hole.
struct OFFENSIVE_CALL_FACTS {
    int32_t Depth;
    bool Special;
    bool Draw;
    int32_t Hole;
};
struct DEFENSIVE_CALL_FACTS {
    int32_t Formation;
    int32_t Roles[11];
    double X[11];
    double Y[11];
    bool Role_18; // Has_Defender_With_Role_18
};
void Read_Pass_Call_Facts(int32_t oteam, int32_t o, OFFENSIVE_CALL_FACTS* facts);
void Read_Run_Call_Facts(int32_t oteam, int32_t o, OFFENSIVE_CALL_FACTS* facts);
void Read_Defensive_Call_Facts(int32_t dteam, int32_t d, DEFENSIVE_CALL_FACTS* facts);
float Pass_Rush_Multiplier(const OFFENSIVE_CALL_FACTS& o, const DEFENSIVE_CALL_FACTS& d);
float Pass_Coverage_Multiplier(const OFFENSIVE_CALL_FACTS& o, const DEFENSIVE_CALL_FACTS& d);
float Pass_Defense_Multiplier(const OFFENSIVE_CALL_FACTS& o, const DEFENSIVE_CALL_FACTS& d);
int32_t Game_Pass_Rush_Multiplier(const OFFENSIVE_CALL_FACTS& o, const DEFENSIVE_CALL_FACTS& d);

// Pass_Coverage_Multiplier and Pass_Rush_Multiplier of pass o of oteam
// against defensive play d of dteam.
struct PASS_MATCHUP {
    float Coverage;
    float Rush;
};
PASS_MATCHUP Get_Pass_Matchup(int32_t oteam, int32_t o, int32_t dteam, int32_t d);
// The same matchups for a whole table, with what depends on one side only
// worked out once: a column per defensive call, a row per offensive call.
// Each gives exactly what the functions above give for the two calls' facts.
constexpr int32_t MATCHUP_ROLES = 19; // defensive responsibilities 0-18
struct MATCHUP_COLUMN {
    const DEFENSIVE_CALL_FACTS* Facts;
    bool Known_Roles;    // every role one of 0-18
    int32_t Rushers_0;   // defenders of role 0
    int32_t Rushers_1_3; // defenders of roles 1-3
    int32_t Other_Rush;  // the pass rush of all other roles
    double Spread[11];   // (x + y) * 0.004 of each defender
    int32_t Whole_X[11]; // x and y in whole yards
    int32_t Whole_Y[11];
};
struct MATCHUP_ROW {
    const OFFENSIVE_CALL_FACTS* Facts;
    double Coverage[MATCHUP_ROLES];  // a pass's coverage share by role
    int32_t Lateral;                 // a run's hole across the field
    int32_t Run_Stop[MATCHUP_ROLES]; // a run's share by role (role 11 apart)
};
void Prepare_Matchup_Column(const DEFENSIVE_CALL_FACTS& d, MATCHUP_COLUMN* column);
void Prepare_Pass_Matchup_Row(const OFFENSIVE_CALL_FACTS& o, MATCHUP_ROW* row);
void Prepare_Run_Matchup_Row(const OFFENSIVE_CALL_FACTS& o, MATCHUP_ROW* row);
// Pass_Defense_Multiplier and Game_Pass_Rush_Multiplier of a row and a column
// prepared from the facts.
float Table_Pass_Defense_Multiplier(const MATCHUP_ROW& row, const MATCHUP_COLUMN& column);
int32_t Table_Game_Pass_Rush_Multiplier(const MATCHUP_ROW& row, const MATCHUP_COLUMN& column);

// Run matchup of the current snap's offence and defence, with both sides'
// redundancy; always within 0.6024096 .. 1.66.
float Get_Run_Matchup_Multiplier(const GAME_RECORD* pGame, int32_t o, int32_t d);

// Per-mille fit of a formation to the team's offensive system, at least 100.
int32_t Get_Team_Offensive_System_Match(int32_t team, int32_t formation);

// Catch depth in yards of the primary receiver's route; 0 without one.
int32_t Get_Primary_Route_Depth(int32_t team, int32_t play);

// Yards a play is drawn up to gain; -1 for the punt and the field goal.
int32_t Get_Play_Yardage(int32_t team, int32_t play);
