#include "dialogs/contract_offer_dialog.h"

#include <string>

#include "app/dialog_services.h"
#include "database/game_names.h"
#include "database/money_text.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/dialog_text_painting.h"
#include "dialogs/scouting_report.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/contract_texts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salary_value.h"
#include "frontoffice/trade_offer.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "platform/string_warnings.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "season/draft_picks_value.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr COLOUR_VALUE BLACK = Make_Colour(0, 0, 0);
constexpr COLOUR_VALUE DARK_GREEN = Make_Colour(0, 96, 0);
constexpr COLOUR_VALUE DARK_RED = Make_Colour(150, 0, 0);
constexpr COLOUR_VALUE NAVY = Make_Colour(0, 0, 128);
constexpr int32_t LATE_DRAFT_ROUND = 4;
constexpr uint32_t WRAPPED = TEXT_WORD_BREAK;
constexpr uint32_t CENTRED = TEXT_WORD_BREAK | TEXT_CENTRE;

// The negotiation picture heads both panels; the texts lie below it.
const DIALOG_CONTROL CONTRACT_CONTROLS[] = {
    {CONTROL_STATIC_IMAGE, CONTRACT_LEFT_PANEL, {6, 6, 150, 92}, "", 0},
    {CONTROL_STATIC_IMAGE, CONTRACT_RIGHT_PANEL, {164, 6, 150, 92}, "", 0},
    {CONTROL_STATIC_IMAGE, CONTRACT_NAME_TEXT, {6, 102, 150, 12}, "", 0},
    {CONTROL_STATIC_IMAGE, CONTRACT_RATINGS_TEXT, {14, 116, 140, 80}, "", 0},
    {CONTROL_STATIC_IMAGE, CONTRACT_CAP_TEXT, {6, 200, 150, 32}, "", 0},
    {CONTROL_STATIC_IMAGE, CONTRACT_TERMS_TEXT, {164, 102, 150, 64}, "", 0},
    {CONTROL_STATIC_IMAGE, CONTRACT_CASH_TEXT, {164, 170, 150, 22}, "", 0},
    {CONTROL_PUSH_BUTTON, FEWER_YEARS_BUTTON, {164, 196, 74, 15}, "&Fewer Years", BUTTON},
    {CONTROL_PUSH_BUTTON, MORE_YEARS_BUTTON, {240, 196, 74, 15}, "&More Years", BUTTON},
    {CONTROL_PUSH_BUTTON, SMALLER_BONUS_BUTTON, {164, 215, 74, 15}, "&Smaller Bonus", BUTTON},
    {CONTROL_PUSH_BUTTON, BIGGER_BONUS_BUTTON, {240, 215, 74, 15}, "&Bigger Bonus", BUTTON},
    {CONTROL_PUSH_BUTTON, CONTRACT_SCOUTING_BUTTON, {6, 240, 60, 16}, "&Scouting", BUTTON},
    {CONTROL_PUSH_BUTTON, SKIP_BUTTON, {120, 240, 60, 16}, "&SKIP", BUTTON | CONTROL_HIDDEN},
    {CONTROL_PUSH_BUTTON, DECLINE_BUTTON, {188, 240, 60, 16}, "&DECLINE", BUTTON},
    {CONTROL_PUSH_BUTTON, ACCEPT_BUTTON, {254, 240, 60, 16}, "&ACCEPT", BUTTON | CONTROL_DEFAULT_BUTTON},
};

int32_t Team() {
    return Get_User_Preference(SELECTED_PLAYER_TEAM);
}

int32_t Slot() {
    return Get_User_Preference(SELECTED_PLAYER_SLOT);
}

bool Is_College_Player(int32_t team) {
    return team >= FIRST_COLLEGE_POOL_TEAM && team < TOTAL_NUMBER_OF_TEAMS;
}

