#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "platform/accelerators.h"
#include "platform/keys.h"
#include "platform/menus.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "season/week_advance.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
constexpr int32_t SEASON_LENGTH = 17;

std::vector<std::string> Play_Menu_Items() {
    std::vector<std::string> items;
    const MENU_HANDLE play = Get_Sub_Menu(Get_Main_Menu(), PLAY_MENU_POSITION);
    for (int32_t i = 0; i < Get_Menu_Item_Count(play); ++i)
        items.push_back(
            (Get_Menu_Item_Flags(play, i) & MENU_ITEM_SEPARATOR) != 0 ? "-" : Get_Menu_Item_Text(play, i));
    return items;
}

std::vector<std::string> Phase_Items(std::vector<std::string> items) {
    items.push_back("-");
    items.push_back("Play Multiple &Seasons...");
    return items;
}

void Fill_Draft_Pool(int32_t players) {
    for (int32_t i = 0; i < players; ++i)
        Set_Player_Vital_Stat(38 + i / 100, i % 100, 0, 900000 + i);
}

void Set_Week(int32_t week) {
    Set_User_Preference(CURRENT_WEEK, week);
    Update_Play_Menu();
}
} // namespace

class MainMenu : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Universe.Season_Length = SEASON_LENGTH;
        const int32_t days[5] = {18, 19, 20, 22, 22};
        for (int32_t i = 0; i < 5; ++i)
            Universe.Post_Season_Days[i] = days[i];
        Set_User_Preference(DRAFT_ROUND, 7);
        Start_Frame_Without_Loop();
    }
    void TearDown() override {
        Current_Game = nullptr;
        FrameTest::TearDown();
    }
};

TEST_F(MainMenu, PlayMenuFollowsTheRegularSeasonAndThePlayoffs) {
    Set_Week(3);
    EXPECT_EQ(Play_Menu_Items(),
              Phase_Items({"One &Week\tCtrl+1", "One &Month\tCtrl+4", "&Two Months\tCtrl+8",
                           "&Until Trading Deadline", "Until &Playoffs\tCtrl+0"}));
    Set_Week(10);
    EXPECT_EQ(Play_Menu_Items(), Phase_Items({"One &Week\tCtrl+1", "One &Month\tCtrl+4",
                                              "&Until Trading Deadline", "Until &Playoffs\tCtrl+0"}))
        << "week 10 offers no two months";
    Set_Week(12);
    EXPECT_EQ(Play_Menu_Items(),
              Phase_Items({"One &Week\tCtrl+1", "One &Month\tCtrl+4", "Until &Playoffs\tCtrl+0"}));
    Set_Week(13);
    EXPECT_EQ(Play_Menu_Items(), Phase_Items({"One &Week\tCtrl+1", "Until &Playoffs\tCtrl+0"}))
        << "a month would run past the season";
    Set_Week(18);
    EXPECT_EQ(Play_Menu_Items(), Phase_Items({"One &Week\tCtrl+1", "&Through Playoffs\tCtrl+0"}));
}

