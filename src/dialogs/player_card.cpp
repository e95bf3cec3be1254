#include "dialogs/player_card.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "app/skins.h"
#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/player_texts.h"
#include "dialogs/position_columns.h"
#include "personnel/injuries.h"
#include "personnel/predicted_stats.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t VITAL_INDUCTION_YEAR = 19;
constexpr int32_t VITAL_VOTE_SHARE = 20;
constexpr int32_t SCOUTED_OVERALL = 225;
constexpr int32_t SCOUTED_PEAK = 226;
constexpr int32_t CAREER_RETURN_ATTEMPTS = 140;
constexpr int32_t LONGEST_CARD_NAME = 21;
constexpr int32_t NO_FIELD = -1;

constexpr COLOUR_VALUE WHITE = 0xFFFFFF;
constexpr COLOUR_VALUE BLACK = 0x000000;

bool Is_Pool(int32_t team) {
    return team >= FIRST_COLLEGE_POOL_TEAM && team < TOTAL_NUMBER_OF_TEAMS;
}

void Write(char* out, const char* text) {
    safe_strncpy(out, text, CARD_TEXT_SIZE);
}

void Capitalise(char* text) {
    if (text[0] != '\0') text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
}

// A value kept in tenths or hundredths with its sign in front of the whole
// number ("-1.50", never "-1.-50"); `width` pads the whole part.
void Write_Decimal(char* out, int32_t value, int32_t scale, int32_t width = 0) {
    if (value >= 0 && width > 0)
        safe_sprintf(out, CARD_TEXT_SIZE, scale == 100 ? "%*d.%02d" : "%*d.%d", width, value / scale,
                     value % scale);
    else if (scale == 100)
        Format_Signed_Hundredths(out, CARD_TEXT_SIZE, value);
    else
        Format_Signed_Tenths(out, CARD_TEXT_SIZE, value);
}

// "$%d,000" below a million, else "$%d,%03d,000", after a label.
void Write_Thousands(char* out, const char* label, int32_t thousands) {
    if (thousands < 1000)
        safe_sprintf(out, CARD_TEXT_SIZE, "%s$%d,000", label, thousands);
    else
        safe_sprintf(out, CARD_TEXT_SIZE, "%s$%d,%03d,000", label, thousands / 1000, thousands % 1000);
}

void Experience_Field(int32_t team, int32_t slot, char* out) {
    static const char* const COLLEGE_YEARS[] = {"Freshman", "Sophomore", "Junior", "Senior", "Rookie"};
    const int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    if (seasons <= 0) {
        if (seasons >= -4) Write(out, COLLEGE_YEARS[seasons + 4]);
        return;
    }
    char words[FORMATTED_TEXT_SIZE] = "";
    if (team == HALL_OF_FAME_TEAM) {
        Format_Cardinal_Words(seasons, words);
        Capitalise(words);
        safe_sprintf(out, CARD_TEXT_SIZE, "%s seasons", words);
    } else {
        Format_Ordinal_Words(seasons + 1, words);
        Capitalise(words);
        safe_sprintf(out, CARD_TEXT_SIZE, "%s season", words);
    }
}

void Draft_Record_Field(int32_t team, int32_t slot, char* out) {
    const int32_t record = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD);
    if (record < 1) return;
    const int32_t team_part = record / 10000, year = record % 10000;
    if (team_part == 0) {
        if (year > 0) safe_sprintf(out, CARD_TEXT_SIZE, "Drafted %d", year);
        return;
    }
    const int32_t drafted_by = team_part - 1;
    if (drafted_by >= MAX_FRANCHISES || !Is_Valid_Team_Code(drafted_by)) {
        Write(out, "Undrafted");
        return;
    }
    char name[TEAM_STRING_LENGTH] = "";
    Get_Team_String(name, drafted_by, 0);
    const char* how = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT) == -1 ? "Signed" : "Drafted";
    if (year == 0)
        safe_sprintf(out, CARD_TEXT_SIZE, "%s by %s", how, name);
    else
        safe_sprintf(out, CARD_TEXT_SIZE, "%s by %s (%d)", how, name, year);
}

