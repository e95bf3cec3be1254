#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/game_record.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "support/test_league.h"

namespace {

constexpr int32_t WEEK = 3;
const char* const DOLLAR_NAME = "Ca$h$QB$PLAYER0";

// A watched game between test teams 0 (visitor, with the ball) and 1 (home)
// at the given down, distance and spot, both elevens on the field.
GAME_RECORD* Watched_Game(uint32_t down, int32_t to_go, int32_t to_goal) {
    Build_Test_League();
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, WEEK);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Schedule_Game(1, 0, WEEK, 6, 1300);
    Set_Game_PBP_Flag(1, WEEK, 1);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = 0;
    game->Team[1] = 1;
    game->Week = WEEK;
    game->Possession_Team = 0;
    game->Clock = 600;
    game->Down_Word = down;
    game->Yards_To_Go = static_cast<int8_t>(to_go);
    game->Yards_To_Goal = static_cast<int8_t>(to_goal);
    Clear_Current_Play(game);
    game->Current_Play.Play_Word = down | (static_cast<uint32_t>(static_cast<uint8_t>(to_go)) << 8) |
                                   (static_cast<uint32_t>(to_goal) << 16) |
                                   (static_cast<uint32_t>(RESULT_NOT_RESOLVED) << PLAY_WORD_RESULT_SHIFT);
    game->Current_Play.Offensive_Play = 0;
    game->Current_Play.Defensive_Play = 0;
    // Roster slots in quota order: slot 0 is the first quarterback.
    game->Formation[0] = 3;
    game->Formation[1] = 22;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < ON_FIELD_PLAYERS; ++i)
            game->On_Field[side][i] = static_cast<uint8_t>(side == 0 ? i : 20 + i);
    Clear_Commentary_Lines();
    return game;
}

int32_t Field_Id(const GAME_RECORD* game, int side, int index) {
    return Test_League_Player_ID(game->Team[side], game->On_Field[side][index]);
}

PLAY_EVENT_SLOT Slot(int32_t event, int32_t sentence, int32_t a, int32_t b, int32_t c, int32_t p0,
                     int32_t p1) {
    PLAY_EVENT_SLOT slot{};
    slot.Event_Id = static_cast<int8_t>(event);
    slot.Sentence = static_cast<int8_t>(sentence);
    slot.Argument_A = static_cast<int8_t>(a);
    slot.Argument_B = static_cast<int8_t>(b);
    slot.Argument_C = static_cast<int8_t>(c);
    slot.Player_Id[0] = p0;
    slot.Player_Id[1] = p1;
    return slot;
}

std::string Expand(GAME_RECORD* game, const PLAY_EVENT_SLOT& slot, const char* text) {
    char line[COMMENTARY_LINE_SIZE];
    Expand_Commentary_Text(game, slot, text, line, sizeof line);
    return line;
}

std::string Without(std::string text, const std::string& part) {
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part))
        text.erase(at, part.size());
    return text;
}

std::set<int32_t> Choices(GAME_RECORD* game, int32_t event, int32_t a, int32_t b, int32_t c, int32_t p0,
                          int32_t p1) {
    std::set<int32_t> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(Choose_Commentary_Sentence(game, event, a, b, c, p0, p1));
    return seen;
}

bool All_In(const std::set<int32_t>& seen, std::initializer_list<std::pair<int32_t, int32_t>> ranges) {
    for (int32_t s : seen) {
        bool inside = false;
        for (auto [lo, hi] : ranges)
            inside = inside || (s >= lo && s <= hi);
        if (!inside) return false;
    }
    return true;
}

} // namespace

