#include "personnel/team_lookup.h"

#include <cstring>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_format.h"

namespace {
constexpr int32_t LONGEST_ABBREVIATION = 4;
constexpr int32_t NAME_WORDS = 3;
constexpr const char* TWO_WORD_NICKNAME = "Football Team";

// Historic abbreviations: a text equal to either member finds the active team
// abbreviated by the other member. Tried in this order.
const char* const HISTORIC_ABBREVIATIONS[][2] = {
    {"BAL", "IND"}, {"STL", "PHX"},  {"RAM", "STL"}, {"LARI", "OAK"}, {"CLE", "BAL"},  {"HOU", "TEN"},
    {"LA", "STL"},  {"LA", "LAR"},   {"STL", "LAR"}, {"LARM", "LAR"}, {"LARM", "LA"},  {"LARM", "STL"},
    {"RAM", "LA"},  {"SL", "STL"},   {"RAI", "OAK"}, {"OAK", "LVR"},  {"CHIB", "CHI"}, {"BOS", "NE"},
    {"NY", "NYG"},  {"CHIC", "STL"}, {"CRD", "STL"}, {"STL", "ARI"},  {"ARZ", "ARI"},  {"PHX", "ARI"},
    {"PHO", "ARI"}, {"PHO", "PHX"},  {"NOR", "NO"},  {"NWE", "NE"},   {"GNB", "GB"},   {"SFO", "SF"},
    {"SDG", "SD"},  {"TAM", "TB"},   {"JAX", "JAC"}, {"KAN", "KC"},   {"CLV", "CLE"},  {"HST", "HOU"},
    {"BLT", "BAL"}, {"SD", "LAC"},   {"SDG", "LAC"}, {"CHH", "CRA"},  {"BUF", "BBA"},  {"NYT", "NYJ"}};

// Clubs of other leagues that share the imports' files.
const char* const SKIPPED_ABBREVIATIONS[] = {"BCL", "BDA", "BOS", "BUF", "CHR",
                                             "CHH", "DTX", "LAD", "MIA", "NYY"};

// Renamed franchises: the old name, then the one the league knows now.
const char* const HISTORIC_NAMES[][2] = {{"Houston Oilers", "Tennessee Titans"},
                                         {"Tennessee Oilers", "Tennessee Titans"},
                                         {"Oilers", "Titans"},
                                         {"Washington Redskins", "Washington Football Team"},
                                         {"Redskins", "Football Team"}};

constexpr int32_t ABBREVIATION_STRING = 0;
constexpr int32_t NICKNAME_STRING = 2;

// The first active team whose team string `index` equals the text; an
// abbreviation is matched exactly, a nickname without case.
int32_t Find_Active_Team_By_String(int32_t index, const char* text) {
    char own[TEAM_STRING_LENGTH];
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        Get_Team_String(own, team, index);
        const int32_t differs = index == ABBREVIATION_STRING ? strcmp(own, text) : strcasecmp(own, text);
        if (differs == 0) return team;
    }
    return NO_TEAM;
}

bool Is_Acceptable_Name(const char* text) {
    return text != nullptr && text[0] != '\0' && strlen(text) <= MAX_TEAM_NAME_LENGTH;
}

// The team an abbreviation names: "FA" the free agents, an active team's
// own, either name of a renamed or moved franchise (only its later one with
// `later_only`), another league's club SKIPPED_TEAM_CODE; NO_TEAM otherwise.
int32_t Find_Team_By_Abbreviation(const char* text, bool later_only) {
    if (text == nullptr || text[0] == '\0' || strlen(text) > LONGEST_ABBREVIATION) return NO_TEAM;
    if (strcasecmp(text, "FA") == 0) return FREE_AGENT_TEAM;
    int32_t team = Find_Active_Team_By_String(ABBREVIATION_STRING, text);
    if (team != NO_TEAM) return team;
    // Each pair is an older abbreviation and the one it became.
    for (const auto& pair : HISTORIC_ABBREVIATIONS) {
        for (int32_t side = later_only ? 1 : 0; side < 2; ++side) {
            if (strcasecmp(text, pair[side]) != 0) continue;
            team = Find_Active_Team_By_String(ABBREVIATION_STRING, pair[1 - side]);
            if (team != NO_TEAM) return team;
        }
    }
    for (const char* skipped : SKIPPED_ABBREVIATIONS)
        if (strcasecmp(text, skipped) == 0) return SKIPPED_TEAM_CODE;
    return NO_TEAM;
}

// The name the league knows a renamed franchise's old name by (the first
// match), or the text itself.
const char* Get_Later_Team_Name(const char* text) {
    for (const auto& rename : HISTORIC_NAMES)
        if (strcasecmp(text, rename[0]) == 0) return rename[1];
    return text;
}
} // namespace

