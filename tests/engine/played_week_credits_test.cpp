// A week of watched games played through the driver, checked for where its
// figures and words land: a passer's attempts are his team's attempts (a
// fumble is none), a fumble is no return touchdown, and every commentary
// line names players of the right side in the passer's, receiver's and
// carrier's places; the sacks a team took are its passers' "Sacked" and
// "Sack Yards", every flag on a defender or a lineman is in his penalties,
// and a punt is told by its length. Playoff games leave every season figure
// where it was. Every completed pass, one downed in the passer's end zone
// included, gives the passer, the receiver and the team the yards its log
// row records.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "database/game_queries.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/play_roles.h"
#include "engine/playbook_records.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

constexpr int32_t PLAYED_WEEK = 4;
constexpr int32_t WATCHED_GAMES = 8;
// The passer's game counter of pass attempts.
constexpr int32_t ATTEMPTS_COUNTER = 0;

// The place a commentary event gives each of its two players: the side that
// snapped the ball (a passer, receiver, blocker), the other side (a rusher,
// a defender in coverage), the man with the ball, the man who stops him, or
// any player.
enum PLACE { ANY, OFFENCE, DEFENCE, CARRIER, TACKLER };

struct EVENT_PLACES {
    int32_t Event;
    PLACE First;
    PLACE Second;
};

constexpr EVENT_PLACES EVENT_PLACE_TABLE[] = {
    {2, OFFENCE, ANY},      {4, OFFENCE, DEFENCE},  {5, OFFENCE, DEFENCE},  {6, DEFENCE, OFFENCE},
    {7, OFFENCE, DEFENCE},  {8, OFFENCE, ANY},      {9, OFFENCE, ANY},      {10, OFFENCE, DEFENCE},
    {11, OFFENCE, OFFENCE}, {12, DEFENCE, ANY},     {13, OFFENCE, ANY},     {14, OFFENCE, ANY},
    {15, OFFENCE, ANY},     {16, TACKLER, CARRIER}, {17, CARRIER, TACKLER}, {18, CARRIER, ANY},
    {19, CARRIER, TACKLER}, {20, CARRIER, ANY},     {21, CARRIER, TACKLER}, {22, DEFENCE, ANY},
    {24, OFFENCE, OFFENCE}, {25, DEFENCE, OFFENCE}, {27, CARRIER, ANY},     {28, CARRIER, ANY},
    {29, CARRIER, TACKLER}, {34, CARRIER, ANY},     {35, CARRIER, ANY},     {36, OFFENCE, DEFENCE},
    {50, OFFENCE, ANY},     {53, OFFENCE, ANY},
};

const EVENT_PLACES* Places_Of(int32_t event) {
    for (const EVENT_PLACES& places : EVENT_PLACE_TABLE)
        if (places.Event == event) return &places;
    return nullptr;
}

// Snaps on which the ball may change hands: the man carrying it may then be
// of either side.
bool Ball_May_Change_Hands(int32_t result) {
    switch (result) {
    case RESULT_INTERCEPTION:
    case RESULT_PASS_FUMBLE:
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_RUN_FUMBLE:
    case RESULT_FUMBLE_TOUCHDOWN:
        return true;
    default:
        return result >= RESULT_PUNT_RETURNED && result <= RESULT_ONSIDE_RECOVERED;
    }
}

int32_t Team_Of(int32_t id) {
    int32_t team = -1, slot = -1;
    if (id <= 0 || Find_Player_By_ID(&team, &slot, id) == 0) return -1;
    return team;
}

