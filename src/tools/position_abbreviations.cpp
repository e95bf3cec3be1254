#include "tools/position_abbreviations.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/text_format.h"

namespace {
struct ABBREVIATION {
    const char* Text;
    int32_t Code;
};

// In search order.
constexpr ABBREVIATION POSITION_ABBREVIATIONS[] = {
    {"QB", 0},     {"RB", 1},    {"HB", 1},    {"HBK", 1},   {"LH", 1},     {"RH", 1},     {"OHB", 1},
    {"FB", 2},     {"TB", 2},    {"BB", 2},    {"B", 2},     {"TE", 3},     {"WR", 4},     {"SE", 4},
    {"T", 5},      {"OT", 5},    {"OY", 5},    {"G", 6},     {"OG", 6},     {"OL", 6},     {"C", 7},
    {"DE", 8},     {"DL", 8},    {"DLE", 8},   {"LEO", 8},   {"OB", 8},     {"DE/OB", 8},  {"EDGE", 8},
    {"DT", 9},     {"UT", 9},    {"DG", 9},    {"MG", 9},    {"LB", 10},    {"CB", 11},    {"DHB", 11},
    {"S", 12},     {"SAF", 12},  {"DB", 12},   {"K", 13},    {"P", 14},     {"LWR", 15},   {"WR1", 15},
    {"RWR", 16},   {"WR2", 16},  {"FL", 17},   {"WB", 17},   {"SB", 17},    {"SWR", 17},   {"RS", 18},
    {"KR", 18},    {"PR", 18},   {"ST", 19},   {"OE", 20},   {"E", 20},     {"LT", 21},    {"LG", 22},
    {"RG", 23},    {"RT", 24},   {"LS", 25},   {"LE", 26},   {"LDE", 26},   {"LDT", 27},   {"LNT", 27},
    {"NT", 28},    {"RDT", 29},  {"RNT", 29},  {"RE", 30},   {"RDE", 30},   {"MLB", 31},   {"MIKE", 31},
    {"ILB", 32},   {"OLB", 33},  {"LILB", 34}, {"SILB", 34}, {"ILB/M", 34}, {"RILB", 35},  {"WILB", 35},
    {"ILB/W", 35}, {"SOLB", 36}, {"SLB", 36},  {"SAM", 36},  {"LOLB", 36},  {"OLB/L", 36}, {"LLB", 36},
    {"WOLB", 37},  {"WLB", 37},  {"WILL", 37}, {"ROLB", 37}, {"OLB/R", 37}, {"RLB", 37},   {"RUSH", 37},
    {"JACK", 37},  {"LCB", 38},  {"RCB", 39},  {"N", 40},    {"NB", 40},    {"SS", 41},    {"FS", 42}};
static_assert(std::size(POSITION_ABBREVIATIONS) == 98);

constexpr const char* PRIMARY_POSITION_ABBREVIATIONS[] = {
    "QB",  "RB",  "HB",   "HBK",  "LH",  "RH",   "OHB",  "FB",   "TB",   "BB",   "TE",   "WR",   "LWR",
    "RWR", "SWR", "OE",   "FL",   "WB",  "SB",   "E",    "SE",   "RT",   "LT",   "T",    "OT",   "RG",
    "LG",  "G",   "OG",   "C",    "LS",  "DE",   "LDE",  "RDE",  "DLE",  "RE",   "DT",   "NT",   "LDT",
    "LNT", "RDT", "RNT",  "LB",   "MLB", "OLB",  "ILB",  "ROLB", "WOLB", "SOLB", "LOLB", "RILB", "LILB",
    "SLB", "WLB", "WILB", "SILB", "SAM", "MIKE", "WILL", "LLB",  "RLB",  "LOL",  "ROL",  "CB",   "DHB",
    "RCB", "LCB", "S",    "SS",   "FS",  "SAF",  "K",    "P"};
static_assert(std::size(PRIMARY_POSITION_ABBREVIATIONS) == 73);

// Players whose files give them a position text that says nothing: their
// position by name. The names are of players of our own history.
constexpr ABBREVIATION POSITION_OVERRIDES[] = {
    {"Quillan Marrowby", 42}, {"Oswin Kettleford", 24}, {"Tavish Brumbleigh", 38},  {"Ansel Corrowick", 35},
    {"Lorcan Vetchley", 39},  {"Ruel Hathersage", 34},  {"Desmond Fallowmere", 38}, {"Jory Pennimore", 1}};
static_assert(std::size(POSITION_OVERRIDES) == 8);

constexpr int32_t MOST_PARTS = 5;
constexpr int32_t POSITION_TEXT_SIZE = 64;
} // namespace

