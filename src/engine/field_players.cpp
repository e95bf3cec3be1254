// Decisions of the formations module that read the game: the eleven players
// of a side, the formation pair of a snap, the defensive formation, the
// field-goal range, the two-point try, the blowout test and the roster picks
// of the depth charts.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "app/diagnostics.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/rating_normalisation.h"
#include "database/roster_queries.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/downs_and_clock.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/play_resolution_support.h"
#include "engine/playbook_records.h"
#include "engine/roster_index.h"
#include "engine/snap_answers.h"
#include "engine/snap_decisions.h"
#include "frontoffice/player_value.h"
#include "frontoffice/roster_minimums.h"
#include "personnel/random_ratings.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t VITAL_IN_GAME = 27;

bool Is_Team_Index(int32_t team) {
    return team >= 0 && team < TOTAL_NUMBER_OF_TEAMS;
}

// Roster queries answer NO_PLAYER (255) or -1 for nobody.
bool Is_Roster_Slot(int32_t slot) {
    return slot >= 0 && slot < PLAYERS_PER_TEAM;
}

int32_t Offense_Team(const GAME_RECORD* pGame) {
    return pGame->Possession_Team;
}

int32_t Play_Type_Or_None(int32_t team, int32_t play) {
    return Get_Offensive_Play_Type(team, play);
}

// Positions whose quota Find_Most_Overstaffed_Position weighs.
constexpr int32_t POSITION_QUOTA[NUMBER_OF_POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
} // namespace

namespace {
// Where the id lookup last found the players of the depth charts: the id
// table finds an id where it found it before as long as the place still holds
// the id and the table was not built again, so the elevens of every snap need
// not ask it again.
struct FOUND_PLAYER {
    int32_t Id;
    uint32_t Builds;
    uint8_t Team;
    uint8_t Slot;
};
constexpr int32_t FOUND_PLAYERS = 1024;
FOUND_PLAYER Found_Players[FOUND_PLAYERS];

// Find_Player_By_ID's answer for a depth-chart id, kept while the id table
// has the number of builds given (brought up to date when it asks the table).
bool Find_Depth_Chart_Player(int32_t id, uint32_t& builds, int32_t* team, int32_t* slot) {
    FOUND_PLAYER& found = Found_Players[static_cast<uint32_t>(id) % FOUND_PLAYERS];
    if (found.Id == id && found.Builds == builds && found.Team < TOTAL_NUMBER_OF_TEAMS &&
        found.Slot < PLAYERS_PER_TEAM &&
        Universe.Teams[found.Team].Players[found.Slot].Vital_Stats[VITAL_PLAYER_ID] == id) {
        *team = found.Team;
        *slot = found.Slot;
        return true;
    }
    const bool known = Find_Player_By_ID(team, slot, id);
    builds = Get_Player_ID_Hash_Builds();
    if (!known) return false;
    found.Id = id;
    found.Builds = builds;
    found.Team = static_cast<uint8_t>(*team);
    found.Slot = static_cast<uint8_t>(*slot);
    return true;
}
} // namespace