int32_t Get_Team_From_Abbreviation(const char* text, int32_t report) {
    if (text == nullptr || text[0] == '\0') return NO_TEAM;
    if (strlen(text) > LONGEST_ABBREVIATION) {
        if (strcasecmp(text, "FREE AGENT") == 0 || strcasecmp(text, "FREE AGENTS") == 0)
            return FREE_AGENT_TEAM;
        return NO_TEAM;
    }
    const int32_t team = Find_Team_By_Abbreviation(text, false);
    if (team == NO_TEAM && report) Report_System_Error("Unrecognized Team Abbreviation: %s", text);
    return team;
}

int32_t Get_Team_From_Later_Abbreviation(const char* text) {
    return Find_Team_By_Abbreviation(text, true);
}

int32_t Find_Team_By_Full_Name(const char* text) {
    if (!Is_Acceptable_Name(text)) return NO_TEAM;
    char wanted[MAX_TEAM_NAME_LENGTH + 1];
    safe_strncpy(wanted, text, sizeof wanted);
    for (char* c = wanted; *c != '\0'; ++c)
        if (*c == ',') *c = ' ';
    char name[FORMATTED_TEXT_SIZE];
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        Get_Team_Full_Name(team, name);
        if (strcasecmp(name, wanted) == 0) return team;
    }
    return NO_TEAM;
}

int32_t Get_Team_From_Name(const char* text) {
    if (!Is_Acceptable_Name(text)) return NO_TEAM;
    int32_t team = Find_Team_By_Full_Name(text);
    if (team != NO_TEAM) return team;
    if (strcasecmp(text, "Free Agents") == 0) return FREE_AGENT_TEAM;
    if (strcasecmp(text, "Retired") == 0) return RETIRED_TEAM_CODE;
    // The nickname is the last of the first three words.
    char words[NAME_WORDS][TEAM_STRING_LENGTH] = {};
    const char* c = text;
    for (int32_t n = 0; n < NAME_WORDS; ++n) {
        while (*c == ' ')
            ++c;
        int32_t length = 0;
        while (*c != '\0' && *c != ' ') {
            if (length < TEAM_STRING_LENGTH - 1) words[n][length++] = *c;
            ++c;
        }
    }
    const char* nickname = "";
    for (const auto& word : words)
        if (word[0] != '\0') nickname = word;
    // The one nickname of two words, also when a historic name was turned into it.
    const size_t length = strlen(text);
    if (length >= strlen(TWO_WORD_NICKNAME) &&
        strcasecmp(text + length - strlen(TWO_WORD_NICKNAME), TWO_WORD_NICKNAME) == 0)
        nickname = TWO_WORD_NICKNAME;
    // A text of blanks names nobody, not a franchise without a nickname.
    if (nickname[0] == '\0') return NO_TEAM;
    return Find_Active_Team_By_String(NICKNAME_STRING, nickname);
}

int32_t Find_Team_From_Historic_Name(char* text, int32_t size) {
    if (text == nullptr || size <= 0) return NO_TEAM;
    // A league of an earlier era still has the franchise under its old name.
    const int32_t team = Get_Team_From_Name(text);
    if (team != NO_TEAM) return team;
    const char* name = Get_Later_Team_Name(text);
    if (name == text) return NO_TEAM;
    // The lookup reads the whole new name even when the caller's buffer is too
    // small to take it back.
    safe_strncpy(text, name, size);
    return Get_Team_From_Name(name);
}

void Log_Unrecognized_Team_Name(const char* name) {
    Log_Debug_Line("Unrecognized Team Name: %s (%d)", name, Get_Current_Year());
}

int32_t Get_Team_From_Historic_Name(char* text, int32_t size) {
    if (text == nullptr || size <= 0) return NO_TEAM;
    const char* name = Get_Later_Team_Name(text);
    const int32_t team = Find_Team_From_Historic_Name(text, size);
    if (team == NO_TEAM && name[0] != '\0') Log_Unrecognized_Team_Name(name);
    return team;
}

int32_t Get_Team_From_Abbreviation_Or_Name(char* text, int32_t size) {
    const int32_t team = Get_Team_From_Abbreviation(text, 0);
    if (team != NO_TEAM) return team;
    return Get_Team_From_Historic_Name(text, size);
}

int32_t Find_Team_By_String(const char* text) {
    if (!Is_Acceptable_Name(text)) return 0;
    const int32_t team = Find_Active_Team_By_String(NICKNAME_STRING, text);
    return team == NO_TEAM ? 0 : team;
}
