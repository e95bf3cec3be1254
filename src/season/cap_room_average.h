#pragma once
// The league's average cap room, which the salary model weighs demands by.
#include <cstdint>

// Average of financial stat 90 (cap room) over the active teams, in per mille
// of the salary cap, times 1000 / 60, rounded: 1000 for a league 6 % under the
// cap. 0 without a cap or without active teams.
int32_t Get_Average_Finance_Stat_90_Per_Cap();

// While one lives, the average is computed at its first use and given again
// after: for a stretch of salary estimates in which no cap charge, active team
// or cap changes. Holds nest; the outermost one keeps the value.
class CAP_ROOM_AVERAGE_HOLD {
  public:
    CAP_ROOM_AVERAGE_HOLD();
    ~CAP_ROOM_AVERAGE_HOLD();
    CAP_ROOM_AVERAGE_HOLD(const CAP_ROOM_AVERAGE_HOLD&) = delete;
    CAP_ROOM_AVERAGE_HOLD& operator=(const CAP_ROOM_AVERAGE_HOLD&) = delete;
};

// While one lives, no franchise's cap room changes but `team`'s (a franchise
// or a pool whose contracts are stepped): the other franchises' rooms are
// summed at the first average and only the team's is read again after.
// Scopes of two different teams nested read every room.
class CAP_ROOM_TEAM_SCOPE {
  public:
    explicit CAP_ROOM_TEAM_SCOPE(int32_t team);
    ~CAP_ROOM_TEAM_SCOPE();
    CAP_ROOM_TEAM_SCOPE(const CAP_ROOM_TEAM_SCOPE&) = delete;
    CAP_ROOM_TEAM_SCOPE& operator=(const CAP_ROOM_TEAM_SCOPE&) = delete;
};
