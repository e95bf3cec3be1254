// Route geometry and play diagrams: the segments' end marks by value, the
// squiggles' week, the captions and key boxes, the zone drops, and (with
// KORVA_PICTURE_DIR set) sheets of every route and role and of each play of
// a shipped book, kept to be looked at.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/drawing_primitives.h"
#include "app/drawing_services.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "engine/route_drawing.h"
#include "platform/png_file.h"
#include "platform/text_render.h"
#include "playbooks/play_diagrams.h"
#include "playbooks/playbook_files.h"
#include "playbooks/playbook_queries.h"
#include "support/debug_log.h"
#include "support/layout_checks.h"
#include "support/test_league.h"
#include "views/diagram_highlight.h"

namespace {
constexpr int32_t CELL_WIDTH = 190;
constexpr int32_t CELL_HEIGHT = 130;

std::string Picture_Folder() {
    const char* folder = std::getenv("KORVA_PICTURE_DIR");
    return folder != nullptr ? folder : "";
}

class PlayDiagrams : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Clear_Debug_Log();
        Highlighted_Formation_Slot = NO_HIGHLIGHTED_SLOT;
        Current_Game = nullptr;
    }
    void TearDown() override {
        Free_Path_Collection(&diagram_.Paths);
        Current_Game = nullptr;
    }
    // The vertices of path `index`: x, y pairs with their commands.
    std::vector<std::array<double, 3>> Vertices(int32_t index) {
        std::vector<std::array<double, 3>> out;
        PATH_COLLECTION& c = diagram_.Paths;
        const unsigned end =
            index + 1 < c.Count ? static_cast<unsigned>(c.Starts[index + 1]) : c.Vertices.total_vertices();
        for (unsigned v = static_cast<unsigned>(c.Starts[index]); v < end; ++v) {
            double x = 0, y = 0;
            const unsigned command = c.Vertices.vertex(v, &x, &y);
            if (agg::is_vertex(command)) out.push_back({x, y, static_cast<double>(command)});
        }
        return out;
    }
    PLAY_DIAGRAM diagram_;
};

// A surface with the diagram of a play drawn on it.
DRAWING_SURFACE Draw_On_Surface(int32_t team, int32_t play, int32_t kind, int32_t width = 300,
                                int32_t height = 200) {
    DRAWING_SURFACE surface{};
    Resize_Drawing_Surface(&surface, width, height);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &surface);
    Draw_Play_Diagram(&dc, {0, 0, width, height}, team, play, 5, kind, false, false);
    return surface;
}

void Keep_Surface(const DRAWING_SURFACE& surface, const std::string& name) {
    if (!Picture_Folder().empty())
        Write_Surface_PNG(&surface, (Picture_Folder() + "/" + name + ".png").c_str());
}

bool Drew_Text(const std::string& text) {
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (text == Get_Drawn_Text(i)->Text) return true;
    return false;
}
} // namespace

