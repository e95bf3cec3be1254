#pragma once
// What the Scouting Report paints of one player: the card's fields (his
// biography, contract, injury and the ratings his scouts report), his name
// line, and the table of his seasons' statistics by the kind of player he
// is, in two pages of twelve seasons. Every text is Windows-1252 and at most
// CARD_TEXT_SIZE bytes; coordinates are pixels of the report's 588 x 419
// design frame; colours come in pairs, the second used while setting 201 is
// set.
#include <cstdint>

#include "platform/drawing_surface.h"
#include "platform/handles.h"
#include "views/view_colours.h"

constexpr int32_t CARD_TEXT_SIZE = 256;
constexpr int32_t CARD_COLUMNS = 4;
constexpr int32_t CARD_ROWS = 12;
constexpr int32_t STAT_PAGE_KINDS = 8;
constexpr int32_t STAT_PAGE_MOST_COLUMNS = 19;
// Statistic rows: 0 this season, 1 last season, 2 career, 3 predicted, 4-33
// the player's season-line links 0-29.
constexpr int32_t STAT_ROW_CAREER = 2;
constexpr int32_t FIRST_SEASON_ROW = 4;
// Setting 201: the dialogs' texts take the second colour of each pair.
constexpr int32_t SECOND_COLOUR_SET = 201;

// The text of card field (column 0-3, row 0-11); empty when it has nothing.
void Format_Player_Card_Field(int32_t column, int32_t row, int32_t team, int32_t slot, char* out);
// The full name, or the first name's initial and the last name when the
// full name is longer than 21 characters.
void Format_Card_Player_Name(int32_t team, int32_t slot, char* out);
// One statistic or biography field (0-61) of a statistics row.
void Format_Player_Bio_Value(int32_t team, int32_t slot, int32_t row, int32_t field, char* out);
// The season-line links that hold a line.
int32_t Count_Player_Career_Seasons(int32_t team, int32_t slot);

// The statistics page: its kind (0 QB, 1 blockers, 2-3 backs and receivers,
// 4-5 defenders, with or without career returns, 6 punters, 7 kickers), its
// columns, their left edges and headings, a cell and the colour of a row.
int32_t Get_Stat_Page_Kind(int32_t team, int32_t slot);
int32_t Get_Stat_Page_Column_Count(int32_t kind);
int32_t Get_Stat_Column_X(int32_t kind, int32_t column);
int32_t Get_Stat_Column_Width(int32_t kind, int32_t column);
void Get_Stat_Page_Heading(int32_t kind, int32_t column, char* out);
void Format_Stat_Page_Cell(int32_t team, int32_t slot, int32_t kind, int32_t column, int32_t row, char* out);
TEXT_COLOURS Get_Stat_Row_Color(int32_t team, int32_t slot, int32_t row);
// The first colour of a pair, or the second while setting 201 is set; the
// other one is the alternative drawn where the chosen one would not stand out.
TEXT_COLOURS Pick_Card_Colour(COLOUR_VALUE first, COLOUR_VALUE second);

// The painting, in order: background by position, photograph, downloaded
// photograph, the name line, the card, the scouting accuracy note, the
// scout's sentence and the statistics page.
void Paint_Scouting_Report(WINDOW_HANDLE window, DEVICE_CONTEXT* dc);
// A design rectangle in the window's client pixels.
RECT_AREA Scale_Report_Rect(WINDOW_HANDLE window, const RECT_AREA& design);
// The first picture of the photograph's steps that exists; returns 1 when
// one was drawn.
int32_t Draw_Player_Photo(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot);
// The downloaded photograph beside the card; 1 when drawn.
int32_t Draw_Downloaded_Player_Photo(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot);
void Draw_Scouting_Comment(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot);
void Draw_Player_Stat_Page(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, int32_t team, int32_t slot);