namespace {
// The roster slots a side's depth-chart row of a formation was last found in,
// when every player of it was found on the team: the row is found there again
// while it lists the same ids for the same team, the id table was not built
// again, and every slot still holds its id, as the lookup of each player would
// answer. The players it lists (ids above 0) are kept apart too, with their
// records, so the check and the marking walk only them.
struct FOUND_ROW {
    int32_t Ids[ON_FIELD_PLAYERS];
    uint32_t Builds;
    uint8_t Slots[ON_FIELD_PLAYERS];
    uint8_t Team;
    bool Kept;
    int32_t Listed_Count;
    int32_t Listed_Ids[ON_FIELD_PLAYERS];
    PLAYER_RECORD* Listed[ON_FIELD_PLAYERS];
};
FOUND_ROW Found_Rows[2][NUMBER_OF_FORMATIONS];

// Whether the row is found where it was kept; and whether all its players
// are marked as playing already, in `marked`.
bool Recall_Found_Row(const FOUND_ROW& row, int32_t team, int32_t formation, uint32_t builds, bool* marked) {
    if (!row.Kept || row.Team != team || row.Builds != builds ||
        !Is_Formation_Depth_Chart_Row(team, formation, row.Ids))
        return false;
    bool all_marked = true;
    for (int32_t k = 0; k < row.Listed_Count; ++k) {
        if (row.Listed[k]->Vital_Stats[VITAL_PLAYER_ID] != row.Listed_Ids[k]) return false;
        all_marked &= row.Listed[k]->Vital_Stats[VITAL_IN_GAME] == 1;
    }
    *marked = all_marked;
    return true;
}

// Puts the recalled row's players on the field, marked as playing unless
// they all are. A row is kept only when every player of it was found, so
// its slots are NO_PLAYER exactly where the row lists no id: they are the
// side's field slots as they stand.
void Put_Recalled_Row(GAME_RECORD* pGame, int32_t side, const FOUND_ROW& row, bool marked) {
    std::memcpy(pGame->On_Field[side], row.Slots, sizeof row.Slots);
    if (marked) return;
    for (int32_t k = 0; k < row.Listed_Count; ++k)
        row.Listed[k]->Vital_Stats[VITAL_IN_GAME] = 1;
}

void Keep_Found_Row(FOUND_ROW* kept, const GAME_RECORD* pGame, int32_t side, int32_t team, const int32_t* ids,
                    uint32_t builds) {
    std::memcpy(kept->Ids, ids, sizeof kept->Ids);
    kept->Builds = builds;
    kept->Team = static_cast<uint8_t>(team);
    std::memcpy(kept->Slots, pGame->On_Field[side], sizeof kept->Slots);
    kept->Listed_Count = 0;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i) {
        if (ids[i] <= 0) continue;
        kept->Listed_Ids[kept->Listed_Count] = ids[i];
        kept->Listed[kept->Listed_Count] = &Universe.Teams[team].Players[kept->Slots[i]];
        ++kept->Listed_Count;
    }
}
} // namespace

namespace {
// Looks up each player of the side's row (the formation and team are valid
// when `kept` is given) and keeps the row when all were found.
[[gnu::noinline]] void Find_Field_Players(GAME_RECORD* pGame, int32_t side, FOUND_ROW* kept,
                                          uint32_t first_builds) {
    const int32_t formation = pGame->Formation[side];
    const int32_t team = pGame->Team[side];
    int32_t ids[ON_FIELD_PLAYERS] = {};
    if (kept != nullptr) Get_Formation_Depth_Chart_Row(team, formation, ids);
    uint32_t builds = first_builds;
    bool all_found = true;
    for (int32_t slot = 0; slot < ON_FIELD_PLAYERS; ++slot) {
        int32_t roster_slot = NO_PLAYER;
        const int32_t id = ids[slot];
        int32_t found_team = -1;
        int32_t found_slot = -1;
        if (id > 0 && Find_Depth_Chart_Player(id, builds, &found_team, &found_slot) && found_team == team &&
            found_slot >= 0 && found_slot < PLAYERS_PER_TEAM)
            roster_slot = found_slot;
        if (id > 0 && roster_slot == NO_PLAYER) all_found = false;
        pGame->On_Field[side][slot] = static_cast<uint8_t>(roster_slot);
        if (roster_slot != NO_PLAYER)
            Universe.Teams[team].Players[roster_slot].Vital_Stats[VITAL_IN_GAME] = 1;
    }
    if (kept == nullptr) return;
    kept->Kept = all_found && builds == first_builds;
    if (kept->Kept) Keep_Found_Row(kept, pGame, side, team, ids, builds);
}
} // namespace

void Load_Field_Players(GAME_RECORD* pGame, int32_t side) {
    if (pGame == nullptr || side < 0 || side > 1) {
        Report_System_Error("Invalid side in Load_Field_Players(%d)", side);
        return;
    }
    const int32_t formation = pGame->Formation[side];
    const int32_t team = pGame->Team[side];
    const bool listed = Is_Valid_Formation(formation) && Is_Team_Index(team);
    const uint32_t first_builds = Get_Player_ID_Hash_Builds();
    FOUND_ROW* kept = listed ? &Found_Rows[side][formation] : nullptr;
    bool marked = false;
    if (kept != nullptr && Recall_Found_Row(*kept, team, formation, first_builds, &marked)) {
        Put_Recalled_Row(pGame, side, *kept, marked);
        return;
    }
    Find_Field_Players(pGame, side, kept, first_builds);
}

