// The template variables of one game: its result and links, its leaders, and
// the plays of its log with the running score.
#include <algorithm>
#include <cstdio>

#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/game_driver.h"
#include "engine/game_injuries.h"
#include "engine/game_record.h"
#include "engine/play_text.h"
#include "engine/playbook_records.h"
#include "reports/encyclopedia_pages.h"
#include "reports/html_text.h"
#include "reports/template_variables.h"
#include "reports/template_variables_internal.h"

namespace {
constexpr int32_t QUARTER_SECONDS = 900;
constexpr int32_t REGULATION_SECONDS = 3600;
constexpr int32_t MOST_PERIOD_STARTS = 10;
constexpr int32_t DOWN_KICKOFF = 8;
constexpr int32_t DOWN_FREE_KICK = 9;
constexpr int32_t DOWN_CONVERSION = 11;
constexpr int32_t FIELD_GOAL_PLAY_TYPE = 16;
constexpr int32_t PUNT_PLAY_TYPE = 17;
constexpr int32_t NO_GAME_SIDE = -1;
constexpr int32_t FIRST_POOL_WITHOUT_NAME = 38;

const char* const PERIOD_NAMES[] = {"First quarter", "Second quarter", "Third quarter", "Fourth quarter"};

// The running score of the game whose plays are being written.
int32_t Running_Score[2] = {0, 0};

bool Is_Side(int32_t side) {
    return side == 0 || side == 1;
}

int32_t Play_Count(const GAME_RECORD* game) {
    return std::clamp<int32_t>(game->Play_Log_Count, 0, MAX_PLAY_LOG_ENTRIES);
}

const PLAY_LOG_ENTRY* Game_Play(const GAME_RECORD* game, int32_t play) {
    if (game == nullptr || play < 0 || play >= Play_Count(game)) return nullptr;
    return &game->Play_Log[play];
}

int32_t Down_Code(const PLAY_LOG_ENTRY& entry) {
    return static_cast<int32_t>(entry.Play_Word & 0xFF);
}

int32_t Yards_To_Go(const PLAY_LOG_ENTRY& entry) {
    return static_cast<int32_t>((entry.Play_Word >> 8) & 0xFF);
}

int32_t Yards_To_Goal(const PLAY_LOG_ENTRY& entry) {
    return static_cast<int32_t>((entry.Play_Word >> 16) & 0xFF);
}

int32_t Ball_Side(const PLAY_LOG_ENTRY& entry) {
    return static_cast<int32_t>((entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1);
}

std::string Game_Result_Text(const GAME_RECORD* game) {
    const std::string first = Team_Full_Name_Text(game->Team[0]) + " " + std::to_string(game->Score[0]);
    const std::string second = Team_Full_Name_Text(game->Team[1]) + " " + std::to_string(game->Score[1]);
    if (game->Score[0] > game->Score[1]) return "<b>" + first + ", </b>" + second;
    return first + ", <b>" + second + "</b>";
}

// The side of `team` in its game of `week`, with the game; null when none.
const GAME_RECORD* Schedule_Game(int32_t team, int32_t week, int32_t* side) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS || week < 0 || week >= NUMBER_OF_SCHEDULE_WEEKS)
        return nullptr;
    const GAME_RECORD* game = Find_Team_Week_Game(week, team);
    if (game == nullptr) return nullptr;
    *side = game->Team[1] == team ? 1 : 0;
    return game;
}

// The leader's id of a side; -1 when none.
int32_t Leader_Id(const GAME_RECORD* game, int32_t side, int32_t stat, int32_t position) {
    if (game == nullptr || !Is_Side(side)) return -1;
    return Find_Game_Position_Leader(game, stat, position, side);
}

std::string Leader_Link(const GAME_RECORD* game, int32_t side, int32_t stat, int32_t position) {
    int32_t team = 0, slot = 0;
    if (!Find_Player_Of_Id(Leader_Id(game, side, stat, position), &team, &slot)) return "";
    return Player_Page_Link(team, slot, 1);
}

