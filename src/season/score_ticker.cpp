#include "season/score_ticker.h"

#include <cstdio>
#include <cstring>

#include "database/safe_strings.h"
#include "database/team_record.h"

namespace {
constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t LEADER_YELLOW = 0x45F9FF;
constexpr uint32_t OVERTIME_GOLD = 0x2EA6AA;
constexpr int32_t REGULATION_SECONDS = 3600;
constexpr int32_t LAST_NAMED_TEAM = 37;
constexpr int32_t NICKNAME = 2;

char Lines[SCORE_TICKER_LINES][SCORE_TICKER_LINE_SIZE];
uint32_t Colours[SCORE_TICKER_LINES];

bool Is_Line(int32_t n) {
    return n >= 0 && n < SCORE_TICKER_LINES;
}
} // namespace

void Format_Score_Ticker_Text(const GAME_RECORD* game, int32_t k) {
    if (game == nullptr) return;
    const int32_t group = ((k % 3) + 3) % 3;
    for (int side = 0; side < 2; ++side) {
        char nickname[32] = "";
        if (game->Team[side] <= LAST_NAMED_TEAM) Get_Team_String(nickname, game->Team[side], NICKNAME);
        const int32_t line = 3 * group + side;
        snprintf(Lines[line], SCORE_TICKER_LINE_SIZE, "%s %d", nickname, game->Score[side]);
        Colours[line] = game->Score[side] > game->Score[1 - side] ? LEADER_YELLOW : WHITE;
    }
    const bool overtime = game->Clock > REGULATION_SECONDS;
    safe_strncpy(Lines[3 * group + 2], overtime ? "(OT)" : "", SCORE_TICKER_LINE_SIZE);
    Colours[3 * group + 2] = overtime ? OVERTIME_GOLD : 0;
}

void Clear_Score_Ticker() {
    std::memset(Lines, 0, sizeof Lines);
    std::memset(Colours, 0, sizeof Colours);
}

void Get_Score_Ticker_Line(int32_t n, char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    if (!Is_Line(n)) return;
    safe_strncpy(buffer, n == 1 && Lines[n][0] == '\0' ? "Simulating..." : Lines[n], SCORE_TICKER_LINE_SIZE);
}

uint32_t Get_Score_Ticker_Colour(int32_t n) {
    return Is_Line(n) ? Colours[n] : 0;
}
