#include "personnel/player_identity.h"

#include <cstring>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/team_record_layout.h"

namespace {
constexpr int32_t FIRST_ID_TRIES = 1000;
constexpr int32_t SECOND_ID_TRIES = 10000;
constexpr uint32_t LOW_28_BITS = 0x0FFFFFFFu;
constexpr int32_t MORE_UNIFORM_DRAWS = 100;
constexpr int32_t COLLEGE_NAME_SIZE = 24;

// "+" stands for "&" in stored college names.
const char* const COLLEGES[NUMBER_OF_COLLEGES] = {"Florida State",
                                                  "Notre Dame",
                                                  "Miami (Florida)",
                                                  "Nebraska",
                                                  "Tennessee",
                                                  "Texas A+M",
                                                  "Florida",
                                                  "Ohio State",
                                                  "Georgia",
                                                  "Michigan",
                                                  "USC",
                                                  "Arizona State",
                                                  "Penn State",
                                                  "Washington",
                                                  "Virginia",
                                                  "Wisconsin",
                                                  "Auburn",
                                                  "North Carolina",
                                                  "Colorado",
                                                  "California",
                                                  "Boston College",
                                                  "Clemson",
                                                  "Michigan State",
                                                  "LSU (Louisiana)",
                                                  "Syracuse",
                                                  "Kansas State",
                                                  "Mississippi State",
                                                  "UCLA",
                                                  "Washington State",
                                                  "Alabama",
                                                  "Virginia Tech",
                                                  "West Virginia",
                                                  "Texas",
                                                  "Arizona",
                                                  "Maryland",
                                                  "South Carolina",
                                                  "Illinois",
                                                  "Purdue",
                                                  "Stanford",
                                                  "Colorado State",
                                                  "Iowa",
                                                  "Marshall",
                                                  "Pittsburgh",
                                                  "Oklahoma",
                                                  "Southern Miss",
                                                  "Arkansas",
                                                  "Georgia Tech",
                                                  "Minnesota",
                                                  "San Diego State",
                                                  "Wake Forest",
                                                  "Baylor",
                                                  "Louisville",
                                                  "Memphis",
                                                  "North Carolina State",
                                                  "Oklahoma State",
                                                  "Texas Christian Univ.",
                                                  "Cincinnati",
                                                  "Fresno State",
                                                  "Kansas",
                                                  "Kentucky",
                                                  "Missouri",
                                                  "Northwestern",
                                                  "Oregon",
                                                  "Vanderbilt",
                                                  "Duke",
                                                  "Houston",
                                                  "Miami (Ohio)",
                                                  "Temple",
                                                  "Utah",
                                                  "East Carolina",
                                                  "Idaho",
                                                  "Louisiana Tech",
                                                  "Oregon State",
                                                  "Texas Tech",
                                                  "Troy State",
                                                  "New Mexico",
                                                  "Rutgers",
                                                  "San Jose State",
                                                  "Tulane",
                                                  "U of Central Florida",
                                                  "Hawaii",
                                                  "Indiana",
                                                  "Iowa State",
                                                  "Kent State",
                                                  "UTEP (El Paso)",
                                                  "Nevada",
                                                  "Northern Illinois",
                                                  "Tulsa",
                                                  "UAB (Birmingham)",
                                                  "Ball State",
                                                  "Boise State",
                                                  "Eastern Michigan",
                                                  "North Texas",
                                                  "South Florida",
                                                  "UNLV",
                                                  "Utah State",
                                                  "Wyoming",
                                                  "Air Force",
                                                  "Akron",
                                                  "Arkansas State",
                                                  "Army",
                                                  "Brigham Young",
                                                  "Buffalo",
                                                  "Central Michigan",
                                                  "Mid Tennessee State",
                                                  "Navy",
                                                  "Rice",
                                                  "Toledo",
                                                  "UConn",
                                                  "Western Michigan",
                                                  "Bowling Green",
                                                  "Ohio",
                                                  "Ole Miss",
                                                  "U of Louisiana",
                                                  "New Mexico State",
                                                  "Cal State Sacramento",
                                                  "Cornell",
                                                  "James Madison",
                                                  "North Carolina A+T",
                                                  "Daniel Webster",
                                                  "Wesleyan University"};

struct NEW_ID_SLOT {
    int32_t Team;
    int32_t Slot;
};

bool Is_Held_By_Lookup(int32_t id, void* context) {
    const NEW_ID_SLOT& at = *static_cast<const NEW_ID_SLOT*>(context);
    return Is_Player_ID_Held(id, at.Team, at.Slot);
}
} // namespace

