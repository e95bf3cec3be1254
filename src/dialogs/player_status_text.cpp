// The status after a player's name.
#include "dialogs/player_status_text.h"

#include <cstdio>
#include <cstring>

#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/safe_strings.h"
#include "personnel/injuries.h"

namespace {
// A name longer than this has no room for the whole holdout mark.
constexpr size_t LONG_NAME = 20;
} // namespace

void Append_Player_Status_Suffix(char* name, int32_t team, int32_t slot) {
    if (name == nullptr) return;
    const int32_t weeks_out = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT);
    if (weeks_out <= 0) return;
    char suffix[32];
    if (Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE) == INJURY_HOLDOUT)
        snprintf(suffix, sizeof suffix, "%s", strlen(name) > LONG_NAME ? " [--]" : " [holdout]");
    else if (weeks_out < Get_Weeks_To_Final())
        snprintf(suffix, sizeof suffix, " [%d]", weeks_out);
    else
        snprintf(suffix, sizeof suffix, " [out]");
    safe_strncat(name, suffix, FORMATTED_TEXT_SIZE);
}
