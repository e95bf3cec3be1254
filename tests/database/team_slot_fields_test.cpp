// Franchises changing slots: every integer field of the league block either
// names a team slot, and names the same franchise once the teams have moved,
// or names none and stays as it was (its record moving with its team).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/fantasy_draft.h"
#include "support/block_fields.h"
#include "support/team_slot_census.h"
#include "support/test_league.h"

namespace {
// The fields that name a team slot, by the start of their names in the
// listing of the block (each all-time leader's Team besides).
const char* const TEAM_FIELDS[] = {
    "settings.Ints[28]", // viewed team
    "settings.Ints[29]", // selected player's team
    "settings.Ints[31]", // trade partner
    "settings.Ints[32]", // user's team
    "settings.Ints[86]", // the fantasy draft order's team filter
    "schedule entry.Values[0]",
    "player.Vital_Stats[13]", // drafting team
    "player.Vital_Stats[26]", // fantasy team
    "season line.Team",
    "game.Team[",
    "game.Possession_Team",
    "current play event.Argument_B", // the team flagged (the events are flags)
    "play log entry event.Argument_B",
    "league.Draft_Pick_Owner[",
    "league.Draft_Order[",
    "league.Division_Standings[",
    "league.Playoff_Bracket[",
    "tail.Draft_Pick_Log[",
    "fantasy draft first in order",
};
// Every record of the listing; a field of a record not named here is one
// nobody has said whether it names a team.
const char* const RECORDS[] = {
    "header.",
    "settings.",
    "team.",
    "history row.",
    "schedule entry.",
    "offensive play",
    "offensive results.",
    "offensive playbook.",
    "defensive play.",
    "defensive results.",
    "city.",
    "player.",
    "season line.",
    "game.",
    "game side ",
    "current play",
    "play log entry",
    "league.",
    "tail.",
    "fantasy draft ",
    "all-time leader ",
};
// Fields whose league values the probe keeps: the control words keep every
// franchise in use, the id keeps the player in his slot, his links keep the
// listed season line his.
const char* const KEPT[] = {"team.Team_Stats[2]", "player.Vital_Stats[0]", "player.Season_Line_Links[",
                            "player.Latest_Season_Line"};

bool Starts_With(const std::string& name, const char* start) {
    return name.compare(0, std::strlen(start), start) == 0;
}

bool Names_A_Team(const std::string& name) {
    for (const char* start : TEAM_FIELDS)
        if (Starts_With(name, start)) return true;
    return Starts_With(name, "all-time leader ") && name.size() > 5 &&
           name.substr(name.size() - 5) == ".Team";
}

bool Is_Known_Record(const std::string& name) {
    for (const char* start : RECORDS)
        if (Starts_With(name, start)) return true;
    return false;
}

bool Is_Kept(const std::string& name) {
    for (const char* start : KEPT)
        if (Starts_With(name, start)) return true;
    return false;
}

size_t Field_Size(BLOCK_FIELD_TYPE type) {
    switch (type) {
    case FIELD_INT8:
    case FIELD_UINT8:
        return 1;
    case FIELD_INT16:
    case FIELD_UINT16:
        return 2;
    default:
        return 4;
    }
}

void Store(const BLOCK_FIELD& field, int64_t value) {
    for (const size_t offset : field.Offsets) {
        uint8_t* at = Universe_Bytes() + offset;
        if (field.Type == FIELD_FLOAT) {
            const float number = static_cast<float>(value);
            std::memcpy(at, &number, sizeof number);
        } else {
            const uint32_t bits = static_cast<uint32_t>(value);
            std::memcpy(at, &bits, Field_Size(field.Type)); // little-endian: the low bytes
        }
    }
}

// A team code in the field's own form: vital 13 holds (team + 1) x 10,000 and
// a year, the log of forfeited picks (year x 1000 + pick) x 100 and the team,
// a schedule (team + 1) signed by home and away, a pick's owner the team or,
// for a forfeited pick, 128 + it.
int64_t In_Field_Form(const std::string& name, int32_t code, size_t n, bool forfeited) {
    if (Starts_With(name, "player.Vital_Stats[13]")) return (code + 1) * 10000LL + 2019;
    if (Starts_With(name, "tail.Draft_Pick_Log[")) return (2021 * 1000LL + 1 + n % 250) * 100 + code;
    if (Starts_With(name, "schedule entry.Values[0]")) return n % 2 == 0 ? code + 1 : -(code + 1);
    if (forfeited) return 128 + code;
    return code;
}

// The team record or pick column a field belongs to moves with its franchise.
size_t Offset_After_Move(size_t offset, const int32_t* to) {
    const size_t teams = offsetof(UNIVERSE_STATE, Teams);
    const size_t team_size = sizeof(TEAM_RECORD);
    if (offset >= teams && offset < teams + MAX_FRANCHISES * team_size) {
        const size_t team = (offset - teams) / team_size;
        return offset + (to[team] - static_cast<int64_t>(team)) * team_size;
    }
    const size_t picks = offsetof(UNIVERSE_STATE, Draft_Pick_Owner);
    if (offset >= picks && offset < picks + sizeof Universe.Draft_Pick_Owner) {
        const size_t issuer = (offset - picks) % MAX_FRANCHISES;
        return offset + (to[issuer] - static_cast<int64_t>(issuer));
    }
    return offset;
}

// The test league with every listed field holding a probe: the fields that
// name a team a franchise (`franchises`) or a code of none, every other field
// a number a franchise could have (1-31). A fantasy draft runs, so that its
// fields name teams, and every event is a flag.
std::vector<BLOCK_FIELD> Probe_League(bool franchises) {
    Build_Test_League();
    Mark_Franchises();
    const PLAYER_RECORD& player = Universe.Teams[5].Players[0];
    const BLOCK_FIELD_RECORDS records{TEST_LEAGUE_TEAMS, 5, 0, player.Season_Line_Links[0], 7, 3, 1, 4, 0};
    std::vector<BLOCK_FIELD> fields = List_Block_Fields(records);
    const int32_t none[] = {FREE_AGENT_TEAM,           HALL_OF_FAME_TEAM, 38, 39,
                            TOTAL_NUMBER_OF_TEAMS - 1, NO_TEAM,           -1};
    for (size_t n = 0; n < fields.size(); ++n) {
        const BLOCK_FIELD& field = fields[n];
        const int32_t franchise = 1 + static_cast<int32_t>(n % (TEST_LEAGUE_TEAMS - 1));
        if (Is_Kept(field.Name)) continue;
        if (field.Name == "header.Universe_Stats[4]") {
            Store(field, FANTASY_DRAFT_RUNNING);
        } else if (field.Name.find("event.Event_Id") != std::string::npos) {
            Store(field, PLAY_EVENT_FLAG);
        } else if (!Names_A_Team(field.Name)) {
            Store(field, franchise);
        } else if (franchises) {
            const bool forfeited = Starts_With(field.Name, "league.Draft_Pick_Owner[") && n % 2 == 1;
            Store(field, In_Field_Form(field.Name, franchise, n, forfeited));
        } else {
            // 128 in a pick's owner is a pick forfeited by team 0; the log
            // holds a team below 100.
            const bool pools_only = Starts_With(field.Name, "league.Draft_Pick_Owner[") ||
                                    Starts_With(field.Name, "tail.Draft_Pick_Log[");
            const size_t codes = pools_only ? 5 : 7;
            Store(field, In_Field_Form(field.Name, none[n % codes], n, false));
        }
    }
    return fields;
}

// Sorting by name after naming every franchise's location backwards moves
// the team of every slot t to slot 31 - t; to[t] read from the marks.
void Move_Every_Franchise(int32_t* to) {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        char location[TEAM_STRING_LENGTH];
        std::snprintf(location, sizeof location, "City %02d", TEST_LEAGUE_TEAMS - team);
        Set_Team_String(location, team, 1);
    }
    Sort_Teams_By_Name();
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        to[team] = team;
    for (int32_t slot = 0; slot < TEST_LEAGUE_TEAMS; ++slot) {
        char mark[TEAM_STRING_LENGTH];
        Get_Team_String(mark, slot, 7);
        to[std::atoi(mark + 1)] = slot;
    }
}
} // namespace

