#include "support/played_season.h"

#include <cstring>
#include <vector>

#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/league_rules.h"
#include "season/season_calendar.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/computer_league.h"

namespace {
constexpr int32_t MOST_ADVANCES = 4;
constexpr int32_t WEEKS_PER_ADVANCE = 22;

std::vector<uint8_t>& Played_Block() {
    static std::vector<uint8_t> block;
    return block;
}
} // namespace

void Build_Played_Season_League() {
    std::vector<uint8_t>& block = Played_Block();
    if (!block.empty()) {
        std::memcpy(&Universe, block.data(), sizeof Universe);
        return;
    }
    Build_Computer_League();
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(2020);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Start_Season(0);
    // Played as a multi-season run plays it, stopping at the champion.
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    for (int32_t advance = 0; advance < MOST_ADVANCES && !Is_Champion_Decided(); ++advance)
        Advance_Weeks(WEEKS_PER_ADVANCE);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Clear_Shown_Messages();
    block.resize(sizeof Universe);
    std::memcpy(block.data(), &Universe, sizeof Universe);
}
