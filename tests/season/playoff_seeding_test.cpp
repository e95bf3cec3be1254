#include <gtest/gtest.h>

#include <set>

#include "database/game_record_layout.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "season/playoff_seeding.h"
#include "season/season_calendar.h"
#include "support/hand_built_results.h"
#include "support/test_league.h"

namespace {
constexpr int SEASON_LENGTH = 17;

// `teams` franchises four to a division with `wild_cards` per conference;
// in each conference of 16 the team of the lower slot has the better record.
void Build_Bracket_League(int teams, int wild_cards) {
    Reset_Hand_Built_League(teams, SEASON_LENGTH);
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = wild_cards;
    Universe.Header.Championship_Round_Flag = 1;
    for (int team = 0; team < teams; ++team) {
        Set_Team_Record_Char(team, RECORD_CHAR_WINS, 16 - team % 16);
        Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, team % 16);
    }
}

void Set_Record(int team, int wins) {
    Set_Team_Record_Char(team, RECORD_CHAR_WINS, wins);
    Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, 16 - wins);
}

void Seed_At_Season_End() {
    Set_User_Preference(CURRENT_WEEK, 0);
    Update_Standings();
    Seed_Playoffs();
    Set_User_Preference(CURRENT_WEEK, SEASON_LENGTH);
}

// Plays every entered game of the week: the team with the lower slot
// number wins, unless `upsets` says the visitor wins.
int Play_Bracket_Week(bool upsets = false) {
    const int week = Get_User_Preference(CURRENT_WEEK);
    int played = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        const int code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
        if (code <= 0) continue;
        GAME_RECORD game{};
        game.Team[1] = static_cast<uint8_t>(team);
        game.Team[0] = static_cast<uint8_t>(code - 1);
        const bool home_wins = upsets ? false : team < code - 1;
        game.Score[1] = home_wins ? 24 : 10;
        game.Score[0] = home_wins ? 10 : 24;
        Record_Playoff_Result(&game);
        ++played;
    }
    return played;
}

// Runs the post-season week by week as the calendar does: enter the round's
// games, play them, move on. Returns the games played.
int Run_Playoffs(bool upsets = false) {
    int games = 0;
    for (int week = SEASON_LENGTH; week <= SEASON_LENGTH + 5 && !Is_Champion_Decided(); ++week) {
        Set_User_Preference(CURRENT_WEEK, week);
        Schedule_Playoff_Week();
        games += Play_Bracket_Week(upsets);
    }
    return games;
}
} // namespace

TEST(PlayoffSeeding, SixTeamsAConferenceFillTheirSeedSlots) {
    Build_Bracket_League(32, 2);
    Seed_At_Season_End();
    // Conference 0: leaders 0, 4, 8, 12; wild cards 1 and 2.
    const int slots[6] = {17, 19, 5, 1, 0, 4};
    const int teams[6] = {0, 4, 8, 12, 1, 2};
    for (int seed = 0; seed < 6; ++seed) {
        EXPECT_EQ(Get_Playoff_Team(slots[seed]), teams[seed]) << "seed " << seed + 1;
        EXPECT_EQ(Get_Team_Stat(teams[seed], TEAM_STAT_PLAYOFF_SEED), seed + 1);
    }
    EXPECT_EQ(Get_Team_Stat(3, TEAM_STAT_PLAYOFF_SEED), 0);
    EXPECT_EQ(Get_Playoff_Team(21), 16) << "conference 1's first seed";

    EXPECT_EQ(Schedule_Playoff_Week(), 4) << "seeds 3-6 and 4-5 of each conference";
    EXPECT_EQ(Get_Team_Schedule_Stat(8, SEASON_LENGTH, SCHEDULE_OPPONENT), 2 + 1) << "seed 3 hosts seed 6";
    EXPECT_EQ(Get_Team_Schedule_Stat(12, SEASON_LENGTH, SCHEDULE_OPPONENT), 1 + 1) << "seed 4 hosts seed 5";
    EXPECT_EQ(Get_Team_Schedule_Stat(12, SEASON_LENGTH, SCHEDULE_KICKOFF), 1630);
    EXPECT_EQ(Get_Team_Schedule_Stat(0, SEASON_LENGTH, SCHEDULE_OPPONENT), 0) << "the top seeds wait";
    EXPECT_EQ(Play_Bracket_Week(), 4);
    const int games[3] = {4, 2, 1};
    for (int round = 1; round <= 3; ++round) {
        Set_User_Preference(CURRENT_WEEK, SEASON_LENGTH + round);
        EXPECT_EQ(Schedule_Playoff_Week(), games[round - 1]) << "round " << round;
        Play_Bracket_Week();
    }
    EXPECT_TRUE(Is_Champion_Decided());
    EXPECT_EQ(Get_Playoff_Team(30), 0);
}

