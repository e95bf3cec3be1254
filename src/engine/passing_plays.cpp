#include "engine/passing_plays.h"

#include <cstdlib>

#include "app/diagnostics.h"
#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "engine/announcer.h"
#include "engine/downs_and_clock.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/kicking_plays.h"
#include "engine/play_loop.h"
#include "engine/play_resolution_support.h"
#include "engine/play_roles.h"
#include "engine/playbook_records.h"
#include "engine/running_plays.h"
#include "engine/statistics_credit.h"
#include "engine/unit_multipliers.h"
#include "platform/message_box.h"
#include "playbooks/playbook_queries.h"

namespace {

constexpr int32_t INTERCEPTION_TOUCHDOWN_STAT = 12;
constexpr int32_t PASS_RECEIVERS = 5;

int32_t Passer_Slot(const GAME_RECORD* pGame) {
    return Get_Offense_Field_Slot(pGame, 0);
}

// Receiver index (0..4) of the play's primary receiver; a play without one
// throws to its first receiver rather than to an unset index.
int32_t Primary_Receiver_Index(const GAME_RECORD* pGame) {
    const int32_t slot =
        Get_Offensive_Play_Primary_Receiver(Get_Offense_Team(pGame), pGame->Current_Play.Offensive_Play);
    const int32_t index = slot - 1;
    return (index >= 0 && index < PASS_RECEIVERS) ? index : 0;
}

// A pass entry keeps the passer first; `role` names the second player:
// receiver, interceptor, sacker, pass defender or fumble recoverer.
void Set_Pass_Players(GAME_RECORD* pGame, int32_t passer_id, PLAY_ROLE role, int32_t other_id) {
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_PASSER, passer_id, role, other_id);
}

// A safety's entry names the player downed in the end zone and his tackler.
void Set_Safety_Players(GAME_RECORD* pGame, int32_t downed_id, int32_t tackler_id) {
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_DOWNED, downed_id, ROLE_TACKLER, tackler_id);
}

void Stop_Clock_For_Incompletion(GAME_RECORD* pGame) {
    pGame->Down_Word =
        (pGame->Down_Word | CLOCK_STOPPED_BIT) & ~(CLOCK_STOPPED_PAIR_BIT | POSSESSION_CHANGE_BITS);
}

// A sack keeps the clock running inside the last two minutes of the half.
void Set_Sack_Clock(GAME_RECORD* pGame) {
    if (Get_Half_Time_Left(pGame) < 120)
        pGame->Down_Word &= ~(CLOCK_STOPPED_BIT | CLOCK_STOPPED_PAIR_BIT);
    else
        Stop_Game_Clock(pGame);
}

int32_t Draw_Sack_Loss(GAME_RECORD* pGame, int32_t end_depth) {
    const int32_t first = 5 + Play_Random_Below(5);
    const int32_t second = (5 + Play_Random_Below(5) + end_depth) / 2;
    (void)pGame;
    return first < second ? first : second;
}

void Fourth_Down_Check(GAME_RECORD* pGame, int32_t receiver) {
    if (Snap_Uses_Up_Half(pGame)) return;
    if (Get_Game_Down(pGame) == 3 && Get_Current_Play_Result(pGame) != RESULT_SAFETY)
        Say(pGame, 49, 0, 0, Offense_Id(pGame, receiver), -1);
}

// The protection step of a pass narration.
void Narrate_Protection(GAME_RECORD* pGame, int32_t threshold, int32_t pressure, bool* both_missed) {
    const int32_t oteam = Get_Offense_Team(pGame);
    const int32_t oplay = pGame->Current_Play.Offensive_Play;
    const int32_t dteam = Get_Defense_Team(pGame);
    const int32_t dplay = pGame->Current_Play.Defensive_Play;
    *both_missed = false;
    if (Play_Random_Below(100) < threshold) {
        const int32_t blocker = Pick_Receiver_With_Route_39(pGame);
        const int32_t rusher = Pick_Defender_Below_Role_4(pGame);
        if (blocker != NO_FIELD_PLAYER && blocker >= 0) {
            const int32_t hold =
                static_cast<int32_t>(0.5f * Offense_Rating(pGame, blocker, RATING_RUN_BLOCKING) +
                                     0.5f * Offense_Rating(pGame, blocker, RATING_PASS_BLOCKING));
            if (50 + Play_Random_Below(51) < hold) {
                if (Has_Five_Defenders_Below_Role_4(dteam, dplay))
                    Say(pGame, 5, 0, 0, Offense_Id(pGame, blocker), Defense_Id(pGame, rusher));
                else if (!Is_Special_Pass_Play(oteam, oplay))
                    Say(pGame, 4, 0, 0, Offense_Id(pGame, blocker), Defense_Id(pGame, rusher));
            }
        } else if (!Is_Special_Pass_Play(oteam, oplay)) {
            const int32_t lineman = Random_Offense_Field_Player(pGame, 6, 10);
            Say(pGame, 4, 0, 0, Offense_Id(pGame, lineman), Defense_Id(pGame, rusher));
        }
        return;
    }
    if (Play_Random_Below(100) < pressure) {
        Narrate_Pass_Pressure(pGame, Pick_Defender_Below_Role_4(pGame));
        return;
    }
    *both_missed = true;
}

