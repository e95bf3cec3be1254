#pragma once
// Who may lead a statistical category and with what value: the rule the
// leaders view, the all-time leaders and the reports share.
#include <cstdint>

constexpr int32_t LEADER_CATEGORIES = 30;

// The player's value in `category` (0-29) for the season selector (0 this
// season, 1 last, 2 career, 3 predicted); 0 when he may not lead it.
int32_t Get_Player_Leader_Value(int32_t team, int32_t slot, int32_t category, int32_t season);
// 1 when the category has no minimum or the player reaches its minimum,
// scaled to the season's length (and, this season, to its progress).
int32_t Is_Leader_Qualified(int32_t team, int32_t slot, int32_t season, int32_t category);
