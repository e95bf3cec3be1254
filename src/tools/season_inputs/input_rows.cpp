#include "tools/season_inputs/input_rows.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/cities.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/stadium_value.h"
#include "personnel/injuries.h"
#include "season/all_time_leaders.h"
#include "tools/all_time_leaders_file.h"
#include "tools/web_import.h"

const char* const LEAGUE_FILE_HEADER = "League,Division 1,Division 2,Division 3,Division 4";
const char* const TEAMS_FILE_HEADER =
    "Abbreviation,Location,Nickname,Stadium,Capacity,Roof,Surface,Stadium Year,Stadium Value,Convenience,"
    "Comfort,Sight Lines,Fan Base,Amount,Division,Home City,Team Score";
const char* const ROSTERS_FILE_HEADER =
    "VorlanID,PlayerID,FirstName,LastName,Team,Position,Height,Weight,BirthMonth,"
    "BirthDate,BirthYear,WeeksOut,Reason,Starter,Full Name";
const char* const SALARIES_FILE_HEADER =
    "VorlanID,PlayerID,Team,Uniform,FirstName,LastName,Position,Depth Chart,"
    "Weeks Out,Reason Out,Years Remaining,Average Salary,Signing Bonus,"
    "Contract Years,Cap Hit";
const char* const TEAM_RECORDS_FILE_HEADER =
    "Year,Lg,Tm,W,L,T,Div_Finish,Playoffs,PF,PA,PD,MoV,SoS,SRS,OSRS,DSRS";
const char* const RATINGS_FILE_HEADER =
    "PlayerID,Team,First,Last,Position,Depth,Accuracy,Distance,Control,Red "
    "Zone,Mobility,Speed,Power,Quickness,"
    "Vision,Receiving,Hands,Kick Returns,Punt Returns,Pass Blocking,Run Blocking,Discipline,Run Defense,Pass "
    "Rush,"
    "Coverage,Turnovers,Tackling,FG Accuracy,FG Power,Punt Accuracy,Punt Power,Durability";

namespace {
constexpr const char* OFFENSIVE_SYSTEMS[] = {"Traditional", "3 Wideouts", "2 Tight Ends", "2 Running Backs"};
constexpr int32_t FINANCE_FAN_BASE = 0;
constexpr int32_t FINANCE_TEAMS_FILE_AMOUNT = 1;
constexpr int32_t FINANCE_PAYROLL = 89;
constexpr int32_t VITAL_BONUS_YEARS_FIELD = 25;
// Years from which the league kept a figure of defenders.
constexpr int32_t FIRST_TACKLES_YEAR = 1994;
constexpr int32_t FIRST_SACKS_YEAR = 1982;
constexpr int32_t FIRST_PASSES_DEFENDED_YEAR = 2001;
// The seasons file's column of a receiver's yards after the catch.
constexpr int32_t SEASONS_YAC_COLUMN = 92;
constexpr const char* LEADER_LIST_HEADERS[ALL_TIME_LEADER_KINDS] = {
    "ALL_TIME_LEADER_CAREER", "ALL_TIME_LEADER_SEASON", "ALL_TIME_LEADER_GAME"};

std::string Number(int64_t value) {
    return std::to_string(value);
}

std::string Text(const char* text) {
    return Csv_Field(text);
}

std::string Team_String(int32_t team, int32_t index) {
    char buffer[TEAM_STRING_LENGTH] = "";
    if (team == FREE_AGENT_TEAM) return index == 0 ? "FA" : "";
    Get_Team_String(buffer, team, index);
    return buffer;
}

std::string Height_Text(int32_t inches) {
    if (inches <= 0) return "";
    return std::to_string(inches / 12) + "'" + std::to_string(inches % 12) + "\"";
}

std::string Field_Of(const char* field, size_t size) {
    return std::string(field, strnlen(field, size));
}

std::string First_Name(int32_t team, int32_t slot) {
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    return Field_Of(player->First_Name, sizeof player->First_Name);
}

std::string Last_Name(int32_t team, int32_t slot) {
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    return Field_Of(player->Last_Name, sizeof player->Last_Name);
}

std::string Position_Text(int32_t position) {
    return Get_Position_Short_Name(position);
}

int32_t Birth(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE);
}

std::string Join(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t n = 0; n < fields.size(); ++n) {
        if (n > 0) line += ',';
        line += fields[n];
    }
    return line;
}

std::string Decimal(double value, int32_t places) {
    char text[64];
    snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}
} // namespace

