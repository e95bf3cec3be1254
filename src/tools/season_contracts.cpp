#include "tools/season_contracts.h"

#include <algorithm>
#include <cstring>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "personnel/injuries.h"
#include "personnel/roster_text.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "season/cap_room_average.h"
#include "tools/league_input_files.h"
#include "tools/payroll_balance.h"
#include "tools/position_abbreviations.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t FIRST_SALARIES_YEAR = 2017;
constexpr int32_t SALARY_LINES_PER_STEP = 250;
constexpr int32_t SALARY_STEPS = 7;
constexpr int32_t VITAL_CAP_FIGURE = 7;
constexpr int32_t VITAL_CONTRACT_MARK = 27;
constexpr int32_t FINANCE_PAYROLL = 89;
constexpr int32_t PRE_CAP_PAYROLL_PERCENT = 95;
constexpr int64_t CAP_ROOM_MARGIN = 2082000;
constexpr int32_t LONGEST_BONUS_DROP_YEARS = 4;
constexpr const char* MISSING_SALARIES_FILE = "Input/Stats/Salaries-Missing.csv";

int64_t Payroll_Dollars(int32_t team) {
    return static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL)) * 1000;
}

bool Find_Salary_Player(const STATS_LINE& line, int32_t id, int32_t* team, int32_t* slot) {
    if (line.Field(1)[0] != '\0') {
        const PLAYER_LOCATION where = Find_Player_By_External_Key(line.Field(1));
        if (where.Team != NO_TEAM) {
            *team = where.Team;
            *slot = where.Slot;
            return true;
        }
    }
    if (id > 0 && Find_Listed_Player_By_ID(team, slot, id) != 0) return true;
    char first[12], last[20], name[40];
    safe_strncpy(first, line.Field(5), sizeof first);
    safe_strncpy(last, line.Field(6), sizeof last);
    safe_sprintf(name, sizeof name, "%s %s", first, last);
    char team_text[STATS_LINE_LIMIT];
    safe_strncpy(team_text, line.Field(3), sizeof team_text);
    int32_t hint = Get_Team_From_Abbreviation(team_text, 0);
    if (!Is_Team_Record_Slot(hint)) hint = NO_TEAM_HINT;
    const int32_t code = Parse_Position_Abbreviation(line.Field(7));
    PLAYER_LOCATION where{};
    Find_Player_By_Name(&where, name, hint, code < 0 ? -1 : Translate_Expanded_Position(code));
    if (where.Team == NO_TEAM || !Is_Player_Slot_Used(where.Team, where.Slot)) return false;
    *team = where.Team;
    *slot = where.Slot;
    return true;
}

// Drops the bonus of every player of the team on a contract of at most
// `years` years; false when nobody had one to drop.
bool Drop_Short_Contract_Bonuses(int32_t team, int32_t years, int64_t figure) {
    bool dropped = false;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM && Payroll_Dollars(team) > figure; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        if (Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) > years) continue;
        if (Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS) <= 0) continue;
        Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
        dropped = true;
    }
    return dropped;
}

void Move_Payroll_To_Figure(int32_t team, int64_t figure) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        const int64_t cap_figure = Get_Player_Vital_Stat(team, slot, VITAL_CAP_FIGURE);
        if (cap_figure == 0) continue;
        const int64_t charge =
            static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE)) * 1000;
        const int64_t salary = static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_SALARY)) * 1000;
        const int64_t payroll = Payroll_Dollars(team);
        if (payroll < figure - CAP_ROOM_MARGIN && charge < cap_figure) {
            Set_Player_Vital_Stat(team, slot, VITAL_SALARY,
                                  Clamp_To_Int32((salary + cap_figure - charge) / 1000));
        } else if (payroll > figure && cap_figure < charge) {
            const int64_t minimum = static_cast<int64_t>(Get_Player_Minimum_Salary(team, slot)) * 1000;
            Set_Player_Vital_Stat(team, slot, VITAL_SALARY,
                                  Clamp_To_Int32(std::max(minimum, salary + cap_figure - charge) / 1000));
        }
    }
}

} // namespace

void Read_Cap_Room_Line(const STATS_LINE& line, bool last_line, const char* file_name) {
    const int32_t team = Get_Team_From_Name(line.Field(1));
    if (!Is_Used_Franchise_Slot(team)) {
        if (!last_line)
            Show_Formatted_Message("Import Warning", "Error in %s. Can't find team name: %s", file_name,
                                   line.Field(1));
        return;
    }
    int64_t room = 0;
    if (!Read_Money_Field(line, 2, &room)) return;
    const int64_t cap = Get_Universe_Stat(SALARY_CAP);
    int64_t figure = cap - room;
    Move_Payroll_To_Figure(team, figure);
    figure = std::max(figure, cap);
    // A pass that drops no bonus cannot bring the payroll down any further.
    for (int32_t years = 1; years <= LONGEST_BONUS_DROP_YEARS; ++years)
        while (Payroll_Dollars(team) > figure && Drop_Short_Contract_Bonuses(team, years, figure)) {
        }
}

void Clear_All_Salaries() {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) { Set_Player_Vital_Stat(team, slot, VITAL_SALARY, 0); });
}

void Mark_Contracted_Players() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_MARK,
                              Get_Player_Vital_Stat(team, slot, VITAL_SALARY) > 0);
    });
}