// The route of receiver index r of the current play; -1 for a bad index.
int32_t Receiver_Route(const GAME_RECORD* pGame, int32_t r) {
    return Get_Offensive_Play_Route(Get_Offense_Team(pGame), pGame->Current_Play.Offensive_Play, r);
}

void Apply_Incompletion(GAME_RECORD* pGame, int32_t receiver, int32_t end_depth, int32_t defender) {
    const int32_t passer = Passer_Slot(pGame);
    pGame->Snap_Yards = 0;
    Stop_Clock_For_Incompletion(pGame);
    pGame->Snap_Seconds =
        static_cast<int8_t>(pGame->Snap_Seconds + 4 + end_depth / 10 + Play_Random_Below(5));
    Credit_Passer(pGame, passer, 2, 1);
    Credit_Receiver(pGame, receiver, 4, 1);
    if (defender != NO_FIELD_PLAYER) Credit_Defender(pGame, defender, 6, 1);
    // A knocked-down pass names the defender who broke it up, not the receiver.
    if (Get_Current_Play_Result(pGame) == RESULT_PASS_KNOCKED_DOWN)
        Set_Pass_Players(pGame, Offense_Id(pGame, passer), ROLE_PASS_DEFENDER, Defense_Id(pGame, defender));
    else
        Set_Pass_Players(pGame, Offense_Id(pGame, passer), ROLE_RECEIVER, Offense_Id(pGame, receiver));
    Narrate_Incomplete_Pass(pGame, receiver, defender, end_depth, 0);
    Fourth_Down_Check(pGame, receiver);
}

