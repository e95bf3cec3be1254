// Names, external id and college of the player records.
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/string_table.h"
#include "database/universe.h"
#include "personnel/player_names.h"

namespace {
constexpr const char* DEFAULT_FIRST_NAME = "John";
// A first name that the name files hold one letter short, and its missing letter.
constexpr const char* SHORTENED_FIRST_NAME = "Christophe";
constexpr const char* SHORTENED_FIRST_NAME_ENDING = "r";

// Stores text into a fixed field: at most width - 1 characters, the rest zero.
void Store_Field(char* field, int width, const char* text) {
    memset(field, 0, width);
    if (text != nullptr) safe_strncpy(field, text, width);
    field[width - 1] = 0;
}

// Copies a fixed field out, stopping at its last byte even when it holds no
// NUL; the length copied.
int Copy_Field_Out(char* out, const char* field, int width) {
    const void* end = memchr(field, 0, static_cast<size_t>(width - 1));
    const int length = end == nullptr ? width - 1 : static_cast<int>(static_cast<const char*>(end) - field);
    memcpy(out, field, static_cast<size_t>(length));
    out[length] = 0;
    return length;
}

PLAYER_RECORD* Writable_Player(int32_t team, int32_t slot, const char* caller) {
    if (Is_Player_Address(team, slot)) return &Universe.Teams[team].Players[slot];
    Report_System_Error("Invalid player in %s(%d,%d)", caller, team, slot);
    return nullptr;
}

bool Is_Named_Player(int32_t team, int32_t slot) {
    return Is_Valid_Team_Code(team) && Is_Player_Slot_Used(team, slot);
}

// "<a><separator><b>" into a composed-name buffer, cut to its size.
void Join_Names(char* out, const char* a, const char* separator, const char* b) {
    int length = 0;
    for (const char* part : {a, separator, b})
        for (const char* c = part; *c != 0 && length < PLAYER_NAME_TEXT_SIZE - 1; ++c)
            out[length++] = *c;
    out[length] = 0;
}
} // namespace

void Set_Player_Last_Name(int32_t team, int32_t slot, const char* text) {
    if (PLAYER_RECORD* player = Writable_Player(team, slot, "Set_Player_Last_Name"))
        Store_Field(player->Last_Name, sizeof player->Last_Name, text);
}

void Set_Player_First_Name(int32_t team, int32_t slot, const char* text) {
    if (PLAYER_RECORD* player = Writable_Player(team, slot, "Set_Player_First_Name"))
        Store_Field(player->First_Name, sizeof player->First_Name, text);
}

void Set_Player_External_ID(int32_t team, int32_t slot, const char* text) {
    if (PLAYER_RECORD* player = Writable_Player(team, slot, "Set_Player_External_ID"))
        Store_Field(player->External_ID, sizeof player->External_ID, text);
}

void Set_Player_College(int32_t team, int32_t slot, const char* text) {
    PLAYER_RECORD* player = Writable_Player(team, slot, "Set_Player_College");
    if (player == nullptr) return;
    // Ampersands would break the HTML pages the college is written into.
    Store_Field(player->College, sizeof player->College, text);
    for (char& c : player->College)
        if (c == '&') c = '+';
}

void Get_Player_College(int32_t team, int32_t slot, char* out) {
    out[0] = 0;
    if (PLAYER_RECORD* player = Writable_Player(team, slot, "Get_Player_College"))
        Copy_Field_Out(out, player->College, sizeof player->College);
}

void Get_Player_External_ID(int32_t team, int32_t slot, char* out) {
    out[0] = 0;
    if (PLAYER_RECORD* player = Writable_Player(team, slot, "Get_Player_External_ID"))
        Copy_Field_Out(out, player->External_ID, sizeof player->External_ID);
}