// Every queued event of every snap: its players sit in the places its
// sentences give them. Returns the number of events checked.
int32_t Expect_Commentary_Names_The_Right_Sides(const GAME_RECORD* game, const std::string& label) {
    int32_t checked = 0;
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        const int32_t offence = game->Team[(entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1];
        const int32_t result = Get_Play_Result(entry.Play_Word);
        for (const PLAY_EVENT_SLOT& slot : entry.Events) {
            const EVENT_PLACES* places = Places_Of(slot.Event_Id);
            if (places == nullptr) continue;
            const int32_t ids[2] = {slot.Player_Id[0], slot.Player_Id[1]};
            const int32_t teams[2] = {Team_Of(ids[0]), Team_Of(ids[1])};
            const PLACE place[2] = {places->First, places->Second};
            const std::string where = label + " snap " + std::to_string(i) + " result " +
                                      std::to_string(result) + " event " + std::to_string(slot.Event_Id);
            ++checked;
            for (int32_t k = 0; k < 2; ++k) {
                if (teams[k] < 0) continue;
                const std::string who = where + " player " + std::to_string(k);
                switch (place[k]) {
                case OFFENCE: {
                    EXPECT_EQ(teams[k], offence) << who << " plays for the side with the ball";
                    break;
                }
                case DEFENCE: {
                    EXPECT_NE(teams[k], offence) << who << " plays for the defence";
                    break;
                }
                case CARRIER:
                    if (!Ball_May_Change_Hands(result)) {
                        EXPECT_EQ(teams[k], offence) << who << " carries for the side with the ball";
                    }
                    break;
                case TACKLER:
                    if (teams[1 - k] >= 0) {
                        EXPECT_NE(teams[k], teams[1 - k]) << who << " stops a man of the other side";
                    }
                    break;
                case ANY:
                    break;
                }
            }
            if (slot.Event_Id == 11) {
                EXPECT_NE(ids[0], ids[1]) << where << ": the passer throws to someone else";
            }
        }
    }
    return checked;
}

// A passer's attempts are the team's: the sum of its quarterbacks' attempt
// counters (what their box-score lines show) and of their season figures
// this game is the team's attempts. A fumble adds to a quarterback's 19 and
// to anyone else's 2, never to a punt-return touchdown; a lost fumble is
// always a fumble.
void Expect_Passing_And_Fumbles_Add_Up(const GAME_RECORD* game, int32_t side,
                                       const std::vector<SEASON_ROW>& before, const std::string& label) {
    const int32_t team = game->Team[side];
    const std::vector<SEASON_ROW> after = Season_Rows(team);
    int32_t counted = 0, credited = 0;
    for (int32_t slot = 0, end = Get_First_Empty_Player_Slot(team); slot < end; ++slot) {
        SEASON_ROW d(after[slot].size());
        for (size_t n = 0; n < d.size(); ++n)
            d[n] = after[slot][n] - before[slot][n];
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (position < 0 || Get_Position_Group(position) != 0) continue;
        const std::string who = label + " slot " + std::to_string(slot);
        if (position == POSITION_QB) {
            const int32_t box_attempts = Get_Game_Player_Counter(game, side, slot, ATTEMPTS_COUNTER);
            EXPECT_EQ(d[2], box_attempts) << who << ": season attempts follow the box line";
            counted += box_attempts;
            credited += d[2];
            EXPECT_LE(d[13], d[19]) << who << ": a passer's lost fumbles are fumbles";
        } else {
            EXPECT_LE(d[13], d[2]) << who << ": lost fumbles are fumbles";
            if (d[19] > 0) {
                EXPECT_GT(d[17], 0) << who << ": a punt-return touchdown comes with a punt return";
            }
        }
    }
    EXPECT_EQ(counted, game->Team_Totals[side][GAME_TOTAL_PASS_ATTEMPTS]) << label << ": box attempts";
    EXPECT_EQ(credited, game->Team_Totals[side][GAME_TOTAL_PASS_ATTEMPTS]) << label << ": season attempts";
}

// Statistics of a passer's line: times sacked and the yards lost on them.
constexpr int32_t STAT_SACKED = 14;
constexpr int32_t STAT_SACK_YARDS = 15;
// A blocker's or defender's penalties and penalty yards.
constexpr int32_t STAT_PENALTIES = 10;
constexpr int32_t STAT_PENALTY_YARDS = 11;
constexpr int32_t PASSING_CATEGORY = 3;
constexpr int32_t EVENT_KICK_AWAY = 39;

