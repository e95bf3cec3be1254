#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/app_fonts.h"
#include "app/bitmap_cache.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/message_box_dialog.h"
#include "app/modal_dialogs.h"
#include "app/progress_window.h"
#include "app/welcome_dialog.h"
#include "database/league_structure.h"
#include "platform/backend.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/label_drawing.h"
#include "platform/message_box.h"
#include "platform/png_file.h"
#include "platform/scripted_answers.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "support/frame_fixture.h"
#include "views/matchup_dialog_template.h"

namespace {
// The null backend, but with questions shown as a display would show them:
// only scripted input answers them.
bool Null_Take_Nothing(int, const char*, int*) {
    return false;
}

PLATFORM_BACKEND Make_Showing_Backend() {
    PLATFORM_BACKEND backend = Get_Null_Backend();
    backend.Name = "showing";
    backend.Answers_From_Script = false;
    backend.Take_Dialog_Answer = Null_Take_Nothing;
    return backend;
}

struct BOX_LOOK {
    int32_t Buttons = 0;
    int32_t First_Button_Width = 0;
    DRAWING_FONT* First_Button_Font = nullptr;
    uint32_t Text_Flags = 0;
    bool Busy = false;
};

void Look_At_Box(void* context) {
    BOX_LOOK* look = static_cast<BOX_LOOK*>(context);
    const std::vector<WINDOW_HANDLE> open = Get_Open_Modal_Dialogs();
    if (open.empty()) return;
    const WINDOW_HANDLE box = open.back();
    Pump_Messages();
    for (int32_t id : {MESSAGE_FIRST_BUTTON, MESSAGE_SECOND_BUTTON, MESSAGE_THIRD_BUTTON})
        if (Get_Dialog_Item(box, id) != NO_WINDOW) ++look->Buttons;
    RECT_AREA rect;
    Get_Window_Rect(Get_Dialog_Item(box, MESSAGE_FIRST_BUTTON), &rect);
    look->First_Button_Width = rect.Right - rect.Left;
    look->First_Button_Font = Get_Window_Font(Get_Dialog_Item(box, MESSAGE_FIRST_BUTTON));
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (std::strncmp(Get_Drawn_Text(i)->Text, "Line", 4) == 0)
            look->Text_Flags = Get_Drawn_Text(i)->Format;
    look->Busy = Is_Message_Box_Busy();
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR")) {
        DRAWING_SURFACE picture{};
        Render_Window(box, &picture);
        Write_Surface_PNG(
            &picture,
            (std::string(folder) + "/message_box_" + std::to_string(look->Buttons) + ".png").c_str());
    }
}

// A box asked for while a program box is open, answered with Enter; Escape
// then closes the first box.
struct NESTED_LOOK {
    WINDOW_HANDLE Outer = NO_WINDOW;
    WINDOW_HANDLE Inner = NO_WINDOW;
    WINDOW_HANDLE Inner_Owner = NO_WINDOW;
    int32_t Inner_Id = 0;
    bool Outer_Enabled = true;
    int Answer = 0;
    bool Busy_After = false;
};
int native_boxes = 0;

int Count_Native_Box(const char*, const char*, unsigned, int fallback) {
    ++native_boxes;
    return fallback;
}

void Look_At_Nested_Box(void* context) {
    NESTED_LOOK* look = static_cast<NESTED_LOOK*>(context);
    Pump_Messages();
    look->Inner = Get_Innermost_Modal_Dialog();
    look->Inner_Id = Get_Dialog_Template_Id(look->Inner);
    look->Inner_Owner = Get_Window_Owner(look->Inner);
    look->Outer_Enabled = Is_Window_Enabled(look->Outer);
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR")) {
        DRAWING_SURFACE picture{};
        Render_Screen(&picture, TEST_SCREEN_WIDTH, TEST_SCREEN_HEIGHT);
        Write_Surface_PNG(&picture, (std::string(folder) + "/message_box_nested.png").c_str());
    }
}

