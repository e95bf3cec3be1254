#include "app/welcome_dialog.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/context_help.h"
#include "app/diagnostics.h"
#include "app/dialog_brushes.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/skins.h"
#include "app/status_bars.h"
#include "app/web_addresses.h"
#include "database/path_resolver.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/windows.h"
#include "reports/shell_open.h"

namespace {
constexpr int32_t HOME_PAGE_BUTTON = 1451;
constexpr int32_t SOCIAL_PAGE_BUTTON = 1459;
constexpr int32_t STORE_PAGE_BUTTON = 1460;
constexpr int32_t UPDATE_PAGE_BUTTON = 1222;
constexpr int32_t SPLASH_PICTURE = 1356;
constexpr int32_t ABOUT_VERSION_TEXT = 1352;
constexpr int32_t NEW_VERSION_PICTURE = 1116;
constexpr int32_t NEW_VERSION_PRODUCT_BUTTON = 1117;
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
// The application font of the frame dialogs' buttons.
constexpr int32_t BUTTON_FONT = 17;

// The buttons are sized for the bold application font they are given.
const DIALOG_CONTROL WELCOME_CONTROLS[] = {
    {CONTROL_STATIC_IMAGE, SPLASH_PICTURE, {8, 8, 400, 150}, "", 0},
    {CONTROL_PUSH_BUTTON,
     WELCOME_NEW_GAME,
     {8, 166, 196, 20},
     "Start a &New Game of Football Korva",
     BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON,
     WELCOME_RESUME_GAME,
     {212, 166, 196, 20},
     "&Resume a Previously Saved Game",
     BUTTON},
    {CONTROL_PUSH_BUTTON, HOME_PAGE_BUTTON, {8, 194, 94, 16}, "&Web Site", BUTTON},
    {CONTROL_PUSH_BUTTON, SOCIAL_PAGE_BUTTON, {110, 194, 94, 16}, "&Community", BUTTON},
    {CONTROL_PUSH_BUTTON, UPDATE_PAGE_BUTTON, {212, 194, 94, 16}, "Free &Updates", BUTTON},
    {CONTROL_PUSH_BUTTON, STORE_PAGE_BUTTON, {314, 194, 94, 16}, "&Store", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {358, 218, 50, 14}, "E&xit", BUTTON},
};

const DIALOG_CONTROL ABOUT_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, ABOUT_VERSION_TEXT, {10, 10, 308, 12}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, BUILD_DATE_TEXT, {10, 88, 308, 10}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT,
     UNNAMED_CONTROL,
     {10, 26, 308, 12},
     "American pro football management and simulation",
     CONTROL_CENTRE_TEXT},
    {CONTROL_PUSH_BUTTON, ID_OK, {134, 68, 60, 16}, "OK", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, HOME_PAGE_BUTTON, {10, 46, 74, 16}, "&Web Site", BUTTON},
    {CONTROL_PUSH_BUTTON, SOCIAL_PAGE_BUTTON, {88, 46, 74, 16}, "&Community", BUTTON},
    {CONTROL_PUSH_BUTTON, UPDATE_PAGE_BUTTON, {166, 46, 74, 16}, "Free &Updates", BUTTON},
    {CONTROL_PUSH_BUTTON, STORE_PAGE_BUTTON, {244, 46, 74, 16}, "&Store", BUTTON},
};

const DIALOG_CONTROL NEW_VERSION_CONTROLS[] = {
    {CONTROL_STATIC_IMAGE, NEW_VERSION_PICTURE, {8, 8, 224, 90}, "", 0},
    {CONTROL_PUSH_BUTTON,
     NEW_VERSION_PRODUCT_BUTTON,
     {8, 106, 110, 14},
     "&Get the New Version",
     BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {182, 106, 50, 14}, "Close", BUTTON},
};

template <size_t N> constexpr int32_t Count_Of(const DIALOG_CONTROL (&)[N]) {
    return static_cast<int32_t>(N);
}

// Earlier installations searched for saved games, in this order.
const char* const EARLIER_FOLDERS[] = {"22 BETA",   "21",        "20",
                                       "19",        "18",        "17",
                                       "16",        "15",        "2014\\Football Korva 2014",
                                       "2014",      "2014 Demo", "2013\\Football Korva 2013",
                                       "2013 Demo", "2012",      "2011 Demo",
                                       "2011",      "2010",      "2009"};
