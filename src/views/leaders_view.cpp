#include "views/leaders_view.h"

#include <algorithm>
#include <cstring>

#include "app/design_scaling.h"
#include "app/main_window.h"
#include "app/skins.h"
#include "app/sounds_and_cursors.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/scouting_report.h"
#include "platform/control_drawing.h"
#include "platform/text_render.h"
#include "season/all_time_leaders.h"
#include "views/leader_values.h"
#include "views/view_drawing.h"

LEADER_LIST_ENTRY Leader_Lists[LEADER_LISTS][LEADER_LIST_ROWS];

namespace {
constexpr int32_t LEADER_HEADING_DIALOG = 144;
constexpr int32_t LIST_LEFT[LEADER_LISTS] = {112, 410, 112, 410};
constexpr int32_t LIST_TOP[LEADER_LISTS] = {64, 64, 253, 253};
constexpr int32_t LIST_WIDTH = 247;
constexpr int32_t ENLARGED_ROWS = ALL_TIME_LEADER_ENTRIES;
constexpr RECT_AREA LEFT_HEADING = {154, 8, 381, 46};
constexpr RECT_AREA RIGHT_HEADING = {424, 8, 554, 46};
constexpr VIEW_COLOURS HUMAN_COLOURS = {0x45F9FF, 0x00006E};
constexpr VIEW_COLOURS NOTE_COLOURS = {0xAAAAFF, 0xB45050};
constexpr int32_t NOTE_FONT = 2;
constexpr int32_t LIST_HEADING_FONT = 9;
constexpr int32_t ROW_FONT = 8;
constexpr int32_t NAME_SIZE = 96;

int32_t State_Byte(int32_t n) {
    return (static_cast<uint32_t>(Get_User_Preference(LEADER_STATE_SETTING)) >> (8 * n)) & 0xFF;
}

void Set_State_Byte(int32_t n, int32_t value) {
    uint32_t state = static_cast<uint32_t>(Get_User_Preference(LEADER_STATE_SETTING));
    state = (state & ~(0xFFu << (8 * n))) | ((static_cast<uint32_t>(value) & 0xFF) << (8 * n));
    Set_User_Preference(LEADER_STATE_SETTING, static_cast<int32_t>(state));
}

// The league a team code belongs to for the lists: -1 for the free agents,
// empty slots and the pools.
int32_t Leader_League(int32_t team, int32_t active) {
    if (team >= active || !Is_Active_Team(team)) return -1;
    return Get_Team_Division(team) / 4;
}

RECT_AREA Row_Box(int32_t k, int32_t i) {
    return {LIST_LEFT[k] + 4, LIST_TOP[k] + 23 + 16 * i, LIST_LEFT[k] + 217, LIST_TOP[k] + 39 + 16 * i};
}

RECT_AREA Enlarged_Row_Box(int32_t i, bool click) {
    return click ? RECT_AREA{116, 87 + 16 * i, 627, 103 + 16 * i}
                 : RECT_AREA{116, 84 + 16 * i, 678, 100 + 16 * i};
}

RECT_AREA List_Heading_Box(int32_t k) {
    return {LIST_LEFT[k], LIST_TOP[k], LIST_LEFT[k] + LIST_WIDTH, LIST_TOP[k] + 20};
}

bool Read_All_Time_Entry(int32_t k, int32_t i, ALL_TIME_LEADER_ENTRY* entry) {
    return Get_All_Time_Leader(Get_Leaders_All_Time_Kind(), Get_Leader_List_Category(k), i, entry);
}

// The entry's names, ended inside their fields.
void Get_Entry_Names(const ALL_TIME_LEADER_ENTRY& entry, char* last, char* first) {
    std::memcpy(last, entry.Last_Name, sizeof entry.Last_Name);
    last[sizeof entry.Last_Name] = '\0';
    std::memcpy(first, entry.First_Name, sizeof entry.First_Name);
    first[sizeof entry.First_Name] = '\0';
}

// Where the all-time entry's player is now; false when he is not found.
bool Find_Entry_Player(const ALL_TIME_LEADER_ENTRY& entry, int32_t* team, int32_t* slot) {
    if (entry.Player_ID <= 0) return false;
    PLAYER_LOCATION location{};
    if (!Lookup_Player_ID_Hash(&location, entry.Player_ID)) return false;
    *team = location.Team;
    *slot = location.Slot;
    return Is_Player_Slot_Used(*team, *slot) != 0;
}

void Draw_Built_Row(DEVICE_CONTEXT* dc, int32_t k, int32_t i) {
    const LEADER_LIST_ENTRY& entry = Leader_Lists[k][i];
    if (entry.Team < 0 || !Is_Player_Slot_Used(entry.Team, entry.Slot)) return;
    char name[FORMATTED_TEXT_SIZE];
    Get_Player_Last_First_Name(entry.Team, entry.Slot, name);
    char line[NAME_SIZE];
    if (Is_Free_Agent_Slot(entry.Team)) {
        safe_strncpy(line, name, sizeof line);
    } else {
        char abbreviation[FORMATTED_TEXT_SIZE];
        Get_Team_String(abbreviation, entry.Team, 0);
        safe_sprintf(line, sizeof line, "%s (%s)", name, abbreviation);
    }
    char value[LEADER_TEXT_SIZE];
    Format_Leader_Value(entry.Value, Get_Leader_List_Category(k), value, sizeof value);
    Set_View_Text_Colours(dc, Is_Human_Team(entry.Team) ? HUMAN_COLOURS : VIEW_LIGHT_COLOURS);
    const int32_t x = LIST_LEFT[k], top = LIST_TOP[k] + 20 + 16 * i;
    Draw_View_Text(dc, line, {x + 3, top, x + 196, top + 17}, TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE);
    Draw_View_Text(dc, value, {x + 196, top, x + 245, top + 17},
                   TEXT_CENTRE | TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE);
}

// The name of an all-time entry with its player's current team, and the colour it is drawn in.
void Format_All_Time_Name(const ALL_TIME_LEADER_ENTRY& entry, const char* format, char* line,
                          VIEW_COLOURS* colours) {
    char last[24], first[16];
    Get_Entry_Names(entry, last, first);
    int32_t team = NO_TEAM, slot = 0;
    char suffix[FORMATTED_TEXT_SIZE] = "";
    if (Find_Entry_Player(entry, &team, &slot)) {
        if (!Is_Free_Agent_Slot(team)) {
            char abbreviation[FORMATTED_TEXT_SIZE];
            Get_Team_String(abbreviation, team, 0);
            safe_sprintf(suffix, sizeof suffix, " (%s)", abbreviation);
        }
        *colours = Is_Human_Team(team) ? HUMAN_COLOURS : VIEW_LIGHT_COLOURS;
    } else {
        *colours = VIEW_GREY_COLOURS;
    }
    safe_sprintf(line, NAME_SIZE, format, last, first, suffix);
}

void Draw_All_Time_Row(DEVICE_CONTEXT* dc, int32_t k, int32_t i) {
    ALL_TIME_LEADER_ENTRY entry{};
    if (!Read_All_Time_Entry(k, i, &entry) || entry.First_Name[0] == '\0') return;
    char line[NAME_SIZE];
    VIEW_COLOURS colours = VIEW_GREY_COLOURS;
    Format_All_Time_Name(entry, "%s, %s%s", line, &colours);
    char value[LEADER_TEXT_SIZE];
    Format_Leader_Value(entry.Value, Get_Leader_List_Category(k), value, sizeof value);
    Set_View_Text_Colours(dc, colours);
    const int32_t x = LIST_LEFT[k], top = LIST_TOP[k] + 20 + 16 * i;
    Draw_View_Text(dc, line, {x + 3, top, x + 196, top + 17}, TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE);
    Draw_View_Text(dc, value, {x + 196, top, x + 245, top + 17},
                   TEXT_CENTRE | TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE);
}

void Draw_Enlarged_List(DEVICE_CONTEXT* dc, int32_t k) {
    const int32_t kind = Get_Leaders_All_Time_Kind();
    const uint32_t centred = TEXT_CENTRE | TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE;
    Set_View_Text_Colours(dc, VIEW_GREY_COLOURS);
    Draw_View_Text(dc, kind == ATL_KIND_CAREER ? "Through" : (kind == ATL_KIND_SEASON ? "Year" : ""),
                   {386, 64, 511, 84}, centred);
    Draw_View_Text(dc, "Age", {511, 64, 571, 84}, centred);
    Draw_View_Text(dc, kind == ATL_KIND_CAREER ? "Career" : "Team", {571, 64, 661, 84}, centred);
    for (int32_t r = 0; r < ENLARGED_ROWS; ++r) {
        ALL_TIME_LEADER_ENTRY entry{};
        if (!Read_All_Time_Entry(k, r, &entry) || entry.First_Name[0] == '\0') continue;
        const int32_t top = 84 + 16 * r, bottom = 101 + 16 * r;
        char line[NAME_SIZE];
        VIEW_COLOURS colours = VIEW_GREY_COLOURS;
        Format_All_Time_Name(entry, "%s, %s%s", line, &colours);
        char text[LEADER_TEXT_SIZE * 2];
        Set_View_Text_Colours(dc, colours);
        Draw_View_Text(dc, line, {119, top, 312, bottom}, TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE);
        Format_Leader_Value(entry.Value, Get_Leader_List_Category(k), text, sizeof text);
        Draw_View_Text(dc, text, {312, top, 386, bottom}, centred);
        text[0] = '\0';
        if (entry.Year > 0) {
            if (kind == ATL_KIND_SEASON || entry.Week + 1 < 1)
                safe_sprintf(text, sizeof text, "%04d", entry.Year);
            else
                safe_sprintf(text, sizeof text, "Week %d, %04d", entry.Week + 1, entry.Year);
        }
        Draw_View_Text(dc, text, {386, top, 511, bottom}, centred);
        text[0] = '\0';
        if (entry.Age > 0) safe_sprintf(text, sizeof text, "%d", entry.Age);
        Draw_View_Text(dc, text, {511, top, 571, bottom}, centred);
        text[0] = '\0';
        if (kind == ATL_KIND_CAREER) {
            if (entry.Credited_Seasons > 0)
                safe_sprintf(text, sizeof text, "%d season%s", entry.Credited_Seasons,
                             entry.Credited_Seasons > 1 ? "s" : "");
        } else if (Is_Valid_Team_Code(entry.Team)) {
            Get_Team_String(text, entry.Team, 0);
        }
        Draw_View_Text(dc, text, {571, top, 661, bottom}, centred);
    }
}

void Draw_Side_Notes(DEVICE_CONTEXT* dc) {
    VIEW_FONT font(dc, NOTE_FONT);
    const bool light = Is_Ice_Or_Fire_Skin() != 0;
    if (light)
        Set_Fixed_View_Text_Colour(dc, Make_Colour(255, 255, 255), NOTE_COLOURS);
    else
        Set_View_Text_Colours(dc, NOTE_COLOURS);
    const uint32_t format = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_WORD_BREAK;
    Draw_View_Text(dc, "Click list\nheading\nto change\nstat shown",
                   light ? RECT_AREA{0, 243, 109, 293} : RECT_AREA{0, 127, 109, 253}, format);
    Draw_View_Text(dc, "Click player\nname to view\nScouting\nReport",
                   light ? RECT_AREA{658, 243, 768, 293} : RECT_AREA{658, 127, 768, 253}, format);
    const bool earth = Is_Earth_Skin() != 0;
    Draw_View_Text(dc, earth ? "Click to\nchange" : "Click to change",
                   earth ? RECT_AREA{90, 8, 150, 46} : RECT_AREA{0, 12, 120, 46}, format, VIEW_GREY_COLOURS);
}

void Draw_Headings(DEVICE_CONTEXT* dc, int32_t mode) {
    const bool robotic = Is_Skin_Named("robotic");
    char text[FORMATTED_TEXT_SIZE];
    if (mode == LEADERS_ALL_TIME) {
        safe_strncpy(text, "All-Time Leaders", sizeof text);
    } else if (mode == LEADERS_BOTH_LEAGUES) {
        safe_strncpy(text, "Both Conferences", sizeof text);
    } else {
        char league[LEAGUE_NAME_LENGTH + 1] = "";
        Get_League_Name(mode, league);
        safe_sprintf(text, sizeof text, "%s Leaders", league);
    }
    const COLOUR_VALUE heading_colour =
        Is_Ice_Or_Fire_Skin() ? Make_Colour(255, 255, 255) : Make_Colour(0, 0, 0);
    const uint32_t one_line = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
    {
        VIEW_FONT font(dc, 11);
        RECT_AREA box = LEFT_HEADING;
        if (!robotic) box.Left -= 28, box.Right -= 28;
        Set_Fixed_View_Text_Colour(dc, heading_colour);
        Draw_View_Text(dc, text, box, one_line);
    }
    if (mode == LEADERS_ALL_TIME) {
        const int32_t kind = Get_Leaders_All_Time_Kind();
        safe_strncpy(text, kind == 0 ? "Career" : (kind == 1 ? "Season" : (kind == 2 ? "Game" : "?")),
                     sizeof text);
    } else {
        switch (Get_Leaders_Season_Selector()) {
        case 0:
            safe_sprintf(text, sizeof text, "%d", Get_Current_Year());
            break;
        case 1:
            safe_sprintf(text, sizeof text, "%d", Get_Current_Year() - 1);
            break;
        case 2:
            safe_strncpy(text, "Career", sizeof text);
            break;
        default:
            safe_strncpy(text, "Predicted", sizeof text);
            break;
        }
    }
    RECT_AREA box = RIGHT_HEADING;
    COLOUR_VALUE colour = Make_Colour(0, 0, 0);
    if (Is_Ice_Skin() || Is_Fire_Skin()) {
        colour = Is_Ice_Skin() ? 0x821E1E : 0x00006E;
        box.Bottom += 4;
    }
    if (!robotic) box.Left += 21, box.Right += 21;
    VIEW_FONT font(dc, robotic ? 11 : 10);
    Set_Fixed_View_Text_Colour(dc, colour);
    Draw_View_Text(dc, text, box, one_line);
}

void Draw_List_Heading(DEVICE_CONTEXT* dc, int32_t k, int32_t mode, bool enlarged) {
    char heading[LEADER_TEXT_SIZE];
    Get_Leader_Stat_Heading(Get_Leader_List_Category(k), heading, sizeof heading);
    const RECT_AREA box = enlarged ? RECT_AREA{112, 64, 359, 84} : List_Heading_Box(k);
    Set_Fixed_View_Text_Colour(dc, Make_Colour(0, 0, 0));
    Draw_View_Text(dc, heading, box, TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    if (mode != LEADERS_ALL_TIME) return;
    RECT_AREA button = {box.Right - 20, box.Top, box.Right, box.Bottom};
    Scale_Rect_To_Window(&button);
    Draw_Frame_Control(dc, button, enlarged ? FRAME_CAPTION_RESTORE : FRAME_CAPTION_MAXIMIZE, 0);
}

void Show_Leader_Player(int32_t k, int32_t i) {
    if (Get_Leaders_Mode() == LEADERS_ALL_TIME) {
        ALL_TIME_LEADER_ENTRY entry{};
        int32_t team = NO_TEAM, slot = 0;
        if (Read_All_Time_Entry(k, i, &entry) && Find_Entry_Player(entry, &team, &slot))
            Show_Scouting_Report(Main_Window, team, slot);
        return;
    }
    if (i >= LEADER_LIST_ROWS) return;
    const LEADER_LIST_ENTRY& entry = Leader_Lists[k][i];
    if (entry.Team >= 0 && Is_Player_Slot_Used(entry.Team, entry.Slot))
        Show_Scouting_Report(Main_Window, entry.Team, entry.Slot);
}

bool Has_All_Time_Player(int32_t k, int32_t i) {
    ALL_TIME_LEADER_ENTRY entry{};
    return Read_All_Time_Entry(k, i, &entry) && entry.Player_ID > 0;
}
} // namespace

int32_t Get_Leader_List_Category(int32_t k) {
    return std::clamp(Get_User_Preference(LEADER_CATEGORY_SETTING + k), 0, NUMBER_OF_LEADER_CATEGORIES - 1);
}

int32_t Get_Leaders_Mode() {
    return Get_Setting_Index(LEADER_MODE_SETTING, 4, 0);
}

int32_t Get_Leaders_Season_Selector() {
    return State_Byte(0) & 3;
}

int32_t Get_Leaders_Enlarged_List() {
    const int32_t enlarged = State_Byte(1);
    return enlarged <= LEADER_LISTS ? enlarged : 0;
}

int32_t Get_Leaders_All_Time_Kind() {
    return State_Byte(2);
}

void Build_Leader_Lists() {
    for (auto& list : Leader_Lists)
        for (LEADER_LIST_ENTRY& entry : list)
            entry = {-NO_TEAM, -1, 0};
    const int32_t mode = Get_Leaders_Mode();
    const int32_t selector = Get_Leaders_Season_Selector();
    const int32_t active = Count_Active_Teams();
    int32_t categories[LEADER_LISTS];
    for (int32_t k = 0; k < LEADER_LISTS; ++k)
        categories[k] = Get_Leader_List_Category(k);
    for (int32_t team = 0; team <= FREE_AGENT_TEAM; ++team) {
        if (mode != LEADERS_BOTH_LEAGUES && Leader_League(team, active) != mode) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            for (int32_t k = 0; k < LEADER_LISTS; ++k) {
                const int32_t value = Get_Player_Leader_Value(team, slot, categories[k], selector);
                LEADER_LIST_ENTRY* list = Leader_Lists[k];
                for (int32_t i = 0; i < LEADER_LIST_ROWS; ++i) {
                    if (list[i].Value >= value) continue;
                    std::memmove(&list[i + 1], &list[i],
                                 sizeof(LEADER_LIST_ENTRY) * (LEADER_LIST_ROWS - 1 - i));
                    list[i] = {team, slot, value};
                    break;
                }
            }
        }
    }
}

