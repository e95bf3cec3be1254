#pragma once
// Which kind of player list is being opened: the owner dialog sets it before
// the list's column set is loaded.
#include <cstdint>

constexpr int32_t PLAYER_LIST_ROSTER = 0;
constexpr int32_t PLAYER_LIST_FREE_AGENTS = 1;
constexpr int32_t PLAYER_LIST_COLLEGE_DRAFT = 2;
constexpr int32_t PLAYER_LIST_FIND_PLAYERS = 3;

extern int32_t Player_List_Kind;
