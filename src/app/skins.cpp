#include "app/skins.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>

#include "database/universe.h"

namespace {
constexpr int SKIN_NAME_SIZE = sizeof Universe.Header.Skin_Name + 1;
// The skin of a league that names none: the window paints before the first
// league is loaded, and its pictures come from a skin all the same.
const char* const DEFAULT_SKIN = "earth";

// The league's skin, or the default one while it names none.
void Get_Current_Skin(char* skin) {
    memcpy(skin, Universe.Header.Skin_Name, sizeof Universe.Header.Skin_Name);
    skin[sizeof Universe.Header.Skin_Name] = '\0';
    if (skin[0] == '\0') std::snprintf(skin, SKIN_NAME_SIZE, "%s", DEFAULT_SKIN);
}

int32_t Is_Skin(const char* name) {
    char skin[SKIN_NAME_SIZE];
    Get_Current_Skin(skin);
    return strcasecmp(skin, name) == 0 ? 1 : 0;
}
} // namespace

int32_t Is_Earth_Skin() {
    return Is_Skin("earth");
}
int32_t Is_Fire_Skin() {
    return Is_Skin("fire");
}
int32_t Is_Ice_Skin() {
    return Is_Skin("ice");
}
int32_t Is_Ice_Or_Fire_Skin() {
    return (Is_Ice_Skin() || Is_Fire_Skin()) ? 1 : 0;
}

COLOUR_VALUE Get_Skin_Color() {
    if (Is_Earth_Skin()) return 0x96C8E2;
    if (Is_Fire_Skin()) return 0x9EAACD;
    return 0xDEC4AC;
}

void Get_Skin_File_Path(char* name, int32_t size) {
    if (name == nullptr || size <= 0) return;
    char skin[SKIN_NAME_SIZE];
    Get_Current_Skin(skin);
    const std::string original = name;
    snprintf(name, static_cast<size_t>(size), "skins\\%s\\%s", skin, original.c_str());
}

int32_t Get_Skin_Panel_Line_Shift() {
    return Is_Ice_Or_Fire_Skin() ? LIGHT_SKIN_PANEL_LINE_SHIFT : 0;
}