void Set_Play_Formations(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t offense_side = Get_Offense_Side(pGame);
    const int32_t defense_side = 1 - offense_side;
    const int32_t offense = pGame->Team[offense_side];
    const int32_t defense = pGame->Team[defense_side];
    const int32_t play = pGame->Current_Play.Offensive_Play;
    const int32_t defensive_play = pGame->Current_Play.Defensive_Play;
    const uint32_t down = Get_Game_Down(pGame);
    int32_t offense_formation = -1;
    int32_t defense_formation = -1;
    if (down == KICKOFF_DOWN || down == FREE_KICK_DOWN) {
        const bool onside = Get_Special_Teams_Play_Type(play) == PLAY_TYPE_ONSIDE_KICK;
        offense_formation = onside ? FORMATION_ONSIDE_KICKOFF : FORMATION_KICKOFF;
        defense_formation = FORMATION_KICK_RETURN;
    } else if (down == CONVERSION_ATTEMPT && Play_Type_Or_None(offense, play) == PLAY_TYPE_FIELD_GOAL) {
        offense_formation = FORMATION_CONVERSION_KICK;
        defense_formation = FORMATION_KICK_BLOCK;
    } else {
        offense_formation = Get_Offensive_Play_Formation(offense, play);
        const int32_t type = play < OFFENSIVE_PLAYS ? Play_Type_Or_None(offense, play) : -1;
        if (down != CONVERSION_ATTEMPT && type == PLAY_TYPE_PUNT)
            defense_formation = FORMATION_PUNT_RETURN;
        else if (down != CONVERSION_ATTEMPT && type == PLAY_TYPE_FIELD_GOAL)
            defense_formation = FORMATION_KICK_BLOCK;
        else
            defense_formation = Get_Defensive_Play_Formation(defense, defensive_play);
    }
    pGame->Formation[offense_side] = offense_formation;
    pGame->Formation[defense_side] = defense_formation;
}

int32_t Set_Team_Formations(GAME_RECORD* pGame) {
    if (pGame == nullptr) return -1;
    const int32_t side = Get_Offense_Side(pGame);
    SNAP_SITUATION situation{};
    situation.Down = static_cast<int32_t>(Get_Game_Down(pGame));
    situation.Yards_To_Goal = pGame->Yards_To_Goal;
    situation.Yards_To_Go = pGame->Yards_To_Go;
    situation.Defense_Lead = pGame->Score[1 - side] - pGame->Score[side];
    situation.Elapsed_Seconds = pGame->Clock;
    situation.Seconds_Left = Get_Game_Time_Left(pGame);
    situation.Quarter = Get_Game_Quarter(pGame);
    situation.Offense_Hurry_Up = Is_Hurry_Up_Offense(pGame);
    situation.Field_Goal_Range = Get_Field_Goal_Range(pGame);
    situation.Pass_Share_Factor = Get_Game_Pass_Share_Factor(pGame);
    return Choose_Defensive_Formation(situation);
}

int32_t Get_Kicker_Range(int32_t team, int32_t slot) {
    float distance = MINIMUM_RATING;
    float accuracy = MINIMUM_RATING;
    if (team >= 0 && team < TOTAL_NUMBER_OF_TEAMS && slot >= 0 && slot < PLAYERS_PER_TEAM) {
        distance = Read_Repaired_Rating(team, slot, RATING_FG_DISTANCE);
        accuracy = Read_Repaired_Rating(team, slot, RATING_FG_ACCURACY);
    }
    return Kicker_Range_From_Ratings(distance, accuracy);
}

namespace {
int32_t Read_Field_Goal_Range(GAME_RECORD* pGame) {
    const int32_t team = Offense_Team(pGame);
    int32_t kicker = NO_PLAYER;
    if (Is_Team_Index(team)) {
        kicker = Get_Team_Uninjured_Position_Player(team, POSITION_K, 0);
        if (!Is_Roster_Slot(kicker) && Count_Team_Position_Players(team, POSITION_K) > 0) {
            // Kickers on the roster but none fit: repair the roster once.
            Fill_Roster_Minimums(team);
            kicker = Get_Team_Uninjured_Position_Player(team, POSITION_K, 0);
        }
        if (!Is_Roster_Slot(kicker)) kicker = NO_PLAYER;
    }
    const int32_t side = Get_Offense_Side(pGame);
    const bool close = Is_Close_Game(pGame->Score[1 - side] - pGame->Score[side], pGame->Clock);
    return Field_Goal_Range_From_Kicker(Get_Kicker_Range(team, kicker), close);
}
} // namespace

int32_t Get_Field_Goal_Range(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 30;
    return Snap_Answer(ANSWER_FIELD_GOAL_RANGE, [pGame] { return Read_Field_Goal_Range(pGame); });
}

