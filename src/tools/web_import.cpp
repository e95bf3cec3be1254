#include "tools/web_import.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <strings.h>
#include <unordered_set>

#include "app/diagnostics.h"
#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "tools/player_pages.h"
#include "tools/position_abbreviations.h"
#include "tools/web_pages.h"

const char* const SEASONS_CSV_HEADER =
    "VorlanID,PlayerID,SeasonFlag,Year,Team,Uniform,Name,Position,Active,G,GS,PaAtt,PaCom,PaYds,PaTD,PaInt,"
    "PaQBR,"
    "PaLg,PaSk,PaSkYds,RuAtt,RuYds,RuTD,RuLg,Targeted,Recepts,ReYds,ReTD,ReLg,Fumbles,FumblesLost,"
    "PuntReturns,"
    "PuntRetYds,PuntRetTD,PuntRetLg,KickReturns,KickRetYds,KickRetTD,KickRetLg,Comb,Asst,TklForLoss,Sk,SkYds,"
    "QB_Hits,PD,FF,FR,Fum_Ret_Yds,Fum_Ret_TD,Int,Int_Return_Yds,Int_Return_TD,Blocks,ST_Tkl,ST_Asst,Off_Tkl,"
    "Off_Asst,Punts,PuntYards,FGA,FGM,FG_Lg,XPM,PuntRetFC,TB,Inside20,PuntNetAvg,XPA,SAF,FG_Blocked,Punts_"
    "Blocked,"
    "XP_Blocked,PuntLg,PuntNetYds,OffSnaps,DefSnaps,ST_Snaps,OffTeamSnaps,DefTeamSnaps,ST_TeamSnaps,FGM_"
    "Under_20,"
    "FGM_20_29,FGM_30_39,FGM_40_49,FGM_50_Plus,FGA_Under_20,FGA_20_29,FGA_30_39,FGA_40_49,FGA_50_Plus,YAC,"
    "Rec_1stD,DefIntLg,Value,Rush_1stD,Pass_1stD";
const char* const PLAYERS_CSV_HEADER =
    "Korva ID,Vorlan ID,Player ID,Team,Uniform,First Name,Last Name,Nickname,Position,,Height,Weight,College,"
    "NFL Seasons,Full Name [Not Used],Given Name [Not Used],,Draft Team,Draft Year,Draft Round,Overall Pick,"
    "Undrafted,Feet,Inches,Birth Month,Birth Date,Birth Year";
const char* const PERSONNEL_CSV_HEADER = "Year,Team,Offensive Personnel,Defensive Personnel";
const char* const COMBINE_CSV_HEADER =
    "VorlanID,PlayerID,Name,Year,Position,Height,Weight,40-Yard Dash,Bench Reps,"
    "Broad Jump,20-Yard Shuttle,3-Cone Drill,Vertical";

