#pragma once
// What the real league's season leaders reached, decade by decade: the
// yardstick the fictional seasons' leaders are held to.
#include <cstdint>

#include "tools/season_inputs/volume_records.h"

enum LEADER_CATEGORY : int32_t {
    LEADER_PASSING_YARDS,
    LEADER_RUSHING_YARDS,
    LEADER_RECEIVING_YARDS,
    LEADER_INTERCEPTIONS,
    LEADER_SACKS,
    NUMBER_OF_LEADER_CATEGORIES
};

// The first season whose sacks the league counted.
constexpr int32_t FIRST_COUNTED_SACKS_YEAR = 1982;

// The figure a season's leader of the category reached in an average year
// of the decade of `year` (1950s to 2020s); 0 for sacks before they were
// counted. Before the 1950s each category's figure follows the record
// standing in the season of `year` (the passing record rose from 1,239 to
// 2,938 yards in those years, the interceptions record from 6 to 13), as
// far as the leaders of those years came to it.
double Get_Decade_Leader_Figure(int32_t year, LEADER_CATEGORY category);

// The records (volume_records.h) a category's leaders are measured against;
// NUMBER_OF_VOLUME_KINDS for sacks, whose tables hold none.
VOLUME_KIND Get_Leader_Record_Kind(LEADER_CATEGORY category);
