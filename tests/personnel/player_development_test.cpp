#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/player_value.h"
#include "personnel/career_score.h"
#include "personnel/contract_length.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_pool_players.h"
#include "personnel/personnel_settings.h"
#include "personnel/player_development.h"
#include "personnel/player_generation.h"
#include "personnel/player_names.h"
#include "personnel/player_retirement.h"
#include "platform/message_box.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 4;

void Set_Age(int32_t team, int32_t slot, int32_t age) {
    Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, (Get_Current_Year() - age) * 10000 + 615);
}

void Set_Development(int32_t team, int32_t slot, int32_t growth_age, int32_t decline_age, int32_t growth,
                     int32_t divisor) {
    Set_Player_Vital_Stat(team, slot, VITAL_FIRST_DECLINE_AGE, decline_age);
    Set_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE, growth_age);
    Set_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE, growth);
    Set_Player_Vital_Stat(team, slot, VITAL_DECLINE_DIVISOR, divisor);
}

// A free agent whose every rating is 20: worth nothing past his peak.
int32_t Add_Worthless_Free_Agent(int32_t slot, int32_t position, int32_t age) {
    Create_Player_For_Team(FREE_AGENT_TEAM, slot, position, 1.0f);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(FREE_AGENT_TEAM, slot, rating, 20.0f);
    Set_Age(FREE_AGENT_TEAM, slot, age);
    return Get_Player_ID(FREE_AGENT_TEAM, slot);
}

// A receiver with a Hall of Fame career: 15,000 yards and 120 touchdowns in 12 seasons.
void Give_Great_Career(int32_t team, int32_t slot) {
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, POSITION_WR);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 12);
    Set_Player_Stat(team, slot, SEASON_CAREER, 0, 190);
    Set_Player_Stat(team, slot, SEASON_CAREER, 11, 15000);
    Set_Player_Stat(team, slot, SEASON_CAREER, 12, 120);
}

constexpr int32_t VITAL_INDUCTION_YEAR = 19;
constexpr int32_t VITAL_VOTE_SHARE = 20;

// A full Hall of Fame of team 5's players, each member with a season line of
// his own and the share share_of(member), inducted thirty years ago at most.
template <typename F> void Fill_Hall_Of_Fame(F share_of) {
    for (int32_t member = 0; member < PLAYERS_PER_TEAM; ++member) {
        Copy_Player(HALL_OF_FAME_TEAM, member, 5, member % TEST_ROSTER_SIZE);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, member, VITAL_PLAYER_ID, 900000 + member);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, member, VITAL_VOTE_SHARE, share_of(member));
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, member, VITAL_INDUCTION_YEAR, Get_Current_Year() - 30);
        Clear_Player_Season_Line_Links(HALL_OF_FAME_TEAM, member);
        Add_Player_Season_Line(HALL_OF_FAME_TEAM, member, 1990, 5);
    }
}

// Every season line in use is linked by some player: none was orphaned.
bool Every_Season_Line_Is_Linked() {
    std::set<int32_t> linked;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n)
            if (Get_Player_Season_Line(team, slot, n) != NO_SEASON_LINE)
                linked.insert(Get_Player_Season_Line(team, slot, n));
    });
    for (int32_t line = 0; line < MAX_SEASON_LINES; ++line)
        if (!Is_Season_Line_Blank(line) && linked.count(line) == 0) return false;
    return true;
}
} // namespace