std::string Leader_Name(const GAME_RECORD* game, int32_t side, int32_t stat, int32_t position) {
    const int32_t id = Leader_Id(game, side, stat, position);
    if (id < 0) return "";
    int32_t team = 0, slot = 0;
    if (!Find_Player_Of_Id(id, &team, &slot)) return "Retired";
    char first[PLAYER_NAME_TEXT_SIZE] = "", last[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    Restore_Shortened_First_Name(first, sizeof first);
    return Escape_HTML_Text(first) + " " + Escape_HTML_Text(last);
}

std::string Leader_Stat(const GAME_RECORD* game, int32_t side, int32_t stat, int32_t position) {
    const int32_t id = Leader_Id(game, side, stat, position);
    if (id < 0 || stat < 0 || stat >= GAME_PLAYER_COUNTERS) return "";
    for (int32_t listed = 0; listed < GAME_LISTED_PLAYERS; ++listed)
        if (game->Player_Ids[side][listed] == id)
            return std::to_string(game->Player_Counters[side][listed][stat]) + " Yards";
    return "";
}

// The plays that start a period: a clock on a whole quarter, the last of
// several plays at that clock; at most ten.
std::string Quarter_Begin(const GAME_RECORD* game, int32_t play) {
    if (Game_Play(game, play) == nullptr) return "";
    const int32_t count = Play_Count(game);
    int32_t starts = 0;
    for (int32_t n = 0; n < count && starts < MOST_PERIOD_STARTS; ++n) {
        const int32_t clock = game->Play_Log[n].Clock;
        if (clock % QUARTER_SECONDS != 0) continue;
        if (n + 1 < count && game->Play_Log[n + 1].Clock == clock) continue;
        if (n == play) return starts < 4 ? PERIOD_NAMES[starts] : "Overtime";
        ++starts;
    }
    return "";
}

std::string Play_Time(const GAME_RECORD* game, const PLAY_LOG_ENTRY& entry) {
    // The clock text reads the game's clock: it is set to the play's for the
    // call and put back.
    auto* record = const_cast<GAME_RECORD*>(game);
    const int16_t kept = record->Clock;
    record->Clock = static_cast<int16_t>(entry.Clock);
    char text[TEXT_BUFFER_SIZE] = "";
    Format_Game_Clock(record, 0, text, sizeof text);
    record->Clock = kept;
    return text;
}

std::string Play_Down(const PLAY_LOG_ENTRY& entry) {
    const int32_t down = Down_Code(entry);
    if (down >= 0 && down <= 3) {
        if (Yards_To_Go(entry) >= Yards_To_Goal(entry)) return Format_Number("%d-G", down + 1);
        return Format_Number("%d-%d", down + 1, Yards_To_Go(entry));
    }
    if (down == DOWN_KICKOFF) return "KICK";
    if (down == DOWN_CONVERSION) return "CONV";
    return "----";
}

std::string Play_Yardline(const GAME_RECORD* game, const PLAY_LOG_ENTRY& entry) {
    const int32_t yards = Yards_To_Goal(entry);
    const int32_t side = Ball_Side(entry);
    if (yards == 50) return "(--  50)";
    const int32_t team = game->Team[yards < 50 ? 1 - side : side];
    char abbreviation[FORMATTED_TEXT_SIZE] = "";
    Get_Team_String(abbreviation, team, 0);
    const std::string text = Format_Number("(%-3s %2d)", abbreviation, yards < 50 ? yards : 100 - yards);
    return Escape_HTML_Text(text.c_str());
}

bool Is_Extra_Point_Kick(const GAME_RECORD* game, const PLAY_LOG_ENTRY& entry) {
    if (Down_Code(entry) != DOWN_CONVERSION) return false;
    char name[TEXT_BUFFER_SIZE] = "";
    Get_Offensive_Play_Name(game->Team[Ball_Side(entry)], entry.Offensive_Play, name, sizeof name);
    return name[0] == '*';
}

std::string Offensive_Play(const GAME_RECORD* game, const PLAY_LOG_ENTRY& entry) {
    const int32_t down = Down_Code(entry);
    if (down == DOWN_KICKOFF || down == DOWN_FREE_KICK) return "";
    if (Is_Extra_Point_Kick(game, entry)) return "Extra Point";
    char name[TEXT_BUFFER_SIZE] = "";
    Get_Offensive_Play_Name(game->Team[Ball_Side(entry)], entry.Offensive_Play, name, sizeof name);
    return Escape_HTML_Text(name);
}

std::string Defensive_Play(const GAME_RECORD* game, const PLAY_LOG_ENTRY& entry) {
    const int32_t down = Down_Code(entry);
    if (down == DOWN_KICKOFF || down == DOWN_FREE_KICK || Is_Extra_Point_Kick(game, entry)) return "";
    const int32_t offence = game->Team[Ball_Side(entry)];
    const int32_t kind = Get_Offensive_Play_Type(offence, entry.Offensive_Play);
    if (kind == FIELD_GOAL_PLAY_TYPE || kind == PUNT_PLAY_TYPE) return "";
    char name[TEXT_BUFFER_SIZE] = "";
    Get_Defensive_Play_Name(game->Team[1 - Ball_Side(entry)], entry.Defensive_Play, name, sizeof name);
    return Escape_HTML_Text(name);
}

// Whether a logged play was snapped in overtime. The clock stands on 3,600
// both for the try after a touchdown on regulation's last snap and for the
// opening kickoff of overtime: as the game's quarter counts it, only the try
// belongs to the fourth quarter.
bool Is_Overtime_Play(const PLAY_LOG_ENTRY& entry) {
    if (entry.Clock != REGULATION_SECONDS) return entry.Clock > REGULATION_SECONDS;
    return Down_Code(entry) != DOWN_CONVERSION;
}

// Points of one logged play: to the side with the ball (`own`) or the other.
// A conversion carries its touchdown's six points; in overtime, where no
// conversion follows, the touchdown itself scores, for the side that scored
// it (returns score for the side without the ball at the snap).
void Score_Play(const PLAY_LOG_ENTRY& entry, int32_t* own, int32_t* other) {
    int32_t result = Get_Play_Result(entry.Play_Word);
    *own = 0;
    *other = 0;
    if (Down_Code(entry) == DOWN_CONVERSION && result != RESULT_EXTRA_POINT_GOOD &&
        result != RESULT_TWO_POINT_GOOD)
        result = RESULT_TWO_POINT_FAILED;
    const bool overtime = Is_Overtime_Play(entry);
    if (overtime) {
        switch (result) {
        case RESULT_TOUCHDOWN_PASS:
        case RESULT_TOUCHDOWN_RUN:
            *own = 6;
            return;
        case RESULT_INTERCEPTION_TOUCHDOWN:
        case RESULT_FUMBLE_TOUCHDOWN:
        case RESULT_PUNT_RETURN_TOUCHDOWN:
        case RESULT_KICKOFF_RETURN_TOUCHDOWN:
            *other = 6;
            return;
        default:
            break;
        }
    }
    switch (result) {
    case RESULT_SAFETY:
        *other = 2;
        break;
    case RESULT_FIELD_GOAL_GOOD:
        *own = 3;
        break;
    case RESULT_EXTRA_POINT_GOOD:
        *own = overtime ? 0 : 7;
        break;
    case RESULT_EXTRA_POINT_MISSED:
    case RESULT_TWO_POINT_FAILED:
        *own = overtime ? 0 : 6;
        break;
    case RESULT_TWO_POINT_GOOD:
        *own = overtime ? 0 : 8;
        break;
    default:
        break;
    }
}

std::string Play_Touchdown(const GAME_RECORD* game, int32_t play, const PLAY_LOG_ENTRY& entry) {
    if (play == 0) Running_Score[0] = Running_Score[1] = 0;
    int32_t own = 0, other = 0;
    Score_Play(entry, &own, &other);
    const int32_t side = Ball_Side(entry);
    Running_Score[side] += own;
    Running_Score[1 - side] += other;
    if (own == 0 && other == 0) return "";
    return "<tr><td align=\"center\" colspan=\"7\"><font size=\"+1\"><b><<< " +
           Team_Full_Name_Text(game->Team[0]) + "  " + std::to_string(Running_Score[0]) + " - " +
           std::to_string(Running_Score[1]) + "  " + Team_Full_Name_Text(game->Team[1]) +
           " >>></b></font></td></tr>";
}

std::string Play_Injury(const PLAY_LOG_ENTRY& entry) {
    const PLAY_EVENT_SLOT& mark = entry.Events[INJURY_EVENT_SLOT];
    int32_t team = 0, slot = 0;
    if (mark.Event_Id != INJURY_EVENT_ID || !Find_Player_Of_Id(mark.Player_Id[0], &team, &slot)) return "";
    char nickname[FORMATTED_TEXT_SIZE] = "", position[FORMATTED_TEXT_SIZE] = "";
    if (team < FIRST_POOL_WITHOUT_NAME) Get_Team_String(nickname, team, 2);
    Get_Position_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), position);
    return "<tr> <td align=\"left\" colspan=\"7\"><b><< " + Escape_HTML_Text(nickname) + " " +
           Escape_HTML_Text(position) + " " + Player_Full_Name_Text(team, slot) +
           " was injured on the play >></b></td></tr>";
}

