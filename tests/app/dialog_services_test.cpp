#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/bitmap_cache.h"
#include "app/context_help.h"
#include "app/dialog_brushes.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/drawing_primitives.h"
#include "app/skins.h"
#include "app/team_lists.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/player_list_kind.h"
#include "platform/backend.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/drawing_objects.h"
#include "platform/keys.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/png_file.h"
#include "platform/scripted_answers.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
using DialogServices = FrameTest;

constexpr int32_t LIST = 300;
constexpr int32_t OK_BUTTON = ID_OK;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t RULER = 1356;
const DIALOG_CONTROL RESIZABLE_CONTROLS[] = {
    {CONTROL_LIST_BOX, LIST, {6, 6, 188, 80}, "", WINDOW_TAB_STOP},
    {CONTROL_PUSH_BUTTON, OK_BUTTON, {90, 92, 50, 14}, "&Done", WINDOW_TAB_STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {144, 92, 50, 14}, "&Help", WINDOW_TAB_STOP},
    {CONTROL_STATIC_FRAME, RULER, {6, 110, 128, 2}, "", 0},
};
const DIALOG_TEMPLATE RESIZABLE_TEMPLATE = {
    920, "Roster", 200, 114, "MS Sans Serif", 8, WINDOW_CAPTION | WINDOW_BORDER, RESIZABLE_CONTROLS,
    4,   ID_CANCEL};

// A resizable list dialog as the roster lists are: its layout follows the
// grip and it may not shrink below its template.
DIALOG_LAYOUT_STATE layout;
RECT_AREA designed;
int32_t exits = 0;

intptr_t Resizable_Dialog(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_INIT_DIALOG:
        Update_Dialog_Layout(dialog, &layout, LAYOUT_CLEAR);
        Add_Dialog_Layout_Control(&layout, OK_BUTTON);
        Add_Dialog_Layout_Control(&layout, HELP_BUTTON);
        layout.List_Id = LIST;
        Update_Dialog_Layout(dialog, &layout, LAYOUT_CAPTURE);
        Get_Window_Rect(dialog, &designed);
        return 1;
    case MSG_HIT_TEST:
        return Hit_Test_Size_Grip(dialog, Point_X(lparam), Point_Y(lparam));
    case MSG_SIZING:
        return Enforce_Minimum_Dialog_Size(reinterpret_cast<RECT_AREA*>(lparam), designed,
                                           static_cast<int32_t>(wparam), GROW_HEIGHT);
    case MSG_EXIT_SIZE_MOVE:
        ++exits;
        Update_Dialog_Layout(dialog, &layout, LAYOUT_ARRANGE_AND_PAINT);
        return 1;
    case MSG_COMMAND:
        if (Command_Id(wparam) == OK_BUTTON || Command_Id(wparam) == ID_CANCEL) End_Dialog(dialog, 1);
        return 1;
    default:
        return 0;
    }
}

RECT_AREA Item_Rect(WINDOW_HANDLE dialog, int32_t id) {
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, id, &rect);
    return rect;
}

int Failing_Shell(const char* target, const char* directory) {
    Record_Shell_Request(target, directory);
    return 2;
}
} // namespace

TEST_F(DialogServices, ViewedTeamIsMadeUsableBeforeATeamDialogOpens) {
    Build_Test_League();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Set_User_Preference(VIEWED_TEAM, 37);
    Set_User_Team(3);
    Validate_Viewed_Team();
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 37) << "a pool stays";
    EXPECT_EQ(Get_User_Team(), 3);

    Set_User_Preference(VIEWED_TEAM, 34); // no franchise in that slot
    Validate_Viewed_Team();
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 3) << "the user's team instead";

    Set_Team_Stat(5, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(VIEWED_TEAM, 5);
    Validate_Viewed_Team();
    EXPECT_EQ(Get_User_Team(), 5) << "a human-run team viewed becomes the user's";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Set_User_Team(3);
    Validate_Viewed_Team();
    EXPECT_EQ(Get_User_Team(), 3) << "not while seasons are simulated";
}