TEST_F(PlayDiagrams, SegmentEndMarksByValue) {
    diagram_.Top = -9;
    Begin_Route_Path(&diagram_, DIAGRAM_PLAYER_COLOUR, 0.3);
    // A segment of no length draws only its blocking bar, level and leaning back.
    Add_Route_Segment(&diagram_, ROUTE_FLAG_BLOCK | ROUTE_FLAG_ARROW | ROUTE_FLAG_HITCH, 2, 3, 2, 3);
    ASSERT_EQ(diagram_.Paths.Count, 1) << "no arrowhead or hitch dot";
    const auto bar = Vertices(0);
    ASSERT_EQ(bar.size(), 4u);
    EXPECT_DOUBLE_EQ(bar[1][0], 1.5);
    EXPECT_DOUBLE_EQ(bar[1][1], 2.95);
    EXPECT_DOUBLE_EQ(bar[3][0], 2.5);
    EXPECT_DOUBLE_EQ(bar[3][1], 2.95);

    // An arrowed line stops L / 1.2 short; the tip is at the true end.
    Begin_Route_Path(&diagram_, DIAGRAM_PLAYER_COLOUR, 0.3);
    Add_Route_Segment(&diagram_, ROUTE_FLAG_ARROW, 0, 0, 0, 10);
    ASSERT_EQ(diagram_.Paths.Count, 3);
    const auto line = Vertices(1);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_NEAR(line[1][1], 10.0 * (12.0 - 0.8) / 12.0, 1e-9);
    const auto head = Vertices(2);
    ASSERT_EQ(head.size(), 3u);
    EXPECT_NEAR(head[0][0], 0.0, 1e-12);
    EXPECT_NEAR(head[0][1], 10.0, 1e-12);
    EXPECT_NEAR(head[1][0], -0.4, 1e-12) << "atan2 turns a straight-up segment exactly";
    EXPECT_NEAR(head[1][1], 9.2, 1e-12);
    EXPECT_NE(diagram_.Paths.Attributes[2].Flags & PATH_FILL, 0u);

    // Shorter than the pull-back: the arrowhead alone, no stub backwards.
    Begin_Route_Path(&diagram_, DIAGRAM_PLAYER_COLOUR, 0.3);
    Add_Route_Segment(&diagram_, ROUTE_FLAG_ARROW_LARGE, 4, 4, 4.5, 4);
    const auto stub = Vertices(3);
    ASSERT_EQ(stub.size(), 1u) << "the pen moved to the start, no line";
    const auto large = Vertices(4);
    EXPECT_NEAR(large[0][0], 4.5, 1e-12);
    EXPECT_NEAR(large[1][0], 4.5 - 1.1, 1e-12);
    EXPECT_NEAR(large[1][1], 4.0 + 0.55, 1e-12);

    // A diagonal bar runs across the segment.
    Begin_Route_Path(&diagram_, DIAGRAM_PLAYER_COLOUR, 0.3);
    Add_Route_Segment(&diagram_, ROUTE_FLAG_BLOCK, 0, 0, 1, 1);
    const auto diagonal = Vertices(diagram_.Paths.Count - 1);
    ASSERT_EQ(diagonal.size(), 6u);
    EXPECT_DOUBLE_EQ(diagonal[3][0], 0.65);
    EXPECT_DOUBLE_EQ(diagonal[3][1], 1.35);

    // The hitch: a ring in the route's colour round a black centre.
    const int32_t before = diagram_.Paths.Count;
    Begin_Route_Path(&diagram_, DIAGRAM_PRIMARY_COLOUR, 0.3);
    Add_Route_Segment(&diagram_, ROUTE_FLAG_HITCH, 0, 0, 0, 2);
    ASSERT_EQ(diagram_.Paths.Count, before + 3);
    EXPECT_EQ(diagram_.Paths.Attributes[before + 1].Colour, DIAGRAM_PRIMARY_COLOUR);
    EXPECT_EQ(diagram_.Paths.Attributes[before + 2].Colour, 0xFF000000u);
    EXPECT_EQ(Count_Error_Lines(), 0);

    // A 200,000-yard segment is refused and draws nothing.
    Begin_Route_Path(&diagram_, DIAGRAM_PLAYER_COLOUR, 0.3);
    const unsigned vertices = diagram_.Paths.Vertices.total_vertices();
    Add_Route_Segment(&diagram_, ROUTE_FLAG_ARROW | ROUTE_FLAG_BLOCK, 0, 0, 0, 200000);
    EXPECT_EQ(diagram_.Paths.Vertices.total_vertices(), vertices);
    EXPECT_EQ(Count_Debug_Lines("Refusing to add insane line length of: 200000.000000"), 1);
}

