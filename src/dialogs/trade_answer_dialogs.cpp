#include "dialogs/trade_answer_dialogs.h"

#include "app/dialog_services.h"
#include "app/drawing_primitives.h"
#include "app/image_drawing.h"
#include "app/modal_dialogs.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/dialog_text_painting.h"
#include "frontoffice/trade_screens.h"
#include "frontoffice/trade_talk.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/rect_math.h"
#include "platform/text_render.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t ACCEPTED_SCORE = 1000;
constexpr int32_t TRADES_DIALOG_ID = 111;
constexpr int32_t SHOWN_OVERALL_STAT = 225;
constexpr int32_t PEAK_STAT = 226;
constexpr COLOUR_VALUE NAVY = Make_Colour(0, 0, 128);
// Offers already in hand open the Trades dialog with this partner code.
constexpr int32_t OFFER_IN_HAND = -128;

const DIALOG_CONTROL RESPONSE_CONTROLS[] = {
    {CONTROL_STATIC_IMAGE, GM_FACE_PICTURE, {6, 6, 62, 76}, "", 0},
    {CONTROL_STATIC_IMAGE, SPEECH_BUBBLE_FRAME, {76, 6, 170, 60}, "", 0},
    {CONTROL_STATIC_IMAGE, SPEECH_BUBBLE_TEXT, {84, 12, 154, 48}, "", 0},
    {CONTROL_PUSH_BUTTON, ID_OK, {86, 70, 74, 15}, "&Sign Deal", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {166, 70, 74, 15}, "&Just Kidding", BUTTON},
};

const DIALOG_CONTROL HINT_CONTROLS[] = {
    {CONTROL_STATIC_IMAGE, GM_FACE_PICTURE, {6, 6, 62, 76}, "", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {76, 6, 160, 10}, "I'm in the market for:", 0},
    {CONTROL_LIST_BOX, TRADE_HINT_LIST, {76, 18, 160, 60}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {182, 84, 54, 15}, "&OK", BUTTON | CONTROL_DEFAULT_BUTTON},
};

const DIALOG_CONTROL OFFER_CONTROLS[] = {
    {CONTROL_STATIC_IMAGE, GM_FACE_PICTURE, {6, 6, 62, 76}, "", 0},
    {CONTROL_STATIC_TEXT, TRADE_OFFER_TITLE, {76, 6, 270, 10}, "", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {76, 20, 270, 10}, "...would like to trade you:", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {80, 32, 140, 8}, "Player", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {226, 32, 40, 8}, "Rating", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {272, 32, 44, 8}, "Cap Impact", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {320, 32, 26, 8}, "Years", 0},
    {CONTROL_LIST_BOX, TRADE_OFFER_GIVE_LIST, {76, 42, 270, 56}, "", BUTTON | CONTROL_TAB_STOPS},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {76, 104, 270, 10}, "...in return for:", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {80, 116, 140, 8}, "Player", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {226, 116, 40, 8}, "Rating", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {272, 116, 44, 8}, "Cap Impact", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {320, 116, 26, 8}, "Years", 0},
    {CONTROL_LIST_BOX, TRADE_OFFER_TAKE_LIST, {76, 126, 270, 56}, "", BUTTON | CONTROL_TAB_STOPS},
    {CONTROL_PUSH_BUTTON, ID_OK, {212, 190, 64, 15}, "&Let's Talk", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {282, 190, 64, 15}, "&No Thanks", BUTTON},
};
// Tab stops of the Trade Offer lists, in dialog units from the list's left.
const int32_t OFFER_LIST_TAB_STOPS[] = {150, 196, 244};

template <size_t N> constexpr int32_t Count_Of(const DIALOG_CONTROL (&)[N]) {
    return static_cast<int32_t>(N);
}

int32_t answering_team = 0;
int32_t answering_score = 0;

// The status bar and the news ticker repainted, where they exist, before a
// general manager's dialog opens over them.
void Repaint_Bars() {
    if (Status_Bar_Exists()) Repaint_Status_Bar();
    if (News_Ticker_Exists()) Repaint_News_Ticker();
}

void Paint_Face(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t team) {
    char face[FORMATTED_TEXT_SIZE];
    Get_GM_Face_Image(team, face);
    Draw_Cached_Image_On_Control(dialog, dc, GM_FACE_PICTURE, face);
}

void Paint_Response(WINDOW_HANDLE dialog) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
    if (dc == nullptr) return;
    Paint_Face(dialog, dc, answering_team);
    Draw_Speech_Bubble(dialog, dc, SPEECH_BUBBLE_FRAME);
    char banter[TEXT_BUFFER_SIZE];
    Get_Trade_Banter(answering_score, banter);
    Save_Device_Context(dc);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Set_Text_Colour(dc, NAVY);
    Draw_Text_Over_Control(dialog, dc, banter, TEXT_CENTRE | TEXT_WORD_BREAK | TEXT_NO_PREFIX,
                           SPEECH_BUBBLE_TEXT);
    Restore_Device_Context(dc);
    End_Paint(dialog, &paint);
}