TEST(TeamSlotFields, EveryFieldFollowsItsFranchiseOrStaysWhenTeamsMove) {
    for (const bool franchises : {true, false}) {
        const std::vector<BLOCK_FIELD> fields = Probe_League(franchises);
        const TEAM_SLOT_CENSUS before = Take_Team_Slot_Census();
        std::unique_ptr<uint8_t[]> start(new uint8_t[UNIVERSE_SIZE]);
        std::memcpy(start.get(), Universe_Bytes(), UNIVERSE_SIZE);
        for (const BLOCK_FIELD& field : fields) {
            EXPECT_TRUE(Is_Known_Record(field.Name)) << field.Name << ": does it name a team?";
            size_t read = 0;
            for (const size_t offset : field.Offsets)
                read += before.Offsets.count(offset);
            EXPECT_EQ(read, Names_A_Team(field.Name) ? field.Offsets.size() : 0)
                << field.Name << ": the census of team fields reads it " << read << " times";
        }

        int32_t to[MAX_FRANCHISES];
        Move_Every_Franchise(to);
        ASSERT_EQ(to[0], TEST_LEAGUE_TEAMS - 1);
        int32_t compared = 0;
        EXPECT_EQ(Compare_Team_Slot_Censuses(before, Take_Team_Slot_Census(), &compared), "");
        EXPECT_EQ(compared, static_cast<int32_t>(before.Names.size())) << "every field is still there";

        // What names no franchise stays, with its record.
        for (const BLOCK_FIELD& field : fields) {
            if (franchises && Names_A_Team(field.Name)) continue;
            for (const size_t offset : field.Offsets) {
                const size_t after = Offset_After_Move(offset, to);
                EXPECT_EQ(std::memcmp(start.get() + offset, Universe_Bytes() + after, Field_Size(field.Type)),
                          0)
                    << field.Name << (franchises ? "" : " naming no franchise") << " at " << offset;
            }
        }
    }
}
