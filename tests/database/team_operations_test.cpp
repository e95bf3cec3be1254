#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/fantasy_draft.h"
#include "platform/message_box.h"
#include "support/debug_log.h"
#include "support/fantasy_draft_files.h"
#include "support/test_league.h"

namespace {

constexpr size_t POSSESSION_OFFSET = 48684;
constexpr int32_t WEEKS = 12;

std::string Stamp(int32_t team) {
    char text[TEAM_STRING_LENGTH];
    Get_Team_String(text, team, 7);
    return text;
}

uint8_t* Game_Bytes(int32_t game) {
    return reinterpret_cast<uint8_t*>(&Universe.Games[game]);
}

// Every franchise carries a stamp in string 7, plays a round-robin style
// schedule with a game record per game, and appears in every league table, so
// each reference can be traced back to its franchise after slots move.
void Build_Referenced_League() {
    Build_Test_League();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        char text[TEAM_STRING_LENGTH];
        snprintf(text, sizeof text, "F%02d", team);
        Set_Team_String(text, team, 7);
    }
    int32_t game = 0;
    for (int32_t week = 0; week < WEEKS; ++week) {
        for (int32_t k = 0; k < TEST_LEAGUE_TEAMS / 2; ++k) {
            int32_t home = k;
            int32_t away = (k + week + 1) % (TEST_LEAGUE_TEAMS / 2) + TEST_LEAGUE_TEAMS / 2;
            Universe.Teams[home].Schedule[week].Values[0] = away + 1;
            Universe.Teams[away].Schedule[week].Values[0] = -(home + 1);
            if (week < 3) {
                Game_Bytes(game)[0] = static_cast<uint8_t>(home);
                Game_Bytes(game)[1] = static_cast<uint8_t>(away);
                Game_Bytes(game)[POSSESSION_OFFSET] = static_cast<uint8_t>(away);
                ++game;
            }
        }
    }
    for (int32_t i = 0; i < TEST_LEAGUE_TEAMS; ++i)
        Universe.Draft_Order[i] = static_cast<int8_t>(TEST_LEAGUE_TEAMS - 1 - i);
    for (int32_t i = 0; i < 16; ++i)
        Universe.Playoff_Bracket[i] = static_cast<int8_t>(2 * i + 1);
    for (int32_t d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        for (int32_t k = 0; k < 4; ++k)
            Universe.Division_Standings[d][k] = static_cast<int8_t>(4 * d + 3 - k);
    for (auto& year : Universe.Draft_Pick_Owner)
        for (auto& round : year)
            for (int32_t issuer = 0; issuer < TEST_LEAGUE_TEAMS; ++issuer)
                round[issuer] = static_cast<int8_t>((issuer + 5) % TEST_LEAGUE_TEAMS);
    Set_User_Preference(VIEWED_TEAM, 7);
    Set_User_Preference(USER_TEAM, 7);
}

struct ORIGINAL_REFERENCES {
    std::string opponent[TEST_LEAGUE_TEAMS][WEEKS];
    std::string games[3 * TEST_LEAGUE_TEAMS / 2][3];
    std::string draft_order[TEST_LEAGUE_TEAMS];
    std::string bracket[16];
    std::string pick_owner[TEST_LEAGUE_TEAMS];
    std::string user;
};

ORIGINAL_REFERENCES Record_References() {
    ORIGINAL_REFERENCES r;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        for (int32_t week = 0; week < WEEKS; ++week) {
            int32_t code = Universe.Teams[team].Schedule[week].Values[0];
            r.opponent[team][week] = Stamp((code < 0 ? -code : code) - 1);
        }
        r.draft_order[team] = Stamp(Universe.Draft_Order[team]);
        r.pick_owner[team] = Stamp(Universe.Draft_Pick_Owner[1][2][team]);
    }
    for (int32_t game = 0; game < 3 * TEST_LEAGUE_TEAMS / 2; ++game) {
        r.games[game][0] = Stamp(Game_Bytes(game)[0]);
        r.games[game][1] = Stamp(Game_Bytes(game)[1]);
        r.games[game][2] = Stamp(Game_Bytes(game)[POSSESSION_OFFSET]);
    }
    for (int32_t i = 0; i < 16; ++i)
        r.bracket[i] = Stamp(Universe.Playoff_Bracket[i]);
    r.user = Stamp(Get_User_Preference(USER_TEAM));
    return r;
}

