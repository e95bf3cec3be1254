#pragma once
// Scoring-play card values of the printable card game: the nine small values
// each play record carries (whether the play scores a touchdown or a field
// goal, which offensive and defensive categories decide it, a bonus and the
// kind of play), their bonus, the built-in scoring-card table and the plays
// chosen for a team's card set.
#include <cstdint>

// Indexes of a play's card values.
constexpr int32_t CARD_SCORE_TYPE = 0; // 0 field goal, 1 touchdown
constexpr int32_t CARD_OFFENSE_1 = 1;  // 0-6: categories 400-406
constexpr int32_t CARD_OFFENSE_2 = 2;  // another value: none
constexpr int32_t CARD_DEFENSE_1 = 3;  // 0-3: categories 407-410
constexpr int32_t CARD_DEFENSE_2 = 4;  // another value: none
constexpr int32_t CARD_BONUS_RATING = 5;
constexpr int32_t CARD_BONUS_POSITION = 6; // 0-7: QB .. C
constexpr int32_t CARD_BONUS_VALUE = 7;
constexpr int32_t CARD_PLAY_KIND = 8; // 0 inside run, 1 outside run, 2 short pass, 3 long pass
// Plays a card set holds, and the scoring-card table's rows (one per editable play).
constexpr int32_t CARD_SET_PLAYS = 25;
constexpr int32_t SCORING_CARD_ROWS = 54;

// "Inside Run", "Outside Run", "Short Pass", "Long Pass"; else "".
const char* Get_Gridiron_Play_Type_Name(int32_t type);
// The points the categories a card names add for the play kind (0 for a kind
// outside 0-3); categories are 400-406 and 407-410, -1 for none.
int32_t Get_Gridiron_Offense_Bonus(int32_t kind, int32_t offense_1, int32_t offense_2);
int32_t Get_Gridiron_Defense_Bonus(int32_t kind, int32_t defense_1, int32_t defense_2);
// The bonus value of a card (0-30), or an error: -1 and -2 illegal scores,
// -3 no weight for the bonus position and rating, -4 a zero weight, -5 and
// -6 the same category twice. Categories as above, score type 0 or 1.
int32_t Compute_Play_Card_Bonus(int32_t kind, int32_t score_type, int32_t offense_1, int32_t offense_2,
                                int32_t defense_1, int32_t defense_2, int32_t bonus_rating,
                                int32_t bonus_position);

// A play's card categories by slot: 1, 2 and 5 offensive (400-406), 3 and 4
// defensive (407-410); -1 for none.
int32_t Get_Play_Card_Category(int32_t team, int32_t play, int32_t slot);
void Set_Play_Card_Category(int32_t team, int32_t play, int32_t slot, int32_t category);
// The category of a card value slot (1-5) of nine values, -1 for none.
int32_t Get_Play_Card_Category_Of(const int8_t values[9], int32_t slot);
// Field 0-8 of a row of the built-in table (0 outside it).
int32_t Get_Scoring_Card_Field(int32_t row, int32_t field);
// The nine values of a row, its bonus computed.
void Get_Scoring_Card_Values(int32_t row, int8_t values[9]);
// Whether nine card values make a card: a score type, a first category of
// each side and a kind of play in range.
bool Are_Play_Card_Values_Set(const int8_t values[9]);
// The card values a play shows: its own, or its row of the built-in table.
void Get_Play_Card_Values(int32_t team, int32_t play, int8_t values[9]);

// Every editable play of the team takes its row of the table, bonus computed.
void Rebuild_Play_Cards_From_Table(int32_t team);
// Recomputes the bonus of every play of the team (-1: of every active team).
void Recompute_Play_Card_Bonuses(int32_t team);
// Plays chosen for the team's card set (non-zero selection bytes of 60).
int32_t Count_Chosen_Play_Cards(int32_t team);
// The plays of the team's card set: its chosen plays in play order, at most
// 25; a set of fewer chosen plays leaves the last play cards blank. Returns
// how many were found.
int32_t Get_Card_Set_Plays(int32_t team, int32_t plays[CARD_SET_PLAYS]);
// The feedback on a card's values ("This is a legal play card. ..." or the
// error and warnings). A buffer of at least 512 bytes.
void Check_Play_Card(const int8_t values[9], char* buffer);
