#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <strings.h>
#include <vector>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/universe.h"
#include "personnel/player_identity.h"
#include "platform/debugger.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(PlayerHashes, IdsSharingAStartIndexProbeOnward) {
    Build_Test_League();
    memset(Universe.Teams, 0, sizeof Universe.Teams);
    for (int team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Clear_Player(team, slot);
    Universe.Teams[0].Players[0].Vital_Stats[VITAL_PLAYER_ID] = 5;
    Universe.Teams[0].Players[1].Vital_Stats[VITAL_PLAYER_ID] = 4101;
    Build_Player_ID_Hash();
    EXPECT_EQ(Get_Player_ID_Hash_Key(5), 5);
    EXPECT_EQ(Get_Player_ID_Hash_Key(6), 4101);
    EXPECT_EQ(Probe_Player_ID_Hash(4101), 6);
    EXPECT_EQ(Get_Player_ID_Hash_Count(), 2);
}

// A player swapped or copied to another slot takes his id's entry with him,
// so that the table points at him before any lookup has to walk the block.
TEST(PlayerHashes, MovedPlayersTakeTheirIdEntries) {
    Build_Test_League();
    const int first = Get_Player_ID(3, 7);
    const int second = Get_Player_ID(20, 30);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    auto entry = [](int id) { return Get_Player_ID_Hash_Location(Probe_Player_ID_Hash(id)); };
    Swap_Players(3, 7, 20, 30);
    EXPECT_EQ(entry(first).Team, 20);
    EXPECT_EQ(entry(first).Slot, 30);
    EXPECT_EQ(entry(second).Team, 3);
    EXPECT_EQ(entry(second).Slot, 7);
    Copy_Player(36, 0, 3, 7);
    EXPECT_EQ(entry(second).Team, 36);
    EXPECT_EQ(entry(second).Slot, 0);
    const int count = Get_Player_ID_Hash_Count();
    Note_Player_ID_Moved(999999, 1, 1);
    Note_Player_ID_Moved(first, 99, 1);
    EXPECT_EQ(Get_Player_ID_Hash_Count(), count) << "an id not in the table, or no slot, changes nothing";
    EXPECT_EQ(entry(first).Team, 20);
}

TEST(PlayerHashes, LookupsFollowMovesAndSwaps) {
    Build_Test_League();
    int id = Get_Player_ID(3, 7);
    char name[PLAYER_NAME_TEXT_SIZE];
    char external[12];
    Get_Player_Full_Name(3, 7, name);
    Get_Player_External_ID(3, 7, external);

    Swap_Players(3, 7, 20, 30);
    int team = -1;
    int slot = -1;
    ASSERT_TRUE(Find_Player_By_ID(&team, &slot, id));
    EXPECT_EQ(team, 20);
    EXPECT_EQ(slot, 30);
    team = slot = -1;
    ASSERT_TRUE(Find_Player_By_Full_Name(&team, &slot, name));
    EXPECT_EQ(team, 20);
    EXPECT_EQ(slot, 30);

    Copy_Player(36, 0, 20, 30);
    Remove_Player(20, 30);
    team = slot = -1;
    ASSERT_TRUE(Find_Player_By_External_ID(&team, &slot, external));
    EXPECT_EQ(team, 36);
    EXPECT_EQ(slot, 0);
    ASSERT_TRUE(Find_Player_By_ID(&team, &slot, id));
    EXPECT_EQ(team, 36);
    PLAYER_LOCATION repaired = Get_Player_ID_Hash_Location(Probe_Player_ID_Hash(id));
    EXPECT_EQ(repaired.Team, 36) << "the stale entry is repaired";
    EXPECT_EQ(repaired.Slot, 0);
}

TEST(PlayerHashes, NamesIgnoreCaseAndMissingKeysFail) {
    Build_Test_League();
    int team = 99;
    int slot = 99;
    EXPECT_TRUE(Find_Player_By_Full_Name(&team, &slot, "AARON ABBOTT"));
    EXPECT_EQ(team, 0);
    EXPECT_EQ(slot, 0);
    team = slot = 99;
    EXPECT_FALSE(Find_Player_By_Full_Name(&team, &slot, "Nobody Atall"));
    EXPECT_EQ(team, 99) << "outputs untouched when not found";
    PLAYER_LOCATION where{1, 1};
    EXPECT_FALSE(Lookup_External_ID_Hash(&where, ""));
    EXPECT_EQ(where.Team, NO_TEAM);
    EXPECT_EQ(where.Slot, NO_PLAYER);
    EXPECT_FALSE(Lookup_Player_ID_Hash(&where, 0));
    EXPECT_FALSE(Lookup_Player_ID_Hash(&where, -4));
    EXPECT_FALSE(Lookup_Player_ID_Hash(nullptr, 123456));
}