void Paint_Leaders_View(DEVICE_CONTEXT* dc) {
    const int32_t mode = Get_Leaders_Mode();
    const int32_t enlarged = mode == LEADERS_ALL_TIME ? Get_Leaders_Enlarged_List() : 0;
    Draw_View_Background(dc, enlarged != 0 ? "news\\leaders1.jpg" : "news\\leaders.jpg");
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    if (mode != LEADERS_ALL_TIME) Build_Leader_Lists();
    Draw_Side_Notes(dc);
    Draw_Headings(dc, mode);
    {
        VIEW_FONT font(dc, LIST_HEADING_FONT);
        if (enlarged != 0) {
            Draw_List_Heading(dc, enlarged - 1, mode, true);
        } else {
            for (int32_t k = 0; k < LEADER_LISTS; ++k)
                Draw_List_Heading(dc, k, mode, false);
        }
    }
    VIEW_FONT font(dc, ROW_FONT);
    if (enlarged != 0) {
        Draw_Enlarged_List(dc, enlarged - 1);
        return;
    }
    for (int32_t k = 0; k < LEADER_LISTS; ++k)
        for (int32_t i = 0; i < LEADER_LIST_ROWS; ++i) {
            if (mode == LEADERS_ALL_TIME)
                Draw_All_Time_Row(dc, k, i);
            else
                Draw_Built_Row(dc, k, i);
        }
}