TEST_F(MainMenu, PlayMenuOfTheOffSeasonAndTheDrafts) {
    Set_Week(100);
    EXPECT_EQ(Play_Menu_Items(), Phase_Items({"&Start Next Season"})) << "no draft class yet";
    Fill_Draft_Pool(101);
    Set_Week(100);
    EXPECT_EQ(Play_Menu_Items(), Phase_Items({"&Start College Draft"}));
    Set_Week(23);
    EXPECT_EQ(Play_Menu_Items(), Phase_Items({"&Renew Contracts"})) << "after the final, before week 100";

    // The college draft: the owner of the pick on the clock decides.
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    const int32_t on_clock = Universe.Draft_Order[0];
    Universe.Draft_Pick_Owner[0][0][on_clock] = static_cast<int8_t>(on_clock);
    Set_Team_Stat(on_clock, 2, 0);
    Update_Play_Menu();
    EXPECT_EQ(Play_Menu_Items(), Phase_Items({"&Continue Draft"})) << "a computer team is on the clock";
    Set_Team_Stat(on_clock, 2, 1);
    Update_Play_Menu();
    EXPECT_EQ(Play_Menu_Items(), Phase_Items({"&Make Draft Pick", "&End Draft"}));

    // The fantasy draft renames the draft items and refuses to play games.
    Set_Draft_Menu_Texts(1);
    EXPECT_EQ(Get_Menu_Command_Text(Get_Main_Menu(), ID_FANTASY_DRAFT), "&End Fantasy Draft...");
    EXPECT_EQ(Get_Menu_Command_Text(Get_Main_Menu(), ID_COLLEGE_DRAFT), "&Draft Picks...\tCtrl+P");
    Set_Draft_Menu_Texts(0);
    EXPECT_EQ(Get_Menu_Command_Text(Get_Main_Menu(), ID_COLLEGE_DRAFT), "College &Draft...\tCtrl+C");
}

TEST_F(MainMenu, SimulationAndWatchedGameForms) {
    Set_Week(3);
    Set_Play_Menu_Mode(0);
    EXPECT_EQ(Play_Menu_Items(), (std::vector<std::string>{"&Stop"}));
    GAME_RECORD game{};
    Current_Game = &game;
    Set_Play_Menu_Mode(0);
    EXPECT_EQ(Play_Menu_Items(),
              (std::vector<std::string>{"Finish &Quarter\tCtrl+Q", "&Finish Game\tCtrl+G",
                                        "&View Game Recap\tCtrl+R", "&View Box Score", "&Call Timeout"}));
    Current_Game = nullptr;
    Set_Play_Menu_Mode(1);
    EXPECT_EQ(Play_Menu_Items().front(), "One &Week\tCtrl+1") << "back to the phase";

    Enable_Main_Menu(0);
    for (int32_t position = 0; position < Get_Menu_Item_Count(Get_Main_Menu()); ++position)
        EXPECT_NE(Get_Menu_Item_Flags(Get_Main_Menu(), position) & MENU_ITEM_GRAYED, 0u) << position;
    Enable_Main_Menu(1);
    EXPECT_EQ(Get_Menu_Item_Flags(Get_Main_Menu(), 0) & MENU_ITEM_GRAYED, 0u);

    Set_Help_Menu_Text(40069);
    EXPECT_EQ(Get_Menu_Command_Text(Get_Main_Menu(), ID_HELP_ON_VIEW), "&Help on Playoffs Page");
}

namespace {
std::vector<int32_t> commands_received;

intptr_t Record_Commands(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_COMMAND) commands_received.push_back(Command_Id(wparam));
    return Default_Window_Procedure(window, code, wparam, lparam);
}

bool Press(WINDOW_HANDLE window, uint32_t key, uint32_t modifiers) {
    int32_t count = 0;
    const ACCELERATOR* table = Get_Accelerator_Table(&count);
    return Translate_Accelerator(window, table, count,
                                 {window, MSG_KEY_DOWN, key, static_cast<intptr_t>(modifiers)});
}
} // namespace