namespace {
constexpr const char* ROSTERS_HEADER = "VorlanID,PlayerID,FirstName,LastName,%d_Team,Position,Height,Weight,"
                                       "BirthMonth,BirthDate,BirthYear,WeeksOut,Reason,Starter";
constexpr const char* SALARIES_HEADER = "VorlanID,PlayerID,%d Team,Uniform,FirstName,LastName,Position,Depth "
                                        "Chart,Weeks Out,Reason Out,Years Remaining,Average Salary,Signing "
                                        "Bonus,Contract Years,Cap Hit";
constexpr const char* SALARIES_MISSING_HEADER = "FirstName,LastName,Team,Position";
constexpr const char* INJURY_LIST = "Input/Downloads/Injuries.txt";
constexpr int32_t TEAM_STRING_LOCATION = 1;
constexpr int32_t TEAM_STRING_NICKNAME = 2;
constexpr int32_t STARTERS = 11;
constexpr int32_t SEASON_STEPS = 33;
constexpr int32_t EXPANDED_NOSE_TACKLE = 28;
constexpr int32_t NAME_SIZE = 64;

const char* const SITE_TEAM_CODES[SITE_TEAMS] = {"crd", "atl", "rav", "buf", "car", "chi", "cin", "cle",
                                                 "dal", "den", "det", "gnb", "htx", "clt", "jax", "kan",
                                                 "rai", "sdg", "ram", "mia", "min", "nwe", "nor", "nyg",
                                                 "nyj", "phi", "pit", "sfo", "sea", "tam", "oti", "was"};
const char* const DOWNLOAD_FOLDERS[] = {"Input/Downloads",           "Input/Downloads/Contracts",
                                        "Input/Downloads/Logos",     "Input/Downloads/Players",
                                        "Input/Downloads/Portraits", "Input/Downloads/Rosters",
                                        "Input/Stats/Players",       "Input/Stats/Historical"};

// The ids of the import; a set, so a long import looks them up at once.
std::unordered_set<std::string> download_ids;
bool id_table_full_told = false;

// The running session's files: final path -> temporary path.
struct IMPORT_FILES {
    bool Running = false;
    std::map<std::string, std::string> Temporary;
};
IMPORT_FILES import_files;

std::unique_ptr<char[]> Page_Line() {
    return std::unique_ptr<char[]>(new char[PAGE_LINE_LIMIT]());
}

std::string Temporary_Name(const std::string& path) {
    return path + ".import";
}

// The temporary file of `name`, made on first use: afresh when `header` is
// given, else from the file as it stands.
FILE* Open_Import_File(const char* name, const char* header) {
    const std::string path = Resolve_File_Path(name);
    if (!import_files.Running) {
        Create_File_Folder(name);
        FILE* file = fopen(path.c_str(), header != nullptr ? "w" : "a");
        if (file != nullptr && header != nullptr) fprintf(file, "%s\n", header);
        return file;
    }
    auto found = import_files.Temporary.find(path);
    const bool fresh = header != nullptr || found == import_files.Temporary.end();
    const std::string temporary = Temporary_Name(path);
    if (fresh) {
        Create_File_Folder(name);
        std::error_code error;
        std::filesystem::remove(temporary, error);
        if (header == nullptr && std::filesystem::exists(path, error))
            std::filesystem::copy_file(path, temporary, error);
        import_files.Temporary[path] = temporary;
    }
    FILE* file = fopen(temporary.c_str(), "a");
    if (file != nullptr && header != nullptr) fprintf(file, "%s\n", header);
    return file;
}

void Lower_Dashed(const char* text, char* out, int32_t size) {
    safe_strncpy(out, text, size);
    for (char* at = out; *at != '\0'; ++at)
        *at = *at == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(*at)));
}

std::string Team_Text(int32_t team, int32_t index) {
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, team, index);
    Make_Csv_Safe(text);
    return text;
}

// A site id fit for the file names and the table.
bool Is_Usable_Site_Id(const char* id) {
    return id != nullptr && id[0] != '\0' && strlen(id) < static_cast<size_t>(DOWNLOAD_PLAYER_ID_SIZE) &&
           Is_Plain_File_Name(id) != 0 && strpbrk(id, ", ") == nullptr;
}

void Split_Name(const char* full, char* first, char* last) {
    first[0] = last[0] = '\0';
    const char* blank = strchr(full, ' ');
    if (blank == nullptr) {
        safe_strncpy(last, full, NAME_SIZE);
        return;
    }
    const size_t length = static_cast<size_t>(blank - full) < NAME_SIZE - 1 ? blank - full : NAME_SIZE - 1;
    memcpy(first, full, length);
    first[length] = '\0';
    safe_strncpy(last, blank + 1, NAME_SIZE);
}

int32_t Number(const char* text) {
    return static_cast<int32_t>(std::strtol(text, nullptr, 10));
}

// "6-2" as feet and inches.
void Read_Height(const char* text, int32_t* feet, int32_t* inches) {
    *feet = Number(text);
    const char* dash = strchr(text, '-');
    *inches = dash != nullptr ? Number(dash + 1) : 0;
}

// "1995-03-21" or "3/21/1995".
void Read_Birth_Date(const char* text, int32_t* month, int32_t* day, int32_t* year) {
    *month = *day = *year = 0;
    if (strchr(text, '/') != nullptr) {
        if (sscanf(text, "%d/%d/%d", month, day, year) != 3) *month = *day = *year = 0;
    } else if (sscanf(text, "%d-%d-%d", year, month, day) != 3) {
        *month = *day = *year = 0;
    }
}