void Apply_Completion(GAME_RECORD* pGame, int32_t receiver, int32_t route, int32_t c, int32_t e,
                      int32_t hurry) {
    const int32_t offense_side = Get_Offense_Side(pGame);
    const int32_t oteam = Get_Offense_Team(pGame);
    const int32_t oplay = pGame->Current_Play.Offensive_Play;
    const int32_t passer = Passer_Slot(pGame);
    const int32_t to_goal = pGame->Yards_To_Goal;
    if (Play_Random_Below(100) < Get_Pass_Route_Value(route) + 30 * hurry) Set_Out_Of_Bounds(pGame);
    int32_t yards = Clamp_Yards(e);
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 5 + e / 5 + Play_Random_Below(6));
    if (e < c)
        Report_System_Error("nCatchLocation [%d] exceeds nDistance [%d] in Implement_Pass_Result()", c, e);
    int32_t tackler = NO_FIELD_PLAYER;
    if (yards < to_goal) {
        if (to_goal - yards >= 100) {
            Set_Current_Play_Result(pGame, RESULT_SAFETY);
            yards = to_goal - 100;
        }
        tackler = Choose_Game_Event_Player(pGame, 2, 2, 0);
        const uint32_t marks = pGame->Down_Word & (OUT_OF_BOUNDS_BIT | OUT_OF_BOUNDS_HURRY_BIT);
        if (marks != OUT_OF_BOUNDS_HURRY_BIT) Credit_Defender(pGame, tackler, 2, 1);
    } else {
        yards = to_goal;
        if (Is_Conversion(pGame)) {
            Set_Current_Play_Result(pGame, RESULT_TWO_POINT_GOOD);
        } else {
            Credit_Passer(pGame, passer, 6, 1);
            Credit_Receiver(pGame, receiver, 12, 1);
            Set_Current_Play_Result(pGame, RESULT_TOUCHDOWN_PASS);
        }
    }
    pGame->Snap_Yards = static_cast<int8_t>(yards);
    // The pass gains what the play log records: no more than the yards to the
    // goal line on a touchdown, and no more than the loss to the goal line on
    // a safety. A catch in the end zone adds no yards after it.
    const int32_t caught = c < yards ? c : yards;
    const GAME_STAT_CREDIT throw_credits[] = {{2, 1}, {3, 1}, {5, yards}};
    Credit_Passer(pGame, passer, throw_credits);
    // The last catch credit, a first down, only when the pass gained the yards to go.
    const GAME_STAT_CREDIT catch_credits[] = {{4, 1}, {10, 1}, {11, yards}, {6, yards - caught}, {5, 1}};
    Credit_Receiver(pGame, receiver, std::span(catch_credits).first(yards >= pGame->Yards_To_Go ? 5 : 4));
    // The attempt itself was counted with every throw.
    Increment_Game_Team_Total(pGame, offense_side, GAME_TOTAL_COMPLETIONS, 1);
    Increment_Game_Team_Total(pGame, offense_side, GAME_TOTAL_PASSING_YARDS, yards);
    const int32_t passer_id = Offense_Id(pGame, passer);
    const int32_t receiver_id = Offense_Id(pGame, receiver);
    switch (Get_Current_Play_Result(pGame)) {
    case RESULT_SAFETY:
        Set_Safety_Players(pGame, receiver_id, Defense_Id(pGame, tackler));
        break;
    case RESULT_TWO_POINT_GOOD:
        Set_Play_Role_Ids(&pGame->Current_Play, ROLE_TRY_PLAYER, passer_id);
        break;
    default:
        Set_Pass_Players(pGame, passer_id, ROLE_RECEIVER, receiver_id);
        break;
    }
    pGame->Current_Play.Yard1 = static_cast<int8_t>(yards);
    if (Is_Game_Play_By_Play(pGame) && Has_Receiver_Route_31_32_37(oteam, oplay) &&
        Play_Random_Below(100) < 50) {
        if (Random_Int(100) < 30)
            Say(pGame, 24, 0, 0, Offense_Id(pGame, passer),
                Offense_Id(pGame, Find_Receiver_With_Route_31_32_37(pGame)));
        else if (Random_Int(100) < 50)
            Say(pGame, 25, 0, 0, Defense_Id(pGame, Find_Defender_With_Role_31_32_37(pGame)),
                Offense_Id(pGame, passer));
    }
    Narrate_Completed_Pass(pGame, receiver, tackler, e - c, c);
}

