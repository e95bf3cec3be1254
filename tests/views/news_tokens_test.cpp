#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <set>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "support/debug_log.h"
#include "support/test_league.h"
#include "views/news_tokens.h"
#include "views/scouting_comment.h"

namespace {
constexpr int32_t TEAM = 3;

int32_t Player() {
    return Test_League_Slot(POSITION_WR, 0);
}

std::string Expand(const std::string& text, int32_t size = NEWS_TEXT_SIZE) {
    std::string buffer(static_cast<size_t>(size), '\0');
    std::memcpy(buffer.data(), text.c_str(), std::min(text.size() + 1, buffer.size()));
    buffer[buffer.size() - 1] = '\0';
    Substitute_News_Strings(TEAM, Player(), buffer.data(), size);
    return buffer.c_str();
}
} // namespace

TEST(NewsTokens, TokensExpandWhateverTheirCase) {
    Build_Test_League();
    Set_Player_Last_Name(TEAM, Player(), "Quinlan");
    EXPECT_EQ(Expand("{player last name} and {PLAYER LAST NAME}"), "Quinlan and Quinlan");
    EXPECT_EQ(Expand("{YEAR} is unknown"), "[YEAR] is unknown");
    EXPECT_EQ(Find_News_Token(""), NEWS_UNKNOWN_TOKEN) << "the three unnamed entries match nothing";
    EXPECT_EQ(Find_News_Token("Team Winning Percentage"), 34);

    Set_Player_Vital_Stat(TEAM, Player(), VITAL_SALARY, 1250);
    Set_Player_Vital_Stat(TEAM, Player(), VITAL_CONTRACT_YEARS, 3);
    EXPECT_EQ(Expand("{SALARY} {CONTRACT} {CONTRACT MILLIONS}"), "$1,250,000 $3,750,000 3.7");

    Set_User_Preference(OWNER_MODE, 1);
    Set_Team_Financial_Stat(TEAM, 68, 12345678);
    EXPECT_EQ(Expand("{TEAM CASH}"), "12.3");

    Set_Team_Record_Char(TEAM, RECORD_CHAR_WINS, 5);
    Set_Team_Record_Char(TEAM, RECORD_CHAR_LOSSES, 3);
    EXPECT_EQ(Expand("{TEAM WINNING PERCENTAGE} {TEAM WINS}-{TEAM LOSSES}"), ".625 5-3");
    Set_Team_Record_Char(TEAM, RECORD_CHAR_WINS, 8);
    Set_Team_Record_Char(TEAM, RECORD_CHAR_LOSSES, 0);
    EXPECT_EQ(Expand("{TEAM WINNING PERCENTAGE}"), "1.000");
    Set_Team_Record_Char(TEAM, RECORD_CHAR_WINS, 0);
    EXPECT_EQ(Expand("{TEAM WINNING PERCENTAGE}"), ".000") << "no games yet";
}

TEST(NewsTokens, SubstitutionStaysInItsBufferAndNeverExpandsWhatItInserted) {
    Build_Test_League();
    // A name that reads like a token is written as it stands.
    Set_Player_Last_Name(TEAM, Player(), "{AGE}");
    EXPECT_EQ(Expand("{PLAYER LAST NAME} plays"), "{AGE} plays");
    EXPECT_EQ(Expand("a { without its end"), "a { without its end");

    Set_Player_Last_Name(TEAM, Player(), "Vandermeulenberg");
    char full_name[FORMATTED_TEXT_SIZE];
    Get_Player_Full_Name(TEAM, Player(), full_name);
    const std::string twice = "{PLAYER NAME}{PLAYER NAME}";
    const std::string cut = Expand(twice, static_cast<int32_t>(twice.size()) + 1);
    EXPECT_EQ(cut, (std::string(full_name) + full_name).substr(0, twice.size())) << "cut at the buffer's end";

    // A template that grows with every token ends at the buffer.
    std::string many;
    for (int32_t k = 0; k < 500; ++k)
        many += "{PLAYER NAME}";
    EXPECT_EQ(Expand(many.substr(0, NEWS_TEXT_SIZE - 1)).size(), static_cast<size_t>(NEWS_TEXT_SIZE - 1));

    Clear_Debug_Log();
    char text[32] = "{PLAYER LAST NAME}";
    Substitute_News_Strings(NO_TEAM, Player(), text, sizeof text);
    EXPECT_STREQ(text, "{PLAYER LAST NAME}") << "no team: the text stays";
    Substitute_News_Strings(TEAM, 99, text, sizeof text);
    EXPECT_STREQ(text, "{PLAYER LAST NAME}") << "an empty slot: the text stays";
    EXPECT_EQ(Count_Debug_Lines("NO_TEAM passed in pSlot to Substitute_News_Strings()"), 1);
    EXPECT_EQ(Count_Debug_Lines("Invalid Player in Substitute_News_Strings()"), 1);
}

