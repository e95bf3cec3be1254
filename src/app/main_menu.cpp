#include "app/main_menu.h"

#include "app/main_window.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "personnel/draft_state.h"
#include "platform/keys.h"
#include "platform/menus.h"
#include "platform/windows.h"

namespace {
struct MENU_ENTRY {
    int32_t Id;
    const char* Text;
};

struct TOP_MENU {
    const char* Title;
    const MENU_ENTRY* Items;
    int32_t Count;
};

constexpr MENU_ENTRY GAME_ITEMS[] = {{ID_NEW_GAME, "&New Game\tCtrl+N"},
                                     {ID_RESUME_GAME, "&Resume Game..."},
                                     {ID_SAVE_GAME, "&Save Game...\tCtrl+S"},
                                     {40087, "&Database Notes..."},
                                     {ID_RETIRE, "Re&tire"},
                                     {ID_EXIT, "E&xit"}};
constexpr MENU_ENTRY TEAM_ITEMS[] = {{40083, "&Offense...\tCtrl+O"},       {40020, "&Defense...\tCtrl+D"},
                                     {40084, "&Special Teams...\tCtrl+K"}, {40115, "&Playbook..."},
                                     {40077, "&Injury Contingency..."},    {40040, "View Other &Team..."}};
constexpr MENU_ENTRY PLAYERS_ITEMS[] = {{40038, "Free &Agents...\tCtrl+A"},
                                        {ID_TRADES, "&Trades...\tCtrl+T"},
                                        {40056, "&Find Players...\tCtrl+F"},
                                        {40089, "&Trading Block...\tCtrl+B"},
                                        {ID_COLLEGE_DRAFT, "College &Draft...\tCtrl+C"},
                                        {40096, "So&rtable Stats...\tCtrl+X"},
                                        {40065, "&Print Stats..."}};
constexpr MENU_ENTRY BUDGET_ITEMS[] = {
    {40039, "Tickets..."}, {40023, "&Concessions..."}, {40024, "&Expenses..."}};
constexpr MENU_ENTRY NEWS_ITEMS[] = {
    {40030, "&Standings\tF2"}, {40034, "&Finances\tF3"}, {40032, "&Leaders\tF4"}, {40086, "&Games\tF5"},
    {40036, "&Calendar\tF6"},  {40069, "&Playoffs\tF7"}, {40070, "&Draft\tF8"}};
constexpr MENU_ENTRY PLAY_ITEMS[] = {{ID_PLAY_ONE_WEEK, "One &Week\tCtrl+1"},
                                     {ID_PLAY_ONE_MONTH, "One &Month\tCtrl+4"},
                                     {ID_PLAY_HALF_SEASON, "&Half Season\tCtrl+8"},
                                     {ID_PLAY_TRADING_DEADLINE, "Through &Trading Deadline"},
                                     {ID_PLAY_REST_OF_SEASON, "Through &Playoffs\tCtrl+0"},
                                     {ID_PLAY_SEASONS, "Play Multiple &Seasons..."}};
constexpr MENU_ENTRY HISTORY_ITEMS[] = {{40091, "Team &History...\tCtrl+H"},
                                        {40042, "&Player Hall Of Fame..."},
                                        {40037, "&Korva Hall Of Fame"},
                                        {40112, "HTML &Encyclopedia..."}};
constexpr MENU_ENTRY LEAGUE_ITEMS[] = {
    {40078, "&City Editor..."}, {40079, "&League Editor..."}, {40055, "&Stadium Editor..."}};
constexpr MENU_ENTRY TOOLS_ITEMS[] = {{ID_FANTASY_DRAFT, "&Fantasy Draft..."},
                                      {40135, "Single Season Simulator..."},
                                      {40094, "&Advanced Tools..."},
                                      {40061, "&Options..."}};
constexpr MENU_ENTRY HELP_ITEMS[] = {
    {ID_HELP_CONTENTS, "&Contents"},        {ID_HELP_ON_VIEW, "&Help on News Page"},
    {ID_ABOUT, "&About Football Korva..."}, {40073, "&Ordering Info"},
    {40136, "Open &Game Folder"},           {40113, "View Debug Log"}};

#define MENU_OF(title, items)                                                                                \
    { title, items, static_cast<int32_t>(sizeof items / sizeof items[0]) }
constexpr TOP_MENU MENU_101[] = {MENU_OF("&Game", GAME_ITEMS),       MENU_OF("&Team", TEAM_ITEMS),
                                 MENU_OF("&Players", PLAYERS_ITEMS), MENU_OF("&Budget", BUDGET_ITEMS),
                                 MENU_OF("&News", NEWS_ITEMS),       MENU_OF("Pla&y", PLAY_ITEMS),
                                 MENU_OF("&History", HISTORY_ITEMS), MENU_OF("&League", LEAGUE_ITEMS),
                                 MENU_OF("&Tools", TOOLS_ITEMS),     MENU_OF("&Help", HELP_ITEMS)};
#undef MENU_OF

constexpr uint32_t CTRL = KEY_MODIFIER_CONTROL;
constexpr uint32_t ALT = KEY_MODIFIER_ALT;
constexpr uint32_t SHIFT = KEY_MODIFIER_SHIFT;

constexpr ACCELERATOR ACCELERATOR_101[] = {
    {Function_Key(1), 0, ID_HELP_CONTENTS},
    {Function_Key(2), 0, 40030},
    {Function_Key(3), 0, 40034},
    {Function_Key(4), 0, 40032},
    {Function_Key(5), 0, 40086},
    {Function_Key(6), 0, 40036},
    {Function_Key(7), 0, 40069},
    {Function_Key(8), 0, 40070},
    {'N', CTRL, ID_NEW_GAME},
    {'S', CTRL, ID_SAVE_GAME},
    {'O', CTRL, 40083},
    {'D', CTRL, 40020},
    {'K', CTRL, 40084},
    {'A', CTRL, 40038},
    {'T', CTRL, ID_TRADES},
    {'F', CTRL, 40056},
    {'B', CTRL, 40089},
    {'C', CTRL, ID_COLLEGE_DRAFT},
    // The draft's other key: "Draft Picks" shows it while a fantasy draft
    // runs. The Playbook item shows no key, since this one is taken.
    {'P', CTRL, ID_COLLEGE_DRAFT},
    {'X', CTRL, 40096},
    {'H', CTRL, 40091},
    {'1', CTRL, ID_PLAY_ONE_WEEK},
    {'4', CTRL, ID_PLAY_ONE_MONTH},
    {'8', CTRL, ID_PLAY_HALF_SEASON},
    {'0', CTRL, ID_PLAY_REST_OF_SEASON},
    {'G', CTRL, ID_FINISH_GAME},
    {'Q', CTRL, ID_FINISH_QUARTER},
    {'R', CTRL, ID_VIEW_RECAP},
    {KEY_SLASH, ALT, ID_ABOUT},
    {KEY_SLASH, ALT | SHIFT, ID_ABOUT},
    {'T', CTRL | SHIFT | ALT, ID_SHOW_DEBUG_TIMER},
    {'1', 0, 40116},
    {'2', 0, 40117},
    {'3', 0, 40118},
    {'4', 0, 40119},
    {'5', 0, 40120},
    {'6', 0, 40121},
    {'7', 0, 40122},
    {'8', 0, 40123},
    {'9', 0, 40124},
    {'0', 0, 40125},
    {'A', 0, 40126},
    {'B', 0, 40127},
    {'C', 0, 40128},
    {'D', 0, 40129},
    {'E', 0, 40130},
    {'F', 0, 40131},
    {'T', 0, ID_TIMEOUT_KEY},
    {KEY_ENTER, 0, 40133},
    {KEY_SPACE, 0, 40134},
    {Function_Key(1), CTRL, 40140},
    {Function_Key(2), CTRL, 40141},
    {Function_Key(3), CTRL, 40142},
    {Function_Key(4), CTRL, 40143},
    {Function_Key(5), CTRL, 40144},
    {Function_Key(6), CTRL, 40145},
    {Function_Key(7), CTRL, 40146},
    {Function_Key(8), CTRL, 40147},
    {Function_Key(9), CTRL, 40148},
    {Function_Key(10), CTRL, 40149},
    {Function_Key(11), CTRL, 40150},
    {Function_Key(12), CTRL, 40151}};

constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t TRADING_DEADLINE_WEEK = 9;
constexpr int32_t DRAFT_POOL_PLAYERS_FOR_DRAFT = 100;
constexpr int32_t MAX_PLAY_MENU_ITEMS = 100;

// Kept for the main window until the window takes it over.
MENU_HANDLE spare_menu = NO_MENU;

MENU_HANDLE Play_Menu() {
    return Get_Sub_Menu(Get_Main_Menu(), PLAY_MENU_POSITION);
}

void Empty_Menu(MENU_HANDLE menu) {
    for (int32_t i = 0; i < MAX_PLAY_MENU_ITEMS && Get_Menu_Item_Count(menu) > 0; ++i)
        Delete_Menu_Item_At(menu, 0);
}

void Redraw_Main_Menu_Bar() {
    if (Is_Window(Main_Window)) Draw_Menu_Bar(Main_Window);
}

// The team on the clock of the running college draft.
int32_t Get_Drafting_Team() {
    const int32_t round = Get_User_Preference(DRAFT_ROUND);
    const int32_t pick = Get_User_Preference(DRAFT_PICK);
    if (round < 0 || round >= DRAFT_ROUNDS || pick < 0 || pick >= MAX_FRANCHISES) return NO_TEAM;
    const int32_t issuer = Universe.Draft_Order[pick];
    if (issuer < 0 || issuer >= MAX_FRANCHISES) return NO_TEAM;
    return Universe.Draft_Pick_Owner[0][round][issuer];
}

void Fill_Phase_Play_Menu(MENU_HANDLE menu) {
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (Is_College_Draft_Running()) {
        const int32_t team = Get_Drafting_Team();
        if (team >= 0 && team < MAX_FRANCHISES && Get_Team_Stat(team, 2) == 1 &&
            Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) {
            Append_Menu_Item(menu, 0, ID_COLLEGE_DRAFT, "&Make Draft Pick");
            Append_Menu_Item(menu, 0, ID_PLAY_END_DRAFT, "&End Draft");
        } else {
            Append_Menu_Item(menu, 0, ID_CONTINUE_DRAFT, "&Continue Draft");
        }
    } else if (week <= Universe.Post_Season_Days[4]) {
        if (week < Universe.Season_Length) {
            Append_Menu_Item(menu, 0, ID_PLAY_ONE_WEEK, "One &Week\tCtrl+1");
            if (week <= TRADING_DEADLINE_WEEK + 1 || week < Universe.Season_Length - 4)
                Append_Menu_Item(menu, 0, ID_PLAY_ONE_MONTH, "One &Month\tCtrl+4");
            if (week < TRADING_DEADLINE_WEEK)
                Append_Menu_Item(menu, 0, ID_PLAY_HALF_SEASON, "&Two Months\tCtrl+8");
            if (week <= TRADING_DEADLINE_WEEK + 1)
                Append_Menu_Item(menu, 0, ID_PLAY_TRADING_DEADLINE, "&Until Trading Deadline");
            Append_Menu_Item(menu, 0, ID_PLAY_REST_OF_SEASON, "Until &Playoffs\tCtrl+0");
        } else {
            Append_Menu_Item(menu, 0, ID_PLAY_ONE_WEEK, "One &Week\tCtrl+1");
            Append_Menu_Item(menu, 0, ID_PLAY_REST_OF_SEASON, "&Through Playoffs\tCtrl+0");
        }
    } else {
        const int32_t pool = Count_Draft_Pool_Players();
        if (pool > DRAFT_POOL_PLAYERS_FOR_DRAFT && week == OFF_SEASON_WEEK)
            Append_Menu_Item(menu, 0, ID_PLAY_START_DRAFT, "&Start College Draft");
        else
            Append_Menu_Item(menu, 0, ID_PLAY_REST_OF_SEASON,
                             pool > DRAFT_POOL_PLAYERS_FOR_DRAFT ? "&Renew Contracts" : "&Start Next Season");
    }
    Append_Menu_Item(menu, MENU_ITEM_SEPARATOR, 0, "");
    Append_Menu_Item(menu, 0, ID_PLAY_SEASONS, "Play Multiple &Seasons...");
}
} // namespace

