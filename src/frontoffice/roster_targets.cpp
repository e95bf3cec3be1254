#include "frontoffice/roster_targets.h"

namespace {
// Mean of a full roster and the minimum roster, by position QB .. P.
constexpr int32_t ROSTER_TARGET[15] = {3, 4, 1, 3, 6, 4, 4, 2, 4, 4, 6, 5, 4, 1, 1};
} // namespace

int32_t Get_Position_Roster_Target(int32_t position) {
    return static_cast<uint32_t>(position) < 15 ? ROSTER_TARGET[position] : 0;
}
