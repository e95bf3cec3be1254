#include "reports/box_score_tables.h"

#include <bit>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

#include "database/game_queries.h"
#include "database/historical_norms.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/play_roles.h"
#include "engine/play_text.h"
#include "engine/row_text.h"

namespace {

// The box score grows with the game, so every row and the closing tags are
// kept however many scores a game has.
std::string Box_Score_HTML;

// The format, whose only conversions are "%s" and "%d", with the arguments
// put in, and "%%" as '%', added to the box score whole: what the formatted
// printers write, the format read when the program is built.
template <BUILT_FORMAT FORMAT, typename... ARGS> void Append_Box(ARGS... args) {
    static_assert(((std::is_convertible_v<ARGS, const char*> ||
                    (std::is_integral_v<ARGS> && sizeof(ARGS) <= sizeof(int32_t))) &&
                   ...),
                  "a box score row takes texts and whole numbers");
    Append_Built_Format<FORMAT>(Box_Score_HTML, args...);
}

bool Is_Side(int32_t side) {
    return side == 0 || side == 1;
}

int32_t Side_Team(const GAME_RECORD* pGame, int32_t side) {
    return pGame->Team[side];
}

// Team string `index` of a side, HTML-escaped; empty for a team byte that is
// not a team record of the block.
std::string Team_Text(const GAME_RECORD* pGame, int32_t side, int32_t index,
                      int32_t limit = HALL_OF_FAME_TEAM) {
    int32_t team = Side_Team(pGame, side);
    if (team > limit || team >= TOTAL_NUMBER_OF_TEAMS) return "";
    char text[TEAM_STRING_LENGTH + 16];
    Get_Team_String(text, team, index);
    return Escape_HTML(text);
}

// Stored counters are 16-bit and may hold negative yardage.
int32_t Game_Total(const GAME_RECORD* pGame, int32_t side, int32_t n) {
    return static_cast<int16_t>(pGame->Team_Totals[side][n]);
}
int32_t Game_Stat(const GAME_RECORD* pGame, int32_t side, int32_t n) {
    return pGame->Team_Stats[side][n];
}

int32_t Tenths(int64_t a, int64_t b) {
    if (b == 0) return 0;
    return static_cast<int32_t>((a * 10 + b / 2) / b);
}
int32_t Percentage(int64_t a, int64_t b) {
    if (b == 0) return 0;
    return static_cast<int32_t>((a * 100 + b / 2) / b);
}
// "%d.%d" of tenths with the sign in front, so that -0.4 reads "-0.4".
// "%s%d.%d" of the sign, the whole part and the tenth.
std::string Tenths_Text(int32_t tenths) {
    const int32_t magnitude = std::abs(tenths);
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    text += '.';
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

int32_t Entry_Side(const PLAY_LOG_ENTRY& entry) {
    return (entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1;
}

// Result codes a play word can hold (its top seven bits).
constexpr int32_t RESULT_CODES = 1 << (32 - PLAY_WORD_RESULT_SHIFT);

int32_t Log_Count(const GAME_RECORD* pGame) {
    int32_t count = pGame->Play_Log_Count;
    if (count < 0) return 0;
    return count > MAX_PLAY_LOG_ENTRIES ? MAX_PLAY_LOG_ENTRIES : count;
}

const char* const PLAY_RESULT_NAMES[32] = {"Pass",
                                           "Pass",
                                           "Interception",
                                           "Sack",
                                           "Pass",
                                           "Sack",
                                           "Pass",
                                           "Interception",
                                           "Safety",
                                           "Rush",
                                           "Rush",
                                           "Rush",
                                           "Rush",
                                           "Fumble",
                                           "Fumble",
                                           "Field Goal",
                                           "Missed Field Goal",
                                           "Punt Return",
                                           "Punt Return",
                                           "Punt Return",
                                           "Punt Return",
                                           "Kickoff",
                                           "Kickoff",
                                           "Kickoff",
                                           "Kickoff",
                                           "Kickoff",
                                           "Kickoff",
                                           "Point After",
                                           "Point After",
                                           "Conversion",
                                           "Conversion",
                                           "Penalty"};

constexpr char TABLE_OPEN[] =
    "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY><TR class=%s>\n";
constexpr char TABLE_CLOSE[] = "</TBODY></TABLE><BR>\n";

// Player rows alternate "highlight" and plain, starting with "highlight".
struct ROW_TURN {
    int count = 0;
    const char* Next() { return (count++ % 2 == 0) ? "<TR class=\"highlight\">" : "<TR>"; }
};

// A player-table row's cells, appended straight to the box score.
void Append_Player_Name_Cell(int32_t team, int32_t slot) {
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    Box_Score_HTML += "<TD class=lml>";
    Append_Escaped_HTML(Box_Score_HTML, name);
    Box_Score_HTML += "</TD>\n";
}

void Append_Cell(const char* text, const char* close = "</TD>") {
    Box_Score_HTML += "<TD class=lmc>";
    Box_Score_HTML += text;
    Box_Score_HTML += close;
}

void Append_Position_Cell(int32_t team, int32_t slot) {
    Box_Score_HTML += "<TD class=lmc>";
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position >= 0 && position < NUMBER_OF_POSITIONS) {
        char text[RESOURCE_STRING_LIMIT];
        Load_Resource_String(STRING_POSITION_SHORT + position, text);
        Append_Escaped_HTML(Box_Score_HTML, text);
    } else if (position == POSITION_ANY) {
        Box_Score_HTML += "Any";
    }
    Box_Score_HTML += "</TD>";
}

// A count, left empty when it is 0.
void Append_Number_Cell(int32_t value, const char* close = "</TD>") {
    Box_Score_HTML += "<TD class=lmc>";
    if (value != 0) {
        STRING_TEXT text{Box_Score_HTML};
        Put_Padded_Number(text, value, 0, ' ');
    }
    Box_Score_HTML += close;
}

void Append_Tenths_Cell(int32_t tenths) {
    Box_Score_HTML += "<TD class=lmc>";
    Box_Score_HTML += Tenths_Text(tenths);
    Box_Score_HTML += "</TD>";
}

// The game counters of a listed player whose position group (4 for a
// quarterback) is `group`; null for anyone else, whose counters all read 0.
const int16_t* Listed_Player_Counters(const GAME_RECORD* pGame, int32_t side, int32_t slot, int32_t group) {
    int32_t team = Side_Team(pGame, side);
    if (!Is_Player_Address(team, slot)) return nullptr;
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    int32_t player_group = position == POSITION_QB ? 4 : Get_Position_Group(position);
    if (player_group != group) return nullptr;
    int32_t id = Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID);
    for (int i = 0; i < GAME_LISTED_PLAYERS; ++i)
        if (pGame->Player_Ids[side][i] == id) return pGame->Player_Counters[side][i];
    return nullptr;
}

int32_t Counter(const int16_t* counters, int32_t n) {
    return counters == nullptr ? 0 : counters[n];
}

int32_t Roster_End(int32_t team) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) return 0;
    int32_t end = Get_First_Empty_Player_Slot(team);
    if (end < 0 || end > PLAYERS_PER_TEAM) return PLAYERS_PER_TEAM;
    return end;
}

