#include "dialogs/scouting_report.h"

#include <cctype>

#include "app/app_fonts.h"
#include "app/bitmap_cache.h"
#include "app/context_help.h"
#include "app/design_scaling.h"
#include "app/dialog_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/sounds_and_cursors.h"
#include "app/team_lists.h"
#include "app/text_contrast.h"
#include "app/web_addresses.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_card.h"
#include "dialogs/player_list_dialog.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/trade_items.h"
#include "frontoffice/trade_offer.h"
#include "personnel/fantasy_draft.h"
#include "personnel/injuries.h"
#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "season/season_calendar.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t EDIT_PLAYER_DIALOG = 150;
constexpr int32_t CHANGE_POSITION_DIALOG = 137;
constexpr int32_t TRADES_DIALOG = 111;
constexpr int32_t TRADING_DEADLINE_WEEK = 12;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t NOT_FANTASY_DRAFTED = -128;
constexpr int32_t HAND_CURSOR = 1;
constexpr int32_t ARROW_CURSOR = 0;
constexpr int32_t WEB_ADDRESS_SIZE = 256;

// Where the buttons stand before the window takes the design frame's size
// and lays them out again.
const DIALOG_CONTROL REPORT_CONTROLS[] = {
    {CONTROL_PUSH_BUTTON, REPORT_PREVIOUS_BUTTON, {0, 253, 64, 11}, "<< Previous Player", BUTTON},
    {CONTROL_PUSH_BUTTON, REPORT_NEXT_BUTTON, {64, 253, 64, 11}, "Next Player >>", BUTTON},
    {CONTROL_PUSH_BUTTON, REPORT_RELEASE_BUTTON, {128, 253, 56, 11}, "&Release", BUTTON},
    {CONTROL_PUSH_BUTTON, REPORT_GO_GET_BUTTON, {184, 253, 56, 11}, "&Go Get", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {240, 253, 40, 11}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {280, 253, 40, 11}, "&Done", BUTTON | CONTROL_DEFAULT_BUTTON},
};
// Left to right along the bottom, and where their edges stand in per mille.
constexpr int32_t BUTTON_ORDER[] = {REPORT_PREVIOUS_BUTTON, REPORT_NEXT_BUTTON, REPORT_RELEASE_BUTTON,
                                    REPORT_GO_GET_BUTTON,   HELP_BUTTON,        ID_OK};
constexpr int32_t BUTTON_EDGES[] = {0, 200, 400, 575, 750, 875, 1000};

// What the report leaves to be opened once it has closed.
enum PENDING_DIALOG : int32_t { PENDING_NONE, PENDING_FREE_AGENTS, PENDING_TRADES };

// The list the report was opened from (for the life of the dialog).
LISTVIEW_DATA* report_list = nullptr;
PENDING_DIALOG pending_dialog = PENDING_NONE;

int32_t Shown_Team() {
    return Get_User_Preference(SELECTED_PLAYER_TEAM);
}
int32_t Shown_Slot() {
    return Get_User_Preference(SELECTED_PLAYER_SLOT);
}

void Show_Player(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    Update_Scouting_Report_Buttons(dialog);
    Repaint_Window(dialog);
}

int32_t Round_Per_Mille(int32_t whole, int32_t per_mille) {
    return (whole * per_mille + 500) / 1000;
}

bool Is_Fantasy_Draft_Running() {
    return Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1;
}

bool Is_Pool_Team(int32_t team) {
    return team >= FIRST_COLLEGE_POOL_TEAM && team < TOTAL_NUMBER_OF_TEAMS;
}

void Set_Button(WINDOW_HANDLE dialog, int32_t id, const char* caption, bool enabled) {
    const WINDOW_HANDLE button = Get_Dialog_Item(dialog, id);
    if (button == NO_WINDOW) return;
    if (caption != nullptr && Get_Window_Text(button) != caption) Set_Window_Text(button, caption);
    Enable_Window(button, enabled);
}