// "<team> / 1st / 4th pick / <year>" with the year also after "/years/".
struct DRAFT_INFO {
    char Team[NAME_SIZE];
    int32_t Year;
    int32_t Round;
    int32_t Pick;
};

DRAFT_INFO Read_Draft_Info(const char* row) {
    DRAFT_INFO draft{};
    char cell[PAGE_FIELD_SIZE * 4];
    if (!Get_Stat_Cell(row, "draft_info", cell, sizeof cell) || cell[0] == '\0') return draft;
    char* text = cell;
    char part[PAGE_FIELD_SIZE];
    Get_Next_Field(part, text, '/', sizeof part);
    Make_Csv_Safe(part);
    safe_strncpy(draft.Team, part, sizeof draft.Team);
    for (char* at = draft.Team + strlen(draft.Team); at > draft.Team && at[-1] == ' ';)
        *--at = '\0';
    Get_Next_Field(part, text, '/', sizeof part);
    draft.Round = Number(part);
    Get_Next_Field(part, text, '/', sizeof part);
    draft.Pick = Number(part);
    Get_Next_Field(part, text, '/', sizeof part);
    draft.Year = Number(part);
    const char* years = strstr(row, "/years/");
    if (years != nullptr && Number(years + 7) > 0) draft.Year = Number(years + 7);
    return draft;
}

void Write_Player_Salary_Line(const char* site_id, int32_t team, int32_t uniform, const char* first,
                              const char* last, const char* position) {
    const std::string nickname = Team_Text(team, TEAM_STRING_NICKNAME);
    if (Is_Plain_File_Name(nickname.c_str()) == 0) return;
    const std::string contracts = "Input/Downloads/contracts/" + nickname + ".txt";
    const std::string cap = "Input/Downloads/cap/" + nickname + ".txt";
    int32_t years = 0, average = 0, bonus = 0, cap_hit = 0;
    Get_Player_Contract_Data(contracts.c_str(), &years, &average, first, last);
    Get_Player_Salary_Cap_Data(cap.c_str(), &bonus, &cap_hit, first, last);
    // A player without a figure on either page gets no line.
    if (average < 1 && bonus < 1 && cap_hit < 1) return;
    char line[1024];
    const std::string abbreviation = Team_Text(team, 0);
    char salaries[64];
    snprintf(salaries, sizeof salaries, "Input/Stats/%d_salaries.csv", MODERN_DOWNLOAD_YEAR);
    snprintf(line, sizeof line, "%s,,%s,%d,%s,%s,%s,,,,%d,%d,%d,%d,%d", site_id, abbreviation.c_str(),
             uniform, first, last, position, years, average, bonus, years, cap_hit);
    Append_Import_Line(salaries, line);
}

bool Find_Injury_List_Status(const char* site_id, INJURY_STATUS* status) {
    FILE* file = Open_Resolved_File(INJURY_LIST, "r");
    if (file == nullptr) return false;
    std::unique_ptr<char[]> line = Page_Line();
    const bool found = Find_Page_Line(line.get(), INJURY_LIST, file, site_id) != 0;
    fclose(file);
    return found && Parse_Injury_Status(line.get(), status);
}