void Ask_Nested_Question(void* context) {
    NESTED_LOOK* look = static_cast<NESTED_LOOK*>(context);
    look->Outer = Get_Innermost_Modal_Dialog();
    Script_Action(Look_At_Nested_Box, look);
    Script_Key_Press(KEY_ENTER, 0);
    Script_Key_Press(KEY_ESCAPE, 0);
    look->Answer = Show_Message_Box("Nested question with a longer line", "Nested", BOX_YES_NO);
    look->Busy_After = Is_Message_Box_Busy();
}

int32_t Show_Record(const char* text, const char* first, const char* second, const char* third) {
    USER_MESSAGE_RECORD record = {{"Caption", text, "", first, second, third}};
    return Do_Dialog(NO_WINDOW, USER_MESSAGE_DIALOG, reinterpret_cast<intptr_t>(&record));
}
} // namespace

using FrameDialogs = FrameTest;

TEST_F(FrameDialogs, EveryTemplateOfTheDispatcherIsValid) {
    struct USED {
        int32_t Id;
        std::vector<int32_t> Controls;
    };
    const std::vector<USED> used = {
        {WELCOME_DIALOG, {1031, 1034, 1451, 1459, 1460, 1222, 1356, ID_CANCEL}},
        {ABOUT_DIALOG, {1352, 1480, ID_OK, 1451, 1459, 1222, 1460}},
        {NEW_VERSION_DIALOG, {1116, 1117, ID_CANCEL}},
        {NEW_GAME_DIALOG, {1089, 1010, 1013, 1008, 1391, 9,    1018, 1019, 1023, 1016, 1017, 1093, 1378,
                           1317, 1456, 1318, 1321, 1322, 1379, 1020, 1021, 1022, 1024, 1025, 1450}},
        {RESUME_GAME_DIALOG, {1077, ID_OK, 3, ID_CANCEL, 9}},
        {SAVE_GAME_DIALOG, {1082, ID_OK, ID_CANCEL, 9}},
        {131, {1132, ID_OK, ID_CANCEL}},
        {137, {1217, ID_OK, ID_CANCEL, 9}},
        {143, {1242, 1289, ID_CANCEL}},
        {144, {1242, 1271, ID_CANCEL}},
        {145, {1242, 1259, 1291, ID_CANCEL}},
        {147, {1023, 1024, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036,  1040, 1322,
               1010, 1008, 1011, 1009, 1434, 1435, 1436, 1463, 1464, 10,   ID_OK, 9}},
        {156, {1274, 1022, ID_OK, 1273}},
        {158, {1021, 1022, ID_OK, ID_CANCEL}},
        {163, {1242, 1261, ID_CANCEL}},
        {164, {1331, ID_OK, ID_CANCEL}},
        {165, {ID_OK, ID_CANCEL, 9}},
        {169, {ID_OK, 9}},
        {PLAY_MULTIPLE_SEASONS_DIALOG, {1020, 1078, 1138, ID_OK, ID_CANCEL}},
        {111, {1121, 1124, 1084, 1046, 1123, 1125,  1042, 1044, 1126, 1032, 1127, 1209, 1022, 1138,
               1128, 1130, 1129, 1455, 1132, ID_OK, 9,    1368, 1369, 1381, 1452, 1453, 1461, 1462}},
        {116, {1267, 1142, 55253, 1183, 1064, 1184, 1185, 1186, 1187, 1086, 1069, 1070,  1065,
               1067, 1066, 1151,  1152, 1080, 1082, 1154, 1145, 1146, 1097, 1132, ID_OK, 9}},
        {132, {1045, 1136, 1209, 1208, 1135, 1137, 1210, 1211, 1362, 1361, 1254, 1256, 1086, 1359, 1360}},
        {133, {1159, 1160, 1161, 1163, 1162, 1164, 1147, 1148, 1146, 1149, 1151, 1150,  1152,
               1153, 1155, 1154, 1156, 1157, 1097, 1098, 1358, 1359, 1360, 1132, ID_OK, 9}},
        {135, {1020, 1152, 1156, 1158, 1176, 1177, 1172, 1173, 1099, 1100, 1101,  1102, 1174,
               1175, 1178, 1179, 1180, 1183, 1181, 1182, 1167, 1132, 1045, ID_OK, 9}},
        {138, {ID_OK, ID_CANCEL, 1392, 1362, 1390}},
        {149, {ID_OK, 1030, 1392}},
        {152, {ID_OK, ID_CANCEL, 1392, 1030, 1031}},
        {155, {1132, 1223, 1224, 1225, 1226, 1082, 1022, 1023, ID_OK, ID_CANCEL, 9}},
        {182, {1409, 1410, 1028, 1411, 1412}},
        {183, {1409, 1413, 1415, ID_OK, ID_CANCEL}},
        {173, {1121, 1424, 1045, 1370, 1126, 1127, 1209, 1373, 1375, 1372, 1371, 1083, 1376, 1223, ID_OK, 9}},
        {114, {1124, 1045, 1044, 11, 1385, 1097, 9, 1, 1132, 1223, 1217, 1389, 1384, 1386, 1387, 1083}},
        {127, {1, 1090, 1088, 1044, 1216, 9}},
        {139, {1210, 40100, 1045, 9, 1}},
        {140, {1217, 1221, 1239, 1255, 1418, 1419, 1254, 1215, 1216, 1467, 1218, 1219, 1220, 1222, 1380,
               1214, 1226, 1227, 1228, 1231, 1124, 1045, 11,   1385, 1349, 1350, 1083, 9,    1,    2}},
        {172, {1436, 1438, 1388, 1389, 1390,  1391, 1392, 1394, 1395, 1344, 1397,
               1345, 1346, 1393, 1396, 41013, 1385, 1083, 9,    1,    2}},
        {174, {1132, 1274, 9, 1}},
        {119, {1132, 1223, 1097, 1043, 1119, ID_OK, 9,    1079, 1086, 1085, 1084, 1036,
               1030, 1040, 1041, 1042, 1044, 1225,  1445, 1458, 1459, 1446, 1379, 1447}},
        {128, {1132, 1223, 1097, 1043, 1081, ID_OK, 9,    1079, 1086, 1085, 1084,
               1036, 1030, 1040, 1041, 1042, 1044,  1225, 1439, 1446, 1379, 1447}},
        {162,
         {1132, 1223, 1097, 1081, 1119, ID_OK, 9, 1079, 1086, 1085, 1084, 1044, 1225, 1028, 1042, 1029, 1087,
          1379, 1447}},
        {146, {1132, 1021, 1248, 1250, 1247, 1309, 1310, 1311, ID_OK, 9}},
        {150, {1270, 1271, 1217, 1219, 1257, 1259, 1264, 1265, 1262, 1283, 1255, 1348, 1260, 1385, 1154,
               1266, 1267, 1268, 1269, 1273, 1274, 1275, 1276, 1153, 1132, 1133, 1152, 1277, 1278, 1279,
               1280, 1281, 1448, 1449, 1218, 4,    5,    1261, 1285, 7,    3,    1263, 1258, 9}},
        {159, {1021, 1023, 1303, 1304, 1305, 1309, 1310, 1311, 1318, 1319,  1315, 1322, 1317, 1323, 1466,
               1089, 1455, 1456, 1453, 1454, 1479, 1457, 1421, 1420, 1210,  1212, 1211, 1209, 1207, 1208,
               1079, 1080, 1081, 1082, 1206, 1213, 1019, 1078, 1132, 1302,  1287, 1288, 1133, 1134, 1086,
               1087, 1088, 1097, 1098, 1316, 1263, 1262, 11,   10,   ID_OK, 9,    1261}},
        {160, {1288, 1289, 1290, 1291, 1292, 1293, 1294, 1295, 1252, 4, 1319, 3, ID_OK, 9, 1296}},
        {161, {1286, ID_OK, ID_CANCEL, 9}},
        {200, {1133, 1158, 1449, 1286, 1287, 1285, 9, 1261}},
        {USER_MESSAGE_DIALOG, {41009, 41010, 41011, 41012}}};
    for (int32_t row = 0; row < Get_Dialog_Table_Size(); ++row) {
        const int32_t id = Get_Dialog_Table_Id(row);
        const DIALOG_TEMPLATE* dialog_template = Get_Dialog_Template(id);
        ASSERT_NE(dialog_template, nullptr) << id;
        std::vector<int32_t> controls;
        for (const USED& entry : used)
            if (entry.Id == id) controls = entry.Controls;
        std::string problem;
        EXPECT_TRUE(Validate_Dialog_Template(*dialog_template, controls, &problem)) << problem;
    }
}