void Apply_Interception(GAME_RECORD* pGame, int32_t receiver, int32_t c, int32_t e) {
    const int32_t offense_side = Get_Offense_Side(pGame);
    const int32_t passer = Passer_Slot(pGame);
    const int32_t dteam = Get_Defense_Team(pGame);
    const int32_t to_goal = pGame->Yards_To_Goal;
    pGame->Down_Word &= ~(CLOCK_STOPPED_BIT | CLOCK_STOPPED_PAIR_BIT);
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 6 + e / 10 + Play_Random_Below(10));
    const int32_t interceptor = Choose_Game_Event_Player(pGame, 2, 7, 0);
    int32_t s = static_cast<int32_t>(Get_Player_Rating(dteam, interceptor, RATING_SPEED)) / 6 + 1;
    if (c < 4) s += 4 - c;
    const int32_t a = static_cast<int32_t>(Play_Random_Fraction() * s);
    const int32_t b = Play_Random_Below(13);
    int32_t ret = a * b - Play_Random_Below(80);
    if (Play_Random_Below(100) < 30) ret /= 5;
    ret = Clamp_Int(0, 110, ret);
    int32_t yards = Clamp_Yards(ret - c);
    int32_t tipper = NO_FIELD_PLAYER;
    if (Play_Random_Below(100) < 25)
        tipper = Choose_Game_Event_Player(pGame, 2, 6, 0);
    else if (Random_Int(100) < 33)
        tipper = Choose_Game_Event_Player(pGame, 2, 4, 0);
    Narrate_Incomplete_Pass(pGame, receiver, tipper, c, 1);
    const int32_t interceptor_id = Defense_Id(pGame, interceptor);
    Say(pGame, 22, c, 0, interceptor_id, -1);
    const GAME_STAT_CREDIT throw_credits[] = {{2, 1}, {4, 1}};
    Credit_Passer(pGame, passer, throw_credits);
    Credit_Receiver(pGame, receiver, 4, 1);
    Credit_Defender(pGame, interceptor, 7, 1);
    Increment_Game_Team_Total(pGame, offense_side, GAME_TOTAL_TURNOVERS, 1);
    bool touchdown = false;
    if (yards >= 100 - to_goal) {
        ret = c - to_goal + 100;
        yards = ret - c;
        Credit_Defender(pGame, interceptor, 9, 1);
        if (!Is_Conversion(pGame)) Increment_Universe_Stat(INTERCEPTION_TOUCHDOWN_STAT);
        Set_Current_Play_Result(pGame, RESULT_INTERCEPTION_TOUCHDOWN);
        touchdown = true;
    } else if (yards + to_goal < 1) {
        // Downed in his own end zone: brought out to between his 1 and 10.
        ret += 1 - yards - to_goal + Random_Int(10);
        yards = ret - c;
    }
    pGame->Snap_Yards = static_cast<int8_t>(Clamp_Yards(yards));
    const int32_t passer_id = Offense_Id(pGame, passer);
    const int32_t former_offense_side = offense_side;
    Change_Possession(pGame);
    pGame->Down_Word = (pGame->Down_Word | (1u << 12)) & ~(1u << 13);
    if (ret > 30 + Play_Random_Below(20)) {
        if (Random_Int(100) < 50) Say(pGame, 20, 0, 0, interceptor_id, -1);
        Say(pGame, 28, c, ret + c, interceptor_id, -1);
    }
    Set_Pass_Players(pGame, passer_id, ROLE_INTERCEPTOR, interceptor_id);
    if (touchdown) {
        Say(pGame, 34, 0, 0, interceptor_id, -1);
        return;
    }
    const int32_t former_team = pGame->Team[former_offense_side];
    const int32_t index =
        (ret < 2 && e > 10) ? 3 + Play_Random_Below(4) : Play_Random_Below(ON_FIELD_PLAYERS);
    const int32_t tackler = pGame->On_Field[former_offense_side][index];
    Say(pGame, 21, c - ret, 0, interceptor_id, Play_Player_Id(former_team, tackler));
}

void Apply_Sack(GAME_RECORD* pGame, int32_t e) {
    const int32_t passer = Passer_Slot(pGame);
    Set_Sack_Clock(pGame);
    int32_t loss = Draw_Sack_Loss(pGame, e);
    if (pGame->Yards_To_Goal + loss >= 100) {
        Set_Current_Play_Result(pGame, RESULT_SAFETY);
        loss = 100 - pGame->Yards_To_Goal;
    }
    pGame->Snap_Yards = static_cast<int8_t>(-loss);
    pGame->Down_Word &= ~POSSESSION_CHANGE_BITS;
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 5 + Play_Random_Below(5));
    const int32_t sacker = Credit_Sack(pGame);
    if (Get_Current_Play_Result(pGame) == RESULT_SAFETY)
        Set_Safety_Players(pGame, Offense_Id(pGame, passer), Defense_Id(pGame, sacker));
    else
        Set_Pass_Players(pGame, Offense_Id(pGame, passer), ROLE_SACKER, Defense_Id(pGame, sacker));
    pGame->Current_Play.Yard1 = static_cast<int8_t>(-loss);
    Narrate_Sack(pGame, sacker);
    Check_For_Kept_Fumble(pGame, passer, sacker, 10 * Get_Carrier_Fumble_Chance(pGame, passer));
    if (!Snap_Uses_Up_Half(pGame) && Get_Game_Down(pGame) == 3 &&
        Get_Current_Play_Result(pGame) == RESULT_SAFETY)
        Say(pGame, 49, 0, 0, -1, -1);
}

