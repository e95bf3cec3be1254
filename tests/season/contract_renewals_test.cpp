// The season-end pass over a roster, the expiring-contract questions and the
// season-end history rows.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <vector>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/contract_offer_dialog.h"
#include "dialogs/scouting_report.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/roster_limits.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "season/contract_renewals.h"
#include "season/playoff_seeding.h"
#include "season/season_calendar.h"
#include "season/team_yearly_fields.h"
#include "support/computer_league.h"
#include "support/dialog_steps.h"
#include "support/report_steps.h"
#include "support/test_league.h"

namespace {
constexpr int32_t RENEWING_TEAM = 5;

void Decide_Champion(int32_t champion) {
    Universe.Header.Championship_Round_Flag = 1;
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length + 4);
    Set_Playoff_Team(30, champion);
    ASSERT_TRUE(Is_Champion_Decided());
}

bool Is_Line_Or_Front_Seven(int32_t position) {
    return position >= POSITION_T && position <= POSITION_LB;
}

int32_t Get_Roster_Value(int32_t team, int32_t slot) {
    return static_cast<int32_t>(
        static_cast<float>(static_cast<int32_t>(Evaluate_Player_At_Own_Position(team, slot))) +
        Get_Player_Potential(team, slot));
}
} // namespace

TEST(ContractRenewals, EveryPlayerTakesOneStepAndReleasedPlayersLeaveNoOneBehind) {
    Build_Computer_League();
    // Over the cap, a computer team re-signs nobody: every lineman and front-seven
    // player with an expiring contract is released during the pass.
    Universe.Header.Universe_Stats[SALARY_CAP] = 1000000;
    std::set<int32_t> expiring;
    std::map<int32_t, int32_t> credited;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(RENEWING_TEAM, slot)) continue;
        const int32_t id = Get_Player_ID(RENEWING_TEAM, slot);
        Set_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CREDITED_SEASONS, 4);
        if (Is_Line_Or_Front_Seven(Get_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_POSITION))) {
            Set_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CONTRACT_YEARS, 1);
            expiring.insert(id);
        } else {
            Set_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CONTRACT_YEARS, 3);
            credited[id] = 4;
        }
    }
    const int32_t free_agents_before = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    // The pass sorts the roster first; released players must stand side by
    // side in that order for the test to mean anything.
    Sort_Roster_By_Value_And_Potential(RENEWING_TEAM);
    bool adjacent = false;
    for (int32_t slot = 0; slot + 1 < PLAYERS_PER_TEAM; ++slot)
        adjacent = adjacent || (expiring.count(Get_Player_ID(RENEWING_TEAM, slot)) != 0 &&
                                expiring.count(Get_Player_ID(RENEWING_TEAM, slot + 1)) != 0);
    ASSERT_TRUE(adjacent);

    Renew_Team_Contracts(RENEWING_TEAM);

    // Every released player took his one step before he left: none was
    // skipped when the roster closed up behind a release. Once the pass is
    // over, the depth charts refill the emptied positions from the free
    // agents, where the released players now stand, so some come back on new
    // contracts; the rest are free agents.
    int32_t released_seen = 0;
    int32_t signed_back = 0;
    for (int32_t team : {RENEWING_TEAM, static_cast<int32_t>(FREE_AGENT_TEAM)})
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t id = Get_Player_ID(team, slot);
            if (expiring.count(id) == 0) continue;
            ++released_seen;
            EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS), 5)
                << "player " << id << " now in team " << team << " slot " << slot << " took no step or two";
            if (team == RENEWING_TEAM) {
                ++signed_back;
                EXPECT_GT(Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS), 1)
                    << "player " << id << " kept his old contract";
            }
        }
    EXPECT_EQ(released_seen, static_cast<int32_t>(expiring.size()));
    EXPECT_LT(signed_back, static_cast<int32_t>(expiring.size()));
    EXPECT_GT(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM), free_agents_before);

    int32_t kept = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(RENEWING_TEAM, slot)) continue;
        const int32_t id = Get_Player_ID(RENEWING_TEAM, slot);
        const auto found = credited.find(id);
        if (found == credited.end()) continue;
        ++kept;
        EXPECT_EQ(Get_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CREDITED_SEASONS), 5)
            << "one step, not two";
        EXPECT_EQ(Get_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CONTRACT_YEARS), 2);
    }
    EXPECT_EQ(kept, static_cast<int32_t>(credited.size()));

    // The roster is set again: compact, within its limit, grouped by unit with
    // eligible returners.
    const int32_t players = Get_First_Empty_Player_Slot(RENEWING_TEAM);
    EXPECT_LE(players, ROSTER_ROOM_LIMIT);
    int32_t last_unit = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        ASSERT_EQ(Is_Player_Slot_Used(RENEWING_TEAM, slot), slot < players) << "gap at " << slot;
        if (slot >= players) continue;
        EXPECT_GE(Get_Player_Unit(RENEWING_TEAM, slot), last_unit) << slot;
        last_unit = Get_Player_Unit(RENEWING_TEAM, slot);
    }
    for (int32_t n = 0; n < 2; ++n)
        EXPECT_TRUE(Is_Skill_Or_Secondary_Player(RENEWING_TEAM, Get_Team_Returner(RENEWING_TEAM, n)));
}