// What one player did in the game, by the box score's columns. Filled from
// the play log for every player of both sides in one pass over the log by
// Count_Log_Plays (the columns of Count_Player_Log_Plays among them), and then
// as the box score shows it by Build_Box_Lines.
struct PLAYER_PLAYS {
    int32_t Attempts;             // passes thrown
    int32_t Completions;          // kind 0, column 3
    int32_t Passing_Yards;        // gained by his completions
    int32_t Passing_Touchdowns;   // kind 0, column 6
    int32_t Interceptions;        // thrown
    int32_t Rushes;               // kind 0, column 7
    int32_t Rushing_Yards;        // kind 0, column 8
    int32_t Rushing_Touchdowns;   // kind 0, column 9
    int32_t Receptions;           // kind 0, column 10
    int32_t Receiving_Yards;      // gained by his catches
    int32_t Receiving_Touchdowns; // kind 0, column 12
    int32_t Fumbles;              // kind 0, column 13
    int32_t Defensed;             // kind 2, column 6
    int32_t Recovered;            // kind 2, column 8
    int32_t Defensive_Touchdowns; // kind 2, column 9
};

bool Is_Thrown_Pass(int32_t result) {
    switch (result) {
    case RESULT_INCOMPLETE_PASS:
    case RESULT_COMPLETED_PASS:
    case RESULT_INTERCEPTION:
    case RESULT_PASS_KNOCKED_DOWN:
    case RESULT_TOUCHDOWN_PASS:
    case RESULT_INTERCEPTION_TOUCHDOWN:
        return true;
    default:
        return false;
    }
}

// What one logged snap adds to the counts of the player `id` of `side`, by
// the roles he holds in it; a role counts only for a player of the side the
// role belongs to, so an id in a place its result does not give his side
// (a receiver stored where a defender belongs) is never credited.
void Add_Entry_Counts(const GAME_RECORD* pGame, const PLAY_LOG_ENTRY& entry, int32_t side, int32_t id,
                      PLAYER_PLAYS& counts) {
    if (id < 0) return;
    const int32_t r = Get_Play_Result(entry.Play_Word);
    const bool with_ball = side == Entry_Side(entry);
    auto holds = [&](PLAY_ROLE role) {
        return Get_Play_Role_Id(entry, role) == id && with_ball != Is_Role_Of_Defending_Side(r, role);
    };
    const bool completed = r == RESULT_COMPLETED_PASS || r == RESULT_TOUCHDOWN_PASS;
    if (holds(ROLE_PASSER) && Is_Thrown_Pass(r)) {
        ++counts.Attempts;
        if (completed) {
            ++counts.Completions;
            counts.Passing_Yards += entry.Yard1;
        }
        if (r == RESULT_TOUCHDOWN_PASS) ++counts.Passing_Touchdowns;
        if (r == RESULT_INTERCEPTION || r == RESULT_INTERCEPTION_TOUCHDOWN) ++counts.Interceptions;
    }
    // A run that lost a fumble is still a rush for the yards it gained.
    if (with_ball && Get_Play_Rusher_Id(pGame, entry) == id) {
        ++counts.Rushes;
        counts.Rushing_Yards += entry.Yard1;
        if (r == RESULT_TOUCHDOWN_RUN) ++counts.Rushing_Touchdowns;
    }
    if (holds(ROLE_RECEIVER) && completed) {
        ++counts.Receptions;
        counts.Receiving_Yards += entry.Yard1;
        if (r == RESULT_TOUCHDOWN_PASS) ++counts.Receiving_Touchdowns;
    }
    if (holds(ROLE_FUMBLER)) ++counts.Fumbles;
    if (holds(ROLE_PASS_DEFENDER)) ++counts.Defensed;
    if (holds(ROLE_RECOVERER)) {
        ++counts.Recovered;
        if (r == RESULT_FUMBLE_TOUCHDOWN) ++counts.Defensive_Touchdowns;
    }
    if (holds(ROLE_INTERCEPTOR) && r == RESULT_INTERCEPTION_TOUCHDOWN) ++counts.Defensive_Touchdowns;
}