void Layout_Scouting_Report_Buttons(WINDOW_HANDLE dialog) {
    RECT_AREA client;
    Get_Client_Rect(dialog, &client);
    const int32_t width = client.Right - client.Left, height = client.Bottom - client.Top;
    const int32_t top = (height * 23 + 12) / 24;
    for (size_t i = 0; i < std::size(BUTTON_ORDER); ++i) {
        const WINDOW_HANDLE button = Get_Dialog_Item(dialog, BUTTON_ORDER[i]);
        if (button != NO_WINDOW)
            Move_Window(button, {Round_Per_Mille(width, BUTTON_EDGES[i]), top,
                                 Round_Per_Mille(width, BUTTON_EDGES[i + 1]), height});
    }
}

// The design frame scaled as the views are, so that it grows with the main
// window as the application fonts it is painted in do.
void Size_Scouting_Report_Window(WINDOW_HANDLE dialog) {
    RECT_AREA rect, frame;
    Get_Window_Rect(dialog, &rect);
    Get_Window_Frame(dialog, &frame);
    RECT_AREA client = {0, 0, REPORT_DESIGN_WIDTH, REPORT_DESIGN_HEIGHT};
    Scale_Rect_To_Window(&client);
    const int32_t width = client.Right - client.Left, height = client.Bottom - client.Top;
    Move_Window(dialog, {rect.Left, rect.Top, rect.Left + width + frame.Left + frame.Right,
                         rect.Top + height + frame.Top + frame.Bottom});
}

// The next (step 1) or previous (-1) player of the list, wrapping; false
// when the list has no row of the shown player or nothing to step to. A
// talk inside the report may have moved players since the list was filled:
// the rows are taken for the players they were filled with, wherever they
// stand now, and a row whose player has left is passed over.
bool Step_In_List(int32_t step, int32_t* team, int32_t* slot) {
    const int32_t rows = List_View_Get_Item_Count(report_list->List_Window);
    if (rows <= 0 || !Is_Player_Address(*team, *slot) || Is_Player_Slot_Used(*team, *slot) == 0) return false;
    int32_t row = Find_Listview_Player_Row(report_list, Get_Player_ID(*team, *slot));
    if (row < 0) return false;
    // Rows the owner added under other item data are no players: passed over.
    for (int32_t tries = 0; tries < rows; ++tries) {
        row = (row + step + rows) % rows;
        if (Locate_Listview_Row_Player(report_list, row, team, slot)) return true;
    }
    return false;
}

// The next or previous pool (38 to 39 to 40 to 38) that holds a player.
int32_t Next_Pool_With_Players(int32_t team, int32_t step) {
    for (int32_t tries = 0; tries < 3; ++tries) {
        team = FIRST_COLLEGE_POOL_TEAM + (team - FIRST_COLLEGE_POOL_TEAM + step + 3) % 3;
        if (Get_First_Empty_Player_Slot(team) > 0) return team;
    }
    return -1;
}

bool Step_In_Roster(int32_t step, int32_t* team, int32_t* slot) {
    if (!Is_Team_Record_Slot(*team)) return false;
    if (step > 0) {
        int32_t next = *slot + 1;
        if (next >= Get_First_Empty_Player_Slot(*team)) {
            next = 0;
            if (Is_Pool_Team(*team)) {
                const int32_t pool = Next_Pool_With_Players(*team, 1);
                if (pool < 0) return false;
                *team = pool;
            }
        }
        *slot = next;
        return Is_Player_Slot_Used(*team, *slot) != 0;
    }
    if (*slot > 0) {
        *slot -= 1;
        return true;
    }
    // From the first player back to the last one; an empty pool is passed over.
    if (Is_Pool_Team(*team)) {
        const int32_t pool = Next_Pool_With_Players(*team, -1);
        if (pool < 0) return false;
        *team = pool;
    }
    const int32_t last = Get_First_Empty_Player_Slot(*team) - 1;
    if (last < 0) return false;
    *slot = last;
    return true;
}