TEST(Development, YoungPlayersGrowVeteransDeclineAndTheYearsBetweenHold) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_RB, 0);
    Set_Development(TEAM, slot, 25, 28, 150, 100);
    Set_Age(TEAM, slot, 23);
    EXPECT_FLOAT_EQ(Get_Development_Amount(TEAM, slot, 0), 3.0f);
    Set_Age(TEAM, slot, 27);
    EXPECT_FLOAT_EQ(Get_Development_Amount(TEAM, slot, 0), 0.0f);
    // Past the decline age: -1 up to the midpoint of peak (27) and decline age, then the years beyond it.
    Set_Age(TEAM, slot, 29);
    EXPECT_FLOAT_EQ(Get_Development_Amount(TEAM, slot, 0), -1.5f);
    Universe.Header.Universe_Stats[PLAYER_AGING_FACTOR] = 50;
    EXPECT_FLOAT_EQ(Get_Development_Amount(TEAM, slot, 0), -2.25f);
    // A record without a decline divisor declines at the normal rate, not without end.
    Set_Player_Vital_Stat(TEAM, slot, VITAL_DECLINE_DIVISOR, 0);
    EXPECT_FLOAT_EQ(Get_Development_Amount(TEAM, slot, 0), -2.25f);
    Universe.Header.Universe_Stats[PLAYER_AGING_FACTOR] = 0;

    // At his growth age he keeps his ratings; past 25 only his Speed fades.
    Set_Age(TEAM, slot, 25);
    Set_Player_Rating(TEAM, slot, RATING_SPEED, 80.0f);
    PLAYER_RECORD before = Universe.Teams[TEAM].Players[slot];
    Develop_Player(TEAM, slot, 0);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        if (before.Ratings[rating] > 85.0f) continue;
        EXPECT_FLOAT_EQ(Universe.Teams[TEAM].Players[slot].Ratings[rating], before.Ratings[rating]) << rating;
    }
    Set_Age(TEAM, slot, 26);
    Develop_Player(TEAM, slot, 0);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_SPEED), before.Ratings[RATING_SPEED] - 1.3f);
}

TEST(Development, RatingsPastNinetyNineAreReflectedAndKeptBelowIt) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    Set_Development(TEAM, slot, 25, 28, 100, 100);
    Set_Age(TEAM, slot, 26);
    Set_Player_Rating(TEAM, slot, RATING_RECEIVING, 100.0f);
    Set_Player_Rating(TEAM, slot, RATING_HANDS, 120.0f);
    Set_Player_Rating(TEAM, slot, RATING_VISION, 250.0f);
    Develop_Player(TEAM, slot, 0);
    // 100 reflects to 98, then the pull of a projection: 13^4 / 41,666.7 x 0.25.
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_RECEIVING), 98.0f - 0.1714f, 0.001f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_HANDS), 78.0f) << "reflected to 78 and stored";
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_VISION), 20.0f);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        EXPECT_LE(Universe.Teams[TEAM].Players[slot].Ratings[rating], 99.0f) << rating;
}