int32_t Generate_Unique_Player_ID(int32_t team, int32_t slot) {
    NEW_ID_SLOT at{team, slot};
    return Generate_Unique_Player_ID_With(team, slot, Is_Held_By_Lookup, &at);
}

int32_t Generate_Unique_Player_ID_With(int32_t team, int32_t slot, bool (*is_held)(int32_t id, void* context),
                                       void* context) {
    auto Is_Player_ID_Free = [&](int32_t id) { return id > 0 && !is_held(id, context); };
    // The base wraps in 32 bits; a wrapped id that is 0 or negative is never
    // used, since 0 marks an empty slot and the lookups never find those.
    const uint32_t base =
        (static_cast<uint32_t>(Get_Current_Season_Index()) * 100u + static_cast<uint32_t>(team)) * 100u +
        10101u + static_cast<uint32_t>(slot);
    // A base that wrapped below 0 gives no id above 0 whatever is drawn: its
    // tries only move the sequence on.
    if (static_cast<int32_t>(base * 256u) < 0) {
        Skip_Random_Numbers(FIRST_ID_TRIES);
    } else {
        for (int32_t n = 0; n < FIRST_ID_TRIES; ++n) {
            const int32_t id = static_cast<int32_t>(base * 256u + (Random_Number() & 255u));
            if (Is_Player_ID_Free(id)) return id;
        }
    }
    if (static_cast<int32_t>(base * 4096u) < 0) {
        Skip_Random_Numbers(SECOND_ID_TRIES);
    } else {
        for (int32_t n = 0; n < SECOND_ID_TRIES; ++n) {
            const int32_t id = static_cast<int32_t>(base * 4096u + (Random_Number() & 4095u));
            if (Is_Player_ID_Free(id)) return id;
        }
    }
    // 268 million ids hold at most 4,100 players: a free one turns up at once.
    for (;;) {
        const int32_t id = static_cast<int32_t>(Random_Number() & LOW_28_BITS);
        if (Is_Player_ID_Free(id)) return id;
    }
}

void Assign_New_Player_ID(int32_t team, int32_t slot) {
    Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, Generate_Unique_Player_ID(team, slot));
}

int32_t Get_Random_Uniform_Number(int32_t position) {
    int32_t r = 1 + Random_Below(99);
    if (r > 99) r = 99;
    switch (position) {
    case POSITION_QB:
        return r <= 49 ? 1 + r % 9 : (r <= 79 ? 10 + r % 5 : 15 + r % 5);
    case POSITION_RB:
        return r <= 79 ? 20 + r % 10 : 30 + r % 20;
    case POSITION_FB:
        return r <= 19 ? 20 + r % 10 : 30 + r % 20;
    case POSITION_TE:
        return r <= 49 ? 40 + r % 10 : 80 + r % 10;
    case POSITION_WR:
        return r <= 29 ? 10 + r % 10 : 80 + r % 10;
    case POSITION_T:
    case POSITION_G:
        return 60 + r % 20;
    case POSITION_C:
        return r <= 49 ? 50 + r % 10 : (r <= 79 ? 60 + r % 10 : 70 + r % 10);
    case POSITION_DE:
    case POSITION_DT:
        return r <= 69 ? 90 + r % 10 : 50 + r % 30;
    case POSITION_LB:
        return r <= 79 ? 50 + r % 10 : (r <= 89 ? 40 + r % 10 : 90 + r % 10);
    case POSITION_CB:
        return r <= 49 ? 20 + r % 10 : 30 + r % 20;
    case POSITION_S:
        return 20 + r % 30;
    case POSITION_K:
    case POSITION_P:
        return r <= 9 ? 10 + r % 10 : 1 + r % 9;
    default:
        return r;
    }
}