void Draft_Slot_Field(int32_t team, int32_t slot, char* out) {
    const int32_t code = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT);
    if (code == -1) {
        Write(out, "Undrafted Free Agent");
        return;
    }
    const int32_t round = Get_Draft_Code_Round(code), pick = Get_Draft_Code_Pick(code);
    if (round != 0) {
        char ordinal[FORMATTED_TEXT_SIZE];
        Format_Ordinal_Number(round, ordinal);
        if (pick != 0)
            safe_sprintf(out, CARD_TEXT_SIZE, "%s Round (#%d)", ordinal, pick);
        else
            safe_sprintf(out, CARD_TEXT_SIZE, "%s Round", ordinal);
    } else if (pick > 0) {
        safe_sprintf(out, CARD_TEXT_SIZE, "Pick #%d", pick);
    }
}

void Absence_Field(int32_t team, int32_t slot, char* out) {
    const int32_t weeks = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT);
    if (weeks <= 0) {
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (position != POSITION_K && position != POSITION_P)
            safe_sprintf(out, CARD_TEXT_SIZE, "40-Yard Dash: %.2f",
                         static_cast<double>(Get_Player_Forty_Time(team, slot)));
        return;
    }
    const char* unit = Is_Player_Suspended(team, slot) != 0 ? "game" : "week";
    if (Is_Player_Holding_Out(team, slot) != 0) {
        if (Is_Human_Team(team) != 0) Write(out, " (Click 'Negotiate' to end holdout)");
    } else if (weeks == 1) {
        safe_sprintf(out, CARD_TEXT_SIZE, " Out for 1 %s", unit);
    } else if (weeks < Get_Weeks_To_Final()) {
        safe_sprintf(out, CARD_TEXT_SIZE, " Out for %d %ss", weeks, unit);
    } else {
        Write(out, " Out for season");
    }
}

void Second_Column_Field(int32_t row, int32_t team, int32_t slot, char* out) {
    const bool franchise = Is_Franchise_Slot(team);
    const bool out_now = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) > 0;
    switch (row) {
    case 0:
        safe_sprintf(out, CARD_TEXT_SIZE, "Age: %d", Get_Player_Age(team, slot));
        return;
    case 1:
        if (Is_Pool(team) && Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) < 0) {
            const int32_t value = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE);
            safe_sprintf(out, CARD_TEXT_SIZE, "CSS: %d.%d", value / 10, std::abs(value % 10));
        } else if (team == HALL_OF_FAME_TEAM) {
            safe_sprintf(out, CARD_TEXT_SIZE, "Year Inducted: %d",
                         Get_Player_Vital_Stat(team, slot, VITAL_INDUCTION_YEAR));
        } else if (team != FREE_AGENT_TEAM) {
            char salary[FORMATTED_TEXT_SIZE];
            Format_Player_Salary(team, slot, salary);
            safe_sprintf(out, CARD_TEXT_SIZE, "Salary: %s", salary);
        }
        return;
    case 2:
        if (team == HALL_OF_FAME_TEAM) {
            safe_sprintf(out, CARD_TEXT_SIZE, "Votes Received: %d%%",
                         Get_Player_Vital_Stat(team, slot, VITAL_VOTE_SHARE));
        } else if (franchise) {
            char year[FORMATTED_TEXT_SIZE];
            Format_Contract_End_Year(team, slot, year);
            safe_sprintf(out, CARD_TEXT_SIZE, "Signed Through: %s", year);
        }
        return;
    case 3:
        if (franchise)
            Write_Thousands(out, "Cap Impact: ", Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE));
        return;
    case 4:
        if (out_now) {
            Get_Player_Injury_Text(team, slot, out);
            Capitalise(out);
        } else if (franchise) {
            // The bonus field holds what is still to count against the cap.
            const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
            if (bonus > 0) Write_Thousands(out, "Remaining Bonus: ", bonus);
        }
        return;
    case 5:
        Absence_Field(team, slot, out);
        return;
    case 6:
        if (!out_now) {
            const int32_t rings = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_RINGS);
            if (rings == 1)
                Write(out, "1 Super Bowl Ring");
            else if (rings > 1)
                safe_sprintf(out, CARD_TEXT_SIZE, "%d Super Bowl Rings", rings);
        }
        return;
    default:
        return;
    }
}