void Paint_Face_Only(WINDOW_HANDLE dialog, int32_t team) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
    if (dc == nullptr) return;
    Paint_Face(dialog, dc, team);
    End_Paint(dialog, &paint);
}

// The team whose needs the hint lists: the partner of the trade at hand.
int32_t Hint_Team() {
    const int32_t partner = Get_User_Preference(TRADE_PARTNER_TEAM);
    return Is_Used_Franchise_Slot(partner) ? partner : answering_team;
}

void Fill_Offer_List(WINDOW_HANDLE dialog, int32_t id, int32_t side) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, id);
    List_Box_Reset_Content(list);
    List_Box_Set_Tab_Stops(list, {std::begin(OFFER_LIST_TAB_STOPS), std::end(OFFER_LIST_TAB_STOPS)});
    const int32_t team = Get_Trade_Side_Team(Current_Trade_Offer, side);
    for (int32_t item : Current_Trade_Offer.Items[side]) {
        if (!Is_Trade_Player_Item(Current_Trade_Offer, side, item)) continue;
        char row[TEXT_BUFFER_SIZE];
        Format_Trade_Offer_Player_Row(team, item, row);
        List_Box_Add_String(list, row);
    }
}

void Write_Trade_Offer_Title(WINDOW_HANDLE dialog) {
    const int32_t proposer = Get_Trade_Side_Team(Current_Trade_Offer, 0);
    const int32_t user = Get_Trade_Side_Team(Current_Trade_Offer, 1);
    char nickname[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Nickname(proposer, nickname);
    char title[TEXT_BUFFER_SIZE];
    if (Count_Human_Teams() >= 2) {
        // With several owners the offer says whom it is for.
        char owner[TEAM_STRING_LENGTH + 1] = "";
        Get_Team_String(owner, user, 5);
        safe_sprintf(title, TEXT_BUFFER_SIZE, "%s: The %s...", owner, nickname);
    } else {
        safe_sprintf(title, TEXT_BUFFER_SIZE, "The %s...", nickname);
    }
    Set_Dialog_Item_Text(dialog, TRADE_OFFER_TITLE, title);
}
} // namespace

const DIALOG_TEMPLATE TRADE_OFFER_RESPONSE_DIALOG_TEMPLATE = {TRADE_OFFER_RESPONSE_DIALOG,
                                                              "Trade Offer Response",
                                                              252,
                                                              92,
                                                              "MS Sans Serif",
                                                              8,
                                                              WINDOW_CAPTION | WINDOW_BORDER,
                                                              RESPONSE_CONTROLS,
                                                              Count_Of(RESPONSE_CONTROLS),
                                                              0};
const DIALOG_TEMPLATE TRADE_HINT_DIALOG_TEMPLATE = {TRADE_HINT_DIALOG,
                                                    "Trade Hint",
                                                    244,
                                                    106,
                                                    "MS Sans Serif",
                                                    8,
                                                    WINDOW_CAPTION | WINDOW_BORDER,
                                                    HINT_CONTROLS,
                                                    Count_Of(HINT_CONTROLS),
                                                    1};
const DIALOG_TEMPLATE TRADE_OFFER_DIALOG_TEMPLATE = {TRADE_OFFER_DIALOG,
                                                     "Trade Offer",
                                                     354,
                                                     212,
                                                     "MS Sans Serif",
                                                     8,
                                                     WINDOW_CAPTION | WINDOW_BORDER,
                                                     OFFER_CONTROLS,
                                                     Count_Of(OFFER_CONTROLS),
                                                     0};

int32_t Open_Trade_Offer_Response(int32_t team, int32_t score) {
    answering_team = team;
    answering_score = score;
    Repaint_Bars();
    return Do_Dialog(NO_WINDOW, TRADE_OFFER_RESPONSE_DIALOG, 0) == 1 ? 1 : 0;
}

int32_t Open_Trade_Hint() {
    Repaint_Bars();
    return Do_Dialog(NO_WINDOW, TRADE_HINT_DIALOG, 0);
}

void Move_Control_By(WINDOW_HANDLE dialog, int32_t control_id, int32_t dx, int32_t dy) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, control_id);
    if (control == NO_WINDOW) return;
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, control_id, &rect);
    Move_Window(control, Offset_Rect(rect, dx, dy));
}

int32_t Get_Answering_Team() {
    return answering_team;
}

int32_t Get_Answering_Score() {
    return answering_score;
}