const char* const EARLIER_FOLDER_STEM = "C:\\Sports Korva\\Football Korva ";

// Paints an image file over a picture control of a dialog.
void Paint_Picture(WINDOW_HANDLE dialog, int32_t control, const char* file) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
    if (dc == nullptr) return;
    Draw_Cached_Image_On_Control(dialog, dc, control, file);
    End_Paint(dialog, &paint);
}

bool Is_Colour_Message(uint32_t code) {
    return code == MSG_CONTROL_COLOUR_DIALOG || code == MSG_CONTROL_COLOUR_STATIC ||
           code == MSG_CONTROL_COLOUR_SCROLL_BAR;
}

bool Open_Link_Button(int32_t id) {
    switch (id) {
    case HOME_PAGE_BUTTON:
        return Shell_Open(Main_Window, MAKER_HOME_PAGE);
    case SOCIAL_PAGE_BUTTON:
        return Shell_Open(Main_Window, MAKER_SOCIAL_PAGE);
    case STORE_PAGE_BUTTON:
        return Shell_Open(Main_Window, STORE_SEARCH_PAGE);
    case UPDATE_PAGE_BUTTON:
        return Shell_Open(Main_Window, FREE_UPDATE_PAGE);
    default:
        return false;
    }
}

bool Is_Link_Button(int32_t id) {
    return id == HOME_PAGE_BUTTON || id == SOCIAL_PAGE_BUTTON || id == STORE_PAGE_BUTTON ||
           id == UPDATE_PAGE_BUTTON;
}
} // namespace

const DIALOG_TEMPLATE WELCOME_DIALOG_TEMPLATE = {WELCOME_DIALOG,
                                                 "Welcome to...",
                                                 416,
                                                 240,
                                                 "MS Sans Serif",
                                                 8,
                                                 WINDOW_CAPTION | WINDOW_BORDER,
                                                 WELCOME_CONTROLS,
                                                 Count_Of(WELCOME_CONTROLS),
                                                 ID_CANCEL};
const DIALOG_TEMPLATE ABOUT_DIALOG_TEMPLATE = {
    ABOUT_DIALOG,   "About Football Korva",   328,  104, "MS Sans Serif", 8, WINDOW_CAPTION | WINDOW_BORDER,
    ABOUT_CONTROLS, Count_Of(ABOUT_CONTROLS), ID_OK};
const DIALOG_TEMPLATE NEW_VERSION_DIALOG_TEMPLATE = {NEW_VERSION_DIALOG,
                                                     "New Version Available",
                                                     240,
                                                     128,
                                                     "MS Sans Serif",
                                                     8,
                                                     WINDOW_CAPTION | WINDOW_BORDER,
                                                     NEW_VERSION_CONTROLS,
                                                     Count_Of(NEW_VERSION_CONTROLS),
                                                     0};

intptr_t Welcome_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Colour_Message(code))
        return Handle_Dialog_Control_Color(code, dialog, static_cast<WINDOW_HANDLE>(lparam),
                                           reinterpret_cast<DEVICE_CONTEXT*>(wparam));
    switch (code) {
    case MSG_INIT_DIALOG: {
        Set_Dialog_Controls_App_Font(dialog, BUTTON_FONT,
                                     {WELCOME_NEW_GAME, WELCOME_RESUME_GAME, HOME_PAGE_BUTTON,
                                      SOCIAL_PAGE_BUTTON, UPDATE_PAGE_BUTTON, STORE_PAGE_BUTTON});
        Compute_Dialog_Scale_Factor(dialog);
        Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
        if (Find_Files(".", "*.kor").empty()) {
            const bool copied = Copy_Previous_Version_Saved_Games() != 0;
            Enable_Window(Get_Dialog_Item(dialog, WELCOME_RESUME_GAME), copied);
            if (!copied) Open_Help_Topic("playing", false);
        }
        char caption[128];
        std::snprintf(caption, sizeof caption, "Football Korva %s (Version v%d.%02d)", "23", 20, 2);
        Set_Window_Text(dialog, caption);
        return 1;
    }
    case MSG_PAINT: {
        char picture[2048] = "dialogs/splash/korva.jpg";
        Get_Skin_File_Path(picture, sizeof picture);
        Paint_Picture(dialog, SPLASH_PICTURE, picture);
        return 1;
    }
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        if (Is_Link_Button(id)) {
            Open_Link_Button(id);
            return 1;
        }
        End_Dialog(dialog, id);
        return 1;
    }
    default:
        return 0;
    }
}

