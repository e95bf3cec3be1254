#include "views/owner_hall_of_fame_view.h"

#include <cstdio>
#include <memory>
#include <new>
#include <vector>

#include "app/diagnostics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "platform/text_render.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t TEXT_SIZE = FAME_TEXT_LENGTH;
constexpr int32_t GENERAL_MANAGER_STRING = 5;
constexpr int32_t TAB_FONT = 5;
constexpr int32_t ROW_FONT = 9;
constexpr const char* LEVEL_NAMES[FAME_LEVELS] = {"Fan", "Coach", "Head Coach", "Korva"};
constexpr int32_t COLUMN_LEFT[FAME_COLUMNS] = {15, 132, 295, 391, 482, 573, 676};
constexpr int32_t COLUMN_WIDTH[FAME_COLUMNS] = {115, 161, 90, 90, 90, 90, 90};
constexpr VIEW_COLOURS BUILT_IN_COLOURS = {0x45F9FF, 0x00006E};

// An unreadable file is logged once until a read succeeds again.
bool Read_Failure_Logged = false;

void Format_Record(char* out, int32_t wins, int32_t losses, int32_t ties) {
    if (ties != 0)
        safe_sprintf(out, TEXT_SIZE, "%d-%d-%d", wins, losses, ties);
    else
        safe_sprintf(out, TEXT_SIZE, "%d-%d", wins, losses);
}

void Format_Career_Columns(int32_t column, const int32_t* ints, char* out) {
    switch (column) {
    case 3:
        Format_Record(out, ints[FAME_WINS], ints[FAME_LOSSES], ints[FAME_TIES]);
        break;
    case 4: {
        const int64_t decisions = static_cast<int64_t>(ints[FAME_WINS]) + ints[FAME_LOSSES];
        const int64_t per_mille = decisions == 0 ? 0 : Round_Ratio(ints[FAME_WINS], 1000, decisions);
        char text[FORMATTED_TEXT_SIZE];
        Format_Thousandths(static_cast<int32_t>(per_mille), text);
        safe_strncpy(out, text, TEXT_SIZE);
        break;
    }
    case 5:
        safe_sprintf(out, TEXT_SIZE, "%d-%d", ints[FAME_PLAYOFF_WINS], ints[FAME_PLAYOFF_LOSSES]);
        break;
    case 6:
        Format_Signed_Tenths(out, TEXT_SIZE, ints[FAME_RATING]);
        break;
    default:
        break;
    }
}

VIEW_COLOURS Entry_Colours(int32_t display_class, const VIEW_COLOURS& previous) {
    switch (display_class) {
    case FAME_CLASS_BUILT_IN:
        return BUILT_IN_COLOURS;
    case FAME_CLASS_UNASSISTED:
        return VIEW_LIGHT_COLOURS;
    case FAME_CLASS_ASSISTED:
        return VIEW_GREY_COLOURS;
    default:
        return previous;
    }
}

RECT_AREA Column_Box(int32_t column, int32_t top, int32_t bottom) {
    return {COLUMN_LEFT[column], top, COLUMN_LEFT[column] + COLUMN_WIDTH[column], bottom};
}

void Draw_Columns(DEVICE_CONTEXT* dc, int32_t top, int32_t bottom,
                  const char texts[FAME_COLUMNS][TEXT_SIZE]) {
    for (int32_t column = 0; column < FAME_COLUMNS; ++column) {
        const RECT_AREA box = Column_Box(column, top, bottom);
        Draw_View_Text(dc, texts[column], box,
                       (column == 0 ? 0u : TEXT_CENTRE) | TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE);
    }
}
} // namespace

int32_t Get_Shown_Fame_Level() {
    return Get_Setting_Index(FAME_SHOWN_LEVEL_SETTING, FAME_LEVELS, 0);
}

void Get_Owner_Hall_Of_Fame_Entry_Text(const uint8_t* buffer, int32_t level, int32_t entry, int32_t column,
                                       char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    switch (column) {
    case 0:
        Get_Fame_Entry_Text(buffer, level, entry, FAME_NAME_FIELD, out);
        return;
    case 1:
        Get_Fame_Entry_Text(buffer, level, entry, FAME_TEAM_FIELD, out);
        return;
    case 2:
        safe_sprintf(out, TEXT_SIZE, "%d-%d", Get_Fame_Entry_Int(buffer, level, entry, FAME_FIRST_SEASON),
                     Get_Fame_Entry_Int(buffer, level, entry, FAME_LAST_SEASON));
        return;
    default:
        break;
    }
    int32_t ints[FAME_ENTRY_INTS];
    for (int32_t n = 0; n < FAME_ENTRY_INTS; ++n)
        ints[n] = Get_Fame_Entry_Int(buffer, level, entry, n);
    Format_Career_Columns(column, ints, out);
}