TEST(PlayerHashes, DuplicateExternalIdsPointAtTheLaterPlayer) {
    Build_Test_League();
    Set_Player_External_ID(2, 4, "SAME01");
    Set_Player_External_ID(5, 1, "SAME01");
    int before = Get_External_ID_Hash_Count();
    Build_External_ID_Hash();
    EXPECT_EQ(Get_External_ID_Hash_Count(), before);
    PLAYER_LOCATION where = Get_External_ID_Hash_Location(Probe_External_ID_Hash("SAME01"));
    EXPECT_EQ(where.Team, 5);
    EXPECT_EQ(where.Slot, 1);
}

TEST(PlayerHashes, DuplicateIdsAreRenumbered) {
    Build_Test_League();
    EXPECT_EQ(Sanity_Check_Player_IDs(), 1);
    Set_Player_Vital_Stat(1, 1, VITAL_PLAYER_ID, 77);
    Set_Player_Vital_Stat(4, 2, VITAL_PLAYER_ID, 77);
    Clear_Debug_Log();
    EXPECT_EQ(Sanity_Check_Player_IDs(), 0);
    EXPECT_NE(Get_Player_ID(1, 1), 77);
    EXPECT_NE(Get_Player_ID(4, 2), 77);
    EXPECT_NE(Get_Player_ID(1, 1), Get_Player_ID(4, 2));
    EXPECT_EQ(Count_Debug_Lines("Duplicate Player ID found: 77.  Changing to"), 2);
    EXPECT_EQ(Sanity_Check_Player_IDs(), 1);
}

TEST(PlayerHashes, SanityCheckSendsStartAndTimingToTheDebuggerOnly) {
    Build_Test_League();
    std::string debugger;
    Capture_Debugger_Output(&debugger);
    Clear_Debug_Log();
    EXPECT_EQ(Sanity_Check_Player_IDs(), 1);
    Capture_Debugger_Output(nullptr);
    EXPECT_NE(debugger.find("Sanity Checking Player IDs"), std::string::npos);
    EXPECT_NE(debugger.find("Finished Sanity Checking Player IDs in "), std::string::npos);
    EXPECT_EQ(Count_All_Debug_Lines(), 0) << "a clean check writes nothing to debug.txt";
}

TEST(PlayerHashes, FailedLookupsLeaveTheProbedEntryPointingAtNobody) {
    Build_Test_League();
    int id = Get_Player_ID(6, 3);
    char external[12];
    Get_Player_External_ID(6, 3, external);
    int id_entry = Probe_Player_ID_Hash(id);
    int external_entry = Probe_External_ID_Hash(external);
    Clear_Player(6, 3);
    PLAYER_LOCATION where{};
    EXPECT_EQ(Lookup_Player_ID_Hash(&where, id), 0);
    EXPECT_EQ(where.Team, 128) << "the caller is told NO_TEAM";
    EXPECT_EQ(where.Slot, 255);
    PLAYER_LOCATION stale = Get_Player_ID_Hash_Location(id_entry);
    EXPECT_EQ(stale.Team, 255) << "the stale id entry's team byte is marked 255";
    EXPECT_EQ(stale.Slot, 255);
    EXPECT_EQ(Get_Player_ID_Hash_Key(id_entry), id) << "the key stays";

    EXPECT_EQ(Lookup_External_ID_Hash(&where, external), 0);
    stale = Get_External_ID_Hash_Location(external_entry);
    EXPECT_EQ(stale.Team, 255) << "the stale external-id entry's team byte is marked 255";
    EXPECT_EQ(stale.Slot, 255);
}