void Apply_Sack_Fumble(GAME_RECORD* pGame, int32_t e) {
    const int32_t offense_side = Get_Offense_Side(pGame);
    const int32_t passer = Passer_Slot(pGame);
    const int32_t dteam = Get_Defense_Team(pGame);
    Set_Sack_Clock(pGame);
    const int32_t loss = Draw_Sack_Loss(pGame, e);
    pGame->Snap_Yards = static_cast<int8_t>(-loss);
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 7 + Play_Random_Below(7));
    const int32_t sacker = Credit_Sack(pGame);
    const int32_t recoverer = Choose_Game_Event_Player(pGame, 2, 8, 0);
    const int32_t recoverer_id = Defense_Id(pGame, recoverer);
    // The fumble line names the man who lost the ball and the one who forced it.
    const int32_t passer_id = Offense_Id(pGame, passer);
    Say(pGame, 29, 0, 0, passer_id, Defense_Id(pGame, sacker));
    Record_Lost_Fumble(pGame, passer, sacker, recoverer);
    const int32_t ret = Draw_Fumble_Return_Yards(dteam, recoverer);
    const int32_t former_offense_side = offense_side;
    const bool touchdown = Hand_Over_Recovered_Fumble(pGame, dteam, recoverer, std::abs(loss) + ret);
    // Kept as a fumble (5) or returned for a touchdown (14): the passer lost it.
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_FUMBLER, passer_id, ROLE_RECOVERER, recoverer_id);
    pGame->Current_Play.Yard1 = pGame->Snap_Yards;
    if (ret < 5) {
        Say(pGame, 31, 0, 0, recoverer_id, -1);
        return;
    }
    Say(pGame, 32, 0, 0, recoverer_id, -1);
    if (ret > 30)
        Say(pGame, 28, 0, ret + loss, recoverer_id, -1);
    else if (ret > 12)
        Say(pGame, 20, 0, 0, recoverer_id, -1);
    if (!touchdown) {
        const int32_t former_team = pGame->Team[former_offense_side];
        const int32_t tackler = pGame->On_Field[former_offense_side][Play_Random_Below(ON_FIELD_PLAYERS)];
        Say(pGame, 21, loss - ret, 0, recoverer_id, Play_Player_Id(former_team, tackler));
    }
}

} // namespace

int32_t Get_Receiver_Slot(const GAME_RECORD* pGame, int32_t receiver_index) {
    if (receiver_index < 0 || receiver_index >= PASS_RECEIVERS) return NO_FIELD_PLAYER;
    return Get_Offense_Field_Slot(pGame, receiver_index + 1);
}

int32_t Check_For_Scramble(GAME_RECORD* pGame) {
    const int32_t passer = Passer_Slot(pGame);
    const int32_t team = Get_Offense_Team(pGame);
    float run_skill = 20.0f;
    float pass_skill = 20.0f;
    if (Is_Player_Address(team, passer)) {
        run_skill = Get_Player_Rating(team, passer, RATING_RUNNING_COMPOSITE);
        pass_skill = Get_Player_Rating(team, passer, RATING_PASSING_COMPOSITE);
    }
    const float x = (run_skill - 30.0f) * run_skill / 10.0f;
    const float y = (Get_Player_Rating(team, passer, RATING_MOBILITY) / 45.0f) * x;
    const int32_t total = static_cast<int32_t>(70.0f * pass_skill) + static_cast<int32_t>(y);
    const int32_t d = static_cast<int32_t>(Play_Random_Fraction() * total);
    if (Is_Rollout_Or_Bootleg_Play(team, pGame->Current_Play.Offensive_Play))
        return d < static_cast<int32_t>(2.0f * y) ? 1 : 0;
    return d < static_cast<int32_t>(0.6f * y) ? 1 : 0;
}