std::vector<SEASON_ROW> Differences(const std::vector<SEASON_ROW>& before,
                                    const std::vector<SEASON_ROW>& after) {
    std::vector<SEASON_ROW> d = after;
    for (size_t slot = 0; slot < d.size(); ++slot)
        for (size_t n = 0; n < d[slot].size(); ++n)
            d[slot][n] -= before[slot][n];
    return d;
}

int32_t Passing_Total(int32_t team, int32_t stat) {
    return Universe.Teams[team].Totals[PASSING_CATEGORY][SEASON_THIS][stat];
}

// The sacks the other side made are the team's "Sacked" and "Sack Yards":
// in its passing totals, and in its quarterbacks' lines when every pass of
// the game was a quarterback's.
void Expect_Sacks_In_The_Passers_Lines(const GAME_RECORD* game, int32_t side,
                                       const std::vector<SEASON_ROW>& d, const int32_t totals_before[2],
                                       const std::string& label) {
    const int32_t team = game->Team[side];
    const int32_t sacks = game->Team_Totals[1 - side][GAME_TOTAL_SACKS];
    const int32_t yards = game->Team_Totals[1 - side][GAME_TOTAL_SACK_YARDS];
    EXPECT_EQ(Passing_Total(team, STAT_SACKED) - totals_before[0], sacks) << label << ": the team's sacked";
    EXPECT_EQ(Passing_Total(team, STAT_SACK_YARDS) - totals_before[1], yards) << label << ": its sack yards";
    bool only_quarterbacks = true;
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        if (game->Team[(entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1] != team) continue;
        int32_t passer_team = -1, passer_slot = -1;
        const int32_t passer = Get_Play_Role_Id(entry, ROLE_PASSER);
        if (passer > 0 && Find_Player_By_ID(&passer_team, &passer_slot, passer) != 0 &&
            Get_Player_Vital_Stat(passer_team, passer_slot, VITAL_POSITION) != POSITION_QB)
            only_quarterbacks = false;
    }
    if (!only_quarterbacks) return;
    int32_t sacked = 0, lost = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot) ||
            Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != POSITION_QB)
            continue;
        sacked += d[slot][STAT_SACKED];
        lost += d[slot][STAT_SACK_YARDS];
    }
    EXPECT_EQ(sacked, sacks) << label << ": the quarterbacks' Sacked";
    EXPECT_EQ(lost, yards) << label << ": the quarterbacks' Sack Yards";
}

// Every flag the log gives a defender or an offensive lineman is one of his
// penalties, its yards his penalty yards; nothing else moves those figures.
// Returns the flags on defenders.
int32_t Expect_Flags_In_The_Penalised_Lines(const GAME_RECORD* game, const std::vector<SEASON_ROW> d[2],
                                            const std::string& label) {
    std::map<std::pair<int32_t, int32_t>, std::pair<int32_t, int32_t>> flagged;
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        if (Get_Play_Result(entry.Play_Word) != RESULT_PENALTY) continue;
        int32_t team = -1, slot = -1;
        if (Find_Player_By_ID(&team, &slot, Get_Play_Role_Id(entry, ROLE_PENALIZED)) == 0) continue;
        auto& [count, yards] = flagged[{team, slot}];
        ++count;
        yards += entry.Yard1;
    }
    int32_t on_defenders = 0;
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = game->Team[side];
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t group = Get_Position_Group(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
            if (group != 1 && group != 2) continue;
            const auto found = flagged.find({team, slot});
            const std::pair<int32_t, int32_t> flags =
                found == flagged.end() ? std::pair{0, 0} : found->second;
            if (group == 2) on_defenders += flags.first;
            const std::string who = label + " team " + std::to_string(team) + " slot " + std::to_string(slot);
            EXPECT_EQ(d[side][slot][STAT_PENALTIES], flags.first) << who << ": his flags";
            EXPECT_EQ(d[side][slot][STAT_PENALTY_YARDS], flags.second) << who << ": their yards";
        }
    }
    return on_defenders;
}