TEST_F(DialogServices, ContextHelpOpensTheTopicPageOfEachDialogAndView) {
    EXPECT_STREQ(Get_Context_Help_Topic(0), "contents");
    EXPECT_STREQ(Get_Context_Help_Topic(40074), "object");
    EXPECT_STREQ(Get_Context_Help_Topic(40086), "games");
    EXPECT_STREQ(Get_Context_Help_Topic(12345), "playing");
    Player_List_Kind = PLAYER_LIST_COLLEGE_DRAFT;
    EXPECT_STREQ(Get_Context_Help_Topic(114), "collegedraft")
        << "the Sortable Stats dialog opened as the draft";
    Player_List_Kind = PLAYER_LIST_FREE_AGENTS;
    EXPECT_STREQ(Get_Context_Help_Topic(114), "freeagents");
    Player_List_Kind = PLAYER_LIST_ROSTER;
    EXPECT_STREQ(Get_Context_Help_Topic(114), "roster");

    std::filesystem::create_directory("Help");
    std::ofstream("Help/tradingblock.htm") << "<html></html>";
    Open_Context_Help(173);
    ASSERT_EQ(Get_Shell_Requests().size(), 1u);
    const std::string expected = (std::filesystem::current_path() / "Help" / "tradingblock.htm").string();
    EXPECT_EQ(Get_Shell_Requests()[0].Target, expected);
    Open_Context_Help(174);
    EXPECT_EQ(Get_Shell_Requests().size(), 1u) << "a page that is not installed is not opened";
    std::filesystem::remove_all("Help");
}

// Every page the help commands and buttons ask for is installed, Help >
// Contents among them; only the broadcast dialog, which nothing offers, has
// none.
TEST_F(DialogServices, EveryHelpTopicHasAnInstalledPage) {
    const char* data = std::getenv("KORVA_DATA_DIR");
    const std::filesystem::path help =
        std::filesystem::path(data != nullptr ? data : KORVA_DATA_DIR) / "Help";
    std::string missing;
    for (int32_t id = 0; id <= 41008; ++id) {
        const std::string topic = Get_Context_Help_Topic(id);
        if (topic != "broadcast" && !std::filesystem::exists(help / (topic + ".htm")) &&
            missing.find(" " + topic + " ") == std::string::npos)
            missing += " " + topic + " ";
    }
    EXPECT_EQ(missing, "");
}

TEST_F(DialogServices, LaunchUrlShowsTheErrorWhenTheDesktopRefuses) {
    EXPECT_GT(Launch_URL(NO_WINDOW, "https://footballkorva.example/"), 32);
    EXPECT_TRUE(Get_Shown_Messages().empty());
    ASSERT_EQ(Get_Shell_Requests().size(), 1u);
    EXPECT_EQ(Get_Shell_Requests()[0].Directory, std::filesystem::current_path().string())
        << "opened from the current folder";
    PLATFORM_BACKEND refusing = Get_Null_Backend();
    refusing.Shell_Open = Failing_Shell;
    Set_Platform_Backend(&refusing);
    EXPECT_EQ(Launch_URL(NO_WINDOW, "https://footballkorva.example/x"), 2);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Could Not Open") << "the address is not to blame";
    EXPECT_EQ(
        Get_Shown_Messages()[0].Text,
        "Your desktop could not open this for Football Korva:\n\nhttps://footballkorva.example/x\n\nYou "
        "can open it yourself, in a web browser or a file manager.");
    // Only a page that is not there is said to be missing.
    const std::string missing = (std::filesystem::current_path() / "Help" / "nowhere.htm").string();
    EXPECT_EQ(Launch_URL(NO_WINDOW, missing.c_str()), 2);
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Error Launching URL");
    EXPECT_EQ(Get_Shown_Messages()[1].Text.rfind("Error 2.  Could not access: \"" + missing + "\"", 0), 0u)
        << Get_Shown_Messages()[1].Text;
}

