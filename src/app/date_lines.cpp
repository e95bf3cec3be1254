#include "app/date_lines.h"

#include <cstdio>
#include <cstring>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/draft_state.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
// Round and pick of a fantasy draft, 0-based, at the start of its state block.
constexpr size_t FANTASY_ROUND_OFFSET = 8;
constexpr size_t FANTASY_PICK_OFFSET = 12;

int32_t Read_Fantasy_Int(size_t offset) {
    int32_t value = 0;
    std::memcpy(&value, Universe.Tail.Fantasy_Draft_State + offset, sizeof value);
    return value;
}
} // namespace

void Get_Date_Line_Texts(char* first, char* second) {
    if (first == nullptr || second == nullptr) return;
    const int32_t year = Get_Current_Year();
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1) {
        // Counted in 64 bits: the state may come from a damaged draft file.
        snprintf(first, FORMATTED_TEXT_SIZE, "Round %lld",
                 static_cast<long long>(Read_Fantasy_Int(FANTASY_ROUND_OFFSET)) + 1);
        snprintf(second, FORMATTED_TEXT_SIZE, "Pick %lld",
                 static_cast<long long>(Read_Fantasy_Int(FANTASY_PICK_OFFSET)) + 1);
    } else if (Is_College_Draft_Running()) {
        snprintf(first, FORMATTED_TEXT_SIZE, "%d", year);
        safe_strncpy(second, "Amateur Draft", FORMATTED_TEXT_SIZE);
    } else if (week != OFF_SEASON_WEEK && week < Universe.Post_Season_Days[4]) {
        snprintf(first, FORMATTED_TEXT_SIZE, "%d", year);
        Format_Week_Short_Name(week, second);
    } else {
        const int32_t from = week == OFF_SEASON_WEEK ? year - 1 : year;
        snprintf(first, FORMATTED_TEXT_SIZE, "%d-%d", from, from + 1);
        safe_strncpy(second, "Offseason", FORMATTED_TEXT_SIZE);
    }
}
