#include "app/dialog_table.h"

#include <map>
#include <memory>

#include "app/message_box_dialog.h"
#include "app/welcome_dialog.h"
#include "dialogs/budget_dialogs.h"
#include "dialogs/change_position_dialog.h"
#include "dialogs/choose_stat_dialog.h"
#include "dialogs/city_editor_dialog.h"
#include "dialogs/column_sets.h"
#include "dialogs/contract_offer_dialog.h"
#include "dialogs/defense_dialog.h"
#include "dialogs/edit_player_dialog.h"
#include "dialogs/fantasy_draft_dialogs.h"
#include "dialogs/find_players_dialog.h"
#include "dialogs/history_dialogs.h"
#include "dialogs/league_editor_dialog.h"
#include "dialogs/new_game_dialog.h"
#include "dialogs/offense_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/player_list_dialog.h"
#include "dialogs/saved_game_dialogs.h"
#include "dialogs/scouting_report.h"
#include "dialogs/small_dialogs.h"
#include "dialogs/special_teams_dialog.h"
#include "dialogs/stadium_editor_dialog.h"
#include "dialogs/trade_answer_dialogs.h"
#include "dialogs/trades_dialog.h"
#include "dialogs/trading_block_dialog.h"
#include "platform/windows.h"
#include "playbooks/playbook_editor.h"
#include "playbooks/playbook_file_dialogs.h"
#include "reports/encyclopedia_dialogs.h"
#include "reports/print_dialog.h"
#include "tools/advanced_tools_dialog.h"
#include "tools/simulation_tool_dialog.h"
#include "views/matchup_dialog.h"
#include "views/matchup_dialog_template.h"