// A free agent's team city is the pool's fixed name, whatever its record holds.
TEST(NewsTokens, AFreeAgentsCityIsThePoolsName) {
    Build_Test_League();
    std::memcpy(&Universe.Teams[FREE_AGENT_TEAM].Players[0], &Universe.Teams[TEAM].Players[Player()],
                sizeof(PLAYER_RECORD));
    Set_Player_Last_Name(FREE_AGENT_TEAM, 0, "Quinlan");
    char text[NEWS_TEXT_SIZE] = "{PLAYER LAST NAME} waits in {TEAM CITY}.";
    Substitute_News_Strings(FREE_AGENT_TEAM, 0, text, sizeof text);
    EXPECT_STREQ(text, "Quinlan waits in Free Agent.");
}

TEST(ScoutingComments, TheShownGradeHidesOnlyTheTruth) {
    EXPECT_EQ(Get_Shown_Scouting_Grade(8, 5), 8) << "a true 8 reaching 9 shows 8";
    EXPECT_EQ(Get_Shown_Scouting_Grade(9, 5), 8) << "a true 9 reaching 10 shows 8";
    EXPECT_EQ(Get_Shown_Scouting_Grade(9, 12), 7);
    EXPECT_EQ(Get_Shown_Scouting_Grade(0, 12), 2);
    EXPECT_EQ(Get_Shown_Scouting_Grade(0, -12), 0);
    EXPECT_EQ(Get_Shown_Scouting_Grade(4, -12), 2);
    EXPECT_EQ(Get_Shown_Scouting_Grade(9, 0), 9) << "only a true 9 shows 9";
    for (int32_t grade = 0; grade < SCOUTING_GRADES; ++grade)
        for (int32_t error = -12; error <= 12; ++error) {
            const int32_t shown = Get_Shown_Scouting_Grade(grade, error);
            ASSERT_GE(shown, 0);
            ASSERT_LT(shown, SCOUTING_GRADES);
            if (grade < 9) {
                ASSERT_LT(shown, 9) << grade << " " << error;
            }
            const int32_t kicker = Get_Position_Scouting_Grade(shown, 13);
            const int32_t fullback = Get_Position_Scouting_Grade(shown, 2);
            ASSERT_TRUE(kicker >= 4 && kicker <= 6);
            ASSERT_TRUE(fullback >= 3 && fullback <= 6);
        }
    EXPECT_EQ(Get_Scouting_Quality_Grade(58), 0);
    EXPECT_EQ(Get_Scouting_Quality_Grade(59), 1);
    EXPECT_EQ(Get_Scouting_Quality_Grade(93), 9);
    // The draw wraps in 32 bits: a large id and a negative one stay in range.
    EXPECT_EQ(Get_Scouting_Variant(123, 2, 3), (12 * 12 * 12 + 10 * 27 + 4 + 9) % 10);
    EXPECT_EQ(Get_Scouting_Variant(-1, 0, 0), 0) << "|-10| ends in 0";
    const int32_t big = Get_Scouting_Variant(2000000000, 7, 11);
    EXPECT_TRUE(big >= 0 && big < 10);
}

