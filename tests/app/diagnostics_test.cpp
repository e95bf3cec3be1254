#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "app/command_line_flags.h"
#include "app/diagnostics.h"
#include "database/saved_game.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/debugger.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"

namespace {
std::vector<std::string> Read_Log_Lines() {
    std::vector<std::string> lines;
    std::ifstream file("debug.txt");
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// The number in front of a log line, checked against the calendar seconds around the call.
void Expect_Time_Stamp(const std::string& stamp, long before, long after) {
    long value = std::stol(stamp);
    EXPECT_GE(value, before);
    EXPECT_LE(value, after);
}

class Diagnostics : public testing::Test {
  protected:
    void SetUp() override {
        Reset_Diagnostics();
        Command_Line_Flags = 0;
        Command_Line_Flags_Text[0] = '\0';
        Clear_Shown_Messages();
        std::remove("debug.txt");
        Capture_Debugger_Output(&debugger_output);
    }
    void TearDown() override {
        Capture_Debugger_Output(nullptr);
        Use_System_Clock();
        Set_Null_Surface_Size(1024, 768);
        Command_Line_Flags = 0;
        Clear_Shown_Messages();
    }
    std::string debugger_output;
};
} // namespace

TEST_F(Diagnostics, HeaderReplacesOldLogAndDescribesBuildFlagsSystemAndDisplay) {
    std::ofstream("debug.txt") << "left over from the last run\n";
    Parse_Command_Line_Flags("SHOW_SYSTEM_ERRORS IS_NOT_RANDOM");
    Set_Null_Surface_Size(800, 600);
    Write_Debug_Log_Header();

    std::vector<std::string> lines = Read_Log_Lines();
    ASSERT_EQ(lines.size(), 23u)
        << "start line, blank, flags, OS, platform, video heading and 17 video lines";
    EXPECT_TRUE(
        std::regex_match(lines[0], std::regex(R"(\d+ Football Korva 2023 \(V20\.02CD     \) started at: )"
                                              R"(\w{3} \w{3} [ \d]\d \d\d:\d\d:\d\d \d{4})")))
        << lines[0];
    EXPECT_EQ(lines[1], "") << "the start time ends with its own line feed";
    EXPECT_EQ(lines[2], " Command Line Flags: IS_NOT_RANDOM SHOW_SYSTEM_ERRORS ");
    EXPECT_TRUE(std::regex_match(lines[3], std::regex(R"( OSVer: \S+ \d+\.\d+\.\d+ ".*" \S*)"))) << lines[3];
    EXPECT_EQ(lines[4], " platform layer (null) = 0x00010001") << "minor version 1, major 1";
    EXPECT_EQ(lines[5], " Video Information:");
    EXPECT_EQ(lines[8], "   HORZRES=800                 VERTRES=600");
    EXPECT_EQ(lines[9], "   BITSPIXEL=32                PLANES=1");
    EXPECT_EQ(lines[20], "   VREFRESH=0                  DESKTOPVERTRES=600");
    EXPECT_EQ(lines[21], "   DESKTOPHORZRES=800          BLTALIGNMENT=0");
    EXPECT_EQ(lines[22], "   SHADEBLENDCAPS=0x00000000   COLORMGMTCAPS=0x00000000");
}

TEST_F(Diagnostics, HeaderLeavesOutFlagsLineWithoutFlags) {
    Write_Debug_Log_Header();
    std::vector<std::string> lines = Read_Log_Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2].rfind(" OSVer: ", 0), 0u) << lines[2];
}

