#include "views/timeline_strip.h"

#include <cstdio>

#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "platform/windows.h"

namespace {
constexpr COLOUR_VALUE BOTTOM_BAR_COLOUR = Make_Colour(34, 44, 60);
} // namespace

void Draw_Timeline_Bottom_Bars(DEVICE_CONTEXT* dc, WINDOW_HANDLE status_bar) {
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(status_bar, &client);
    Fill_Surface_Area(dc, client, BOTTOM_BAR_COLOUR);
}

void Draw_Timeline_Team_Label(DEVICE_CONTEXT*) {}

void Draw_Timeline_Strip(DEVICE_CONTEXT*) {}

void Do_Timeline_Click(int32_t, int32_t) {}

bool Is_Timeline_Hot_Spot(int32_t, int32_t) {
    return false;
}

void Get_Player_Name_With_Team(int32_t team, int32_t slot, char* buffer) {
    char name[FORMATTED_TEXT_SIZE];
    char abbreviation[FORMATTED_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    Get_Team_String(abbreviation, team, 0);
    char text[2 * FORMATTED_TEXT_SIZE + 4];
    snprintf(text, sizeof text, "%s (%s)", name, abbreviation);
    safe_strncpy(buffer, text, FORMATTED_TEXT_SIZE);
}