// `slot_of` maps each original stamp to its slot now; an erased franchise is
// missing from it.
std::map<std::string, int32_t> Current_Slots() {
    std::map<std::string, int32_t> slots;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Used_Franchise_Slot(team)) slots[Stamp(team)] = team;
    return slots;
}

void Expect_References_Follow(const ORIGINAL_REFERENCES& r, const std::string& erased) {
    auto slots = Current_Slots();
    for (int32_t old = 0; old < TEST_LEAGUE_TEAMS; ++old) {
        char name[8];
        snprintf(name, sizeof name, "F%02d", old);
        if (erased == name) continue;
        int32_t team = slots.at(name);
        for (int32_t week = 0; week < WEEKS; ++week) {
            int32_t code = Universe.Teams[team].Schedule[week].Values[0];
            if (r.opponent[old][week] == erased) {
                EXPECT_EQ(code, 0) << name << " week " << week << " still faces the erased team";
                continue;
            }
            ASSERT_NE(code, 0) << name << " week " << week;
            int32_t opponent = (code < 0 ? -code : code) - 1;
            EXPECT_EQ(Stamp(opponent), r.opponent[old][week]) << name << " week " << week;
            int32_t back = Universe.Teams[opponent].Schedule[week].Values[0];
            EXPECT_EQ(back, code > 0 ? -(team + 1) : team + 1)
                << "pair not mutual, " << name << " week " << week;
        }
        if (r.pick_owner[old] != erased) {
            EXPECT_EQ(Stamp(Universe.Draft_Pick_Owner[1][2][team]), r.pick_owner[old]);
        }
        // Every season line of the franchise's players names its slot now.
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            for (int32_t n = 0; n < Count_Player_Season_Lines(team, slot); ++n)
                EXPECT_EQ(Get_Season_Line_Team(Get_Player_Season_Line(team, slot, n)), team) << name;
    }
    for (int32_t game = 0; game < 3 * TEST_LEAGUE_TEAMS / 2; ++game) {
        if (r.games[game][0] == erased || r.games[game][1] == erased) {
            continue;
        }
        EXPECT_EQ(Stamp(Game_Bytes(game)[0]), r.games[game][0]) << "game " << game;
        EXPECT_EQ(Stamp(Game_Bytes(game)[1]), r.games[game][1]) << "game " << game;
        EXPECT_EQ(Stamp(Game_Bytes(game)[POSSESSION_OFFSET]), r.games[game][2]) << "game " << game;
    }
    for (int32_t i = 0; i < TEST_LEAGUE_TEAMS; ++i) {
        if (r.draft_order[i] != erased) {
            EXPECT_EQ(Stamp(Universe.Draft_Order[i]), r.draft_order[i]) << "draft order " << i;
        }
    }
    for (int32_t i = 0; i < 16; ++i) {
        if (r.bracket[i] != erased) {
            EXPECT_EQ(Stamp(Universe.Playoff_Bracket[i]), r.bracket[i]) << "bracket " << i;
        }
    }
    if (r.user != erased) {
        EXPECT_EQ(Stamp(Get_User_Preference(USER_TEAM)), r.user);
    }
}

} // namespace

TEST(TeamOperations, RandomSwapsKeepEveryReferenceWithItsFranchise) {
    Build_Referenced_League();
    ORIGINAL_REFERENCES before = Record_References();
    std::mt19937 pick(2024);
    for (int i = 0; i < 60; ++i)
        Swap_Team_Slots(static_cast<int32_t>(pick() % TEST_LEAGUE_TEAMS),
                        static_cast<int32_t>(pick() % TEST_LEAGUE_TEAMS));
    Expect_References_Follow(before, "");
}