TEST_F(PlayDiagrams, RoleShapesKeepTheirOwnStartAndMirror) {
    // "Rush Contain" draws one arrow to each side of the defender.
    Begin_Route_Path(&diagram_, DIAGRAM_PLAYER_COLOUR, 0.3);
    Draw_Defensive_Role_Shape(&diagram_, 7, 3, 1);
    int32_t arrowheads = 0;
    double tips[2] = {0, 0};
    for (int32_t i = 0; i < diagram_.Paths.Count; ++i)
        if ((diagram_.Paths.Attributes[i].Flags & PATH_FILL) != 0 && arrowheads < 2)
            tips[arrowheads++] = Vertices(i)[0][0];
    ASSERT_EQ(arrowheads, 2);
    EXPECT_DOUBLE_EQ(tips[0], 1.0);
    EXPECT_DOUBLE_EQ(tips[1], 5.0);
    // A defender left of centre runs his corner blitz toward his own side;
    // the laterals stay inside the field.
    Free_Path_Collection(&diagram_.Paths);
    Begin_Route_Path(&diagram_, DIAGRAM_PLAYER_COLOUR, 0.3);
    Draw_Defensive_Role_Shape(&diagram_, 3, -14, 2);
    EXPECT_DOUBLE_EQ(Vertices(diagram_.Paths.Count - 1)[0][0], -10.0);
    Free_Path_Collection(&diagram_.Paths);
    Begin_Route_Path(&diagram_, DIAGRAM_PLAYER_COLOUR, 0.3);
    Draw_Pass_Route_Shape(&diagram_, 5, -12, 0, false);
    EXPECT_DOUBLE_EQ(Vertices(diagram_.Paths.Count - 1)[0][0], -17.0) << "the flag route is clamped at 17";
}

TEST_F(PlayDiagrams, SquigglesKeepTheirWeekAndLeaveTheLeagueGenerator) {
    Seed_Random_Numbers(77);
    RANDOM_STATE league_before;
    Save_Random_State(&league_before);
    // The seam's middle leg wiggles: the same seed waves it alike, the next
    // week's seed otherwise.
    auto seam = [](uint32_t seed) {
        PLAY_DIAGRAM d;
        Seed_Drawing_Random(&d.Random, seed);
        Begin_Route_Path(&d, DIAGRAM_PLAYER_COLOUR, 0.3);
        Draw_Pass_Route_Shape(&d, 10, 3, 0, false);
        std::vector<double> points;
        for (unsigned v = 0; v < d.Paths.Vertices.total_vertices(); ++v) {
            double x = 0, y = 0;
            d.Paths.Vertices.vertex(v, &x, &y);
            points.push_back(x);
            points.push_back(y);
        }
        Free_Path_Collection(&d.Paths);
        return points;
    };
    Set_User_Preference(CURRENT_WEEK, 4);
    const uint32_t week_4 = Get_Play_Diagram_Seed(20, DIAGRAM_OFFENSE);
    EXPECT_EQ(seam(week_4), seam(week_4));
    Set_User_Preference(CURRENT_WEEK, 5);
    EXPECT_NE(seam(week_4), seam(Get_Play_Diagram_Seed(20, DIAGRAM_OFFENSE)));
    Set_User_Preference(CURRENT_WEEK, 4);
    const DRAWING_SURFACE first = Draw_On_Surface(0, 0, DIAGRAM_OFFENSE);
    const DRAWING_SURFACE again = Draw_On_Surface(0, 0, DIAGRAM_OFFENSE);
    EXPECT_EQ(first.Pixels, again.Pixels) << "the same play in the same week";
    Set_User_Preference(CURRENT_WEEK, 5);
    const DRAWING_SURFACE next = Draw_On_Surface(0, 0, DIAGRAM_OFFENSE);
    EXPECT_NE(first.Pixels, next.Pixels) << "a new week draws new squiggles";
    EXPECT_EQ(Get_Play_Diagram_Seed(12, 1), static_cast<uint32_t>((1200 + 1) * 100 + 5 * 7 + 249));
    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_EQ(Get_Play_Diagram_Seed(12, 1), static_cast<uint32_t>(1201 * 100 + 104));
    RANDOM_STATE league_after;
    Save_Random_State(&league_after);
    EXPECT_EQ(std::memcmp(&league_before, &league_after, sizeof league_before), 0)
        << "painting draws nothing from the league's generator";
    Keep_Surface(first, "diagram_week_4");
    Keep_Surface(next, "diagram_week_5");
}