// The statistics kinds' columns: heading, width and the field shown.
struct STAT_COLUMN {
    const char* Heading;
    int32_t Width;
    int32_t Field;
};
constexpr STAT_COLUMN QB_PAGE[] = {
    {"", 50, NO_FIELD}, {"Team", 30, NO_FIELD}, {"G", 24, 0},     {"GS", 24, 1},      {"Att", 33, 2},
    {"Comp", 33, 3},    {"Pct", 34, 4},         {"Yards", 34, 5}, {"Yds/Att", 40, 6}, {"TD", 23, 7},
    {"Int", 23, 8},     {"Rating", 37, 9},      {"Rush", 33, 10}, {"Yds", 33, 11},    {"TD", 24, 18},
    {"Sacks", 40, 12},  {"SkYds", 38, 13}};
constexpr STAT_COLUMN BLOCKER_PAGE[] = {
    {"", 50, NO_FIELD},    {"Team", 30, NO_FIELD}, {"G", 24, 0},
    {"GS", 24, 1},         {"Yds/Rush", 60, 14},   {"Sacks Allowed", 84, 15},
    {"Penalties", 66, 16}, {"Pen-Yds", 54, 17},    {"Snaps", 0, 61}};
constexpr STAT_COLUMN SKILL_PAGE[] = {
    {"", 50, NO_FIELD}, {"Team", 30, NO_FIELD}, {"G", 24, 0},     {"GS", 24, 1},   {"Rush", 36, 10},
    {"Yards", 33, 11},  {"Avg", 29, 14},        {"TD", 23, 18},   {"Fum", 25, 50}, {"Tgts", 33, 20},
    {"Rec", 28, 21},    {"Yards", 34, 22},      {"Avg", 29, 23},  {"YAC", 29, 51}, {"1st", 26, 52},
    {"TD", 24, 24},     {"PRet", 32, 25},       {"KRet", 30, 26}, {"TD", 20, 27}};
constexpr STAT_COLUMN DEFENDER_PAGE[] = {
    {"", 50, NO_FIELD},  {"Team", 30, NO_FIELD}, {"G", 24, 0},     {"GS", 24, 1},
    {"Tackles", 46, 28}, {"Tk/G", 30, 29},       {"Solo", 30, 30}, {"Asst", 30, 31},
    {"Sacks", 34, 32},   {"FF", 24, 33},         {"PD", 24, 34},   {"Int", 24, 35},
    {"TD", 24, 36},      {"PRet", 34, 25},       {"KRet", 34, 26}, {"TD", 25, 27}};
constexpr STAT_COLUMN PUNTER_PAGE[] = {{"", 50, NO_FIELD}, {"Team", 30, NO_FIELD}, {"G", 24, 0},
                                       {"Punts", 42, 37},  {"Yards", 42, 38},      {"Avg", 42, 39},
                                       {"LG", 30, 40},     {"TB", 34, 41},         {"(FG%%)", 42, 42}};
constexpr STAT_COLUMN KICKER_PAGE[] = {{"", 50, NO_FIELD}, {"Team", 30, NO_FIELD}, {"G", 24, 0},
                                       {"PAT", 48, 43},    {"FG<30", 48, 44},      {"30-39", 48, 45},
                                       {"40-49", 48, 46},  {"50+", 48, 47},        {"FG%%", 34, 42},
                                       {"LG", 30, 48},     {"Pts", 30, 49}};

