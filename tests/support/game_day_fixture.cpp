#include "support/game_day_fixture.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

#include "app/bitmap_cache.h"
#include "app/design_scaling.h"
#include "app/dialog_services.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "platform/dialogs.h"
#include "platform/message_queue.h"
#include "platform/png_file.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "season/week_advance.h"
#include "support/installation_mirror.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/game_day_view.h"
#include "views/matchup_dialog_template.h"

namespace {
constexpr uint32_t USER_TIMER = 0x6A11;
constexpr uint32_t USER_PERIOD = 3;
GAME_DAY_USER current_user = nullptr;
void* current_context = nullptr;

void User_Turn(WINDOW_HANDLE, uint32_t, uint32_t) {
    if (current_user == nullptr || Count_Scripted_Input() > 0) return;
    current_user(current_context);
}

void To_Screen(int32_t x, int32_t y, int32_t* screen_x, int32_t* screen_y) {
    RECT_AREA view;
    Get_View_Rect(&view);
    *screen_x = Scale_X_To_Window(view, x);
    *screen_y = Scale_Y_To_Window(view, y);
    Client_To_Screen(Main_Window, screen_x, screen_y);
}

int32_t Count_Colours(const DRAWING_SURFACE& picture) {
    std::set<uint32_t> colours(picture.Pixels.begin(), picture.Pixels.end());
    return static_cast<int32_t>(colours.size());
}

int32_t Keep_Picture(const DRAWING_SURFACE& picture, const std::string& name) {
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&picture, (std::string(folder) + "/" + name + ".png").c_str());
    return Count_Colours(picture);
}
} // namespace

void GameDayTest::SetUp() {
    FrameTest::SetUp();
    Mirror_Installation_Folders({"skins", "logos", "sound"});
    std::filesystem::create_directories("Output");
}

void GameDayTest::TearDown() {
    Stop_Game_Day_User();
    Current_Game = nullptr;
    FrameTest::TearDown();
    Remove_Installation_Mirrors();
    for (const char* folder : {"Output", "Databases"}) {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
}

void Start_Game_Day(const char* skin, int32_t games) {
    Prepare_League_With_Week_Games(games);
    Set_Team_Stat(GAME_DAY_HOME, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, GAME_DAY_HOME);
    Set_User_Preference(SHOWN_GAME_INDEX, -1);
    Set_Default_Playbooks(GAME_DAY_HOME);
    Set_Default_Playbooks(GAME_DAY_VISITOR);
    Set_Skin_Name(skin);
    std::filesystem::create_directories("Databases");
    Set_Game_Checksum(Compute_Game_Checksum());
    ASSERT_EQ(Save_Game("Databases/game-day.dat", nullptr), SAVE_OK);
    ASSERT_NE(Load_Game("Databases/game-day.dat"), 0);
    Init_Image_Caches();
    Start_Frame_Without_Loop();
    Create_Status_Bar();
    Pump_Messages();
}

void Start_Game_Day_User(GAME_DAY_USER user, void* context) {
    current_user = user;
    current_context = context;
    Set_Window_Timer(NO_WINDOW, USER_TIMER, USER_PERIOD, User_Turn);
}

void Stop_Game_Day_User() {
    current_user = nullptr;
    Kill_Window_Timer(NO_WINDOW, USER_TIMER);
}

void Click_Design_Point(int32_t x, int32_t y) {
    int32_t sx = 0, sy = 0;
    To_Screen(x, y, &sx, &sy);
    Script_Mouse_Move(sx, sy);
    Script_Mouse_Click(sx, sy);
}

void Move_To_Design_Point(int32_t x, int32_t y) {
    int32_t sx = 0, sy = 0;
    To_Screen(x, y, &sx, &sy);
    Script_Mouse_Move(sx, sy);
}

void Press_Key(uint32_t key) {
    Script_Key_Press(key, 0);
}

bool Click_Dialog_Control(int32_t control_id) {
    const std::vector<WINDOW_HANDLE> open = Get_Open_Modal_Dialogs();
    if (open.empty()) return false;
    if (Get_Dialog_Item(open.back(), control_id) == NO_WINDOW) return false;
    RECT_AREA rect;
    Get_Dialog_Item_Rect(open.back(), control_id, &rect);
    int32_t x = (rect.Left + rect.Right) / 2, y = (rect.Top + rect.Bottom) / 2;
    Client_To_Screen(open.back(), &x, &y);
    Script_Mouse_Click(x, y);
    return true;
}

int32_t Get_Open_Dialog_Id() {
    const std::vector<WINDOW_HANDLE> open = Get_Open_Modal_Dialogs();
    return open.empty() ? 0 : Get_Dialog_Template_Id(open.back());
}

namespace {
struct DIALOG_CLICK {
    int32_t Dialog;
    int32_t Control;
    void (*Before)();
};
DIALOG_CLICK pending_click;

void Click_When_Open(void*) {
    if (Get_Open_Dialog_Id() == pending_click.Dialog) {
        if (pending_click.Before != nullptr) pending_click.Before();
        Click_Dialog_Control(pending_click.Control);
        return;
    }
    Script_Pause(1);
    Script_Action(Click_When_Open, nullptr);
}
} // namespace

void Script_Dialog_Control_Click(int32_t dialog_id, int32_t control_id, void (*before)()) {
    pending_click = {dialog_id, control_id, before};
    Script_Action(Click_When_Open, nullptr);
}

namespace {
DRAWING_SURFACE Client_Picture() {
    Update_Window(Main_Window);
    DRAWING_SURFACE window{};
    Render_Window(Main_Window, &window);
    int32_t left = 0, top = 0;
    Client_To_Screen(Main_Window, &left, &top);
    RECT_AREA frame;
    Get_Window_Rect(Main_Window, &frame);
    RECT_AREA client;
    Get_Client_Rect(Main_Window, &client);
    DRAWING_SURFACE picture{};
    Resize_Drawing_Surface(&picture, client.Right, client.Bottom);
    const int32_t dx = left - frame.Left, dy = top - frame.Top;
    for (int32_t y = 0; y < client.Bottom; ++y)
        for (int32_t x = 0; x < client.Right; ++x)
            picture.Pixels[static_cast<size_t>(y) * client.Right + x] =
                Get_Surface_Pixel(&window, x + dx, y + dy);
    return picture;
}
} // namespace

std::string Get_Drawn_Cell_Text(int32_t x, int32_t y) {
    RECT_AREA at = {x, y, x + 1, y + 1};
    Scale_Rect_To_Window(&at);
    std::string text;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i) {
        const DRAWN_TEXT* drawn = Get_Drawn_Text(i);
        if (drawn->Rect.Left == at.Left && drawn->Rect.Top == at.Top) text = drawn->Text;
    }
    return text;
}