TEST_F(PlayDiagrams, CaptionsAndKeyBoxes) {
    Clear_Drawn_Texts();
    Draw_On_Surface(3, 59, DIAGRAM_OFFENSE);
    EXPECT_TRUE(Drew_Text("Field Goal"));
    static GAME_RECORD game{};
    Set_Game_Down(&game, CONVERSION_ATTEMPT);
    Current_Game = &game;
    Clear_Drawn_Texts();
    Draw_On_Surface(3, 59, DIAGRAM_OFFENSE);
    EXPECT_TRUE(Drew_Text("Extra Point")) << "a field goal try after a touchdown";
    EXPECT_FALSE(Drew_Text("0")) << "a computer team's play has no key box";
    Current_Game = nullptr;
    Set_Team_Stat(3, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Clear_Drawn_Texts();
    Draw_On_Surface(3, 12, DIAGRAM_DEFENSE);
    EXPECT_TRUE(Drew_Text("3")) << "play 12 is called with key 3";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Clear_Drawn_Texts();
    Draw_On_Surface(3, 12, DIAGRAM_DEFENSE);
    EXPECT_FALSE(Drew_Text("3")) << "no keys while seasons are simulated";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    // Without a caption (a card's diagram) there is no key box either.
    DRAWING_SURFACE bare{};
    Resize_Drawing_Surface(&bare, 300, 200);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &bare);
    Clear_Drawn_Texts();
    Draw_Play_Diagram(&dc, {0, 0, 300, 200}, 3, 12, NO_DIAGRAM_CAPTION, DIAGRAM_DEFENSE, false, false);
    EXPECT_EQ(Get_Drawn_Text_Count(), 0) << "no caption, no key";
    // An undefined play draws no field.
    Universe.Teams[3].Playbooks.Defense.Plays[12].Name[0] = '\0';
    const DRAWING_SURFACE empty = Draw_On_Surface(3, 12, DIAGRAM_DEFENSE, 40, 30);
    DRAWING_SURFACE blank{};
    Resize_Drawing_Surface(&blank, 40, 30);
    EXPECT_EQ(empty.Pixels, blank.Pixels);
}

// The key box sits in the caption's band: a name of any length is drawn
// clear of it, in a smaller font where it needs the room.
TEST_F(PlayDiagrams, ACaptionOfAnyLengthLeavesTheKeyBoxClear) {
    Set_Team_Stat(3, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    DRAWING_SURFACE surface{};
    Resize_Drawing_Surface(&surface, 200, 140);
    std::string name, faults;
    for (const char* word : {"4-3", " Pass", " Short", " Yardage", " Cover-2", " Weakside", " Dog"}) {
        name += word;
        safe_strncpy(Universe.Teams[3].Playbooks.Defense.Plays[12].Name, name.c_str(), PLAY_NAME_LENGTH);
        DEVICE_CONTEXT dc{};
        Attach_Device_Context(&dc, &surface);
        Clear_Drawn_Texts();
        // A play button of the game-day screen, in its font.
        Draw_Play_Diagram(&dc, {11, 290 - 280, 157, 385 - 280}, 3, 12, 2, DIAGRAM_DEFENSE, false, true);
        ASSERT_TRUE(Drew_Text("3"));
        faults += Join_Faults(Find_Drawn_Text_Faults());
    }
    EXPECT_EQ(faults, "");
}

TEST_F(PlayDiagrams, ThreeDeepZonesDropTenYardsApart) {
    DEFENSIVE_PLAY& play = Universe.Teams[5].Playbooks.Defense.Plays[0];
    for (int32_t slot = 0; slot < PLAY_DEFENDERS; ++slot)
        play.Roles[slot] = 13;
    // A 4-3: the corners (7, 8) and a safety (9) in deep zones.
    play.Formation = 22;
    play.Roles[7] = play.Roles[8] = play.Roles[9] = 8;
    float lateral[3], depth[3];
    const int32_t slots[3] = {7, 9, 8};
    for (int32_t i = 0; i < 3; ++i)
        ASSERT_EQ(Get_Zone_Defender_Spot(5, 0, slots[i], &lateral[i], &depth[i]), 1);
    EXPECT_FLOAT_EQ(lateral[0], -10.0f);
    EXPECT_FLOAT_EQ(lateral[1], 0.0f);
    EXPECT_FLOAT_EQ(lateral[2], 10.0f);
    EXPECT_FLOAT_EQ(depth[0], 14.5f);
    EXPECT_FLOAT_EQ(depth[1], 15.0f);
    EXPECT_FLOAT_EQ(depth[2], 14.5f);
    // The zone circles sit on those drops; each defender's line runs to his.
    Set_Diagram_Window(&diagram_, DIAGRAM_DEFENSE, 5, 0);
    Draw_Zone_Circles(&diagram_, 5, 0);
    ASSERT_EQ(diagram_.Paths.Count, 6);
    const auto circle = Vertices(0);
    EXPECT_NEAR(circle[0][0], -10.0 - DIAGRAM_ZONE_RADIUS, 1e-6);
    EXPECT_NEAR(circle[0][1], 14.5, 1e-6);
    EXPECT_EQ(Adjust_Deep_Zone_Depth(5, 0, 7, 2.0), DEEP_ZONE_START_DEPTH) << "a corner lined up short";
    EXPECT_EQ(Adjust_Deep_Zone_Depth(5, 0, 0, 2.0), 2.0);
    const DRAWING_SURFACE surface = Draw_On_Surface(5, 0, DIAGRAM_DEFENSE);
    Keep_Surface(surface, "diagram_three_deep");
    // The discs are solid: the field's noise and the defender's line to the
    // middle of his zone do not show through (300 x 200 pixels over 34 x 22
    // yards, depth growing upward).
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t cx = static_cast<int32_t>((lateral[i] + 17.0) * 300.0 / 34.0);
        const int32_t cy = static_cast<int32_t>((17.0 - depth[i]) * 200.0 / 22.0);
        for (auto [dx, dy] : {std::pair{0, 0}, {-9, 0}, {9, 0}, {0, -9}, {0, 9}, {6, 6}})
            EXPECT_EQ(Get_Surface_Pixel(&surface, cx + dx, cy + dy), 0xFFA6BD2Fu)
                << "zone " << i << " at (" << cx + dx << ", " << cy + dy << ")";
    }
}