struct STAT_PAGE {
    const STAT_COLUMN* Columns;
    int32_t Count;
};
// The two kinds with career returns add the return columns at their end.
constexpr STAT_PAGE STAT_PAGES[STAT_PAGE_KINDS] = {
    {QB_PAGE, 17},       {BLOCKER_PAGE, 9},   {SKILL_PAGE, 16}, {SKILL_PAGE, 19},
    {DEFENDER_PAGE, 13}, {DEFENDER_PAGE, 16}, {PUNTER_PAGE, 9}, {KICKER_PAGE, 11},
};

const STAT_COLUMN* Stat_Column(int32_t kind, int32_t column) {
    if (kind < 0 || kind >= STAT_PAGE_KINDS || column < 0 || column >= STAT_PAGES[kind].Count) return nullptr;
    return &STAT_PAGES[kind].Columns[column];
}

// A row's season-line link, -1 for rows 0-3 and links without a line.
int32_t Row_Line(int32_t team, int32_t slot, int32_t row) {
    if (row < FIRST_SEASON_ROW) return NO_SEASON_LINE;
    return Get_Player_Season_Line(team, slot, row - FIRST_SEASON_ROW);
}

struct BIO_STATS {
    int32_t Team, Slot, Row;
    int32_t operator()(int32_t n) const { return Get_Player_Stat(Team, Slot, Row, n); }
};
} // namespace

void Format_Player_Card_Field(int32_t column, int32_t row, int32_t team, int32_t slot, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (!Is_Player_Address(team, slot) || row < 0 || row >= CARD_ROWS) return;
    const bool hall = team == HALL_OF_FAME_TEAM;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    switch (column) {
    case 0:
        switch (row) {
        case 0:
            Experience_Field(team, slot, out);
            return;
        case 1:
            Get_Player_College(team, slot, out);
            return;
        case 2: {
            const int32_t inches = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
            safe_sprintf(out, CARD_TEXT_SIZE, "Height: %d-%d", inches / 12, inches % 12);
            return;
        }
        case 3:
            safe_sprintf(out, CARD_TEXT_SIZE, "Weight: %d", Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT));
            return;
        case 4:
            if (!Is_Pool(team)) Draft_Record_Field(team, slot, out);
            return;
        case 5:
            if (!Is_Pool(team)) Draft_Slot_Field(team, slot, out);
            return;
        case 6: {
            const int32_t uniform = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM);
            if (uniform > 0) safe_sprintf(out, CARD_TEXT_SIZE, "Uniform: #%d", uniform);
            return;
        }
        case 7:
            if (Get_User_Preference(COMMISSIONER_MODE) != 0) {
                char id[FORMATTED_TEXT_SIZE] = "";
                Get_Player_External_ID(team, slot, id);
                safe_sprintf(out, CARD_TEXT_SIZE, "ID: %s (%d)", id, Get_Player_ID(team, slot));
            }
            return;
        default:
            return;
        }
    case 1:
        Second_Column_Field(row, team, slot, out);
        return;
    case 2:
        if (row < 2) {
            if (!hall) Write(out, row == 0 ? "Overall" : "Peak");
        } else {
            const int32_t rating = Get_Position_Column_Stat(position, row - 2);
            if (rating >= 0) Get_Rating_Name(rating, out);
        }
        return;
    case 3:
        if (row < 2) {
            if (!hall)
                safe_sprintf(
                    out, CARD_TEXT_SIZE, "%d",
                    Get_Player_Stat(team, slot, SEASON_PREDICTED, row == 0 ? SCOUTED_OVERALL : SCOUTED_PEAK));
        } else {
            const int32_t rating = Get_Position_Column_Stat(position, row - 2);
            if (rating >= 0)
                safe_sprintf(out, CARD_TEXT_SIZE, "%d",
                             static_cast<int32_t>(Get_Player_Rating(team, slot, rating)));
        }
        return;
    default:
        return;
    }
}