// The kick-away line of every punt fits its length: a punt of 35 yards or
// more is never told as a short one, one beyond 46 may be told as a long
// one. Counts the punts told and those told as long ones.
void Expect_Punts_Told_By_Their_Length(const GAME_RECORD* game, int32_t* told, int32_t* long_told,
                                       const std::string& label) {
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        const int32_t result = Get_Play_Result(entry.Play_Word);
        if (result < RESULT_PUNT_RETURNED || result > RESULT_PUNT_FUMBLED) continue;
        for (const PLAY_EVENT_SLOT& slot : entry.Events) {
            if (slot.Event_Id != EVENT_KICK_AWAY) continue;
            ++*told;
            const int32_t length = entry.Yard1;
            const std::string where = label + " snap " + std::to_string(i) + ", a punt of " +
                                      std::to_string(length) + " told by sentence " +
                                      std::to_string(static_cast<int>(slot.Sentence));
            if (length > 46) {
                EXPECT_LT(static_cast<int>(slot.Sentence), 7) << where;
                *long_told += slot.Sentence >= 5;
            } else if (length >= 35) {
                EXPECT_LT(static_cast<int>(slot.Sentence), 5) << where;
            }
        }
    }
}

// Every season figure of a team's players: this season's, the career's and
// the current season line's, by slot.
constexpr const char* FIGURE_KINDS[] = {"this season", "career", "season line"};
constexpr int32_t FIGURES_PER_PLAYER = 3 * NUMBER_OF_SEASON_STATS;

std::vector<int32_t> Season_Figures(int32_t team) {
    std::vector<int32_t> figures;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const auto& stats = Universe.Teams[team].Players[slot].Season_Stats;
        for (const int32_t season : {SEASON_THIS, SEASON_CAREER})
            figures.insert(figures.end(), std::begin(stats[season]), std::end(stats[season]));
        const int32_t line =
            Is_Player_Slot_Used(team, slot) ? Get_Player_Current_Season_Line(team, slot) : -1;
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
            figures.push_back(line >= 0 ? Get_Season_Line_Stat(line, stat) : 0);
    }
    return figures;
}

// The figures that moved, e.g. "slot 64 this season stat 5: 0 to 48; ";
// empty when none did.
std::string Moved_Figures(const std::vector<int32_t>& before, const std::vector<int32_t>& after) {
    std::string moved;
    for (size_t n = 0; n < after.size() && n < before.size(); ++n) {
        if (after[n] == before[n]) continue;
        const size_t kind = n % FIGURES_PER_PLAYER / NUMBER_OF_SEASON_STATS;
        moved += "slot " + std::to_string(n / FIGURES_PER_PLAYER) + " " + FIGURE_KINDS[kind] + " stat " +
                 std::to_string(n % NUMBER_OF_SEASON_STATS) + ": " + std::to_string(before[n]) + " to " +
                 std::to_string(after[n]) + "; ";
    }
    return moved;
}

// Passing yards, a passer's and a receiver's statistic.
constexpr int32_t STAT_PASSING_YARDS = 5;
constexpr int32_t STAT_RECEIVING_YARDS = 11;

int32_t Position_Of(int32_t id) {
    int32_t team = -1, slot = -1;
    if (id <= 0 || Find_Player_By_ID(&team, &slot, id) == 0) return -1;
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
}

// The completed passes of one side of a game as its log rows record them.
struct COMPLETIONS {
    std::map<int32_t, int32_t> Passer_Yards;   // by passer id
    std::map<int32_t, int32_t> Receiver_Yards; // by receiver id
    int32_t Yards = 0;
    int32_t Safeties = 0; // completions downed in the passer's end zone
    int32_t Safety_Yards = 0;
    bool One_Passer = true; // every pass of the side thrown by one quarterback
};