namespace {
// Byte i of a text, 0 at or past its end; the name table's start slot.
unsigned Text_Byte(const char* key, int i) {
    for (int k = 0; k < i; ++k)
        if (key[k] == 0) return 0;
    return static_cast<unsigned char>(key[i]);
}
int Name_Start_Slot(const char* key) {
    return static_cast<int>(400 * (Text_Byte(key, 1) % 20) + 20 * (Text_Byte(key, 9) % 20) +
                            Text_Byte(key, 5) % 20);
}

// Where the walk from a key's start ends: the key's own slot or the first
// empty one, read off the table's keys.
int Walked_Name_Slot(const char* key) {
    const int start = Name_Start_Slot(key);
    for (int steps = 0, index = start; steps < 8192; ++steps, index = (index + 1) % 8192) {
        const char* stored = Get_Name_Hash_Key(index);
        if (stored[0] == 0 || strcasecmp(stored, key) == 0) return index;
    }
    return start;
}
} // namespace

// Names sharing their start slot (the same second, sixth and tenth letters)
// make long runs of taken slots; each name, in any case, is found where the
// walk from its start ends, and a new name is given the first empty slot
// after the run.
TEST(PlayerHashes, NamesSharingAStartFindTheSlotsOfTheWalk) {
    Build_Test_League();
    for (int team = 0; team < 4; ++team)
        for (int slot = 0; slot < 40; ++slot) {
            char last[24];
            snprintf(last, sizeof last, "Axxxxxx%c%c", 'a' + team, 'a' + slot % 26);
            Set_Player_First_Name(team, slot, slot < 26 ? "Bo" : "Bob");
            Set_Player_Last_Name(team, slot, last);
        }
    Build_Player_Name_Hash();
    for (int team = 0; team < 4; ++team)
        for (int slot = 0; slot < 40; slot += 3) {
            char name[PLAYER_NAME_TEXT_SIZE];
            Get_Player_Full_Name(team, slot, name);
            const int found = Probe_Name_Hash(name);
            EXPECT_EQ(found, Walked_Name_Slot(name)) << name;
            EXPECT_EQ(strcasecmp(Get_Name_Hash_Key(found), name), 0) << name;
            for (char& c : name)
                c = static_cast<char>(toupper(c));
            EXPECT_EQ(Probe_Name_Hash(name), found) << name;
        }
    const char* newcomer = "Bo Axxxxxxzz";
    const int empty = Probe_Name_Hash(newcomer);
    EXPECT_EQ(empty, Walked_Name_Slot(newcomer));
    EXPECT_EQ(Get_Name_Hash_Key(empty)[0], 0) << "an empty slot";
    Set_Player_First_Name(5, 3, "Bo");
    Set_Player_Last_Name(5, 3, "Axxxxxxzz");
    int team = -1;
    int slot = -1;
    ASSERT_TRUE(Find_Player_By_Full_Name(&team, &slot, newcomer));
    EXPECT_EQ(team, 5);
    EXPECT_EQ(slot, 3);
    EXPECT_STREQ(Get_Name_Hash_Key(empty), newcomer) << "stored where the walk ended";
    EXPECT_EQ(Probe_Name_Hash(newcomer), empty);
    const char* another = "bo axxxxxxzy";
    EXPECT_EQ(Probe_Name_Hash(another), Walked_Name_Slot(another)) << "past the new name's slot";
}

namespace {
// The renumbering of duplicated ids as a walk of the block for every id
// tried: each slot holding a duplicated id gets Generate_Unique_Player_ID
// once.
std::vector<int32_t> Renumber_By_Lookups(const std::vector<int32_t>& duplicated) {
    std::vector<int32_t> ids;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Valid_Team_Code(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            int32_t& stored = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID];
            const int32_t original = stored;
            if (original == 0) continue;
            if (std::find(duplicated.begin(), duplicated.end(), original) != duplicated.end())
                stored = Generate_Unique_Player_ID(team, slot);
        }
    }
    for (const TEAM_RECORD& record : Universe.Teams)
        for (const PLAYER_RECORD& player : record.Players)
            ids.push_back(player.Vital_Stats[VITAL_PLAYER_ID]);
    return ids;
}
} // namespace