std::string Csv_Field(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Player_Key(int32_t id) {
    char key[16];
    snprintf(key, sizeof key, "K%08X", static_cast<uint32_t>(id));
    return key;
}

std::string Make_League_Lines() {
    std::string lines;
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        char name[LEAGUE_NAME_LENGTH] = "";
        Get_League_Name(league, name);
        std::vector<std::string> fields{Text(name)};
        for (int32_t division = 0; division < 4; ++division) {
            char division_name[DIVISION_NAME_LENGTH] = "";
            Get_Division_Name(4 * league + division, division_name);
            fields.push_back(Text(division_name));
        }
        lines += Join(fields) + "\n";
    }
    return lines;
}

std::string Make_Team_Line(int32_t team, const STADIUM_FIGURES& stadium) {
    char city[32] = "";
    Get_City_Name(Get_Team_Stat(team, TEAM_STAT_HOME_CITY), city);
    const char* roof = stadium.Roof == 2 ? "CONVERTIBLE" : stadium.Roof == 1 ? "DOMED" : "OPEN";
    std::vector<std::string> fields{Text(Team_String(team, 0).c_str()),
                                    Text(Team_String(team, 1).c_str()),
                                    Text(Team_String(team, 2).c_str()),
                                    Csv_Field(stadium.Name),
                                    Number(stadium.Capacity),
                                    roof,
                                    stadium.Surface == 0 ? "CARPET" : "GRASS"};
    for (int32_t stat = STADIUM_YEAR_BUILT; stat <= STADIUM_SIGHT_LINES; ++stat)
        fields.push_back(Number(Get_Team_Stadium_Stat(team, stat)));
    fields.push_back(Number(Get_Team_Financial_Stat(team, FINANCE_FAN_BASE)));
    fields.push_back(Number(Get_Team_Financial_Stat(team, FINANCE_TEAMS_FILE_AMOUNT)));
    fields.push_back(Number(Get_Team_Stat(team, TEAM_STAT_DIVISION)));
    fields.push_back(Text(city));
    fields.push_back("0");
    return Join(fields);
}

std::string Make_Roster_Line(int32_t team, int32_t slot, int32_t id) {
    const int32_t birth = Birth(team, slot);
    const int32_t weeks_out = std::max(0, Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT));
    char injury[64] = "";
    if (weeks_out > 0) Get_Injury_Name(Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE), injury);
    const std::string first = First_Name(team, slot), last = Last_Name(team, slot);
    return Join({Player_Key(id), Number(id), Csv_Field(first), Csv_Field(last),
                 Text(Team_String(team, 0).c_str()),
                 Position_Text(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)),
                 Csv_Field(Height_Text(Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT))),
                 Number(Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT)), Number(birth / 100 % 100),
                 Number(birth % 100), Number(birth / 10000), Number(weeks_out), Csv_Field(injury), "",
                 Csv_Field(first + " " + last)});
}

std::string Make_Player_Line(int32_t team, int32_t slot, int32_t id, const std::string& draft_team) {
    const int32_t birth = Birth(team, slot);
    const int32_t height = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
    const int32_t draft_slot = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT);
    const int32_t draft_year = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) % 10000;
    const bool drafted = draft_slot / 100000 > 0 && draft_year > 0;
    char college[32] = "";
    Get_Player_College(team, slot, college);
    return Join({Player_Key(id),
                 "",
                 Number(id),
                 "",
                 Number(Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM)),
                 Csv_Field(First_Name(team, slot)),
                 Csv_Field(Last_Name(team, slot)),
                 "",
                 Position_Text(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)),
                 "",
                 Csv_Field(Height_Text(height)),
                 Number(Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT)),
                 Csv_Field(college),
                 Number(std::max(0, Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS))),
                 "",
                 "",
                 "",
                 drafted ? Csv_Field(draft_team) : "",
                 drafted ? Number(draft_year) : "",
                 drafted ? Number(draft_slot / 100000) : "",
                 drafted ? Number(draft_slot % 100000) : "",
                 drafted ? "" : "1",
                 height > 0 ? Number(height / 12) : "",
                 height > 0 ? Number(height % 12) : "",
                 Number(birth / 100 % 100),
                 Number(birth % 100),
                 Number(birth / 10000)});
}

DEFENSIVE_TOUCHDOWNS Split_Defensive_Touchdowns(int32_t touchdowns, int32_t interceptions,
                                                int32_t recoveries) {
    const int32_t chances = std::max(0, interceptions) + std::max(0, recoveries);
    int32_t returned = 0;
    if (chances > 0)
        returned = static_cast<int32_t>(
            (2 * static_cast<int64_t>(touchdowns) * std::max(0, interceptions) + chances) / (2 * chances));
    const int32_t most = std::max(0, std::min(touchdowns, interceptions));
    const int32_t least = std::min(most, std::max(0, touchdowns - std::max(0, recoveries)));
    returned = std::clamp(returned, least, most);
    return {returned, touchdowns - returned};
}