namespace {
// Builds the dialog from its template without its procedure and checks the
// windows made: one control of the template's kind for each row, named ids
// once each, every control inside the dialog's client area.
void Expect_Valid_Control_Tree(const DIALOG_TEMPLATE& dialog_template) {
    SCOPED_TRACE(dialog_template.Id);
    const int32_t fonts = Count_Live_Fonts();
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, dialog_template, nullptr, 0);
    ASSERT_NE(dialog, NO_WINDOW);
    const std::vector<WINDOW_HANDLE> children = Get_Child_Windows(dialog);
    ASSERT_EQ(static_cast<int32_t>(children.size()), dialog_template.Control_Count);
    RECT_AREA client;
    Get_Client_Rect(dialog, &client);
    std::set<int32_t> ids;
    for (int32_t i = 0; i < dialog_template.Control_Count; ++i) {
        const DIALOG_CONTROL& row = dialog_template.Controls[i];
        const WINDOW_HANDLE control = children[static_cast<size_t>(i)];
        EXPECT_EQ(Get_Control_Kind(control), row.Kind) << "control " << row.Id;
        EXPECT_EQ(Get_Window_Id(control), row.Id);
        if (row.Id != UNNAMED_CONTROL) {
            EXPECT_TRUE(ids.insert(row.Id).second) << "id " << row.Id << " twice";
        }
        RECT_AREA rect;
        Get_Window_Rect(control, &rect);
        Screen_To_Client(dialog, &rect.Left, &rect.Top);
        Screen_To_Client(dialog, &rect.Right, &rect.Bottom);
        EXPECT_TRUE(rect.Left >= 0 && rect.Top >= 0 && rect.Right <= client.Right &&
                    rect.Bottom <= client.Bottom)
            << "control " << row.Id << " lies outside the dialog";
    }
    Destroy_Window(dialog);
    EXPECT_EQ(Count_Live_Control_States(), 0);
    EXPECT_EQ(Count_Live_Fonts(), fonts) << "the dialog's font went with it";
}
} // namespace