int32_t Two_Point_Chart(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Get_User_Preference(TWO_POINT_CONVERSION_RULE) == 0) return 0;
    const int32_t side = Get_Offense_Side(pGame);
    return Two_Point_Chart_Answer(pGame->Score[side] - pGame->Score[1 - side], Get_Game_Quarter(pGame)) ? 1
                                                                                                        : 0;
}

int32_t Decide_Two_Point_Try(GAME_RECORD* pGame) {
    if (pGame == nullptr || Get_User_Preference(TWO_POINT_CONVERSION_RULE) == 0) return 0;
    // The watch flag of a game is kept in one of its two schedule entries.
    const bool watched = Is_Game_Play_By_Play(pGame) != 0;
    if (Get_User_Preference(SIMULATION_RUNNING) != 0 && !watched) return Two_Point_Chart(pGame);
    const int32_t team = Offense_Team(pGame);
    if (team >= 0 && team < MAX_FRANCHISES && Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
        Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) {
        // The question is asked over the touchdown's score, not the last snap's.
        Redraw_Main_Window();
        return Show_Message_Box("Go For Two?", "Point After Touchdown", BOX_YES_NO) == ID_BOX_YES ? 1 : 0;
    }
    return Two_Point_Chart(pGame);
}

int32_t Is_Blowout(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    // Only the fourth quarter counts, so the time left is that of regulation.
    return Is_Blowout_Score(Get_Game_Quarter(pGame), pGame->Score[0] - pGame->Score[1],
                            REGULATION_SECONDS - pGame->Clock)
               ? 1
               : 0;
}

int32_t Get_Depth_Chart_Position_Player(int32_t team, int32_t position, int32_t n) {
    if (!Is_Team_Index(team) || position < 0) {
        Report_System_Error("Invalid argument in Get_Depth_Chart_Position_Player(%d,%d,%d)", team, position,
                            n);
        return -1;
    }
    if (position >= FORMATION_RETURNER_POSITION) {
        const int32_t which = n == 1 ? 1 : 0;
        int32_t slot = Get_Team_Returner(team, which);
        if (slot < 0 || slot >= PLAYERS_PER_TEAM || Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) > 0)
            slot = Get_Team_Returner(team, 1 - which);
        if (slot >= 0 && slot < PLAYERS_PER_TEAM && Is_Player_Slot_Used(team, slot) &&
            Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) <= 0 && Get_Player_Unit(team, slot) != 2)
            return slot;
        return Get_Depth_Chart_Position_Player(team, POSITION_WR, 2);
    }
    if (position >= NUMBER_OF_POSITIONS || n < 0) return -1;
    if (n >= Count_Team_Available_Position_Players(team, position)) return -1;
    int32_t slot = Get_Team_Uninjured_Position_Player(team, position, n);
    if (!Is_Roster_Slot(slot)) {
        Fill_Roster_Minimums(team);
        slot = Get_Team_Uninjured_Position_Player(team, position, n);
    }
    return Is_Roster_Slot(slot) ? slot : -1;
}

int32_t Get_Formation_Slot_Player(int32_t team, int32_t formation, int32_t slot, int32_t deeper) {
    const int32_t position = Get_Formation_Slot_Position(formation, slot, FORMATION_SLOT_POSITION);
    int32_t depth = Get_Formation_Slot_Position(formation, slot, FORMATION_SLOT_DEPTH);
    if (position < 0 || depth < 0) return -1;
    if (deeper && formation < FIRST_SPECIAL_TEAMS_FORMATION && depth == 0) depth = 1;
    return Get_Depth_Chart_Position_Player(team, position, depth);
}

namespace {
// The returner stored in the team's place n when Get_Team_Returner answers it
// as stored (a player of a returning position in a used slot); -1 when it
// would choose another.
int32_t Stored_Returner(int32_t team, int32_t n) {
    const int32_t slot = static_cast<uint8_t>(Universe.Teams[team].Returners[n]);
    if (slot >= PLAYERS_PER_TEAM) return -1;
    const int32_t* vitals = Universe.Teams[team].Players[slot].Vital_Stats;
    const int32_t position = vitals[VITAL_POSITION];
    const bool returns = (position >= POSITION_RB && position <= POSITION_WR) || position == POSITION_CB ||
                         position == POSITION_S;
    return vitals[VITAL_PLAYER_ID] != 0 && returns ? slot : -1;
}

bool Is_Healthy(int32_t team, int32_t slot) {
    return Universe.Teams[team].Players[slot].Vital_Stats[VITAL_WEEKS_OUT] <= 0;
}

// Get_Depth_Chart_Position_Player's answer for a returner place when it is a
// healthy stored returner, read without the queries (which may choose a new
// returner or repair the roster); -1 where only the query can answer.
int32_t Healthy_Stored_Returner(int32_t team, int32_t n) {
    if (!Is_Valid_Team_Code(team)) return -1;
    const int32_t which = n == 1 ? 1 : 0;
    const int32_t first = Stored_Returner(team, which);
    if (first < 0) return -1;
    if (Is_Healthy(team, first)) return first;
    const int32_t second = Stored_Returner(team, 1 - which);
    return second >= 0 && Is_Healthy(team, second) ? second : -1;
}
} // namespace