TEST(ContractRenewals, SortingValuesPlayersOnlyAndClosesTheGaps) {
    Build_Test_League();
    constexpr int32_t team = 4;
    for (int32_t slot : {3, 10, 11, 40})
        Clear_Player(team, slot);
    const int32_t players = TEST_ROSTER_SIZE - 4;
    Sort_Roster_By_Value_And_Potential(team);
    PLAYER_RECORD empty;
    std::memset(&empty, 0, sizeof empty);
    Clear_Player(FREE_AGENT_TEAM, 99);
    const PLAYER_RECORD& cleared = Universe.Teams[FREE_AGENT_TEAM].Players[99];
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        ASSERT_EQ(Is_Player_Slot_Used(team, slot), slot < players) << slot;
        if (slot >= players) {
            EXPECT_EQ(std::memcmp(&Universe.Teams[team].Players[slot], &cleared, sizeof cleared), 0)
                << "empty slot " << slot << " was given ratings";
            continue;
        }
        if (slot > 0) {
            EXPECT_GE(Get_Roster_Value(team, slot - 1), Get_Roster_Value(team, slot)) << slot;
        }
    }
}

// The sort compares as if every value were taken anew at each comparison: a
// value that draws is taken again the next time, with the same draws in the
// same order, and the others' values follow them as they move.
TEST(ContractRenewals, SortingTakesEveryDrawOfAValueAtEachComparison) {
    Build_Test_League();
    constexpr int32_t team = 4;
    // Growth rates too large to be read: each is drawn anew at its first read.
    for (int32_t slot : {2, 17}) {
        Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, (Get_Current_Year() - 22) * 10000 + 101);
        Set_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE_LIMIT, 30);
        Set_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE, 27);
        Set_Player_Vital_Stat(team, slot, VITAL_DEVELOPMENT, 300 + slot);
    }
    Seed_Random_Numbers(31);
    Forget_Player_Potentials();
    const std::vector<TEAM_RECORD> start(1, Universe.Teams[team]);
    uint64_t draws = Get_Random_Draw_Count();

    // Every value taken at every comparison, the earlier slot's first.
    const auto value = [&](int32_t slot) {
        const int32_t rating = static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
        return static_cast<int32_t>(static_cast<float>(rating) + Get_Player_Potential(team, slot));
    };
    for (int32_t i = 0; i < PLAYERS_PER_TEAM - 1; ++i)
        for (int32_t j = i + 1; j < PLAYERS_PER_TEAM; ++j) {
            if (!Is_Player_Slot_Used(team, j)) continue;
            bool lower = !Is_Player_Slot_Used(team, i);
            if (!lower) {
                const int32_t value_i = value(i);
                lower = value_i < value(j);
            }
            if (lower) Swap_Players(team, i, team, j);
        }
    const std::vector<TEAM_RECORD> expected(1, Universe.Teams[team]);
    const uint64_t expected_draws = Get_Random_Draw_Count() - draws;
    ASSERT_GT(expected_draws, 0u) << "the damaged growth rates are drawn";

    Universe.Teams[team] = start[0];
    Seed_Random_Numbers(31);
    Forget_Player_Potentials();
    draws = Get_Random_Draw_Count();
    Sort_Roster_By_Value_And_Potential(team);
    EXPECT_EQ(Get_Random_Draw_Count() - draws, expected_draws);
    EXPECT_EQ(std::memcmp(&Universe.Teams[team], &expected[0], sizeof(TEAM_RECORD)), 0);
}