void Step_Player(WINDOW_HANDLE dialog, int32_t step) {
    Set_User_Preference(STAT_PAGE_OFFSET, 0);
    int32_t team = Shown_Team(), slot = Shown_Slot();
    const bool stepped = report_list != nullptr && Is_Window(report_list->List_Window)
                             ? Step_In_List(step, &team, &slot)
                             : Step_In_Roster(step, &team, &slot);
    if (stepped) Show_Player(dialog, team, slot);
}

void Release_Shown_Player(WINDOW_HANDLE dialog) {
    if (Confirm_Release_Player(Shown_Team(), Shown_Slot()) != 0) End_Dialog(dialog, 1);
}

void Trading_Deadline_Message(bool free_agent) {
    Show_Formatted_Message("Trading Deadline",
                           free_agent ? "Free agent signings are not allowed after week %d of the season."
                                      : "No trades are allowed after week %d of the season.",
                           TRADING_DEADLINE_WEEK);
}

void Negotiate(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    const int32_t id = Get_Player_ID(team, slot);
    const int32_t kept[] = {VITAL_SALARY, VITAL_CONTRACT_YEARS, VITAL_BONUS_YEARS, VITAL_SIGNING_BONUS};
    int32_t values[4];
    for (int32_t i = 0; i < 4; ++i)
        values[i] = Get_Player_Vital_Stat(team, slot, kept[i]);
    const bool holding_out = Is_Player_Holding_Out(team, slot) != 0;
    Set_Player_Contract_Demand(team, slot, 0);
    const int32_t result = Open_Contract_Offer(dialog, team, slot);
    // A report opened inside the talk may have released another player, so
    // that this one moved up the roster, or taken this one off the team: the
    // report follows him by his id and leaves a departed player's contract as
    // it is.
    int32_t now_team = team;
    if (!Find_Player_Again(id, &now_team, &slot)) {
        End_Dialog(dialog, 1);
        return;
    }
    if (now_team != team || result == CONTRACT_PLAYER_LEFT) {
        Show_Player(dialog, now_team, slot);
        return;
    }
    auto put_back = [&]() {
        for (int32_t i = 0; i < 4; ++i)
            Set_Player_Vital_Stat(team, slot, kept[i], values[i]);
    };
    if (result != 0 && holding_out) Clear_Player_Injury(team, slot);
    if (result == 1 && team == FREE_AGENT_TEAM) {
        const int32_t user = Get_User_Team();
        const int32_t new_slot = Move_Player_To_Team(user, team, slot);
        if (new_slot < 0) {
            Show_Team_Full_Message(team, slot);
            put_back();
        } else if (user != FREE_AGENT_TEAM) {
            const int32_t line = Add_Player_Season_Line(user, new_slot, Get_Current_Year(), user);
            if (line >= 0) Set_Player_Latest_Season_Line(user, new_slot, line);
            // The report follows him to his new team.
            Show_Player(dialog, user, new_slot);
            return;
        }
    } else if (result == 0) {
        put_back();
    }
    Show_Player(dialog, team, slot);
}

bool Is_Trades_Dialog_Open() {
    for (const WINDOW_HANDLE open : Get_Open_Modal_Dialogs())
        if (Is_Window(open) && Get_Dialog_Template_Id(open) == TRADES_DIALOG) return true;
    return false;
}

// The player asked for in the offer the open Trades dialog holds: added to
// what his team gives when it is the partner there, else a new proposal for
// him. False, with the offer unchanged, when that side has no room left.
bool Ask_For_Player_In_Open_Offer(int32_t team, int32_t slot) {
    TRADE_OFFER* offer = &Current_Trade_Offer;
    if (Get_Trade_Side_Team(*offer, 1) != team) {
        Prepare_Trade_For_Player(team, slot);
        return true;
    }
    if (Can_Add_Trade_Item(offer, 1, slot)) {
        Add_Trade_Item(offer, 1, slot);
        return true;
    }
    // Already asked for: nothing to add.
    if (Get_Trade_Item_Count(offer, 1) < TRADE_ITEMS_PER_SIDE) return true;
    Show_Formatted_Message(
        "Can't add player to deal",
        "No more than %d items (players or draft picks) per team may be offered in a trade.",
        TRADE_ITEMS_PER_SIDE);
    return false;
}

