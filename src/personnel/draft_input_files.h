#pragma once
// The player-generation input files of the installation: "Input/DraftTalent.txt"
// (per position: talent mean, talent spread, potential bonus) and
// "Input/DraftStrategy.txt" (per position: the computer's draft preference).
// Both hold 15 lines in position order QB .. P; the values are saved with the game.

// Reads Draft_Talent. A missing file is reported and the saved values stay;
// a missing or unreadable field keeps its saved value.
void Load_Draft_Talent();
// Reads Draft_Strategy, the first field of each line, the same way.
void Load_Draft_Strategy();