struct GAME_LOG_COUNTS {
    // What each player did, by roster slot: counted from the log, then made
    // the box score's lines by Build_Box_Lines.
    PLAYER_PLAYS Player[2][PLAYERS_PER_TEAM];
    // The roster's players' ids in id order, with their slots.
    int32_t Count[2];
    int32_t Id[2][PLAYERS_PER_TEAM];
    int32_t Slot[2][PLAYERS_PER_TEAM];
};

// Calls `credit(slot)` for every player of the side whose id is `id`.
template <typename CREDIT>
void For_Players_With_Id(const GAME_LOG_COUNTS& log, int32_t side, int32_t id, CREDIT credit) {
    const int32_t* ids = log.Id[side];
    int32_t low = 0;
    int32_t high = log.Count[side];
    while (low < high) {
        const int32_t middle = (low + high) / 2;
        if (ids[middle] < id)
            low = middle + 1;
        else
            high = middle;
    }
    for (int32_t n = low; n < log.Count[side] && ids[n] == id; ++n)
        credit(log.Slot[side][n]);
}

void Count_Log_Plays(const GAME_RECORD* pGame, GAME_LOG_COUNTS& log) {
    std::memset(log.Player, 0, sizeof log.Player);
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = Side_Team(pGame, side);
        log.Count[side] = 0;
        for (int32_t slot = 0, end = Roster_End(team); slot < end; ++slot) {
            // Sorted by id as they come in, slot order among equal ids.
            const int32_t id = Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID);
            int32_t at = log.Count[side]++;
            while (at > 0 && log.Id[side][at - 1] > id) {
                log.Id[side][at] = log.Id[side][at - 1];
                log.Slot[side][at] = log.Slot[side][at - 1];
                --at;
            }
            log.Id[side][at] = id;
            log.Slot[side][at] = slot;
        }
    }
    for (int32_t i = 0; i < Log_Count(pGame); ++i) {
        const PLAY_LOG_ENTRY& entry = pGame->Play_Log[i];
        const int32_t ids[2] = {entry.First_Player_Id, entry.Second_Player_Id};
        for (int32_t n = 0; n < 2; ++n) {
            if (n == 1 && ids[1] == ids[0]) break;
            for (int32_t side = 0; side < 2; ++side)
                For_Players_With_Id(log, side, ids[n], [&](int32_t slot) {
                    Add_Entry_Counts(pGame, entry, side, ids[n], log.Player[side][slot]);
                });
        }
    }
}

// The most snaps whose run Settle_Unlogged_Runs weighs: it tries every choice
// among them, and a game has one or two.
constexpr int32_t MOST_UNSURE_RUNS = 16;

// A safety or a fumble returned for a touchdown on a pass play was a sack, a
// scramble or (a safety) a catch: the log holds the man downed or who lost the
// ball but not which. The runs the side's rushing totals hold beyond the
// lines' rushes and yards are the scrambles among them: the first choice of
// those snaps whose count and yards are the rest of the totals is taken as
// run. Only players whose runs the game's counters do not hold are weighed:
// the counters of the other backs and receivers hold their scrambles too.
void Settle_Unlogged_Runs(const GAME_RECORD* pGame, GAME_LOG_COUNTS& log, int32_t side) {
    const int32_t team = Side_Team(pGame, side);
    int32_t rushes = Game_Total(pGame, side, GAME_TOTAL_RUSHES);
    int32_t yards = Game_Total(pGame, side, GAME_TOTAL_RUSHING_YARDS);
    for (int32_t slot = 0, end = Roster_End(team); slot < end; ++slot) {
        rushes -= log.Player[side][slot].Rushes;
        yards -= log.Player[side][slot].Rushing_Yards;
    }
    if (rushes <= 0) return;
    int32_t unsure_slot[MOST_UNSURE_RUNS];
    int32_t unsure_yards[MOST_UNSURE_RUNS];
    int32_t unsure = 0;
    for (int32_t i = 0; i < Log_Count(pGame) && unsure < MOST_UNSURE_RUNS; ++i) {
        const PLAY_LOG_ENTRY& entry = pGame->Play_Log[i];
        const int32_t r = Get_Play_Result(entry.Play_Word);
        if (Entry_Side(entry) != side || (r != RESULT_SAFETY && r != RESULT_FUMBLE_TOUCHDOWN) ||
            Get_Play_Rusher_Id(pGame, entry) >= 0)
            continue;
        const int32_t id = Get_Play_Role_Id(entry, r == RESULT_SAFETY ? ROLE_DOWNED : ROLE_FUMBLER);
        int32_t runner = -1;
        For_Players_With_Id(log, side, id, [&](int32_t slot) {
            if (runner < 0) runner = slot;
        });
        if (runner < 0 || Listed_Player_Counters(pGame, side, runner, 0) != nullptr) continue;
        unsure_slot[unsure] = runner;
        unsure_yards[unsure] = entry.Yard1;
        ++unsure;
    }
    for (uint32_t choice = 1; choice < (1u << unsure); ++choice) {
        if (std::popcount(choice) != rushes) continue;
        int32_t chosen_yards = 0;
        for (int32_t n = 0; n < unsure; ++n)
            if (choice & (1u << n)) chosen_yards += unsure_yards[n];
        if (chosen_yards != yards) continue;
        for (int32_t n = 0; n < unsure; ++n) {
            if ((choice & (1u << n)) == 0) continue;
            ++log.Player[side][unsure_slot[n]].Rushes;
            log.Player[side][unsure_slot[n]].Rushing_Yards += unsure_yards[n];
        }
        return;
    }
}

