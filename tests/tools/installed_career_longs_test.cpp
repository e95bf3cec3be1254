// No kicker's or punter's career long punt or field goal in any installed
// database is one that only a college season of his holds: the players of
// the league's teams carry their league seasons, as the seasons file gives
// a built season's players theirs (the college pool's prospects, whose
// college seasons are all they have, aside).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_lines.h"
#include "database/team_record_layout.h"
#include "season/new_game_choices.h"
#include "support/installed_seasons.h"

namespace {
constexpr int32_t FIRST_DATABASE = 1951;
constexpr int32_t LAST_DATABASE = 2022;

// The longest of the player's league seasons, this and last season's figures among them.
int32_t Longest_League_Season(int32_t team, int32_t slot, int32_t stat) {
    int32_t longest = std::max(Get_Player_Stat(team, slot, SEASON_THIS, stat),
                               Get_Player_Stat(team, slot, SEASON_LAST, stat));
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        if (line != NO_SEASON_LINE && Get_Season_Line_Kind(line) >= 0)
            longest = std::max(longest, Get_Season_Line_Stat(line, stat));
    }
    return longest;
}

class InstalledCareerLongs : public InstalledDatabasesTest {};
} // namespace

TEST_F(InstalledCareerLongs, EveryKickersCareerLongIsALeagueSeasonsInEveryDatabase) {
    int32_t longs = 0;
    std::vector<std::string> faults;
    for (int32_t year = FIRST_DATABASE; year <= LAST_DATABASE; ++year) {
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0) << year;
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                for (const int32_t stat : {5, 18}) {
                    if (!Is_Longest_Kick_Stat(team, slot, stat)) continue;
                    // What the player card reads as his career's.
                    const int32_t career = Get_Player_Stat(team, slot, SEASON_CAREER, stat);
                    const int32_t league = Longest_League_Season(team, slot, stat);
                    if (career > 0) ++longs;
                    if (career > league)
                        faults.push_back(
                            std::to_string(year) + ": " + Get_Player_Record_Pointer(team, slot)->First_Name +
                            " " + Get_Player_Record_Pointer(team, slot)->Last_Name + "'s career long " +
                            std::to_string(career) + " of statistic " + std::to_string(stat) +
                            ", his league seasons' " + std::to_string(league));
                }
            },
            0, HALL_OF_FAME_TEAM);
    }
    EXPECT_TRUE(faults.empty()) << faults.size()
                                << " career longs, the first: " << (faults.empty() ? "" : faults.front());
    EXPECT_GT(longs, 72 * 40) << "the kickers and punters of every database have career longs";
}