void Go_Get(WINDOW_HANDLE dialog) {
    const int32_t team = Shown_Team(), slot = Shown_Slot();
    if (!Is_Player_Address(team, slot) || Is_Player_Slot_Used(team, slot) == 0) return;
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) {
        if (Refresh_Bars_And_Do_Dialog(dialog, EDIT_PLAYER_DIALOG) != 0)
            Repaint_Window(dialog);
        else
            End_Dialog(dialog, 1);
        return;
    }
    if (Is_Fantasy_Draft_Running()) {
        Announce_Fantasy_Draft_Pick(team, slot, Get_Fantasy_Draft_Team());
        End_Dialog(dialog, 1);
        return;
    }
    const int32_t user = Get_User_Team();
    if (team != user && team != FREE_AGENT_TEAM) {
        if (!Is_Trading_Allowed()) {
            Trading_Deadline_Message(false);
            return;
        }
        if (team >= HALL_OF_FAME_TEAM) {
            pending_dialog = PENDING_FREE_AGENTS;
        } else if (Is_Trades_Dialog_Open()) {
            // The Trades dialog beneath shows the player in the offer it
            // holds; a second one over a fresh offer would lose that offer.
            if (!Ask_For_Player_In_Open_Offer(team, slot)) return;
        } else {
            Prepare_Trade_For_Player(team, slot);
            pending_dialog = PENDING_TRADES;
        }
        End_Dialog(dialog, 1);
        return;
    }
    if (!Is_Trading_Allowed() && team == FREE_AGENT_TEAM) {
        Trading_Deadline_Message(true);
        return;
    }
    Negotiate(dialog, team, slot);
}

enum REPORT_REGION : int32_t { REGION_NONE, REGION_POSITION, REGION_NAME, REGION_STATS };

bool Is_In(const RECT_AREA& rect, int32_t x, int32_t y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

REPORT_REGION Region_At(WINDOW_HANDLE dialog, int32_t x, int32_t y) {
    const int32_t team = Shown_Team(), slot = Shown_Slot();
    if (!Is_Player_Address(team, slot)) return REGION_NONE;
    if (Is_In(Scale_Report_Rect(dialog, {393, 0, 559, 26}), x, y) &&
        (Is_Human_Team(team) != 0 || Get_User_Preference(COMMISSIONER_MODE) != 0))
        return REGION_POSITION;
    if (Is_In(Scale_Report_Rect(dialog, {0, 0, 200, 26}), x, y)) return REGION_NAME;
    if (Is_In(Scale_Report_Rect(dialog, {0, 197, REPORT_DESIGN_WIDTH, REPORT_DESIGN_HEIGHT}), x, y) &&
        Count_Player_Career_Seasons(team, slot) > STAT_PAGE_SEASONS)
        return REGION_STATS;
    return REGION_NONE;
}

void Do_Scouting_Report_Mouse(WINDOW_HANDLE dialog, uint32_t code, int32_t x, int32_t y) {
    const REPORT_REGION region = Region_At(dialog, x, y);
    Set_App_Cursor(region != REGION_NONE ? HAND_CURSOR : ARROW_CURSOR);
    if (code != MSG_LBUTTON_DOWN) return;
    const int32_t team = Shown_Team(), slot = Shown_Slot();
    switch (region) {
    case REGION_POSITION:
        Set_User_Preference(SELECTED_PLAYER_TEAM, team);
        Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
        Do_Dialog(dialog, CHANGE_POSITION_DIALOG, 0);
        Repaint_Window(dialog);
        return;
    case REGION_NAME: {
        char address[WEB_ADDRESS_SIZE];
        if (Format_Player_Web_Address(team, slot, address, sizeof address)) Launch_URL(dialog, address);
        return;
    }
    case REGION_STATS:
        Set_User_Preference(STAT_PAGE_OFFSET,
                            Get_User_Preference(STAT_PAGE_OFFSET) == 0 ? STAT_PAGE_SEASONS : 0);
        Repaint_Window(dialog);
        return;
    default:
        return;
    }
}

void Init_Report(WINDOW_HANDLE dialog, intptr_t parameter) {
    report_list = reinterpret_cast<LISTVIEW_DATA*>(parameter);
    if (Is_Player_Address(Shown_Team(), Shown_Slot()))
        Remove_Dead_Season_Line_Links(Shown_Team(), Shown_Slot());
    if (!App_Fonts_Are_Loaded()) Load_App_Fonts();
    Set_Dialog_Control_Fonts(dialog);
    Set_User_Preference(STAT_PAGE_OFFSET, 0);
    Size_Scouting_Report_Window(dialog);
    Repaint_Window(dialog);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
    Update_Scouting_Report_Buttons(dialog);
}
} // namespace