// The sanity check renumbers duplicated ids with the draws and ids a walk of
// the block for every id tried gives, an id tried that a player already
// holds (the first one tried for the first duplicate) included.
TEST(PlayerHashes, SanityCheckRenumbersAsLookupsWould) {
    Build_Test_League();
    const int32_t shared = Get_Player_ID(2, 4);
    Set_Player_Vital_Stat(5, 9, VITAL_PLAYER_ID, shared);
    Set_Player_Vital_Stat(7, 1, VITAL_PLAYER_ID, shared); // three holders: each renumbered once
    const int32_t pair = Get_Player_ID(0, 0);
    Set_Player_Vital_Stat(1, 1, VITAL_PLAYER_ID, pair);
    // The first id the first duplicate's renumbering tries is taken by
    // another player.
    Seed_Random_Numbers(77);
    const uint32_t base = static_cast<uint32_t>((Get_Current_Season_Index() * 100 + 0) * 100 + 10101 + 0);
    const int32_t first_try = static_cast<int32_t>(base * 256u + (Random_Number() & 255u));
    if (first_try > 0) Set_Player_Vital_Stat(3, 3, VITAL_PLAYER_ID, first_try);
    Build_All_Player_Hashes();

    std::unique_ptr<uint8_t[]> start(new uint8_t[UNIVERSE_SIZE]);
    std::memcpy(start.get(), Universe_Bytes(), UNIVERSE_SIZE);
    Seed_Random_Numbers(77);
    uint64_t before = Get_Random_Draw_Count();
    const std::vector<int32_t> expected = Renumber_By_Lookups({pair, shared, shared});
    const uint64_t expected_draws = Get_Random_Draw_Count() - before;
    const uint32_t expected_next = Random_Number();

    std::memcpy(Universe_Bytes(), start.get(), UNIVERSE_SIZE);
    Build_All_Player_Hashes();
    Seed_Random_Numbers(77);
    before = Get_Random_Draw_Count();
    EXPECT_EQ(Sanity_Check_Player_IDs(), 0) << "duplicates were found";
    EXPECT_EQ(Get_Random_Draw_Count() - before, expected_draws);
    EXPECT_EQ(Random_Number(), expected_next);
    std::vector<int32_t> ids;
    for (const TEAM_RECORD& record : Universe.Teams)
        for (const PLAYER_RECORD& player : record.Players)
            ids.push_back(player.Vital_Stats[VITAL_PLAYER_ID]);
    EXPECT_EQ(ids, expected);
    EXPECT_NE(ids[3 * PLAYERS_PER_TEAM + 3], ids[0]) << "the id tried first was held, so another was drawn";
    EXPECT_EQ(Sanity_Check_Player_IDs(), 1) << "none are left";
}

// A slot made again and again inside a scope draws the ids, and leaves the id
// table, as lookups walking the block would; the first ids tried are held by
// other players and by the slot itself.
TEST(PlayerHashes, RemakeScopeAnswersAsLookupsWould) {
    Build_Test_League();
    constexpr int32_t team = 6;
    constexpr int32_t slot = 12;
    Seed_Random_Numbers(91);
    const uint32_t base =
        (static_cast<uint32_t>(Get_Current_Season_Index()) * 100u + team) * 100u + 10101u + slot;
    for (int32_t n = 0; n < 6; ++n) {
        const int32_t id = static_cast<int32_t>(base * 256u + (Random_Number() & 255u));
        if (id > 0) Set_Player_Vital_Stat(n % 2 == 1 ? team : 9, n % 2 == 1 ? slot : n, VITAL_PLAYER_ID, id);
    }
    std::unique_ptr<uint8_t[]> start(new uint8_t[UNIVERSE_SIZE]);
    std::memcpy(start.get(), Universe_Bytes(), UNIVERSE_SIZE);

    auto Remake = [&](bool scoped) {
        std::memcpy(Universe_Bytes(), start.get(), UNIVERSE_SIZE);
        Build_All_Player_Hashes();
        Seed_Random_Numbers(91);
        std::optional<SLOT_REMAKE_SCOPE> scope;
        if (scoped) scope.emplace(team, slot);
        std::vector<int32_t> seen;
        for (int32_t n = 0; n < 12; ++n) {
            seen.push_back(Generate_Unique_Player_ID(team, slot));
            Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, seen.back());
        }
        seen.push_back(static_cast<int32_t>(Random_Number()));
        for (int32_t index = 0; index < PLAYER_HASH_SIZE; ++index) {
            const PLAYER_LOCATION where = Get_Player_ID_Hash_Location(index);
            seen.push_back(Get_Player_ID_Hash_Key(index));
            seen.push_back(where.Team * 256 + where.Slot);
        }
        seen.push_back(Get_Player_ID_Hash_Count());
        return seen;
    };
    const std::vector<int32_t> walked = Remake(false);
    EXPECT_EQ(Remake(true), walked);
    EXPECT_EQ(Sanity_Check_Player_IDs(), 1) << "no id drawn is held twice";
}

