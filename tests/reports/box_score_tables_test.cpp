#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/player_record.h"
#include "database/safe_strings.h"
#include "engine/game_record.h"
#include "engine/play_text.h"
#include "engine/playbook_records.h"
#include "reports/box_score_tables.h"
#include "support/box_score_sums.h"
#include "support/game_output_support.h"
#include "support/test_league.h"

namespace {

int Count_Text(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(BoxScoreTables, ScoringRowsFollowTheScoringSideAndScore) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Get_Box_Score_HTML().clear();
    Write_Scoring_Plays_Header(game);
    EXPECT_EQ(Count_Text(Get_Box_Score_HTML(), "<TR class=none>"), 0)
        << "a game without a score has its header only";

    int32_t receiver = Test_League_Player_ID(0, Test_League_Slot(POSITION_WR, 0));
    int32_t passer = Test_League_Player_ID(0, Test_League_Slot(POSITION_QB, 0));
    game->Score[0] = 6;
    game->Current_Play.First_Player_Id = passer;
    game->Current_Play.Second_Player_Id = receiver;
    game->Current_Play.Yard1 = 12;
    game->Current_Play.Play_Word = static_cast<uint32_t>(RESULT_TOUCHDOWN_PASS) << PLAY_WORD_RESULT_SHIFT;
    Write_Scoring_Play_Row(game);
    const std::string& html = Get_Box_Score_HTML();
    EXPECT_NE(html.find("<TR class=none>"), std::string::npos) << "side 0 scored";
    EXPECT_NE(html.find("class=lmc>Pass</TD>"), std::string::npos);
    EXPECT_NE(html.find("12-yard TD pass to"), std::string::npos);
    EXPECT_NE(html.find("<TD width=\"6%\" class=lmc>6</TD><TD width=\"6%\" class=lmc>0</TD></TR>"),
              std::string::npos);

    // An interception return scores for the side without the ball.
    game->Current_Play.Play_Word =
        (static_cast<uint32_t>(RESULT_INTERCEPTION_TOUCHDOWN) << PLAY_WORD_RESULT_SHIFT);
    EXPECT_EQ(Get_Scoring_Side(game->Current_Play.Play_Word), 1);
    Write_Scoring_Play_Row(game);
    EXPECT_NE(Get_Box_Score_HTML().find("<TR class=highlight>"), std::string::npos);

    // A row given the sentence the play log just wrote is the row that
    // writes its own; the sentence is escaped into the page.
    Get_Box_Score_HTML().clear();
    Write_Scoring_Play_Row(game);
    const std::string own = Get_Box_Score_HTML();
    char sentence[TEXT_BUFFER_SIZE];
    Write_Play_Summary_Sentence(game, &game->Current_Play, sentence, sizeof sentence);
    Get_Box_Score_HTML().clear();
    Write_Scoring_Play_Row(game, sentence);
    EXPECT_EQ(Get_Box_Score_HTML(), own);
    Get_Box_Score_HTML().clear();
    Write_Scoring_Play_Row(game, "Lee & \"Ray\" <TD>");
    EXPECT_NE(Get_Box_Score_HTML().find(">Lee &amp; &quot;Ray&quot; &lt;TD&gt;</TD>"), std::string::npos);
}

// The row is written after the clock has moved on: a score on a period's
// last play, and its try, read 0:00 of their own period, never the untouched
// 15:00 of the next one.
TEST(BoxScoreTables, AScoreOnAPeriodsLastPlayIsTimedAtItsEnd) {
    GAME_RECORD* game = Build_Output_Test_Game();
    game->Current_Play.Play_Word = static_cast<uint32_t>(RESULT_TOUCHDOWN_RUN) << PLAY_WORD_RESULT_SHIFT;
    const struct {
        int clock;
        uint32_t down;
        const char* time;
    } cases[] = {
        {1800, 1, "<TD width=\"6%\" class=lmc>2nd Q</TD><TD width=\"6%\" class=lmc>0:00</TD>"},
        {1800, CONVERSION_ATTEMPT,
         "<TD width=\"6%\" class=lmc>2nd Q</TD><TD width=\"6%\" class=lmc>0:00</TD>"},
        {2700, 1, "<TD width=\"6%\" class=lmc>3rd Q</TD><TD width=\"6%\" class=lmc>0:00</TD>"},
        {3600, 1, "<TD width=\"6%\" class=lmc>4th Q</TD><TD width=\"6%\" class=lmc>0:00</TD>"},
        {3600, CONVERSION_ATTEMPT,
         "<TD width=\"6%\" class=lmc>4th Q</TD><TD width=\"6%\" class=lmc>0:00</TD>"},
        {1000, 1, "<TD width=\"6%\" class=lmc>2nd Q</TD><TD width=\"6%\" class=lmc>13:20</TD>"},
    };
    for (const auto& c : cases) {
        game->Clock = static_cast<int16_t>(c.clock);
        Set_Game_Down(game, c.down);
        Get_Box_Score_HTML().clear();
        Write_Scoring_Play_Row(game, "Touchdown");
        EXPECT_NE(Get_Box_Score_HTML().find(c.time), std::string::npos)
            << "clock " << c.clock << ", down " << c.down << ": " << Get_Box_Score_HTML();
    }
    Get_Box_Score_HTML().clear();
}

TEST(BoxScoreTables, QuarterLabelAtTheEndOfRegulationAndInOvertime) {
    GAME_RECORD* game = Build_Output_Test_Game();
    char label[16];
    const struct {
        int clock;
        const char* label;
    } cases[] = {{0, "1st Q"}, {900, "1st Q"}, {901, "2nd Q"}, {3600, "4th Q"}, {3601, "OT"}, {9000, "OT"}};
    for (const auto& c : cases) {
        game->Clock = static_cast<int16_t>(c.clock);
        Get_Quarter_Label(game, label, sizeof label);
        EXPECT_STREQ(label, c.label) << "clock " << c.clock;
    }
}

TEST(BoxScoreTables, TeamStatsTextsForPuntsFieldGoalsAndEmptyRushing) {
    GAME_RECORD* game = Build_Output_Test_Game();
    int32_t kicker = Test_League_Player_ID(0, Test_League_Slot(POSITION_K, 0));
    Add_Test_Log_Entry(game, 0, RESULT_FIELD_GOAL_GOOD, kicker, -1, 42);
    Add_Test_Log_Entry(game, 0, RESULT_FIELD_GOAL_GOOD, kicker, -1, 35);
    Add_Test_Log_Entry(game, 0, RESULT_FIELD_GOAL_MISSED, kicker, -1, 51);
    char list[64] = "";
    EXPECT_EQ(Count_Side_Log_Results(game, 0, RESULT_FIELD_GOAL_GOOD, list, sizeof list), 2);
    EXPECT_STREQ(list, " (42, 35)");
    list[0] = '\0';
    EXPECT_EQ(Count_Side_Log_Results(game, 1, RESULT_FIELD_GOAL_GOOD, list, sizeof list), 0);
    EXPECT_STREQ(list, "") << "no field goals: no list";

    game->Team_Stats[0][GAME_STAT_PUNTS] = 1;
    game->Team_Totals[0][GAME_TOTAL_PUNT_YARDS] = 45;
    game->Team_Stats[1][GAME_STAT_PUNTS] = 2;
    game->Team_Totals[1][GAME_TOTAL_PUNT_YARDS] = 81;
    game->Team_Totals[0][GAME_TOTAL_RUSHES] = 4;
    game->Team_Totals[0][GAME_TOTAL_RUSHING_YARDS] = static_cast<uint16_t>(-3);
    Get_Box_Score_HTML().clear();
    Write_Box_Score_Team_Stats(game);
    const std::string& html = Get_Box_Score_HTML();
    EXPECT_NE(html.find("1 punt for 45 yards (45.0 avg)"), std::string::npos);
    EXPECT_NE(html.find("2 punts for 81 yards (40.5 avg)"), std::string::npos);
    EXPECT_NE(html.find("2 Made (42, 35), 1 Missed (51)"), std::string::npos);
    EXPECT_NE(html.find("0 Made, 0 Missed"), std::string::npos);
    EXPECT_NE(html.find("0 for 0 yards (0.0 avg)"), std::string::npos) << "zero rushes";
    EXPECT_NE(html.find("4 for -3 yards (-0.7 avg)"), std::string::npos) << "negative average keeps its sign";
    EXPECT_EQ(Count_Text(html, "</TR>"), 17) << "heading row and sixteen rows";
}

TEST(BoxScoreTables, DefenceTableShowsHalfSacksAndEscapedNames) {
    GAME_RECORD* game = Build_Output_Test_Game();
    int32_t slot = Test_League_Slot(POSITION_DE, 0);
    Set_Player_Last_Name(1, slot, "<Ray&Co>");
    List_Test_Player(game, 1, 1, slot);
    Add_Game_Player_Counter(game, 1, slot, 0, 3);
    Add_Game_Player_Counter(game, 1, slot, 2, 1);
    EXPECT_EQ(Get_Game_Player_Counter(game, 1, slot, 2, 0), 3);
    EXPECT_EQ(Get_Game_Player_Counter(game, 1, slot, 0, 0), 0) << "a defender has no group-0 counters";
    Get_Box_Score_HTML().clear();
    Write_Box_Score_Defense_Table(game);
    const std::string& html = Get_Box_Score_HTML();
    EXPECT_NE(html.find("<TD class=lmc>1.5</TD>"), std::string::npos) << "three half sacks";
    EXPECT_NE(html.find("&lt;Ray&amp;Co&gt;"), std::string::npos);
    EXPECT_EQ(html.find("<Ray&Co>"), std::string::npos);
}

TEST(BoxScoreTables, OffenceRowsOnlyForPlayersWhoTookPart) {
    GAME_RECORD* game = Build_Output_Test_Game();
    int32_t qb = Test_League_Slot(POSITION_QB, 0);
    int32_t rb = Test_League_Slot(POSITION_RB, 0);
    int32_t wr = Test_League_Slot(POSITION_WR, 0);
    int32_t qb_id = Test_League_Player_ID(0, qb);
    Add_Test_Log_Entry(game, 0, RESULT_COMPLETED_PASS, qb_id, Test_League_Player_ID(0, wr), 15);
    // A fumble returned for a touchdown on a pass play names the man who lost
    // the ball, not a rush; on a running play it was his carry.
    int32_t pass_play = 0, run_play = 0;
    while (Is_Running_Play(game->Team[0], pass_play))
        ++pass_play;
    while (!Is_Running_Play(game->Team[0], run_play))
        ++run_play;
    Add_Test_Log_Entry(game, 0, RESULT_FUMBLE_TOUCHDOWN, Test_League_Player_ID(0, rb), -1, 0)
        ->Offensive_Play = static_cast<uint8_t>(pass_play);
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, qb, 0, 3), 1);
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, qb, 0, 10), 0) << "the passer caught nothing";
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, wr, 0, 10), 1);
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, wr, 0, 3), 0) << "the receiver threw nothing";
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, rb, 0, 13), 1);
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, rb, 0, 7), 0);
    Add_Test_Log_Entry(game, 0, RESULT_FUMBLE_TOUCHDOWN, Test_League_Player_ID(0, rb), -1, 3)
        ->Offensive_Play = static_cast<uint8_t>(run_play);
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, rb, 0, 7), 1) << "the run that lost the ball";
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, rb, 0, 8), 3);
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, rb, 0, 13), 2);
    Get_Box_Score_HTML().clear();
    Write_Box_Score_Offense_Tables(game);
    const std::string& html = Get_Box_Score_HTML();
    EXPECT_EQ(Count_Text(html, "<TR class=\"highlight\">") + Count_Text(html, "<TR>"), 3)
        << "passer, receiver and the back who only fumbled";
}