int32_t Choose_Pass_Target(GAME_RECORD* pGame, int32_t* primary_chosen) {
    const int32_t oteam = Get_Offense_Team(pGame);
    const int32_t oplay = pGame->Current_Play.Offensive_Play;
    const int32_t dteam = Get_Defense_Team(pGame);
    const int32_t dplay = pGame->Current_Play.Defensive_Play;
    const int32_t primary = Primary_Receiver_Index(pGame);
    const int32_t slot = Get_Receiver_Slot(pGame, primary);
    float skill = 20.0f;
    if (Is_Player_Address(oteam, slot)) skill = Get_Player_Rating(oteam, slot, RATING_RECEIVING_COMPOSITE);
    static const int32_t POSITION_BONUS[5] = {80, 25, 25, 25, 35};
    const int32_t position = Play_Player_Position(oteam, slot);
    int32_t b = static_cast<int32_t>(skill) - 70 + POSITION_BONUS[Clamp_Int(0, 4, position)];
    int32_t covered = 0;
    const int32_t formation = pGame->Formation[Get_Offense_Side(pGame)];
    if (position == POSITION_WR && Get_Formation_Slot_Position(formation, primary + 1, 1) == 0) {
        b += 3;
        if (Has_Defender_With_Role_18(dteam, dplay)) {
            b -= 30;
            covered = 1;
        }
    }
    if (b > 55) b = (b + 55) / 2 < 65 ? (b + 55) / 2 : 65;
    if (Is_Special_Pass_Play(oteam, oplay)) b += 25;
    int32_t chosen = 0;
    int32_t target = primary;
    if (Play_Random_Below(100) <= b) {
        chosen = 1;
    } else {
        const int32_t k = Play_Random_Below(PASS_RECEIVERS);
        if (Valid_Receiving_Route(Receiver_Route(pGame, k)) && k != primary) {
            target = k;
            Say(pGame, 9, 0, covered, Offense_Id(pGame, slot), -1);
        }
    }
    if (primary_chosen != nullptr) *primary_chosen = chosen;
    return target;
}

int32_t Get_Throw_Depth_Limit(GAME_RECORD* pGame, int32_t receiver) {
    const int32_t oteam = Get_Offense_Team(pGame);
    const int32_t passer = Passer_Slot(pGame);
    const int32_t year = Get_Current_Year();
    const int32_t h = Get_Historical_Average_Stat(109, year);
    const int32_t speed = static_cast<int32_t>(Get_Player_Rating(oteam, receiver, RATING_SPEED));
    const int32_t power = static_cast<int32_t>(Get_Player_Rating(oteam, receiver, RATING_POWER));
    const int32_t receiving = static_cast<int32_t>(Get_Player_Rating(oteam, receiver, RATING_RECEIVING));
    int32_t limit = Mul_Div_Round(h, 2 * speed - power + receiving, 175);
    const int32_t position = Play_Player_Position(oteam, receiver);
    int32_t percent = 100;
    if (position == POSITION_TE) percent = 85;
    if (position == POSITION_RB || position == POSITION_FB) percent = 65;
    if (percent != 100) {
        const int64_t scaled = (static_cast<int64_t>(percent) * limit + 50) / 100;
        limit = static_cast<int32_t>(limit < 0 ? scaled - 1 : scaled);
    }
    float distance = Get_Player_Rating(oteam, passer, RATING_DISTANCE);
    const int32_t passer_position = Play_Player_Position(oteam, passer);
    const int32_t passer_group = passer_position == POSITION_QB ? 4 : Get_Position_Group(passer_position);
    const int32_t rating_group = Get_Rating_Position_Group(RATING_DISTANCE);
    if (distance < 60.0f && passer_position >= 0 && (passer_group == rating_group || rating_group == -1))
        distance = (distance + 120.0f) / 3.0f;
    const int32_t arm = static_cast<int32_t>(distance);
    const int32_t x = Mul_Div_Round(limit, arm, 85);
    const int32_t n =
        3 + Count_Defenders_With_Role_8(Get_Defense_Team(pGame), pGame->Current_Play.Defensive_Play);
    const int32_t y = Mul_Div_Round(5, x, n);
    const int32_t w = Mul_Div_Round(Apply_Random_Variance(y, 500), h, Get_League_Yards_Per_Completion());
    const int32_t base = w / 100;
    if (Play_Random_Below(65000) < limit || Play_Random_Below(2500) < arm - 35)
        return base + 11 + Play_Random_Below(90);
    if (Play_Random_Below(5500) < h) return base + 1 + Play_Random_Below(10);
    return base;
}

void Narrate_Scramble(GAME_RECORD* pGame) {
    const int32_t passer_id = Offense_Id(pGame, Passer_Slot(pGame));
    if (Is_Drop_Back_From_Center(pGame)) Say(pGame, 2, 0, 0, passer_id, -1);
    // The rush is told when the look went to the primary receiver, whether the
    // primary roll chose him or the look elsewhere came back to him.
    const int32_t target = Choose_Pass_Target(pGame, nullptr);
    if (target == Primary_Receiver_Index(pGame))
        Narrate_Pass_Pressure(pGame, Pick_Defender_Below_Role_4(pGame));
    Say(pGame, 50, 0, 0, passer_id, -1);
}