// The steps worked on a copy come to exactly the ratings the steps on the
// record leave, growing or declining, and leave the record and the draws
// alone; a step the accessors would repair is refused.
TEST(Development, ProjectedStepsMatchTheStepsOnTheRecordOrAreRefused) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    const auto Same_As_Record_Steps = [&](int32_t years, const char* what) {
        const PLAYER_RECORD before = Universe.Teams[TEAM].Players[slot];
        const uint64_t draws = Get_Random_Draw_Count();
        float projected[NUMBER_OF_PLAYER_RATINGS];
        ASSERT_TRUE(Project_Development(TEAM, slot, years, projected)) << what;
        EXPECT_EQ(memcmp(&before, &Universe.Teams[TEAM].Players[slot], sizeof before), 0) << what;
        EXPECT_EQ(Get_Random_Draw_Count(), draws) << what;
        for (int32_t year = 0; year < years; ++year)
            Develop_Player(TEAM, slot, 0);
        EXPECT_EQ(memcmp(projected, Universe.Teams[TEAM].Players[slot].Ratings, sizeof projected), 0) << what;
        Universe.Teams[TEAM].Players[slot] = before;
    };
    // Growing past 25, where Speed fades, with a rating high enough to be pulled.
    Set_Development(TEAM, slot, 30, 32, 140, 100);
    Set_Age(TEAM, slot, 26);
    Set_Player_Rating(TEAM, slot, RATING_RECEIVING, 97.0f);
    Set_Player_Rating(TEAM, slot, RATING_SPEED, 90.0f);
    // A rating his position does not use, high enough to be pulled, and one past 99.
    Set_Player_Rating(TEAM, slot, RATING_PUNT_DISTANCE, 95.0f);
    Set_Player_Rating(TEAM, slot, RATING_FG_ACCURACY, 104.0f);
    Same_As_Record_Steps(4, "growing");
    // Declining past 30, where the pull doubles.
    Set_Age(TEAM, slot, 34);
    Same_As_Record_Steps(3, "declining");
    // Between growth and decline, and growing at no rate.
    Set_Age(TEAM, slot, 31);
    Same_As_Record_Steps(2, "holding");
    Set_Age(TEAM, slot, 24);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_GROWTH_RATE, 0);
    Same_As_Record_Steps(2, "no growth");
    Set_Player_Vital_Stat(TEAM, slot, VITAL_GROWTH_RATE, 140);

    const auto Refused = [&](const char* what) {
        const PLAYER_RECORD before = Universe.Teams[TEAM].Players[slot];
        const uint64_t draws = Get_Random_Draw_Count();
        float projected[NUMBER_OF_PLAYER_RATINGS];
        EXPECT_FALSE(Project_Development(TEAM, slot, 3, projected)) << what;
        EXPECT_EQ(memcmp(&before, &Universe.Teams[TEAM].Players[slot], sizeof before), 0) << what;
        EXPECT_EQ(Get_Random_Draw_Count(), draws) << what;
        Universe.Teams[TEAM].Players[slot] = before;
    };
    Set_Age(TEAM, slot, 26);
    const PLAYER_RECORD sound = Universe.Teams[TEAM].Players[slot];
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_HANDS] = 12.0f;
    Refused("a rating below 20 is raised when read");
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_HANDS] = std::nanf("");
    Refused("a missing rating is replaced when read");
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_DURABILITY] = 130.0f;
    Refused("Durability above 120 is read from statistics");
    Universe.Teams[TEAM].Players[slot] = sound;
    Set_Player_Vital_Stat(TEAM, slot, VITAL_GROWTH_RATE, 400);
    Refused("a damaged growth rate is drawn anew");
    Universe.Teams[TEAM].Players[slot] = sound;
    Set_Player_Rating(TEAM, slot, RATING_SPEED, 22.0f);
    Refused("Speed fading below 20 is raised at the next read");
}

TEST(Development, ClassPeaksNearItsPositionsPeakAgeThenDeclines) {
    Build_Test_League();
    Seed_Random_Numbers(5);
    Clear_Name_Buffers();
    Create_College_Draft_Pool();
    // Mean evaluation by years from the position's peak age, over 15 seasons.
    std::map<int32_t, std::pair<double, int32_t>> by_distance;
    for (int32_t year = 0; year <= 15; ++year) {
        int32_t team = 0;
        int32_t slot = 0;
        for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i) {
            if (year > 0) Develop_Player(team, slot, 1);
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            const int32_t distance = Get_Player_Calendar_Age(team, slot) - Get_Position_Peak_Age(position);
            auto& bucket = by_distance[distance];
            bucket.first += Evaluate_Player_At_Own_Position(team, slot);
            ++bucket.second;
        }
        Set_User_Preference(CURRENT_SEASON_INDEX, Get_User_Preference(CURRENT_SEASON_INDEX) + 1);
    }
    auto mean = [&by_distance](int32_t distance) {
        const auto& bucket = by_distance[distance];
        return bucket.second > 0 ? bucket.first / bucket.second : 0.0;
    };
    int32_t best = -99;
    for (const auto& [distance, bucket] : by_distance)
        if (bucket.second >= 100 && (best == -99 || mean(distance) > mean(best))) best = distance;
    EXPECT_GE(best, -4) << "the class peaks near its positions' peak ages";
    EXPECT_LE(best, 2);
    EXPECT_GT(mean(best) - mean(-7), 2.0) << "it grows into its peak";
    EXPECT_GT(mean(best) - mean(5), 3.0) << "and declines after it";
}

