#include "database/game_names.h"

#include "app/skins.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "database/league_structure.h"
#include "database/number_words.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/universe.h"

namespace {
constexpr int FIRST_EXPANDED_SLOT = 15;
constexpr int UNIVERSE_STAT_WILD_CARD_TEAMS = 1;
constexpr int TEAM_STRING_LOCATION = 1;
constexpr int TEAM_STRING_NICKNAME = 2;
constexpr int LAST_POOL_TEAM = 40;
constexpr int AVERAGE_TEAM = 255;

struct DEPTH_SLOT_NAME {
    const char* Short;
    const char* Long;
};

const DEPTH_SLOT_NAME EXPANDED_SLOTS[LAST_DEPTH_SLOT - FIRST_EXPANDED_SLOT + 1] = {
    {"WR1", "#1 Receiver"},
    {"WR2", "#2 Receiver"},
    {"SWR", "Slot Receiver"},
    {"RS", "Return Specialist"},
    {"ST", "Special Teams"},
    {"OE", "Offensive End"},
    {"LT", "Left Tackle"},
    {"LG", "Left Guard"},
    {"RG", "Right Guard"},
    {"RT", "Right Tackle"},
    {"LS", "Long Snapper"},
    {"LDE", "Left Defensive End"},
    {"LDT", "Left Defensive Tackle"},
    {"NT", "Nose Tackle"},
    {"RDT", "Right Defensive Tackle"},
    {"RDE", "Right Defensive End"},
    {"MLB", "Middle Linebacker"},
    {"ILB", "Inside Linebacker"},
    {"OLB", "Outside Linebacker"},
    {"LILB", "Left Inside Linebacker"},
    {"RILB", "Right Inside Linebacker"},
    {"LOLB", "Left Outside Linebacker"},
    {"ROLB", "Right Outside Linebacker"},
    {"LCB", "Left Cornerback"},
    {"RCB", "Right Cornerback"},
    {"NB", "Nickel Back"},
    {"SS", "Strong Safety"},
    {"FS", "Free Safety"},
};

const char* const RATING_NAMES[NUMBER_OF_RATING_NAMES] = {
    "Health",      "Durability",    "Accuracy",      "Distance",      "Control",      "Red Zone",
    "Mobility",    "Speed",         "Power",         "Quickness",     "Vision",       "Receiving",
    "Hands",       "Kick Returns",  "Punt Returns",  "Pass Blocking", "Run Blocking", "Discipline",
    "Run Defense", "Pass Rush",     "Pass Coverage", "Turnovers",     "Tackling",     "FG Accuracy",
    "FG Distance", "Punt Accuracy", "Punt Distance"};

void Put_Text(char* buffer, const char* text) {
    if (buffer != nullptr) safe_strncpy(buffer, text ? text : "", FORMATTED_TEXT_SIZE);
}

void Put_Format(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Put_Format(char* buffer, const char* format, ...) {
    if (buffer == nullptr) return;
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, FORMATTED_TEXT_SIZE, format, args);
    va_end(args);
}

// A team string through the team record's accessor, which answers the pools
// with their fixed texts.
void Copy_Team_String(int team, int string, char* buffer) {
    char text[TEAM_STRING_LENGTH];
    Get_Team_String(text, team, string);
    Put_Text(buffer, text);
}

// The text of a week, before the calendar-cell abbreviations.
enum WEEK_KIND { REGULAR_WEEK, WILD_CARD_DAY, DIVISION_DAY, CONFERENCE_DAY, FINAL_DAY, OFFSEASON };

WEEK_KIND Classify_Week(int32_t week, int32_t* day) {
    if (week == -1) week = Get_User_Preference(CURRENT_WEEK);
    *day = week + 1;
    const int32_t* days = Universe.Post_Season_Days;
    if (*day < days[0]) return REGULAR_WEEK;
    for (int round = 0; round < 4; ++round)
        if (*day == days[round]) return static_cast<WEEK_KIND>(WILD_CARD_DAY + round);
    return OFFSEASON;
}

bool Is_Title_Game_Era() {
    return Get_Current_Year() < 1970;
}

void Format_Week(int32_t week, char* buffer, bool short_form) {
    int32_t day = 0;
    WEEK_KIND kind = Classify_Week(week, &day);
    switch (kind) {
    case REGULAR_WEEK:
        Put_Format(buffer, "Week %d", day);
        break;
    case WILD_CARD_DAY:
        Put_Text(buffer, "Wild Card");
        break;
    case DIVISION_DAY:
        Put_Text(buffer, short_form ? "Division" : "Division Round");
        break;
    case CONFERENCE_DAY:
        if (Is_Title_Game_Era())
            Put_Text(buffer, Count_Leagues() > 1 ? "Title Games" : "Title Game");
        else
            Put_Text(buffer, short_form ? "Conference" : "Conference Championship");
        break;
    case FINAL_DAY:
        Put_Text(buffer, "Super Bowl");
        break;
    case OFFSEASON:
        Put_Text(buffer, "Offseason");
        break;
    }
    if (!short_form) return;
    // Rounds the playoff field is too small for show as a bye.
    int32_t wild_cards = Universe.Header.Universe_Stats[UNIVERSE_STAT_WILD_CARD_TEAMS];
    int32_t field = 0;
    for (int league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        int32_t teams = Count_League_Divisions(league) + wild_cards;
        if (teams > field) field = teams;
    }
    if ((kind == CONFERENCE_DAY && field <= 1) || (kind == DIVISION_DAY && field <= 2) ||
        (kind == WILD_CARD_DAY && field <= 4))
        Put_Text(buffer, "Bye Week");
}
} // namespace