void Format_Card_Player_Name(int32_t team, int32_t slot, char* out) {
    if (out == nullptr) return;
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Player_Full_Name(team, slot, name);
    if (static_cast<int32_t>(std::strlen(name)) <= LONGEST_CARD_NAME) {
        Write(out, name);
        return;
    }
    char first[FORMATTED_TEXT_SIZE] = "", last[FORMATTED_TEXT_SIZE] = "";
    Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    safe_sprintf(out, CARD_TEXT_SIZE, "%c. %s", first[0], last);
}

void Format_Player_Bio_Value(int32_t team, int32_t slot, int32_t row, int32_t field, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    const BIO_STATS s{team, slot, row};
    auto number = [&](int32_t value) { safe_sprintf(out, CARD_TEXT_SIZE, "%d", value); };
    // "-" for a value of 0 in a season without games.
    auto unless_none = [&](int32_t value) {
        if (value == 0 && s(0) == 0)
            Write(out, "-");
        else
            number(value);
    };
    auto dash_or = [&](bool dash, auto then) {
        if (dash)
            Write(out, "-");
        else
            then();
    };
    auto pair = [&](int32_t a, int32_t b) { safe_sprintf(out, CARD_TEXT_SIZE, "%d/%d", a, b); };
    switch (field) {
    case 0:
        number(std::max(s(0), s(1)));
        break;
    case 1:
        number(s(1));
        break;
    case 2:
    case 30:
    case 37:
        unless_none(s(2));
        break;
    case 3:
    case 38:
        dash_or(s(2) == 0, [&] { number(s(3)); });
        break;
    case 4:
        dash_or(s(2) == 0, [&] { Write_Decimal(out, s(101), 10); });
        break;
    case 5:
        dash_or(s(3) == 0, [&] { number(s(5)); });
        break;
    case 6:
        dash_or(s(2) == 0, [&] { Write_Decimal(out, s(103), 100); });
        break;
    case 7:
        dash_or(s(3) == 0, [&] { number(s(6)); });
        break;
    case 8:
        dash_or(s(2) == 0, [&] { number(s(4)); });
        break;
    case 9:
        dash_or(s(2) == 0, [&] { Write_Decimal(out, s(100), 10); });
        break;
    case 10:
    case 35:
        unless_none(s(7));
        break;
    case 11:
        dash_or(s(7) == 0, [&] { number(s(8)); });
        break;
    case 12:
        unless_none(s(14));
        break;
    case 13:
        dash_or(s(14) == 0, [&] { number(s(15)); });
        break;
    case 14:
        dash_or(s(7) <= 0, [&] {
            Write_Decimal(out, s(112), 100);
            // "12.30" shows as "12.3".
            if (std::strlen(out) == 5 && out[4] == '0') out[4] = '\0';
        });
        break;
    case 15:
        if (s(144) == 0 && s(0) == 0)
            Write(out, "-");
        else
            Write_Decimal(out, s(144), 100);
        break;
    case 16:
    case 21:
        unless_none(s(10));
        break;
    case 17:
    case 22:
        dash_or(s(10) == 0, [&] { number(s(11)); });
        break;
    case 18:
        dash_or(s(7) == 0, [&] { number(s(9)); });
        break;
    case 19:
        unless_none(s(13));
        break;
    case 20:
        if (s(10) > s(4))
            Write(out, "-");
        else
            unless_none(s(4));
        break;
    case 23:
        dash_or(s(10) == 0, [&] { Write_Decimal(out, s(113), 10); });
        break;
    case 24:
        dash_or(s(10) == 0, [&] { number(s(12)); });
        break;
    case 25:
        if (s(17) != 0) Write_Decimal(out, s(119), 10);
        break;
    case 26:
        if (s(14) != 0) Write_Decimal(out, s(118), 10);
        break;
    case 27:
        if (s(14) != 0 || s(17) != 0) number(s(142));
        break;
    case 28:
        unless_none(s(147));
        break;
    case 29:
        dash_or(s(147) == 0, [&] { Write_Decimal(out, s(146), 10); });
        break;
    case 31:
        unless_none(s(3));
        break;
    case 32:
        if (s(143) == 0 && s(0) == 0)
            Write(out, "-");
        else
            Write_Decimal(out, s(143), 10);
        break;
    case 33:
        unless_none(s(5));
        break;
    case 34:
        unless_none(s(6));
        break;
    case 36:
        unless_none(s(132));
        break;
    case 39:
        dash_or(s(2) == 0, [&] { Write_Decimal(out, s(115), 10, 2); });
        break;
    case 40:
        dash_or(s(2) == 0, [&] { number(s(5)); });
        break;
    case 41:
        dash_or(s(2) == 0, [&] { number(s(6)); });
        break;
    case 42:
        dash_or(s(122) <= 0, [&] { safe_sprintf(out, CARD_TEXT_SIZE, "%d%%", s(123) / 10); });
        break;
    case 43:
        dash_or(s(8) == 0 && s(0) == 0, [&] { pair(s(9), s(8)); });
        break;
    case 44:
    case 45:
    case 46:
    case 47: {
        const int32_t made = 11 + 2 * (field - 44);
        dash_or(s(0) == 0, [&] { pair(s(made), s(made - 1)); });
        break;
    }
    case 48:
        dash_or(s(121) == 0, [&] { number(s(18)); });
        break;
    case 49:
        dash_or(s(0) == 0, [&] { number(s(139)); });
        break;
    case 50:
        unless_none(Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == POSITION_QB ? s(19) : s(2));
        break;
    case 51:
        dash_or(s(6) == 0, [&] { Write_Decimal(out, s(114), 10, 2); });
        break;
    case 52:
        dash_or(s(5) == 0 || Get_Player_Stat_Row_Year(team, slot, row) < Get_User_Preference(STATISTICS_YEAR),
                [&] { number(s(5)); });
        break;
    case 55:
        dash_or(s(2) == 0, [&] { pair(s(6), s(4)); });
        break;
    case 56: {
        int32_t inches = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
        if (inches < 60) inches = 75 + (inches + 1) % 3;
        safe_sprintf(out, CARD_TEXT_SIZE, "%d'%d\"", inches / 12, inches % 12);
        break;
    }
    case 57:
        safe_sprintf(out, CARD_TEXT_SIZE, "%d lbs", Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT));
        break;
    case 58:
        safe_sprintf(out, CARD_TEXT_SIZE, "%d years old", Get_Player_Age(team, slot));
        break;
    case 59: {
        const int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
        if (seasons == 0) {
            Write(out, "Rookie");
        } else {
            char ordinal[FORMATTED_TEXT_SIZE];
            Format_Ordinal_Number(seasons + 1, ordinal);
            safe_sprintf(out, CARD_TEXT_SIZE, "%s season", ordinal);
        }
        break;
    }
    case 60: {
        char college[FORMATTED_TEXT_SIZE] = "";
        Get_Player_College_Display_Name(team, slot, college);
        Write(out, college);
        break;
    }
    case 61:
        Write(out, "-");
        break;
    default:
        break;
    }
    // A blocker's rows of seasons before the league's first have no line figures.
    if (field >= 14 && field <= 17 && row >= FIRST_SEASON_ROW && Get_Player_Position_Group(team, slot) == 1) {
        const int32_t line = Row_Line(team, slot, row);
        if (line != NO_SEASON_LINE && Get_Season_Line_Year(line) < Get_Universe_Stat(BASE_YEAR))
            out[0] = '\0';
    }
}