bool Evaluate_Play_Variable(const std::string& name, const GAME_RECORD* game, int32_t play,
                            std::string* out) {
    static const char* const PLAY_NAMES[] = {
        "QuarterBegin",      "PlayTime",          "PlayOffensiveTeam", "PlayDown", "PlayYardline",
        "PlayOffensivePlay", "PlayDefensivePlay", "PlayResult",        "PlayTD",   "PlayInjury"};
    if (std::none_of(std::begin(PLAY_NAMES), std::end(PLAY_NAMES),
                     [&name](const char* n) { return name == n; }))
        return false;
    out->clear();
    const PLAY_LOG_ENTRY* entry = Game_Play(game, play);
    if (entry == nullptr) return true;
    if (name == "QuarterBegin") {
        *out = Quarter_Begin(game, play);
    } else if (name == "PlayTime") {
        *out = Play_Time(game, *entry);
    } else if (name == "PlayOffensiveTeam") {
        *out = Team_Abbreviation_Text(game->Team[Ball_Side(*entry)]);
    } else if (name == "PlayDown") {
        *out = Play_Down(*entry);
    } else if (name == "PlayYardline") {
        *out = Play_Yardline(game, *entry);
    } else if (name == "PlayOffensivePlay") {
        *out = Offensive_Play(game, *entry);
    } else if (name == "PlayDefensivePlay") {
        *out = Defensive_Play(game, *entry);
    } else if (name == "PlayResult") {
        char sentence[TEXT_BUFFER_SIZE] = "";
        Write_Play_Summary_Sentence(game, entry, sentence, sizeof sentence);
        *out = Escape_HTML_Text(sentence);
    } else if (name == "PlayTD") {
        *out = Play_Touchdown(game, play, *entry);
    } else {
        *out = Play_Injury(*entry);
    }
    return true;
}
} // namespace

