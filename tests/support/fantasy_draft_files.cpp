#include "support/fantasy_draft_files.h"

#include <cstring>
#include <fstream>

#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/universe.h"
#include "personnel/fantasy_draft.h"
#include "support/test_league.h"

namespace {
// Four ints (the two options, the round, the pick), the ids taken, the order.
constexpr size_t ROUND_OFFSET = 8;
constexpr size_t PICK_OFFSET = 12;
constexpr size_t IDS_OFFSET = 16;
constexpr size_t ORDER_OFFSET = 14416;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t VITAL_FANTASY_PLACED = 27;
// The pools whose players the picks past the rosters take, in turn.
constexpr int32_t POOL_TEAMS[] = {FREE_AGENT_TEAM, FIRST_COLLEGE_POOL_TEAM, FIRST_COLLEGE_POOL_TEAM + 1,
                                  FIRST_COLLEGE_POOL_TEAM + 2};

int32_t Read_Int(const std::vector<uint8_t>& state, size_t offset) {
    int32_t value = 0;
    std::memcpy(&value, state.data() + offset, sizeof value);
    return value;
}
} // namespace

void Get_Fantasy_Test_Pick_Player(int32_t teams, int32_t round, int32_t pick, int32_t* team, int32_t* slot) {
    if (round < TEST_ROSTER_SIZE) {
        *team = pick;
        *slot = round;
        return;
    }
    const int32_t past = (round - TEST_ROSTER_SIZE) * teams + pick;
    *team = POOL_TEAMS[past / PLAYERS_PER_TEAM % 4];
    *slot = past % PLAYERS_PER_TEAM;
}

void Add_Fantasy_Draft_Pool_Players(int32_t teams) {
    for (int32_t round = TEST_ROSTER_SIZE; round < FANTASY_DRAFT_LAST_ROUND; ++round)
        for (int32_t pick = 0; pick < teams; ++pick) {
            int32_t team = 0, slot = 0;
            Get_Fantasy_Test_Pick_Player(teams, round, pick, &team, &slot);
            PLAYER_RECORD player = Universe.Teams[pick].Players[(round + pick) % TEST_ROSTER_SIZE];
            player.Vital_Stats[VITAL_PLAYER_ID] = Test_League_Player_ID(team, slot);
            player.Vital_Stats[VITAL_FANTASY_TEAM] = -128;
            player.Vital_Stats[VITAL_FANTASY_PLACED] = 0;
            for (int32_t& link : player.Season_Line_Links)
                link = -1;
            player.Latest_Season_Line = -1;
            Copy_Player_From_Memory(team, slot, &player);
        }
    Build_All_Player_Hashes();
}

std::vector<uint8_t> Make_Fantasy_Draft_State(int32_t teams, int32_t round, int32_t pick, uint8_t fill) {
    std::vector<uint8_t> state(sizeof Universe.Tail.Fantasy_Draft_State, fill);
    const int32_t head[4] = {FANTASY_ORDER_RANDOM, FANTASY_ORDER_SNAKE, round, pick};
    std::memcpy(state.data(), head, sizeof head);
    for (int32_t r = 0; r < FANTASY_DRAFT_ROUNDS; ++r)
        for (int32_t p = 0; p < teams; ++p)
            state[ORDER_OFFSET + static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p] = static_cast<uint8_t>(p);
    // The game records the id of the player each pick took.
    for (int32_t r = 0; r <= round && r < FANTASY_DRAFT_ROUNDS; ++r)
        for (int32_t p = 0; p < teams && (r < round || p < pick); ++p) {
            int32_t team = 0, slot = 0;
            Get_Fantasy_Test_Pick_Player(teams, r, p, &team, &slot);
            const int32_t id = Test_League_Player_ID(team, slot);
            std::memcpy(state.data() + IDS_OFFSET +
                            sizeof id * (static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p),
                        &id, sizeof id);
        }
    return state;
}

void Mark_Fantasy_Draft_State_Picks(int32_t teams, const std::vector<uint8_t>& state) {
    Build_All_Player_Hashes();
    const int32_t round = Read_Int(state, ROUND_OFFSET), pick = Read_Int(state, PICK_OFFSET);
    for (int32_t r = 0; r <= round && r < FANTASY_DRAFT_ROUNDS; ++r)
        for (int32_t p = 0; p < teams && (r < round || p < pick); ++p) {
            const int32_t id = Read_Int(
                state, IDS_OFFSET + sizeof(int32_t) * (static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p));
            PLAYER_LOCATION at{};
            if (id > 0 && Lookup_Player_ID_Hash(&at, id) != 0)
                Set_Player_Vital_Stat(at.Team, at.Slot, VITAL_FANTASY_TEAM,
                                      state[ORDER_OFFSET + static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p]);
        }
}

void Write_Fantasy_Draft_State_File(const std::string& name, const std::vector<uint8_t>& state) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(state.data()), static_cast<std::streamsize>(state.size()));
}

std::map<int32_t, int32_t> Get_League_Teams_By_Id() {
    std::map<int32_t, int32_t> teams;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        if (team != HALL_OF_FAME_TEAM) teams[Get_Player_ID(team, slot)] = team;
    });
    return teams;
}