// A safety on a pass play whose man downed is no passer of the side is a
// completion caught behind the line and carried back into the end zone (a
// sack or a scramble downs the passer).
COMPLETIONS Read_Completions(const GAME_RECORD* game, int32_t side) {
    COMPLETIONS c;
    const int32_t team = game->Team[side];
    std::set<int32_t> passers;
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        if (((entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1) != static_cast<uint32_t>(side)) continue;
        if ((entry.Play_Word & 0xFF) == CONVERSION_ATTEMPT) continue;
        const int32_t passer = Get_Play_Role_Id(entry, ROLE_PASSER);
        if (passer > 0) passers.insert(passer);
    }
    c.One_Passer = passers.size() == 1 && Position_Of(*passers.begin()) == POSITION_QB;
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        if (((entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1) != static_cast<uint32_t>(side)) continue;
        if ((entry.Play_Word & 0xFF) == CONVERSION_ATTEMPT) continue;
        const int32_t result = Get_Play_Result(entry.Play_Word);
        int32_t passer = -1, receiver = -1;
        if (result == RESULT_COMPLETED_PASS || result == RESULT_TOUCHDOWN_PASS) {
            passer = Get_Play_Role_Id(entry, ROLE_PASSER);
            receiver = Get_Play_Role_Id(entry, ROLE_RECEIVER);
        } else if (result == RESULT_SAFETY && Is_Passing_Play(team, entry.Offensive_Play)) {
            receiver = Get_Play_Role_Id(entry, ROLE_DOWNED);
            if (passers.count(receiver) != 0 || Position_Of(receiver) == POSITION_QB) continue;
            // The row names the man downed, not the passer: the side's only
            // passer threw it.
            if (c.One_Passer) passer = *passers.begin();
            ++c.Safeties;
            c.Safety_Yards += entry.Yard1;
        } else {
            continue;
        }
        c.Yards += entry.Yard1;
        if (passer > 0) c.Passer_Yards[passer] += entry.Yard1;
        if (receiver > 0) c.Receiver_Yards[receiver] += entry.Yard1;
    }
    return c;
}

// The yards the log gives each completion are the passer's, the receiver's
// and the team's: in the game's total, the team's season passing total and
// the players' lines; a completion downed for a safety loses yards.
void Expect_Completions_Credit_The_Logged_Yards(const GAME_RECORD* game, int32_t side,
                                                const std::vector<SEASON_ROW>& d, int32_t team_yards,
                                                const std::string& label) {
    const int32_t team = game->Team[side];
    const COMPLETIONS c = Read_Completions(game, side);
    // The game's figure is net of the yards lost on sacks.
    EXPECT_EQ(static_cast<int16_t>(game->Team_Totals[side][GAME_TOTAL_PASSING_YARDS]),
              c.Yards - game->Team_Totals[1 - side][GAME_TOTAL_SACK_YARDS])
        << label << ": the game's passing yards";
    EXPECT_EQ(team_yards, c.Yards) << label << ": the team's season passing yards";
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        const int32_t id = Get_Player_ID(team, slot);
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        const std::string who = label + " slot " + std::to_string(slot);
        if (position == POSITION_QB && c.One_Passer) {
            const auto found = c.Passer_Yards.find(id);
            EXPECT_EQ(d[slot][STAT_PASSING_YARDS], found == c.Passer_Yards.end() ? 0 : found->second)
                << who << ": the passer's yards";
        } else if (position != POSITION_QB && Get_Position_Group(position) == 0) {
            const auto found = c.Receiver_Yards.find(id);
            EXPECT_EQ(d[slot][STAT_RECEIVING_YARDS], found == c.Receiver_Yards.end() ? 0 : found->second)
                << who << ": the receiver's yards";
        }
    }
    if (c.Safeties > 0) {
        EXPECT_TRUE(c.One_Passer) << label << ": the safety's passer is known";
        EXPECT_LT(c.Safety_Yards, 0) << label << ": the safety loses the yards to the goal line";
    }
}

} // namespace