TEST_F(DialogServices, BuildDateNamesWeekdayAndMonthFromTheStringTable) {
    const char* zone = std::getenv("TZ");
    const std::string kept = zone != nullptr ? zone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    char line[128];
    Format_Build_Date(1709510400, line, sizeof line); // 2024-03-04, a Monday
    EXPECT_STREQ(line, "Created: Monday, March 4, 2024");
    Format_Build_Date(1704585600, line, sizeof line); // 2024-01-07, a Sunday
    EXPECT_STREQ(line, "Created: Sunday, January 7, 2024");
    if (zone != nullptr)
        setenv("TZ", kept.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST_F(DialogServices, SkinnedControlColoursGiveTheBrushExceptToFieldsAndLists) {
    const int32_t brushes = Count_Live_Pens_And_Brushes(), buffers = Count_Live_Pixel_Buffers();
    const int32_t bitmaps = Count_Live_Bitmaps();
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    EXPECT_EQ(Handle_Dialog_Control_Color(MSG_CONTROL_COLOUR_DIALOG, NO_WINDOW, NO_WINDOW, &dc), 0)
        << "no brush yet: the controls' own colours";
    Set_Skin_Name("fire");
    Init_Image_Caches();
    Create_Dialog_Brushes();
    ASSERT_NE(Dialog_Background_Brush, nullptr);
    EXPECT_EQ(Dialog_Background_Brush->Colour, 0x9EAACDu);
    ASSERT_NE(Dialog_Pattern_Brush, nullptr) << "the built-in pattern makes a brush";
    EXPECT_EQ(Dialog_Pattern_Brush->Pattern->Width, 124);
    EXPECT_EQ(Dialog_Pattern_Brush->Pattern->Height, 87);
    EXPECT_EQ(Count_Live_Pixel_Buffers(), buffers) << "the picture's slot is emptied again";
    EXPECT_EQ(Count_Live_Bitmaps(), bitmaps) << "and its bitmap deleted";

    const intptr_t brush = reinterpret_cast<intptr_t>(Dialog_Background_Brush);
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, RESIZABLE_TEMPLATE, nullptr, 0);
    const DIALOG_CONTROL fields[] = {{CONTROL_EDIT, 1, {0, 0, 40, 12}, "", 0},
                                     {CONTROL_COMBO_BOX, 2, {0, 20, 40, 12}, "", 0}};
    const DIALOG_TEMPLATE fields_template = {921, "", 60, 40, "MS Sans Serif", 8, 0, fields, 2, 2};
    const WINDOW_HANDLE other = Create_Modeless_Dialog(NO_WINDOW, fields_template, nullptr, 0);
    EXPECT_EQ(Handle_Dialog_Control_Color(MSG_CONTROL_COLOUR_DIALOG, dialog, dialog, &dc), brush);
    EXPECT_EQ(Handle_Dialog_Control_Color(MSG_CONTROL_COLOUR_SCROLL_BAR, dialog, NO_WINDOW, &dc), brush);
    EXPECT_EQ(Handle_Dialog_Control_Color(MSG_CONTROL_COLOUR_STATIC, other, Get_Dialog_Item(other, 1), &dc),
              0);
    EXPECT_EQ(Handle_Dialog_Control_Color(MSG_CONTROL_COLOUR_STATIC, other, Get_Dialog_Item(other, 2), &dc),
              0);
    EXPECT_EQ(Handle_Dialog_Control_Color(MSG_CONTROL_COLOUR_EDIT, other, Get_Dialog_Item(other, 1), &dc), 0);
    EXPECT_EQ(
        Handle_Dialog_Control_Color(MSG_CONTROL_COLOUR_STATIC, dialog, Get_Dialog_Item(dialog, RULER), &dc),
        brush);
    EXPECT_EQ(dc.State.Background_Mode, BACKGROUND_TRANSPARENT);
    EXPECT_EQ(dc.State.Background_Colour, 0x9EAACDu);

    // A game of another skin brings its colour with it.
    Set_Skin_Name("ice");
    Handle_Dialog_Control_Color(MSG_CONTROL_COLOUR_DIALOG, dialog, dialog, &dc);
    EXPECT_EQ(Dialog_Background_Brush->Colour, 0xDEC4ACu);
    Destroy_Window(other);
    Destroy_Window(dialog);
    Delete_Dialog_Brushes();
    Free_Image_Caches();
    EXPECT_EQ(Count_Live_Pens_And_Brushes(), brushes) << "both brushes deleted";
}

TEST_F(DialogServices, ResizableDialogKeepsItsMinimumAndLaysOutAfterTheGrip) {
    // Edges the user drags are the ones put back.
    const RECT_AREA start = {100, 100, 300, 250};
    RECT_AREA smaller = {120, 120, 300, 250};
    Enforce_Minimum_Dialog_Size(&smaller, start, SIZING_EDGE_TOP_LEFT, GROW_HEIGHT | GROW_WIDTH);
    EXPECT_EQ(smaller.Top, 100) << "the top moves back";
    EXPECT_EQ(smaller.Left, 100) << "and the left";
    EXPECT_EQ(smaller.Right, 300);
    EXPECT_EQ(smaller.Bottom, 250);
    RECT_AREA taller = {100, 100, 350, 400};
    Enforce_Minimum_Dialog_Size(&taller, start, SIZING_EDGE_BOTTOM_RIGHT, GROW_HEIGHT);
    EXPECT_EQ(taller.Bottom, 400) << "flag 1 lets it grow";
    EXPECT_EQ(taller.Right, 300) << "the width stays without flag 2";

    // The dialog is dragged by its grip 60 pixels down (and 50 right, which
    // its width refuses); the buttons follow and the list stretches.
    layout = DIALOG_LAYOUT_STATE{};
    exits = 0;
    struct DRAG {
        int32_t Ok_Top = 0;
        int32_t List_Height = 0;
        int32_t Width = 0;
        int32_t Height = 0;
    } seen, before;
    static DRAG* seen_at = nullptr;
    static DRAG* before_at = nullptr;
    seen_at = &seen;
    before_at = &before;
    Script_Action(
        [](void*) {
            const WINDOW_HANDLE dialog = Get_Open_Modal_Dialogs().back();
            RECT_AREA rect;
            Get_Window_Rect(dialog, &rect);
            EXPECT_EQ(rect.Left, 0) << "captured into the work area's corner";
            before_at->Ok_Top = Item_Rect(dialog, OK_BUTTON).Top;
            before_at->List_Height = Item_Rect(dialog, LIST).Bottom - Item_Rect(dialog, LIST).Top;
            before_at->Height = rect.Bottom - rect.Top;
            Script_Mouse_Drag(rect.Right - 3, rect.Bottom - 3, rect.Right + 47, rect.Bottom + 57);
            Script_Action(
                [](void*) {
                    const WINDOW_HANDLE open = Get_Open_Modal_Dialogs().back();
                    RECT_AREA now;
                    Get_Window_Rect(open, &now);
                    seen_at->Ok_Top = Item_Rect(open, OK_BUTTON).Top;
                    seen_at->List_Height = Item_Rect(open, LIST).Bottom - Item_Rect(open, LIST).Top;
                    seen_at->Width = now.Right - now.Left;
                    seen_at->Height = now.Bottom - now.Top;
                    Script_Key_Press(KEY_ENTER, 0);
                },
                nullptr);
        },
        nullptr);
    // The dialog lies over a main window, which the display sizes itself.
    Start_Frame_Without_Loop();
    EXPECT_EQ(Run_Modal_Dialog(NO_WINDOW, RESIZABLE_TEMPLATE, Resizable_Dialog, 0), 1);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(seen.Height, before.Height + 60);
    EXPECT_EQ(seen.Width, designed.Right - designed.Left);
    EXPECT_EQ(seen.Ok_Top, before.Ok_Top + 60);
    EXPECT_EQ(seen.List_Height, before.List_Height + 60);
}

TEST_F(DialogServices, FittingTheRowsGrowsTheDialogUpToTheWorkArea) {
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, RESIZABLE_TEMPLATE, nullptr, 0);
    DIALOG_LAYOUT_STATE fit{};
    Update_Dialog_Layout(dialog, &fit, LAYOUT_CLEAR);
    EXPECT_EQ(fit.Unit_Rect.Bottom, Dialog_Units_To_Pixels_Y(8));
    Add_Dialog_Layout_Control(&fit, OK_BUTTON);
    fit.List_Id = LIST;
    Update_Dialog_Layout(dialog, &fit, LAYOUT_CAPTURE);
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, LIST);
    const int32_t row = fit.Unit_Rect.Bottom;
    const int32_t shown = (Item_Rect(dialog, LIST).Bottom - Item_Rect(dialog, LIST).Top) / row;
    for (int32_t i = 0; i < shown + 3; ++i)
        List_Box_Add_String(list, "Line");
    RECT_AREA before, after;
    Get_Window_Rect(dialog, &before);
    Update_Dialog_Layout(dialog, &fit, LAYOUT_FIT_ROWS);
    Get_Window_Rect(dialog, &after);
    EXPECT_EQ(after.Bottom - after.Top, before.Bottom - before.Top + 3 * row);
    for (int32_t i = 0; i < 200; ++i)
        List_Box_Add_String(list, "More");
    Update_Dialog_Layout(dialog, &fit, LAYOUT_FIT_ROWS);
    Get_Window_Rect(dialog, &after);
    EXPECT_EQ(after.Bottom - after.Top, TEST_SCREEN_HEIGHT) << "no taller than the work area";
    Update_Dialog_Layout(dialog, &fit, LAYOUT_REMEMBER);
    EXPECT_EQ(fit.Remembered, 1);
    EXPECT_EQ(fit.Remembered_Rect.Bottom, after.Bottom);
    Destroy_Window(dialog);
}