void Narrate_Incomplete_Pass(GAME_RECORD* pGame, int32_t receiver, int32_t defender, int32_t depth,
                             int32_t interception) {
    const int32_t oteam = Get_Offense_Team(pGame);
    const int32_t oplay = pGame->Current_Play.Offensive_Play;
    const int32_t dplay = pGame->Current_Play.Defensive_Play;
    const int32_t passer_id = Offense_Id(pGame, Passer_Slot(pGame));
    const int32_t receiver_id = Offense_Id(pGame, receiver);
    const int32_t pressure = Has_Five_Defenders_Below_Role_4(Get_Defense_Team(pGame), dplay) ? 70 : 35;
    bool both_missed = false;
    Narrate_Protection(pGame, 15, pressure, &both_missed);
    if (both_missed && Has_Receiver_Route_31_32_37(oteam, oplay) && Play_Random_Below(100) < 50 &&
        !Is_Read_Or_Option_Play(oteam, oplay)) {
        if (Random_Int(100) < 30)
            Say(pGame, 24, 0, 0, passer_id, Offense_Id(pGame, Find_Receiver_With_Route_31_32_37(pGame)));
        else if (Random_Int(100) < 20)
            Say(pGame, 25, 0, 0, Defense_Id(pGame, Find_Defender_With_Role_31_32_37(pGame)), passer_id);
    }
    if (Play_Random_Below(100) < 10 && !Is_Special_Pass_Play(oteam, oplay))
        Say(pGame, 10, depth, 0, receiver_id, -1);
    Say(pGame, 11, depth, 0, receiver_id, passer_id);
    if (defender != NO_FIELD_PLAYER)
        Say(pGame, 12, depth, 0, Defense_Id(pGame, defender), -1);
    else if (Play_Random_Below(100) < 20)
        Say(pGame, 15, depth, 0, receiver_id, -1);
    else if (interception == 0)
        Say(pGame, 13, depth, 0, receiver_id, -1);
}

void Narrate_Completed_Pass(GAME_RECORD* pGame, int32_t receiver, int32_t tackler, int32_t after_catch,
                            int32_t catch_depth) {
    const int32_t oteam = Get_Offense_Team(pGame);
    const int32_t oplay = pGame->Current_Play.Offensive_Play;
    const int32_t c = catch_depth;
    const int32_t y = after_catch;
    const int32_t e = c + y;
    const int32_t receiver_id = Offense_Id(pGame, receiver);
    const int32_t tackler_id = Defense_Id(pGame, tackler);
    const int32_t result = Get_Current_Play_Result(pGame);
    bool both_missed = false;
    Narrate_Protection(pGame, 40, (40 - c) / 2, &both_missed);
    if (Play_Random_Below(100) < 40 && !Is_Special_Pass_Play(oteam, oplay))
        Say(pGame, 10, c, 0, receiver_id, -1);
    Say(pGame, 11, c, 0, receiver_id, Offense_Id(pGame, Passer_Slot(pGame)));
    Say(pGame, 14, c, 0, receiver_id, -1);
    if (y == 0) {
        if (result == RESULT_COMPLETED_PASS && Play_Random_Below(100) < 30)
            Say(pGame, 16, c, 0, tackler_id, receiver_id);
    } else if (y >= 1 && y <= 4) {
        if (Play_Random_Below(100) < 3 * y) {
            Say(pGame, 16, c, 0, tackler_id, receiver_id);
            Say(pGame, 17, c, 0, receiver_id, tackler_id);
        }
    } else if (y >= 5) {
        if (Play_Random_Below(100) < 10) {
            const int32_t defender = Choose_Game_Event_Player(pGame, 2, 2, 0);
            if (defender != tackler) {
                Say(pGame, 16, c, 0, Defense_Id(pGame, defender), receiver_id);
                Say(pGame, 19, c, 0, receiver_id, Defense_Id(pGame, defender));
            }
        }
        if (y > 9 + Play_Random_Below(5)) {
            Say(pGame, 20, c, 0, receiver_id, -1);
            if (y > 20) Say(pGame, 28, c, y, receiver_id, -1);
        }
    }
    if (result == RESULT_COMPLETED_PASS) {
        Say(pGame, 21, e, 0, receiver_id, tackler_id);
        if (Snap_Uses_Up_Half(pGame)) return;
        if (e >= pGame->Yards_To_Go)
            Say(pGame, 35, e, 0, receiver_id, -1);
        else if (Get_Game_Down(pGame) == 3)
            Say(pGame, 49, e, 0, receiver_id, -1);
    } else if (result == RESULT_TOUCHDOWN_PASS) {
        Say(pGame, 34, e, 0, receiver_id, -1);
    }
}

