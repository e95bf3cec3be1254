#pragma once
// A new prospect's college career: two to four seasons of statistics made from
// his ratings and stored as season lines of his college classes.
#include <cstdint>

// Builds vital 8 + 5 college seasons (at most four) ending in the current year
// + offset - 1. A free agent's seasons are made and dropped.
void Generate_College_Stat_History(int32_t team, int32_t slot, int32_t offset);
// Season 0 from the position's template with the ratings shifted by `shift`
// for the length of the call.
void Generate_Season_Stats_From_Ratings(int32_t team, int32_t slot, float games_started, float games,
                                        float shift);
// Season 0 from the template's 17 games to `games` played, with random spread.
void Scale_Season_Stats_To_Games(int32_t team, int32_t slot, int32_t games);
// Makes season 0 consistent for the player's position group.
void Check_Generated_Season_Stats(int32_t team, int32_t slot);
// Copies season 0 into a new season line of the given year and college class
// (-4 freshman .. -1 senior).
void Store_College_Season_Line(int32_t team, int32_t slot, int32_t year, int32_t college_class);
