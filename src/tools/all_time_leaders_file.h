#pragma once
// The all-time leader lists of the modern season from "input/stats/atl.txt":
// a list header line ("ALL_TIME_LEADER_CAREER", "..._SEASON" or "..._GAME",
// a comma and a statistic label), then its entries in rank order: first
// name, last name, the year for season and game lists, and the value.
#include <cstdint>

constexpr int32_t LEADER_STAT_LABELS = 30;

// Index 0-29 of a label (no case); -1 and a message naming every label
// when it is unknown.
int32_t Find_Leader_Stat_String(const char* label);
// The position a statistic's leaders are looked for at (index clamped to 0-29).
int32_t Get_Leader_Stat_Position(int32_t statistic);
// The label of a statistic (index clamped to 0-29).
const char* Get_Leader_Stat_Label(int32_t statistic);
// Only in the season of 2022: the lists cleared and read from the file, each
// entry linked to the player of its name when he was older than 20 then.
// Entries after an unknown label are passed over.
void Load_All_Time_Leaders_File();
