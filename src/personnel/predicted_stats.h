#pragma once
// A player's predicted season (in-record season 3): the typical season of each
// position, moving a predicted statistic by a modifier, and the benchmark share
// that pulls a thin line toward his position's benchmark season.
#include <cstdint>

// Kinds of change of Modify_Predicted_Player_Stats besides the injury groups 0-3.
constexpr int32_t PREDICTION_CHANGE_TEAM_RESULT = 2;
constexpr int32_t PREDICTION_CHANGE_DRAFT_POSITION = 3;
constexpr int32_t NUMBER_OF_PREDICTION_CHANGE_KINDS = 5;

// One full season of statistic 0-19 for a position 0-14; 0 outside the table.
int32_t Get_Typical_Season_Stat(int32_t position, int32_t stat);
// Weight in per cent of a change of `kind` to `stat` for a predicted-statistics
// group (0 skill positions, 1 line, 2 defence, 3 kickers, 4 quarterbacks); 0
// outside the table.
int32_t Get_Prediction_Change_Weight(int32_t group, int32_t stat, int32_t kind);

// Moves statistic `stat` of `season` by `modifier` per mille of a typical
// season, weighted by the kind of change; with `random_rounding` the fraction
// is rounded against a fresh draw instead of at one half.
void Modify_Predicted_Player_Stats(int32_t team, int32_t slot, int32_t season, int32_t stat, int32_t modifier,
                                   int32_t kind, int32_t random_rounding);
// Moves all 20 predicted statistics by `modifier` of `kind`: with rounding at
// one half or against fresh draws, and either way with or without making the
// line consistent afterwards.
void Modify_All_Predicted_Stats(int32_t team, int32_t slot, int32_t modifier, int32_t kind);
void Modify_All_Predicted_Stats_Randomly(int32_t team, int32_t slot, int32_t modifier, int32_t kind);
void Modify_And_Reconcile_Predicted_Stats(int32_t team, int32_t slot, int32_t modifier, int32_t kind);
void Modify_Randomly_And_Reconcile_Predicted_Stats(int32_t team, int32_t slot, int32_t modifier,
                                                   int32_t kind);
// Adds `per_mille` of his position's typical season, rounded, to each of the 20
// statistics of one of the player's seasons.
void Add_Typical_Season_Share(int32_t team, int32_t slot, int32_t season, int32_t per_mille);
// The round (1-7; 0 undrafted) and the overall pick of a draft slot code
// (round + 1) x 100,000 + (pick + 1) x 1,000 + overall pick (vital 16).
int32_t Get_Draft_Code_Round(int32_t code);
int32_t Get_Draft_Code_Pick(int32_t code);
// Line grades (T, G, C statistics 5 and 6) and the kickers' long kicks (K, P
// statistics 5 and 18) are derived: never scaled, never given benchmark shares.
bool Is_Predicted_Stat_Protected(int32_t position, int32_t stat);
// Adds `per_mille` of the position's benchmark season to every unprotected
// predicted statistic, then, in a 2022 season, gives a rookie the change of
// his draft position at the same strength.
void Add_Predicted_Benchmark_Share(int32_t team, int32_t slot, int32_t per_mille);

// Completes one player's predicted season: blocking grades of a lineman, a thin
// line pulled toward the benchmark (`pull` sets the strength), the line scaled
// to one full season, then made consistent.
void Complete_Player_Predicted_Stats(int32_t team, int32_t slot, int32_t pull);
// The same for every used slot of the franchises in use and of teams 36-40.
void Complete_All_Predicted_Stats(int32_t pull);
// Complete_All_Predicted_Stats with the pull of the league's base year: 25 for
// a league based in 2022, else 51.
void Complete_All_Predicted_Stats_For_Base_Year();
// Fills a missing longest field goal in every season of every kicker of the
// active franchises: his lines first, then this and last season, each at
// least the longest of its year's lines.
void Complete_All_Kicker_Stats();
// Statistic 18 of a season from its field goals by distance (two draws, taken
// always; no chance in the predicted season).
void Set_Longest_Field_Goal(int32_t team, int32_t slot, int32_t season);
// Statistic 5 of a season from its punts and punt yards (one draw for two or
// more punts).
void Set_Longest_Punt(int32_t team, int32_t slot, int32_t season);
// Gives every punter of the active franchises a drawn last season: 40-60 punts
// of 37.6-42.4 yards, a longest punt of 55-65, 4-8 touchbacks and a game for
// every three punts and 0-4 more, at most 17.
void Randomize_Punter_Last_Seasons();
