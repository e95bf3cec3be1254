#pragma once
// The franchises the team files of earlier seasons name. A seasons-file line
// of such a season belongs to the franchise the league's history carries that
// season's team on to, whatever its abbreviation has come to mean since: the
// Yanks' "NYY" of 1951 leads to the Colts, the Cardinals' "STL" of 1987 to
// Arizona, not to the Rams who took the abbreviation in 1995.
#include <cstdint>

// The active team continuing the franchise that "input/stats/<year>_teams.csv"
// names by `abbreviation` (compared exactly), carried through the history's
// renamings up to the base year; NO_TEAM when that file does not name it (or
// cannot be read) or the league holds no such franchise.
int32_t Find_Team_Of_Season_Franchise(const char* abbreviation, int32_t year);
// Forgets the team files read so far, so that the next look reads them again.
void Forget_Season_Team_Files();
// A franchise the league founds again after the history carried its old
// one on under another name (the Browns of 1999, whose forerunners became the
// Ravens in 1996) takes back the lines of the seasons before that change: the
// league's own record keeps them with the name. The continuing franchise
// keeps its later ones.
void Keep_Refounded_Franchise_Lines();