void Format_Week_Name(int32_t week, char* buffer) {
    Format_Week(week, buffer, false);
}

void Format_Week_Short_Name(int32_t week, char* buffer) {
    Format_Week(week, buffer, true);
}

// A negative day counts back from the end of the year instead of giving a
// negative day of January.
void Format_Day_Of_Year(int32_t day, char* buffer) {
    Put_Format(buffer, "%s %d", Find_Resource_String(STRING_MONTH_NAMES + Get_Month_Of_Day(day)),
               Get_Day_Of_Month(day) + 1);
}

void Format_Date_With_Year(int32_t day, int32_t year, char* buffer) {
    char date[FORMATTED_TEXT_SIZE];
    Format_Day_Of_Year(day, date);
    Put_Format(buffer, "%s, %d", date, year);
}

void Get_Position_Name(int32_t position, char* buffer) {
    if (position == ANY_POSITION)
        Put_Text(buffer, "Any Position");
    else if (position >= 0 && position < ANY_POSITION)
        Put_Text(buffer, Find_Resource_String(STRING_POSITION_NAMES + position));
    else
        Put_Text(buffer, "<Error>");
}

void Get_Position_Name_Lower(int32_t position, char* buffer) {
    Get_Position_Name(position, buffer);
    if (buffer == nullptr) return;
    for (char* c = buffer; *c != '\0'; ++c)
        *c = static_cast<char>(tolower(static_cast<unsigned char>(*c)));
}

void Get_Depth_Slot_Abbreviation(int32_t slot, char* buffer) {
    if (slot < 0)
        Put_Text(buffer, "");
    else if (slot < FIRST_EXPANDED_SLOT)
        Put_Text(buffer, Find_Resource_String(STRING_POSITION_SHORT + slot));
    else if (slot <= LAST_DEPTH_SLOT)
        Put_Text(buffer, EXPANDED_SLOTS[slot - FIRST_EXPANDED_SLOT].Short);
}

// A negative slot gives an empty text, as the abbreviation does, rather than
// a name from before the table.
void Get_Depth_Slot_Name(int32_t slot, char* buffer) {
    if (slot < 0)
        Put_Text(buffer, "");
    else if (slot < FIRST_EXPANDED_SLOT)
        Put_Text(buffer, Find_Resource_String(STRING_POSITION_NAMES + slot));
    else if (slot <= LAST_DEPTH_SLOT)
        Put_Text(buffer, EXPANDED_SLOTS[slot - FIRST_EXPANDED_SLOT].Long);
}

void Get_Rating_Name(int32_t rating, char* buffer) {
    Put_Text(buffer, rating >= 0 && rating < NUMBER_OF_RATING_NAMES ? RATING_NAMES[rating] : "");
}

void Get_Team_Location_Name(int32_t team, char* buffer) {
    int code = static_cast<uint8_t>(team);
    if (code <= FREE_AGENT_TEAM)
        Copy_Team_String(code, TEAM_STRING_LOCATION, buffer);
    else if (code == AVERAGE_TEAM)
        Put_Text(buffer, "NFL Average");
    else
        Put_Text(buffer, "");
}

void Get_Team_Nickname(int32_t team, char* buffer) {
    int code = static_cast<uint8_t>(team);
    if (code <= HALL_OF_FAME_TEAM)
        Copy_Team_String(code, TEAM_STRING_NICKNAME, buffer);
    else
        Put_Text(buffer, "");
}

void Get_Team_Display_Name(int32_t team, char* buffer) {
    char nickname[FORMATTED_TEXT_SIZE];
    Get_Team_Nickname(team, nickname);
    if (strcasecmp(nickname, "Football Team") == 0)
        Get_Team_Location_Name(team, buffer);
    else
        Put_Text(buffer, nickname);
}

void Get_Team_Full_Name(int32_t team, char* buffer) {
    int code = static_cast<uint8_t>(team);
    if (code >= FIRST_COLLEGE_POOL_TEAM && code <= LAST_POOL_TEAM) {
        char round[FORMATTED_TEXT_SIZE];
        Format_Ordinal_Words(Get_User_Preference(DRAFT_ROUND) + 1, round);
        for (char* c = round; *c != '\0'; ++c)
            *c = static_cast<char>(c == round ? toupper(static_cast<unsigned char>(*c))
                                              : tolower(static_cast<unsigned char>(*c)));
        Put_Format(buffer, "%s Round Draft Pick", round);
    } else if (code == FREE_AGENT_TEAM) {
        Put_Text(buffer, "Free Agent");
    } else if (code == HALL_OF_FAME_TEAM) {
        Put_Text(buffer, "Hall Of Fame Inductee");
    } else if (!Is_Valid_Team_Code(code)) {
        Put_Text(buffer, "");
    } else {
        char location[FORMATTED_TEXT_SIZE];
        char nickname[FORMATTED_TEXT_SIZE];
        Get_Team_Location_Name(code, location);
        Get_Team_Nickname(code, nickname);
        Put_Format(buffer, "%s %s", location, nickname);
    }
}

// Faces cycle through the pictures as the seasons pass, so a long career sees
// new general managers.
void Get_GM_Face_Image(int32_t team, char* buffer) {
    int32_t face = ((team % 36) * 11 % 36 + 36) % 36;
    if (Get_User_Preference(CURRENT_SEASON_INDEX) - 15 > face) face += 36;
    Put_Format(buffer, "dialogs/faces/gm%d.jpg", face % 45);
    Get_Skin_File_Path(buffer, FORMATTED_TEXT_SIZE);
}