TEST(ScoutingComments, TheSentenceTableKeepsItsRowsAndTokens) {
    const std::set<std::string> allowed = {"PLAYER NAME",   "PLAYER LAST NAME",  "PLAYER FIRST NAME",
                                           "AGE",           "POSITION",          "POSITIONS",
                                           "TEAM NAME",     "TEAM CITY",         "TEAM LEAGUE",
                                           "TEAM DIVISION", "TEAM DIVISION ABBR"};
    const std::regex token("\\{([^}]*)\\}");
    std::set<std::string> distinct;
    for (int32_t n = 0; n < SCOUTING_SENTENCES; ++n) {
        const std::string sentence = Scouting_Sentences[n];
        ASSERT_LE(sentence.size(), 169u) << n;
        distinct.insert(sentence);
        for (auto it = std::sregex_iterator(sentence.begin(), sentence.end(), token);
             it != std::sregex_iterator(); ++it)
            EXPECT_EQ(allowed.count((*it)[1].str()), 1u) << n << ": " << sentence;
        const bool slump = sentence.find("slump") != std::string::npos;
        EXPECT_EQ(slump, n == 64 || n == 74) << n << ": only the two developing players' entries";
    }
    EXPECT_GT(distinct.size(), 290u);
    EXPECT_STREQ(Scouting_Sentences[0],
                 "{PLAYER LAST NAME} is just wasting the {TEAM NAME} resources. He should be released.");
    EXPECT_STREQ(Scouting_Sentences[190],
                 "When you watch {PLAYER LAST NAME} playing {POSITION}, you have no doubts "
                 "that you're seeing a superstar in action.");
    EXPECT_STREQ(Scouting_Sentences[290],
                 "{PLAYER FIRST NAME} is a bit past his prime, but still an absolute superstar.");
    EXPECT_STREQ(Scouting_Sentences[240], Scouting_Sentences[250]) << "the aging starter's sentence repeats";
}

TEST(ScoutingComments, FreeAgentsAreNotTiedToATeamAndRookiesHaveNoSlumps) {
    Build_Test_League();
    const int32_t slot = Player();
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_PLAYER_ID, 0);
    std::memcpy(&Universe.Teams[FREE_AGENT_TEAM].Players[0], &Universe.Teams[TEAM].Players[slot],
                sizeof(PLAYER_RECORD));
    int32_t empty = 0, written = 0;
    char comment[NEWS_TEXT_SIZE];
    for (int32_t season = 0; season < 40; ++season) {
        Set_User_Preference(CURRENT_SEASON_INDEX, season);
        Write_Scouting_Comment(FREE_AGENT_TEAM, 0, comment, sizeof comment);
        (comment[0] == '\0' ? empty : written) += 1;
        EXPECT_EQ(std::string(comment).find('{'), std::string::npos) << comment;
    }
    EXPECT_GT(empty, 0) << "a sentence naming his team is dropped";
    EXPECT_GT(written, 0);

    // A young player in his first season: never a slump, which a second-year
    // player of the same grade can have.
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    int32_t young = -1;
    for (int32_t candidate = 0; candidate < TEST_ROSTER_SIZE && young < 0; ++candidate) {
        const int32_t position = Get_Player_Vital_Stat(TEAM, candidate, VITAL_POSITION);
        const int32_t grade =
            Get_Scouting_Quality_Grade(static_cast<int32_t>(Get_Player_Potential(TEAM, candidate)));
        if (position != 2 && position < 13 && (grade == 6 || grade == 7)) young = candidate;
    }
    ASSERT_GE(young, 0) << "a player graded 6 or 7";
    const int32_t year = Get_Current_Year();
    Set_Player_Vital_Stat(TEAM, young, VITAL_BIRTH_DATE, (year - 22) * 10000 + 101);
    Set_Player_Vital_Stat(TEAM, young, VITAL_PEAK_AGE, 26);
    ASSERT_EQ(Get_Scouting_Career_Phase(TEAM, young), 0);
    for (const int32_t seasons : {2, 0}) {
        Set_Player_Vital_Stat(TEAM, young, VITAL_CREDITED_SEASONS, seasons);
        int32_t slumps = 0;
        for (int32_t id = 1000; id < 1100; ++id) {
            Set_Player_Vital_Stat(TEAM, young, VITAL_PLAYER_ID, id);
            Write_Scouting_Comment(TEAM, young, comment, sizeof comment);
            slumps += std::string(comment).find("slump") != std::string::npos ? 1 : 0;
        }
        if (seasons == 2) {
            EXPECT_GT(slumps, 0) << "a second-year player";
        } else {
            EXPECT_EQ(slumps, 0) << "a rookie";
        }
    }
    Set_User_Preference(COMMISSIONER_MODE, 0);
}
