#pragma once
// The texts of contract talks: payroll and cap room, the user's cash, the
// player's scouting summary and the terms under discussion.
#include <cstdint>

// Every text here fits this many bytes, terminator included.
constexpr int32_t CONTRACT_TEXT_SIZE = 512;

// Room under the cap (`room` in thousands) or, without a cap, the user's
// payroll against his payroll budget; `after_signing` words it for a player
// about to be signed.
void Get_Payroll_Status_Text(char* buffer, int32_t room, int32_t after_signing);
// "Team Cash: $..." or "Team Debt: $..." of the user's team.
void Get_Team_Cash_Text(char* buffer);
// Overall and peak, then the player's first five rating columns.
void Get_Contract_Scouting_Text(int32_t team, int32_t slot, char* buffer);
// Position and age, the contract's years and last season, salary, bonus and
// the yearly payroll impact.
void Get_Contract_Terms_Text(int32_t team, int32_t slot, char* buffer);