void Get_Current_Owner_Line_Text(int32_t column, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (Get_User_Preference(FAME_SHOWN_LEVEL_SETTING) != Get_User_Preference(DIFFICULTY_LEVEL)) return;
    int32_t team = Get_Best_Human_Team();
    if (Is_No_Team(team)) team = Get_Best_Rated_Team();
    if (Is_No_Team(team)) return;
    char text[FORMATTED_TEXT_SIZE];
    switch (column) {
    case 0:
        Get_Team_String(text, team, GENERAL_MANAGER_STRING);
        safe_strncpy(out, text, TEXT_SIZE);
        return;
    case 1:
        Get_Team_Full_Name(team, text);
        safe_strncpy(out, text, TEXT_SIZE);
        return;
    case 2: {
        // The seasons the team played: one that joined later starts in its own.
        const int32_t first = Get_Team_Career_First_Year(team);
        const int32_t last = Get_Current_Year() - 1;
        if (Count_Team_Played_Seasons(team) == 0)
            safe_strncpy(out, VIEW_DASH, TEXT_SIZE);
        else if (first == last)
            safe_sprintf(out, TEXT_SIZE, "%d", first);
        else
            safe_sprintf(out, TEXT_SIZE, "%d-%d", first, last);
        return;
    }
    default:
        break;
    }
    int32_t ints[FAME_ENTRY_INTS] = {};
    for (int32_t k = 0; k < 5; ++k)
        ints[FAME_WINS + k] = Get_Team_History_Stat(team, 1 + k);
    ints[FAME_RATING] = Get_Team_History_Stat(team, 0);
    Format_Career_Columns(column, ints, out);
}

void Paint_Owner_Hall_Of_Fame_View(DEVICE_CONTEXT* dc) {
    Draw_View_Background(dc, "News\\Korhof.jpg");
    std::unique_ptr<uint8_t[]> image(new (std::nothrow) uint8_t[OWNER_HALL_OF_FAME_SIZE]());
    if (!image) return;
    // A painter shows no box: an unreadable file draws grey rows.
    if (Try_Read_Owner_Hall_Of_Fame_File(image.get()) != 0) {
        Read_Failure_Logged = false;
    } else {
        if (!Read_Failure_Logged) Report_System_Error("Could not open \"KorFame.dat\" for reading.");
        Read_Failure_Logged = true;
        for (int32_t entry = 0; entry < FAME_ENTRIES; ++entry)
            for (int32_t level = 0; level < FAME_LEVELS; ++level)
                Set_Fame_Entry_Int(image.get(), level, entry, FAME_DISPLAY_CLASS, FAME_CLASS_ASSISTED);
    }
    const int32_t shown = Get_Shown_Fame_Level();
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    if (Is_Skin_Named("robotic")) {
        VIEW_FONT font(dc, TAB_FONT);
        for (int32_t i = 0; i < FAME_LEVELS; ++i) {
            Draw_View_Text(dc, LEVEL_NAMES[i], {15 + 172 * i, 81, 187 + 172 * i, 103},
                           TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE,
                           i == shown ? BUILT_IN_COLOURS : VIEW_GREY_COLOURS);
        }
    }
    // The table takes a smaller font when a name or team is too long for its column.
    std::vector<TEXT_CELL> cells;
    char texts[FAME_COLUMNS][TEXT_SIZE];
    for (int32_t entry = 0; entry <= FAME_ENTRIES; ++entry)
        for (int32_t column = 0; column < FAME_COLUMNS; ++column) {
            if (entry < FAME_ENTRIES)
                Get_Owner_Hall_Of_Fame_Entry_Text(image.get(), shown, entry, column, texts[column]);
            else
                Get_Current_Owner_Line_Text(column, texts[column]);
            cells.push_back({texts[column], Column_Box(column, 0, 18)});
        }
    VIEW_FONT font(dc, Fit_View_Font_Row(cells, TEXT_SINGLE_LINE, ROW_FONT));
    VIEW_COLOURS colours = VIEW_LIGHT_COLOURS;
    for (int32_t entry = 0; entry < FAME_ENTRIES; ++entry) {
        colours = Entry_Colours(Get_Fame_Entry_Int(image.get(), shown, entry, FAME_DISPLAY_CLASS), colours);
        Set_View_Text_Colours(dc, colours);
        for (int32_t column = 0; column < FAME_COLUMNS; ++column)
            Get_Owner_Hall_Of_Fame_Entry_Text(image.get(), shown, entry, column, texts[column]);
        const int32_t top = 150 + 21 * entry;
        Draw_Columns(dc, top, top + 18, texts);
    }
    Set_View_Text_Colours(dc, VIEW_LIGHT_COLOURS);
    for (int32_t column = 0; column < FAME_COLUMNS; ++column)
        Get_Current_Owner_Line_Text(column, texts[column]);
    Draw_Columns(dc, 382, 400, texts);
}
