#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/league_structure.h"
#include "database/team_record.h"
#include "personnel/team_lookup.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(TeamLookup, AbbreviationsWithTheLeaguesHistoricPairs) {
    Build_Test_League();
    Set_Team_Abbreviation("PHX", 1);
    Set_Team_Abbreviation("STL", 2);
    Set_Team_Abbreviation("LAR", 3);
    Set_Team_Abbreviation("MIA", 4);
    EXPECT_EQ(Get_Team_From_Abbreviation("PHO", 1), 1) << "PHX when no team is ARI";
    Set_Team_Abbreviation("ARI", 0);
    EXPECT_EQ(Get_Team_From_Abbreviation("PHO", 1), 0) << "PHO-ARI is tried before PHO-PHX";
    EXPECT_EQ(Get_Team_From_Abbreviation("LA", 1), 2) << "LA-STL comes before LA-LAR";
    EXPECT_EQ(Get_Team_From_Abbreviation("MIA", 1), 4) << "a current abbreviation before the skipped list";
    // The Raiders go by "LVR" since their move: their lines as "OAK" find
    // them, and "LV" is no name of theirs.
    Set_Team_Abbreviation("LVR", 5);
    EXPECT_EQ(Get_Team_From_Abbreviation("OAK", 1), 5);
    EXPECT_EQ(Get_Team_From_Abbreviation("LVR", 1), 5);
    EXPECT_EQ(Get_Team_From_Later_Abbreviation("OAK"), NO_TEAM) << "a later season's OAK is no LVR";
    EXPECT_EQ(Get_Team_From_Abbreviation("LV", 0), NO_TEAM) << "the pairs hold no LV";
    Set_Team_Abbreviation("LV", 5);
    EXPECT_EQ(Get_Team_From_Abbreviation("OAK", 0), NO_TEAM) << "nor does OAK find a team abbreviated LV";
    EXPECT_EQ(Get_Team_From_Abbreviation("BOS", 1), SKIPPED_TEAM_CODE);
    EXPECT_EQ(Get_Team_From_Abbreviation("fa", 1), FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Team_From_Abbreviation("Free Agents", 1), FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Team_From_Abbreviation("ABCDE", 1), NO_TEAM);
    EXPECT_EQ(Get_Team_From_Abbreviation("", 1), NO_TEAM);
    EXPECT_EQ(Get_Team_From_Abbreviation("t05", 1), NO_TEAM)
        << "the league's own abbreviations match exactly";
    Clear_Debug_Log();
    EXPECT_EQ(Get_Team_From_Abbreviation("ZZZ", 0), NO_TEAM);
    EXPECT_EQ(Count_Error_Lines(), 0);
    EXPECT_EQ(Get_Team_From_Abbreviation("ZZZ", 1), NO_TEAM);
    EXPECT_EQ(Count_Debug_Lines("ERROR: Unrecognized Team Abbreviation: ZZZ"), 1);
}

TEST(TeamLookup, NamesNicknamesAndHistoricNames) {
    Build_Test_League();
    Set_Team_Location("Tennessee", 6);
    Set_Team_Nickname("Titans", 6);
    Set_Team_Location("Washington", 7);
    Set_Team_Nickname("Football Team", 7);
    EXPECT_EQ(Get_Team_From_Name("tennessee,titans"), 6) << "commas read as blanks, no case";
    EXPECT_EQ(Get_Team_From_Name("Nashville Titans"), 6) << "the nickname alone";
    EXPECT_EQ(Get_Team_From_Name("Washington Football Team"), 7);
    EXPECT_EQ(Get_Team_From_Name("Free Agents"), FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Team_From_Name("Retired"), RETIRED_TEAM_CODE);
    EXPECT_EQ(Find_Team_By_Full_Name("Washington Football Team"), 7);
    EXPECT_EQ(Find_Team_By_String("football team"), 7);
    EXPECT_EQ(Find_Team_By_String("Nobodies"), 0) << "an unknown nickname reads as team 0";

    char text[32] = "Houston Oilers";
    EXPECT_EQ(Get_Team_From_Historic_Name(text, sizeof text), 6);
    EXPECT_STREQ(text, "Tennessee Titans");
    char short_buffer[10] = "Redskins";
    EXPECT_EQ(Get_Team_From_Historic_Name(short_buffer, sizeof short_buffer), 7)
        << "the whole new name is read";
    EXPECT_STREQ(short_buffer, "Football ");
    Clear_Debug_Log();
    char unknown[32] = "Gotham Knights";
    EXPECT_EQ(Get_Team_From_Abbreviation_Or_Name(unknown, sizeof unknown), NO_TEAM);
    EXPECT_EQ(Count_Debug_Lines("Unrecognized Team Name: Gotham Knights (2020)"), 1);
    char abbreviation[8] = "T07";
    EXPECT_EQ(Get_Team_From_Abbreviation_Or_Name(abbreviation, sizeof abbreviation), 7);

    // A team still under the old name is found by it.
    Set_Team_Location("Houston", 6);
    Set_Team_Nickname("Oilers", 6);
    char old_name[32] = "Houston Oilers";
    EXPECT_EQ(Get_Team_From_Historic_Name(old_name, sizeof old_name), 6);
    EXPECT_STREQ(old_name, "Houston Oilers");
}

TEST(TeamLookup, EmptyAndOverlongNamesAreRefused) {
    Build_Test_League();
    Set_Team_Nickname("", 9); // a franchise being renamed
    EXPECT_EQ(Get_Team_From_Name(""), NO_TEAM);
    EXPECT_EQ(Get_Team_From_Name("   "), NO_TEAM) << "blanks leave no nickname to match";
    EXPECT_EQ(Find_Team_By_Full_Name(""), NO_TEAM);
    const std::string long_name(200, 'x');
    EXPECT_EQ(Get_Team_From_Name(long_name.c_str()), NO_TEAM);
    EXPECT_EQ(Get_Team_From_Name((std::string(60, 'y') + " Bears").c_str()), NO_TEAM);
    char text[256];
    strcpy(text, long_name.c_str());
    EXPECT_EQ(Get_Team_From_Historic_Name(text, sizeof text), NO_TEAM);
}