TEST(Announcer, EverySentenceExpandsFullyEvenWithDollarNames) {
    Seed_Random_Numbers(7);
    for (int32_t state = 0; state < 2; ++state) {
        GAME_RECORD* game = state == 0 ? Watched_Game(2, 7, 45) : Watched_Game(KICKOFF_DOWN, 10, 65);
        Set_Current_Play_Result(game, state == 0 ? RESULT_COMPLETED_PASS : RESULT_KICKOFF_RETURNED);
        game->Score[1] = 10;
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < ON_FIELD_PLAYERS; ++i)
                Set_Player_Last_Name(game->Team[side], game->On_Field[side][i], DOLLAR_NAME);
        // The ball carrier: the receiver of the completion, the returner of the kickoff.
        game->Current_Play.First_Player_Id = state == 0 ? Field_Id(game, 0, 0) : Field_Id(game, 0, 1);
        game->Current_Play.Second_Player_Id = state == 0 ? Field_Id(game, 0, 1) : -1;
        for (int32_t event = 0; event < COMMENTARY_EVENTS; ++event) {
            for (int32_t sentence = 0; sentence < COMMENTARY_SENTENCES; ++sentence) {
                const char* text = Commentary_Templates[event][sentence];
                ASSERT_NE(text, nullptr) << "event " << event << " sentence " << sentence;
                ASSERT_GT(std::strlen(text), 0u);
                PLAY_EVENT_SLOT slot =
                    Slot(event, sentence, 6, 1, 1, Field_Id(game, 0, 1), Field_Id(game, 1, 2));
                char line[COMMENTARY_LINE_SIZE];
                EXPECT_EQ(Expand_Commentary_Text(game, slot, text, line, sizeof line), 1)
                    << "event " << event << " sentence " << sentence << ": " << line;
                const std::string rest = Without(line, DOLLAR_NAME);
                EXPECT_EQ(rest.find('$'), std::string::npos)
                    << "event " << event << " sentence " << sentence << ": " << line;
                EXPECT_EQ(rest.find_first_of("{|}"), std::string::npos)
                    << "a verb's two forms are left in event " << event << " sentence " << sentence << ": "
                    << line;
                EXPECT_FALSE(line[0] >= 'a' && line[0] <= 'z') << line;
            }
        }
    }
}

