// Painting the Scouting Report: the background by position, the
// photograph, the card, the scouting note, the scout's sentence and the
// statistics page, all placed in the 588 x 419 design frame.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/app_fonts.h"
#include "app/drawing_primitives.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/skins.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/player_card.h"
#include "dialogs/scouting_report.h"
#include "personnel/scouting.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "tools/image_downloads.h"
#include "views/scouting_comment.h"

namespace {
constexpr COLOUR_VALUE WHITE = 0xFFFFFF;
constexpr COLOUR_VALUE BLACK = 0x000000;
constexpr int32_t FONT_SMALL = 1;
constexpr int32_t FONT_TABLE = 2;
constexpr int32_t FONT_CARD = 4;
constexpr int32_t FONT_NAME = 10;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t VITAL_PHOTO_MARK = 18;
constexpr int32_t NO_NAMED_PHOTO = 256;
constexpr int32_t NOT_FANTASY_DRAFTED = -128;
constexpr int32_t NAME_SIZE = 192;
constexpr int32_t PHOTO_LEFT = 17, PHOTO_TOP = 33, PHOTO_WIDTH = 106, PHOTO_HEIGHT = 160;
constexpr int32_t DOWNLOAD_LEFT = 135, DOWNLOAD_TOP = 34, DOWNLOAD_WIDTH = 50, DOWNLOAD_HEIGHT = 90;
constexpr int32_t STAT_ROWS_SHOWN = 12;
constexpr uint32_t ONE_LINE = TEXT_SINGLE_LINE | TEXT_NO_CLIP;
// Pixels kept clear at the end of a cell, so that neighbouring figures
// never read as one.
constexpr int32_t CELL_GAP = 3;
constexpr char PLUS_MINUS = '\xB1';

int32_t Shown_Team() {
    return Get_User_Preference(SELECTED_PLAYER_TEAM);
}
int32_t Shown_Slot() {
    return Get_User_Preference(SELECTED_PLAYER_SLOT);
}

bool Picture_Exists(const char* name) {
    std::error_code error;
    return std::filesystem::exists(Resolve_File_Path(name), error);
}

// One application font held for a painting step.
struct HELD_FONT {
    DRAWING_FONT* Font;
    HELD_FONT(DEVICE_CONTEXT* dc, int32_t row) : Font(Get_App_Font(row)) { Select_Font(dc, Font); }
    ~HELD_FONT() { Release_App_Font(Font); }
    HELD_FONT(const HELD_FONT&) = delete;
    HELD_FONT& operator=(const HELD_FONT&) = delete;
};

// In the colour the card picks; where that one does not stand out from the
// picture under it, its alternative (the paint fits each line to its ground).
void Draw_Card_Text(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& design,
                    const TEXT_COLOURS& colours, uint32_t flags) {
    if (text == nullptr || text[0] == '\0') return;
    Set_View_Text_Colours(dc, colours);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Draw_Text_In_Scaled_Rect(dc, text, Scale_Report_Rect(window, design), flags, 0);
}

// The font row for the texts of one design cell or column: `row` when each
// of them fits it with a few pixels to spare for its neighbour, else the
// largest smaller font in which they all do.
int32_t Fit_Font_Row(WINDOW_HANDLE window, const std::vector<std::string>& texts, const RECT_AREA& design,
                     uint32_t flags, int32_t row) {
    RECT_AREA rect = Scale_Report_Rect(window, design);
    rect.Right -= CELL_GAP;
    return Find_Fitting_Font_Row(texts, rect, flags, row);
}

// The picture at (x, y) as wide as `width` keeping its shape (no taller than
// `height`); returns the design height drawn, 0 when there is no picture.
int32_t Draw_Fitted_Picture(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const char* name, int32_t x, int32_t y,
                            int32_t width, int32_t height) {
    if (!Picture_Exists(name)) return 0;
    BITMAP_CACHE_ENTRY* entry = Take_Cached_Image(dc, name);
    if (entry == nullptr || entry->Width <= 0 || entry->Height <= 0) return 0;
    int32_t drawn_width = width;
    int32_t drawn_height = entry->Height * width / entry->Width;
    if (drawn_height > height) {
        drawn_height = height;
        drawn_width = entry->Width * height / entry->Height;
    }
    const RECT_AREA target = Scale_Report_Rect(window, {x, y, x + drawn_width, y + drawn_height});
    Draw_Cached_Bitmap(dc, entry, 255, target.Left, target.Top, target.Right - target.Left,
                       target.Bottom - target.Top, 0, 0, -1, -1);
    return drawn_height;
}

void Draw_Design_Frame(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const RECT_AREA& design,
                       COLOUR_VALUE colour) {
    RECT_AREA rect = Scale_Report_Rect(window, design);
    rect.Right -= 1;
    rect.Bottom -= 1;
    Draw_Absolute_Line(dc, rect, colour);
}

// A picture from "photos/" named by `key`, when the key makes a safe name.
int32_t Draw_Named_Photo(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const char* key) {
    if (!Is_Safe_Picture_Name(key)) return 0;
    char name[NAME_SIZE];
    safe_sprintf(name, sizeof name, "photos/%s.jpg", key);
    return Draw_Fitted_Picture(window, dc, name, PHOTO_LEFT, PHOTO_TOP, PHOTO_WIDTH, PHOTO_HEIGHT);
}

void Draw_Background(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot) {
    const int32_t position =
        Is_Player_Address(team, slot) ? Get_Player_Vital_Stat(team, slot, VITAL_POSITION) : -1;
    const char* picture = "dialogs/scouting/scouting-ol.jpg";
    if (position == POSITION_QB)
        picture = "dialogs/scouting/scouting-qb.jpg";
    else if (position >= POSITION_RB && position <= POSITION_WR)
        picture = "dialogs/scouting/scouting-skill.jpg";
    else if (Get_Position_Group(position) == 2)
        picture = "dialogs/scouting/scouting-defense.jpg";
    char name[NAME_SIZE];
    safe_strncpy(name, picture, sizeof name);
    Get_Skin_File_Path(name, sizeof name);
    Draw_Window_Background(window, dc, name);
}

void Draw_Top_Line(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot) {
    const bool light = Is_Ice_Or_Fire_Skin() != 0;
    const int32_t y = light ? 3 : 5;
    char text[CARD_TEXT_SIZE] = "";
    auto draw = [&](const RECT_AREA& rect, const TEXT_COLOURS& colours, uint32_t flags) {
        HELD_FONT font(dc, Fit_Font_Row(window, {text}, rect, flags, FONT_NAME));
        Draw_Card_Text(window, dc, text, rect, colours, flags);
    };
    Format_Card_Player_Name(team, slot, text);
    draw({7, y, 218, 31}, Pick_Card_Colour(WHITE, BLACK), ONE_LINE);
    if (Get_Universe_Stat(FANTASY_DRAFT_FLAG) < 1) {
        text[0] = '\0';
        if (team == FREE_AGENT_TEAM)
            safe_strncpy(text, "Free Agent", sizeof text);
        else if (Is_Franchise_Slot(team) || team == HALL_OF_FAME_TEAM)
            Get_Team_String(text, team, 2);
        draw({188, y, 399, 31}, light ? Fix_View_Colour(WHITE) : Pick_Card_Colour(0x45F9FF, 0x00006E),
             ONE_LINE | TEXT_CENTRE);
    } else if (team < FIRST_COLLEGE_POOL_TEAM) {
        const int32_t drafted_by = Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM);
        text[0] = '\0';
        TEXT_COLOURS colour = light ? Fix_View_Colour(WHITE) : Pick_Card_Colour(0xAAAAFF, 0xB45050);
        if (drafted_by == NOT_FANTASY_DRAFTED) {
            safe_strncpy(text, "UNDRAFTED", sizeof text);
            colour = Pick_Card_Colour(0x2EA6AA, 0x3232B4);
        } else if (drafted_by >= 0 && drafted_by < FIRST_COLLEGE_POOL_TEAM) {
            Get_Team_String(text, drafted_by, 2);
        }
        draw({158, y, 429, 31}, colour, ONE_LINE | TEXT_CENTRE);
    }
    int32_t display = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION);
    if (display < 0 || display > LAST_DEPTH_SLOT) display = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    text[0] = '\0';
    Get_Depth_Slot_Name(display, text);
    draw({399, y, 577, 31}, light ? Fix_View_Colour(WHITE) : Pick_Card_Colour(WHITE, BLACK),
         ONE_LINE | TEXT_RIGHT);
}