TEST(BoxScoreTables, PlayerTablesAreTheOffenceTablesThenTheDefenceTable) {
    GAME_RECORD* game = Build_Output_Test_Game();
    const int32_t qb_id = Test_League_Player_ID(0, Test_League_Slot(POSITION_QB, 0));
    const int32_t wr_id = Test_League_Player_ID(0, Test_League_Slot(POSITION_WR, 0));
    const int32_t cb_id = Test_League_Player_ID(1, Test_League_Slot(POSITION_CB, 0));
    Add_Test_Log_Entry(game, 0, RESULT_COMPLETED_PASS, qb_id, wr_id, 15);
    Add_Test_Log_Entry(game, 0, RESULT_PASS_KNOCKED_DOWN, qb_id, cb_id, 0);
    Get_Box_Score_HTML().clear();
    Write_Box_Score_Offense_Tables(game);
    Write_Box_Score_Defense_Table(game);
    const std::string apart = Get_Box_Score_HTML();
    Get_Box_Score_HTML().clear();
    Write_Box_Score_Player_Tables(game);
    EXPECT_EQ(Get_Box_Score_HTML(), apart);
    EXPECT_NE(apart.find("Tackles"), std::string::npos);
}

TEST(BoxScoreTables, LongGameKeepsEveryRowAndTheClosingTags) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Get_Box_Score_HTML().clear();
    Write_Scoring_Plays_Header(game);
    game->Current_Play.Play_Word = static_cast<uint32_t>(RESULT_FIELD_GOAL_GOOD) << PLAY_WORD_RESULT_SHIFT;
    for (int i = 0; i < 400; ++i)
        Write_Scoring_Play_Row(game);
    Close_Scoring_Plays_Table();
    Write_Box_Score_Team_Stats(game);
    Close_Box_Score_Page();
    const std::string& html = Get_Box_Score_HTML();
    EXPECT_GT(html.size(), 35000u);
    EXPECT_EQ(Count_Text(html, "Field Goal</TD>"), 400);
    EXPECT_NE(html.find("Time of Possession"), std::string::npos);
    EXPECT_EQ(html.substr(html.size() - 23), "</TBODY></TABLE></HTML>");
}