bool Is_Template_Game_Over(const GAME_RECORD* game) {
    return game != nullptr && Is_Game_Over(game) != 0;
}

bool Evaluate_Game_Variable(const std::string& name, const TAG_PARAMETERS& p, std::string* out) {
    const int32_t index = Param(p, KEY_GAME);
    const GAME_RECORD* game = Get_Template_Game(index);
    const int32_t type = Param(p, KEY_TYPE);
    const int32_t stat = Param(p, KEY_STAT);
    const int32_t position = Param(p, KEY_POS);
    if (Evaluate_Play_Variable(name, game, Param(p, KEY_PLAY), out)) return true;
    if (name == "Game") {
        *out = game != nullptr ? Open_Link("../", "GameDetails/", Get_Game_Page_Name(index)) +
                                     Game_Result_Text(game) + "</a>"
                               : "";
    } else if (name == "GameLeaderRef") {
        *out = Leader_Link(game, type, stat, position);
    } else if (name == "GameLeaderName") {
        *out = Leader_Name(game, type, stat, position);
    } else if (name == "GameLeaderStat") {
        *out = Leader_Stat(game, type, stat, position);
    } else if (name == "ScheduleLeaderRef" || name == "ScheduleLeaderName" || name == "ScheduleLeaderStat") {
        int32_t side = NO_GAME_SIDE;
        const GAME_RECORD* week_game = Schedule_Game(Param(p, KEY_TEAM), Param(p, KEY_WEEK), &side);
        if (name == "ScheduleLeaderRef")
            *out = Leader_Link(week_game, side, stat, position);
        else if (name == "ScheduleLeaderName")
            *out = Leader_Name(week_game, side, stat, position);
        else
            *out = Leader_Stat(week_game, side, stat, position);
    } else if (name == "GameDetailRef") {
        *out = Open_Link(type == 1 ? "../" : "./", "GameDetails/", Get_Game_Page_Name(index));
    } else if (name == "GameTeamRef") {
        *out = game != nullptr && Is_Side(type) ? Team_Detail_Link(game->Team[type], 1) : "";
    } else if (name == "GameTeam") {
        *out = game != nullptr && Is_Side(type) ? Team_Full_Name_Text(game->Team[type]) : "";
    } else if (name == "GameTeamLogo") {
        *out = game != nullptr && Is_Side(type) ? Team_Logo_Image(game->Team[type]) : "";
    } else if (name == "GamePoints") {
        *out = game != nullptr && Is_Side(type) ? std::to_string(game->Score[type]) : "";
    } else {
        return false;
    }
    return true;
}