// What each player of both sides did, as the box score shows it: the game's
// counters where they hold it, which are what the game credited him (a
// quarterback's passing, the rushing and receiving of the other backs and
// receivers), and the logged snaps for the rest (passes thrown by anyone
// else, a quarterback's or any other player's runs and catches), with the
// runs the log cannot tell from sacks settled by the side's rushing totals.
void Build_Box_Lines(const GAME_RECORD* pGame, GAME_LOG_COUNTS& log) {
    Count_Log_Plays(pGame, log);
    for (int32_t side = 0; side < 2; ++side) {
        for (int32_t slot = 0, end = Roster_End(Side_Team(pGame, side)); slot < end; ++slot) {
            PLAYER_PLAYS& line = log.Player[side][slot];
            if (const int16_t* passing = Listed_Player_Counters(pGame, side, slot, 4)) {
                line.Attempts = passing[0];
                line.Completions = passing[1];
                line.Passing_Yards = passing[2];
                line.Passing_Touchdowns = passing[3];
                line.Interceptions = passing[4];
            }
            if (const int16_t* offence = Listed_Player_Counters(pGame, side, slot, 0)) {
                line.Rushes = offence[0];
                line.Rushing_Yards = offence[1];
                line.Receptions = offence[2];
                line.Receiving_Yards = offence[3];
            }
        }
        Settle_Unlogged_Runs(pGame, log, side);
    }
}

} // namespace

std::string& Get_Box_Score_HTML() {
    return Box_Score_HTML;
}

int32_t Is_Scoring_Result(int32_t code) {
    switch (code) {
    case 6:
    case 7:
    case 8:
    case 12:
    case 14:
    case 15:
    case 19:
    case 23:
    case 27:
    case 28:
    case 29:
    case 30:
        return 1;
    default:
        return 0;
    }
}

int32_t Get_Scoring_Side(uint32_t play_word) {
    int32_t side = static_cast<int32_t>((play_word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1);
    switch (Get_Play_Result(play_word)) {
    case 7:
    case 8:
    case 14:
    case 19:
    case 23:
        return 1 - side;
    default:
        return side;
    }
}

void Get_Play_Result_Name(int32_t code, char* text, int size) {
    if (text == nullptr || size <= 0) return;
    safe_strncpy(text, (code >= 0 && code < 32) ? PLAY_RESULT_NAMES[code] : "", size);
}

void Get_Quarter_Label(const GAME_RECORD* pGame, char* text, int size) {
    if (text == nullptr || size <= 0) return;
    int32_t t = pGame ? pGame->Clock : 0;
    int32_t index = Clamp_Int(1, 5, (t - 1) / 900 + 1);
    static const char* const LABELS[5] = {"1st Q", "2nd Q", "3rd Q", "4th Q", "OT"};
    safe_strncpy(text, LABELS[index - 1], size);
}

int32_t Get_Game_Player_Counter(const GAME_RECORD* pGame, int32_t side, int32_t slot, int32_t group,
                                int32_t n) {
    if (pGame == nullptr || !Is_Side(side) || n < 0 || n >= GAME_PLAYER_COUNTERS) return 0;
    return Counter(Listed_Player_Counters(pGame, side, slot, group), n);
}

int32_t Count_Player_Log_Plays(const GAME_RECORD* pGame, int32_t side, int32_t slot, int32_t kind,
                               int32_t column) {
    if (pGame == nullptr || !Is_Side(side)) return 0;
    int32_t team = Side_Team(pGame, side);
    if (!Is_Player_Address(team, slot)) return 0;
    const int32_t id = Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID);
    PLAYER_PLAYS counts{};
    for (int32_t i = 0; i < Log_Count(pGame); ++i)
        Add_Entry_Counts(pGame, pGame->Play_Log[i], side, id, counts);
    if (kind == 0) {
        switch (column) {
        case 3:
            return counts.Completions;
        case 6:
            return counts.Passing_Touchdowns;
        case 7:
            return counts.Rushes;
        case 8:
            return counts.Rushing_Yards;
        case 9:
            return counts.Rushing_Touchdowns;
        case 10:
            return counts.Receptions;
        case 12:
            return counts.Receiving_Touchdowns;
        case 13:
            return counts.Fumbles;
        default:
            return 0;
        }
    }
    if (kind == 2) {
        switch (column) {
        case 6:
            return counts.Defensed;
        case 8:
            return counts.Recovered;
        case 9:
            return counts.Defensive_Touchdowns;
        default:
            return 0;
        }
    }
    return 0;
}

