#pragma once
// The Playbook Editor's controls for a play's scoring-card values (hidden in
// the editor), the card-set count and selection box, and the spreadsheet of
// a team's play cards.
#include <cstdint>
#include <string>

#include "platform/handles.h"

// Controls: nine combos for the nine card values in order (score type,
// offense #1, offense #2, defense #1, defense #2, bonus rating, bonus
// position, bonus value, play type), their labels, the selection box, the
// feedback text and the count.
constexpr int32_t EDITOR_FIRST_CARD_COMBO = 1457;
constexpr int32_t EDITOR_FIRST_CARD_LABEL = 1467;
constexpr int32_t EDITOR_CARD_SELECTION = 1476;
constexpr int32_t EDITOR_CARD_FEEDBACK = 1477;
constexpr int32_t EDITOR_CARD_COUNT = 1407;
constexpr int32_t EDITOR_CARD_CONTROLS = 9;

// Fills the nine combos: "Field Goal" and "Touchdown"; the rating names
// ("None" ends the lists of the second ratings and the bonus rating); the
// long names of positions QB to C; "+0" to "+30"; the four play types.
void Fill_Play_Card_Combos(WINDOW_HANDLE dialog);
// Selects in each combo the shown play's card value (a "none" value selects
// "None"; a value a combo does not hold selects nothing).
void Load_Play_Card_Values(WINDOW_HANDLE dialog);
// Stores each combo's selection as the shown play's card value, -1 for a
// combo with nothing selected.
void Store_Play_Card_Values(WINDOW_HANDLE dialog);
// Ticks the selection box when the shown play is chosen for the team's card
// set, and shows "%d / %d": the plays chosen of the 25 a set holds.
void Show_Play_Card_Count(WINDOW_HANDLE dialog);
// The selection box was clicked: the shown offensive play is chosen or no
// longer chosen; a 26th play is refused and the box unticked again.
void Toggle_Play_Card_Selection(WINDOW_HANDLE dialog);
// The feedback on the card the combos describe, into the feedback text.
void Check_Play_Card(WINDOW_HANDLE dialog);
// Take the card controls (combos, labels, selection box, feedback, count)
// and the six result panels out of the dialog.
void Remove_Play_Card_Controls(WINDOW_HANDLE dialog);
void Remove_Result_Panels(WINDOW_HANDLE dialog);

// Writes "<nickname>-<year>-Plays.csv" of the team's card set, a line a play
// card and the counts of its score types, ratings and play types beside the
// built-in table's, and opens it with the shell. A play name of 28 or more
// characters, too long for a card, is told in a box. Returns the file's
// path, empty when it could not be written.
std::string Export_Play_Cards_Csv(int32_t team);