namespace {
constexpr intptr_t CANCELLED = 2;

// The rows in the dispatcher's order. Rows without a procedure open the
// plain notice under their caption, closed with their closed result.
const DIALOG_TABLE_ROW DIALOG_TABLE[] = {
    {103, "About Football Korva", About_Dialog_Proc, &ABOUT_DIALOG_TEMPLATE, 0, false, 0, 1},
    {104, "Simulation Tool", Simulation_Tool_Dialog_Proc, &SIMULATION_TOOL_DIALOG_TEMPLATE, 0, false, 0, -1},
    {105, "New Game", New_Game_Dialog_Proc, &NEW_GAME_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {110, "Welcome to...", Welcome_Dialog_Proc, &WELCOME_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {111, "Trades", Trades_Dialog_Proc, &TRADES_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {114, "Sortable Stats", Sortable_Stats_Dialog_Proc, &SORTABLE_STATS_DIALOG_TEMPLATE, 0, true, 0,
     CANCELLED},
    {116, "Expenses", Expenses_Dialog_Proc, &EXPENSES_DIALOG_TEMPLATE, 0, false, 0, 1},
    {118, "Resume Game", Resume_Game_Dialog_Proc, &RESUME_GAME_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {119, "Offense", Offense_Dialog_Proc, &OFFENSE_DIALOG_TEMPLATE, 0, false, 0, 1},
    {120, "Save Game", Save_Game_Dialog_Proc, &SAVE_GAME_DIALOG_TEMPLATE, 0, false, 0, 0},
    {127, "Scouting Report", Scouting_Report_Dialog_Proc, &SCOUTING_REPORT_DIALOG_TEMPLATE, 0, false, 0, 1},
    {128, "Defense", Defense_Dialog_Proc, &DEFENSE_DIALOG_TEMPLATE, 0, false, 0, 1},
    {130, "Sortable Stats", nullptr, nullptr, 114, true, 1, CANCELLED},
    {131, "Other Team", Other_Team_Dialog_Proc, &OTHER_TEAM_DIALOG_TEMPLATE, 0, false, 0, 1},
    {132, "Contract Offer", Contract_Offer_Dialog_Proc, &CONTRACT_OFFER_DIALOG_TEMPLATE, 0, false, 0, 0},
    {133, "Concessions", Concessions_Dialog_Proc, &CONCESSIONS_DIALOG_TEMPLATE, 0, false, 0, 1},
    {135, "Tickets", Tickets_Dialog_Proc, &TICKETS_DIALOG_TEMPLATE, 0, false, 0, 1},
    {137, "", Change_Position_Dialog_Proc, &CHANGE_POSITION_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {138, "Trade Offer Response", Trade_Offer_Response_Dialog_Proc, &TRADE_OFFER_RESPONSE_DIALOG_TEMPLATE, 0,
     false, 0, 0},
    {139, "Hall Of Fame", Hall_Of_Fame_Dialog_Proc, &HALL_OF_FAME_DIALOG_TEMPLATE, 0, false, 0, 1},
    {140, "Find Players", Find_Players_Dialog_Proc, &FIND_PLAYERS_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {143, "Choose Stat", Choose_Stat_Dialog_Proc, &CHOOSE_STANDINGS_STAT_TEMPLATE, 0, false, 0, 0},
    {144, "Leader Heading", Choose_Stat_Dialog_Proc, &CHOOSE_LEADER_STAT_TEMPLATE, 0, false, 0, 0},
    {145, "Choose Stat", Choose_Stat_Dialog_Proc, &CHOOSE_FINANCE_STAT_TEMPLATE, 0, false, 0, 0},
    {146, "Stadium Editor", Stadium_Editor_Dialog_Proc, &STADIUM_EDITOR_DIALOG_TEMPLATE, 0, false, 0, 1},
    {147, "Options", Options_Dialog_Proc, &OPTIONS_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {149, "Trade Hint", Trade_Hint_Dialog_Proc, &TRADE_HINT_DIALOG_TEMPLATE, 0, false, 0, 1},
    {150, "Edit Player", Edit_Player_Dialog_Proc, &EDIT_PLAYER_DIALOG_TEMPLATE, 0, false, 0, 1},
    {152, "Trade Offer", Trade_Offer_Dialog_Proc, &TRADE_OFFER_DIALOG_TEMPLATE, 0, false, 0, 0},
    {155, "Print", Print_Dialog_Proc, &PRINT_DIALOG_TEMPLATE, 0, false, 0, 0},
    {156, "Did You Know?", Did_You_Know_Dialog_Proc, &DID_YOU_KNOW_DIALOG_TEMPLATE, 0, false, 0, 1},
    {158, "Injury Contingency", Injury_Contingency_Dialog_Proc, &INJURY_CONTINGENCY_DIALOG_TEMPLATE, 0, false,
     0, 0},
    {159, "League Editor", League_Editor_Dialog_Proc, &LEAGUE_EDITOR_DIALOG_TEMPLATE, 0, false, 0, 1},
    {160, "Simulation Settings", Simulation_Settings_Dialog_Proc, &CITY_EDITOR_DIALOG_TEMPLATE, 0, false, 0,
     1},
    {161, "Rename City", Rename_City_Dialog_Proc, &RENAME_CITY_DIALOG_TEMPLATE, 0, false, 0, 1},
    {162, "Special Teams", Special_Teams_Dialog_Proc, &SPECIAL_TEAMS_DIALOG_TEMPLATE, 0, false, 0, 1},
    {163, "", Choose_Stat_Dialog_Proc, &CHOOSE_CALENDAR_STAT_TEMPLATE, 0, false, 0, 0},
    {164, "Database Notes", Database_Notes_Dialog_Proc, &DATABASE_NOTES_DIALOG_TEMPLATE, 0, false, 0,
     CANCELLED},
    {165, "Start Fantasy Draft", Start_Fantasy_Draft_Dialog_Proc, &START_FANTASY_DRAFT_DIALOG_TEMPLATE, 0,
     false, 0, CANCELLED},
    {169, "Fantasy Draft Order", Fantasy_Draft_Order_Dialog_Proc, &FANTASY_DRAFT_ORDER_DIALOG_TEMPLATE, 0,
     false, 0, 1},
    {170, "Sortable Stats", nullptr, nullptr, 114, true, 2, CANCELLED},
    {172, "Stat Column Chooser", Stat_Column_Chooser_Dialog_Proc, &COLUMN_CHOOSER_DIALOG_TEMPLATE, 0, false,
     0, 0},
    {173, "Trading Block", Trading_Block_Dialog_Proc, &TRADING_BLOCK_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {174, "History", History_Dialog_Proc, &TEAM_HISTORY_DIALOG_TEMPLATE, 0, false, 0, 1},
    {175, "Advanced Tools", Advanced_Tools_Dialog_Proc, &ADVANCED_TOOLS_DIALOG_TEMPLATE, 0, false, 0, 1},
    {179, "Play Multiple Seasons", Play_Multiple_Seasons_Dialog_Proc, &PLAY_MULTIPLE_SEASONS_DIALOG_TEMPLATE,
     0, false, 0, 0},
    {181, "", Game_Matchup_Dialog_Proc, &MATCHUP_DIALOG_TEMPLATE, 0, false, 0, 1},
    {182, "View Encyclopedia", View_Encyclopedia_Dialog_Proc, &VIEW_ENCYCLOPEDIA_DIALOG_TEMPLATE, 0, false, 0,
     CANCELLED},
    {183, "Choose Export Folder", Choose_Export_Folder_Dialog_Proc, &CHOOSE_EXPORT_FOLDER_DIALOG_TEMPLATE, 0,
     false, 0, CANCELLED},
    {185, "Playbook Editor", Playbook_Editor_Dialog_Proc, &PLAYBOOK_EDITOR_DIALOG_TEMPLATE, 0, false, 0, 1},
    {195, "Save Playbook", Save_Playbook_Dialog_Proc, &SAVE_PLAYBOOK_DIALOG_TEMPLATE, 0, false, 0, 0},
    {196, "Load Playbook", Load_Playbook_Dialog_Proc, &LOAD_PLAYBOOK_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
    {199, "New Version Available", New_Version_Available_Dialog_Proc, &NEW_VERSION_DIALOG_TEMPLATE, 0, false,
     0, 0},
    {200, "Edit Ratings", Edit_Ratings_Dialog_Proc, &EDIT_RATINGS_DIALOG_TEMPLATE, 0, false, 0, 1},
    {41008, "", User_Message_Dialog_Proc, &USER_MESSAGE_DIALOG_TEMPLATE, 0, false, 0, CANCELLED},
};
constexpr int32_t ROW_COUNT = static_cast<int32_t>(sizeof DIALOG_TABLE / sizeof DIALOG_TABLE[0]);

const DIALOG_CONTROL NOTICE_CONTROLS[] = {
    {CONTROL_STATIC_TEXT,
     UNNAMED_CONTROL,
     {10, 12, 200, 20},
     "This screen is not available in this version.",
     CONTROL_CENTRE_TEXT},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {80, 40, 60, 16}, "&Close", WINDOW_TAB_STOP | CONTROL_DEFAULT_BUTTON},
};

// One notice template per row that needs one, made on first use.
std::map<int32_t, std::unique_ptr<DIALOG_TEMPLATE>> notice_templates;

intptr_t Unavailable_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t) {
    if (code == MSG_INIT_DIALOG) return 1;
    if (code == MSG_COMMAND && (Command_Id(wparam) == ID_CANCEL || Command_Id(wparam) == ID_OK)) {
        const DIALOG_TABLE_ROW* row = Find_Dialog_Row(Get_Dialog_Template_Id(dialog));
        End_Dialog(dialog, row != nullptr ? row->Closed_Result : CANCELLED);
        return 1;
    }
    return 0;
}
} // namespace

const DIALOG_TABLE_ROW* Find_Dialog_Row(int32_t dialog_id) {
    for (const DIALOG_TABLE_ROW& row : DIALOG_TABLE)
        if (row.Id == dialog_id) return &row;
    return nullptr;
}

int32_t Count_Dialog_Rows() {
    return ROW_COUNT;
}

const DIALOG_TABLE_ROW* Get_Dialog_Row(int32_t row) {
    return row >= 0 && row < ROW_COUNT ? &DIALOG_TABLE[row] : nullptr;
}

const DIALOG_TEMPLATE* Get_Row_Template(const DIALOG_TABLE_ROW& row) {
    if (row.Template != nullptr) return row.Template;
    if (row.Template_Id != 0) {
        const DIALOG_TABLE_ROW* substitute = Find_Dialog_Row(row.Template_Id);
        if (substitute != nullptr && substitute->Template != nullptr) return substitute->Template;
    }
    std::unique_ptr<DIALOG_TEMPLATE>& notice = notice_templates[row.Id];
    if (!notice) {
        // The notice keeps the row's own id, so its answers and closed result are the row's.
        notice = std::make_unique<DIALOG_TEMPLATE>(DIALOG_TEMPLATE{
            row.Id, row.Caption, 220, 62, "MS Sans Serif", 8, WINDOW_CAPTION | WINDOW_BORDER, NOTICE_CONTROLS,
            static_cast<int32_t>(sizeof NOTICE_CONTROLS / sizeof NOTICE_CONTROLS[0]), row.Closed_Result});
    }
    return notice.get();
}

DIALOG_PROCEDURE Get_Row_Procedure(const DIALOG_TABLE_ROW& row) {
    if (row.Procedure != nullptr) return row.Procedure;
    if (row.Template_Id != 0) {
        const DIALOG_TABLE_ROW* substitute = Find_Dialog_Row(row.Template_Id);
        if (substitute != nullptr && substitute->Procedure != nullptr) return substitute->Procedure;
    }
    return Unavailable_Dialog_Proc;
}