void Get_Player_Last_Name(int32_t team, int32_t slot, char* out) {
    out[0] = 0;
    if (!Is_Named_Player(team, slot)) return;
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    if (player.Last_Name[0] == 0) {
        char name[sizeof player.Last_Name] = {};
        Get_Random_Last_Name(name);
        Set_Player_Last_Name(team, slot, name);
    }
    Copy_Field_Out(out, player.Last_Name, sizeof player.Last_Name);
}

void Get_Player_First_Name(int32_t team, int32_t slot, char* out) {
    out[0] = 0;
    if (!Is_Named_Player(team, slot)) return;
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    if (player.First_Name[0] == 0) {
        char name[sizeof player.First_Name] = {};
        if (!Take_First_Name(name)) {
            Load_First_Names();
            if (!Take_First_Name(name)) safe_strncpy(name, DEFAULT_FIRST_NAME, sizeof name);
        }
        Set_Player_First_Name(team, slot, name);
    }
    Copy_Field_Out(out, player.First_Name, sizeof player.First_Name);
}

void Get_Player_First_Name_Display(int32_t team, int32_t slot, char* out) {
    Get_Player_First_Name(team, slot, out);
    if (strcmp(out, SHORTENED_FIRST_NAME) == 0) strcat(out, SHORTENED_FIRST_NAME_ENDING);
}

namespace {
void Compose_Full_Name(int32_t team, int32_t slot, char* out, bool display) {
    if (!Is_Valid_Team_Code(team)) {
        Report_System_Error("Invalid team in Get_Player_Full_Name(%d,%d,)", team, slot);
        safe_strncpy(out, "INVALID-TEAM", PLAYER_NAME_TEXT_SIZE);
        return;
    }
    if (!Is_Player_Slot_Used(team, slot)) {
        Report_System_Error("Invalid player in Get_Player_Full_Name(%d,%d,)", team, slot);
        safe_strncpy(out, "INVALID-PLAYER", PLAYER_NAME_TEXT_SIZE);
        return;
    }
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    if (player.First_Name[0] != 0 && player.Last_Name[0] != 0) {
        // Both names are there to read as stored: they are copied side by
        // side, which always fits the composed-name buffer.
        static_assert(sizeof player.First_Name + sizeof player.Last_Name <= PLAYER_NAME_TEXT_SIZE);
        int length = Copy_Field_Out(out, player.First_Name, sizeof player.First_Name);
        if (display && strcmp(out, SHORTENED_FIRST_NAME) == 0) {
            strcpy(out + length, SHORTENED_FIRST_NAME_ENDING);
            length += static_cast<int>(strlen(SHORTENED_FIRST_NAME_ENDING));
        }
        out[length++] = ' ';
        Copy_Field_Out(out + length, player.Last_Name, sizeof player.Last_Name);
        return;
    }
    char first[16];
    char last[24];
    if (display)
        Get_Player_First_Name_Display(team, slot, first);
    else
        Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    Join_Names(out, first, " ", last);
}
} // namespace

void Get_Player_Full_Name(int32_t team, int32_t slot, char* out) {
    Compose_Full_Name(team, slot, out, false);
}

void Get_Player_Full_Name_Display(int32_t team, int32_t slot, char* out) {
    Compose_Full_Name(team, slot, out, true);
}

void Get_Player_Last_First_Name(int32_t team, int32_t slot, char* out) {
    out[0] = 0;
    if (!Is_Named_Player(team, slot)) return;
    char first[16];
    char last[24];
    Get_Player_First_Name_Display(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    Join_Names(out, last, ", ", first);
}

const char* Get_Position_Short_Name(int32_t position) {
    if (position == NUMBER_OF_POSITIONS) return "Any";
    if (static_cast<uint32_t>(position) > NUMBER_OF_POSITIONS) return "";
    return Find_Resource_String(STRING_POSITION_SHORT + position);
}

int32_t Get_Player_Position_Abbreviation(char* out, int32_t team, int32_t slot) {
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (out != nullptr) safe_strncpy(out, Get_Position_Short_Name(position), 4);
    return position;
}