std::string Make_Season_Line(int32_t id, int32_t year, const std::string& team_abbreviation, int32_t uniform,
                             const std::string& full_name, int32_t position, const int32_t* stats,
                             int32_t value, const int32_t* passing, bool yards_after_catch) {
    std::array<std::string, SEASONS_CSV_COLUMNS + 1> fields;
    fields[1] = Player_Key(id);
    fields[2] = Number(id);
    fields[4] = Number(year);
    fields[5] = Csv_Field(team_abbreviation);
    fields[6] = uniform > 0 ? Number(uniform) : "";
    fields[7] = Csv_Field(full_name);
    fields[8] = Position_Text(position);
    fields[10] = Number(stats[0]);
    fields[11] = Number(stats[1]);
    auto put = [&fields, stats](int32_t column, int32_t stat) { fields[column] = Number(stats[stat]); };
    const int32_t group = position >= 0 && position < NUMBER_OF_POSITIONS ? Get_Position_Group(position) : -1;
    if (position == POSITION_QB) {
        for (auto [column, stat] : {std::pair{12, 2},
                                    {13, 3},
                                    {14, 5},
                                    {15, 6},
                                    {16, 4},
                                    {19, 14},
                                    {20, 15},
                                    {21, 7},
                                    {22, 8},
                                    {23, 9},
                                    {30, 19},
                                    {31, 13}})
            put(column, stat);
    } else if (group == 0) {
        for (auto [column, stat] : {std::pair{21, 7},
                                    {22, 8},
                                    {23, 9},
                                    {25, 4},
                                    {26, 10},
                                    {27, 11},
                                    {28, 12},
                                    {30, 2},
                                    {31, 13},
                                    {93, 5}})
            put(column, stat);
        if (yards_after_catch) put(SEASONS_YAC_COLUMN, 6);
    } else if (group == 2) {
        if (year >= FIRST_TACKLES_YEAR) {
            put(40, 2);
            put(41, 3);
        }
        if (year >= FIRST_SACKS_YEAR) fields[43] = Decimal(stats[4] / 2.0, 1);
        if (year >= FIRST_PASSES_DEFENDED_YEAR) put(46, 6);
        put(47, 5);
        put(48, 8);
        put(51, 7);
        const DEFENSIVE_TOUCHDOWNS returned = Split_Defensive_Touchdowns(stats[9], stats[7], stats[8]);
        fields[50] = Number(returned.Fumble_Returns);
        fields[53] = Number(returned.Interception_Returns);
    } else if (group == 3) {
        // Kickers and punters write both column sets: a kicker may have punted.
        for (auto [column, stat] : {std::pair{63, 18},
                                    {64, 9},
                                    {69, 8},
                                    {83, 11},
                                    {84, 13},
                                    {85, 15},
                                    {86, 17},
                                    {88, 10},
                                    {89, 12},
                                    {90, 14},
                                    {91, 16}})
            put(column, stat);
        for (auto [column, stat] : {std::pair{59, 2}, {60, 3}, {66, 6}, {74, 5}})
            put(column, stat);
    }
    if (passing != nullptr && position != POSITION_QB)
        for (int32_t n = 0; n < SEASON_LINE_PASSING_FIGURES; ++n)
            fields[12 + n] = Number(passing[n]);
    if ((group == 0 && position != POSITION_QB) || group == 2)
        for (auto [column, stat] : {std::pair{32, 17}, {33, 18}, {34, 19}, {36, 14}, {37, 15}, {38, 16}})
            put(column, stat);
    fields[95] = Number(value);
    std::string line;
    for (int32_t column = 1; column <= SEASONS_CSV_COLUMNS; ++column) {
        if (column > 1) line += ',';
        line += fields[column];
    }
    return line;
}

std::string Make_Salary_Line(int32_t team, int32_t slot, int32_t id) {
    const int32_t weeks_out = std::max(0, Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT));
    char injury[64] = "";
    if (weeks_out > 0) Get_Injury_Name(Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE), injury);
    return Join({Player_Key(id), Number(id), Text(Team_String(team, 0).c_str()),
                 Number(Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM)),
                 Csv_Field(First_Name(team, slot)), Csv_Field(Last_Name(team, slot)),
                 Position_Text(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)), "", Number(weeks_out),
                 Csv_Field(injury), Number(Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS)),
                 Number(static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_SALARY)) * 1000),
                 Number(static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS)) * 1000),
                 Number(Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS_FIELD)),
                 Number(static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE)) * 1000)});
}