TEST(PlayedWeekCredits, PassersFumblesAndCommentaryLandWhereTheyBelong) {
    Build_Test_League();
    Prepare_Game_Week(PLAYED_WEEK, 5252);
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 0;
    int32_t checked = 0, fumbles = 0;
    for (int32_t k = 0; k < WATCHED_GAMES; ++k) {
        const int32_t home = 2 * k, visitor = 2 * k + 1;
        Schedule_Test_Game(home, visitor, PLAYED_WEEK);
        Set_Game_PBP_Flag(home, PLAYED_WEEK, 1);
        const std::vector<SEASON_ROW> before[2] = {Season_Rows(visitor), Season_Rows(home)};
        GAME_RECORD* game = Play_Test_Game(home, visitor, PLAYED_WEEK);
        ASSERT_NE(game, nullptr);
        ASSERT_EQ(Is_Game_Over(game), 1);
        ASSERT_EQ(game->Team[0], visitor);
        const std::string label = "game " + std::to_string(k);
        for (int32_t side = 0; side < 2; ++side) {
            Expect_Passing_And_Fumbles_Add_Up(game, side, before[side],
                                              label + " side " + std::to_string(side));
            fumbles += game->Team_Stats[side][GAME_STAT_FUMBLES];
        }
        checked += Expect_Commentary_Names_The_Right_Sides(game, label);
    }
    EXPECT_GT(checked, 1000) << "the watched games were narrated";
    EXPECT_GT(fumbles, 0) << "the week had fumbles to credit";
}

TEST(PlayedWeekCredits, SacksFlagsAndPuntsLandWhereTheLogPutsThem) {
    Build_Test_League();
    Prepare_Game_Week(PLAYED_WEEK, 6161);
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 0;
    int32_t sacks = 0, defenders_flagged = 0, punts = 0, long_punts = 0;
    for (int32_t k = 0; k < WATCHED_GAMES; ++k) {
        const int32_t home = 2 * k, visitor = 2 * k + 1;
        Schedule_Test_Game(home, visitor, PLAYED_WEEK);
        Set_Game_PBP_Flag(home, PLAYED_WEEK, 1);
        const std::vector<SEASON_ROW> before[2] = {Season_Rows(visitor), Season_Rows(home)};
        const int32_t totals_before[2][2] = {
            {Passing_Total(visitor, STAT_SACKED), Passing_Total(visitor, STAT_SACK_YARDS)},
            {Passing_Total(home, STAT_SACKED), Passing_Total(home, STAT_SACK_YARDS)}};
        GAME_RECORD* game = Play_Test_Game(home, visitor, PLAYED_WEEK);
        ASSERT_NE(game, nullptr);
        ASSERT_EQ(Is_Game_Over(game), 1);
        ASSERT_LE(game->Play_Log_Count, MAX_PLAY_LOG_ENTRIES) << "the log holds every snap";
        const std::string label = "game " + std::to_string(k);
        const std::vector<SEASON_ROW> d[2] = {Differences(before[0], Season_Rows(visitor)),
                                              Differences(before[1], Season_Rows(home))};
        for (int32_t side = 0; side < 2; ++side) {
            Expect_Sacks_In_The_Passers_Lines(game, side, d[side], totals_before[side],
                                              label + " side " + std::to_string(side));
            sacks += game->Team_Totals[side][GAME_TOTAL_SACKS];
        }
        defenders_flagged += Expect_Flags_In_The_Penalised_Lines(game, d, label);
        Expect_Punts_Told_By_Their_Length(game, &punts, &long_punts, label);
    }
    EXPECT_GT(sacks, 10) << "the week had sacks to credit";
    EXPECT_GT(defenders_flagged, 5) << "the week had flags on defenders";
    EXPECT_GT(punts, 40) << "the week's punts were told";
    EXPECT_GT(long_punts, 0) << "a long punt is told as one";
}