void Draw_Card_Grid(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot, bool downloaded) {
    const int32_t edges[CARD_COLUMNS + 1] = {downloaded ? 195 : 135, downloaded ? 307 : 277, 486, 554, 580};
    const bool out = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) > 0;
    const bool light = Is_Ice_Or_Fire_Skin() != 0;
    const int32_t shift_x = Is_Fire_Skin() != 0 ? 2 : Is_Ice_Skin() != 0 ? -6 : 0;
    for (int32_t column = 0; column < CARD_COLUMNS; ++column) {
        std::vector<std::string> texts;
        for (int32_t row = 0; row < CARD_ROWS; ++row) {
            char text[CARD_TEXT_SIZE];
            Format_Player_Card_Field(column, row, team, slot, text);
            texts.push_back(text);
        }
        // A column whose longest text does not fit it is drawn in a smaller
        // font, each text centred on its row.
        const int32_t font_row =
            Fit_Font_Row(window, texts, {edges[column], 0, edges[column + 1], 18}, ONE_LINE, FONT_CARD);
        HELD_FONT font(dc, font_row);
        for (int32_t row = 0; row < CARD_ROWS; ++row) {
            const char* text = texts[static_cast<size_t>(row)].c_str();
            RECT_AREA rect = {edges[column], 33 + 13 * row, edges[column + 1], 33 + 13 * row + 18};
            TEXT_COLOURS colour = Pick_Card_Colour(0x45F9FF, 0x00006E);
            uint32_t flags = ONE_LINE;
            if (column == 1 && row >= 4 && out) rect = {rect.Left, rect.Top + 5, rect.Right, rect.Bottom + 5};
            if (column >= 2) {
                if (row <= 6) {
                    const int32_t up = light ? 6 : 5;
                    rect = {rect.Left + shift_x, rect.Top - up, rect.Right + shift_x, rect.Bottom - up};
                } else {
                    rect = {rect.Left + shift_x, rect.Top, rect.Right + shift_x, rect.Bottom};
                }
            }
            if (column == 2)
                colour = row < 2 ? Pick_Card_Colour(WHITE, BLACK) : Pick_Card_Colour(0xAAAAAA, 0x555555);
            if (column == 3) {
                colour = row < 2 ? Pick_Card_Colour(0x45F9FF, 0x00006E) : Pick_Card_Colour(WHITE, BLACK);
                flags |= TEXT_CENTRE;
            }
            if (font_row != FONT_CARD) flags |= TEXT_VERTICAL_CENTRE;
            Draw_Card_Text(window, dc, text, rect, colour, flags);
        }
    }
}