void Implement_Pass_Result(GAME_RECORD* pGame, int32_t receiver, int32_t outcome, int32_t route,
                           int32_t catch_depth, int32_t end_depth) {
    if (pGame == nullptr) return;
    if (outcome < 0 || outcome > 5) {
        Set_Current_Play_Result(pGame, outcome < 0 ? RESULT_NOT_RESOLVED : outcome);
        Show_Quick_Message("Invalid value in Implement_Pass_Result()");
        return;
    }
    Set_Current_Play_Result(pGame, outcome);
    const int32_t hurry = Is_Hurry_Up_Offense(pGame) ? 1 : 0;
    if (outcome != PASS_OUTCOME_SACKED && outcome != PASS_OUTCOME_SACK_FUMBLE)
        Increment_Game_Team_Total(pGame, Get_Offense_Side(pGame), GAME_TOTAL_PASS_ATTEMPTS, 1);
    switch (outcome) {
    case PASS_OUTCOME_INCOMPLETE:
        Apply_Incompletion(pGame, receiver, end_depth, NO_FIELD_PLAYER);
        break;
    case PASS_OUTCOME_COMPLETE:
        Apply_Completion(pGame, receiver, route, catch_depth, end_depth, hurry);
        break;
    case PASS_OUTCOME_INTERCEPTED:
        Apply_Interception(pGame, receiver, catch_depth, end_depth);
        break;
    case PASS_OUTCOME_SACKED:
        Apply_Sack(pGame, end_depth);
        break;
    case PASS_OUTCOME_DEFENDED:
        Apply_Incompletion(pGame, receiver, end_depth, Choose_Game_Event_Player(pGame, 2, 6, 0));
        break;
    default:
        Apply_Sack_Fumble(pGame, end_depth);
        break;
    }
}

void Resolve_Pass_Play(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t passer = Passer_Slot(pGame);
    if (Is_Drop_Back_From_Center(pGame)) Say(pGame, 2, 0, 0, Offense_Id(pGame, passer), -1);
    int32_t primary = 0;
    const int32_t r = Choose_Pass_Target(pGame, &primary);
    const int32_t route = Receiver_Route(pGame, r);
    const int32_t receiver = Get_Receiver_Slot(pGame, r);

    int32_t lo = 0;
    int32_t hi = 0;
    if (route >= 0 && route < PASS_ROUTE_COUNT) {
        lo = Pass_Route_Table[route].Shortest;
        hi = Pass_Route_Table[route].Longest;
    }
    const int32_t arm = static_cast<int32_t>(Offense_Rating(pGame, passer, RATING_DISTANCE)) - 60;
    const int32_t extra = static_cast<int32_t>(Play_Random_Fraction() * arm);
    if (extra > 0) hi += extra;

    const int32_t reach = Get_Throw_Depth_Limit(pGame, receiver);
    int32_t c;
    int32_t e;
    if (hi < reach) {
        c = lo + static_cast<int32_t>(Play_Random_Fraction() * (hi - lo)) / 2;
        e = reach;
    } else if (reach < lo) {
        c = lo + static_cast<int32_t>(Play_Random_Fraction() * (hi - lo)) / 2;
        e = c;
    } else {
        c = reach;
        e = reach;
    }
    const float tackling = Get_Tackling_Multiplier(pGame);
    const float run_after =
        (Offense_Rating(pGame, receiver, RATING_VISION) + Offense_Rating(pGame, receiver, RATING_POWER)) /
        140.0f;
    e = c + static_cast<int32_t>((1.5f - 0.5f * tackling) * run_after * static_cast<float>(e - c) + 0.5f);
    const int32_t cap = pGame->Yards_To_Goal + 1 + Play_Random_Below(9);
    if (e > cap) e = cap;
    if (c > e) c = e;
    const int32_t outcome =
        Choose_Pass_Outcome(pGame, receiver, primary, static_cast<float>(c), static_cast<float>(e));
    Implement_Pass_Result(pGame, receiver, outcome, route, c, e);
}