TEST(PlayedWeekCredits, PlayoffGamesLeaveEverySeasonFigureAlone) {
    Build_Test_League();
    constexpr int32_t PLAYOFF_WEEK = 18;
    Prepare_Game_Week(PLAYOFF_WEEK, 7373);
    int32_t punts = 0, field_goals = 0;
    for (int32_t k = 0; k < 4; ++k) {
        const int32_t home = 2 * k, visitor = 2 * k + 1;
        const std::vector<int32_t> before[2] = {Season_Figures(visitor), Season_Figures(home)};
        GAME_RECORD* game = Play_Test_Game(home, visitor, PLAYOFF_WEEK);
        ASSERT_NE(game, nullptr);
        ASSERT_EQ(Is_Game_Over(game), 1);
        EXPECT_EQ(Moved_Figures(before[0], Season_Figures(visitor)), "") << "game " << k << ", the visitors";
        EXPECT_EQ(Moved_Figures(before[1], Season_Figures(home)), "") << "game " << k << ", the home team";
        for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
            const int32_t result = Get_Play_Result(game->Play_Log[i].Play_Word);
            punts += result >= RESULT_PUNT_RETURNED && result <= RESULT_PUNT_FUMBLED;
            field_goals += result == RESULT_FIELD_GOAL_GOOD;
        }
    }
    EXPECT_GT(punts, 5) << "the playoff games had punts";
    EXPECT_GT(field_goals, 2) << "and field goals";
}

// Games between two teams whose backs are slow, strong and cannot catch:
// the passer reaches them only behind the line, so many passes gain little
// or lose yards. Each pass's yards in its log row are those the passer, the
// receiver and the team are credited, on whatever path a seed takes; a
// completion downed in the end zone, rare in a played game, stops at the
// goal line (a crafted snap of the passing plays' tests holds one on every
// path).
TEST(PlayedWeekCredits, CompletionsCreditTheYardsTheirLogRowsRecord) {
    constexpr int32_t WEEK = 10;
    for (const uint32_t seed : {187u, 356u, 4040u}) {
        Build_Test_League();
        std::memset(Universe.Games, 0, sizeof(Universe.Games));
        for (int32_t team = 0; team < 2; ++team) {
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
                if (!Is_Player_Slot_Used(team, slot)) continue;
                const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
                if (position != POSITION_RB && position != POSITION_FB) continue;
                Set_Player_Rating(team, slot, RATING_SPEED, 20.0f);
                Set_Player_Rating(team, slot, RATING_RECEIVING, 20.0f);
                Set_Player_Rating(team, slot, RATING_POWER, 99.0f);
            }
        }
        Prepare_Game_Week(WEEK, seed);
        const std::vector<SEASON_ROW> before[2] = {Season_Rows(1), Season_Rows(0)};
        const int32_t yards_before[2] = {Passing_Total(1, STAT_PASSING_YARDS),
                                         Passing_Total(0, STAT_PASSING_YARDS)};
        const GAME_RECORD* game = Play_Test_Game(0, 1, WEEK);
        ASSERT_NE(game, nullptr);
        ASSERT_EQ(Is_Game_Over(game), 1);
        ASSERT_EQ(game->Team[0], 1);
        for (int32_t side = 0; side < 2; ++side) {
            const int32_t team = game->Team[side];
            Expect_Completions_Credit_The_Logged_Yards(
                game, side, Differences(before[side], Season_Rows(team)),
                Passing_Total(team, STAT_PASSING_YARDS) - yards_before[side],
                "seed " + std::to_string(seed) + " side " + std::to_string(side));
        }
    }
}
