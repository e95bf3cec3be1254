#include "frontoffice/computer_manager_steps.h"

// Until the computer general managers are built, rosters and contracts stay
// as the league has them.

void Do_Automatic_Signings() {}

void Do_Computer_Roster_Moves() {}

void Try_Computer_Trade() {}

void Run_Free_Agent_Market(int32_t) {}

void Compute_League_Position_Need_Norm(int32_t) {}

void Compute_League_Position_Depth_Norm(int32_t) {}

void Compute_League_Position_Strength_Norm(int32_t) {}