TEST(PlayoffSeeding, DivisionLeaderHostsABetterWildCard) {
    Build_Bracket_League(32, 2);
    Set_Record(12, 9);
    Set_Record(1, 15);
    Set_Record(2, 14);
    Set_Record(13, 8);
    Seed_At_Season_End();
    Schedule_Playoff_Week();
    EXPECT_GT(Get_Team_Schedule_Stat(12, SEASON_LENGTH, SCHEDULE_OPPONENT), 0)
        << "the leader is listed first";
}

TEST(PlayoffSeeding, SevenTeamsReseedSoTheTopSeedMeetsTheWeakest) {
    Build_Bracket_League(32, 3);
    Seed_At_Season_End();
    EXPECT_EQ(Get_Playoff_Team(19), 0) << "only seed 1 waits";
    Schedule_Playoff_Week();
    Play_Bracket_Week(true); // every visitor wins: seeds 5, 6 and 7 go through
    Set_User_Preference(CURRENT_WEEK, SEASON_LENGTH + 1);
    Schedule_Playoff_Week();
    // Wild cards 1, 3 and 2 won at the leaders; team 3 (13-3) is the weakest left.
    EXPECT_EQ(Get_Playoff_Team(19), 0);
    EXPECT_EQ(Get_Playoff_Team(18), 3);
    EXPECT_EQ(Get_Playoff_Team(16), 1);
    EXPECT_EQ(Get_Playoff_Team(17), 2);
}

TEST(PlayoffSeeding, FourTeamsAConferenceHaveNoFirstWeekGames) {
    Build_Bracket_League(32, 0);
    Seed_At_Season_End();
    EXPECT_EQ(Schedule_Playoff_Week(), 0);
    EXPECT_EQ(Run_Playoffs(), 7);
    EXPECT_TRUE(Is_Champion_Decided());
}

TEST(PlayoffSeeding, SecondAndThirdSeedRivalsMeetTheOthersInstead) {
    // Rivals at seeds 2 and 3 take a conference of two divisions: the leaders
    // are seeds 1 and 2, the wild cards 3 to 5.
    Reset_Hand_Built_League(16, SEASON_LENGTH);
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 3;
    Universe.Header.Championship_Round_Flag = 1;
    for (int team = 0; team < 16; ++team) {
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team < 8 ? team / 4 : 4 + (team - 8) / 4;
        Set_Record(team, 2);
    }
    Set_Record(0, 15); // division 0 leader: seed 1
    Set_Record(4, 14); // division 1 leader: seed 2
    Set_Record(5, 13); // division 1: seed 3, rival of seed 2
    Set_Record(1, 12); // seed 4
    Set_Record(2, 11); // seed 5
    Seed_At_Season_End();
    EXPECT_EQ(Get_Playoff_Team(16), 5) << "seed 3 moves opposite seed 1";
    EXPECT_EQ(Get_Playoff_Team(17), 0);
    EXPECT_EQ(Get_Playoff_Team(19), 4);
    EXPECT_EQ(Get_Playoff_Team(4), 2) << "seeds 5 and 4 now play for the game against seed 2";
    EXPECT_EQ(Get_Playoff_Team(5), 1);
    EXPECT_EQ(Run_Playoffs(), 9) << "four games in each conference and the title game";
}

TEST(PlayoffSeeding, EveryConferenceSizeFinishesItsPlayoffs) {
    // Conferences of 1 to 4 divisions of 4 teams and 0 to 4 wild cards (a
    // conference sends at most its own teams and at most 8), with and without
    // the title game, favourites or upsets.
    for (int divisions = 1; divisions <= 4; ++divisions)
        for (int wild_cards = 0; wild_cards <= 4; ++wild_cards)
            for (int flag = 0; flag <= 1; ++flag)
                for (int upsets = 0; upsets <= 1; ++upsets) {
                    SCOPED_TRACE(testing::Message() << divisions << " divisions, " << wild_cards
                                                    << " wild cards, flag " << flag << ", upsets " << upsets);
                    Reset_Hand_Built_League(8 * divisions, SEASON_LENGTH);
                    for (int team = 0; team < 8 * divisions; ++team) {
                        const int conference = team / (4 * divisions);
                        const int division = (team % (4 * divisions)) / 4;
                        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = 4 * conference + division;
                        Set_Record(team, 16 - team % 16);
                    }
                    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = wild_cards;
                    Universe.Header.Championship_Round_Flag = static_cast<uint16_t>(flag);
                    Seed_At_Season_End();
                    int q = divisions + wild_cards;
                    if (q > 4 * divisions) q = 4 * divisions;
                    const int games = Run_Playoffs(upsets != 0);
                    ASSERT_TRUE(Is_Champion_Decided());
                    EXPECT_EQ(games, 2 * (q - 1) + flag) << "every team but the champions loses once";
                }
}