// Passes defensed go to the defender a knocked-down pass names, counted only
// for a player of the side without the ball: an entry stored with the
// receiver in that place credits nobody.
TEST(BoxScoreTables, PassesDefensedOnlyForADefenderOfTheOtherSide) {
    GAME_RECORD* game = Build_Output_Test_Game();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    const int32_t cb = Test_League_Slot(POSITION_CB, 0);
    Add_Test_Log_Entry(game, 0, RESULT_PASS_KNOCKED_DOWN, Test_League_Player_ID(0, qb),
                       Test_League_Player_ID(1, cb), 0);
    Add_Test_Log_Entry(game, 0, RESULT_PASS_KNOCKED_DOWN, Test_League_Player_ID(0, qb),
                       Test_League_Player_ID(0, wr), 0);
    Add_Test_Log_Entry(game, 0, RESULT_PASS_FUMBLE, Test_League_Player_ID(0, qb),
                       Test_League_Player_ID(1, cb), -6);
    EXPECT_EQ(Count_Player_Log_Plays(game, 1, cb, 2, 6), 1);
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, wr, 2, 6), 0) << "the receiver defended nothing";
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, wr, 0, 10), 0) << "nor caught anything";
    EXPECT_EQ(Count_Player_Log_Plays(game, 1, cb, 2, 8), 1) << "the sacked passer's fumble he recovered";
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, qb, 0, 13), 1) << "the passer lost it";
    EXPECT_EQ(Count_Player_Log_Plays(game, 0, qb, 0, 3), 0) << "no completion";
    Get_Box_Score_HTML().clear();
    Write_Box_Score_Defense_Table(game);
    EXPECT_NE(Get_Box_Score_HTML().find("<TD class=lmc>1</TD><TD class=lmc>1</TD>"), std::string::npos)
        << "one pass defensed and one fumble recovered";
}