int32_t Requery_Depth_Chart_Player(ROSTER_INDEX* index, int32_t position, int32_t n) {
    const int32_t team = index->Team;
    // A healthy stored returner is the query's answer with the roster left
    // as it was, so the index still holds.
    if (position >= FORMATION_RETURNER_POSITION && Is_Team_Index(team)) {
        const int32_t returner = Healthy_Stored_Returner(team, n);
        if (returner >= 0) return returner;
    }
    const int32_t slot = Get_Depth_Chart_Position_Player(team, position, n);
    Build_Roster_Index(team, index);
    return slot;
}

namespace {
// Available players of the position, counting only those `eligible` takes
// (every player without it).
int32_t Count_Eligible_Position_Players(int32_t team, int32_t position, PLAYER_FILTER eligible) {
    if (eligible == nullptr) return Count_Team_Available_Position_Players(team, position);
    const int32_t limit = Get_Availability_Limit();
    int32_t players = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot) &&
            Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == position &&
            Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) < limit && eligible(team, slot))
            ++players;
    return players;
}

bool Is_Eligible(int32_t team, int32_t slot, PLAYER_FILTER eligible) {
    return eligible == nullptr || eligible(team, slot);
}

bool Has_Eligible_Player_At(int32_t team, int32_t position, PLAYER_FILTER eligible) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot) &&
            Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == position && eligible(team, slot))
            return true;
    return false;
}

// The most overstaffed position; with a filter, only the players it takes
// count, and only a position holding one of them can be chosen.
int32_t Find_Overstaffed_Position(int32_t team, PLAYER_FILTER eligible) {
    const int32_t last = team == FREE_AGENT_TEAM ? POSITION_P : POSITION_S;
    int32_t best = 0;
    int32_t best_score = INT32_MIN;
    for (int32_t position = 0; position <= last; ++position) {
        if (eligible != nullptr && !Has_Eligible_Player_At(team, position, eligible)) continue;
        const int32_t score =
            11 * Count_Eligible_Position_Players(team, position, eligible) - 10 * POSITION_QUOTA[position];
        if (score >= best_score) {
            best_score = score;
            best = position;
        }
    }
    return best;
}

int32_t Find_Surplus_Player(int32_t team, PLAYER_FILTER eligible) {
    if (!Is_Team_Index(team)) return -1;
    const int32_t position = Find_Overstaffed_Position(team, eligible);
    const bool active = team < MAX_FRANCHISES && Is_Used_Franchise_Slot(team);
    int32_t best = -1;
    int64_t best_score = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot) ||
            Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != position ||
            !Is_Eligible(team, slot, eligible))
            continue;
        float rating = Get_Player_Position_Rating(team, slot, position);
        if (rating < 25.0f) {
            Randomize_Player_Ratings(team, slot);
            rating = Get_Player_Position_Rating(team, slot, position);
        }
        const int64_t r = static_cast<int64_t>(std::trunc(rating));
        const int64_t value = Get_Player_Value(team, slot);
        const int64_t bonus = active ? Get_Player_Vital_Stat(team, slot, VITAL_BASE_CAP_CHARGE) : 0;
        const int64_t numerator = r * r * value + 1250;
        // Floor division: the value may make the product negative.
        int64_t score = numerator / 2500;
        if (numerator % 2500 != 0 && numerator < 0) --score;
        score -= bonus;
        if (best < 0 || score < best_score) {
            best = slot;
            best_score = score;
        }
    }
    return best;
}
} // namespace

int32_t Find_Most_Overstaffed_Position(int32_t team) {
    if (!Is_Team_Index(team)) return 0;
    return Find_Overstaffed_Position(team, nullptr);
}

int32_t Find_Surplus_Position_Player(int32_t team) {
    return Find_Surplus_Player(team, nullptr);
}

int32_t Find_Surplus_Eligible_Player(int32_t team, PLAYER_FILTER eligible) {
    return Find_Surplus_Player(team, eligible);
}