TEST(Announcer, WordsReadTheGameAndFailCleanly) {
    GAME_RECORD* game = Watched_Game(2, 4, 45);
    const int32_t qb = Field_Id(game, 0, 0);
    char qb_name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_Name(0, game->On_Field[0][0], qb_name);
    EXPECT_EQ(Expand(game, Slot(1, 0, 0, 0, 0, -1, -1), "$QB takes the snap."),
              std::string(qb_name) + " takes the snap.");
    EXPECT_EQ(Expand(game, Slot(0, 1, 0, 0, 0, qb, -1), "$DOWN and $TOGO."), "Third and four.");
    EXPECT_EQ(Expand(game, Slot(0, 1, 0, 0, 0, qb, -1), "only $YARDSTOGO"), "Only four yards");
    EXPECT_EQ(Expand(game, Slot(13, 0, 0, 0, 0, qb, -1), "Off $PLAYER1's hands."), "...")
        << "a missing second player spoils the line";
    EXPECT_EQ(Expand(game, Slot(16, 0, 0, 0, 0, -1, qb), "Hit by $PLAYER0."), "Hit hard.");
    EXPECT_EQ(Expand(game, Slot(41, 0, 0, 1, 1, -1, -1), "Flag on $TEAM0."),
              Expand(game, Slot(41, 0, 0, 0, 0, -1, -1), "Flag on $DEFENSIVETEAM."))
        << "without a player the team code b names the team";
    EXPECT_EQ(Expand(game, Slot(41, 0, 0, NO_TEAM, 1, -1, -1), "Flag on $TEAM0."), "...");

    // The long-run yard lines count to midfield and back down.
    game->Current_Play.Play_Word = (game->Current_Play.Play_Word & ~0xFF0000u) | (33u << 16);
    EXPECT_EQ(Expand(game, Slot(28, 0, 0, 20, 0, qb, -1), "$LONGRUN"), "To the 30 ... 25 ... 20 ... 15");
    game->Current_Play.Play_Word = (game->Current_Play.Play_Word & ~0xFF0000u) | (80u << 16);
    EXPECT_EQ(Expand(game, Slot(28, 0, 0, -45, 0, qb, -1), "$LONGRUN"),
              "To the 20 ... 25 ... 30 ... 35 ... 40 ... 45 ... 50 ... 45 ... 40");

    // A kickoff reads the field from the other end; a free kick after a safety does not.
    EXPECT_EQ(Expand(game, Slot(21, 0, 0, 0, 0, -1, -1), "$YARDLINE"), "At the 20-yard line");
    game->Current_Play.Play_Word = (game->Current_Play.Play_Word & ~0xFFu) | KICKOFF_DOWN;
    char defending[FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(1, defending);
    EXPECT_EQ(Expand(game, Slot(21, 0, 0, 0, 0, -1, -1), "$YARDLINE"),
              std::string("At the ") + defending + " 20-yard line");
    game->Current_Play.Play_Word = (game->Current_Play.Play_Word & ~0xFFu) | FREE_KICK_DOWN;
    EXPECT_EQ(Expand(game, Slot(21, 0, 0, 0, 0, -1, -1), "$YARDLINE"), "At the 20-yard line");
    EXPECT_EQ(Expand(game, Slot(21, 0, 90, 0, 0, -1, -1), "$YARDLINE"), "In the end zone");

    // The winner counts the touchdown that is not yet on the board.
    game->Score[0] = 14;
    game->Score[1] = 17;
    Set_Current_Play_Result(game, RESULT_TOUCHDOWN_PASS);
    char nickname[FORMATTED_TEXT_SIZE];
    Get_Team_Nickname(0, nickname);
    EXPECT_EQ(Expand(game, Slot(52, 13, 0, 0, 0, -1, -1), "$WINNERTEAM by $DIFFERENCE, $WINNERSCORE"),
              std::string(nickname) + " by three, twenty");
}

TEST(Announcer, SentenceChoiceFollowsTheSituation) {
    Seed_Random_Numbers(11);
    GAME_RECORD* game = Watched_Game(CONVERSION_ATTEMPT, 2, 2);
    EXPECT_EQ(Choices(game, 0, 0, 0, 0, -1, -1), std::set<int32_t>{8}) << "two-point try";
    game = Watched_Game(0, 8, 8);
    EXPECT_TRUE(All_In(Choices(game, 0, 0, 0, 0, -1, -1), {{5, 7}})) << "goal to go";
    game = Watched_Game(0, 10, 60);
    EXPECT_TRUE(All_In(Choices(game, 0, 0, 0, 0, -1, -1), {{0, 2}})) << "first and ten";
    game = Watched_Game(2, 8, 60);
    EXPECT_TRUE(All_In(Choices(game, 0, 0, 0, 0, -1, -1), {{1, 4}, {9, 9}})) << "third and long";
    game = Watched_Game(3, 2, 60);
    EXPECT_TRUE(All_In(Choices(game, 0, 0, 0, 0, -1, -1), {{1, 4}, {10, 12}})) << "fourth and short";

    EXPECT_TRUE(All_In(Choices(game, 1, 0, 1, 0, -1, -1), {{14, 19}, {0, 7}})) << "shotgun snap";
    EXPECT_TRUE(All_In(Choices(game, 1, 0, 0, 0, -1, -1), {{0, 13}})) << "snap under centre";
    EXPECT_TRUE(All_In(Choices(game, 11, 3, 0, 0, 5, 6), {{0, 12}})) << "short throw";
    EXPECT_TRUE(All_In(Choices(game, 11, 30, 0, 0, 5, 6), {{13, 19}, {0, 6}})) << "deep throw";
    EXPECT_TRUE(All_In(Choices(game, 10, 0, 0, 0, 5, -1), {{0, 16}})) << "open receiver without a defender";
    EXPECT_TRUE(All_In(Choices(game, 41, 5, 0, 0, 5, -1), {{10, 19}})) << "dead-ball flag";
    EXPECT_TRUE(All_In(Choices(game, 41, 5, 0, 1, 5, -1), {{0, 9}})) << "flag on a play";

    game->Down_Word |= OUT_OF_BOUNDS_HURRY_BIT;
    EXPECT_TRUE(All_In(Choices(game, 21, 0, 0, 0, 5, 6), {{15, 19}})) << "out of bounds in a hurry";
    game->Down_Word &= ~OUT_OF_BOUNDS_HURRY_BIT;
    EXPECT_TRUE(All_In(Choices(game, 21, 0, 0, 0, 5, 6), {{0, 11}})) << "tackled in bounds";

    game->Current_Play.Yard1 = 60;
    Set_Current_Play_Result(game, RESULT_FIELD_GOAL_MISSED);
    EXPECT_TRUE(All_In(Choices(game, 45, 60, 0, 0, 5, -1), {{18, 19}})) << "very long miss";
    game->Current_Play.Yard1 = 20;
    Set_Current_Play_Result(game, RESULT_EXTRA_POINT_GOOD);
    EXPECT_TRUE(All_In(Choices(game, 45, 20, 0, 0, 5, -1), {{0, 5}}))
        << "a good extra point never reads as a miss";
    Set_Current_Play_Result(game, RESULT_EXTRA_POINT_MISSED);
    EXPECT_TRUE(All_In(Choices(game, 45, 20, 0, 0, 5, -1), {{8, 17}}));
}

TEST(Announcer, PeriodEndNamesTheQuarterAndTheResult) {
    Seed_Random_Numbers(3);
    GAME_RECORD* game = Watched_Game(0, 10, 60);
    Set_Current_Play_Result(game, RESULT_RUN_LEFT);
    game->Clock = 890;
    EXPECT_TRUE(All_In(Choices(game, 52, 0, 0, 0, -1, -1), {{0, 2}}));
    game->Clock = 1790;
    EXPECT_EQ(Choices(game, 52, 0, 0, 0, -1, -1), std::set<int32_t>{9}) << "level at the half";
    game->Clock = 3590;
    EXPECT_TRUE(All_In(Choices(game, 52, 0, 0, 0, -1, -1), {{16, 17}})) << "level at the end";
    game->Score[1] = 3;
    Set_Current_Play_Result(game, RESULT_TOUCHDOWN_RUN);
    EXPECT_TRUE(All_In(Choices(game, 52, 0, 0, 0, -1, -1), {{18, 19}})) << "the last play took the lead";
    Set_Current_Play_Result(game, RESULT_RUN_LEFT);
    EXPECT_TRUE(All_In(Choices(game, 52, 0, 0, 0, -1, -1), {{13, 15}})) << "the lead stood";
    game->Clock = 3900;
    EXPECT_TRUE(All_In(Choices(game, 52, 0, 0, 0, -1, -1), {{13, 15}})) << "overtime ends like the fourth";
}

TEST(Announcer, QueueOnlyNarratesWatchedGamesAndHoldsTenEvents) {
    GAME_RECORD* game = Watched_Game(0, 10, 60);
    const int32_t qb = Field_Id(game, 0, 0);
    Queue_Commentary(game, 1, 0, 0, 0, qb, -1);
    EXPECT_EQ(game->Current_Play.Events[0].Event_Id, 1);
    char line[COMMENTARY_LINE_SIZE];
    Get_Commentary_Line(0, line);
    EXPECT_GT(std::strlen(line), 0u) << "the line is rendered at once";
    EXPECT_EQ(line, Expand(game, game->Current_Play.Events[0],
                           Commentary_Templates[1][game->Current_Play.Events[0].Sentence]));
    for (int i = 0; i < 12; ++i)
        Queue_Commentary(game, 35, 0, 0, 0, qb, -1);
    for (int i = 0; i < PLAY_EVENT_SLOTS; ++i)
        EXPECT_GE(game->Current_Play.Events[i].Event_Id, 0);
    Queue_Commentary(game, 99, 0, 0, 0, qb, -1);
    Get_Commentary_Line(PLAY_EVENT_SLOTS, line);
    EXPECT_STREQ(line, "") << "no eleventh line";

    game = Watched_Game(0, 10, 60);
    Set_User_Preference(SIM_TO_QUARTER, 3);
    Queue_Commentary(game, 1, 0, 0, 0, qb, -1);
    EXPECT_EQ(game->Current_Play.Events[0].Event_Id, NO_COMMENTARY_EVENT) << "running on to a quarter";
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Set_Game_PBP_Flag(1, WEEK, 0);
    Queue_Commentary(game, 1, 0, 0, 0, qb, -1);
    EXPECT_EQ(game->Current_Play.Events[0].Event_Id, NO_COMMENTARY_EVENT) << "nobody watches";
    Set_Game_PBP_Flag(1, WEEK, 1);
    Queue_Commentary(game, 99, 0, 0, 0, qb, -1);
    EXPECT_EQ(game->Current_Play.Events[0].Event_Id, NO_COMMENTARY_EVENT) << "an unknown event is not queued";
}

TEST(Announcer, PlayStartAndSackNarration) {
    Seed_Random_Numbers(5);
    GAME_RECORD* game = Watched_Game(1, 6, 40);
    Narrate_Play_Start(game);
    EXPECT_EQ(game->Current_Play.Events[0].Event_Id, 0);
    EXPECT_EQ(game->Current_Play.Events[1].Event_Id, 1);
    Clear_Current_Play(game);
    Narrate_Sack(game, game->On_Field[1][2]);
    int32_t last = -1;
    for (const auto& slot : game->Current_Play.Events)
        if (slot.Event_Id >= 0) last = slot.Event_Id;
    EXPECT_EQ(game->Current_Play.Events[0].Event_Id, 6) << "the pressure line comes first";
    EXPECT_EQ(last, 36) << "the sack closes the narration";

    Set_Game_PBP_Flag(1, WEEK, 0);
    Clear_Current_Play(game);
    Seed_Random_Numbers(5);
    const uint32_t before = Random_Number();
    Seed_Random_Numbers(5);
    Narrate_Sack(game, game->On_Field[1][2]);
    EXPECT_EQ(Random_Number(), before) << "an unwatched game draws nothing for narration";
    EXPECT_EQ(game->Current_Play.Events[0].Event_Id, NO_COMMENTARY_EVENT);
}

namespace {
// The announcer's line for the table's sentence that reads `text` before its
// words are filled in.
std::string Say(GAME_RECORD* game, const char* text, int32_t a, int32_t b, int32_t c, int32_t p0,
                int32_t p1) {
    for (int32_t event = 0; event < COMMENTARY_EVENTS; ++event)
        for (int32_t sentence = 0; sentence < COMMENTARY_SENTENCES; ++sentence)
            if (std::strcmp(Commentary_Templates[event][sentence], text) == 0)
                return Expand(game, Slot(event, sentence, a, b, c, p0, p1), text);
    ADD_FAILURE() << "no sentence " << text;
    return "";
}
} // namespace

constexpr int32_t LOCATION_STRING = 1;
constexpr int32_t NICKNAME_STRING = 2;

// A team's name that reads as a plural takes a plural verb, and "their"; a
// singular one ("Heat", "Express", or the city a "Football Team" is called
// by) a singular verb, and "its". A nickname reads with its article ("The
// Bears" at the start of a sentence); a city goes without.
TEST(Announcer, VerbsAndArticlesAgreeWithTheTeamsName) {
    GAME_RECORD* game = Watched_Game(1, 10, 60);
    const char* const snap = "The $OFFENSIVETEAM {snaps|snap} it.";
    const char* const lines_up = "The $OFFENSIVETEAM {lines|line} up on $DOWN and $TOGO.";
    const char* const goes_for_two = "The $OFFENSIVETEAM will go for two.";
    const char* const inches = "$DOWN and inches for the $OFFENSIVETEAM.";
    Set_Team_String("Bears", 0, NICKNAME_STRING);
    EXPECT_EQ(Say(game, snap, 0, 0, 0, -1, -1), "The Bears snap it.");
    EXPECT_EQ(Say(game, inches, 0, 0, 0, -1, -1), "Second and inches for the Bears.");
    Set_Team_String("Vikings", 0, NICKNAME_STRING);
    EXPECT_EQ(Say(game, lines_up, 0, 0, 0, -1, -1), "The Vikings line up on second and ten.");
    Set_Team_String("49ers", 0, NICKNAME_STRING);
    EXPECT_EQ(Say(game, snap, 0, 0, 0, -1, -1), "The 49ers snap it.");
    Set_Team_String("Minutemen", 0, NICKNAME_STRING);
    EXPECT_EQ(Say(game, snap, 0, 0, 0, -1, -1), "The Minutemen snap it.");
    for (const char* singular : {"Heat", "Express", "Crimson Tide"}) {
        Set_Team_String(singular, 0, NICKNAME_STRING);
        EXPECT_EQ(Say(game, snap, 0, 0, 0, -1, -1), "The " + std::string(singular) + " snaps it.");
        EXPECT_EQ(Say(game, goes_for_two, 0, 0, 0, -1, -1),
                  "The " + std::string(singular) + " will go for two.");
    }
    Set_Team_String("Football Team", 0, NICKNAME_STRING);
    Set_Team_String("Los Angeles", 0, LOCATION_STRING);
    EXPECT_EQ(Say(game, lines_up, 0, 0, 0, -1, -1), "Los Angeles lines up on second and ten.");
    EXPECT_EQ(Say(game, inches, 0, 0, 0, -1, -1), "Second and inches for Los Angeles.");

    // The defence, a team named by the event's player, and the winner.
    Set_Team_String("Rams", 1, NICKNAME_STRING);
    EXPECT_EQ(Say(game, "The $DEFENSIVETEAM {is|are} blitzing!", 0, 0, 0, -1, -1), "The Rams are blitzing!");
    EXPECT_EQ(Say(game, "$DOWN and a long $TOGO. The $DEFENSIVETEAM will be looking for the pass.", 0, 0, 0,
                  -1, -1),
              "Second and a long ten. The Rams will be looking for the pass.");
    const int32_t defender = Field_Id(game, 1, 2);
    EXPECT_EQ(Say(game, "The $TEAM0 {recovers|recover} {its|their} own kick!", 0, 0, 0, defender, -1),
              "The Rams recover their own kick!");
    EXPECT_NE(Say(game, "$PLAYER0 falls on it, the $TEAM0 {keeps|keep} possession.", 0, 0, 0, defender, -1)
                  .find(", the Rams keep possession."),
              std::string::npos)
        << "the verb agrees with the team, not with the player before it";
    Set_Team_String("Heat", 1, NICKNAME_STRING);
    EXPECT_EQ(Say(game, "The $TEAM0 {recovers|recover} {its|their} own kick!", 0, 0, 0, defender, -1),
              "The Heat recovers its own kick!");
    game->Score[1] = 10;
    EXPECT_EQ(Say(game, "That's half time. The $WINNERTEAM {leads|lead} by $DIFFERENCE.", 0, 0, 0, -1, -1),
              "That's half time. The Heat leads by ten.");
    Set_Team_String("Titans", 1, NICKNAME_STRING);
    EXPECT_EQ(Say(game, "At the half, the $WINNERTEAM {has|have} $WINNERSCORE.", 0, 0, 0, -1, -1),
              "At the half, the Titans have ten.");
    // The winner is always called by his nickname, so "Football Team" keeps
    // its article; the defence shown by its city does not.
    Set_Team_String("Football Team", 1, NICKNAME_STRING);
    Set_Team_String("Washington", 1, LOCATION_STRING);
    EXPECT_EQ(Say(game, "Half time. The $WINNERTEAM on top.", 0, 0, 0, -1, -1),
              "Half time. The Football Team on top.");
    EXPECT_EQ(Say(game, "Short! The $DEFENSIVETEAM {gets|get} the ball.", 0, 0, 0, -1, -1),
              "Short! Washington gets the ball.");

    // Every team's name of the table comes with its article.
    for (int32_t event = 0; event < COMMENTARY_EVENTS; ++event)
        for (int32_t sentence = 0; sentence < COMMENTARY_SENTENCES; ++sentence) {
            const std::string text = Commentary_Templates[event][sentence];
            for (const char* word : {"$OFFENSIVETEAM", "$DEFENSIVETEAM", "$TEAM0", "$TEAM1", "$WINNERTEAM"})
                for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
                    const std::string before = at >= 4 ? text.substr(at - 4, 4) : "";
                    EXPECT_TRUE(before == "the " || before == "The ")
                        << "event " << event << " sentence " << sentence << ": " << text;
                }
        }
}