int32_t Lookup_Position_Abbreviation(const char* text) {
    if (text == nullptr || text[0] == '\0') return -1;
    for (const ABBREVIATION& entry : POSITION_ABBREVIATIONS)
        if (strcasecmp(entry.Text, text) == 0) return entry.Code;
    return -1;
}

bool Is_Primary_Position_Abbreviation(const char* text) {
    if (text == nullptr) return false;
    for (const char* primary : PRIMARY_POSITION_ABBREVIATIONS)
        if (strcmp(primary, text) == 0) return true;
    return false;
}

int32_t Parse_Position_Abbreviation(const char* text) {
    if (text == nullptr || text[0] == '\0') return -1;
    const int32_t whole = Lookup_Position_Abbreviation(text);
    if (whole >= 0) return whole;
    char copy[POSITION_TEXT_SIZE];
    safe_strncpy(copy, text, sizeof copy);
    for (char* c = copy; *c != '\0'; ++c)
        if (*c == '/' || *c == '-') *c = ',';
    int32_t remembered = -1;
    char part[POSITION_TEXT_SIZE];
    for (int32_t n = 0; n < MOST_PARTS && copy[0] != '\0'; ++n) {
        const int last = Get_Next_Field(part, copy, ',', sizeof part);
        const int32_t code = Lookup_Position_Abbreviation(part);
        if (code >= 0) {
            if (Is_Primary_Position_Abbreviation(part)) return code;
            if (remembered < 0) remembered = code;
        }
        if (last) break;
    }
    return remembered;
}

int32_t Lookup_Position_Override(const char* full_name) {
    if (full_name == nullptr) return -1;
    for (const ABBREVIATION& entry : POSITION_OVERRIDES)
        if (strcasecmp(entry.Text, full_name) == 0) return entry.Code;
    return -1;
}

void Set_Player_Position_From_Text(int32_t team, int32_t slot, const char* text) {
    if (!Is_Player_Address(team, slot) || text == nullptr) return;
    const int32_t uniform = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM);
    int32_t code = -1;
    if (strcasecmp(text, "DB") == 0) {
        code = uniform >= 20 && uniform <= 29 ? POSITION_CB : POSITION_S;
    } else {
        code = Parse_Position_Abbreviation(text);
        if (code == POSITION_RB && uniform >= 40 && uniform <= 49) code = POSITION_FB;
    }
    // The name as the record holds it (an empty one is not made up here).
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    char name[PLAYER_NAME_TEXT_SIZE];
    snprintf(name, sizeof name, "%.*s %.*s", static_cast<int>(sizeof player->First_Name), player->First_Name,
             static_cast<int>(sizeof player->Last_Name), player->Last_Name);
    if (text[0] != '\0' && code < 0) code = Lookup_Position_Override(name);
    // No code is no position (-1), without asking the translation about it.
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, code < 0 ? -1 : Translate_Expanded_Position(code));
    Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, code);
    if (text[0] != '\0' && code < 0) {
        Report_System_Error("Unrecognized position abbreviation (\"%s\") in \"%s\" file for %s.", text,
                            "Players.csv", name);
        Clear_Player(team, slot);
    }
}
