#pragma once
// The keys of a defensive play: a letter grade of the play against each of
// the six kinds of offensive play, from the matchup values of the default
// playbook's plays. The game-day screen and the Playbook Editor show them.
#include <cstdint>

constexpr int32_t DEFENSIVE_KEY_CATEGORIES = 6;
// The four kinds the screen shows: inside runs, outside runs, short passes, deep passes.
constexpr int32_t MAIN_KEY_CATEGORIES[4] = {0, 1, 3, 5};

// The mean matchup value (per mille) of the default offensive plays of a
// category against the team's defensive play (integer division; no play of
// the category counts as one), and the same for each category.
int32_t Get_Defensive_Key_Mean(int32_t team, int32_t play, int32_t category);
void Get_Defensive_Key_Means(int32_t team, int32_t play, int32_t means[DEFENSIVE_KEY_CATEGORIES]);
// The grade indexes (0 "F " .. 13 "A+" once clamped) from the six means.
void Compute_Defensive_Key_Grades(const int32_t means[DEFENSIVE_KEY_CATEGORIES],
                                  int32_t grades[DEFENSIVE_KEY_CATEGORIES]);
// The grade of the play against `category`, alone or as "<label>: <grade>"
// with the short labels, or the long ones when they are allowed and the
// play's description is shorter than 76 characters. Returns 1 when the long
// labels were used. A buffer of at least 32 bytes.
int32_t Draw_Defensive_Keys_Panel(char* buffer, int32_t category, int32_t team, int32_t play, bool with_label,
                                  bool long_allowed);
// The grade alone.
void Draw_Defensive_Keys_Panel_No_Label(char* buffer, int32_t category, int32_t team, int32_t play);