TEST(Retirement, FreeAgentRetiresOnceHisYearsOutweighHisValueAndLeavesNoHole) {
    Build_Test_League();
    Seed_Random_Numbers(9);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    // A running back peaks at 27: with no value he stays at 29 and retires at 30.
    const int32_t stays = Add_Worthless_Free_Agent(0, POSITION_RB, 29);
    const int32_t retires = Add_Worthless_Free_Agent(1, POSITION_RB, 30);
    const int32_t follows = Add_Worthless_Free_Agent(2, POSITION_RB, 24);
    ASSERT_EQ(Get_Player_Value(FREE_AGENT_TEAM, 1), 0);
    EXPECT_EQ(Check_Player_Retirement(FREE_AGENT_TEAM, 0), 0);
    EXPECT_EQ(Check_Player_Retirement(FREE_AGENT_TEAM, 1), 1);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), stays);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 1), follows) << "the later player moved up";
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 2), 0);
    EXPECT_NE(Get_Player_ID(FREE_AGENT_TEAM, 1), retires);

    // The yearly step of a free agent ages him into retirement.
    Set_Age(FREE_AGENT_TEAM, 0, 30);
    EXPECT_EQ(Advance_Player_Year(FREE_AGENT_TEAM, 0), 0);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), follows);
    // A move to the retired list retires him the same way.
    EXPECT_EQ(Move_Player_To_Team(41, FREE_AGENT_TEAM, 0), -1);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), 0);
}

TEST(HallOfFame, TheVoteInductsLongGreatCareersAndAFullHallOfTopSharesTakesNobody) {
    Build_Test_League();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    Give_Great_Career(TEAM, slot);
    EXPECT_EQ(Get_Player_Career_Score(TEAM, slot), 95) << "(15,000 x 3 + 100 x 120) / 600";
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 9);
    EXPECT_EQ(Consider_Hall_Of_Fame_Induction(TEAM, slot), 0) << "nine seasons are not enough";

    // Retired, he enters the Hall with his season lines; his team closes up.
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 12);
    const int32_t id = Get_Player_ID(TEAM, slot);
    const int32_t next = Get_Player_ID(TEAM, slot + 1);
    const int32_t lines = Count_Player_Season_Lines(TEAM, slot);
    ASSERT_GT(lines, 0);
    Retire_Player(TEAM, slot);
    EXPECT_EQ(Get_Player_ID(HALL_OF_FAME_TEAM, 0), id);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, 20), 95) << "vote share";
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, 19), Get_Current_Year());
    EXPECT_EQ(Count_Player_Season_Lines(HALL_OF_FAME_TEAM, 0), lines);
    EXPECT_EQ(Get_Player_ID(TEAM, slot), next);
    EXPECT_EQ(Get_First_Empty_Player_Slot(TEAM), TEST_ROSTER_SIZE - 1);

    // A full Hall whose members all hold the highest share keeps every one of
    // them: the candidate is not inducted and leaves with his lines.
    for (int32_t member = 0; member < PLAYERS_PER_TEAM; ++member) {
        Copy_Player(HALL_OF_FAME_TEAM, member, 5, member % TEST_ROSTER_SIZE);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, member, VITAL_PLAYER_ID, 900000 + member);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, member, 20, 100);
    }
    const PLAYER_RECORD last = Universe.Teams[HALL_OF_FAME_TEAM].Players[99];
    const int32_t candidate = Test_League_Slot(POSITION_WR, 1);
    Give_Great_Career(TEAM, candidate);
    const int32_t candidate_line = Get_Player_Season_Line(TEAM, candidate, 0);
    ASSERT_GE(candidate_line, 0);
    EXPECT_EQ(Consider_Hall_Of_Fame_Induction(TEAM, candidate), 0);
    Retire_Player(TEAM, candidate);
    EXPECT_EQ(memcmp(&Universe.Teams[HALL_OF_FAME_TEAM].Players[99], &last, sizeof last), 0);
    EXPECT_EQ(Get_Season_Line_Year(candidate_line), 0) << "a refused candidate's lines are deleted";
}