TEST(TeamOperations, EraseTeamPacksSlotsAndLeavesNoScheduleFacingIt) {
    Build_Referenced_League();
    ORIGINAL_REFERENCES before = Record_References();
    ASSERT_EQ(Erase_Team(3, 1), 1);
    EXPECT_EQ(Count_Active_Teams(), TEST_LEAGUE_TEAMS - 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS - 1; ++team)
        EXPECT_TRUE(Is_Used_Franchise_Slot(team)) << team;
    EXPECT_FALSE(Is_Used_Franchise_Slot(TEST_LEAGUE_TEAMS - 1));
    EXPECT_EQ(Stamp(3), "F04") << "the later franchises move down by one";
    EXPECT_EQ(Stamp(30), "F31");
    Expect_References_Follow(before, "F03");
}

TEST(TeamOperations, EraseTeamAsksBeforeOverfillingTheFreeAgentPool) {
    Build_Test_League();
    for (int32_t s = 0; s < 70; ++s)
        Copy_Player(FREE_AGENT_TEAM, s, 1, s % TEST_ROSTER_SIZE);
    for (int32_t s = 40; s < TEST_ROSTER_SIZE; ++s)
        Clear_Player(0, s);
    auto saved = std::make_unique<UNIVERSE_STATE>();
    memcpy(saved.get(), &Universe, sizeof Universe);

    Clear_Shown_Messages();
    Script_Message_Answer("Not Enough Room", ID_BOX_CANCEL);
    EXPECT_EQ(Erase_Team(0, 0), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "There is not enough room for 40 players on the Free Agent list. "
                                            "The least valuable 10 players will be "
                                            "eliminated.");
    EXPECT_EQ(memcmp(saved.get(), &Universe, sizeof Universe), 0) << "closing the box changes nothing";

    // "Cancel" is the box's second button.
    Script_Message_Answer("Not Enough Room", ID_BOX_NO);
    EXPECT_EQ(Erase_Team(0, 0), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(memcmp(saved.get(), &Universe, sizeof Universe), 0) << "the Cancel button changes nothing";

    Script_Message_Answer("Not Enough Room", ID_BOX_YES); // the first button, "OK"
    EXPECT_EQ(Erase_Team(0, 0), 1);
    EXPECT_EQ(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM), PLAYERS_PER_TEAM);
    EXPECT_EQ(Count_Active_Teams(), TEST_LEAGUE_TEAMS - 1);
}

