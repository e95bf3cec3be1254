#include "reports/template_engine.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_history.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/player_card.h"
#include "reports/encyclopedia_export.h"
#include "reports/encyclopedia_pages.h"
#include "reports/template_variables.h"

namespace {
constexpr const char* VARIABLE_PREFIX = "<gdk:var";
constexpr const char* TABLE_PREFIX = "<gdk:table";
constexpr const char* TABLE_END_PREFIX = "</gdk:table";
constexpr size_t SHORTEST_SPECIAL_TAG = 10;
// "<gdk:table" and its separator.
constexpr size_t TABLE_TAG_HEAD = 11;
constexpr int32_t LEADER_CATEGORY_SEQUENCE[] = {10, 11, 12, 14, 15, 16, 1, 2, 4};
constexpr int32_t LEADER_TABLE_LAST = 8;
constexpr int32_t TEMPLATE_FOLDER_NAME_SIZE = 2048;

const char* const KEY_NAMES[] = {"",      "GAME", "TEAM",  "WEEK",   "PLAYER", "STAT",       "LEAGUE",
                                 "DIVIS", "POS",  "COUNT", "SEASON", "TYPE",   "LEADERSTAT", "PLAY"};
constexpr int32_t KEY_NAME_COUNT = static_cast<int32_t>(sizeof KEY_NAMES / sizeof KEY_NAMES[0]);

const char* const TABLE_NAMES[] = {
    "",           "tDivisionStanding", "tGameByGame",    "tPlayers",           "tLeaders",  "tPlayerStats",
    "tWeekGames", "tTeamSummary",      "tPlayersByName", "tPlayoffGameByGame", "tGamePlays"};
constexpr int32_t TABLE_NAME_COUNT = static_cast<int32_t>(sizeof TABLE_NAMES / sizeof TABLE_NAMES[0]);

// First names that the 12-character name field cuts by their last letter.
const char* const SHORTENED_FIRST_NAMES[] = {"Marquavionne", "Oluwaseyitan"};

std::vector<TEMPLATE_PLAYER> Template_Player_List;
TOP_TEN_LIST Template_Leader_List;
int32_t Leader_Table_Counter = 0;

// The expansion of one page: how deep the repeated tables are nested, the
// table rows expanded, and whether the page has passed its limits (the rest
// is then skipped).
int32_t Table_Depth = 0;
int64_t Expanded_Rows = 0;
bool Page_Overflow = false;

bool Starts_With(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// Regular-season weeks as the tables count them, at least 2.
int32_t Regular_Weeks() {
    return std::max(2, static_cast<int32_t>(Universe.Season_Length));
}

bool Is_Player_In_Filter(int32_t team, int32_t slot, int32_t filter) {
    if (filter == -1) return true;
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == filter ||
           Get_Lineman_Or_Defender_Code(team, slot) == filter;
}

void Expand_Text(const std::string& text, std::string* out, const TAG_PARAMETERS* page, int32_t page_count,
                 const TAG_PARAMETERS* table, int32_t kind, int32_t row) {
    std::string tag;
    int64_t position = 0;
    while (position != -1 && !Page_Overflow) {
        position = Copy_Template_Text_To_Tag(text, &tag, out, position);
        if (tag.empty()) break;
        const int32_t type = Get_Template_Tag_Type(tag);
        if (page != nullptr && (type == TAG_VARIABLE || type == TAG_TABLE))
            for (int32_t i = 0; i < page_count && i < TAG_PARAMETER_SLOTS; ++i)
                Append_Tag_Parameter(&tag, page->Values[i], page->Keys[i]);
        if (table != nullptr && type == TAG_VARIABLE) Add_Row_Parameters_To_Tag(&tag, kind, *table, row);
        position = Expand_Template_Tag(text, &tag, out, position);
        if (out->size() > TEMPLATE_PAGE_LIMIT) Page_Overflow = true;
    }
}

int32_t Clamp_To_Int(long value) {
    return static_cast<int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

// The season index `seasons_back` seasons before the current one; a count
// past any season reads as the farthest index.
int32_t Season_Index_Back(int32_t seasons_back) {
    const int64_t season = static_cast<int64_t>(Get_User_Preference(CURRENT_SEASON_INDEX)) - seasons_back;
    return static_cast<int32_t>(std::clamp<int64_t>(season, INT32_MIN, INT32_MAX));
}

// The season of a team summary's row, counted back from the current one:
// the current season first, then each past season the team played, newest
// first, so a franchise has no row for a season before it joined.
int32_t Get_Team_Summary_Season(int32_t team, int32_t row) {
    if (row <= 0) return 0;
    const int32_t season = Get_Team_Played_Season(team, row - 1);
    return season < 0 ? MISSING_PARAMETER : Get_User_Preference(CURRENT_SEASON_INDEX) - season;
}

bool Name_Comes_After(const TEMPLATE_PLAYER& a, const TEMPLATE_PLAYER& b) {
    char last_a[PLAYER_NAME_TEXT_SIZE] = "", last_b[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Last_Name(a.Team, a.Slot, last_a);
    Get_Player_Last_Name(b.Team, b.Slot, last_b);
    const int order = std::strcmp(last_a, last_b);
    if (order != 0) return order > 0;
    char first_a[PLAYER_NAME_TEXT_SIZE] = "", first_b[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_First_Name(a.Team, a.Slot, first_a);
    Get_Player_First_Name(b.Team, b.Slot, first_b);
    Restore_Shortened_First_Name(first_a, sizeof first_a);
    Restore_Shortened_First_Name(first_b, sizeof first_b);
    return std::strcmp(first_a, first_b) > 0;
}
} // namespace

int32_t Get_Template_Tag_Type(const std::string& tag) {
    if (tag.size() < SHORTEST_SPECIAL_TAG) return TAG_TEXT;
    if (Starts_With(tag, TABLE_END_PREFIX)) return TAG_TABLE_END;
    if (Starts_With(tag, TABLE_PREFIX)) return TAG_TABLE;
    if (Starts_With(tag, VARIABLE_PREFIX)) return TAG_VARIABLE;
    return TAG_TEXT;
}

int64_t Copy_Template_Text_To_Tag(const std::string& text, std::string* tag, std::string* out,
                                  int64_t position) {
    tag->clear();
    if (position < 0 || static_cast<size_t>(position) >= text.size()) return -1;
    const size_t open = text.find('<', static_cast<size_t>(position));
    if (open == std::string::npos) {
        out->append(text, static_cast<size_t>(position), std::string::npos);
        return -1;
    }
    out->append(text, static_cast<size_t>(position), open - static_cast<size_t>(position));
    const size_t close = text.find('>', open);
    if (close == std::string::npos) {
        tag->assign(text, open, std::string::npos);
        *tag += '>';
        return -1;
    }
    tag->assign(text, open, close - open + 1);
    return static_cast<int64_t>(close + 1);
}

int64_t Collect_Table_Body(const std::string& text, std::string* body, int64_t position) {
    body->clear();
    if (position < 0 || static_cast<size_t>(position) >= text.size())
        return static_cast<int64_t>(text.size());
    const size_t start = static_cast<size_t>(position);
    size_t search = start;
    for (;;) {
        const size_t end = text.find(TABLE_END_PREFIX, search);
        if (end == std::string::npos) break;
        const size_t close = text.find('>', end);
        if (close == std::string::npos) break;
        body->assign(text, start, close - start + 1);
        return static_cast<int64_t>(close);
    }
    body->assign(text, start, std::string::npos);
    return static_cast<int64_t>(text.size());
}

int64_t Expand_Template_Tag(const std::string& text, std::string* tag, std::string* out, int64_t position) {
    switch (Get_Template_Tag_Type(*tag)) {
    case TAG_VARIABLE:
        Evaluate_Template_Variable(tag);
        *out += *tag;
        return position;
    case TAG_TABLE_END:
        return position;
    case TAG_TABLE:
        break;
    default:
        *out += *tag;
        return position;
    }
    std::string name = tag->size() > TABLE_TAG_HEAD
                           ? tag->substr(TABLE_TAG_HEAD, tag->size() - TABLE_TAG_HEAD - 1)
                           : std::string();
    TAG_PARAMETERS table{};
    Parse_Tag_Parameters(&name, &table);
    const int32_t kind = Get_Table_Kind(name);
    std::string body;
    const int64_t end = Collect_Table_Body(text, &body, position);
    const int64_t after = end < static_cast<int64_t>(text.size()) ? end + 1 : -1;
    // Tables repeated inside repeated tables multiply their rows; past the
    // depth limit an inner table is skipped as one without rows.
    if (Table_Depth >= TEMPLATE_TABLE_DEPTH_LIMIT) return after;
    const int32_t rows = Get_Table_Row_Count(kind, table);
    ++Table_Depth;
    for (int32_t row = 0; row < rows && !Page_Overflow; ++row) {
        if (++Expanded_Rows > TEMPLATE_ROW_LIMIT) Page_Overflow = true;
        Expand_Text(body, out, nullptr, 0, &table, kind, row);
    }
    --Table_Depth;
    return after;
}

int32_t Get_Tag_Key(const std::string& name) {
    for (int32_t key = 1; key < KEY_NAME_COUNT; ++key)
        if (name == KEY_NAMES[key]) return key;
    return KEY_UNKNOWN;
}

void Parse_Tag_Parameters(std::string* text, TAG_PARAMETERS* parameters) {
    *parameters = {};
    for (int32_t slot = TAG_PARAMETER_SLOTS - 1; slot >= 0; --slot) {
        if (text->empty() || text->back() != ']') return;
        const size_t open = text->rfind('[');
        if (open == std::string::npos) return;
        const std::string group = text->substr(open + 1, text->size() - open - 2);
        text->erase(open);
        const size_t equals = group.find('=');
        const std::string key = group.substr(0, equals);
        long value = 0;
        if (equals != std::string::npos) {
            errno = 0;
            value = std::strtol(group.c_str() + equals + 1, nullptr, 10);
        }
        parameters->Keys[slot] = Get_Tag_Key(key);
        parameters->Values[slot] = Clamp_To_Int(value);
    }
}

int32_t Get_Tag_Parameter(const TAG_PARAMETERS& parameters, int32_t key) {
    for (int32_t slot = 0; slot < TAG_PARAMETER_SLOTS; ++slot)
        if (parameters.Keys[slot] == key) return parameters.Values[slot];
    return MISSING_PARAMETER;
}

void Append_Tag_Parameter(std::string* tag, int32_t value, int32_t key) {
    if (!tag->empty() && tag->back() == '>') tag->pop_back();
    char group[64];
    std::snprintf(group, sizeof group, "[%s=%d]", key >= 0 && key < KEY_NAME_COUNT ? KEY_NAMES[key] : "",
                  value);
    *tag += group;
    *tag += '>';
}

void Add_Row_Parameters_To_Tag(std::string* tag, int32_t kind, const TAG_PARAMETERS& table, int32_t row) {
    const auto P = [&table](int32_t key) { return Get_Tag_Parameter(table, key); };
    switch (kind) {
    case TABLE_DIVISION_STANDING: {
        const int32_t season = Season_Index_Back(P(KEY_SEASON));
        Append_Tag_Parameter(tag, Get_Division_Place_Team(P(KEY_DIVIS), row, season), KEY_TEAM);
        Append_Tag_Parameter(tag, P(KEY_SEASON), KEY_SEASON);
        break;
    }
    case TABLE_GAME_BY_GAME:
        Append_Tag_Parameter(tag, row, KEY_WEEK);
        Append_Tag_Parameter(tag, P(KEY_TEAM), KEY_TEAM);
        break;
    case TABLE_PLAYERS:
    case TABLE_PLAYERS_BY_NAME: {
        const bool listed = row >= 0 && static_cast<size_t>(row) < Template_Player_List.size();
        const TEMPLATE_PLAYER player =
            listed ? Template_Player_List[static_cast<size_t>(row)] : TEMPLATE_PLAYER{NO_TEAM, NO_PLAYER};
        Append_Tag_Parameter(tag, player.Slot, KEY_PLAYER);
        Append_Tag_Parameter(tag, player.Team, KEY_TEAM);
        Append_Tag_Parameter(tag, 0, KEY_SEASON);
        break;
    }
    case TABLE_LEADERS:
        Append_Tag_Parameter(tag, row, KEY_COUNT);
        break;
    case TABLE_PLAYER_STATS: {
        const bool last = row == Count_Player_Career_Seasons(P(KEY_TEAM), P(KEY_PLAYER));
        Append_Tag_Parameter(tag, last ? SEASON_CAREER : row + FIRST_SEASON_LINE_SELECTOR, KEY_SEASON);
        Append_Tag_Parameter(tag, P(KEY_TEAM), KEY_TEAM);
        Append_Tag_Parameter(tag, P(KEY_PLAYER), KEY_PLAYER);
        break;
    }
    case TABLE_WEEK_GAMES:
        Append_Tag_Parameter(tag, row + Get_Week_First_Game_Index(P(KEY_WEEK)), KEY_GAME);
        break;
    case TABLE_TEAM_SUMMARY:
        Append_Tag_Parameter(tag, P(KEY_TEAM), KEY_TEAM);
        Append_Tag_Parameter(tag, Get_Team_Summary_Season(P(KEY_TEAM), row), KEY_SEASON);
        break;
    case TABLE_PLAYOFF_GAME_BY_GAME: {
        // A row for each of the team's playoff games, in the week it was
        // played: a team that waited out a round has no row for it.
        int32_t weeks[NUMBER_OF_SCHEDULE_WEEKS];
        const int32_t played = Get_Team_Playoff_Weeks(P(KEY_TEAM), Count_Encyclopedia_Weeks(), weeks);
        Append_Tag_Parameter(tag, P(KEY_TEAM), KEY_TEAM);
        Append_Tag_Parameter(tag, row >= 0 && row < played ? weeks[row] : -1, KEY_WEEK);
        break;
    }
    case TABLE_GAME_PLAYS:
        Append_Tag_Parameter(tag, P(KEY_GAME), KEY_GAME);
        Append_Tag_Parameter(tag, row, KEY_PLAY);
        break;
    default:
        break;
    }
}

int32_t Get_Table_Kind(const std::string& name) {
    for (int32_t kind = 1; kind < TABLE_NAME_COUNT; ++kind)
        if (name == TABLE_NAMES[kind]) return kind;
    return TABLE_NONE;
}

int32_t Get_Table_Row_Count(int32_t kind, const TAG_PARAMETERS& table) {
    const auto P = [&table](int32_t key) { return Get_Tag_Parameter(table, key); };
    const int32_t weeks = Regular_Weeks();
    switch (kind) {
    case TABLE_DIVISION_STANDING:
        return Count_Division_Season_Teams(P(KEY_DIVIS), Season_Index_Back(P(KEY_SEASON)));
    case TABLE_GAME_BY_GAME:
        // The weeks played of the regular season; the playoff weeks have rows
        // of their own, under their rounds' names.
        return std::clamp(Get_User_Preference(CURRENT_WEEK), 0,
                          std::min(weeks, static_cast<int32_t>(NUMBER_OF_SCHEDULE_WEEKS)));
    case TABLE_PLAYERS:
        // The row count is the list's own length, so rows and list always agree.
        return Build_Template_Player_List(P(KEY_TEAM), P(KEY_POS), 0);
    case TABLE_LEADERS:
        Build_Template_Leader_List(&Template_Leader_List, P(KEY_LEAGUE), Get_Next_Leader_Category(),
                                   P(KEY_SEASON));
        ++Leader_Table_Counter;
        return 10;
    case TABLE_PLAYER_STATS:
        return Is_Player_Slot_Used(P(KEY_TEAM), P(KEY_PLAYER))
                   ? Count_Player_Career_Seasons(P(KEY_TEAM), P(KEY_PLAYER)) + 1
                   : 0;
    case TABLE_WEEK_GAMES: {
        const int32_t week = P(KEY_WEEK);
        return week >= 0 && week < NUMBER_OF_SCHEDULE_WEEKS ? Get_Week_Game_Count(week) : 0;
    }
    case TABLE_TEAM_SUMMARY:
        return 1 + Count_Team_Played_Seasons(P(KEY_TEAM));
    case TABLE_PLAYERS_BY_NAME: {
        const int32_t initial = P(KEY_TYPE);
        // A letter of the byte range only; any other value lists nobody.
        return initial > 0 && initial < 256 ? Build_Template_Player_List(0, 0, initial) : 0;
    }
    case TABLE_PLAYOFF_GAME_BY_GAME:
        return Get_Team_Playoff_Weeks(P(KEY_TEAM), Count_Encyclopedia_Weeks(), nullptr);
    case TABLE_GAME_PLAYS: {
        const GAME_RECORD* game = Get_Template_Game(P(KEY_GAME));
        return game != nullptr ? std::clamp<int32_t>(game->Play_Log_Count, 0, MAX_PLAY_LOG_ENTRIES) : 0;
    }
    default:
        return -1;
    }
}

int32_t Build_Template_Player_List(int32_t team, int32_t filter, int32_t initial) {
    Template_Player_List.clear();
    const bool whole_league = initial != 0 || team == -1;
    for (int32_t member = 0; member < MAX_FRANCHISES; ++member) {
        if (!Is_Active_Team(member)) continue;
        if (!whole_league && member != team) continue;
        const int32_t players = Get_First_Empty_Player_Slot(member);
        for (int32_t slot = 0; slot < players; ++slot) {
            if (initial != 0) {
                const auto first =
                    static_cast<uint8_t>(Get_Player_Record_Pointer(member, slot)->Last_Name[0]);
                if (first != static_cast<uint8_t>(initial)) continue;
            } else if (!Is_Player_In_Filter(member, slot, filter)) {
                continue;
            }
            Template_Player_List.push_back({static_cast<uint8_t>(member), static_cast<uint8_t>(slot)});
        }
    }
    if (whole_league)
        Sort_Player_List_By_Name(Template_Player_List.data(),
                                 static_cast<int32_t>(Template_Player_List.size()));
    return static_cast<int32_t>(Template_Player_List.size());
}

void Sort_Player_List_By_Name(TEMPLATE_PLAYER* list, int32_t count) {
    if (list == nullptr || count < 2) return;
    // Adjacent swaps of strictly greater names only: a stable order, so
    // players of equal names keep the order they were listed in.
    std::stable_sort(list, list + count, [](const TEMPLATE_PLAYER& a, const TEMPLATE_PLAYER& b) {
        return Name_Comes_After(b, a);
    });
}

const std::vector<TEMPLATE_PLAYER>& Get_Template_Player_List() {
    return Template_Player_List;
}

void Restore_Shortened_First_Name(char* first_name, int32_t size) {
    if (first_name == nullptr || size <= 0) return;
    const size_t length = std::strlen(first_name);
    for (const char* full : SHORTENED_FIRST_NAMES) {
        const size_t full_length = std::strlen(full);
        if (length + 1 != full_length || std::strncmp(first_name, full, length) != 0) continue;
        safe_strncpy(first_name, full, size);
        return;
    }
}

const TOP_TEN_LIST& Get_Template_Leader_List() {
    return Template_Leader_List;
}

int32_t Get_Next_Leader_Category() {
    return LEADER_CATEGORY_SEQUENCE[std::clamp(Leader_Table_Counter, 0, LEADER_TABLE_LAST)];
}

void Reset_Template_Page_State() {
    Leader_Table_Counter = 0;
    Table_Depth = 0;
    Expanded_Rows = 0;
    Page_Overflow = false;
}

bool Expand_Template_Text(const std::string& text, const TAG_PARAMETERS& page, int32_t count,
                          std::string* out) {
    Reset_Template_Page_State();
    Expand_Text(text, out, &page, count, nullptr, TABLE_NONE, 0);
    return !Page_Overflow;
}

int32_t Write_Template_Page(const char* template_name, const TAG_PARAMETERS& page, int32_t count) {
    Reset_Template_Page_State();
    if (template_name == nullptr) return TEMPLATE_PAGE_FAILED;
    char name[TEMPLATE_FOLDER_NAME_SIZE];
    safe_sprintf(name, sizeof name, "HTML_Templates/%s", template_name);
    FILE* file = Open_Resolved_File(name, "rb");
    if (file == nullptr) return TEMPLATE_PAGE_FAILED;
    std::string text;
    char block[65536];
    size_t read;
    while ((read = std::fread(block, 1, sizeof block, file)) > 0) {
        if (static_cast<long long>(text.size() + read) > TEMPLATE_FILE_LIMIT) {
            std::fclose(file);
            return TEMPLATE_TOO_LARGE;
        }
        text.append(block, read);
    }
    // A template that cannot be read to its end (a folder in its place among
    // them) is no template: its page is not written.
    const bool unreadable = std::ferror(file) != 0;
    std::fclose(file);
    if (unreadable) return TEMPLATE_PAGE_FAILED;
    // The template is one NUL-terminated text: anything after a NUL is not read.
    text.resize(std::strlen(text.c_str()));

    const std::string path = Make_Encyclopedia_Page_Path(template_name, page, count);
    if (path.empty()) return TEMPLATE_PAGE_FAILED;
    std::string out;
    out.reserve(text.size() * 2);
    if (!Expand_Template_Text(text, page, count, &out)) return TEMPLATE_PAGE_FAILED;
    const std::string page_file = Get_Export_Disk_Path(path);
    FILE* output = std::fopen(page_file.c_str(), "wb");
    if (output == nullptr) return TEMPLATE_PAGE_FAILED;
    const bool written = std::fwrite(out.data(), 1, out.size(), output) == out.size();
    const bool closed = std::fclose(output) == 0;
    if (written && closed) return TEMPLATE_PAGE_WRITTEN;
    std::remove(page_file.c_str());
    return TEMPLATE_PAGE_FAILED;
}
