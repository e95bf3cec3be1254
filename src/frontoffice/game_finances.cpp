#include "frontoffice/game_finances.h"

// Until the team finance model is built, games and weeks move no money.
void Compute_Game_Finances(const GAME_RECORD*) {}

void Pay_Shared_Revenue() {}