namespace {
// The 17 cells after the name of `name`'s row of side 0's offence table.
std::vector<std::string> Offence_Row(const std::string& html, const std::string& name) {
    const std::vector<std::vector<BOX_SCORE_ROW>> tables = Read_Box_Score_Player_Tables(html);
    if (!tables.empty())
        for (const BOX_SCORE_ROW& row : tables[0])
            if (row.Name == name) return row.Cells;
    return {};
}

std::string Joined(const std::vector<std::string>& cells, size_t from, size_t count) {
    std::string text;
    for (size_t n = from; n < from + count && n < cells.size(); ++n)
        text += (n > from ? "|" : "") + cells[n];
    return text;
}

std::string Full_Name(int32_t team, int32_t slot) {
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    return name;
}
} // namespace

// Every player's line holds what he did: a back's passes (attempts,
// completions, yards, touchdowns, interceptions) as a quarterback's; his runs
// that ended in a safety or in a fumble returned for a touchdown among his
// rushes; a quarterback's scramble into a safety, which the log cannot tell
// from a sack but the side's rushing totals can; the counters of the listed
// players. Each table then adds up to the team's lines.
TEST(BoxScoreTables, EveryPlayersLineHoldsWhatHeDid) {
    GAME_RECORD* game = Build_Output_Test_Game();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    const int32_t qb_id = Test_League_Player_ID(0, qb);
    const int32_t rb_id = Test_League_Player_ID(0, rb);
    const int32_t wr_id = Test_League_Player_ID(0, wr);
    const int32_t cb_id = Test_League_Player_ID(1, Test_League_Slot(POSITION_CB, 0));
    int32_t pass_play = 0, run_play = 0;
    while (Is_Running_Play(game->Team[0], pass_play))
        ++pass_play;
    while (!Is_Running_Play(game->Team[0], run_play))
        ++run_play;
    const auto on = [](PLAY_LOG_ENTRY* entry, int32_t play) {
        entry->Offensive_Play = static_cast<uint8_t>(play);
    };

    // The quarterback: 2 of 3 for 25 yards, the counters his own.
    List_Test_Player(game, 0, 0, qb);
    Add_Game_Player_Counter(game, 0, qb, 0, 3);
    Add_Game_Player_Counter(game, 0, qb, 1, 2);
    Add_Game_Player_Counter(game, 0, qb, 2, 25);
    Add_Test_Log_Entry(game, 0, RESULT_COMPLETED_PASS, qb_id, wr_id, 10);
    Add_Test_Log_Entry(game, 0, RESULT_COMPLETED_PASS, qb_id, wr_id, 15);
    Add_Test_Log_Entry(game, 0, RESULT_INCOMPLETE_PASS, qb_id, wr_id, 0);
    // The back throws three: a touchdown, an incompletion, an interception.
    Add_Test_Log_Entry(game, 0, RESULT_TOUCHDOWN_PASS, rb_id, wr_id, 20);
    Add_Test_Log_Entry(game, 0, RESULT_INCOMPLETE_PASS, rb_id, wr_id, 0);
    Add_Test_Log_Entry(game, 0, RESULT_INTERCEPTION, rb_id, cb_id, 0);
    // His four runs: 5, 3, a safety for -2 and a fumble returned for a
    // touchdown after 3 yards.
    Add_Test_Log_Entry(game, 0, RESULT_RUN_LEFT, rb_id, -1, 5);
    Add_Test_Log_Entry(game, 0, RESULT_RUN_RIGHT, rb_id, -1, 3);
    on(Add_Test_Log_Entry(game, 0, RESULT_SAFETY, rb_id, cb_id, -2), run_play);
    on(Add_Test_Log_Entry(game, 0, RESULT_FUMBLE_TOUCHDOWN, rb_id, cb_id, 3), run_play);
    // On pass plays: the quarterback sacked into a fumble returned for a
    // touchdown, and his scramble downed in the end zone for -4.
    on(Add_Test_Log_Entry(game, 0, RESULT_FUMBLE_TOUCHDOWN, qb_id, cb_id, 30), pass_play);
    on(Add_Test_Log_Entry(game, 0, RESULT_SAFETY, qb_id, cb_id, -4), pass_play);
    // The receiver's counters hold his three catches.
    List_Test_Player(game, 0, 0, wr);
    Add_Game_Player_Counter(game, 0, wr, 2, 3);
    Add_Game_Player_Counter(game, 0, wr, 3, 45);
    game->Team_Totals[0][GAME_TOTAL_RUSHES] = 5;
    game->Team_Totals[0][GAME_TOTAL_RUSHING_YARDS] = 5;
    game->Team_Totals[0][GAME_TOTAL_PASS_ATTEMPTS] = 6;
    game->Team_Totals[0][GAME_TOTAL_COMPLETIONS] = 3;
    game->Team_Totals[0][GAME_TOTAL_PASSING_YARDS] = 45;

    Get_Box_Score_HTML().clear();
    Write_Box_Score_Offense_Tables(game);
    const std::string& html = Get_Box_Score_HTML();
    const std::vector<std::string> passer = Offence_Row(html, Full_Name(0, qb));
    const std::vector<std::string> back = Offence_Row(html, Full_Name(0, rb));
    const std::vector<std::string> receiver = Offence_Row(html, Full_Name(0, wr));
    ASSERT_EQ(passer.size(), 17u);
    ASSERT_EQ(back.size(), 17u);
    ASSERT_EQ(receiver.size(), 17u);
    EXPECT_EQ(Joined(back, 2, 5), "1|3|20|1|1") << "the back's passes, as thrown";
    EXPECT_EQ(Joined(back, 8, 5), "4|9|2.3||1") << "his safety and his lost fumble among his runs";
    EXPECT_EQ(Joined(passer, 2, 5), "2|3|25||");
    EXPECT_EQ(Joined(passer, 8, 5), "1|-4|-4.0||1") << "the scramble is his rush; the sack is none";
    EXPECT_EQ(Joined(receiver, 13, 4), "3|45|15.0|1");

    // With no rush left over in the totals, neither pass-play snap is a run.
    game->Team_Totals[0][GAME_TOTAL_RUSHES] = 4;
    game->Team_Totals[0][GAME_TOTAL_RUSHING_YARDS] = 9;
    Get_Box_Score_HTML().clear();
    Write_Box_Score_Offense_Tables(game);
    EXPECT_EQ(Joined(Offence_Row(Get_Box_Score_HTML(), Full_Name(0, qb)), 8, 5), "||||");
    Get_Box_Score_HTML().clear();
}