void Parse_Roster_Row(const char* row, int32_t year, int32_t team) {
    char site_id[PAGE_FIELD_SIZE];
    if (!Get_Text_After(row, "data-append-csv=\"", site_id, sizeof site_id) || !Is_Usable_Site_Id(site_id)) {
        Log_Debug_Line("Parse_Roster_Row(): a row without a usable player id in %d", year);
        return;
    }
    char name[NAME_SIZE], position[POSITION_TEXT_SIZE], cell[PAGE_FIELD_SIZE];
    Get_Stat_Cell(row, "player", name, sizeof name);
    Make_Csv_Safe(name);
    Get_Stat_Cell(row, "pos", cell, sizeof cell);
    cell[strcspn(cell, "/,-")] = '\0';
    Make_Csv_Safe(cell);
    safe_strncpy(position, cell, sizeof position);
    char first[NAME_SIZE], last[NAME_SIZE];
    Split_Name(name, first, last);
    Get_Stat_Cell(row, "weight", cell, sizeof cell);
    const int32_t weight = Number(cell);
    int32_t feet = 0, inches = 0;
    Get_Stat_Cell(row, "height", cell, sizeof cell);
    Read_Height(cell, &feet, &inches);
    int32_t month = 0, day = 0, born = 0;
    Get_Stat_Cell(row, "birth_date_mod", cell, sizeof cell);
    Read_Birth_Date(cell, &month, &day, &born);
    Get_Stat_Cell(row, "g", cell, sizeof cell);
    const int32_t games = Number(cell);
    Get_Stat_Cell(row, "gs", cell, sizeof cell);
    const int32_t started = Number(cell);
    Get_Stat_Cell(row, "uniform_number", cell, sizeof cell);
    const int32_t uniform = Number(cell);
    char college[PAGE_FIELD_SIZE], experience[PAGE_FIELD_SIZE];
    Get_Stat_Cell(row, "college_id", college, sizeof college);
    Make_Csv_Safe(college);
    Get_Stat_Cell(row, "experience", experience, sizeof experience);
    const int32_t seasons = Number(experience);
    const DRAFT_INFO draft = Read_Draft_Info(row);

    INJURY_STATUS injury{};
    if (year == MODERN_DOWNLOAD_YEAR) {
        Find_Injury_List_Status(site_id, &injury);
        Write_Player_Salary_Line(site_id, team, uniform, first, last, position);
    }
    if (Assign_Download_Player_Id(site_id) == 1) {
        // The photo the page names is looked for under the inputs only.
        const std::string photo = std::string("Input/Stats/Players/") + site_id + ".dat";
        std::error_code error;
        if (!std::filesystem::exists(Resolve_File_Path(photo.c_str()), error))
            Log_Debug_Line("Parse_Roster_Row(): no photo %s", photo.c_str());
        Parse_Player_Page(site_id, name, position);
        char line[2048];
        snprintf(line, sizeof line, ",%s,%d,,%d,%s,%s,,%s,,%d'%d\",%d,%s,%d,%s,,,%s,%d,%d,%d,,%d,%d,%d,%d,%d",
                 site_id, 0, uniform, first, last, position, feet, inches, weight, college, seasons, name,
                 draft.Team, draft.Year, draft.Round, draft.Pick, feet, inches, month, day, born);
        Append_Import_Line(PLAYERS_CSV, line);
    }
    char rosters[64];
    snprintf(rosters, sizeof rosters, "Input/Stats/%d_rosters.csv", year);
    char weeks[16] = "";
    if (injury.Weeks > 0) snprintf(weeks, sizeof weeks, "%d", injury.Weeks);
    char line[2048];
    snprintf(line, sizeof line, "%s,%d,%s,%s,%s,%s,%d,%d,%d,%d,%d,%s,%s,%s", site_id, 0, first, last,
             Team_Text(team, 0).c_str(), position, feet * 12 + inches, weight, month, day, born, weeks,
             injury.Reason, games > 0 && started * 2 >= games ? "1" : "0");
    Append_Import_Line(rosters, line);
}

void Count_Starter(const char* row, int32_t basic[], int32_t expanded[]) {
    const char* end = strstr(row, "</th>");
    const size_t length = end != nullptr ? static_cast<size_t>(end - row) : strlen(row);
    std::unique_ptr<char[]> cell(new char[length + 1]);
    memcpy(cell.get(), row, length);
    cell[length] = '\0';
    Strip_HTML_Tags(cell.get());
    char* at = cell.get();
    while (*at == ' ')
        ++at;
    const int32_t code = Parse_Position_Abbreviation(at);
    if (code < 0 || code >= NUMBER_OF_EXPANDED_POSITIONS) return;
    ++expanded[code];
    ++basic[Translate_Expanded_Position(code)];
}

