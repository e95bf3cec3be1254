#pragma once
// Retirement, the career score and the player Hall of Fame vote.
#include <cstdint>

// A player past his position's peak (three years later for one within his
// position's quota) retires once his value no longer outweighs his years.
// 1 when he retired and was removed from the slot.
int32_t Check_Player_Retirement(int32_t team, int32_t slot);
// Retires a player: the Hall of Fame vote, the user's message, and the slot
// emptied with the later players moved up.
void Retire_Player(int32_t team, int32_t slot);
// Called with the player's id each time a player retires, before his slot is
// emptied, so a check of the league's players can tell him from a lost one;
// nullptr (the default) calls nothing.
using RETIREMENT_LISTENER = void (*)(int32_t player_id);
void Set_Retirement_Listener(RETIREMENT_LISTENER listener);
// 1 when the vote inducted the player into the Hall of Fame (team 37).
int32_t Consider_Hall_Of_Fame_Induction(int32_t team, int32_t slot);