TEST_F(DialogServices, BoldControlFontsLiveAsLongAsTheirDialog) {
    const int32_t fonts = Count_Live_Fonts();
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, RESIZABLE_TEMPLATE, nullptr, 0);
    EXPECT_EQ(Count_Live_Fonts(), fonts + 1) << "the template's font";
    Set_Dialog_Control_Fonts(dialog);
    Set_Dialog_Control_Fonts(dialog);
    EXPECT_EQ(Count_Live_Fonts(), fonts + 3);
    DRAWING_FONT* bold = Get_Window_Font(Get_Dialog_Item(dialog, OK_BUTTON));
    ASSERT_NE(bold, nullptr);
    EXPECT_NE(bold, Get_Window_Font(dialog));
    EXPECT_STREQ(Get_Font_Face_Used(bold), "Liberation Sans");
    Destroy_Window(dialog);
    EXPECT_EQ(Count_Live_Fonts(), fonts) << "each opening's fonts are freed with it";

    POINT_XY point{};
    Center_In_Dialog_Units(30, 20, 100, 80, &point);
    EXPECT_EQ(point.X, 100 * 6 / 4 - 15);
    EXPECT_EQ(point.Y, 80 * 13 / 8 - 10);
}

TEST_F(DialogServices, TeamSelectorListsActiveTeamsWithTheirNumbers) {
    Build_Test_League();
    Set_User_Preference(VIEWED_TEAM, 7);
    const DIALOG_CONTROL selectors[] = {{CONTROL_COMBO_BOX, TEAM_SELECTOR, {0, 0, 120, 100}, "", 0}};
    const DIALOG_TEMPLATE combo_template = {922, "", 130, 110, "MS Sans Serif", 8, 0, selectors, 1, 2};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, combo_template, nullptr, 0);
    Fill_Team_Selector(dialog);
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    ASSERT_EQ(Combo_Box_Get_Count(combo), TEST_LEAGUE_TEAMS);
    EXPECT_EQ(Combo_Box_Get_Item_Data(combo, 0), 1000);
    EXPECT_EQ(Combo_Box_Get_Item_Data(combo, 31), 1031);
    EXPECT_EQ(Combo_Box_Get_Current_Selection(combo), 7);
    char name[256];
    Get_Team_Full_Name(7, name);
    EXPECT_EQ(Get_Window_Text(combo), name);
    EXPECT_TRUE(Is_Window_Enabled(combo));
    Destroy_Window(dialog);

    const DIALOG_CONTROL lists[] = {{CONTROL_LIST_BOX, TEAM_SELECTOR, {0, 0, 120, 100}, "", 0}};
    const DIALOG_TEMPLATE list_template = {923, "", 130, 110, "MS Sans Serif", 8, 0, lists, 1, 2};
    const WINDOW_HANDLE other = Create_Modeless_Dialog(NO_WINDOW, list_template, nullptr, 0);
    Fill_Team_Selector(other);
    EXPECT_EQ(List_Box_Get_Count(Get_Dialog_Item(other, TEAM_SELECTOR)), TEST_LEAGUE_TEAMS)
        << "a list box alike";
    EXPECT_EQ(List_Box_Get_Current_Selection(Get_Dialog_Item(other, TEAM_SELECTOR)), 7);
    Destroy_Window(other);
}