TEST(PlayoffSeeding, ThreeTeamConferencesAndSmallLeaguesFinish) {
    // Three divisions and no wild card: seed 1 waits for the winner of 2 and 3.
    Reset_Hand_Built_League(12, SEASON_LENGTH);
    Universe.Header.Championship_Round_Flag = 1;
    for (int team = 0; team < 12; ++team)
        Set_Record(team, 16 - team);
    Seed_At_Season_End();
    EXPECT_EQ(Get_Playoff_Team(24), 0);
    EXPECT_EQ(Run_Playoffs(), 2);
    EXPECT_EQ(Get_Playoff_Team(28), 0);
    EXPECT_TRUE(Is_Champion_Decided()) << "one conference decides in slot 28";

    // A conference of two teams in one division with three wild cards sends both.
    Reset_Hand_Built_League(2, SEASON_LENGTH);
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 3;
    Set_Record(0, 9);
    Set_Record(1, 7);
    Seed_At_Season_End();
    EXPECT_EQ(Get_Playoff_Team(24), 0);
    EXPECT_EQ(Get_Playoff_Team(25), 1);
    EXPECT_EQ(Run_Playoffs(), 1);
    EXPECT_TRUE(Is_Champion_Decided());

    // A single-division conference without wild cards crowns its leader at once.
    Reset_Hand_Built_League(4, SEASON_LENGTH);
    Set_Record(2, 12);
    Seed_At_Season_End();
    EXPECT_EQ(Get_Playoff_Team(28), 2);
    EXPECT_TRUE(Is_Champion_Decided());
}

TEST(PlayoffSeeding, TwoLeaguesWithoutTitleGameEndAfterTheirFinals) {
    Reset_Hand_Built_League(16, SEASON_LENGTH);
    Universe.Header.Championship_Round_Flag = 0;
    for (int team = 0; team < 16; ++team) {
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team < 8 ? team / 4 : 4 + (team - 8) / 4;
        Set_Record(team, 16 - team);
    }
    Seed_At_Season_End();
    EXPECT_EQ(Run_Playoffs(), 2);
    EXPECT_EQ(Get_Playoff_Team(28), 0);
    EXPECT_EQ(Get_Playoff_Team(29), 8);
    EXPECT_EQ(Get_Playoff_Team(30), NO_TEAM);
    Set_User_Preference(CURRENT_WEEK, SEASON_LENGTH + 3);
    EXPECT_EQ(Schedule_Playoff_Week(), 0) << "no title game";
}

TEST(PlayoffSeeding, ChampionIsNeverDecidedOutsideThePostSeason) {
    Build_Bracket_League(32, 2);
    Set_Playoff_Team(30, 3);
    Set_Playoff_Team(28, 3);
    for (int week : {0, 5, 16, 100}) {
        Set_User_Preference(CURRENT_WEEK, week);
        EXPECT_FALSE(Is_Champion_Decided()) << week;
    }
    Set_User_Preference(CURRENT_WEEK, 21);
    EXPECT_TRUE(Is_Champion_Decided());
    Set_Playoff_Team(30, NO_TEAM);
    EXPECT_FALSE(Is_Champion_Decided()) << "two conferences with a title game decide in slot 30";
}

TEST(PlayoffSeeding, ContractsExpireOnlyOnceTheChampionIsDecided) {
    Build_Test_League();
    Universe.Season_Length = SEASON_LENGTH;
    Universe.Header.Championship_Round_Flag = 1;
    for (int slot = 0; slot < 31; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
    Set_Player_Vital_Stat(4, 0, VITAL_CONTRACT_YEARS, 1);
    Set_Player_Vital_Stat(4, 1, VITAL_CONTRACT_YEARS, 2);
    Set_User_Preference(CURRENT_WEEK, SEASON_LENGTH + 2);
    EXPECT_EQ(Is_Contract_Expiring(4, 0), 0) << "the playoffs still run";
    Set_Playoff_Team(28, 4);
    Set_Playoff_Team(30, 4);
    EXPECT_EQ(Is_Contract_Expiring(4, 0), 1);
    EXPECT_EQ(Is_Contract_Expiring(4, 1), 0) << "two years left";
    EXPECT_EQ(Is_Contract_Expiring(4, 99), 0) << "an empty slot";
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS, 0);
    EXPECT_EQ(Is_Contract_Expiring(FREE_AGENT_TEAM, 0), 0) << "free agents have no contract to run out";
    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_EQ(Is_Contract_Expiring(4, 0), 0) << "the off-season has begun";
}

