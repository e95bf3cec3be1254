#include "season/score_ticker.h"

#include <cstdio>
#include <cstring>

#include "database/safe_strings.h"
#include "database/team_record.h"

namespace {
constexpr uint32_t PLAIN_COLOUR = 0xFFFFFF;
constexpr uint32_t WINNER_COLOUR = 0x45F9FF;
constexpr uint32_t OVERTIME_COLOUR = 0x2EA6AA;
constexpr int32_t REGULATION_END = 3600;
constexpr int32_t LAST_NAMED_TEAM = 37;

char score_lines[SCORE_TICKER_LINES][SCORE_TICKER_TEXT_SIZE];
uint32_t score_colours[SCORE_TICKER_LINES];
} // namespace

void Format_Score_Ticker_Text(const GAME_RECORD* game, int32_t k) {
    if (game == nullptr) return;
    const int32_t group = ((k % 3) + 3) % 3;
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = game->Team[side];
        char nickname[64] = "";
        if (team <= LAST_NAMED_TEAM) Get_Team_String(nickname, team, 2);
        const int32_t line = 3 * group + side;
        std::snprintf(score_lines[line], SCORE_TICKER_TEXT_SIZE, "%s %d", nickname, game->Score[side]);
        score_colours[line] = game->Score[side] > game->Score[1 - side] ? WINNER_COLOUR : PLAIN_COLOUR;
    }
    const int32_t overtime_line = 3 * group + 2;
    const bool overtime = static_cast<int32_t>(game->Clock) > REGULATION_END;
    safe_strncpy(score_lines[overtime_line], overtime ? "(OT)" : "", SCORE_TICKER_TEXT_SIZE);
    score_colours[overtime_line] = overtime ? OVERTIME_COLOUR : 0;
}

void Clear_Score_Ticker() {
    std::memset(score_lines, 0, sizeof score_lines);
    std::memset(score_colours, 0, sizeof score_colours);
}

void Get_Score_Ticker_Line(int32_t line, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (line < 0 || line >= SCORE_TICKER_LINES) return;
    safe_strncpy(buffer, line == 1 && score_lines[1][0] == '\0' ? "Simulating..." : score_lines[line], size);
}

uint32_t Get_Score_Ticker_Colour(int32_t line) {
    return line >= 0 && line < SCORE_TICKER_LINES ? score_colours[line] : 0;
}