MENU_HANDLE Create_Main_Menu() {
    const MENU_HANDLE bar = Create_Menu();
    for (const TOP_MENU& top : MENU_101) {
        const MENU_HANDLE popup = Create_Menu();
        for (int32_t i = 0; i < top.Count; ++i)
            Append_Menu_Item(popup, 0, top.Items[i].Id, top.Items[i].Text);
        Append_Sub_Menu(bar, popup, top.Title);
    }
    return bar;
}

MENU_HANDLE Get_Main_Menu() {
    if (Is_Window(Main_Window)) {
        const MENU_HANDLE own = Get_Window_Menu(Main_Window);
        if (own != NO_MENU && Is_Menu(own)) return own;
    }
    if (spare_menu == NO_MENU || !Is_Menu(spare_menu)) spare_menu = Create_Main_Menu();
    return spare_menu;
}

const ACCELERATOR* Get_Accelerator_Table(int32_t* count) {
    if (count != nullptr) *count = static_cast<int32_t>(sizeof ACCELERATOR_101 / sizeof ACCELERATOR_101[0]);
    return ACCELERATOR_101;
}

void Update_Play_Menu() {
    const MENU_HANDLE menu = Play_Menu();
    if (menu == NO_MENU) return;
    Empty_Menu(menu);
    Fill_Phase_Play_Menu(menu);
    Redraw_Main_Menu_Bar();
}

