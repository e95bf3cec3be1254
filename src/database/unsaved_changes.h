#pragma once
// The league as it was last saved or loaded (or started), kept whole so that
// the save-changes prompt sees every change since: teams, settings, draft picks,
// games, history. Only where the user is looking (the view, the team or
// player a page shows, a page's position, what the pointer last passed over)
// is left out, as is the stored team checksum itself.

// Keeps a copy of the league as it now stands, as saved or loaded.
void Keep_Saved_Copy();
// Keeps a copy of the league as a new game has just started it: a league
// never saved, whose changes since its start are still seen.
void Keep_Started_Copy();
// Forgets the copy: the league counts as changed until it is kept again.
void Drop_Saved_Copy();
// True when the copy kept is of a new game's start rather than of a save or load.
bool Is_Copy_Of_Start();
// True when a copy is kept and the league still matches it, outside the
// view state.
bool Matches_Saved_Copy();