TEST_F(MainMenu, AcceleratorsRouteToTheirCommands) {
    commands_received.clear();
    Register_Window_Class("#recorder", Record_Commands, Make_Colour(0, 0, 0));
    const WINDOW_HANDLE window =
        Create_Window("#recorder", "", WINDOW_VISIBLE, {0, 0, 200, 200}, NO_WINDOW, 0, 0);
    const MENU_HANDLE menu = Create_Main_Menu();
    Set_Window_Menu(window, menu);

    EXPECT_TRUE(Press(window, '1', KEY_MODIFIER_CONTROL));
    EXPECT_TRUE(Press(window, Function_Key(7), 0));
    EXPECT_TRUE(Press(window, 'P', KEY_MODIFIER_CONTROL));
    EXPECT_TRUE(Press(window, KEY_SLASH, KEY_MODIFIER_ALT | KEY_MODIFIER_SHIFT));
    EXPECT_TRUE(Press(window, 'T', KEY_MODIFIER_CONTROL | KEY_MODIFIER_SHIFT | KEY_MODIFIER_ALT));
    EXPECT_TRUE(Press(window, Function_Key(12), KEY_MODIFIER_CONTROL));
    EXPECT_TRUE(Press(window, KEY_SPACE, 0));
    EXPECT_FALSE(Press(window, 'Z', KEY_MODIFIER_CONTROL)) << "no such accelerator";
    EXPECT_FALSE(Press(window, '1', KEY_MODIFIER_CONTROL | KEY_MODIFIER_SHIFT)) << "modifiers match exactly";
    EXPECT_EQ(commands_received, (std::vector<int32_t>{ID_PLAY_ONE_WEEK, 40069, ID_COLLEGE_DRAFT, ID_ABOUT,
                                                       ID_SHOW_DEBUG_TIMER, 40151, 40134}));

    // A command its menu shows greyed is swallowed; a disabled window gets nothing.
    commands_received.clear();
    MENU_HANDLE holder = NO_MENU;
    int32_t position = -1;
    ASSERT_TRUE(Find_Menu_Command(menu, ID_PLAY_ONE_WEEK, &holder, &position));
    Enable_Menu_Item_At(holder, position, false);
    EXPECT_TRUE(Press(window, '1', KEY_MODIFIER_CONTROL));
    Enable_Menu_Item_At(holder, position, true);
    Enable_Menu_Item_At(menu, 0, false);
    EXPECT_TRUE(Press(window, 'N', KEY_MODIFIER_CONTROL)) << "its whole menu is greyed";
    Enable_Menu_Item_At(menu, 0, true);
    Enable_Window(window, false);
    EXPECT_FALSE(Press(window, Function_Key(2), 0));
    EXPECT_TRUE(commands_received.empty());

    // A greyed command the caller lets through is sent; the others stay swallowed.
    Enable_Window(window, true);
    for (int32_t position = 0; position < Get_Menu_Item_Count(menu); ++position)
        Enable_Menu_Item_At(menu, position, false);
    int32_t count = 0;
    const ACCELERATOR* table = Get_Accelerator_Table(&count);
    const auto new_game_only = [](int32_t command) { return command == ID_NEW_GAME; };
    for (const uint32_t key : {'S', 'N'})
        EXPECT_TRUE(Translate_Accelerator(
            window, table, count, {window, MSG_KEY_DOWN, key, static_cast<intptr_t>(KEY_MODIFIER_CONTROL)},
            new_game_only));
    EXPECT_EQ(commands_received, std::vector<int32_t>{ID_NEW_GAME});
}

namespace {
struct SHOWN_KEY {
    std::string Text;
    int32_t Command;
};

// Every item of the menu's drop-downs that shows a key after its tab.
std::vector<SHOWN_KEY> Shown_Keys(MENU_HANDLE menu) {
    std::vector<SHOWN_KEY> keys;
    for (int32_t title = 0; title < Get_Menu_Item_Count(menu); ++title) {
        const MENU_HANDLE items = Get_Sub_Menu(menu, title);
        for (int32_t i = 0; items != NO_MENU && i < Get_Menu_Item_Count(items); ++i) {
            const std::string text = Get_Menu_Item_Text(items, i);
            const size_t tab = text.find('\t');
            if (tab != std::string::npos) keys.push_back({text.substr(tab + 1), Get_Menu_Item_Id(items, i)});
        }
    }
    return keys;
}

// Presses the key a menu item names ("Ctrl+P", "F2", "Alt+Shift+X"); false
// when no accelerator takes it.
bool Press_Shown_Key(WINDOW_HANDLE window, std::string text) {
    uint32_t modifiers = 0;
    const std::pair<const char*, uint32_t> prefixes[] = {
        {"Ctrl+", KEY_MODIFIER_CONTROL}, {"Alt+", KEY_MODIFIER_ALT}, {"Shift+", KEY_MODIFIER_SHIFT}};
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, modifier] : prefixes)
            if (text.rfind(prefix, 0) == 0) {
                modifiers |= modifier;
                text.erase(0, std::string(prefix).size());
                found = true;
            }
    }
    if (text.size() == 1) return Press(window, static_cast<uint32_t>(std::toupper(text[0])), modifiers);
    if (text.size() > 1 && text[0] == 'F')
        return Press(window, Function_Key(std::stoi(text.substr(1))), modifiers);
    return false;
}
} // namespace