std::string Dollars(int64_t amount) {
    char digits[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(amount, digits);
    STRING_PREPEND_WARNING_OFF
    return "$" + std::string(digits);
    STRING_PREPEND_WARNING_ON
}

// The user cannot pay this college player's bonus: he may go to the Trading
// Block to raise cash. True when he chose to.
bool Ask_To_Raise_Cash(int32_t team, int32_t slot) {
    const int32_t affordable = Count_Affordable_Draft_Pool_Players();
    if (affordable == 0)
        return Show_Message_Box("You don't have enough cash to pay the signing bonus for any available "
                                "college players.\n\nThe "
                                "best choice in this situation is usually to trade away this draft pick for "
                                "cash that can be "
                                "used to sign your NEXT draft pick.\n\nPress 'Yes' to go to the Trading "
                                "Block.\nPress 'No' to "
                                "return to the college draft.",
                                "Can't Sign Any Players", BOX_YES_NO | BOX_TASK_MODAL) == ID_BOX_YES;
    const int64_t demand =
        1000 * static_cast<int64_t>(Get_Player_Contract_Demand(team, slot, Get_Player_Value(team, slot)));
    const int64_t cash = Get_Team_Financial_Stat(Get_User_Preference(USER_TEAM), FINANCE_CASH);
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    char text[TEXT_BUFFER_SIZE];
    safe_sprintf(
        text, TEXT_BUFFER_SIZE,
        "You don't have enough cash to sign %s (he is seeking a minimum signing bonus of %s).\n\nThere "
        "are %d college players that you can afford to sign (you have %s in cash).\n\n",
        name, Dollars(demand).c_str(), affordable, Dollars(cash).c_str());
    // Close to the bonus early in the draft: a later pick buys this one.
    const bool close =
        cash > Mul_Div_Round_64(demand, 80, 100) && Get_User_Preference(DRAFT_ROUND) < LATE_DRAFT_ROUND;
    safe_strncat(
        text,
        close ? "The best choice in this situation is usually to trade away a later draft pick for cash that "
                "can be used to sign this draft pick.\n\n"
              : "The best choice in this situation is usually to trade away this draft pick for cash that "
                "can be used to sign your NEXT draft pick.\n\n",
        TEXT_BUFFER_SIZE);
    safe_strncat(
        text,
        "Press 'Yes' to go to the Trading Block.\nPress 'No' to return to the college draft and find a "
        "player you can sign.",
        TEXT_BUFFER_SIZE);
    return Show_Message_Box(text, "Can't Sign This Player", BOX_YES_NO | BOX_TASK_MODAL) == ID_BOX_YES;
}

void Init_Contract_Offer(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {FEWER_YEARS_BUTTON, MORE_YEARS_BUTTON, DECLINE_BUTTON, ACCEPT_BUTTON,
                                   SMALLER_BONUS_BUTTON, BIGGER_BONUS_BUTTON, CONTRACT_SCOUTING_BUTTON});
    const int32_t team = Team(), slot = Slot();
    char caption[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(team, caption);
    Set_Window_Text(dialog, caption);
    if (Update_Contract_Offer_Controls(dialog) != 0 || !Is_College_Player(team)) return;
    if (!Ask_To_Raise_Cash(team, slot)) {
        Enable_Window(Get_Dialog_Item(dialog, ACCEPT_BUTTON), false);
        return;
    }
    // The block opens once this dialog is closed, by whoever opened it.
    Init_Trade_Offer(&Current_Trade_Offer);
    End_Dialog(dialog, CONTRACT_TO_TRADING_BLOCK);
}

void Refresh_Contract_Offer(WINDOW_HANDLE dialog) {
    Update_Contract_Offer_Controls(dialog);
    Invalidate_Window(dialog, nullptr);
}

void Accept_Contract_Offer(WINDOW_HANDLE dialog) {
    const int32_t team = Team(), slot = Slot();
    int32_t room = 0;
    const int32_t acceptance = Check_Contract_Acceptance(team, slot, &room);
    if (acceptance == CONTRACT_FITS_CAP) {
        Pay_Contract_Bonus(team, slot);
        End_Dialog(dialog, CONTRACT_ACCEPTED);
        return;
    }
    char over[FORMATTED_TEXT_SIZE];
    Format_Wide_Number_Commas(-static_cast<int64_t>(room), over);
    if (acceptance == CONTRACT_OVER_CAP) {
        Show_Formatted_Message("Salary Cap", "That contract would violate the salary cap by $%s,000", over);
        return;
    }
    char question[TEXT_BUFFER_SIZE];
    safe_sprintf(
        question, TEXT_BUFFER_SIZE,
        "That contract would violate the salary cap by $%s,000. Would you like to over-ride the salary "
        "cap to sign this player?",
        over);
    if (Show_Message_Box(question, "Commissioner Mode", BOX_YES_NO | BOX_TASK_MODAL) == ID_BOX_YES)
        End_Dialog(dialog, CONTRACT_ACCEPTED);
}

// The report may release another player, so that this one moves up the
// roster, or release, trade or delete this one: the talk finds him again by
// his id, and ends, leaving every contract as it is, once he has left the
// team it is about.
void Scout_Talk_Player(WINDOW_HANDLE dialog) {
    const int32_t team = Team(), slot = Slot();
    const int32_t id = Get_Player_ID(team, slot);
    Show_Scouting_Report(dialog, team, slot);
    int32_t now_team = team, now_slot = slot;
    const bool found = Find_Player_Again(id, &now_team, &now_slot);
    Set_User_Preference(SELECTED_PLAYER_TEAM, now_team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, now_slot);
    if (!found || now_team != team) End_Dialog(dialog, CONTRACT_PLAYER_LEFT);
}

void Paint_Contract_Offer(WINDOW_HANDLE dialog) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
    if (dc == nullptr) return;
    const int32_t team = Team(), slot = Slot();
    Draw_Skin_Picture_On_Control(dialog, dc, CONTRACT_LEFT_PANEL, "dialogs/misc/negotiate.jpg");
    Draw_Skin_Picture_On_Control(dialog, dc, CONTRACT_RIGHT_PANEL, "dialogs/misc/negotiate.jpg");
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    Draw_Text_On_Control(dialog, dc, CONTRACT_NAME_TEXT, name, BLACK, CENTRED);
    char text[CONTRACT_TEXT_SIZE];
    const int32_t user = Get_User_Preference(USER_TEAM);
    Get_Payroll_Status_Text(text, Get_Contract_Offer_Cap_Room(team, slot), 1);
    Draw_Text_On_Control(dialog, dc, CONTRACT_CAP_TEXT, text, DARK_GREEN, CENTRED);
    if (Get_User_Preference(OWNER_MODE) != 0) {
        Get_Team_Cash_Text(text);
        Draw_Text_On_Control(dialog, dc, CONTRACT_CASH_TEXT, text, DARK_GREEN, CENTRED);
    } else if (!Is_College_Draft_Underway()) {
        const int64_t room =
            1000 * static_cast<int64_t>(Round_To_Money_Step(Get_Team_Draft_Picks_Value(user)));
        safe_sprintf(text, CONTRACT_TEXT_SIZE, "Recommended Cap Room:\n%s", Dollars(room).c_str());
        Draw_Text_On_Control(dialog, dc, CONTRACT_CASH_TEXT, text, DARK_RED, CENTRED);
    }
    Get_Contract_Scouting_Text(team, slot, text);
    Draw_Text_On_Control(dialog, dc, CONTRACT_RATINGS_TEXT, text, BLACK, WRAPPED);
    Get_Contract_Terms_Text(team, slot, text);
    Draw_Text_On_Control(dialog, dc, CONTRACT_TERMS_TEXT, text, NAVY, CENTRED);
    End_Paint(dialog, &paint);
}
} // namespace