const DIALOG_TEMPLATE SCOUTING_REPORT_DIALOG_TEMPLATE = {
    SCOUTING_REPORT_DIALOG,
    "Scouting Report",
    320,
    264,
    "MS Sans Serif",
    10,
    WINDOW_CAPTION | WINDOW_BORDER,
    REPORT_CONTROLS,
    static_cast<int32_t>(sizeof REPORT_CONTROLS / sizeof REPORT_CONTROLS[0]),
    1};

intptr_t Scouting_Report_Dialog_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Report(window, lparam);
        return 1;
    case MSG_ERASE_BACKGROUND:
        // The painting covers the whole client area with its background.
        return 1;
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
        if (dc == nullptr) return 1;
        // Its texts are fitted to the picture under them, as the views' are:
        // the colour set the option picks where it stands out, else the other.
        Set_Text_Colour_Choice(dc, Choose_Contrasting_Text_Colour);
        // A forty time worked out for the card is kept in the player's record.
        const KEEP_GAME_SAVED derived;
        Paint_Scouting_Report(window, dc);
        End_Paint(window, &paint);
        return 1;
    }
    case MSG_MOUSE_MOVE:
    case MSG_LBUTTON_DOWN:
        Do_Scouting_Report_Mouse(window, code, Point_X(lparam), Point_Y(lparam));
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case REPORT_NEXT_BUTTON:
            Step_Player(window, 1);
            return 1;
        case REPORT_PREVIOUS_BUTTON:
            Step_Player(window, -1);
            return 1;
        case REPORT_RELEASE_BUTTON:
            Release_Shown_Player(window);
            return 1;
        case REPORT_GO_GET_BUTTON:
            Go_Get(window);
            return 1;
        case HELP_BUTTON:
            Open_Context_Help(SCOUTING_REPORT_DIALOG);
            return 1;
        case ID_OK:
        case ID_CANCEL:
            End_Dialog(window, 1);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