TEST_F(PlayDiagrams, WindowsAndPrimaryRouteTexts) {
    Set_Diagram_Window(&diagram_, DIAGRAM_OFFENSE, 255, HARD_CODED_PUNT_PLAY);
    EXPECT_EQ(diagram_.Top, -13.0);
    EXPECT_EQ(diagram_.Bottom, 10.0);
    Set_Diagram_Window(&diagram_, DIAGRAM_DEFENSE, 255, 0);
    EXPECT_EQ(diagram_.Left, -17.0);
    EXPECT_EQ(diagram_.Bottom, 17.0);
    char text[64];
    OFFENSIVE_PLAY& play = Universe.Teams[2].Playbooks.Offense.Plays[20];
    play.Play_Type = PLAY_TYPE_PASS;
    play.Primary = 3;
    play.Routes[1] = 7;
    Get_Primary_Route_Text(text, 2, 20, false);
    EXPECT_STREQ(text, "Primary Route: 15-35 Yards");
    play.Routes[1] = 12;
    Get_Primary_Route_Text(text, 2, 20, true);
    EXPECT_STREQ(text, "Primary Route:\nBackfield");
    play.Play_Type = PLAY_TYPE_RUSH;
    Get_Primary_Route_Text(text, 2, 20, true);
    EXPECT_STREQ(text, "");
}

TEST_F(PlayDiagrams, GuardsPullToThePlaySide) {
    OFFENSIVE_PLAY& play = Universe.Teams[1].Playbooks.Offense.Plays[5];
    play.Formation = 0;
    play.Play_Type = PLAY_TYPE_SWEEP;
    play.Hole_Or_Depth = 6; // outside right
    EXPECT_TRUE(Is_Lineman_On_Play_Side(9, 1, 5)) << "the right guard";
    EXPECT_FALSE(Is_Lineman_On_Play_Side(7, 1, 5));
    EXPECT_TRUE(Is_Lineman_Away_From_Hole(7, 1, 5));
    EXPECT_FALSE(Is_Lineman_On_Play_Side(10, 1, 5)) << "only the guards pull";
    // The pulling guard leads around the right end and blocks at 9 - 1.2 yards.
    Set_Diagram_Window(&diagram_, DIAGRAM_OFFENSE, 1, 5);
    Draw_Lineman_Block(&diagram_, 1, 5, 9);
    const auto pull = Vertices(0);
    ASSERT_GE(pull.size(), 4u);
    EXPECT_DOUBLE_EQ(pull[3][0], 7.8);
    EXPECT_DOUBLE_EQ(pull[3][1], 5.0);
}