int32_t Count_Side_Log_Results(const GAME_RECORD* pGame, int32_t side, int32_t code, char* text, int size) {
    if (pGame == nullptr || !Is_Side(side)) return 0;
    bool list = text != nullptr && size > 0 && (code == 15 || code == 16);
    int32_t count = 0;
    for (int32_t i = 0; i < Log_Count(pGame); ++i) {
        const PLAY_LOG_ENTRY& entry = pGame->Play_Log[i];
        if (Entry_Side(entry) != side || Get_Play_Result(entry.Play_Word) != code) continue;
        if (list) {
            char item[24];
            std::snprintf(item, sizeof item, count == 0 ? " (%d" : ", %d", entry.Yard1);
            safe_strncat(text, item, size);
        }
        ++count;
    }
    if (list && count > 0) safe_strncat(text, ")", size);
    return count;
}

void Write_Scoring_Plays_Header(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    Append_Box<TABLE_OPEN>("header0");
    Append_Box<"<TD colspan=5 class=ltl>Scoring Plays</TD>\n">();
    Append_Box<"<TD width=\"6%%\" class=ltc>%s</TD>\n">(Team_Text(pGame, 0, 0, 40).c_str());
    Append_Box<"<TD width=\"6%%\" class=ltr>%s</TD></TR>\n">(Team_Text(pGame, 1, 0, 40).c_str());
}

void Write_Scoring_Play_Row(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    char sentence[TEXT_BUFFER_SIZE];
    Write_Play_Summary_Sentence(pGame, &pGame->Current_Play, sentence, sizeof sentence);
    Write_Scoring_Play_Row(pGame, sentence);
}

void Write_Scoring_Play_Row(const GAME_RECORD* pGame, const char* sentence) {
    if (pGame == nullptr || sentence == nullptr) return;
    const PLAY_LOG_ENTRY& play = pGame->Current_Play;
    int32_t side = Get_Scoring_Side(play.Play_Word);
    char quarter[16];
    char clock[32];
    char result[32];
    Get_Quarter_Label(pGame, quarter, sizeof quarter);
    // The row is written once the snap's clock has run and its period events
    // are done: a score on a period's last play finds the next period
    // untouched, and is timed at 0:00 of its own; one that ran past the
    // two-minute warning finds the clock put back to 2:00.
    Format_Game_Clock(pGame, 1, clock, sizeof clock);
    Get_Play_Result_Name(Get_Play_Result(play.Play_Word), result, sizeof result);
    Append_Box<"<TR class=%s>">(side == 0 ? "none" : "highlight");
    Append_Box<"<TD width=\"6%%\" class=lml>%s</TD>\n">(Team_Text(pGame, side, 0, 40).c_str());
    Append_Box<"<TD width=\"6%%\" class=lmc>%s</TD>">(quarter);
    Append_Box<"<TD width=\"6%%\" class=lmc>%s</TD>">(clock);
    Append_Box<"<TD width=\"20%%\" class=lmc>%s</TD>">(result);
    Box_Score_HTML += "<TD width=\"50%\" class=lmc>";
    Append_Escaped_HTML(Box_Score_HTML, sentence);
    Box_Score_HTML += "</TD>";
    Append_Box<"<TD width=\"6%%\" class=lmc>%d</TD>">(pGame->Score[0]);
    Append_Box<"<TD width=\"6%%\" class=lmc>%d</TD></TR>">(pGame->Score[1]);
}

void Close_Scoring_Plays_Table() {
    Box_Score_HTML += TABLE_CLOSE;
}