// A key a menu item shows opens that item, in the menu as built and in the
// forms the game's phases give it: the regular season's Play menu, a watched
// game's, and the fantasy draft's, where the draft item shows its other key.
TEST_F(MainMenu, EveryKeyAMenuShowsDoesWhatItsItemDoes) {
    Register_Window_Class("#recorder", Record_Commands, Make_Colour(0, 0, 0));
    const WINDOW_HANDLE window =
        Create_Window("#recorder", "", WINDOW_VISIBLE, {0, 0, 200, 200}, NO_WINDOW, 0, 0);
    Set_Window_Menu(window, Create_Main_Menu());
    std::vector<SHOWN_KEY> keys = Shown_Keys(Get_Window_Menu(window));
    const auto add_keys_of_main_menu = [&keys] {
        for (const SHOWN_KEY& key : Shown_Keys(Get_Main_Menu()))
            keys.push_back(key);
    };
    Set_Week(3);
    add_keys_of_main_menu();
    GAME_RECORD game{};
    Current_Game = &game;
    Set_Play_Menu_Mode(0);
    add_keys_of_main_menu();
    Current_Game = nullptr;
    Set_Play_Menu_Mode(1);
    Set_Draft_Menu_Texts(1);
    add_keys_of_main_menu();
    Set_Draft_Menu_Texts(0);
    for (const std::string text : {"Ctrl+P", "Ctrl+Q"})
        EXPECT_TRUE(
            std::any_of(keys.begin(), keys.end(), [&](const SHOWN_KEY& key) { return key.Text == text; }))
            << text << " is shown in one of the forms";

    for (const SHOWN_KEY& key : keys) {
        commands_received.clear();
        EXPECT_TRUE(Press_Shown_Key(window, key.Text)) << key.Text << " is no key";
        EXPECT_EQ(commands_received, std::vector<int32_t>{key.Command}) << key.Text;
    }
}

TEST_F(MainMenu, ClickingTheMenuBarChoosesAnItem) {
    Set_Week(3);
    // "&Game" is the first title; its drop-down opens under it and "E&xit" is its sixth item.
    RECT_AREA window;
    Get_Window_Rect(Main_Window, &window);
    std::vector<int32_t> chosen;
    Script_Mouse_Click(window.Left + 10, window.Top + MENU_BAR_HEIGHT / 2);
    Script_Mouse_Click(window.Left + 20, window.Top + MENU_BAR_HEIGHT + 5 * 20 + 10);
    ASSERT_TRUE(Deliver_Next_Scripted_Input());
    WINDOW_MESSAGE message;
    ASSERT_TRUE(Peek_Window_Message(&message, true));
    ASSERT_EQ(message.Code, MSG_MENU_BAR_CLICK);
    EXPECT_EQ(Track_Menu_Bar(Main_Window, static_cast<int32_t>(message.Wparam)), ID_EXIT);
    EXPECT_EQ(Count_Windows(), 1) << "the drop-down is gone";
    ASSERT_TRUE(Peek_Window_Message(&message, true));
    EXPECT_EQ(message.Code, MSG_COMMAND);
    EXPECT_EQ(Command_Id(message.Wparam), ID_EXIT);
}