TEST(TeamOperations, SortByNameComparesLocationThenNicknameCaseFirst) {
    Build_Referenced_League();
    Set_Team_Location("Denver", 0);
    Set_Team_Location("Dallas", 1);
    Set_Team_Location("dallas", 2);
    Set_Team_Location("Dallas", 3);
    Set_Team_Nickname("Cowboys", 1);
    Set_Team_Nickname("Apes", 3);
    for (int32_t team = 4; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Location("Zeta", team);
    ORIGINAL_REFERENCES before = Record_References();
    Sort_Teams_By_Name();
    EXPECT_EQ(Stamp(0), "F03") << "same location: nickname decides";
    EXPECT_EQ(Stamp(1), "F01");
    EXPECT_EQ(Stamp(2), "F00") << "upper case sorts before lower case";
    EXPECT_EQ(Stamp(TEST_LEAGUE_TEAMS - 1), "F02");
    Expect_References_Follow(before, "");
}

namespace {
// The sort as a bubble sort of single swaps of neighbouring slots; the
// number of swaps.
int32_t Sort_By_Name_Swap_By_Swap() {
    const int32_t n = Count_Active_Teams();
    int32_t swaps = 0;
    for (int32_t pass = 0; pass < n; ++pass)
        for (int32_t c = 0; c + 1 < n; ++c) {
            const TEAM_RECORD& a = Universe.Teams[c];
            const TEAM_RECORD& b = Universe.Teams[c + 1];
            int order = strncmp(a.Strings[1], b.Strings[1], TEAM_STRING_LENGTH);
            if (order == 0) order = strncmp(a.Strings[2], b.Strings[2], TEAM_STRING_LENGTH);
            if (order > 0) {
                Swap_Team_Slots(c, c + 1);
                ++swaps;
            }
        }
    return swaps;
}
} // namespace

// Sorting moves every team at once; the league it leaves is the one the swaps
// of a bubble sort would leave, to the last byte, the user's team included
// when the viewed human team is moved away and back to its own slot.
TEST(TeamOperations, SortingAtOnceLeavesWhatSwapBySwapLeaves) {
    for (int32_t arrangement = 0; arrangement < 3; ++arrangement) {
        Build_Referenced_League();
        std::mt19937 shuffle(1234 + arrangement);
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
            char name[TEAM_STRING_LENGTH];
            snprintf(name, sizeof name, "City %c", static_cast<char>('A' + shuffle() % 8));
            Set_Team_Location(name, team);
        }
        if (arrangement == 2) {
            // C, B, A at the front: B moves right, then back to slot 1.
            Set_Team_Location("AAA C", 0);
            Set_Team_Location("AAA B", 1);
            Set_Team_Location("AAA A", 2);
            Set_Team_Stat(1, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
            Set_User_Preference(VIEWED_TEAM, 1);
            Set_User_Preference(USER_TEAM, 0);
        }
        Set_User_Preference(SELECTED_PLAYER_TEAM, 3);
        // Season lines of some franchises, one of them blank.
        for (int32_t line = 0; line < 6; ++line) {
            Set_Season_Line_Year(line, 2020);
            Set_Season_Line_Team(line, 2 * line);
            if (line != 4) Set_Season_Line_Stat(line, 0, line + 1);
        }
        std::unique_ptr<uint8_t[]> start(new uint8_t[UNIVERSE_SIZE]);
        std::memcpy(start.get(), Universe_Bytes(), UNIVERSE_SIZE);
        const int32_t swaps = Sort_By_Name_Swap_By_Swap();
        std::unique_ptr<uint8_t[]> swapped(new uint8_t[UNIVERSE_SIZE]);
        std::memcpy(swapped.get(), Universe_Bytes(), UNIVERSE_SIZE);
        std::memcpy(Universe_Bytes(), start.get(), UNIVERSE_SIZE);
        EXPECT_EQ(Sort_Teams_By_Name(), swaps) << "arrangement " << arrangement;
        size_t first_difference = UNIVERSE_SIZE;
        for (size_t i = 0; i < UNIVERSE_SIZE && first_difference == UNIVERSE_SIZE; ++i)
            if (Universe_Bytes()[i] != swapped[i]) first_difference = i;
        EXPECT_EQ(first_difference, UNIVERSE_SIZE) << "arrangement " << arrangement;
    }
}

namespace {
// Packing as 36 passes of single swaps: each unused slot changes places with
// the slot after it.
void Compact_Swap_By_Swap() {
    for (int32_t pass = 0; pass < MAX_FRANCHISES; ++pass)
        for (int32_t c = 0; c + 1 < MAX_FRANCHISES; ++c)
            if (!Is_Used_Franchise_Slot(c)) Swap_Team_Slots(c, c + 1);
}
} // namespace

// Packing moves every team at once; the league it leaves is the one the swaps
// of every pass would leave, to the last byte: the records of unused slots
// move along, and a viewed or user's team in an unused slot follows its record.
TEST(TeamOperations, PackingAtOnceLeavesWhatTheSwapsOfEveryPassLeave) {
    for (int32_t arrangement = 0; arrangement < 2; ++arrangement) {
        Build_Referenced_League();
        for (int32_t team = TEST_LEAGUE_TEAMS; team < MAX_FRANCHISES; ++team) {
            char text[TEAM_STRING_LENGTH];
            snprintf(text, sizeof text, "U%02d", team);
            Set_Team_String(text, team, 7);
        }
        for (int32_t team : {3, 4, 20})
            Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
        if (arrangement == 0) {
            // The user's own team was just emptied.
            Set_User_Preference(VIEWED_TEAM, 4);
            Set_User_Preference(USER_TEAM, 4);
        } else {
            Set_Team_Stat(10, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
            Set_User_Preference(VIEWED_TEAM, 10);
            Set_User_Preference(USER_TEAM, 33);
        }
        std::unique_ptr<uint8_t[]> start(new uint8_t[UNIVERSE_SIZE]);
        std::memcpy(start.get(), Universe_Bytes(), UNIVERSE_SIZE);
        Compact_Swap_By_Swap();
        std::unique_ptr<uint8_t[]> swapped(new uint8_t[UNIVERSE_SIZE]);
        std::memcpy(swapped.get(), Universe_Bytes(), UNIVERSE_SIZE);
        std::memcpy(Universe_Bytes(), start.get(), UNIVERSE_SIZE);
        Compact_Team_Slots();
        EXPECT_EQ(Stamp(2), "F02") << "arrangement " << arrangement;
        EXPECT_EQ(Stamp(3), "F05") << "the used slots close up in order";
        EXPECT_EQ(Stamp(TEST_LEAGUE_TEAMS - 4), "F31");
        size_t first_difference = UNIVERSE_SIZE;
        for (size_t i = 0; i < UNIVERSE_SIZE && first_difference == UNIVERSE_SIZE; ++i)
            if (Universe_Bytes()[i] != swapped[i]) first_difference = i;
        EXPECT_EQ(first_difference, UNIVERSE_SIZE) << "arrangement " << arrangement;
        if (arrangement == 0) {
            EXPECT_EQ(Stamp(Get_User_Preference(USER_TEAM)), "F04") << "the user's team follows its record";
        }
    }
}

TEST(TeamOperations, BackupRestoreAndControl) {
    Build_Test_League();
    auto buffer = std::make_unique<TEAM_RECORD>();
    auto copy = std::make_unique<TEAM_RECORD>();
    memcpy(copy.get(), &Universe.Teams[5], sizeof(TEAM_RECORD));
    Backup_Team_Structure(buffer.get(), 5);
    Set_Team_Location("Elsewhere", 5);
    Restore_Team_Structure(5, buffer.get());
    EXPECT_EQ(memcmp(copy.get(), &Universe.Teams[5], sizeof(TEAM_RECORD)), 0);

    Set_All_Teams_Control(1);
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_CONTROL), team < TEST_LEAGUE_TEAMS ? 1 : -1) << team;
}