void Read_Salary_Line(const STATS_LINE& line) {
    int32_t id = 0, weeks_out = 0, years = 0, length = 0;
    int64_t salary = 0, bonus = 0, cap_figure = 0;
    if (!Read_Int_Field(line, 2, &id) || !Read_Int_Field(line, 9, &weeks_out) ||
        !Read_Int_Field(line, 11, &years) || !Read_Money_Field(line, 12, &salary) ||
        !Read_Money_Field(line, 13, &bonus) || !Read_Int_Field(line, 14, &length) ||
        !Read_Money_Field(line, 15, &cap_figure))
        return;
    // Each figure as the player's record keeps it.
    if ((weeks_out > 0 && !Check_Vital_Field(line, 9, VITAL_WEEKS_OUT, weeks_out, "weeks out")) ||
        !Check_Vital_Field(line, 11, VITAL_CONTRACT_YEARS, std::max(1, years), "contract years") ||
        !Check_Vital_Field(line, 12, VITAL_SALARY, std::max<int64_t>(0, salary) / 1000,
                           "a salary in thousands") ||
        !Check_Vital_Field(line, 13, VITAL_SIGNING_BONUS, std::max<int64_t>(0, bonus) / 1000,
                           "a signing bonus in thousands") ||
        !Check_Vital_Field(line, 14, VITAL_BONUS_YEARS, std::max(1, length), "bonus years") ||
        !Check_Vital_Field(line, 15, VITAL_CAP_FIGURE, std::max<int64_t>(0, cap_figure), "a cap figure"))
        return;
    int32_t team = NO_TEAM, slot = NO_PLAYER;
    if (!Find_Salary_Player(line, id, &team, &slot)) {
        Append_Formatted_Line_To_File(MISSING_SALARIES_FILE, "%s,%s,%s,%s", line.Field(5), line.Field(6),
                                      line.Field(3), line.Field(7));
        return;
    }
    if (weeks_out > 0) {
        Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, weeks_out);
        if (line.Field(10)[0] != '\0')
            Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, Get_Injury_Index(line.Field(10)));
    }
    if (line.Field(11)[0] != '\0')
        Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, std::max(1, years));
    if (line.Field(12)[0] != '\0')
        Set_Player_Vital_Stat(team, slot, VITAL_SALARY,
                              static_cast<int32_t>(std::max<int64_t>(0, salary) / 1000));
    if (line.Field(13)[0] != '\0')
        Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS,
                              static_cast<int32_t>(std::max<int64_t>(0, bonus) / 1000));
    if (line.Field(14)[0] != '\0') Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, std::max(1, length));
    if (line.Field(15)[0] != '\0')
        Set_Player_Vital_Stat(team, slot, VITAL_CAP_FIGURE,
                              static_cast<int32_t>(std::max<int64_t>(0, cap_figure)));
}

void Load_Salaries_CSV() {
    if (Get_Universe_Stat(BASE_YEAR) < FIRST_SALARIES_YEAR) return;
    char name[64];
    Make_Year_Stats_Input_Path(name, sizeof name, Get_Universe_Stat(BASE_YEAR), "salaries");
    STATS_FILE file;
    if (!Open_Stats_File(&file, name)) {
        Show_Formatted_Message(
            "Read Error",
            "Unable to open %s. Please read the Help Files for a complete list of required "
            "files for the 'Import Stats' feature.",
            name);
        return;
    }
    Clear_All_Salaries();
    Build_Player_ID_Hash();
    Build_Player_Lookup_Index();
    Read_Stats_Header(&file);
    STATS_LINE line;
    int32_t lines = 0, steps = 0;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();) {
        if (read > 0) Read_Salary_Line(line);
        if (++lines % SALARY_LINES_PER_STEP == 0 && steps < SALARY_STEPS) {
            Step_Progress(1);
            ++steps;
        }
    }
    if (steps < SALARY_STEPS) Step_Progress(SALARY_STEPS - steps);
    Close_Stats_File(&file);
    Drop_Player_Lookup_Index();
    Mark_Contracted_Players();
}

void Set_Pre_Cap_Salaries() {
    int64_t cap = Get_Universe_Stat(SALARY_CAP);
    if (cap <= 0) cap = Mul_Div_Round_64(BASE_YEAR_CAP, Get_Universe_Stat(INFLATION_FACTOR), 1000);
    const int64_t target = Mul_Div_Round_64(cap, PRE_CAP_PAYROLL_PERCENT, 100);
    const int32_t teams = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Used_Franchise_Slot(team)) Scale_Team_Payroll(team, target);
}

void Balance_Built_Season_Payrolls() {
    if (Get_Universe_Stat(BASE_YEAR) >= FIRST_SALARIES_YEAR) return;
    // Priced against the league's cap room as it stands before the pass,
    // every team comes off the minimum together; the balance a new game
    // makes then starts from a league near the cap and leaves it there.
    {
        const CAP_ROOM_AVERAGE_HOLD league_room;
        Balance_Team_Payrolls();
    }
    Balance_Team_Payrolls();
}

void Load_Cap_Room_CSV() {
    char name[64];
    Make_Year_Stats_Input_Path(name, sizeof name, Get_Universe_Stat(BASE_YEAR), "caproom");
    STATS_FILE file;
    if (!Open_Stats_File(&file, name)) return;
    // The file has no header: every line is a team's.
    STATS_LINE line, next;
    int32_t read = Read_Stats_Line(&file, &line);
    while (read != 0 && !Should_Stop_Stats_Reading()) {
        const int32_t following = Read_Stats_Line(&file, &next);
        if (read > 0) Read_Cap_Room_Line(line, following == 0, name);
        line = next;
        read = following;
    }
    Close_Stats_File(&file);
}