void Draw_Accuracy_Note(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot) {
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    position = Translate_Expanded_Position(position);
    if (position >= POSITION_QB && position <= POSITION_WR) return;
    const RECT_AREA starter = {486, 154, 580, 168};
    HELD_FONT font(dc, Fit_Font_Row(window, {"Average NFL Starter = 70"}, starter, ONE_LINE, FONT_SMALL));
    Draw_Card_Text(window, dc, "Average NFL Starter = 70", starter, Pick_Card_Colour(0x2EA6AA, 0x3232B4),
                   ONE_LINE | TEXT_CENTRE);
    int32_t accuracy = Get_Scouting_Spread() / 50 + 1;
    const char* note = "";
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) {
        accuracy = 1;
        note = "(Commissioner Mode)";
    } else if (Get_User_Preference(PERFECT_SCOUTING) != 0) {
        accuracy = 1;
        note = "(Perfect Scouting)";
    }
    char text[CARD_TEXT_SIZE];
    safe_sprintf(text, sizeof text, "Ratings are %c %d\n%s", PLUS_MINUS, accuracy, note);
    const RECT_AREA rect = {486, 168, 580, 200};
    HELD_FONT ratings(dc, Fit_Font_Row(window, {text}, rect, TEXT_CENTRE | TEXT_WORD_BREAK, FONT_SMALL));
    Draw_Card_Text(window, dc, text, rect, Pick_Card_Colour(0xAAAAFF, 0xB45050),
                   TEXT_CENTRE | TEXT_WORD_BREAK);
}
} // namespace

RECT_AREA Scale_Report_Rect(WINDOW_HANDLE window, const RECT_AREA& design) {
    RECT_AREA client{0, 0, REPORT_DESIGN_WIDTH, REPORT_DESIGN_HEIGHT};
    if (Is_Window(window)) Get_Client_Rect(window, &client);
    const int32_t width = std::max(1, client.Right - client.Left),
                  height = std::max(1, client.Bottom - client.Top);
    auto x = [&](int32_t value) { return (value * width + REPORT_DESIGN_WIDTH / 2) / REPORT_DESIGN_WIDTH; };
    auto y = [&](int32_t value) {
        return (value * height + REPORT_DESIGN_HEIGHT / 2) / REPORT_DESIGN_HEIGHT;
    };
    return {x(design.Left), y(design.Top), x(design.Right), y(design.Bottom)};
}