namespace {
intptr_t Team_List_Dialog(WINDOW_HANDLE dialog, uint32_t code, uintptr_t, intptr_t lparam) {
    switch (code) {
    case MSG_INIT_DIALOG:
        Fill_Team_Selector(dialog);
        return 1;
    case MSG_MEASURE_ITEM:
        return Measure_List_Item_Height(dialog, reinterpret_cast<MEASURE_ITEM_INFO*>(lparam));
    case MSG_DRAW_ITEM:
        Draw_Team_Listbox_Item(reinterpret_cast<const DRAW_ITEM_INFO*>(lparam));
        return 1;
    default:
        return 0;
    }
}
} // namespace

TEST_F(DialogServices, OwnerDrawnTeamListMarksTheUsersTeamWithItsHelmet) {
    Build_Test_League();
    std::filesystem::create_directory_symlink(std::string(KORVA_DATA_DIR) + "/gridiron", "gridiron");
    Init_Image_Caches();
    Set_User_Team(2);
    Set_User_Preference(VIEWED_TEAM, 1);
    const DIALOG_CONTROL lists[] = {
        {CONTROL_LIST_BOX, TEAM_SELECTOR, {0, 0, 160, 100}, "", CONTROL_OWNER_DRAW | WINDOW_TAB_STOP}};
    const DIALOG_TEMPLATE list_template = {924, "Teams",       160,   100, "MS Sans Serif",
                                           8,   WINDOW_BORDER, lists, 1,   2};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, list_template, Team_List_Dialog, 0);
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    DEVICE_CONTEXT measure;
    Attach_Device_Context(&measure, nullptr);
    Select_Font(&measure, Get_Window_Font(list));
    FONT_METRICS metrics{};
    Get_Font_Metrics(&measure, &metrics);
    EXPECT_EQ(Send_Window_Message(list, MSG_LIST_GET_ITEM_HEIGHT, 0, 0),
              metrics.Height + metrics.External_Leading + 2)
        << "measured in the list's own font";
    Pump_Messages();
    DRAWING_SURFACE picture{};
    Render_Window(dialog, &picture);
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&picture, (std::string(folder) + "/team_list.png").c_str());
    RECT_AREA user_row{}, selected_row{};
    Send_Window_Message(list, MSG_LIST_GET_ITEM_RECT, 2, reinterpret_cast<intptr_t>(&user_row));
    Send_Window_Message(list, MSG_LIST_GET_ITEM_RECT, 1, reinterpret_cast<intptr_t>(&selected_row));
    RECT_AREA list_rect, dialog_rect;
    Get_Window_Rect(list, &list_rect);
    Get_Window_Rect(dialog, &dialog_rect);
    const int32_t dx = list_rect.Left - dialog_rect.Left, dy = list_rect.Top - dialog_rect.Top;
    const int32_t size = user_row.Bottom - user_row.Top;
    int32_t helmet_pixels = 0;
    for (int32_t y = user_row.Top; y < user_row.Bottom; ++y)
        for (int32_t x = user_row.Right - 2 - size; x < user_row.Right - 2; ++x)
            if (Get_Surface_Pixel(&picture, dx + x, dy + y) != Colour_To_Pixel(Make_Colour(255, 255, 255)))
                ++helmet_pixels;
    EXPECT_GT(helmet_pixels, size * size / 5) << "the helmet at the right of the user's team";
    EXPECT_EQ(Get_Surface_Pixel(&picture, dx + selected_row.Right - 4, dy + selected_row.Top + 1),
              Colour_To_Pixel(Make_Colour(0, 120, 215)))
        << "the viewed team is selected";
    Destroy_Window(dialog);
    Free_Image_Caches();
    std::filesystem::remove("gridiron");
}