TEST_F(FrameDialogs, EveryTemplateBuildsAValidControlTree) {
    for (int32_t row = 0; row < Get_Dialog_Table_Size(); ++row)
        Expect_Valid_Control_Tree(*Get_Dialog_Template(Get_Dialog_Table_Id(row)));
    Expect_Valid_Control_Tree(MATCHUP_DIALOG_TEMPLATE);
    std::string problem;
    EXPECT_TRUE(Validate_Dialog_Template(MATCHUP_DIALOG_TEMPLATE,
                                         {1404, 1412, 1409, 1406, 1405, 1408, 1411, 1410, 1399, 1403, 1394,
                                          1398, 1343, 1430, 1431, 1432, 1433, 1434, 1391, 1393, 1392},
                                         &problem))
        << problem;
    // The progress window's own controls and the bar it adds.
    Start_Frame_Without_Loop();
    ASSERT_EQ(Open_Progress_Window("Working", 10), 1);
    EXPECT_EQ(Get_Control_Kind(Get_Dialog_Item(Progress_Window, PROGRESS_TEXT_CONTROL)), CONTROL_STATIC_TEXT);
    EXPECT_EQ(Get_Control_Kind(Get_Dialog_Item(Progress_Window, 1436)), CONTROL_PROGRESS_BAR);
    Close_Progress_Window();
}