int32_t Draw_Player_Photo(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot) {
    char key[NAME_SIZE] = "";
    Get_Player_External_ID(team, slot, key);
    int32_t height = key[0] != '\0' ? Draw_Named_Photo(window, dc, key) : 0;
    if (height == 0 && Get_Player_Vital_Stat(team, slot, VITAL_PHOTO_MARK) != NO_NAMED_PHOTO) {
        char name[NAME_SIZE] = "";
        Get_Player_Full_Name(team, slot, name);
        safe_strncpy(key, name, sizeof key);
        Remove_Character(key, '.');
        height = Draw_Named_Photo(window, dc, key);
        if (height == 0) height = Draw_Named_Photo(window, dc, name);
        if (height == 0) {
            for (char* c = name; *c != '\0'; ++c)
                if (*c == ' ') *c = '_';
            height = Draw_Named_Photo(window, dc, name);
        }
    }
    if (height > 0) return 1;
    char logo[IMAGE_DOWNLOAD_PATH_SIZE] = "";
    if (Is_Team_Record_Slot(team) && Get_Downloaded_Logo_Path(team, logo) != 0) {
        const RECT_AREA box = {PHOTO_LEFT + 13, PHOTO_TOP + 16, PHOTO_LEFT + PHOTO_WIDTH - 13, 166 - 16};
        const RECT_AREA pixels = Scale_Report_Rect(window, box);
        Fill_Surface_Area(dc, pixels, WHITE);
        Draw_Design_Frame(window, dc, box, BLACK);
        BITMAP_CACHE_ENTRY* entry = Take_Cached_Image(dc, logo);
        if (entry != nullptr) {
            const RECT_AREA centre = Scale_Report_Rect(window, {70, 99, 70, 99});
            Draw_Cached_Bitmap(dc, entry, 255, centre.Left - entry->Width / 2, centre.Top - entry->Height / 2,
                               -1, -1, 0, 0, -1, -1);
            return 1;
        }
    }
    char position[FORMATTED_TEXT_SIZE] = "";
    Get_Player_Position_Abbreviation(position, team, slot);
    height = Draw_Named_Photo(window, dc, position);
    if (height == 0) return 0;
    Draw_Design_Frame(window, dc, {PHOTO_LEFT, PHOTO_TOP, PHOTO_LEFT + PHOTO_WIDTH, PHOTO_TOP + height},
                      BLACK);
    return 1;
}

int32_t Draw_Downloaded_Player_Photo(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot) {
    char path[IMAGE_DOWNLOAD_PATH_SIZE] = "";
    if (Get_Player_Photo_Path(team, slot, path) == 0) return 0;
    char id[FORMATTED_TEXT_SIZE] = "";
    Get_Player_External_ID(team, slot, id);
    if (!Is_Safe_Picture_Name(id)) return 0;
    const int32_t height =
        Draw_Fitted_Picture(window, dc, path, DOWNLOAD_LEFT, DOWNLOAD_TOP, DOWNLOAD_WIDTH, DOWNLOAD_HEIGHT);
    if (height == 0) return 0;
    Draw_Design_Frame(window, dc,
                      {DOWNLOAD_LEFT, DOWNLOAD_TOP, DOWNLOAD_LEFT + DOWNLOAD_WIDTH, DOWNLOAD_TOP + height},
                      BLACK);
    return 1;
}

void Draw_Scouting_Comment(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot) {
    if (team == HALL_OF_FAME_TEAM) return;
    char comment[SCOUTING_COMMENT_SIZE] = "";
    Write_Scouting_Comment(team, slot, comment);
    if (comment[0] == '\0') return;
    const RECT_AREA rect = {135, 144, 443, 197};
    HELD_FONT font(dc, Fit_Font_Row(window, {comment}, rect, TEXT_WORD_BREAK, FONT_TABLE));
    Draw_Card_Text(window, dc, comment, rect, Pick_Card_Colour(WHITE, BLACK), TEXT_WORD_BREAK);
}