// Erasing records: all of them (franchises emptied, pools zeroed), one of
// them (zeroed, its slot unused), or zeroing all 41 at once.
TEST(TeamOperations, RecordsAreErasedWholeOrOneByOne) {
    Build_Test_League();
    Clear_Debug_Log();
    Erase_Team_Record(4);
    EXPECT_EQ(Get_Team_Stat(4, TEAM_STAT_CONTROL), TEAM_CONTROL_EMPTY);
    EXPECT_EQ(Is_Player_Slot_Used(4, 0), 0);
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_CONTROL), TEAM_CONTROL_COMPUTER) << "the next team stays";
    Erase_Team_Record(41);
    EXPECT_EQ(Count_Error_Lines(), 1) << "a team past the records is reported";

    Build_Test_League();
    Erase_All_Team_Records();
    EXPECT_EQ(Count_Active_Teams(), 0);
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_CONTROL), TEAM_CONTROL_EMPTY) << "team " << team;
    for (int32_t team = FREE_AGENT_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        const TEAM_RECORD blank{};
        EXPECT_EQ(memcmp(&Universe.Teams[team], &blank, sizeof blank), 0) << "pool " << team << " is zeroed";
    }

    Build_Test_League();
    Zero_All_Team_Records();
    const TEAM_RECORD blank{};
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        EXPECT_EQ(memcmp(&Universe.Teams[team], &blank, sizeof blank), 0) << "team " << team;
}

// The fantasy-draft state is loaded beside the saved game only while the
// league's fantasy draft runs.
TEST(TeamOperations, FantasyDraftStateLoadsOnlyWhileDrafting) {
    Build_Test_League();
    Set_Saved_Game_Name("drafting");
    Write_Fantasy_Draft_State_File("drafting.draft", Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 0, 0, 7));
    memset(Universe.Tail.Fantasy_Draft_State, 0, sizeof Universe.Tail.Fantasy_Draft_State);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
    Load_Fantasy_Draft_State_If_Drafting();
    EXPECT_EQ(Universe.Tail.Fantasy_Draft_State[100], 0) << "no draft runs: nothing is loaded";
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    Load_Fantasy_Draft_State_If_Drafting();
    EXPECT_EQ(Universe.Tail.Fantasy_Draft_State[100], 7) << "the draft runs: its state is loaded";
    std::remove("drafting.draft");
}