TEST(HallOfFame, AFullHallTakesACandidateWhoOutvotesItsLowestMemberInShareOrder) {
    Build_Test_League();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    // Shares 100 down to 51, two members each: the great career's vote lands between.
    Fill_Hall_Of_Fame([](int32_t member) { return 100 - member / 2; });
    ASSERT_TRUE(Every_Season_Line_Is_Linked());
    const int32_t dropped_line = Get_Player_Season_Line(HALL_OF_FAME_TEAM, 99, 0);
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    Give_Great_Career(TEAM, slot);
    const int32_t id = Get_Player_ID(TEAM, slot);
    const int32_t lines = Count_Player_Season_Lines(TEAM, slot);
    const int32_t first_line = Get_Player_Season_Line(TEAM, slot, 0);
    ASSERT_GT(lines, 0);

    Retire_Player(TEAM, slot);

    int32_t place = -1;
    for (int32_t member = 0; member < PLAYERS_PER_TEAM; ++member)
        if (Get_Player_ID(HALL_OF_FAME_TEAM, member) == id) place = member;
    ASSERT_GT(place, 0) << "inducted below the members with the top shares";
    const int32_t share = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, place, VITAL_VOTE_SHARE);
    EXPECT_GE(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, place - 1, VITAL_VOTE_SHARE), share);
    EXPECT_LT(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, place + 1, VITAL_VOTE_SHARE), share);
    // The members keep their order; the last one, the lowest share, is gone.
    EXPECT_EQ(Get_First_Empty_Player_Slot(HALL_OF_FAME_TEAM), PLAYERS_PER_TEAM);
    for (int32_t member = 0; member < PLAYERS_PER_TEAM - 1; ++member)
        EXPECT_EQ(Get_Player_ID(HALL_OF_FAME_TEAM, member < place ? member : member + 1), 900000 + member);
    // His lines moved with him, the dropped member's went with the dropped member.
    EXPECT_EQ(Count_Player_Season_Lines(HALL_OF_FAME_TEAM, place), lines);
    EXPECT_EQ(Get_Player_Season_Line(HALL_OF_FAME_TEAM, place, 0), first_line);
    EXPECT_NE(Get_Season_Line_Year(first_line), 0);
    EXPECT_EQ(Get_Season_Line_Year(dropped_line), 0);
    EXPECT_TRUE(Every_Season_Line_Is_Linked());

    // A second great career that only ties the lowest member stays out and
    // leaves the Hall as it was, taking his lines with him.
    for (int32_t member = 0; member < PLAYERS_PER_TEAM; ++member)
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, member, VITAL_VOTE_SHARE, std::max(share, 100 - member / 2));
    const TEAM_RECORD hall = Universe.Teams[HALL_OF_FAME_TEAM];
    const int32_t candidate = Test_League_Slot(POSITION_WR, 1);
    Give_Great_Career(TEAM, candidate);
    const int32_t candidate_line = Get_Player_Season_Line(TEAM, candidate, 0);
    Retire_Player(TEAM, candidate);
    EXPECT_EQ(memcmp(&Universe.Teams[HALL_OF_FAME_TEAM], &hall, sizeof hall), 0);
    EXPECT_EQ(Get_Season_Line_Year(candidate_line), 0);
    EXPECT_TRUE(Every_Season_Line_Is_Linked());
}

TEST(Development, YearlyStepCountsSeasonsAndRunsTheContractDown) {
    Build_Test_League();
    Seed_Random_Numbers(3);
    const int32_t slot = Test_League_Slot(POSITION_LB, 1);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 4);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CONTRACT_YEARS, 3);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS, 300);
    EXPECT_EQ(Advance_Player_Year(TEAM, slot), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS), 5);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_CONTRACT_YEARS), 2);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS), 200);
    // The last year of a contract leads to talks on a new one, whose first
    // year is the season that ends and runs down with it.
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CONTRACT_YEARS, 1);
    EXPECT_EQ(Advance_Player_Year(TEAM, slot), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_CONTRACT_YEARS),
              Get_Desired_Contract_Length(TEAM, slot) - 1);
    // A player who never played is not credited with a season; thirty is the most.
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 0);
    Set_Player_Stat(TEAM, slot, SEASON_CAREER, 0, 0);
    Advance_Player_Year(TEAM, slot);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS), 0);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 30);
    Advance_Player_Year(TEAM, slot);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS), 30);

    // Contract lengths: 2..7 years, down to 1 for a free agent during the season.
    For_Each_League_Player([](int32_t team, int32_t player) {
        const int32_t years = Get_Desired_Contract_Length(team, player);
        EXPECT_GE(years, 2);
        EXPECT_LE(years, 7);
    });
    Universe.Season_Length = 17;
    for (int32_t day = 0; day < 5; ++day)
        Universe.Post_Season_Days[day] = 18 + day;
    Set_User_Preference(CURRENT_WEEK, 10);
    Add_Worthless_Free_Agent(0, POSITION_P, 40);
    EXPECT_EQ(Get_Desired_Contract_Length(FREE_AGENT_TEAM, 0), 1);
}

