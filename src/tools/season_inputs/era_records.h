#pragma once
// The most the real league's passers, passing and running teams reached in
// a season of each era: the ceiling the fictional seasons stay under.
#include <cstdint>

// The most pass attempts one passer made in a season of the decade of
// `year` (1950s to 2000s; the 2000s up to 2004).
int32_t Get_Era_Passer_Attempts_Record(int32_t year);

// The most passing yards a passer of a fictional season of `year` may
// reach: the record standing at the season's end and its margin, as for
// carries and catches (volume_records.h); from the 1950s never past the
// decade's record either; and below the 5,000 yards that one real season
// passed before 2008.
int32_t Get_Era_Passing_Yards_Ceiling(int32_t year);

// The most pass attempts a team may make in a season whose league average
// is `league_attempts` a team: the real record teams threw about 1.3 times
// their season's average.
int32_t Get_Team_Pass_Attempts_Ceiling(double league_attempts);

// The most carries a team may make in a season whose league average is
// `league_rushes` a team: the real record teams ran about 1.3 times their
// season's average as well.
int32_t Get_Team_Rushes_Ceiling(double league_rushes);

// The most passing yards a team may gain on `attempts` passes of which
// `completions` were caught, in a season whose league averages are
// `yards_an_attempt` and `yards_a_completion`: the real teams that passed
// best gained about 1.3 times their season's average a pass and 1.25 times
// it a completion, and none of the history's years but one passed for
// 5,000 yards, which the fictional years leave alone.
int32_t Get_Team_Passing_Yards_Ceiling(int32_t attempts, int32_t completions, double yards_an_attempt,
                                       double yards_a_completion);