int32_t Show_Scouting_Report(WINDOW_HANDLE parent, int32_t team, int32_t slot, LISTVIEW_DATA* list) {
    if (list != nullptr && Get_Listview_Selected_Player(list->List_Window, &team, &slot) < 0) return -1;
    // The report of an empty slot opens all the same, with nothing on it to act on.
    if (!Is_Player_Address(team, slot) || Is_Player_Slot_Used(team, slot) == 0)
        Show_Formatted_Message("Scouting Error", "Couldn't find: TEAM:%d  PLAYER:%d",
                               static_cast<int8_t>(team), static_cast<int8_t>(slot));
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    const bool has_parent = parent != NO_WINDOW && Is_Window(parent);
    const bool was_enabled = has_parent && Enable_Window(parent, false);
    LISTVIEW_DATA* const outer_list = report_list;
    pending_dialog = PENDING_NONE;
    const int32_t result = list != nullptr
                               ? Do_Dialog(parent, SCOUTING_REPORT_DIALOG, reinterpret_cast<intptr_t>(list))
                               : Refresh_Bars_And_Do_Dialog(parent, SCOUTING_REPORT_DIALOG);
    report_list = outer_list;
    if (has_parent && was_enabled && Is_Window(parent)) Enable_Window(parent, true);
    Clear_Window_Background_Entry();
    const PENDING_DIALOG then = pending_dialog;
    pending_dialog = PENDING_NONE;
    // The free-agent list is not opened inside a player list, which owns
    // the one set of list globals.
    if (then == PENDING_FREE_AGENTS && !Is_Player_List_Open())
        Refresh_Bars_And_Do_Dialog(parent, FREE_AGENTS_DIALOG);
    if (then == PENDING_TRADES) Refresh_Bars_And_Do_Dialog(parent, TRADES_DIALOG);
    return result;
}

int32_t Show_Scouting_Report_From_List(LISTVIEW_DATA* list) {
    if (list == nullptr) return -1;
    return Show_Scouting_Report(Get_Parent_Window(list->List_Window), NO_TEAM, -1, list);
}

int32_t Show_Scouting_Report_For_Player(WINDOW_HANDLE parent, int32_t team, int32_t slot) {
    return Show_Scouting_Report(parent, team, slot);
}

void Update_Scouting_Report_Buttons(WINDOW_HANDLE dialog) {
    Layout_Scouting_Report_Buttons(dialog);
    const int32_t team = Shown_Team(), slot = Shown_Slot();
    const int32_t user = Get_User_Team();
    const bool fantasy = Is_Fantasy_Draft_Running();
    const bool used = Is_Player_Address(team, slot) && Is_Player_Slot_Used(team, slot) != 0;
    if (Get_User_Preference(COMMISSIONER_MODE) != 0)
        Set_Button(dialog, REPORT_GO_GET_BUTTON, "&Edit Player", used);
    else if (fantasy)
        Set_Button(dialog, REPORT_GO_GET_BUTTON, "&Draft Player",
                   used && Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) == NOT_FANTASY_DRAFTED);
    else if (team != user && team != FREE_AGENT_TEAM)
        Set_Button(dialog, REPORT_GO_GET_BUTTON, "&Go Get", used && team < HALL_OF_FAME_TEAM);
    else
        Set_Button(dialog, REPORT_GO_GET_BUTTON, "&Negotiate",
                   used && (team == FREE_AGENT_TEAM || Can_Negotiate_Contract(team, slot)));
    const bool release =
        used && !fantasy &&
        (team == user || (Get_User_Preference(COMMISSIONER_MODE) != 0 && Is_Franchise_Slot(team)));
    Set_Button(dialog, REPORT_RELEASE_BUTTON, nullptr, release);
}

bool Can_Negotiate_Contract(int32_t team, int32_t slot) {
    if (Is_Player_Holding_Out(team, slot) != 0) return true;
    const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
    const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
    Set_Player_Contract_Demand(team, slot, 0);
    const int32_t demand = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, salary);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, bonus);
    if (demand > salary) return true;
    return Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) < 2 && Is_Champion_Decided() &&
           Is_Franchise_Slot(team);
}

bool Format_Player_Web_Address(int32_t team, int32_t slot, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return false;
    char id[FORMATTED_TEXT_SIZE] = "";
    Get_Player_External_ID(team, slot, id);
    if (id[0] == '\0') return false;
    for (const char* c = id; *c != '\0'; ++c)
        if (!std::isalnum(static_cast<unsigned char>(*c))) return false;
    safe_sprintf(out, size, "https://%s/players/%c/%s.htm", PLAYER_PAGE_HOST,
                 std::toupper(static_cast<unsigned char>(id[0])), id);
    return true;
}