TEST_F(Diagnostics, LinesCarryTimeStampAndGoToDebuggerOutput) {
    long before = static_cast<long>(time(nullptr));
    Log_Debug_Line("value %d", 5);
    EXPECT_EQ(Report_System_Error("bad %s", "team"), -1);
    Log_Debug_Output("only for %s", "the debugger");
    long after = static_cast<long>(time(nullptr));

    std::vector<std::string> lines = Read_Log_Lines();
    ASSERT_EQ(lines.size(), 2u) << "debugger-only output must not reach the file";
    std::smatch match;
    ASSERT_TRUE(std::regex_match(lines[0], match, std::regex(R"((\d+) value 5)"))) << lines[0];
    Expect_Time_Stamp(match[1], before, after);
    ASSERT_TRUE(std::regex_match(lines[1], match, std::regex(R"((\d+) ERROR: bad team)"))) << lines[1];
    Expect_Time_Stamp(match[1], before, after);

    EXPECT_TRUE(std::regex_match(debugger_output, std::regex(R"(\d+ value 5\n\d+ ERROR: bad team\n)"
                                                             R"(\d+ Debug: only for the debugger\n)")))
        << debugger_output;
}

TEST_F(Diagnostics, FlaggedOutputNeedsAMatchingCommandLineFlag) {
    EXPECT_EQ(Log_Debug_Flagged(DTXT_AGG, "path %d", 1), 0);
    EXPECT_EQ(debugger_output, "");
    Parse_Command_Line_Flags("DTXT_AGG");
    Log_Debug_Flagged(DTXT_PBPDIAGRAM, "diagram");
    Log_Debug_Flagged(DTXT_AGG | DTXT_PBPSELECTOR, "path %d", 2);
    EXPECT_TRUE(std::regex_match(debugger_output, std::regex(R"(\d+ Debug: path 2\n)"))) << debugger_output;
    EXPECT_TRUE(Read_Log_Lines().empty());
}

TEST_F(Diagnostics, LastErrorTextHoldsNewestFirstWithinItsBound) {
    Report_System_Error("first");
    Report_System_Error("second");
    EXPECT_TRUE(std::regex_match(std::string(Last_Error_Text),
                                 std::regex(R"(\d+ ERROR: second\n\d+ ERROR: first\n)")))
        << Last_Error_Text;

    for (int i = 0; i < 100; ++i)
        Report_System_Error("error number %d with some words to fill the text", i);
    std::string kept = Last_Error_Text;
    EXPECT_EQ(kept.size(), 2047u) << "the text is cut at its 2,048th byte";
    EXPECT_TRUE(std::regex_search(kept, std::regex(R"(^\d+ ERROR: error number 99 )"))) << "newest first";
    EXPECT_EQ(kept.find("ERROR: first"), std::string::npos) << "oldest lines drop off the end";
}

TEST_F(Diagnostics, LongMessagesAreCutAt2048Bytes) {
    std::string long_text(5000, 'x');
    Report_System_Error("%s", long_text.c_str());
    Log_Debug_Line("%s", long_text.c_str());
    std::vector<std::string> lines = Read_Log_Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 2047u);
    EXPECT_EQ(lines[1].size(), 2047u);
    EXPECT_EQ(std::string(Last_Error_Text).size(), 2047u);
    EXPECT_EQ(std::string(Last_Error_Text), lines[0]) << "no room is left for the line feed";

    Report_System_Error("short");
    EXPECT_TRUE(
        std::regex_search(std::string(Last_Error_Text), std::regex(R"(^\d+ ERROR: short\n\d+ ERROR: xxx)")));
    EXPECT_EQ(std::string(Last_Error_Text).size(), 2047u);
}