intptr_t About_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Colour_Message(code))
        return Handle_Dialog_Control_Color(code, dialog, static_cast<WINDOW_HANDLE>(lparam),
                                           reinterpret_cast<DEVICE_CONTEXT*>(wparam));
    switch (code) {
    case MSG_INIT_DIALOG: {
        Set_Dialog_Control_Fonts(dialog);
        Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
        Set_Dialog_Controls_App_Font(
            dialog, BUTTON_FONT,
            {ID_OK, HOME_PAGE_BUTTON, SOCIAL_PAGE_BUTTON, UPDATE_PAGE_BUTTON, STORE_PAGE_BUTTON});
        char version[128];
        std::snprintf(version, sizeof version, "%s %d (Version %d.%d.%d)", "Football Korva", 23, 20, 0, 2);
        Set_Dialog_Item_Text(dialog, ABOUT_VERSION_TEXT, version);
        Show_Build_Date(dialog);
        return 1;
    }
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        if (id == ID_OK || id == ID_CANCEL) {
            End_Dialog(dialog, 1);
            return 1;
        }
        // Each link button opens its page, "Web Site" too (the welcome
        // dialog's four open theirs the same way).
        if (Is_Link_Button(id)) {
            Open_Link_Button(id);
            return 1;
        }
        return 0;
    }
    default:
        return 0;
    }
}

intptr_t New_Version_Available_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t) {
    switch (code) {
    case MSG_INIT_DIALOG:
        return 1;
    case MSG_PAINT:
        Paint_Picture(dialog, NEW_VERSION_PICTURE, "Dialogs\\Splash\\NewVersion.jpg");
        return 1;
    case MSG_COMMAND:
        if (Command_Id(wparam) == NEW_VERSION_PRODUCT_BUTTON) {
            Launch_URL(dialog, PRODUCT_PAGE);
            return 1;
        }
        if (Command_Id(wparam) == ID_CANCEL) {
            End_Dialog(dialog, 0);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

int32_t Copy_Previous_Version_Saved_Games() {
    struct FOUND_FILE {
        std::string Folder;
        std::string Name;
    };
    std::vector<FOUND_FILE> found;
    for (const char* folder : EARLIER_FOLDERS) {
        const std::string path = std::string(EARLIER_FOLDER_STEM) + folder;
        for (const std::string& name : Find_Files(Resolve_File_Path(path.c_str()), "*.kor"))
            found.push_back({path, name});
    }
    if (found.empty()) return 0;
    const int32_t count = static_cast<int32_t>(found.size());
    char text[512];
    std::snprintf(
        text, sizeof text,
        "Football Korva has found %d Saved Game File%s from previous versions.\n\nWould you like to copy "
        "%s to the Football Korva %s folder?",
        count, count == 1 ? "" : "s", count == 1 ? "this file" : "those files", "23");
    if (User_Message_Dialog("Saved Game Files", text, "Yes", "No", "") != ID_BOX_YES) return 0;
    for (const FOUND_FILE& file : found)
        Copy_File_Without_Overwrite(Resolve_File_Path((file.Folder + "/" + file.Name).c_str()),
                                    Resolve_File_Path(file.Name.c_str()));
    return 1;
}

int32_t Do_Splash_Screen() {
    for (;;) {
        if (Is_Window(Status_Bar_Window)) Redock_Status_Bars();
        const int32_t choice = Do_Dialog(Main_Window, WELCOME_DIALOG, 0);
        if (choice == ID_CANCEL) {
            Request_Quit(0);
            return 0;
        }
        int32_t follow_up = 0;
        if (choice == WELCOME_NEW_GAME) {
            Log_Debug_Line("ID_NEWGAME Menu Launched");
            follow_up = Refresh_Bars_And_Do_Dialog(Main_Window, NEW_GAME_DIALOG);
            Log_Debug_Line("ID_NEWGAME Menu Returned");
        } else if (choice == WELCOME_RESUME_GAME) {
            follow_up = Refresh_Bars_And_Do_Dialog(Main_Window, RESUME_GAME_DIALOG);
        } else {
            break;
        }
        if (follow_up != ID_CANCEL) break;
    }
    Log_Debug_Line("Do_Splash_Screen() return TRUE");
    return 1;
}