void Set_Play_Menu_Mode(int32_t normal) {
    if (normal != 0) {
        Update_Play_Menu();
        return;
    }
    const MENU_HANDLE menu = Play_Menu();
    if (menu == NO_MENU) return;
    Empty_Menu(menu);
    if (Current_Game == nullptr) {
        Append_Menu_Item(menu, 0, ID_STOP_SIMULATION, "&Stop");
    } else {
        Append_Menu_Item(menu, 0, ID_FINISH_QUARTER, "Finish &Quarter\tCtrl+Q");
        Append_Menu_Item(menu, 0, ID_FINISH_GAME, "&Finish Game\tCtrl+G");
        Append_Menu_Item(menu, 0, ID_VIEW_RECAP, "&View Game Recap\tCtrl+R");
        Append_Menu_Item(menu, 0, ID_VIEW_BOX_SCORE, "&View Box Score");
        Append_Menu_Item(menu, 0, ID_CALL_TIMEOUT, "&Call Timeout");
    }
    Redraw_Main_Menu_Bar();
}

void Set_Draft_Menu_Texts(int32_t fantasy_draft_running) {
    const MENU_HANDLE menu = Get_Main_Menu();
    if (fantasy_draft_running != 0) {
        Set_Menu_Command_Text(menu, ID_FANTASY_DRAFT, "&End Fantasy Draft...");
        Set_Menu_Command_Text(menu, ID_COLLEGE_DRAFT, "&Draft Picks...\tCtrl+P");
    } else {
        Set_Menu_Command_Text(menu, ID_FANTASY_DRAFT, "&Fantasy Draft...");
        Set_Menu_Command_Text(menu, ID_COLLEGE_DRAFT, "College &Draft...\tCtrl+C");
    }
    Redraw_Main_Menu_Bar();
}

void Set_Help_Menu_Text(int32_t view) {
    const char* text = nullptr;
    switch (view) {
    case 40030:
        text = "&Help on Standings Page";
        break;
    case 40032:
        text = "&Help on Leaders Page";
        break;
    case 40034:
        text = "&Help on Financial Page";
        break;
    case 40036:
        text = "&Help on Calendar Page";
        break;
    case 40037:
    case 40074:
        text = "&Help on Korva Hall Of Fame";
        break;
    case 40069:
        text = "&Help on Playoffs Page";
        break;
    case 40070:
        text = "&Help on Draft Page";
        break;
    case 40086:
        text = "&Help on Games Page";
        break;
    default:
        return;
    }
    Set_Menu_Command_Text(Get_Main_Menu(), ID_HELP_ON_VIEW, text);
}

void Enable_Main_Menu(int32_t enable) {
    const MENU_HANDLE menu = Get_Main_Menu();
    for (int32_t position = 0; position < Get_Menu_Item_Count(menu); ++position)
        Enable_Menu_Item_At(menu, position, enable != 0);
    Redraw_Main_Menu_Bar();
}