TEST(ContractRenewals, ExpiringContractsCountAfterTheFinalForEveryHumanTeam) {
    Build_Test_League();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, 3);
    // Two human teams: the first has one expiring contract, the last none.
    Set_Team_Stat(2, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_Stat(7, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Player_Vital_Stat(2, 12, VITAL_CONTRACT_YEARS, 1);
    Universe.Season_Length = 17;
    Clear_Playoff_Bracket();
    Set_User_Preference(CURRENT_WEEK, 3);
    EXPECT_EQ(Count_Team_Expiring_Contracts(2), 0) << "nothing expires before the champion is decided";
    EXPECT_EQ(Human_Team_Has_Expiring_Contracts(), 0);
    Decide_Champion(9);
    EXPECT_EQ(Count_Team_Expiring_Contracts(2), 1);
    EXPECT_EQ(Count_Team_Expiring_Contracts(7), 0);
    EXPECT_EQ(Count_Team_Expiring_Contracts(FREE_AGENT_TEAM), 0);
    EXPECT_EQ(Human_Team_Has_Expiring_Contracts(), 1) << "any human team, not only the last one";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    EXPECT_EQ(Human_Team_Has_Expiring_Contracts(), 0);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);

    // A human team without expiring contracts is told so and its roster is
    // left in the order its user set.
    int32_t order[TEST_ROSTER_SIZE];
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        order[slot] = Get_Player_ID(7, slot);
    Clear_Shown_Messages();
    Renew_Team_Contracts(7);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Renew Contracts");
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(7, name);
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              std::string("The ") + name + " do not have any expiring contracts.");
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        EXPECT_EQ(Get_Player_ID(7, slot), order[slot]) << slot;
    Clear_Shown_Messages();
    Renew_Team_Contracts(2);
    EXPECT_TRUE(Get_Shown_Messages().empty() || Get_Shown_Messages()[0].Caption != "Renew Contracts")
        << "a team with an expiring contract is not told it has none";
}

TEST(TeamYearlyFields, SeasonFinishInTheOffSeasonKeepsTheEndedSeasonsPlaces) {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        Set_Team_Record_Char(team, RECORD_CHAR_WINS, team % 13);
        Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, 16 - team % 13);
    }
    Decide_Champion(12);
    Set_Playoff_Team(28, 12);
    Set_Playoff_Team(29, 25);
    Record_Team_Season_Finish();
    EXPECT_EQ(Get_Team_Yearly_Int(12, 1, 3), 8);
    EXPECT_EQ(Get_Team_Yearly_Int(25, 1, 3), 7);
    int32_t places[TEST_LEAGUE_TEAMS];
    int32_t codes[TEST_LEAGUE_TEAMS];
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        places[team] = Get_Team_Yearly_Char(team, 1, 1);
        codes[team] = Get_Team_Yearly_Int(team, 1, 3);
    }
    // The off-season has moved the index on; the new season has no record yet.
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    Set_User_Preference(CURRENT_WEEK, 100);
    Record_Team_Season_Finish();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_EQ(Get_Team_Yearly_Char(team, 1, 1), places[team]) << "team " << team;
        EXPECT_EQ(Get_Team_Yearly_Int(team, 1, 3), codes[team]) << "team " << team;
        EXPECT_EQ(Get_Team_Yearly_Int(team, 2, 3), 0) << "nothing written into the new season";
    }
}