TEST(DialogStrings, CutAtACharacterAndFileExtensions) {
    char name[] = "Dallas 2019.kor";
    EXPECT_STREQ(Remove_File_Extension(name), "Dallas 2019");
    char dotted[] = "my.league.kor";
    EXPECT_STREQ(Remove_File_Extension(dotted), "my.league") << "only the last dot";
    char plain[] = "no extension";
    EXPECT_STREQ(Remove_File_Extension(plain), "no extension");
    char line[] = "Quarterback\tQB\t12";
    EXPECT_STREQ(Cut_String_At_Char(line, '\t'), "Quarterback") << "at the first one";
    char none[] = "Kicker";
    EXPECT_STREQ(Cut_String_At_Char(none, ':'), "Kicker");
    EXPECT_EQ(Cut_String_At_Char(nullptr, ':'), nullptr);
}

TEST_F(DialogServices, ListFillersAndExtensionStrippers) {
    const DIALOG_CONTROL controls[] = {
        {CONTROL_COMBO_BOX, 1, {0, 0, 80, 60}, "", 0},
        {CONTROL_COMBO_BOX, STAT_SEASON_COMBO, {0, 60, 80, 60}, "", 0},
        {CONTROL_LIST_BOX, 3, {90, 0, 80, 60}, "", 0},
        {CONTROL_RADIO_BUTTON, STAT_SEASON_RADIOS[0], {90, 70, 60, 10}, "This", CONTROL_GROUP},
        {CONTROL_RADIO_BUTTON, STAT_SEASON_RADIOS[1], {90, 82, 60, 10}, "Last", 0},
        {CONTROL_RADIO_BUTTON, STAT_SEASON_RADIOS[2], {90, 94, 60, 10}, "Career", 0},
        {CONTROL_STATIC_FRAME, COLUMN_RULER_CONTROL, {0, 110, 128, 4}, "", 0},
    };
    const DIALOG_TEMPLATE fillers = {925, "", 180, 120, "MS Sans Serif", 8, 0, controls, 7, 2};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, fillers, nullptr, 0);
    const WINDOW_HANDLE percent = Get_Dialog_Item(dialog, 1);
    Fill_Percent_Combo(percent);
    ASSERT_EQ(Combo_Box_Get_Count(percent), 21);
    EXPECT_EQ(Combo_Box_Get_Text(percent, 0), "-100%");
    EXPECT_EQ(Combo_Box_Get_Text(percent, 10), "+0%") << "the zero step with the plus sign";
    EXPECT_EQ(Combo_Box_Get_Text(percent, 20), "+100%");
    Fill_Letter_Grade_Combo(percent);
    ASSERT_EQ(Combo_Box_Get_Count(percent), 13);
    EXPECT_EQ(Combo_Box_Get_Text(percent, 0), "F ");
    EXPECT_EQ(Combo_Box_Get_Text(percent, 12), "A ") << "no A+";

    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_User_Preference(STAT_SEASON_CHOICE, 3);
    Fill_Stat_Season_Combo(dialog);
    const WINDOW_HANDLE seasons = Get_Dialog_Item(dialog, STAT_SEASON_COMBO);
    EXPECT_EQ(Combo_Box_Get_Count(seasons), 3);
    EXPECT_EQ(Get_User_Preference(STAT_SEASON_CHOICE), 0) << "Predicted is not offered, so the choice resets";
    EXPECT_EQ(Combo_Box_Get_Current_Selection(seasons), 0);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(STAT_SEASON_CHOICE, 3);
    Fill_Stat_Season_Combo(dialog);
    EXPECT_EQ(Combo_Box_Get_Text(seasons, 3), "Predicted");
    EXPECT_EQ(Combo_Box_Get_Current_Selection(seasons), 3);
    Set_User_Preference(STAT_SEASON_CHOICE, 1);
    Check_Stat_Season_Radio(dialog);
    EXPECT_EQ(Is_Dialog_Button_Checked(dialog, STAT_SEASON_RADIOS[1]), BUTTON_CHECKED);
    EXPECT_EQ(Is_Dialog_Button_Checked(dialog, STAT_SEASON_RADIOS[0]), BUTTON_UNCHECKED);

    const WINDOW_HANDLE files = Get_Dialog_Item(dialog, 3);
    for (const char* name : {"Run Heavy.pbk", "no extension", "Big.Blitz.pbk"})
        List_Box_Add_String(files, name);
    List_Box_Set_Current_Selection(files, 2);
    Strip_Listbox_Extensions(files);
    EXPECT_EQ(List_Box_Get_Text(files, 0), "Run Heavy");
    EXPECT_EQ(List_Box_Get_Text(files, 1), "no extension");
    EXPECT_EQ(List_Box_Get_Text(files, 2), "Big.Blitz") << "cut at the last dot";
    EXPECT_EQ(List_Box_Get_Current_Selection(files), 2) << "the selection is kept";
    Combo_Box_Reset_Content(percent);
    Combo_Box_Add_String(percent, "Earth.skin");
    Combo_Box_Set_Current_Selection(percent, 0);
    Strip_Combo_Extensions(percent);
    EXPECT_EQ(Get_Window_Text(percent), "Earth");

    Compute_Dialog_Scale_Factor(dialog);
    EXPECT_EQ(Dialog_Scale_Factor, (Dialog_Units_To_Pixels_X(128) * 1000 + 256) / 512);
    Dialog_Scale_Factor = 0;
    Destroy_Window(dialog);
}