void Count_Starters(FILE* file, const char* file_name, const char* marker, int32_t basic[],
                    int32_t expanded[]) {
    rewind(file);
    std::unique_ptr<char[]> line = Page_Line();
    if (!Find_Page_Line(line.get(), file_name, file, marker)) return;
    for (int32_t row = 0; row < STARTERS; ++row) {
        line[0] = '\0';
        const int end = Read_Line_Limit(file_name, line.get(), file, PAGE_LINE_LIMIT);
        Count_Starter(line.get(), basic, expanded);
        if (end) return;
    }
}

void Write_Team_Personnel(FILE* file, const char* file_name, int32_t year, int32_t team) {
    int32_t offense[NUMBER_OF_POSITIONS] = {}, offense_expanded[NUMBER_OF_EXPANDED_POSITIONS] = {};
    int32_t defense[NUMBER_OF_POSITIONS] = {}, defense_expanded[NUMBER_OF_EXPANDED_POSITIONS] = {};
    Count_Starters(file, file_name, "<b>Offensive Starters</b>", offense, offense_expanded);
    Count_Starters(file, file_name, "<b>Defensive Starters</b>", defense, defense_expanded);
    char line[256];
    snprintf(line, sizeof line, "'%d,'%s,'%s,'%s", year, Team_Text(team, TEAM_STRING_NICKNAME).c_str(),
             Get_Offensive_Personnel(offense, offense_expanded),
             Get_Defensive_Personnel(defense, defense_expanded));
    Append_Import_Line(PERSONNEL_CSV, line);
}

void Import_Season_Rosters(int32_t year) {
    char rosters[64], header[256];
    snprintf(rosters, sizeof rosters, "%s/%d_rosters.csv", "Input/Stats", year);
    snprintf(header, sizeof header, ROSTERS_HEADER, year);
    Start_Import_File(rosters, header);
    for (int32_t team = 0; team < SITE_TEAMS && !Is_Quit_Requested(); ++team) {
        Step_Progress_With_Text(Team_Text(team, 0).c_str());
        const char* code = Get_Site_Team_Code(team);
        char page[128];
        snprintf(page, sizeof page, "Input/Downloads/Rosters/%d_roster (%s).txt", year, code);
        Parse_Team_Roster_Page(page, year, team);
        snprintf(page, sizeof page, "Input/Downloads/Rosters/%d_injuries (%s).txt", year, code);
        Parse_Team_Injuries_Page(page, year, team);
    }
}
} // namespace

const char* Get_Site_Team_Code(int32_t team) {
    return team >= 0 && team < SITE_TEAMS ? SITE_TEAM_CODES[team] : "";
}

void Clear_Download_Player_Ids() {
    download_ids.clear();
    id_table_full_told = false;
}

int32_t Assign_Download_Player_Id(const char* id) {
    if (!Is_Usable_Site_Id(id)) return 0;
    if (download_ids.count(id) != 0) return 0;
    if (static_cast<int32_t>(download_ids.size()) >= DOWNLOAD_PLAYER_ID_LIMIT) {
        if (!id_table_full_told)
            Report_System_Error(
                "Assign_Download_Player_Id(): more than %d players; the pages of the others are "
                "not read.",
                DOWNLOAD_PLAYER_ID_LIMIT);
        id_table_full_told = true;
        return 0;
    }
    download_ids.insert(id);
    return 1;
}

const char* Get_Offensive_Personnel(const int32_t basic[], const int32_t[]) {
    if (basic[POSITION_RB] >= 2) return "2 Running Backs";
    if (basic[POSITION_FB] >= 1) return "Traditional";
    if (basic[POSITION_TE] >= 2) return "2 Tight Ends";
    if (basic[POSITION_WR] >= 3) return "3 Wideouts";
    return "Traditional";
}

const char* Get_Defensive_Personnel(const int32_t basic[], const int32_t expanded[]) {
    return expanded[EXPANDED_NOSE_TACKLE] > 0 || basic[POSITION_LB] >= 4 ? "3-4" : "4-3";
}

bool Begin_Import_Files() {
    if (import_files.Running) return false;
    import_files = IMPORT_FILES{};
    import_files.Running = true;
    return true;
}