namespace {
// The player of slot TALK holds the one expiring contract of the renewing
// team, which the user runs: the champion decided, no cap, cash to spare,
// everyone else with 3 years left and every player with 2 seasons credited.
constexpr int32_t TALK = 10;

void Prepare_The_Users_Talk() {
    Build_Computer_League();
    Clear_Dialog_Steps();
    Set_Team_Stat(RENEWING_TEAM, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(RENEWING_TEAM);
    Decide_Champion(0);
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Set_Team_Financial_Stat(RENEWING_TEAM, FINANCE_CASH, 90000000);
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
        Set_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CONTRACT_YEARS, slot == TALK ? 1 : 3);
        Set_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CREDITED_SEASONS, 2);
    }
}

// The players of the talk: the one before him, released inside it, he, and
// the one after him.
struct TALK_ROAD {
    int32_t Released = 0;
    int32_t Talked = 0;
    int32_t After = 0;
};

// The renewal pass, in whose talk the user opens the report, steps back to
// the player before and releases him, then ends the talk with `button`.
TALK_ROAD Release_Inside_The_Talk_Then(int32_t button) {
    const TALK_ROAD road{Get_Player_ID(RENEWING_TEAM, TALK - 1), Get_Player_ID(RENEWING_TEAM, TALK),
                         Get_Player_ID(RENEWING_TEAM, TALK + 1)};
    Script_Dialog_Step([button](WINDOW_HANDLE offer) {
        ASSERT_EQ(Get_Dialog_Template_Id(offer), CONTRACT_OFFER_DIALOG);
        Script_Dialog_Step(Release_The_Player_Before);
        Click_Dialog_Button(offer, CONTRACT_SCOUTING_BUTTON);
        Click_Dialog_Button(offer, button);
    });
    Renew_Team_Contracts(RENEWING_TEAM);
    Clear_Dialog_Steps();
    return road;
}

// Every player left on the team took his year, the one after the talk's
// player among them; all but the talk's player have a year less to run.
void Expect_Everyone_Took_His_Year(const TALK_ROAD& road) {
    int32_t seen_after = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(RENEWING_TEAM, slot)) continue;
        const int32_t id = Get_Player_ID(RENEWING_TEAM, slot);
        ASSERT_NE(id, road.Released) << "released from the report";
        seen_after += id == road.After ? 1 : 0;
        EXPECT_EQ(Get_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CREDITED_SEASONS), 3)
            << "player " << id << (id == road.After ? ", who stood after the talk," : "") << " took his year";
        if (id == road.Talked) continue;
        EXPECT_EQ(Get_Player_Vital_Stat(RENEWING_TEAM, slot, VITAL_CONTRACT_YEARS), 2) << id;
    }
    EXPECT_EQ(seen_after, 1);
}
} // namespace

// The user's talk over his team's one expiring contract: from the talk's
// report he steps back to the player before and releases him, then accepts.
// The roster closed up under the pass, and the player who stood after the
// talk's player still takes his year.
TEST(ContractRenewals, AReleaseInsideTheUsersTalkSkipsNobodyAfterHim) {
    Prepare_The_Users_Talk();
    const TALK_ROAD road = Release_Inside_The_Talk_Then(ACCEPT_BUTTON);
    Expect_Everyone_Took_His_Year(road);
    int32_t team = -1, slot = -1;
    ASSERT_NE(Find_Player_By_ID(&team, &slot, road.Talked), 0);
    EXPECT_EQ(team, RENEWING_TEAM) << "the talk's player signed";
}

// The same, but the talk declined, so that its player leaves too: the roster
// closed up twice under the pass, and the player who stood after the talk's
// player still takes his year.
TEST(ContractRenewals, ADeclinedTalkAfterAReleaseInsideItSkipsNobodyAfterThePlayerWhoLeft) {
    Prepare_The_Users_Talk();
    const TALK_ROAD road = Release_Inside_The_Talk_Then(DECLINE_BUTTON);
    Expect_Everyone_Took_His_Year(road);
    int32_t team = -1, slot = -1;
    ASSERT_NE(Find_Player_By_ID(&team, &slot, road.Released), 0);
    EXPECT_EQ(team, FREE_AGENT_TEAM) << "released from the report";
    ASSERT_NE(Find_Player_By_ID(&team, &slot, road.Talked), 0);
    EXPECT_EQ(team, FREE_AGENT_TEAM) << "the talk declined, its player left";
}