namespace {
const DIALOG_CONTROL SKINNED_CONTROLS[] = {
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {6, 4, 140, 58}, "Automatic Text Output", 0},
    {CONTROL_CHECK_BOX, 1033, {14, 16, 100, 12}, "Standings", WINDOW_TAB_STOP},
    {CONTROL_CHECK_BOX, 1034, {14, 30, 100, 12}, "Awards", WINDOW_TAB_STOP},
    {CONTROL_RADIO_BUTTON, 1435, {14, 44, 60, 12}, "Manual", WINDOW_TAB_STOP | CONTROL_GROUP},
    {CONTROL_RADIO_BUTTON, 1436, {76, 44, 60, 12}, "Automatic", 0},
    {CONTROL_STATIC_TEXT,
     1463,
     {154, 6, 140, 30},
     "'Owner Mode' requires you to set ticket prices and manage expenditures.",
     0},
    {CONTROL_EDIT, 1331, {154, 40, 140, 13}, "Database notes", WINDOW_TAB_STOP},
    {CONTROL_COMBO_BOX, 1009, {154, 58, 140, 60}, "", WINDOW_TAB_STOP},
    {CONTROL_LIST_BOX, 1436 + 100, {6, 68, 140, 50}, "", WINDOW_TAB_STOP},
    {CONTROL_PROGRESS_BAR, 1083, {154, 78, 140, 10}, "", 0},
    {CONTROL_PUSH_BUTTON, ID_OK, {190, 104, 50, 14}, "&Done", WINDOW_TAB_STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {244, 104, 50, 14}, "&Help", WINDOW_TAB_STOP},
    {CONTROL_SIZE_GRIP, UNNAMED_CONTROL, {290, 114, 10, 10}, "", 0},
};
const DIALOG_TEMPLATE SKINNED_TEMPLATE = {
    926,
    "Options",
    300,
    124,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    SKINNED_CONTROLS,
    static_cast<int32_t>(sizeof SKINNED_CONTROLS / sizeof SKINNED_CONTROLS[0]),
    ID_CANCEL};

