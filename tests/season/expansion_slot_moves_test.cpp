// The installed league of 2001 rolls over into 2002, when the Houston Texans
// join it: the new franchise takes its place by name and every franchise
// after it moves up a slot, each taking along every field of the league that
// names it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_record.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/off_season.h"
#include "support/installed_seasons.h"
#include "support/team_slot_census.h"

namespace {
class ExpansionSlotMoves : public InstalledDatabasesTest {};
} // namespace

TEST_F(ExpansionSlotMoves, TheTexansJoinAndEveryFranchiseTheyPassKeepsWhatNamesIt) {
    ASSERT_EQ(Open_Installed_Season(2001), "");
    Set_All_Teams_Computer_Controlled();
    ASSERT_EQ(Count_Active_Teams(), 31);
    const int32_t colts = Find_Team_By_Location("Indianapolis");
    ASSERT_GE(colts, 0);
    Spread_Team_Slot_Fields();
    Crown_Champion_Unplayed();
    Mark_Franchises();
    TEAM_SLOT_CENSUS before = Take_Team_Slot_Census();
    const std::map<int32_t, std::string> cards = Read_Card_Draft_Lines();
    int32_t drafted = 0;
    for (const auto& [id, line] : cards)
        drafted += line.rfind("Drafted by ", 0) == 0;
    ASSERT_GT(drafted, 500) << "the league's players know who drafted them";

    Script_Message_Answer("Begin College Draft?", ID_BOX_NO);
    Start_Off_Season();
    ASSERT_EQ(Count_Active_Teams(), 32);
    ASSERT_GE(Find_Team_By_Location("Houston"), 0);
    ASSERT_EQ(Find_Team_By_Location("Indianapolis"), colts + 1)
        << "the franchises after Houston move up a slot";

    // The realignment of 2002 orders the divisions anew; nothing else that
    // names a team changes in the roll-over before the draft.
    for (auto field = before.Names.begin(); field != before.Names.end();)
        field = field->first.rfind("division ", 0) == 0 ? before.Names.erase(field) : std::next(field);
    int32_t compared = 0;
    EXPECT_EQ(Compare_Team_Slot_Censuses(before, Take_Team_Slot_Census(), &compared), "");
    EXPECT_GT(compared, static_cast<int32_t>(before.Names.size()) * 9 / 10)
        << "the fields of players who retired are gone, the others are compared";

    int32_t shown = 0;
    for (const auto& [id, line] : Read_Card_Draft_Lines()) {
        const auto found = cards.find(id);
        if (found == cards.end()) continue;
        ++shown;
        EXPECT_EQ(line, found->second) << "player " << id;
    }
    EXPECT_GT(shown, 1000) << "the players still on a franchise";
}