int32_t Count_Player_Career_Seasons(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return 0;
    int32_t count = 0;
    for (int32_t link = 0; link < NUMBER_OF_SEASON_LINE_LINKS; ++link)
        if (Get_Player_Season_Line(team, slot, link) != NO_SEASON_LINE) ++count;
    return count;
}

int32_t Get_Stat_Page_Kind(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const bool returns = Get_Player_Stat(team, slot, SEASON_CAREER, CAREER_RETURN_ATTEMPTS) != 0;
    switch (Get_Position_Group(position)) {
    case 0:
        if (position == POSITION_QB) return 0;
        return returns ? 3 : 2;
    case 1:
        return 1;
    case 2:
        return returns ? 5 : 4;
    case 3:
        return position == POSITION_P ? 6 : 7;
    default:
        return 0;
    }
}

int32_t Get_Stat_Page_Column_Count(int32_t kind) {
    return kind >= 0 && kind < STAT_PAGE_KINDS ? STAT_PAGES[kind].Count : 0;
}

int32_t Get_Stat_Column_X(int32_t kind, int32_t column) {
    int32_t x = 7;
    for (int32_t i = 0; i < column; ++i)
        if (const STAT_COLUMN* each = Stat_Column(kind, i)) x += each->Width;
    return x;
}