TEST_F(PlayDiagrams, SheetsOfEveryRouteAndRole) {
    if (Picture_Folder().empty()) GTEST_SKIP() << "KORVA_PICTURE_DIR not given";
    const int32_t columns = 8;
    auto sheet = [&](int32_t count, bool roles, const char* name) {
        const int32_t rows = (count + columns - 1) / columns;
        DRAWING_SURFACE surface{};
        Resize_Drawing_Surface(&surface, columns * CELL_WIDTH, rows * CELL_HEIGHT);
        DEVICE_CONTEXT dc{};
        Attach_Device_Context(&dc, &surface);
        for (int32_t code = 0; code < count; ++code) {
            const int32_t left = (code % columns) * CELL_WIDTH, top = (code / columns) * CELL_HEIGHT;
            const RECT_AREA cell = {left, top, left + CELL_WIDTH, top + CELL_HEIGHT};
            Fill_Rectangle(&dc, cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1, 0x367300);
            PLAY_DIAGRAM d;
            d.Paths.Window_Left = roles ? -10 : -14;
            d.Paths.Window_Right = roles ? 10 : 14;
            d.Paths.Window_Top = roles ? -6 : -6;
            d.Paths.Window_Bottom = roles ? 10 : 15;
            d.Top = d.Paths.Window_Top;
            d.Paths.Orientation = 1;
            const double x = roles && (code == 4 || code == 5) ? 0.0 : 0.5;
            const double y = roles ? 3.0 : (Pass_Route_Table[code].Kind == 1 ? -4.0 : 0.0);
            Begin_Route_Path(&d, code % 3 == 0 ? DIAGRAM_PRIMARY_COLOUR : DIAGRAM_PLAYER_COLOUR, 0.3);
            if (roles)
                Draw_Defensive_Role_Shape(&d, code, x, y);
            else
                Draw_Pass_Route_Shape(&d, code, x, y, code % 3 == 0);
            start_new_path(&d.Paths, 0);
            Set_Path_Colour(&d.Paths, DIAGRAM_PLAYER_FILL);
            Set_Path_Flags(&d.Paths, PATH_FILL);
            Add_Circle_To_Path(&d.Paths.Vertices, 0.6, x, y);
            Render_Paths(&dc, &d.Paths, cell.Left, cell.Top, CELL_WIDTH, CELL_HEIGHT - 16, 0.0);
            Free_Path_Collection(&d.Paths);
            std::string label = std::to_string(code) + " " +
                                (roles ? Get_Defensive_Responsibility_Name(code) : Get_Pass_Route_Name(code));
            Set_Text_Colour(&dc, 0xFFFFFF);
            Set_Background_Mode(&dc, BACKGROUND_TRANSPARENT);
            RECT_AREA text = {cell.Left, cell.Bottom - 16, cell.Right, cell.Bottom};
            Draw_Text_In_Scaled_Rect(&dc, label.c_str(), text, TEXT_CENTRE | TEXT_SINGLE_LINE, 0);
            Draw_Absolute_Line(&dc, {cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}, 0);
        }
        Keep_Surface(surface, name);
    };
    sheet(PASS_ROUTE_COUNT, false, "route_sheet");
    sheet(DEFENSIVE_RESPONSIBILITY_COUNT, true, "role_sheet");
    EXPECT_EQ(Count_Error_Lines(), 0);
}