std::string Make_Cap_Room_Line(int32_t team) {
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Full_Name(team, name);
    const int64_t room = static_cast<int64_t>(Get_Universe_Stat(SALARY_CAP)) -
                         static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL)) * 1000;
    return Join({Text(name), Number(room)});
}

std::string Make_Personnel_Line(int32_t team, int32_t year) {
    const int32_t system = std::clamp(Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM), 0, 3);
    return Join({Number(year), Text(Team_String(team, 0).c_str()), OFFENSIVE_SYSTEMS[system],
                 Get_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM) == 1 ? "3-4" : "4-3"});
}

double Get_Forty_Time_For_Speed(float speed) {
    return std::clamp((381.0 - static_cast<double>(speed)) / 66.6, 4.21, 5.99);
}

std::string Make_Combine_Line(int32_t team, int32_t slot, int32_t id, int32_t year) {
    const double forty = Get_Forty_Time_For_Speed(Get_Player_Rating(team, slot, RATING_SPEED));
    const int32_t height = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
    return Join({Player_Key(id), Number(id), Csv_Field(First_Name(team, slot) + " " + Last_Name(team, slot)),
                 Number(year), Position_Text(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)),
                 Csv_Field(Height_Text(height)), Number(Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT)),
                 Decimal(forty, 2), "", "", "", "", ""});
}

std::string Make_Ratings_Line(int32_t team, int32_t slot, int32_t id) {
    char depth[32] = "";
    Get_Depth_Slot_Abbreviation(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), depth);
    std::vector<std::string> fields{Number(id),
                                    Text(Team_String(team, 0).c_str()),
                                    Csv_Field(First_Name(team, slot)),
                                    Csv_Field(Last_Name(team, slot)),
                                    Position_Text(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)),
                                    depth};
    for (int32_t rating = RATING_ACCURACY; rating <= RATING_PUNT_DISTANCE; ++rating)
        fields.push_back(Decimal(Get_Player_Rating(team, slot, rating), 3));
    fields.push_back(Decimal(Get_Player_Rating(team, slot, RATING_DURABILITY), 3));
    return Join(fields);
}

std::string Make_Team_Record_Line(int32_t team, int32_t year, const TEAM_RECORD_FIGURES& record) {
    char name[FORMATTED_TEXT_SIZE] = "", league[LEAGUE_NAME_LENGTH] = "";
    Get_Team_Full_Name(team, name);
    Get_League_Name(Get_Team_Stat(team, TEAM_STAT_DIVISION) / 4, league);
    static constexpr const char* PLACES[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"};
    const std::string place =
        std::string(PLACES[std::clamp(record.Place, 0, 7)]) + " of " + std::to_string(record.Division_Teams);
    const int32_t games = record.Wins + record.Losses + record.Ties;
    const int32_t difference = record.Points_For - record.Points_Against;
    return Join({Number(year), Text(league), Text(name), Number(record.Wins), Number(record.Losses),
                 Number(record.Ties), place, record.Playoffs, Number(record.Points_For),
                 Number(record.Points_Against), Number(difference),
                 Decimal(games > 0 ? static_cast<double>(difference) / games : 0.0, 1), "0.0", "0.0", "0.0",
                 "0.0"});
}

std::string Make_All_Time_Leaders_File() {
    std::string text;
    for (int32_t kind = 0; kind < ALL_TIME_LEADER_KINDS; ++kind)
        for (int32_t statistic = 0; statistic < LEADER_STAT_LABELS; ++statistic) {
            std::string list;
            for (int32_t rank = 0; rank < ALL_TIME_LEADER_ENTRIES; ++rank) {
                ALL_TIME_LEADER_ENTRY entry{};
                if (!Get_All_Time_Leader(kind, statistic, rank, &entry)) continue;
                const std::string first = Field_Of(entry.First_Name, sizeof entry.First_Name);
                const std::string last = Field_Of(entry.Last_Name, sizeof entry.Last_Name);
                if (first.empty() && last.empty()) continue;
                std::vector<std::string> fields{Csv_Field(first), Csv_Field(last)};
                if (kind != ATL_KIND_CAREER) fields.push_back(Number(entry.Year));
                fields.push_back(Number(entry.Value));
                list += Join(fields) + "\n";
            }
            if (list.empty()) continue;
            text +=
                std::string(LEADER_LIST_HEADERS[kind]) + "," + Get_Leader_Stat_Label(statistic) + "\n" + list;
        }
    return text;
}