void Write_Box_Score_Team_Stats(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    Append_Box<TABLE_OPEN>("header0");
    Append_Box<"<TD width=\"33%%\" class=ltl>Team Stats</TD>\n">();
    Append_Box<"<TD width=\"34%%\" class=ltc>%s</TD>">(Team_Text(pGame, 0, 2).c_str());
    Append_Box<"<TD width=\"33%%\" class=ltr>%s</TD></TR>">(Team_Text(pGame, 1, 2).c_str());

    int row = 0;
    auto open_row = [&](const char* label) {
        Append_Box<"%s">(row++ % 2 == 0 ? "<TR class=none>" : "<TR class=highlight>");
        Append_Box<"<TD class=lml>%s</TD>\n">(label);
    };
    auto plural = [](int32_t n, const char* suffix) { return n == 1 ? "" : suffix; };

    open_row("Plays From Scrimmage");
    for (int s = 0; s < 2; ++s)
        Append_Box<"<TD class=lmc>%d (%d First Downs)</TD>">(Game_Stat(pGame, s, GAME_STAT_PLAYS),
                                                             Game_Total(pGame, s, GAME_TOTAL_FIRST_DOWNS));
    Append_Box<"</TR>">();

    open_row("Rushing");
    for (int s = 0; s < 2; ++s) {
        int32_t rushes = Game_Total(pGame, s, GAME_TOTAL_RUSHES);
        int32_t yards = Game_Total(pGame, s, GAME_TOTAL_RUSHING_YARDS);
        Append_Box<"<TD class=lmc>%d for %d yards (%s avg)</TD>">(rushes, yards,
                                                                  Tenths_Text(Tenths(yards, rushes)).c_str());
    }
    Append_Box<"</TR>">();

    // The snaps of each result by side, counted in one pass over the log.
    int32_t results[2][RESULT_CODES] = {};
    for (int32_t i = 0; i < Log_Count(pGame); ++i) {
        const PLAY_LOG_ENTRY& entry = pGame->Play_Log[i];
        ++results[Entry_Side(entry)][Get_Play_Result(entry.Play_Word)];
    }

    open_row("Pass Plays");
    for (int s = 0; s < 2; ++s) {
        int32_t attempts = Game_Total(pGame, s, GAME_TOTAL_PASS_ATTEMPTS);
        int32_t completions = Game_Total(pGame, s, GAME_TOTAL_COMPLETIONS);
        Append_Box<"<TD class=lmc>%d-for-%d (%d%%)">(completions, attempts,
                                                     Percentage(completions, attempts));
        int32_t touchdowns = results[s][RESULT_TOUCHDOWN_PASS];
        int32_t interceptions = results[s][RESULT_INTERCEPTION] + results[s][RESULT_INTERCEPTION_TOUCHDOWN];
        if (touchdowns != 0) Append_Box<", %d TD">(touchdowns);
        if (interceptions != 0) Append_Box<", %d INT">(interceptions);
        Append_Box<"</TD>">();
    }
    Append_Box<"</TR>">();

    open_row("Passing");
    for (int s = 0; s < 2; ++s) {
        int32_t yards = Game_Total(pGame, s, GAME_TOTAL_PASSING_YARDS);
        Append_Box<"<TD class=lmc>%d yards (%s per play)</TD>">(
            yards, Tenths_Text(Tenths(yards, Game_Total(pGame, s, GAME_TOTAL_PASS_ATTEMPTS))).c_str());
    }
    Append_Box<"</TR>">();

    open_row("Sacked");
    for (int s = 0; s < 2; ++s) {
        int32_t sacks = Game_Total(pGame, 1 - s, GAME_TOTAL_SACKS);
        Append_Box<"<TD class=lmc>%d time%s for %d yards</TD>">(
            sacks, plural(sacks, "s"), Game_Total(pGame, 1 - s, GAME_TOTAL_SACK_YARDS));
    }
    Append_Box<"</TR>">();

    open_row("Turnovers");
    for (int s = 0; s < 2; ++s)
        Append_Box<"<TD class=lmc>%d</TD>">(Game_Total(pGame, s, GAME_TOTAL_TURNOVERS));
    Append_Box<"</TR>">();

    open_row("Fumbles");
    for (int s = 0; s < 2; ++s)
        Append_Box<"<TD class=lmc>%d (%d lost)</TD>">(Game_Stat(pGame, s, GAME_STAT_FUMBLES),
                                                      Game_Stat(pGame, s, GAME_STAT_FUMBLES_LOST));
    Append_Box<"</TR>">();

    open_row("Penalties");
    for (int s = 0; s < 2; ++s) {
        int32_t penalties = Game_Total(pGame, s, GAME_TOTAL_PENALTIES);
        Append_Box<"<TD class=lmc>%d %s for %d yards</TD>">(penalties,
                                                            penalties == 1 ? "penalty" : "penalties",
                                                            Game_Total(pGame, s, GAME_TOTAL_PENALTY_YARDS));
    }
    Append_Box<"</TR>">();

    struct KICK_ROW {
        const char* label;
        const char* word;
        int32_t stat;
        int32_t total;
    };
    const KICK_ROW kick_rows[3] = {
        {"Punts", "punt", GAME_STAT_PUNTS, GAME_TOTAL_PUNT_YARDS},
        {"Punt Returns", "return", GAME_STAT_PUNT_RETURNS, GAME_TOTAL_PUNT_RETURN_YARDS},
        {"Kick Returns", "return", GAME_STAT_KICKOFF_RETURNS, GAME_TOTAL_KICKOFF_RETURN_YARDS}};
    for (const KICK_ROW& kick : kick_rows) {
        open_row(kick.label);
        for (int s = 0; s < 2; ++s) {
            int32_t count = Game_Stat(pGame, s, kick.stat);
            int32_t yards = Game_Total(pGame, s, kick.total);
            Append_Box<"<TD class=lmc>%d %s%s for %d yards (%s avg)</TD>">(
                count, kick.word, plural(count, "s"), yards, Tenths_Text(Tenths(yards, count)).c_str());
        }
        Append_Box<"</TR>">();
    }

    open_row("Field Goals");
    for (int s = 0; s < 2; ++s) {
        char made_list[TEXT_BUFFER_SIZE] = "";
        char missed_list[TEXT_BUFFER_SIZE] = "";
        int32_t made = Count_Side_Log_Results(pGame, s, RESULT_FIELD_GOAL_GOOD, made_list, sizeof made_list);
        int32_t missed =
            Count_Side_Log_Results(pGame, s, RESULT_FIELD_GOAL_MISSED, missed_list, sizeof missed_list);
        Append_Box<"<TD class=lmc>%d Made%s, %d Missed%s</TD>">(made, made_list, missed, missed_list);
    }
    Append_Box<"</TR>">();

    const char* const down_labels[2] = {"Third Down", "Fourth Down"};
    const int32_t down_totals[2][2] = {{GAME_TOTAL_THIRD_DOWN_CONVERSIONS, GAME_TOTAL_THIRD_DOWN_ATTEMPTS},
                                       {GAME_TOTAL_FOURTH_DOWN_CONVERSIONS, GAME_TOTAL_FOURTH_DOWN_ATTEMPTS}};
    for (int d = 0; d < 2; ++d) {
        open_row(down_labels[d]);
        for (int s = 0; s < 2; ++s) {
            int32_t made = Game_Total(pGame, s, down_totals[d][0]);
            int32_t tried = Game_Total(pGame, s, down_totals[d][1]);
            Append_Box<"<TD class=lmc>%d for %d (%d%%)</TD>">(made, tried, Percentage(made, tried));
        }
        Append_Box<"</TR>">();
    }

    open_row("Red Zone");
    for (int s = 0; s < 2; ++s) {
        int32_t touchdowns = Game_Stat(pGame, s, GAME_STAT_RED_ZONE_TOUCHDOWNS);
        int32_t goals = Game_Stat(pGame, s, GAME_STAT_RED_ZONE_FIELD_GOALS);
        Append_Box<"<TD class=lmc>%d for %d (%d FG, %d TD)</TD>">(
            touchdowns + goals, Game_Stat(pGame, s, GAME_STAT_RED_ZONE_TRIPS), goals, touchdowns);
    }
    Append_Box<"</TR>">();

    open_row("Time of Possession");
    for (int s = 0; s < 2; ++s) {
        int32_t seconds = static_cast<uint16_t>(pGame->Team_Totals[s][GAME_TOTAL_POSSESSION_SECONDS]);
        Append_Box<"<TD class=lmc>%d:">(seconds / 60);
        STRING_TEXT text{Box_Score_HTML};
        Put_Padded_Number(text, seconds % 60, 2, '0');
        Box_Score_HTML += "</TD>";
    }
    Append_Box<"</TR>">();
    Box_Score_HTML += TABLE_CLOSE;
}