// The ids a scope gathers follow every change made between scopes: an id
// taken, an id given up, an id held twice and then once, and the slot's own.
TEST(PlayerHashes, RemakeScopesFollowIdsChangedBetweenThem) {
    Build_Test_League();
    Build_All_Player_Hashes();
    auto Held_In_Scope = [](int32_t team, int32_t slot, const std::vector<int32_t>& ids) {
        const SLOT_REMAKE_SCOPE scope(team, slot);
        Is_Player_ID_Held(777000, team, slot); // the first check walks the block
        std::vector<bool> held;
        for (const int32_t id : ids)
            held.push_back(Is_Player_ID_Held(id, team, slot));
        return held;
    };
    const int32_t given_up = Get_Player_ID(3, 4);
    const int32_t shared = Get_Player_ID(2, 2);
    ASSERT_GT(given_up, 0);
    ASSERT_GT(shared, 0);
    EXPECT_EQ(Held_In_Scope(6, 12, {777001, given_up}), (std::vector<bool>{false, true}));

    Set_Player_Vital_Stat(3, 4, VITAL_PLAYER_ID, 0);
    Set_Player_Vital_Stat(8, 9, VITAL_PLAYER_ID, 777001);
    Set_Player_Vital_Stat(5, 5, VITAL_PLAYER_ID, shared);
    EXPECT_EQ(Held_In_Scope(6, 12, {777001, given_up, shared}), (std::vector<bool>{true, false, true}));
    {
        const SLOT_REMAKE_SCOPE scope(5, 5);
        Is_Player_ID_Held(777000, 5, 5);
        EXPECT_TRUE(Is_Player_ID_Held(shared, 5, 5));
        Set_Player_Vital_Stat(5, 5, VITAL_PLAYER_ID, 777002);
        EXPECT_TRUE(Is_Player_ID_Held(shared, 5, 5)) << "still held by the other slot";
        EXPECT_TRUE(Is_Player_ID_Held(777002, 5, 5)) << "the slot's own new id";
    }
    Set_Player_Vital_Stat(2, 2, VITAL_PLAYER_ID, 777003);
    EXPECT_EQ(Held_In_Scope(6, 12, {shared, 777002, 777003}), (std::vector<bool>{false, true, true}));
    Set_Player_Vital_Stat(5, 5, VITAL_PLAYER_ID, 0);
    EXPECT_EQ(Held_In_Scope(5, 5, {777002}), (std::vector<bool>{false}));
}

// A league whose players all hold one id loads with every player renumbered
// once: one log line a player, and the ids unique afterwards.
TEST(PlayerHashes, LeagueWhosePlayersShareOneIdLoadsRenumberedOnce) {
    Build_Test_League();
    int32_t players = 0;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] = 4242;
        ++players;
    });
    ASSERT_EQ(Save_Game("one_id.kor", nullptr), SAVE_OK);
    Clear_Debug_Log();
    ASSERT_EQ(Load_Game("one_id.kor"), 1);
    std::set<int32_t> ids;
    int32_t loaded = 0;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        ids.insert(Get_Player_ID(team, slot));
        ++loaded;
    });
    EXPECT_EQ(static_cast<int32_t>(ids.size()), loaded) << "every player holds an id of his own";
    EXPECT_EQ(ids.count(4242), 0u);
    EXPECT_EQ(Count_Debug_Lines("Duplicate Player ID found: 4242.  Changing to"), players)
        << "one line a player renumbered";
    EXPECT_EQ(Count_Debug_Lines("Duplicate Player ID found:"), players) << "nobody is renumbered twice";
    EXPECT_EQ(Sanity_Check_Player_IDs(), 1) << "no shared id is left";
    remove("one_id.kor");
}