int32_t Is_Leaders_Hot_Spot(int32_t x, int32_t y) {
    const int32_t mode = Get_Leaders_Mode();
    const int32_t enlarged = mode == LEADERS_ALL_TIME ? Get_Leaders_Enlarged_List() : 0;
    if (enlarged != 0) {
        for (int32_t i = 0; i < ENLARGED_ROWS; ++i)
            if (Is_Point_In_Design_Rect(Enlarged_Row_Box(i, false), x, y))
                return Has_All_Time_Player(enlarged - 1, i) ? 2 : 0;
        return 0;
    }
    if (Is_Point_In_Design_Rect(LEFT_HEADING, x, y) || Is_Point_In_Design_Rect(RIGHT_HEADING, x, y)) return 1;
    for (int32_t k = 0; k < LEADER_LISTS; ++k) {
        const RECT_AREA heading = {LIST_LEFT[k], LIST_TOP[k], LIST_LEFT[k] + 230, LIST_TOP[k] + 20};
        if (Is_Point_In_Design_Rect(heading, x, y)) return 1;
        for (int32_t i = 0; i < LEADER_LIST_ROWS; ++i)
            if (Is_Point_In_Design_Rect(Row_Box(k, i), x, y))
                return mode != LEADERS_ALL_TIME || Has_All_Time_Player(k, i) ? 2 : 0;
    }
    return 0;
}

