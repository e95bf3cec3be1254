#include "tools/season_inputs/rate_records.h"

namespace {
// The best yards an attempt of a season of at least so many attempts:
// 11.17 on 100 (1957), 10.55 on 250 (1953), 9.26 on 400 (2016). A season
// of more attempts is held to the best of its size, which no season of
// fewer passed.
struct ATTEMPTS_MARK {
    int32_t Least_Attempts;
    int32_t Yards_An_Attempt;
};
constexpr ATTEMPTS_MARK ATTEMPTS_MARKS[] = {{400, 926}, {250, 1055}, {100, 1117}};

// 19.9 yards a completion on 100 completions or more (1943).
constexpr int32_t BEST_YARDS_A_COMPLETION = 1990;

// 1,048 receiving yards (1999).
constexpr int32_t BEST_BACK_RECEIVING_YARDS = 1048;
} // namespace

int32_t Get_Best_Yards_An_Attempt(int32_t attempts) {
    for (const ATTEMPTS_MARK& mark : ATTEMPTS_MARKS)
        if (attempts >= mark.Least_Attempts) return mark.Yards_An_Attempt;
    return 0;
}

int32_t Get_Best_Yards_A_Completion() {
    return BEST_YARDS_A_COMPLETION;
}

int32_t Get_Best_Back_Receiving_Yards() {
    return BEST_BACK_RECEIVING_YARDS;
}