TEST_F(FrameDialogs, UnknownDialogsAreRefusedWithAMessage) {
    Start_Frame_Without_Loop();
    EXPECT_EQ(Do_Dialog(NO_WINDOW, 136, 0), 0) << "the Broadcast dialog is not in the table";
    EXPECT_EQ(Do_Dialog(NO_WINDOW, 50000, 0), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Do_Dialog()");
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "Unrecognized idDialog in Do_Dialog(). DialogBox() call aborted.");
    Script_Dialog_Answer(179, 3);
    EXPECT_EQ(Do_Dialog(NO_WINDOW, PLAY_MULTIPLE_SEASONS_DIALOG, 0), 3);
    EXPECT_EQ(Do_Dialog(NO_WINDOW, PLAY_MULTIPLE_SEASONS_DIALOG, 0), 0) << "closed: no seasons";
    EXPECT_EQ(Do_Dialog(NO_WINDOW, SIMULATION_TOOL_DIALOG, 0), -1) << "closed: no simulation";
    EXPECT_TRUE(Is_Window_Enabled(Main_Window));
}

TEST_F(FrameDialogs, ProgramMessageBoxAnswersAndLaysOutItsButtons) {
    Start_Frame_Without_Loop();
    Script_Key_Press(KEY_ENTER, 0);
    EXPECT_EQ(Show_Record("Line one", "&Yes", "&No", ""), ID_BOX_YES) << "Enter is the first button";
    Script_Key_Press(KEY_ESCAPE, 0);
    EXPECT_EQ(Show_Record("Line one", "&Yes", "&No", ""), ID_BOX_CANCEL) << "Escape closes";
    Script_Key_Press(KEY_TAB, 0);
    Script_Key_Press(KEY_SPACE, 0);
    EXPECT_EQ(Show_Record("Line one", "&Yes", "&No", "&Cancel"), ID_BOX_NO) << "the second button";

    BOX_LOOK one_line, two_lines;
    const char* long_label = "&Read About Owner Mode In The Help Pages";
    Script_Action(Look_At_Box, &one_line);
    Script_Key_Press(KEY_ESCAPE, 0);
    Show_Record("Line one", long_label, "", "");
    EXPECT_EQ(one_line.Buttons, 1) << "buttons without a label are removed";
    // The buttons are in the button font (application font 17) and measured in it.
    DRAWING_FONT* button_font = Get_App_Font(17);
    DEVICE_CONTEXT measure;
    Attach_Device_Context(&measure, nullptr);
    Select_Font(&measure, button_font);
    EXPECT_EQ(one_line.First_Button_Font, button_font);
    EXPECT_EQ(one_line.First_Button_Width, 2 * Measure_Text_Width(&measure, long_label, -1))
        << "widened to twice its label";
    EXPECT_NE(Measure_Text_Width(&measure, long_label, -1), Measure_Label_Width(long_label))
        << "the button font is not the layer's own";
    Release_App_Font(button_font);
    EXPECT_NE(one_line.Text_Flags & TEXT_CENTRE, 0u) << "one line is centred";
    Script_Action(Look_At_Box, &two_lines);
    Script_Key_Press(KEY_ESCAPE, 0);
    Show_Record("Line one\nLine two", "&OK", "&Cancel", "");
    EXPECT_EQ(two_lines.Buttons, 2);
    EXPECT_EQ(two_lines.Text_Flags & TEXT_CENTRE, 0u) << "a message with a line break is left-aligned";
}