namespace {
UNIFORM_REMAKE_SCOPE* Active_Uniform_Scope = nullptr;

// The number a used slot wears, or -1 for an empty slot or a number out of range.
int32_t Get_Worn_Number(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return -1;
    const int32_t wears = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM);
    return wears >= 0 && wears < 256 ? wears : -1;
}

// The numbers a roster wears; 0 counts as worn, as no player may wear it.
struct WORN_NUMBERS {
    bool Worn[256] = {};

    explicit WORN_NUMBERS(int32_t team) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            const int32_t wears = Get_Worn_Number(team, slot);
            if (wears >= 0) Worn[wears] = true;
        }
    }
    // The other slots' numbers kept by a scope, and what the slot wears now.
    WORN_NUMBERS(const bool* others, int32_t team, int32_t slot) {
        memcpy(Worn, others, sizeof Worn);
        const int32_t wears = Get_Worn_Number(team, slot);
        if (wears >= 0) Worn[wears] = true;
    }
    bool Taken(int32_t number) const { return number == 0 || (number > 0 && number < 256 && Worn[number]); }
};

WORN_NUMBERS Read_Worn_Numbers(int32_t team, int32_t slot) {
    if (Active_Uniform_Scope != nullptr && Active_Uniform_Scope->Covers(team, slot))
        return WORN_NUMBERS(Active_Uniform_Scope->Others_Worn(), team, slot);
    return WORN_NUMBERS(team);
}
} // namespace

UNIFORM_REMAKE_SCOPE::UNIFORM_REMAKE_SCOPE(int32_t team, int32_t slot)
    : Team(team), Slot(slot), Outer(Active_Uniform_Scope),
      Active(Active_Uniform_Scope == nullptr || !Active_Uniform_Scope->Covers(team, slot)) {
    if (Active) Active_Uniform_Scope = this;
}

UNIFORM_REMAKE_SCOPE::~UNIFORM_REMAKE_SCOPE() {
    if (Active) Active_Uniform_Scope = Outer;
}

const bool* UNIFORM_REMAKE_SCOPE::Others_Worn() {
    if (!Gathered) {
        memset(Worn, 0, sizeof Worn);
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            const int32_t wears = slot == Slot ? -1 : Get_Worn_Number(Team, slot);
            if (wears >= 0) Worn[wears] = true;
        }
        Gathered = true;
    }
    return Worn;
}

bool Is_Uniform_Number_Taken(int32_t team, int32_t number) {
    return WORN_NUMBERS(team).Taken(number);
}

void Assign_Uniform_Number(int32_t team, int32_t slot) {
    if (team >= FIRST_COLLEGE_POOL_TEAM) return;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    // Read once for all the draws: a draw changes no roster.
    const WORN_NUMBERS worn = Read_Worn_Numbers(team, slot);
    int32_t number = Get_Random_Uniform_Number(position);
    for (int32_t n = 0; n < MORE_UNIFORM_DRAWS && worn.Taken(number); ++n)
        number = Get_Random_Uniform_Number(position);
    Set_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM, number);
}

void Get_College_Name(int32_t index, char* out) {
    safe_strncpy(out, COLLEGES[Clamp_Int(0, NUMBER_OF_COLLEGES - 1, index)], COLLEGE_NAME_SIZE);
}

void Set_Random_College(int32_t team, int32_t slot) {
    const int32_t first = Random_Below(NUMBER_OF_COLLEGES);
    const int32_t second = Random_Below(NUMBER_OF_COLLEGES);
    char college[COLLEGE_NAME_SIZE];
    Get_College_Name(first < second ? first : second, college);
    Set_Player_College(team, slot, college);
}