void Draw_Player_Stat_Page(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot) {
    const int32_t seasons = Count_Player_Career_Seasons(team, slot);
    const int32_t offset = Get_User_Preference(STAT_PAGE_OFFSET);
    if (seasons > STAT_PAGE_SEASONS) {
        HELD_FONT font(dc, FONT_SMALL);
        Draw_Card_Text(window, dc,
                       offset == 0 ? "Click stats (below) to see page 2"
                                   : "Click stats (below) to see page 1",
                       {7, 182, 581, 196}, Pick_Card_Colour(0xAAAAAA, 0x555555), ONE_LINE | TEXT_CENTRE);
    }
    const int32_t kind = Get_Stat_Page_Kind(team, slot);
    const int32_t columns = Get_Stat_Page_Column_Count(kind);
    auto alignment = [](int32_t column) -> uint32_t {
        return column == 0 ? 0 : column == 1 ? TEXT_CENTRE : TEXT_RIGHT;
    };
    auto column_rect = [&](int32_t column, int32_t top, int32_t bottom) {
        const int32_t x = Get_Stat_Column_X(kind, column);
        return RECT_AREA{x, top, x + Get_Stat_Column_Width(kind, column), bottom};
    };
    // The texts of the page, column by column: the heading, the seasons shown
    // (at most twelve, the most recent first) and the career.
    std::vector<int32_t> rows;
    for (int32_t link = seasons - offset - 1;
         link >= 0 && static_cast<int32_t>(rows.size()) < STAT_ROWS_SHOWN; --link)
        rows.push_back(link + FIRST_SEASON_ROW);
    std::vector<std::vector<std::string>> texts(static_cast<size_t>(std::max(0, columns)));
    for (int32_t column = 0; column < columns; ++column) {
        char text[CARD_TEXT_SIZE];
        Get_Stat_Page_Heading(kind, column, text);
        texts[static_cast<size_t>(column)].push_back(text);
        for (const int32_t row : rows) {
            Format_Stat_Page_Cell(team, slot, kind, column, row, text);
            texts[static_cast<size_t>(column)].push_back(text);
        }
        Format_Stat_Page_Cell(team, slot, kind, column, STAT_ROW_CAREER, text);
        texts[static_cast<size_t>(column)].push_back(text);
    }
    // The whole table takes the font its most crowded column fits in.
    int32_t font_row = FONT_TABLE;
    for (int32_t column = 0; column < columns; ++column) {
        // A column without width (the blockers' snaps) has no room to show anything.
        if (Get_Stat_Column_Width(kind, column) <= 0) continue;
        const int32_t fitting = Fit_Font_Row(window, texts[static_cast<size_t>(column)],
                                             column_rect(column, 0, 15), ONE_LINE, FONT_TABLE);
        if (App_Font_Table[fitting].Height < App_Font_Table[font_row].Height) font_row = fitting;
    }
    HELD_FONT font(dc, font_row);
    const uint32_t centring = font_row != FONT_TABLE ? TEXT_VERTICAL_CENTRE : 0;
    const TEXT_COLOURS heading_colour =
        Is_Ice_Or_Fire_Skin() != 0 ? Fix_View_Colour(WHITE) : Pick_Card_Colour(0xD7D7FF, 0x821E1E);
    for (int32_t column = 0; column < columns; ++column) {
        if (Get_Stat_Column_Width(kind, column) <= 0) continue;
        Draw_Card_Text(window, dc, texts[static_cast<size_t>(column)][0].c_str(),
                       column_rect(column, 197, 212), heading_colour,
                       ONE_LINE | centring | alignment(column));
    }
    int32_t y = 213;
    for (size_t shown = 0; shown < rows.size(); ++shown) {
        const TEXT_COLOURS colour = Get_Stat_Row_Color(team, slot, rows[shown]);
        bool drawn = false;
        for (int32_t column = 0; column < columns; ++column) {
            const std::string& cell = texts[static_cast<size_t>(column)][shown + 1];
            if (Get_Stat_Column_Width(kind, column) <= 0 || cell.empty()) continue;
            Draw_Card_Text(window, dc, cell.c_str(), column_rect(column, y, y + 15), colour,
                           ONE_LINE | centring | alignment(column));
            drawn = true;
        }
        if (drawn) y += 14;
    }
    const TEXT_COLOURS career = Pick_Card_Colour(0x45F9FF, 0x00006E);
    for (int32_t column = 0; column < columns; ++column) {
        if (Get_Stat_Column_Width(kind, column) <= 0) continue;
        Draw_Card_Text(window, dc, texts[static_cast<size_t>(column)].back().c_str(),
                       column_rect(column, y, y + 15), career, ONE_LINE | centring | alignment(column));
    }
}

void Paint_Scouting_Report(WINDOW_HANDLE window, DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return;
    const int32_t team = Shown_Team(), slot = Shown_Slot();
    Draw_Background(window, dc, team, slot);
    if (!Is_Player_Address(team, slot) || Is_Player_Slot_Used(team, slot) == 0) return;
    Draw_Player_Photo(window, dc, team, slot);
    const bool downloaded = Draw_Downloaded_Player_Photo(window, dc, team, slot) != 0;
    Draw_Top_Line(window, dc, team, slot);
    Draw_Card_Grid(window, dc, team, slot, downloaded);
    Draw_Accuracy_Note(window, dc, team, slot);
    Draw_Scouting_Comment(window, dc, team, slot);
    Draw_Player_Stat_Page(window, dc, team, slot);
}