intptr_t Skinned_Dialog(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_INIT_DIALOG: {
        Set_Dialog_Control_Fonts(dialog);
        Check_Dialog_Button(dialog, 1033, BUTTON_CHECKED);
        Check_Radio_Button(dialog, 1435, 1436, 1436);
        const WINDOW_HANDLE skins = Get_Dialog_Item(dialog, 1009);
        for (const char* skin : {"Skin: earth", "Skin: fire", "Skin: ice"})
            Combo_Box_Add_String(skins, skin);
        Combo_Box_Set_Current_Selection(skins, 1);
        for (const char* line : {"Quarterback Stats", "Defensive Ratings", "Kicking"})
            List_Box_Add_String(Get_Dialog_Item(dialog, 1536), line);
        Send_Dialog_Item_Message(dialog, 1083, MSG_PROGRESS_SET_POSITION, 40, 0);
        return 1;
    }
    case MSG_CONTROL_COLOUR_DIALOG:
    case MSG_CONTROL_COLOUR_STATIC:
    case MSG_CONTROL_COLOUR_SCROLL_BAR:
        return Handle_Dialog_Control_Color(code, dialog, static_cast<WINDOW_HANDLE>(lparam),
                                           reinterpret_cast<DEVICE_CONTEXT*>(wparam));
    default:
        return 0;
    }
}
} // namespace

TEST_F(DialogServices, SkinnedDialogsTakeTheSkinColourBehindEveryLabel) {
    Init_Image_Caches();
    for (const char* skin : {"earth", "fire", "ice"}) {
        SCOPED_TRACE(skin);
        Set_Skin_Name(skin);
        Create_Dialog_Brushes();
        const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, SKINNED_TEMPLATE, Skinned_Dialog, 0);
        Pump_Messages();
        DRAWING_SURFACE picture{};
        Render_Window(dialog, &picture);
        if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
            Write_Surface_PNG(&picture, (std::string(folder) + "/skinned_" + skin + ".png").c_str());
        RECT_AREA outer, frame;
        Get_Window_Rect(dialog, &outer);
        Get_Window_Frame(dialog, &frame);
        auto at = [&](int32_t id, int32_t dx, int32_t dy) {
            RECT_AREA rect;
            Get_Window_Rect(Get_Dialog_Item(dialog, id), &rect);
            return Get_Surface_Pixel(&picture, rect.Left - outer.Left + dx, rect.Top - outer.Top + dy);
        };
        const uint32_t skin_pixel = Colour_To_Pixel(Get_Skin_Color());
        EXPECT_EQ(Get_Surface_Pixel(&picture, frame.Left + 3, picture.Height - 3), skin_pixel)
            << "the dialog";
        EXPECT_EQ(at(1463, 136 * 6 / 4, 40), skin_pixel) << "behind a label";
        EXPECT_EQ(at(1034, 100, 2), skin_pixel) << "behind a check box";
        EXPECT_EQ(at(1331, 100, 6), Colour_To_Pixel(Make_Colour(255, 255, 255))) << "an edit keeps its field";
        Destroy_Window(dialog);
    }
    Delete_Dialog_Brushes();
    Free_Image_Caches();
}