TEST(PlayoffSeeding, ChampionsPlayersEachGainARing) {
    Build_Test_League();
    auto rings = [](int team) { return Get_Player_Byte_Field(team, 0, PLAYER_BYTE_RINGS); };
    auto final_game = [](int home, int visitor, int home_score) {
        GAME_RECORD game{};
        game.Team[1] = static_cast<uint8_t>(home);
        game.Team[0] = static_cast<uint8_t>(visitor);
        game.Score[1] = home_score;
        game.Score[0] = 17;
        Record_Playoff_Result(&game);
    };
    for (int slot = 0; slot < 31; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
    // Conference finals give no ring; the league final does.
    Set_Playoff_Team(24, 2);
    Set_Playoff_Team(25, 7);
    const int before = rings(2), before_7 = rings(7), before_20 = rings(20);
    final_game(2, 7, 20);
    EXPECT_EQ(Get_Playoff_Team(28), 2);
    EXPECT_EQ(rings(2), before) << "a conference title";
    Set_Playoff_Team(29, 20);
    final_game(20, 2, 10);
    EXPECT_EQ(Get_Playoff_Team(30), 2);
    EXPECT_EQ(rings(2), before + 1);
    EXPECT_EQ(rings(20), before_20) << "the loser";
    EXPECT_EQ(Get_Playoff_Score(28), 17);
    EXPECT_EQ(Get_Playoff_Score(29), 10);

    // A league of one conference crowns its champion in slot 28.
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        if (Get_Team_Division(team) >= 4)
            Set_Team_Stat(team, TEAM_STAT_DIVISION, Get_Team_Division(team) - 4);
    ASSERT_EQ(Count_Leagues(), 1);
    for (int slot = 0; slot < 31; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
    Set_Playoff_Team(24, 7);
    Set_Playoff_Team(25, 2);
    final_game(7, 2, 30);
    EXPECT_EQ(rings(7), before_7 + 1);
}

TEST(PlayoffSeeding, SwapsCarryTheFeedingSlots) {
    Build_Bracket_League(32, 2);
    for (int slot = 0; slot < 31; ++slot) {
        Set_Playoff_Team(slot, slot);
        Set_Playoff_Score(slot, 100 + slot);
    }
    Swap_Playoff_Slots(16, 18);
    EXPECT_EQ(Get_Playoff_Team(16), 18);
    EXPECT_EQ(Get_Playoff_Score(16), 118);
    EXPECT_EQ(Get_Playoff_Team(0), 4);
    EXPECT_EQ(Get_Playoff_Team(1), 5);
    EXPECT_EQ(Get_Playoff_Team(4), 0);
    Swap_Playoff_Slots(2, 3);
    EXPECT_EQ(Get_Playoff_Team(2), 3);
    EXPECT_EQ(Get_Playoff_Team(0), 4) << "first-round slots feed nothing to carry";
    // The champion's slot is fed by the two conference champions.
    for (int slot = 0; slot < 31; ++slot)
        Set_Playoff_Team(slot, slot);
    Swap_Playoff_Slots(30, 24);
    EXPECT_EQ(Get_Playoff_Team(30), 24);
    EXPECT_EQ(Get_Playoff_Team(24), 30);
    EXPECT_EQ(Get_Playoff_Team(28), 16) << "slot 30's feeders change places with slot 24's";
    EXPECT_EQ(Get_Playoff_Team(29), 17);
    EXPECT_EQ(Get_Playoff_Team(16), 28);
    EXPECT_EQ(Get_Playoff_Score(17), 129);
}

TEST(PlayoffSeeding, EachSeedingReadsTheRecordsAfresh) {
    Build_Bracket_League(32, 2);
    Seed_At_Season_End();
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_PLAYOFF_SEED), 5);
    EXPECT_EQ(Get_Team_Stat(3, TEAM_STAT_PLAYOFF_SEED), 0);
    // The next week's records: the first wild card falls behind the team
    // that had none, and the second conference's leader behind its rival.
    Set_Record(1, 5);
    Set_Record(3, 15);
    Set_Record(16, 9);
    Seed_At_Season_End();
    EXPECT_EQ(Get_Team_Stat(3, TEAM_STAT_PLAYOFF_SEED), 5);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_PLAYOFF_SEED), 6);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_PLAYOFF_SEED), 0);
    EXPECT_EQ(Get_Playoff_Team(21), 17) << "conference 1's first seed: 16's rival now leads";
}