TEST(Development, EveryPlayerDevelopsWithoutChanceButTheHallOfFameStays) {
    Build_Test_League();
    const int32_t veteran = Test_League_Slot(POSITION_RB, 0);
    Set_Development(TEAM, veteran, 25, 28, 150, 100);
    Set_Age(TEAM, veteran, 31);
    const int32_t agent = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    Add_Worthless_Free_Agent(agent, POSITION_WR, 22);
    Set_Development(FREE_AGENT_TEAM, agent, 25, 28, 150, 100);
    Copy_Player(HALL_OF_FAME_TEAM, 0, TEAM, Test_League_Slot(POSITION_QB, 0));
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_INDUCTION_YEAR, 1990);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_VOTE_SHARE, 95);

    // What one step without chance makes of each, taken one by one.
    const PLAYER_RECORD veteran_before = Universe.Teams[TEAM].Players[veteran];
    const PLAYER_RECORD agent_before = Universe.Teams[FREE_AGENT_TEAM].Players[agent];
    Develop_Player(TEAM, veteran, 0);
    Develop_Player(FREE_AGENT_TEAM, agent, 0);
    const PLAYER_RECORD veteran_after = Universe.Teams[TEAM].Players[veteran];
    const PLAYER_RECORD agent_after = Universe.Teams[FREE_AGENT_TEAM].Players[agent];
    Universe.Teams[TEAM].Players[veteran] = veteran_before;
    Universe.Teams[FREE_AGENT_TEAM].Players[agent] = agent_before;
    const PLAYER_RECORD member = Universe.Teams[HALL_OF_FAME_TEAM].Players[0];

    const uint64_t draws = Get_Random_Draw_Count();
    Develop_All_Players();
    EXPECT_EQ(Get_Random_Draw_Count(), draws) << "no chance in it";
    EXPECT_EQ(memcmp(&Universe.Teams[TEAM].Players[veteran], &veteran_after, sizeof veteran_after), 0);
    EXPECT_EQ(memcmp(&Universe.Teams[FREE_AGENT_TEAM].Players[agent], &agent_after, sizeof agent_after), 0);
    EXPECT_LT(veteran_after.Ratings[RATING_SPEED], veteran_before.Ratings[RATING_SPEED]) << "he did decline";
    EXPECT_EQ(memcmp(&Universe.Teams[HALL_OF_FAME_TEAM].Players[0], &member, sizeof member), 0)
        << "a member's vitals 19 and 20 are his induction, not his development";
}

TEST(HallOfFame, VotersCountThreeForEveryRingAndPoolPlacesGradeFromTheTop) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    Give_Great_Career(TEAM, slot);
    Set_Player_Byte_Field(TEAM, slot, PLAYER_BYTE_RINGS, 0);
    EXPECT_EQ(Get_Player_Career_Score_With_Rings(TEAM, slot), 95);
    Set_Player_Byte_Field(TEAM, slot, PLAYER_BYTE_RINGS, 2);
    EXPECT_EQ(Get_Player_Career_Score_With_Rings(TEAM, slot), 101);
    EXPECT_EQ(Get_Player_Career_Score(TEAM, slot), 95) << "the career score itself counts no rings";

    const int32_t grades[][2] = {{0, 82}, {1, 81}, {2, 81}, {3, 80}, {9, 80}, {10, 79}, {100, 70}, {299, 51}};
    for (const auto& [place, grade] : grades) {
        EXPECT_EQ(Get_Draft_Pool_Place_Grade(place), grade) << "place " << place;
        EXPECT_EQ(Get_Draft_Pool_Slot_Grade(38 + place / 100, place % 100), grade) << "place " << place;
    }
}