TEST_F(Diagnostics, ErrorBoxOnlyWithFlagAndCancelSilencesTheRest) {
    Report_System_Error("no flag");
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "without SHOW_SYSTEM_ERRORS no box is shown";

    Parse_Command_Line_Flags("SHOW_SYSTEM_ERRORS");
    Script_Message_Answer("System Error!", ID_BOX_NO);
    Report_System_Error("nTeam out of bounds in Set_Team_Stat(<%d>,%d,%d)", 99, 2, 1);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "System Error!");
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "nTeam out of bounds in Set_Team_Stat(<99>,2,1)\n\nENTER DEBUGGER?");
    EXPECT_EQ(Error_Boxes_Enabled, 1) << "No goes on asking";

    if (!Is_Debugger_Attached()) {
        Script_Message_Answer("System Error!", ID_BOX_YES);
        Report_System_Error("yes without a debugger goes on");
        EXPECT_EQ(Get_Shown_Messages().size(), 2u);
        EXPECT_EQ(Error_Boxes_Enabled, 1);
    }

    size_t shown = Get_Shown_Messages().size();
    Script_Message_Answer("System Error!", ID_BOX_CANCEL);
    Report_System_Error("cancel");
    EXPECT_EQ(Get_Shown_Messages().size(), shown + 1);
    EXPECT_EQ(Error_Boxes_Enabled, 0);
    Report_System_Error("after cancel");
    EXPECT_EQ(Get_Shown_Messages().size(), shown + 1) << "Cancel stops the boxes for the rest of the run";
    EXPECT_TRUE(std::regex_search(Read_Log_Lines().back(), std::regex(R"(ERROR: after cancel$)")))
        << "the error is still logged";
}

TEST_F(Diagnostics, StopwatchLogsAndShowsElapsedMilliseconds) {
    Use_Virtual_Clock(50000);
    Time_Debug_Section("ID_PLAY_ONE_WEEK", DEBUG_TIMER_START);
    Advance_Virtual_Clock(1500);
    EXPECT_EQ(Time_Debug_Section(nullptr, DEBUG_TIMER_STOP), 1500);
    Time_Debug_Section("ID_PLAY_ONE_WEEK", DEBUG_TIMER_LOG);
    Time_Debug_Section(nullptr, DEBUG_TIMER_LOG);
    std::vector<std::string> lines = Read_Log_Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(\d+ TIMER 1500: ID_PLAY_ONE_WEEK)"))) << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"(\d+ TIMER 1500)"))) << lines[1];

    Time_Debug_Section(nullptr, DEBUG_TIMER_START);
    Advance_Virtual_Clock(1005);
    Time_Debug_Section(nullptr, DEBUG_TIMER_STOP);
    Time_Debug_Section(nullptr, DEBUG_TIMER_SHOW);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "ID_PLAY_ONE_WEEK") << "the section keeps its last name";
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "1.005");
}

namespace {
// The log as it stands on disk while the "Read Error" box is up.
void Keep_Log_Lines(void* context) {
    *static_cast<std::vector<std::string>*>(context) = Read_Log_Lines();
}
} // namespace

// Every line is in the file as soon as it is logged, during a load too, so
// the log is complete up to a crash: an error line, a line after a header
// and the line a failed load writes before it shows its box.
TEST_F(Diagnostics, EveryLineIsInTheFileAsSoonAsItIsLoggedAlsoDuringALoad) {
    Log_Debug_Line("first %d", 1);
    ASSERT_EQ(Read_Log_Lines().size(), 1u);
    EXPECT_TRUE(std::regex_search(Read_Log_Lines()[0], std::regex(R"(^-?\d+ first 1$)")));
    EXPECT_EQ(Report_System_Error("second"), -1);
    EXPECT_TRUE(std::regex_search(Read_Log_Lines().back(), std::regex(R"( ERROR: second$)")));

    Write_Debug_Log_Header();
    Log_Debug_Line("after the header");
    std::vector<std::string> lines = Read_Log_Lines();
    EXPECT_TRUE(std::regex_search(lines.back(), std::regex(R"( after the header$)")));
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("first"), std::string::npos) << "the old lines went with the old file";

    std::vector<std::string> during_load;
    Script_Message_Answer("Read Error", ID_BOX_OK, Keep_Log_Lines, &during_load);
    EXPECT_EQ(Load_Game("no such league.kor"), 0);
    ASSERT_FALSE(during_load.empty()) << "the box came up";
    EXPECT_NE(during_load.back().find("Load_Game: \"no such league.kor\""), std::string::npos)
        << "the load's line is on disk before its box shows: " << during_load.back();
}
