#pragma once
// A team's strength in five unit ratings (codes 40-44), the overall, offense,
// defense and strength values built from them, and the team's rank among the
// league's teams by each. The ratings are computed from the roster and kept
// until the roster they were read from changes; reading a player's position
// value repairs a broken player (see Ensure_Player_Minimum_Rating), so these
// queries may change player records.
#include <cstdint>

constexpr int32_t UNIT_RATING_RUNNING = 40;
constexpr int32_t UNIT_RATING_PASSING = 41;
constexpr int32_t UNIT_RATING_RUN_DEFENSE = 42;
constexpr int32_t UNIT_RATING_PASS_DEFENSE = 43;
constexpr int32_t UNIT_RATING_SPECIAL_TEAMS = 44;

// The values each unit formula reads, already truncated to integers. A
// missing player reads 20 for every rating and value.
struct SPECIAL_TEAMS_UNIT_VALUES {
    int32_t Kicker_Value;
    int32_t Kicker_FG_Accuracy;
    int32_t Kicker_FG_Distance;
    int32_t Punter_Value;
    int32_t Punter_Punt_Distance;
    int32_t Punt_Returner_Punt_Returns;
    int32_t Kick_Returner_Kick_Returns;
};

// Front seven or eight in the order DE1, DE2, DT1, DT2, LB1, LB2, LB3, LB4.
constexpr int32_t UNIT_FRONT_PLAYERS = 8;

struct RUN_DEFENSE_UNIT_VALUES {
    int32_t Front_Run_Defense[UNIT_FRONT_PLAYERS];
    int32_t Front_Value[UNIT_FRONT_PLAYERS];
    int32_t Safety_Run_Defense[2];
};

struct PASS_DEFENSE_UNIT_VALUES {
    int32_t Front_Pass_Rush[UNIT_FRONT_PLAYERS];
    int32_t Corner_Pass_Coverage[2];
    int32_t Corner_Value[2];
    int32_t Safety_Pass_Coverage[2];
    int32_t Safety_Value[2];
};

// Blockers in the order T1, T2, G1, G2, C1.
constexpr int32_t UNIT_LINEMEN = 5;

struct PASSING_UNIT_VALUES {
    int32_t Quarterback_Value;
    int32_t Quarterback_Accuracy;
    int32_t Quarterback_Distance;
    int32_t Quarterback_Control;
    int32_t Quarterback_Red_Zone;
    int32_t Receiver_Receiving[5]; // WR1-WR5, receiving composite
    int32_t Receiver_Value[5];
    int32_t Line_Pass_Blocking[UNIT_LINEMEN];
    int32_t Tight_End_Receiving[2]; // TE1, TE2
    int32_t Back_Receiving;         // RB1
    int32_t Fullback_Receiving;     // FB1
};

struct RUNNING_UNIT_VALUES {
    int32_t Line_Run_Blocking[UNIT_LINEMEN];
    int32_t Line_Value[UNIT_LINEMEN];
    int32_t Tight_End_Run_Blocking[2];
    int32_t Fullback_Run_Blocking;
    int32_t Back_Value;           // RB1
    int32_t Back_Carrying;        // RB1, running composite
    int32_t Fullback_Carrying;    // FB1
    int32_t Quarterback_Carrying; // QB1
    int32_t Second_Back_Carrying; // RB2
    int32_t Year;
};

// The unit formulas over gathered values.
int32_t Compute_Special_Teams_Rating(const SPECIAL_TEAMS_UNIT_VALUES& v);
int32_t Compute_Run_Defense_Rating(const RUN_DEFENSE_UNIT_VALUES& v);
int32_t Compute_Pass_Defense_Rating(const PASS_DEFENSE_UNIT_VALUES& v);
int32_t Compute_Passing_Rating(const PASSING_UNIT_VALUES& v);
int32_t Compute_Running_Rating(const RUNNING_UNIT_VALUES& v);

// While one of these lives, each team's roster is compared once with what its
// kept ratings were read from, instead of once for every question: for a run
// of questions between which no roster changes (the point spreads of a game).
struct TEAM_RATINGS_SCOPE {
    TEAM_RATINGS_SCOPE();
    ~TEAM_RATINGS_SCOPE();
    TEAM_RATINGS_SCOPE(const TEAM_RATINGS_SCOPE&) = delete;
    TEAM_RATINGS_SCOPE& operator=(const TEAM_RATINGS_SCOPE&) = delete;
};

// The unit ratings of a team's roster.
int32_t Get_Team_Running_Rating(int32_t team);
int32_t Get_Team_Passing_Rating(int32_t team);
int32_t Get_Team_Run_Defense_Rating(int32_t team);
int32_t Get_Team_Pass_Defense_Rating(int32_t team);
int32_t Get_Team_Special_Teams_Rating(int32_t team);

// Combined values; the overall rating is 0 for a team code that is neither a
// franchise in use nor a pool slot 36-40.
int32_t Get_Team_Overall_Rating(int32_t team);
int32_t Get_Team_Starters_Value(int32_t team);
int32_t Get_Team_Offense_Value(int32_t team);
int32_t Get_Team_Defense_Value(int32_t team);

// Ranks among the active teams: the number of teams with a strictly greater
// value, so 0 is the best and tied teams share the better place.
// Overall rating plus this season's results: 15 x (twice wins less losses, and
// the wins less losses of the last 1, 3 and 5 games) + 2 x the points margin.
int32_t Get_Team_Strength_Value(int32_t team);
int32_t Get_Team_Strength_Rank(int32_t team);
int32_t Get_Team_Overall_Rank(int32_t team);
int32_t Get_Team_Offense_Rank(int32_t team);
int32_t Get_Team_Defense_Rank(int32_t team);
// Rank by unit rating code 40-44; any other code gives 0.
int32_t Get_Team_Unit_Rank(int32_t team, int32_t code);