void End_Import_Files(bool started, bool complete) {
    if (!started) return;
    std::error_code error;
    for (const auto& [path, temporary] : import_files.Temporary) {
        if (complete) {
            std::filesystem::rename(temporary, path, error);
            if (error) Report_System_Error("Unable to replace %s", path.c_str());
        } else {
            std::filesystem::remove(temporary, error);
        }
    }
    import_files = IMPORT_FILES{};
}

void Start_Import_File(const char* name, const char* header) {
    FILE* file = Open_Import_File(name, header != nullptr ? header : "");
    if (file != nullptr) fclose(file);
}

void Append_Import_Line(const char* name, const char* line) {
    FILE* file = Open_Import_File(name, nullptr);
    if (file == nullptr) return;
    fprintf(file, "%s\n", line != nullptr ? line : "");
    fclose(file);
}

void Create_Download_Folders() {
    for (const char* folder : DOWNLOAD_FOLDERS) {
        const std::string inside = std::string(folder) + "/file";
        Create_File_Folder(inside.c_str());
    }
}

void Parse_Team_Roster_Page(const char* file_name, int32_t year, int32_t team) {
    FILE* file = Open_Resolved_File(file_name, "r");
    if (file == nullptr) return;
    std::unique_ptr<char[]> line = Page_Line();
    if (Find_Page_Line(line.get(), file_name, file, "og:image") &&
        strstr(line.get(), "url=https") != nullptr) {
        char logo[64];
        snprintf(logo, sizeof logo, "Input/Stats/Historical/%d%d.gz", team, year);
        std::error_code error;
        if (!std::filesystem::exists(Resolve_File_Path(logo), error))
            Log_Debug_Line("Parse_Team_Roster_Page(): no logo %s", logo);
    }
    if (year != MODERN_DOWNLOAD_YEAR) Write_Team_Personnel(file, file_name, year, team);
    rewind(file);
    const char* marker = year == MODERN_DOWNLOAD_YEAR ? "\"Current Roster\"" : "\"Roster\"";
    if (Find_Page_Line(line.get(), file_name, file, marker)) {
        for (;;) {
            line[0] = '\0';
            const int end = Read_Line_Limit(file_name, line.get(), file, PAGE_LINE_LIMIT);
            if (strstr(line.get(), "data-append-csv") != nullptr) Parse_Roster_Row(line.get(), year, team);
            if (end) break;
        }
    }
    fclose(file);
}

void Parse_Team_Injuries_Page(const char* file_name, int32_t year, int32_t team) {
    FILE* file = Open_Resolved_File(file_name, "r");
    if (file == nullptr) return;
    std::unique_ptr<char[]> line = Page_Line();
    char rosters[64];
    snprintf(rosters, sizeof rosters, "Input/Stats/%d_rosters.csv", year);
    if (Find_Page_Line(line.get(), file_name, file, "\"Team Injuries\"")) {
        for (;;) {
            line[0] = '\0';
            const int end = Read_Line_Limit(file_name, line.get(), file, PAGE_LINE_LIMIT);
            char site_id[PAGE_FIELD_SIZE];
            if (strstr(line.get(), "data-append-csv") != nullptr &&
                Get_Text_After(line.get(), "data-append-csv=\"", site_id, sizeof site_id) &&
                Is_Usable_Site_Id(site_id)) {
                char name[NAME_SIZE], first[NAME_SIZE], last[NAME_SIZE];
                Get_Stat_Cell(line.get(), "player", name, sizeof name);
                Make_Csv_Safe(name);
                Split_Name(name, first, last);
                INJURY_STATUS injury{};
                Parse_Injury_Status(line.get(), &injury);
                char text[1024];
                snprintf(text, sizeof text, "%s,0,%s,%s,%s,,,,,,,%d,%s", site_id, first, last,
                         Team_Text(team, 0).c_str(), injury.Weeks, injury.Reason);
                Append_Import_Line(rosters, text);
            }
            if (end) break;
        }
    }
    fclose(file);
}