int32_t Take_View_Picture(const std::string& name) {
    return Keep_Picture(Client_Picture(), name);
}

bool Is_View_As_Freshly_Painted(const std::string& name, const RECT_AREA& ignored) {
    const DRAWING_SURFACE shown = Client_Picture();
    Redraw_Main_Window();
    const DRAWING_SURFACE fresh = Client_Picture();
    RECT_AREA view;
    Get_View_Rect(&view);
    const RECT_AREA skip = {Scale_X_To_Window(view, ignored.Left), Scale_Y_To_Window(view, ignored.Top),
                            Scale_X_To_Window(view, ignored.Right), Scale_Y_To_Window(view, ignored.Bottom)};
    bool same = shown.Width == fresh.Width && shown.Height == fresh.Height;
    for (int32_t y = view.Top; same && y < view.Bottom && y < shown.Height; ++y)
        for (int32_t x = view.Left; x < view.Right && x < shown.Width; ++x) {
            if (x >= skip.Left && x < skip.Right && y >= skip.Top && y < skip.Bottom) continue;
            if (Get_Surface_Pixel(&shown, x, y) != Get_Surface_Pixel(&fresh, x, y)) {
                same = false;
                break;
            }
        }
    if (!same) {
        Keep_Picture(shown, name + "-shown");
        Keep_Picture(fresh, name + "-fresh");
    }
    return same;
}

int32_t Take_Screen_Picture(const std::string& name) {
    Update_Window(Main_Window);
    DRAWING_SURFACE picture{};
    Render_Screen(&picture, TEST_SCREEN_WIDTH, TEST_SCREEN_HEIGHT);
    return Keep_Picture(picture, name);
}

GAME_RECORD* Start_Live_Game(uint32_t down, const char* skin) {
    Start_Game_Day(skin);
    GAME_RECORD* game = Get_Game_Record(0);
    std::memset(game, 0, sizeof *game);
    game->Team[0] = GAME_DAY_VISITOR;
    game->Team[1] = GAME_DAY_HOME;
    game->Possession_Team = GAME_DAY_HOME;
    game->Season_Year = static_cast<uint16_t>(Get_Current_Year());
    game->Clock = 600;
    game->Yards_To_Goal = 60;
    game->Yards_To_Go = 10;
    game->Down_Word = down;
    game->Timeouts[0] = game->Timeouts[1] = 3;
    game->Temperature = 55;
    game->Wind_Speed = 12;
    game->Precipitation = 20;
    Clear_Current_Play(game);
    Set_Game_PBP_Flag(GAME_DAY_HOME, 0, 1);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_User_Preference(PBP_OFFENSIVE_PLAY, -1);
    Set_User_Preference(PBP_DEFENSIVE_PLAY, -1);
    // A game the play loop starts has its live box score lines choose their
    // players afresh; so does this one, whatever game a test before showed.
    Clear_Live_Box_Score_Player_Ids();
    Current_Game = game;
    Set_Current_View(GAMES_VIEW_ID);
    return game;
}

void Play_Watched_Week(GAME_DAY_USER user, void* context) {
    Script_Dialog_Control_Click(PRE_GAME_MATCHUP_DIALOG, MATCHUP_PLAY_BUTTON);
    Start_Game_Day_User(user, context);
    Advance_Weeks(1);
    Stop_Game_Day_User();
}