TEST_F(PlayDiagrams, SheetsOfEachPlayOfAShippedBook) {
    if (Picture_Folder().empty()) GTEST_SKIP() << "KORVA_PICTURE_DIR not given";
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    std::filesystem::remove_all("shipped");
    std::filesystem::create_directory("shipped");
    std::filesystem::create_directory_symlink(std::filesystem::path(KORVA_DATA_DIR) / "playbooks",
                                              "shipped/playbooks");
    ASSERT_EQ(chdir("shipped"), 0);
    const bool loaded = Load_Playbook_File(4, 0, "West Coast") == 1 && Load_Playbook_File(4, 1, "4-3") == 1;
    ASSERT_EQ(chdir(previous), 0);
    std::filesystem::remove_all("shipped");
    if (!loaded) GTEST_SKIP() << "the shipped playbooks are not built";
    auto sheet = [&](int32_t count, int32_t kind, const char* name) {
        const int32_t columns = 6, rows = (count + columns - 1) / columns;
        DRAWING_SURFACE surface{};
        Resize_Drawing_Surface(&surface, columns * 292, rows * 190);
        DEVICE_CONTEXT dc{};
        Attach_Device_Context(&dc, &surface);
        for (int32_t play = 0; play < count; ++play) {
            const int32_t left = (play % columns) * 292, top = (play / columns) * 190;
            Draw_Play_Diagram(&dc, {left + 1, top + 1, left + 291, top + 189}, 4, play, 5, kind, false,
                              false);
        }
        Keep_Surface(surface, name);
    };
    sheet(OFFENSIVE_PLAYS, DIAGRAM_OFFENSE, "book_offence");
    sheet(DEFENSIVE_PLAYS, DIAGRAM_DEFENSE, "book_defence");
    sheet(4, DIAGRAM_KICKOFF, "book_kickoffs");
    EXPECT_EQ(Count_Error_Lines(), 0);
}

TEST_F(PlayDiagrams, DescriptionsByKindNotesAndArrowFlags) {
    char text[PLAYBOOK_NOTES_LENGTH];
    std::strcpy(Universe.Teams[2].Playbooks.Offense.Plays[7].Description, "Both guards pull.");
    std::strcpy(Universe.Teams[2].Playbooks.Defense.Plays[7].Description, "Two deep, man under.");
    Get_Play_Description_By_Kind(DIAGRAM_OFFENSE, 2, 7, text);
    EXPECT_STREQ(text, "Both guards pull.");
    Get_Play_Description_By_Kind(DIAGRAM_DEFENSE, 2, 7, text);
    EXPECT_STREQ(text, "Two deep, man under.");
    // A kicking play's text is the built-in row of its number modulo 10.
    char row[PLAY_DESCRIPTION_LENGTH];
    Get_Special_Teams_Play_Description(3, row, sizeof row);
    Get_Play_Description_By_Kind(DIAGRAM_KICKOFF, 2, 13, text);
    EXPECT_STREQ(text, row);

    std::strcpy(Universe.Teams[2].Playbooks.Offense.Notes, "Runs first.");
    std::strcpy(Universe.Teams[2].Playbooks.Defense.Notes, "Blitz on third down.");
    Get_Playbook_Notes(0, 2, text);
    EXPECT_STREQ(text, "Runs first.");
    Get_Playbook_Notes(1, 2, text);
    EXPECT_STREQ(text, "Blitz on third down.");
    Get_Playbook_Notes(0, DEFAULT_PLAYBOOK_TEAM, text);
    EXPECT_STREQ(text, DEFAULT_OFFENSIVE_NOTES) << "the built-in playbook's notes";
    Get_Playbook_Notes(1, DEFAULT_PLAYBOOK_TEAM, text);
    EXPECT_STREQ(text, DEFAULT_DEFENSIVE_NOTES);

    // Any of the three arrow sizes makes an arrowed segment; no other flag does.
    for (int32_t bit = 0; bit < 11; ++bit) {
        const int32_t flag = 1 << bit;
        const bool arrow =
            flag == ROUTE_FLAG_ARROW || flag == ROUTE_FLAG_ARROW_MEDIUM || flag == ROUTE_FLAG_ARROW_LARGE;
        EXPECT_EQ(Is_Arrow_Segment(flag), arrow) << "flag " << flag;
        EXPECT_EQ(Is_Arrow_Segment(flag | ROUTE_FLAG_WIGGLE | ROUTE_FLAG_NEW_PATH), arrow) << "flag " << flag;
    }
    EXPECT_FALSE(Is_Arrow_Segment(0));
}
