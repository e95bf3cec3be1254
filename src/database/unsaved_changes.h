#pragma once
// The league as it was last saved or loaded, kept whole so that the
// save-changes prompt sees every change since: teams, settings, draft picks,
// games, history. Only where the user is looking (the view, the team or
// player a page shows, a page's position, what the pointer last passed over)
// is left out, as is the stored team checksum itself.

// Keeps a copy of the league as it now stands.
void Keep_Saved_Copy();
// Forgets the copy: the league counts as changed until it is kept again.
void Drop_Saved_Copy();
// True when a copy is kept and the league still matches it, outside the
// view state.
bool Matches_Saved_Copy();
