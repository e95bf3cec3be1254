#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/command_line_flags.h"

namespace {
class CommandLineFlags : public testing::Test {
  protected:
    void SetUp() override {
        std::remove("CommandLine.txt");
        // Parsing adds to the flags already set.
        Command_Line_Flags = 0;
        Command_Line_Flags_Text[0] = '\0';
    }
    void TearDown() override {
        std::remove("CommandLine.txt");
        Command_Line_Flags = 0;
        Command_Line_Flags_Text[0] = '\0';
    }
};
} // namespace

TEST_F(CommandLineFlags, ArgumentsAndFileSetEachFlagOnceInTableOrder) {
    std::ofstream("CommandLine.txt") << "nothing here\nDTXT_AGG SHOW_SYSTEM_ERRORS\n";
    const char* argv[] = {"football_korva", "SHOW_SYSTEM_ERRORS", "IS_NOT_RANDOM"};
    Read_Command_Line_Flags(3, argv);
    EXPECT_EQ(Command_Line_Flags, IS_NOT_RANDOM | SHOW_SYSTEM_ERRORS | DTXT_AGG);
    EXPECT_STREQ(Command_Line_Flags_Text, "IS_NOT_RANDOM SHOW_SYSTEM_ERRORS DTXT_AGG ")
        << "a flag on the command line and in the file is listed once; the file's second line counts";
}

TEST_F(CommandLineFlags, MissingFileAndNoArgumentsLeaveNoFlags) {
    Command_Line_Flags = SHOW_SYSTEM_ERRORS;
    const char* argv[] = {"football_korva"};
    Read_Command_Line_Flags(1, argv);
    EXPECT_EQ(Command_Line_Flags, 0u) << "reading starts from a clean flag word";
    EXPECT_STREQ(Command_Line_Flags_Text, "");
}

TEST_F(CommandLineFlags, FlagInsideALongerWordStillCountsButCaseMatters) {
    Parse_Command_Line_Flags("-XDTXT_PBPSELECTOR_ON dtxt_agg");
    EXPECT_EQ(Command_Line_Flags, DTXT_PBPSELECTOR);
}

TEST_F(CommandLineFlags, OnlyTheFirst2047BytesOfTheFileAreSearched) {
    std::ofstream("CommandLine.txt") << std::string(2040, ' ') << "DTXT_AGG\n"
                                     << std::string(10, '\n') << "IS_NOT_RANDOM";
    Read_Command_Line_Flags(0, nullptr);
    EXPECT_EQ(Command_Line_Flags, 0u) << "a flag across or beyond the 2,047th byte is not seen";

    std::ofstream("CommandLine.txt") << std::string(2030, ' ') << "DTXT_AGG";
    Read_Command_Line_Flags(0, nullptr);
    EXPECT_EQ(Command_Line_Flags, DTXT_AGG);
}
