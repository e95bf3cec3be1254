#include "app/app_fonts.h"

#include <cstdint>
#include <cstdio>
#include <strings.h>

#include "app/diagnostics.h"
#include "app/main_window_geometry.h"
#include "platform/text_render.h"

const char* const App_Font_Faces[12] = {
    "MS Sans Serif",   "Tms Rmn",    "Courier", "Arial",      "Times New Roman",
    "Courier New",     "Eurostile",  "Calibri", "Stone Sans", "StoneSansSemiITC TT",
    "Stone_Sans-Bold", "Stencil Std"};

namespace {
constexpr int32_t ARIAL = 3, TIMES = 4, COURIER_NEW = 5, EUROSTILE = 6, STONE = 8, STONE_SEMI = 9,
                  STONE_BOLD = 10, STENCIL = 11;
constexpr int32_t MIN_CLIENT_WIDTH = 1024;
constexpr int32_t MIN_CLIENT_HEIGHT = 676;
constexpr int32_t ROTATED_ROW = 33;

DRAWING_FONT* Handles[APP_FONT_COUNT];
int32_t Use_Counts[APP_FONT_COUNT];
int32_t Heights[APP_FONT_COUNT];
bool Loaded = false;
RECT_AREA Font_Window_Rect;
} // namespace

const APP_FONT_DEF App_Font_Table[APP_FONT_COUNT] = {
    {10, 700, ARIAL, 1},      {12, 700, ARIAL, 1},      {14, 700, ARIAL, 1},       {15, 700, ARIAL, 1},
    {16, 700, ARIAL, 1},      {17, 700, ARIAL, 1},      {18, 700, ARIAL, 1},       {19, 700, ARIAL, 1},
    {20, 400, ARIAL, 1},      {20, 700, ARIAL, 1},      {22, 700, ARIAL, 1},       {28, 700, ARIAL, 1},
    {36, 700, ARIAL, 1},      {40, 700, ARIAL, 1},      {28, 700, COURIER_NEW, 1}, {72, 700, ARIAL, 1},
    {32, 700, ARIAL, 0},      {17, 700, ARIAL, 0},      {21, 700, ARIAL, 0},       {16, 700, ARIAL, 0},
    {20, 400, TIMES, 1},      {52, 400, STONE_BOLD, 0}, {46, 400, STONE, 0},       {55, 400, STONE_BOLD, 0},
    {75, 400, STONE_SEMI, 0}, {90, 700, EUROSTILE, 0},  {46, 400, STONE, 0},       {46, 400, STONE_BOLD, 0},
    {50, 400, STONE_SEMI, 0}, {42, 400, STONE_BOLD, 0}, {48, 400, STENCIL, 0},     {32, 400, STENCIL, 0},
    {38, 700, STONE_SEMI, 0}, {90, 400, STONE_BOLD, 0}, {44, 400, STONE_BOLD, 0},  {40, 400, STONE, 0},
};

DRAWING_FONT* Get_App_Font(int32_t row) {
    if (row < 0 || row >= APP_FONT_COUNT) return nullptr;
    if (!Loaded) Load_App_Fonts();
    ++Use_Counts[row];
    return Handles[row];
}

void Release_App_Font(DRAWING_FONT* font) {
    if (font == nullptr || !Loaded) return;
    for (int32_t row = 0; row < APP_FONT_COUNT; ++row) {
        if (Handles[row] != font) continue;
        if (--Use_Counts[row] < 0) {
            Report_System_Error("Font Error: Trying to free a font more times than it has been allocated.");
            Use_Counts[row] = 0;
        }
        return;
    }
}

int32_t Load_App_Fonts() {
    RECT_AREA outer, client;
    Get_Main_Window_Outer_Rect(&outer);
    Get_Main_Window_Client_Rect(&client);
    client.Bottom -= Get_View_Bars_Height();
    Log_Debug_Line("Load_App_Fonts() calculated window coordinates:");
    Log_Debug_Line("Window: {%d,%d} {%d,%d}", outer.Left, outer.Top, outer.Right, outer.Bottom);
    Log_Debug_Line("Client: {%d,%d} {%d,%d}", client.Left, client.Top, client.Right, client.Bottom);
    Log_Debug_Line("MIN_CLIENT_WIDTH, MIN_CLIENT_HEIGHT: {%d,%d}", MIN_CLIENT_WIDTH, MIN_CLIENT_HEIGHT);
    for (int32_t row = 0; row < APP_FONT_COUNT; ++row)
        Use_Counts[row] = 0;
    for (int32_t row = 0; row < APP_FONT_COUNT; ++row)
        if (Handles[row] == nullptr || App_Font_Table[row].Scaled == 1) Create_App_Font(row);
    Loaded = true;
    return 1;
}

int32_t Create_App_Font(int32_t row) {
    if (row < 0 || row >= APP_FONT_COUNT) return 0;
    const APP_FONT_DEF& def = App_Font_Table[row];
    int32_t height = def.Height;
    Get_Main_Window_Outer_Rect(&Font_Window_Rect);
    if (def.Scaled == 1) {
        const int32_t width = Font_Window_Rect.Right - Font_Window_Rect.Left;
        const int32_t tall = Font_Window_Rect.Bottom - Font_Window_Rect.Top;
        height = width < tall ? width * height / MIN_CLIENT_WIDTH : tall * height / MIN_CLIENT_HEIGHT;
    }
    FONT_REQUEST request{};
    request.Height = height;
    request.Weight = def.Weight;
    request.Escapement = row == ROTATED_ROW ? 900 : 0;
    snprintf(request.Face, sizeof request.Face, "%s", App_Font_Faces[def.Face]);
    // A row made again gives its old font back first.
    Delete_Font(Handles[row]);
    Handles[row] = Create_Font(request);
    Heights[row] = height;
    const char* used = Handles[row] != nullptr ? Get_Font_Face_Used(Handles[row]) : "<UNKNOWN>";
    if (strcasecmp(used, request.Face) != 0)
        Log_Debug_Line("Creating font #%d \"%s\" returned 0x%08x and used font \"%s\"", row, request.Face,
                       static_cast<unsigned>(reinterpret_cast<uintptr_t>(Handles[row])), used);
    return 1;
}

int32_t Free_App_Fonts(bool all) {
    if (!Loaded) return 0;
    for (int32_t row = 0; row < APP_FONT_COUNT; ++row) {
        if (!all && App_Font_Table[row].Scaled == 0) continue;
        Delete_Font(Handles[row]);
        Handles[row] = nullptr;
        Use_Counts[row] = 0;
    }
    Loaded = false;
    return 1;
}

void Log_App_Font_Use_Counts() {
    char line[APP_FONT_COUNT * 4 + 1] = "";
    int used = 0;
    for (int32_t row = 0; row < APP_FONT_COUNT; ++row)
        used += snprintf(line + used, sizeof line - static_cast<size_t>(used), " %2d", Use_Counts[row]);
    Log_Debug_Line("%s", line);
}

bool App_Fonts_Are_Loaded() {
    return Loaded;
}

int32_t Get_App_Font_Use_Count(int32_t row) {
    return row >= 0 && row < APP_FONT_COUNT ? Use_Counts[row] : 0;
}

int32_t Get_App_Font_Height(int32_t row) {
    return row >= 0 && row < APP_FONT_COUNT ? Heights[row] : 0;
}

void Get_App_Font_Window_Rect(RECT_AREA* rect) {
    if (rect != nullptr) *rect = Font_Window_Rect;
}
