#include "engine/game_files.h"

#include <cstring>

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/play_text.h"
#include "engine/row_text.h"
#include "reports/box_score_tables.h"
#include "reports/html_text.h"
#include "tools/image_downloads.h"

namespace {

// Growable buffers: a long game never truncates its pages.
std::string Page_Head_Text;
std::string Play_By_Play_HTML;
std::string Plain_Play_Text;

// Where the last overtime period's header stands in each log: its start and
// the log's length right after it. A game that ends on a period's mark (the
// end of regulation above all) has the next period's header written already;
// with nothing under it, it is taken back.
struct PERIOD_HEADER_MARK {
    size_t Start = std::string::npos;
    size_t End = std::string::npos;
};
PERIOD_HEADER_MARK Html_Header_Mark;
PERIOD_HEADER_MARK Plain_Header_Mark;

void Drop_Header_Without_Plays(std::string& log, PERIOD_HEADER_MARK& mark) {
    if (mark.Start != std::string::npos && log.size() == mark.End) log.resize(mark.Start);
    mark = {};
}

std::string Team_String(int32_t team, int32_t index) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) return "";
    char text[TEAM_STRING_LENGTH + 16];
    Get_Team_String(text, team, index);
    return text;
}

std::string Display_Name(int32_t team) {
    char text[FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(team, text);
    return text;
}

std::string Record_Text(int32_t team) {
    if (team < 0 || team >= MAX_FRANCHISES) return "";
    std::string text;
    int32_t ties = Get_Team_Ties(team);
    if (ties != 0)
        Append_Built_Format<"%d-%d-%d">(text, Get_Team_Wins(team), Get_Team_Losses(team), ties);
    else
        Append_Built_Format<"%d-%d">(text, Get_Team_Wins(team), Get_Team_Losses(team));
    return text;
}

void Make_File_Name(char* buffer, const char* kind, int32_t year, int32_t game) {
    std::snprintf(buffer, 64, "Output\\%s-%02d-%03d.htm", kind, ((year % 100) + 100) % 100, game);
}

// The link to the logo the season's copy wrote for the team, from the page's
// folder one level below the installation's root, with the folders spelled
// as they are on disk (the copy's "Logos" may be the installation's "logos").
// Empty when there is no such file (a nickname the logo lists do not know
// was never copied): the page then shows no picture rather than a broken one.
std::string Logo_Link(int32_t team, int32_t season_year) {
    char path[IMAGE_DOWNLOAD_PATH_SIZE];
    if (Format_Downloaded_Logo_Path(team, season_year, path) == 0) return "";
    const std::string resolved = Resolve_File_Path(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(resolved, error)) return "";
    return "../" + Encode_Disk_Link_Path(resolved);
}

int32_t Shown_Game_Year() {
    int32_t year = Get_Current_Year();
    return Get_Current_Week() == 100 ? year - 1 : year;
}

// Writes the page head and `body` to the file in one call; a file that
// cannot be opened is skipped. The page of a game number already used is
// written over the old one, and the file cut to its length only when the old
// page was longer: both cost the file system far less than emptying it
// first. Such a page is opened as its name is spelled, without looking the
// folder up first: a name that opens so is the one the case-blind lookup
// would find. Any other is looked up, and its folder made, before it is
// created.
void Write_Page(const char* name, const std::string& body) {
    std::string spelled = name;
    for (char& c : spelled)
        if (c == '\\') c = '/';
    int file = ::open(spelled.c_str(), O_WRONLY);
    if (file < 0) {
        std::error_code error;
        std::filesystem::create_directories(Resolve_File_Path("Output"), error);
        const std::string path = Resolve_File_Path(name);
        file = ::open(path.c_str(), O_WRONLY | O_CREAT, 0666);
        if (file < 0) return;
        Note_Created_File(path);
    }
    // The old page's length (-1 when unknown: the file is cut then); the page
    // is written from the start whatever the file position.
    const off_t old_size = ::lseek(file, 0, SEEK_END);
    const std::string& head = Page_Head_Text;
    const size_t total = head.size() + body.size();
    size_t written = 0;
    while (written < total) {
        iovec parts[2];
        int count = 0;
        if (written < head.size())
            parts[count++] = {const_cast<char*>(head.data()) + written, head.size() - written};
        const size_t into_body = written < head.size() ? 0 : written - head.size();
        parts[count++] = {const_cast<char*>(body.data()) + into_body, body.size() - into_body};
        const ssize_t n = ::pwritev(file, parts, count, static_cast<off_t>(written));
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    if ((old_size < 0 || old_size > static_cast<off_t>(written)) &&
        ::ftruncate(file, static_cast<off_t>(written)) != 0)
        Log_Debug_Line("Could not cut %s to its page", name);
    ::close(file);
}

} // namespace

int32_t Get_Result_Points(int32_t result) {
    switch (result) {
    case 6:
    case 7:
    case 12:
    case 14:
    case 19:
    case 23:
        return 6;
    case 15:
        return 3;
    case 8:
    case 29:
        return 2;
    case 27:
        return 1;
    default:
        return 0;
    }
}

std::string& Get_Page_Head_Text() {
    return Page_Head_Text;
}
std::string& Get_Play_By_Play_HTML() {
    return Play_By_Play_HTML;
}
std::string& Get_Plain_Play_Text() {
    return Plain_Play_Text;
}

bool Is_Plain_Play_Text_Kept(const GAME_RECORD* pGame) {
    return Get_User_Preference(SIMULATION_RUNNING) == 0 || Is_Game_Play_By_Play(pGame) != 0;
}

void Clear_Game_Text_Buffers() {
    Page_Head_Text.clear();
    Play_By_Play_HTML.clear();
    Plain_Play_Text.clear();
    Html_Header_Mark = {};
    Plain_Header_Mark = {};
    Get_Box_Score_HTML().clear();
}

std::string Escape_HTML(const char* text) {
    std::string out;
    Append_Escaped_HTML(out, text);
    return out;
}

void Append_Escaped_HTML(std::string& out, const char* text) {
    if (text == nullptr) return;
    // The plain runs between the characters to escape go in at once.
    STRING_TEXT appended{out};
    Put_Escaped_Text(appended, text);
}

void Get_Box_File_Name(char* buffer) {
    Make_File_Name(buffer, "Box", Get_Current_Year(), Get_User_Preference(CURRENT_GAME_NUMBER));
}
void Get_Recap_File_Name(char* buffer) {
    Make_File_Name(buffer, "Recap", Get_Current_Year(), Get_User_Preference(CURRENT_GAME_NUMBER));
}
void Get_Chosen_Game_Box_File_Name(char* buffer) {
    Make_File_Name(buffer, "Box", Shown_Game_Year(), Get_User_Preference(SHOWN_GAME_INDEX));
}
void Get_Chosen_Game_Recap_File_Name(char* buffer) {
    Make_File_Name(buffer, "Recap", Shown_Game_Year(), Get_User_Preference(SHOWN_GAME_INDEX));
}

// The game's date: the day of its week the calendar shows it on (the home
// team's schedule entry), dated by the season year's own calendar; Sunday
// when the entry names no day. The record's game day holds the kickoff time,
// not a day.
namespace {
constexpr int32_t SUNDAY = 6;

void Format_Game_Date(const GAME_RECORD* pGame, char* date) {
    const int32_t weekday = Get_Team_Week_Weekday(pGame->Team[1], pGame->Week);
    const int32_t day =
        Get_Season_Week_Day_Number(pGame->Season_Year, pGame->Week, weekday < 0 ? SUNDAY : weekday);
    Format_Date_With_Year(day % DAYS_PER_YEAR, pGame->Season_Year + day / DAYS_PER_YEAR, date);
}
} // namespace

void Write_Game_Start_Text(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    char date[FORMATTED_TEXT_SIZE];
    Format_Game_Date(pGame, date);
    std::string away = Display_Name(pGame->Team[0]);
    std::string home = Display_Name(pGame->Team[1]);
    if (Is_Plain_Play_Text_Kept(pGame))
        Plain_Play_Text += std::string(date) + ": " + away + " at " + home + "\n";
    Page_Head_Text += "<HTML><HEAD><TITLE>" + Escape_HTML(date) + ": " + Escape_HTML(away.c_str()) + " at " +
                      Escape_HTML(home.c_str()) + "</TITLE>\n";
    Page_Head_Text += "<LINK href=\"..\\HTML_Templates\\CSS\\styles.css\" type=text/css rel=stylesheet>\n";
    Page_Head_Text += "<META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\">\n";
    Page_Head_Text += "<STYLE type=text/css>BODY { background-color: #606080; background-image: "
                      "url(wallpaper.JPG); }</STYLE>\n";
    Page_Head_Text += "</HEAD><BODY>\n";
    Page_Head_Text +=
        "<TABLE cellSpacing=0 cellPadding=0 border=0 align=\"center\" width=992><TBODY><TR><TD>\n";
}

void Write_Box_Score_Top(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    std::string& head = Page_Head_Text;
    head += "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY><TR>\n";
    for (int side = 0; side < 2; ++side) {
        const std::string link = Logo_Link(pGame->Team[side], pGame->Season_Year);
        // Each logo keeps its half of the row, also beside a team shown without one.
        if (link.empty())
            head += "<TD width=\"50%\" class=ltc></TD>\n";
        else
            Append_Built_Format<"<TD width=\"50%%\" class=ltc><IMG src=\"%s\"></TD>\n">(head, link.c_str());
    }
    head += "</TR><TR><TD colspan=2 class=ltc>";
    head += Escape_HTML(Display_Name(pGame->Team[0]).c_str()) + " (" + Record_Text(pGame->Team[0]) + ") at " +
            Escape_HTML(Display_Name(pGame->Team[1]).c_str()) + " (" + Record_Text(pGame->Team[1]) + ")";
    head += "</TD></TR></TBODY></TABLE><BR>\n";

    // Score by period, added up from the scoring plays of the log.
    int32_t points[2][5] = {};
    int32_t log_count = Clamp_Int(0, MAX_PLAY_LOG_ENTRIES, pGame->Play_Log_Count);
    for (int32_t i = 0; i < log_count; ++i) {
        const PLAY_LOG_ENTRY& entry = pGame->Play_Log[i];
        int32_t result = Get_Play_Result(entry.Play_Word);
        int32_t value = Get_Result_Points(result);
        if (value == 0) continue;
        int32_t clock = entry.Clock;
        // A try after a touchdown on a period's last snap is snapped on the
        // mark; its points belong to the touchdown's period.
        if (result >= RESULT_EXTRA_POINT_GOOD && result <= RESULT_TWO_POINT_FAILED && clock > 0 &&
            clock % 900 == 0)
            --clock;
        int32_t period = Clamp_Int(0, 4, clock / 900);
        points[Get_Scoring_Side(entry.Play_Word)][period] += value;
    }
    head +=
        "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=500><TBODY><TR class=header0>"
        "<TD class=ltl></TD><TD class=ltc>1</TD><TD class=ltc>2</TD><TD class=ltc>3</TD><TD class=ltc>4</TD>"
        "<TD class=ltc>OT</TD><TD class=ltc>Final</TD></TR>\n";
    for (int side = 0; side < 2; ++side) {
        Append_Built_Format<"<TR class=%s><TD class=lml>%s</TD>">(
            head, side == 0 ? "none" : "highlight",
            Escape_HTML(Team_String(pGame->Team[side], 1).c_str()).c_str());
        for (int q = 0; q < 5; ++q)
            Append_Built_Format<"<TD class=lmc>%d</TD>">(head, points[side][q]);
        Append_Built_Format<"<TD class=lmc>%d</TD></TR>\n">(head, pGame->Score[side]);
    }
    head += "</TBODY></TABLE><BR>\n";
}

void Write_Period_Header(const GAME_RECORD* pGame, int32_t period) {
    if (pGame == nullptr) return;
    char label[32];
    Get_Period_Label(period, label, sizeof label);
    const bool overtime = period > 4;
    if (Is_Plain_Play_Text_Kept(pGame)) {
        const size_t start = Plain_Play_Text.size();
        char line[TEXT_BUFFER_SIZE];
        safe_sprintf(line, sizeof line,
                     "\n %s <=> Down Yardline Offensive Play           Defensive Play           Result\n",
                     label);
        Plain_Play_Text += line;
        Plain_Play_Text +=
            " ----------- ---- -------- ------------------------ ------------------------ ------\n";
        if (overtime) Plain_Header_Mark = {start, Plain_Play_Text.size()};
    }
    if (period == 1)
        Play_By_Play_HTML +=
            "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY>\n";
    const size_t start = Play_By_Play_HTML.size();
    Play_By_Play_HTML += "<TR class=header0><TD colspan=7 class=ltl>";
    Play_By_Play_HTML += label;
    Play_By_Play_HTML += "</TD></TR>\n<TR class=header1><TD class=ltc>Team</TD><TD class=ltc>Clock</TD>"
                         "<TD class=ltc>Down</TD><TD class=ltc>Yardline</TD><TD class=ltc>Offensive Play</TD>"
                         "<TD class=ltc>Defensive Play</TD><TD class=ltc>Result</TD></TR>\n";
    if (overtime) Html_Header_Mark = {start, Play_By_Play_HTML.size()};
}

void Close_Play_By_Play_Tables() {
    Drop_Header_Without_Plays(Play_By_Play_HTML, Html_Header_Mark);
    Drop_Header_Without_Plays(Plain_Play_Text, Plain_Header_Mark);
    Play_By_Play_HTML += "</TBODY></TABLE></HTML>";
}

void Write_Box_Score_File(int bClear) {
    char name[64];
    Get_Box_File_Name(name);
    Write_Page(name, Get_Box_Score_HTML());
    if (bClear) Get_Box_Score_HTML().clear();
}

void Write_Recap_File(int bClear) {
    char name[64];
    Get_Recap_File_Name(name);
    Write_Page(name, Play_By_Play_HTML);
    if (bClear) {
        Plain_Play_Text.clear();
        Page_Head_Text.clear();
        Play_By_Play_HTML.clear();
        Html_Header_Mark = {};
        Plain_Header_Mark = {};
    }
}
