#pragma once
// Position codes of rosters saved before the fullback position existed.

// Moves every position above RB up by one, making room for the fullback code.
void Convert_Old_Position_Codes();