namespace {
void Write_Offense_Tables(const GAME_RECORD* pGame, const GAME_LOG_COUNTS& log) {
    for (int side = 0; side < 2; ++side) {
        Append_Box<"<TABLE cellSpacing=0 cellPadding=0 border=0 align=\"center\" width=968><TBODY><TR "
                   "class=header0>\n">();
        Append_Box<"<TD width=\"282\" bgcolor=\"#FFFFFF\" class=ltc></TD>">();
        Append_Box<"<TD width=\"271\" class=ltc>Passing</TD>">();
        Append_Box<"<TD width=\"5\" bgcolor=\"#FFFFFF\" class=ltc></TD>">();
        Append_Box<"<TD width=\"222\" bgcolor=\"#996699\" class=ltc>Rushing</TD>">();
        Append_Box<"<TD width=\"5\" bgcolor=\"#FFFFFF\" class=ltc></TD>">();
        Append_Box<"<TD width=\"178\" class=ltc>Receiving</TD>">();
        Append_Box<"</TBODY></TABLE>\n">();
        Append_Box<TABLE_OPEN>("header1");
        Append_Box<"<TD width=\"188\" class=ltl></TD>\n">();
        static const char* const HEADINGS[17] = {"Team", "Pos", "Cmp", "Att", "Yds", "TD",
                                                 "Int",  "Rtg", "Att", "Yds", "Avg", "TD",
                                                 "Fum",  "Rec", "Yds", "Avg", "TD"};
        for (int h = 0; h < 16; ++h)
            Append_Box<"<TD width=\"46\" class=ltc>%s</TD>">(HEADINGS[h]);
        Append_Box<"<TD width=\"46\" class=ltc>%s</TD></TR>">(HEADINGS[16]);

        int32_t team = Side_Team(pGame, side);
        const std::string team_text = Team_Text(pGame, side, 0, 40);
        ROW_TURN turn;
        for (int32_t slot = 0, end = Roster_End(team); slot < end; ++slot) {
            const PLAYER_PLAYS& line = log.Player[side][slot];
            if (line.Attempts <= 0 && line.Rushes <= 0 && line.Receptions <= 0 && line.Fumbles <= 0) continue;
            Box_Score_HTML += turn.Next();
            Append_Player_Name_Cell(team, slot);
            Append_Cell(team_text.c_str());
            Append_Position_Cell(team, slot);
            if (line.Attempts != 0) {
                Append_Number_Cell(line.Completions);
                Append_Number_Cell(line.Attempts);
                Append_Number_Cell(line.Passing_Yards);
                Append_Number_Cell(line.Passing_Touchdowns);
                Append_Number_Cell(line.Interceptions);
                Append_Tenths_Cell(Compute_Passer_Rating(line.Attempts, line.Completions, line.Passing_Yards,
                                                         line.Passing_Touchdowns, line.Interceptions));
            } else {
                for (int c = 0; c < 6; ++c)
                    Append_Cell("");
            }
            if (line.Rushes != 0) {
                Append_Number_Cell(line.Rushes);
                Append_Number_Cell(line.Rushing_Yards);
                Append_Tenths_Cell(Tenths(line.Rushing_Yards, line.Rushes));
                Append_Number_Cell(line.Rushing_Touchdowns);
                Append_Number_Cell(line.Fumbles);
            } else {
                for (int c = 0; c < 5; ++c)
                    Append_Cell("");
            }
            if (line.Receptions != 0) {
                Append_Number_Cell(line.Receptions);
                Append_Number_Cell(line.Receiving_Yards);
                Append_Tenths_Cell(Tenths(line.Receiving_Yards, line.Receptions));
                Append_Number_Cell(line.Receiving_Touchdowns, "</TD></TR>");
            } else {
                for (int c = 0; c < 3; ++c)
                    Append_Cell("");
                Append_Cell("", "</TD></TR>");
            }
        }
        Box_Score_HTML += TABLE_CLOSE;
    }
}

void Write_Defense_Table(const GAME_RECORD* pGame, const GAME_LOG_COUNTS& log) {
    for (int side = 0; side < 2; ++side) {
        Append_Box<TABLE_OPEN>("header1");
        Append_Box<"<TD width=\"188\" class=ltl></TD>\n">();
        Append_Box<"<TD width=\"46\" class=ltc>Team</TD>">();
        Append_Box<"<TD width=\"46\" class=ltc>Pos</TD>">();
        Append_Box<"<TD width=\"85\" class=ltc>Tackles</TD>">();
        Append_Box<"<TD width=\"85\" class=ltc>Assists</TD>">();
        Append_Box<"<TD width=\"85\" class=ltc>Sacks</TD>">();
        Append_Box<"<TD width=\"100\" class=ltc>Passes<br>Defensed</TD>">();
        Append_Box<"<TD width=\"120\" class=ltc>Fumbles<br>Recovered</TD>">();
        Append_Box<"<TD width=\"120\" class=ltc>Interceptions</TD>">();
        Append_Box<"<TD width=\"95\" class=ltc>Defensive<br>Touchdowns</TD>">();
        int32_t team = Side_Team(pGame, side);
        const std::string team_text = Team_Text(pGame, side, 0, 40);
        ROW_TURN turn;
        for (int32_t slot = 0, end = Roster_End(team); slot < end; ++slot) {
            const int16_t* counters = Listed_Player_Counters(pGame, side, slot, 2);
            int32_t tackles = Counter(counters, 2);
            int32_t assists = Counter(counters, 3);
            int32_t sack_tenths = Counter(counters, 0) * 5;
            int32_t defensed = log.Player[side][slot].Defensed;
            int32_t recovered = log.Player[side][slot].Recovered;
            int32_t interceptions = Counter(counters, 1);
            int32_t touchdowns = Counter(counters, 4);
            if (tackles <= 0 && assists <= 0 && sack_tenths <= 0 && defensed <= 0 && recovered <= 0 &&
                interceptions <= 0 && touchdowns <= 0)
                continue;
            Box_Score_HTML += turn.Next();
            Append_Player_Name_Cell(team, slot);
            Append_Cell(team_text.c_str());
            Append_Position_Cell(team, slot);
            Append_Number_Cell(tackles);
            Append_Number_Cell(assists);
            if (sack_tenths == 0)
                Append_Cell("");
            else
                Append_Tenths_Cell(sack_tenths);
            Append_Number_Cell(defensed);
            Append_Number_Cell(recovered);
            Append_Number_Cell(interceptions);
            Append_Number_Cell(touchdowns, "</TD></TR>");
        }
        Box_Score_HTML += TABLE_CLOSE;
    }
}

// The players' plays of the game as the logged snaps give them.
GAME_LOG_COUNTS Log_Counts;
} // namespace

void Write_Box_Score_Offense_Tables(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    Build_Box_Lines(pGame, Log_Counts);
    Write_Offense_Tables(pGame, Log_Counts);
}

void Write_Box_Score_Defense_Table(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    Count_Log_Plays(pGame, Log_Counts);
    Write_Defense_Table(pGame, Log_Counts);
}

void Write_Box_Score_Player_Tables(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    // Writing the tables reads the log and the rosters and changes neither.
    Build_Box_Lines(pGame, Log_Counts);
    Write_Offense_Tables(pGame, Log_Counts);
    Write_Defense_Table(pGame, Log_Counts);
}

void Close_Box_Score_Page() {
    Box_Score_HTML += "<BR></TD></TR>";
    Box_Score_HTML += "</TBODY></TABLE></HTML>";
}