const DIALOG_TEMPLATE CONTRACT_OFFER_DIALOG_TEMPLATE = {CONTRACT_OFFER_DIALOG,
                                                        "Contract Offer",
                                                        320,
                                                        262,
                                                        "MS Sans Serif",
                                                        8,
                                                        WINDOW_CAPTION | WINDOW_BORDER,
                                                        CONTRACT_CONTROLS,
                                                        static_cast<int32_t>(std::size(CONTRACT_CONTROLS)),
                                                        CONTRACT_DECLINED};

int32_t Update_Contract_Offer_Controls(WINDOW_HANDLE dialog) {
    const CONTRACT_OFFER_CONTROLS controls = Prepare_Contract_Offer(Team(), Slot());
    Enable_Window(Get_Dialog_Item(dialog, FEWER_YEARS_BUTTON), controls.Fewer_Years != 0);
    Enable_Window(Get_Dialog_Item(dialog, MORE_YEARS_BUTTON), controls.More_Years != 0);
    Show_Window(Get_Dialog_Item(dialog, SMALLER_BONUS_BUTTON), controls.Show_Bonus != 0);
    Show_Window(Get_Dialog_Item(dialog, BIGGER_BONUS_BUTTON), controls.Show_Bonus != 0);
    Enable_Window(Get_Dialog_Item(dialog, SMALLER_BONUS_BUTTON), controls.Smaller_Bonus != 0);
    Enable_Window(Get_Dialog_Item(dialog, BIGGER_BONUS_BUTTON), controls.Bigger_Bonus != 0);
    Enable_Window(Get_Dialog_Item(dialog, ACCEPT_BUTTON), controls.Accept != 0);
    return controls.Can_Pay;
}

intptr_t Contract_Offer_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Contract_Offer(dialog);
        return 1;
    case MSG_PAINT:
        Paint_Contract_Offer(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case FEWER_YEARS_BUTTON:
            Shorten_Contract_Offer(Team(), Slot());
            Refresh_Contract_Offer(dialog);
            return 1;
        case MORE_YEARS_BUTTON:
            Lengthen_Contract_Offer(Team(), Slot());
            Refresh_Contract_Offer(dialog);
            return 1;
        case SMALLER_BONUS_BUTTON:
        case BIGGER_BONUS_BUTTON:
            Change_Contract_Offer_Bonus(Team(), Slot(), Command_Id(wparam) == BIGGER_BONUS_BUTTON);
            Refresh_Contract_Offer(dialog);
            return 1;
        case CONTRACT_SCOUTING_BUTTON:
            Scout_Talk_Player(dialog);
            return 1;
        case DECLINE_BUTTON:
        case ID_CANCEL:
            End_Dialog(dialog, CONTRACT_DECLINED);
            return 1;
        case ACCEPT_BUTTON:
            Accept_Contract_Offer(dialog);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