TEST_F(FrameDialogs, MessageBoxesUseTheProgramBoxOnceTheWindowIsUp) {
    const PLATFORM_BACKEND showing = Make_Showing_Backend();
    Set_Platform_Backend(&showing);
    Script_Message_Answer("Early", ID_BOX_YES);
    EXPECT_EQ(Show_Message_Box("Before the window", "Early", BOX_YES_NO), ID_BOX_YES)
        << "before the back buffer, the display's box";
    Start_Frame_Without_Loop();
    Pump_Messages();
    BOX_LOOK look;
    Script_Action(Look_At_Box, &look);
    Script_Key_Press(KEY_TAB, 0);
    Script_Key_Press(KEY_SPACE, 0);
    EXPECT_EQ(Show_Message_Box("Line one", "Question", BOX_YES_NO), ID_BOX_NO);
    EXPECT_TRUE(look.Busy);
    Script_Key_Press(KEY_ESCAPE, 0);
    EXPECT_EQ(Show_Message_Box("Line one", "Question", BOX_YES_NO), ID_BOX_NO)
        << "closing a yes/no box is no";
    Script_Key_Press(KEY_ENTER, 0);
    EXPECT_EQ(Show_Message_Box("Line one", "Question", BOX_OK_CANCEL), ID_BOX_OK);
    EXPECT_FALSE(Is_Message_Box_Busy());
}

TEST_F(FrameDialogs, ABoxAskedForWhileOneIsOpenIsAProgramBoxOverIt) {
    PLATFORM_BACKEND showing = Make_Showing_Backend();
    showing.Ask_Message_Box = Count_Native_Box;
    Set_Platform_Backend(&showing);
    native_boxes = 0;
    Start_Frame_Without_Loop();
    Pump_Messages();
    NESTED_LOOK look;
    Script_Action(Ask_Nested_Question, &look);
    EXPECT_EQ(Show_Message_Box("Outer question", "Outer", BOX_YES_NO), ID_BOX_NO)
        << "Escape closed the outer";
    EXPECT_EQ(look.Answer, ID_BOX_YES) << "Enter answered the nested box";
    EXPECT_EQ(native_boxes, 0) << "never the display's own box";
    EXPECT_EQ(look.Inner_Id, USER_MESSAGE_DIALOG);
    EXPECT_NE(look.Inner, look.Outer);
    EXPECT_EQ(look.Inner_Owner, look.Outer) << "the nested box lies over the outer one";
    EXPECT_FALSE(look.Outer_Enabled);
    EXPECT_TRUE(look.Busy_After) << "the outer box was still open";
    EXPECT_FALSE(Is_Message_Box_Busy());
    EXPECT_EQ(Get_Shown_Messages().size(), 2u);
}

TEST_F(FrameDialogs, ProgressWindowCountsToItsRangeAndStopsWhenClosed) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Open_Progress_Window("Loading", 3), 1);
    EXPECT_EQ(Open_Progress_Window("Again", 5), 0) << "one progress window at a time";
    EXPECT_EQ(Get_Window_Text(Progress_Window), "Loading");
    Step_Progress(0);
    EXPECT_EQ(Get_Progress_Position(), 0);
    const char* expected[] = {"33%", "67%", "100%", "100%"};
    for (const char* text : expected) {
        Step_Progress(1);
        EXPECT_STREQ(Get_Progress_Text(), text);
    }
    EXPECT_EQ(Get_Progress_Position(), 3) << "never past the range";
    EXPECT_EQ(Get_Dialog_Item_Text(Progress_Window, PROGRESS_TEXT_CONTROL), "100%");
    RECT_AREA line;
    Get_Window_Rect(Get_Dialog_Item(Progress_Window, PROGRESS_TEXT_CONTROL), &line);
    EXPECT_GE(line.Bottom - line.Top, Get_App_Font_Height(16)) << "the percentage's line holds its font";
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR")) {
        DRAWING_SURFACE picture{};
        Render_Window(Progress_Window, &picture);
        Write_Surface_PNG(&picture, (std::string(folder) + "/progress.png").c_str());
    }
    Step_Progress_With_Text("Copying logos");
    EXPECT_STREQ(Get_Progress_Text(), "Copying logos");
    RECT_AREA main, progress;
    Get_Window_Rect(Main_Window, &main);
    Get_Window_Rect(Progress_Window, &progress);
    EXPECT_LE(std::abs((progress.Left - main.Left) - (main.Right - progress.Right)), 1)
        << "centred over the main window";
    Close_Progress_Window();
    EXPECT_FALSE(Is_Progress_Window_Open());
    Step_Progress(5);
    EXPECT_EQ(Get_Progress_Position(), 3) << "a closed window counts nothing";
    ASSERT_EQ(Open_Progress_Window("Next", 0), 1);
    Step_Progress(1);
    EXPECT_STREQ(Get_Progress_Text(), "0%") << "a range of 0";
    Close_Progress_Window();
    EXPECT_EQ(Count_Windows(), 1);
}

