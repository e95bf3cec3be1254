// Trade talk texts.
#include "frontoffice/trade_talk.h"

#include <cstring>

#include "database/game_names.h"
#include "database/random_numbers.h"
#include "database/text_format.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_banter_tables.h"
#include "frontoffice/trade_offer.h"
#include "frontoffice/trade_scoring.h"

namespace {
constexpr int32_t FURTHER_NEED = 1400;
constexpr int32_t BANTER_BAND = 250;

int32_t Banter_Group(int32_t score) {
    if (score <= 250) return 1;
    if (score <= 500) return 2;
    if (score <= 750) return 3;
    if (score < 1000) return 4;
    return 5;
}

// The line rises through its group as the score rises within its 250 points.
int32_t Banter_Line(int32_t score) {
    const int32_t within = score % BANTER_BAND;
    int32_t line = (within * TRADE_BANTER_LINES + BANTER_BAND / 2) / BANTER_BAND;
    if (within < 0) --line;
    return Clamp_Int(0, TRADE_BANTER_LINES - 1, line);
}

// Plural of a position's long name: Safety -> Safeties, Tight End -> Tight Ends.
void Plural_Position_Name(int32_t position, char* buffer) {
    Get_Position_Name(position, buffer);
    const size_t length = std::strlen(buffer);
    if (length == 0) return;
    if (buffer[length - 1] == 'y') {
        buffer[length - 1] = '\0';
        safe_strncat(buffer, "ies", FORMATTED_TEXT_SIZE);
    } else if (buffer[length - 1] == 's') {
        safe_strncat(buffer, "es", FORMATTED_TEXT_SIZE);
    } else {
        safe_strncat(buffer, "s", FORMATTED_TEXT_SIZE);
    }
}
} // namespace

void Get_Trade_Banter(int32_t score, char* buffer) {
    if (buffer == nullptr) return;
    const char* line;
    if (score == TRADE_REFUSED_SCORE)
        line = TRADE_BANTER[0][Random_Index(TRADE_BANTER_LINES)];
    else
        line = TRADE_BANTER[Banter_Group(score)][Banter_Line(score)];
    safe_strncpy(buffer, line, TEXT_BUFFER_SIZE);
}

void Get_Trade_Hint_Line(int32_t row, int32_t position, char* buffer) {
    char name[FORMATTED_TEXT_SIZE];
    Get_Position_Name_Lower(position, name);
    if (row == ROLE_STARTER)
        safe_sprintf(buffer, TRADE_HINT_LINE_SIZE, "A starting %s", name);
    else if (row == ROLE_VETERAN_BACKUP && Get_Position_Starter_Count(position) == 1)
        safe_sprintf(buffer, TRADE_HINT_LINE_SIZE, "A backup %s", name);
    else if (row == ROLE_VETERAN_BACKUP)
        safe_sprintf(buffer, TRADE_HINT_LINE_SIZE, "More depth at %s", name);
    else
        safe_sprintf(buffer, TRADE_HINT_LINE_SIZE, "A young %s", name);
}

int32_t Get_Trade_Hint_Lines(int32_t team, char lines[TRADE_HINT_LINES][TRADE_HINT_LINE_SIZE]) {
    TEAM_STRENGTH_TABLE needs;
    Build_Team_Strength_Table(team, &needs);
    int32_t count = 0;
    int32_t need = 0;
    do {
        int32_t row = 0, position = 0;
        for (int32_t r = 0; r < NEED_ROLES; ++r)
            for (int32_t p = 0; p < NEED_POSITIONS; ++p)
                if (needs.Need[r][p] > needs.Need[row][position]) {
                    row = r;
                    position = p;
                }
        need = needs.Need[row][position];
        char hint[TRADE_HINT_LINE_SIZE];
        Get_Trade_Hint_Line(row, position, hint);
        safe_sprintf(lines[count], TRADE_HINT_LINE_SIZE, "(%d) %s", count + 1, hint);
        ++count;
        needs.Need[row][position] = 0;
    } while (need > FURTHER_NEED && count < TRADE_HINT_LINES);
    return count;
}

void Get_Team_Needs_Text(char* buffer, int32_t team) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    TEAM_STRENGTH_TABLE needs;
    Build_Team_Strength_Table(team, &needs);
    for (int32_t names = 0; names < 2;) {
        int32_t best = 0, best_need = 0;
        for (int32_t p = 0; p < NEED_POSITIONS; ++p) {
            const int32_t starter = needs.Need[0][p];
            const int32_t depth = starter + needs.Need[1][p];
            int32_t need = starter > depth ? starter : depth;
            if (depth + needs.Need[2][p] > need) need = depth + needs.Need[2][p];
            if (p == 0 || need > best_need) {
                best = p;
                best_need = need;
            }
        }
        char name[FORMATTED_TEXT_SIZE];
        Plural_Position_Name(best, name);
        if (names > 0) safe_strncat(buffer, ", ", TEXT_BUFFER_SIZE);
        safe_strncat(buffer, name, TEXT_BUFFER_SIZE);
        ++names;
        for (auto& row : needs.Need)
            row[best] = 0;
        if (best_need <= FURTHER_NEED) break;
    }
}
