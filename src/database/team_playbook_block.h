#pragma once
// The playbook region of a team record: offensive playbook, depth chart and
// play-calling data, defensive playbook. The playbook code gives it structure.
#include <cstdint>

#pragma pack(push, 1)
struct TEAM_PLAYBOOK_BLOCK {
    uint8_t Bytes[31308];
};
#pragma pack(pop)

static_assert(sizeof(TEAM_PLAYBOOK_BLOCK) == 31308);
