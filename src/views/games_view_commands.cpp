#include "views/games_view_commands.h"

int32_t Do_Games_View_Command(int32_t) {
    return 0;
}
