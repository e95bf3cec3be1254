#include "dialogs/player_list_kind.h"

int32_t Player_List_Kind = PLAYER_LIST_ROSTER;
