#pragma once
// Which one team may change while scopes promising "only this team changes"
// are open: the team of the outermost scope, and none once scopes of two
// different teams nest (then any team may have changed). A cache that
// rests on such a promise keeps the other teams' part while `Only` names a
// team, and reads every team otherwise.
#include <cstdint>

struct CHANGING_TEAM {
    static constexpr int32_t ANY = -1;
    int32_t Open = 0;
    // The one team that may change; ANY outside a scope and when two may.
    int32_t Only = ANY;

    void Enter(int32_t team) {
        if (Open++ == 0)
            Only = team;
        else if (team != Only)
            Only = ANY;
    }
    void Leave() {
        if (--Open == 0) Only = ANY;
    }
};