void Do_Leaders_Click(int32_t x, int32_t y) {
    const int32_t mode = Get_Leaders_Mode();
    const int32_t enlarged = mode == LEADERS_ALL_TIME ? Get_Leaders_Enlarged_List() : 0;
    if (Is_Point_In_Design_Rect(LEFT_HEADING, x, y)) {
        Play_Sound_Effect("button.wav");
        int32_t next = (mode + 1) % 4;
        if (next == LEADERS_SECOND_LEAGUE && Count_Leagues() < 2) next = LEADERS_BOTH_LEAGUES;
        Repaint_Design_Box(LEFT_HEADING);
        Set_User_Preference(LEADER_MODE_SETTING, next);
        Repaint_View();
        return;
    }
    if (Is_Point_In_Design_Rect(RIGHT_HEADING, x, y)) {
        Play_Sound_Effect("button.wav");
        Repaint_Design_Box(RIGHT_HEADING);
        if (mode == LEADERS_ALL_TIME)
            Set_State_Byte(2, (Get_Leaders_All_Time_Kind() + 1) % 3);
        else
            Set_State_Byte(0, (State_Byte(0) + 1) % (Get_Replay_Mode() != 0 ? 4 : 3));
        Repaint_View();
        return;
    }
    for (int32_t k = 0; k < LEADER_LISTS; ++k) {
        if (enlarged != 0 && k != enlarged - 1) continue;
        const RECT_AREA heading = enlarged != 0 ? RECT_AREA{112, 64, 359, 84} : List_Heading_Box(k);
        if (!Is_Point_In_Design_Rect(heading, x, y)) continue;
        Play_Sound_Effect("button.wav");
        if (mode == LEADERS_ALL_TIME && x >= heading.Right - 32) {
            Set_State_Byte(1, enlarged != 0 ? 0 : k + 1);
            Repaint_View();
            return;
        }
        Choose_View_Column_Stat(LEADER_HEADING_DIALOG, LEADER_CATEGORY_SETTING + k, LEADER_CHOOSING_MARKER,
                                NO_COLUMN_SOUND);
        return;
    }
    const int32_t rows = enlarged != 0 ? ENLARGED_ROWS : LEADER_LIST_ROWS;
    for (int32_t k = 0; k < LEADER_LISTS; ++k) {
        if (enlarged != 0 && k != enlarged - 1) continue;
        for (int32_t i = 0; i < rows; ++i) {
            if (!Is_Point_In_Design_Rect(enlarged != 0 ? Enlarged_Row_Box(i, true) : Row_Box(k, i), x, y))
                continue;
            Play_Sound_Effect("switch.wav");
            Show_Leader_Player(k, i);
            return;
        }
    }
}