void Download_Player_Contract_Data() {
    Create_File_Folder("Input/Downloads/Contracts/file");
    Create_File_Folder("Input/Downloads/Cap/file");
    const bool started = Begin_Import_Files();
    char salaries[64], header[512];
    snprintf(salaries, sizeof salaries, "Input/Stats/%d_salaries.csv", MODERN_DOWNLOAD_YEAR);
    snprintf(header, sizeof header, SALARIES_HEADER, MODERN_DOWNLOAD_YEAR);
    Start_Import_File(salaries, header);
    Start_Import_File(SALARIES_MISSING_CSV, SALARIES_MISSING_HEADER);
    const bool opened = Open_Progress_Window("Downloading Contract Data (Step 1 of 2)", 33) != 0;
    Step_Progress(1);
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        char city[TEAM_STRING_LENGTH], nickname[TEAM_STRING_LENGTH];
        Lower_Dashed(Team_Text(team, TEAM_STRING_LOCATION).c_str(), city, sizeof city);
        Lower_Dashed(Team_Text(team, TEAM_STRING_NICKNAME).c_str(), nickname, sizeof nickname);
        char site[256];
        const std::string local_name = Team_Text(team, TEAM_STRING_NICKNAME);
        const bool plain = Is_Plain_File_Name(local_name.c_str()) != 0;
        snprintf(site, sizeof site, "/nfl/%s-%s/contracts/index.htm", city, nickname);
        std::string local = "Input/Downloads/contracts/" + local_name + ".txt";
        FILE* file = plain ? Open_Resolved_File(local.c_str(), "r") : nullptr;
        if (file == nullptr)
            Report_System_Error("Download_Player_Contract_Data(): Unable to download %s", site);
        else
            fclose(file);
        snprintf(site, sizeof site, "/nfl/%s-%s/cap/%d/index.htm", city, nickname, MODERN_DOWNLOAD_YEAR);
        local = "Input/Downloads/cap/" + local_name + ".txt";
        file = plain ? Open_Resolved_File(local.c_str(), "r") : nullptr;
        if (file == nullptr)
            Report_System_Error("Download_Player_Contract_Data(): Unable to download %s", site);
        else
            fclose(file);
        Step_Progress(1);
    }
    if (opened) Close_Progress_Window();
    End_Import_Files(started, !Is_Quit_Requested());
}

void Download_Season_Data(int32_t year) {
    Create_Download_Folders();
    const bool started = Begin_Import_Files();
    char caption[64];
    snprintf(caption, sizeof caption, "Downloading %d Data (Step 2 of 2)", year);
    const bool opened = Open_Progress_Window(caption, SEASON_STEPS) != 0;
    Import_Season_Rosters(year);
    Step_Progress_With_Text("Done!");
    if (opened) Close_Progress_Window();
    End_Import_Files(started, !Is_Quit_Requested());
}

void Download_All_Data() {
    if (Get_Universe_Stat(BASE_YEAR) != MODERN_DOWNLOAD_YEAR ||
        Get_User_Preference(CURRENT_SEASON_INDEX) >= 1 || Count_Active_Teams() != SITE_TEAMS) {
        Show_Formatted_Message(
            "Invalid UNIVERSE",
            "Start a new game in %d before downloading data.\n\n(Modern universe is required "
            "for correct team abbreviations)",
            MODERN_DOWNLOAD_YEAR);
        return;
    }
    Create_Download_Folders();
    const bool started = Begin_Import_Files();
    Start_Import_File(PLAYERS_CSV, PLAYERS_CSV_HEADER);
    Start_Import_File(SEASONS_CSV, SEASONS_CSV_HEADER);
    Start_Import_File(PERSONNEL_CSV, PERSONNEL_CSV_HEADER);
    Start_Import_File(COMBINE_CSV, COMBINE_CSV_HEADER);
    Clear_Download_Player_Ids();
    Download_Player_Contract_Data();
    for (int32_t year = MODERN_DOWNLOAD_YEAR; year >= FIRST_DOWNLOAD_YEAR && !Is_Quit_Requested(); --year)
        Download_Season_Data(year);
    End_Import_Files(started, !Is_Quit_Requested());
}
