#include "support/fantasy_draft_files.h"

#include <cstring>
#include <fstream>

#include "database/universe.h"
#include "personnel/fantasy_draft.h"
#include "support/test_league.h"

namespace {
// Four ints (the two options, the round, the pick), the ids taken, the order.
constexpr size_t IDS_OFFSET = 16;
constexpr size_t ORDER_OFFSET = 14416;
} // namespace

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
            const int32_t id = Test_League_Player_ID(p, r);
            std::memcpy(state.data() + IDS_OFFSET +
                            sizeof id * (static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p),
                        &id, sizeof id);
        }
    return state;
}

void Write_Fantasy_Draft_State_File(const std::string& name, const std::vector<uint8_t>& state) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(state.data()), static_cast<std::streamsize>(state.size()));
}