int32_t Get_Stat_Column_Width(int32_t kind, int32_t column) {
    const STAT_COLUMN* each = Stat_Column(kind, column);
    return each != nullptr ? each->Width : 0;
}

void Get_Stat_Page_Heading(int32_t kind, int32_t column, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    const STAT_COLUMN* each = Stat_Column(kind, column);
    if (each == nullptr) return;
    // Headings are printed through a format: "%%" shows one percent sign.
    char* to = out;
    for (const char* from = each->Heading; *from != '\0'; ++from) {
        if (from[0] == '%' && from[1] == '%') ++from;
        *to++ = *from;
    }
    *to = '\0';
}

void Format_Stat_Page_Cell(int32_t team, int32_t slot, int32_t kind, int32_t column, int32_t row, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (column == 0) {
        static const char* const LABELS[] = {"This Season", "Last Season", "Career", "Predicted"};
        if (row >= 0 && row < FIRST_SEASON_ROW) {
            Write(out, LABELS[row]);
            return;
        }
        const int32_t line = Row_Line(team, slot, row);
        if (line != NO_SEASON_LINE) safe_sprintf(out, CARD_TEXT_SIZE, "%d", Get_Season_Line_Year(line));
        return;
    }
    if (column == 1) {
        const int32_t line = Row_Line(team, slot, row);
        if (line == NO_SEASON_LINE) return;
        const int32_t line_team = Get_Season_Line_Team(line);
        const int32_t experience = Get_Season_Line_Kind(line);
        if (line_team >= 0 && line_team < FREE_AGENT_TEAM) {
            Get_Team_String(out, line_team, 0);
        } else if (experience < 0 && experience >= -4) {
            static const char* const YEARS[] = {"FR", "SO", "JR", "SR"};
            Write(out, YEARS[experience + 4]);
        }
        return;
    }
    const STAT_COLUMN* each = Stat_Column(kind, column);
    if (each == nullptr || each->Field == NO_FIELD) return;
    Format_Player_Bio_Value(team, slot, row, each->Field, out);
}

TEXT_COLOURS Pick_Card_Colour(COLOUR_VALUE first, COLOUR_VALUE second) {
    return Get_User_Preference(SECOND_COLOUR_SET) != 0 ? TEXT_COLOURS{second, first}
                                                       : TEXT_COLOURS{first, second};
}

TEXT_COLOURS Get_Stat_Row_Color(int32_t team, int32_t slot, int32_t row) {
    switch (row) {
    case 0:
    case 1:
        return Pick_Card_Colour(WHITE, BLACK);
    case STAT_ROW_CAREER:
        return Pick_Card_Colour(0x45F9FF, 0x00006E);
    case 3:
        return Pick_Card_Colour(0x2EA6AA, 0x3232B4);
    default:
        break;
    }
    const int32_t line = Row_Line(team, slot, row);
    if (line == NO_SEASON_LINE) return Pick_Card_Colour(WHITE, BLACK);
    const bool college = Get_Season_Line_Kind(line) < 0;
    if (Is_Ice_Or_Fire_Skin() != 0)
        return college ? Pick_Card_Colour(0x2EA6AA, 0x3232B4) : Fix_View_Colour(BLACK);
    return college ? Pick_Card_Colour(0xAAAAFF, 0xB45050) : Pick_Card_Colour(0x2EA6AA, 0x3232B4);
}
