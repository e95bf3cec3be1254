#pragma once
// The HTML template engine: a template of "HTML_Templates" becomes one page.
// Text and ordinary tags are copied; "<gdk:var ...>" is replaced by one value
// of the league (template_variables.h); "<gdk:table ...>" repeats the text up
// to the next "</gdk:table>" once for each row of a table kind. Parameters
// are groups "[KEY=value]" at the end of a tag.
#include <cstdint>
#include <string>
#include <vector>

#include "reports/top_ten_lists.h"

constexpr int32_t TAG_PARAMETER_SLOTS = 6;
// A key a tag does not carry reads as this.
constexpr int32_t MISSING_PARAMETER = -100;

// Six keys followed by six values; slot i holds key i and value i; key 0
// marks an empty slot. The last group of a tag goes into slot 5.
struct TAG_PARAMETERS {
    int32_t Keys[TAG_PARAMETER_SLOTS];
    int32_t Values[TAG_PARAMETER_SLOTS];
};

enum TEMPLATE_KEY : int32_t {
    KEY_UNKNOWN = -1,
    KEY_GAME = 1,
    KEY_TEAM,
    KEY_WEEK,
    KEY_PLAYER,
    KEY_STAT,
    KEY_LEAGUE,
    KEY_DIVIS,
    KEY_POS,
    KEY_COUNT,
    KEY_SEASON,
    KEY_TYPE,
    KEY_LEADERSTAT,
    KEY_PLAY,
};

enum TEMPLATE_TAG_TYPE : int32_t {
    TAG_TEXT = 0,
    TAG_VARIABLE = 1,
    TAG_TABLE = 2,
    TAG_TABLE_END = 3,
};

enum TABLE_KIND : int32_t {
    TABLE_NONE = 0,
    TABLE_DIVISION_STANDING,
    TABLE_GAME_BY_GAME,
    TABLE_PLAYERS,
    TABLE_LEADERS,
    TABLE_PLAYER_STATS,
    TABLE_WEEK_GAMES,
    TABLE_TEAM_SUMMARY,
    TABLE_PLAYERS_BY_NAME,
    TABLE_PLAYOFF_GAME_BY_GAME,
    TABLE_GAME_PLAYS,
};

// The list of the current tPlayers or tPlayersByName table: team and slot of each row.
struct TEMPLATE_PLAYER {
    uint8_t Team;
    uint8_t Slot;
};

// Write_Template_Page results.
constexpr int32_t TEMPLATE_PAGE_FAILED = 0;
constexpr int32_t TEMPLATE_PAGE_WRITTEN = 1;
constexpr int32_t TEMPLATE_TOO_LARGE = 2;
// The most a template file may hold. The installation's hold under 16 KB; a
// template many times that is no page design, and is refused unread rather
// than taken into memory whole.
constexpr long long TEMPLATE_FILE_LIMIT = 1LL << 20;

// Expands "HTML_Templates/" + `template_name` into the page's file (named by
// Make_Encyclopedia_Page_Path); the first `count` slots of `page` are added
// to every variable and table tag. TEMPLATE_PAGE_WRITTEN when the page was
// written; TEMPLATE_TOO_LARGE when the template holds more than
// TEMPLATE_FILE_LIMIT bytes; TEMPLATE_PAGE_FAILED when the template cannot be
// read, the page has no path or cannot be written, or its expansion passed
// the page's limits (nothing is left of it then).
int32_t Write_Template_Page(const char* template_name, const TAG_PARAMETERS& page, int32_t count);
// The same expansion of a template text held in memory; false when the
// expansion passed the page's limits (the output holds what was written).
bool Expand_Template_Text(const std::string& text, const TAG_PARAMETERS& page, int32_t count,
                          std::string* out);
// The most a page may grow to; a template whose tables multiply past it is
// refused (the page is not written, and the export counts it among the pages
// it could not write). The largest page the installation's templates make,
// every player of a full league in one table, is well under a megabyte; a
// page many times that size is more than a reader can use.
constexpr size_t TEMPLATE_PAGE_LIMIT = 4u << 20;
// Tables opened inside the body of a table being repeated, at most.
constexpr int32_t TEMPLATE_TABLE_DEPTH_LIMIT = 3;
// Table rows a page expands at most (its tables multiplied out), rows that
// write nothing included. A whole league lists a few thousand players.
constexpr int64_t TEMPLATE_ROW_LIMIT = 100000;

// Writes text[position ..] up to the next "<" into `out`, collects the tag
// from that "<" to the next ">" (a ">" is added when the text ends first)
// into `tag` and returns the position after it; -1 when the text ends (the
// tag then holds what was collected, empty when no "<" was left).
int64_t Copy_Template_Text_To_Tag(const std::string& text, std::string* tag, std::string* out,
                                  int64_t position);
// Handles one collected tag; returns the position at which copying goes on.
int64_t Expand_Template_Tag(const std::string& text, std::string* tag, std::string* out, int64_t position);
// Copies text[position ..] up to and including the next "</gdk:table" tag into
// `body`; returns the position of that tag's ">" (the text's end when none).
int64_t Collect_Table_Body(const std::string& text, std::string* body, int64_t position);
int32_t Get_Template_Tag_Type(const std::string& tag);

// Removes the parameter groups from the end of `text` (at most six).
void Parse_Tag_Parameters(std::string* text, TAG_PARAMETERS* parameters);
int32_t Get_Tag_Parameter(const TAG_PARAMETERS& parameters, int32_t key);
// The key of a group's name, KEY_UNKNOWN for any other text.
int32_t Get_Tag_Key(const std::string& name);
void Append_Tag_Parameter(std::string* tag, int32_t value, int32_t key);
void Add_Row_Parameters_To_Tag(std::string* tag, int32_t kind, const TAG_PARAMETERS& table, int32_t row);
int32_t Get_Table_Kind(const std::string& name);
// Rows of a table; -1 for kind 0. Builds the player and leader lists the rows read.
int32_t Get_Table_Row_Count(int32_t kind, const TAG_PARAMETERS& table);

// Fills the template player list: `initial` not 0 takes the players whose
// last name begins with it, by name; team -1 takes the whole league (filter
// -1 every player, else a position or the unit codes 16 and 17), by name; a
// team takes its own in slot order. Returns the number of players.
int32_t Build_Template_Player_List(int32_t team, int32_t filter, int32_t initial);
void Sort_Player_List_By_Name(TEMPLATE_PLAYER* list, int32_t count);
const std::vector<TEMPLATE_PLAYER>& Get_Template_Player_List();
// The first name as it is written when the name field cut its last letter.
void Restore_Shortened_First_Name(char* first_name, int32_t size);

// The leaders list of the last tLeaders table of the page.
const TOP_TEN_LIST& Get_Template_Leader_List();
// The leader category of the next tLeaders table of the page.
int32_t Get_Next_Leader_Category();
// Starts a page: the leader tables count from the first again.
void Reset_Template_Page_State();