intptr_t Trade_Offer_Response_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                          intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL});
        if (answering_score < ACCEPTED_SCORE) {
            Set_Dialog_Item_Text(dialog, ID_OK, "Hint");
            Set_Dialog_Item_Text(dialog, ID_CANCEL, "OK");
        }
        return 1;
    case MSG_PAINT:
        Paint_Response(dialog);
        return 1;
    case MSG_COMMAND:
        if (Command_Id(wparam) == ID_OK || Command_Id(wparam) == ID_CANCEL) {
            End_Dialog(dialog, Command_Id(wparam) == ID_OK ? 1 : 0);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

void Fill_Trade_Hint_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, TRADE_HINT_LIST);
    List_Box_Reset_Content(list);
    char lines[TRADE_HINT_LINES][TRADE_HINT_LINE_SIZE];
    const int32_t count = Get_Trade_Hint_Lines(Hint_Team(), lines);
    for (int32_t n = 0; n < count; ++n)
        List_Box_Add_String(list, lines[n]);
}

intptr_t Trade_Hint_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG: {
        Set_Up_Skinned_Dialog(dialog, {ID_OK});
        // The hint works out the league's need norms it has not kept yet.
        const KEEP_GAME_SAVED derived;
        Fill_Trade_Hint_List(dialog);
        return 1;
    }
    case MSG_PAINT:
        Paint_Face_Only(dialog, Hint_Team());
        return 1;
    case MSG_COMMAND:
        if (Command_Id(wparam) == ID_OK || Command_Id(wparam) == ID_CANCEL) {
            End_Dialog(dialog, 1);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

int32_t Open_Trade_Offer(const TRADE_OFFER* offer) {
    if (offer == nullptr) return 0;
    Set_Current_Trade_Offer(offer);
    const int32_t result = Do_Dialog(NO_WINDOW, TRADE_OFFER_DIALOG, 0);
    if (result != 1) return result;
    Swap_Trade_Offer_Sides(&Current_Trade_Offer);
    Set_User_Preference(TRADE_PARTNER_TEAM, OFFER_IN_HAND);
    Refresh_Bars_And_Do_Dialog(NO_WINDOW, TRADES_DIALOG_ID);
    return result;
}

void Fill_Trade_Offer_Dialog_Lists(WINDOW_HANDLE dialog) {
    Write_Trade_Offer_Title(dialog);
    Fill_Offer_List(dialog, TRADE_OFFER_GIVE_LIST, 0);
    Fill_Offer_List(dialog, TRADE_OFFER_TAKE_LIST, 1);
}

void Format_Trade_Offer_Player_Row(int32_t team, int32_t slot, char* buffer) {
    if (buffer == nullptr) return;
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    char player[TEXT_BUFFER_SIZE];
    safe_sprintf(player, TEXT_BUFFER_SIZE, "%s (%s)", name,
                 Get_Position_Short_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)));
    const int32_t overall = Get_Player_Stat(team, slot, SEASON_PREDICTED, SHOWN_OVERALL_STAT);
    const int32_t peak = Get_Player_Stat(team, slot, SEASON_PREDICTED, PEAK_STAT);
    char rating[FORMATTED_TEXT_SIZE];
    if (overall != peak)
        safe_sprintf(rating, FORMATTED_TEXT_SIZE, "(%d/%d)", overall, peak);
    else
        safe_sprintf(rating, FORMATTED_TEXT_SIZE, "(%d)", peak);
    const int32_t impact = Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE);
    char cap[FORMATTED_TEXT_SIZE];
    if (impact <= 0)
        safe_strncpy(cap, "$0", FORMATTED_TEXT_SIZE);
    else if (impact >= 1000)
        safe_sprintf(cap, FORMATTED_TEXT_SIZE, "$%d.%02dM", impact / 1000, impact % 1000 / 10);
    else
        safe_sprintf(cap, FORMATTED_TEXT_SIZE, "$%dK", impact);
    char years[FORMATTED_TEXT_SIZE];
    safe_sprintf(years, FORMATTED_TEXT_SIZE, "%d", Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS));
    safe_sprintf(buffer, TEXT_BUFFER_SIZE, "%s%s%s%c%s%c%s", player, "\t", rating, '\t', cap, '\t', years);
}

intptr_t Trade_Offer_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL});
        Fill_Trade_Offer_Dialog_Lists(dialog);
        return 1;
    case MSG_PAINT:
        Paint_Face_Only(dialog, Get_Trade_Side_Team(Current_Trade_Offer, 0));
        return 1;
    case MSG_COMMAND:
        if (Command_Id(wparam) == ID_OK || Command_Id(wparam) == ID_CANCEL) {
            End_Dialog(dialog, Command_Id(wparam) == ID_OK ? 1 : 0);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}