namespace {
struct WELCOME_LOOK {
    DRAWING_SURFACE Picture{};
    RECT_AREA Splash{};
};

void Look_At_Welcome(void* context) {
    WELCOME_LOOK* look = static_cast<WELCOME_LOOK*>(context);
    const WINDOW_HANDLE dialog = Get_Open_Modal_Dialogs().back();
    Pump_Messages();
    Render_Window(dialog, &look->Picture);
    RECT_AREA outer;
    Get_Window_Rect(dialog, &outer);
    Get_Window_Rect(Get_Dialog_Item(dialog, 1356), &look->Splash);
    look->Splash = {look->Splash.Left - outer.Left, look->Splash.Top - outer.Top,
                    look->Splash.Right - outer.Left, look->Splash.Bottom - outer.Top};
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&look->Picture, (std::string(folder) + "/welcome.png").c_str());
    Script_Key_Press(KEY_ESCAPE, 0);
}
} // namespace

TEST_F(FrameDialogs, WelcomePictureShowsThroughItsPictureControl) {
    std::filesystem::create_symlink(std::string(KORVA_DATA_DIR) + "/skins", "skins");
    Set_Skin_Name("earth");
    Start_Frame_Without_Loop();
    Init_Image_Caches();
    WELCOME_LOOK look;
    Script_Action(Look_At_Welcome, &look);
    EXPECT_EQ(Do_Dialog(Main_Window, WELCOME_DIALOG, 0), ID_CANCEL);
    Free_Image_Caches();
    std::filesystem::remove("skins");
    ASSERT_GT(look.Picture.Width, 0);
    // The splash picture has more than one colour across its middle row.
    std::set<uint32_t> colours;
    const int32_t y = (look.Splash.Top + look.Splash.Bottom) / 2;
    for (int32_t x = look.Splash.Left; x < look.Splash.Right; x += 4)
        colours.insert(Get_Surface_Pixel(&look.Picture, x, y));
    EXPECT_GT(colours.size(), 5u) << "the picture control lets the dialog's picture show";
}

namespace {
std::string about_date;

void Look_At_About(void*) {
    const WINDOW_HANDLE dialog = Get_Open_Modal_Dialogs().back();
    Pump_Messages();
    about_date = Get_Dialog_Item_Text(dialog, 1480);
    // Every link button opens its page.
    for (const int32_t button : {1451, 1459, 1222, 1460})
        Send_Window_Message(dialog, MSG_COMMAND, static_cast<uintptr_t>(button), 0);
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR")) {
        DRAWING_SURFACE picture{};
        Render_Window(dialog, &picture);
        Write_Surface_PNG(&picture, (std::string(folder) + "/about.png").c_str());
    }
    Script_Key_Press(KEY_ENTER, 0);
}
} // namespace

TEST_F(FrameDialogs, AboutDialogShowsTheBuildDateAndEachLinkButtonOpensItsPage) {
    Start_Frame_Without_Loop();
    about_date.clear();
    Script_Action(Look_At_About, nullptr);
    EXPECT_EQ(Do_Dialog(Main_Window, ABOUT_DIALOG, 0), 1);
    EXPECT_EQ(about_date.rfind("Created: ", 0), 0u) << about_date;
    EXPECT_EQ(Get_Shell_Requests().size(), 4u) << "Web Site, Community, Free Updates and Store";
}
