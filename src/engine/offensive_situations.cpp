// The situations the offensive play caller settles before it weighs its
// plays: the clock at the end of a half, the overtime possession rule, the
// fourth-down kicks, the kickoff's kind and the kneel-down; and the record of
// a snap's calls.
#include "database/game_queries.h"
#include "database/settings.h"
#include "engine/defensive_play_calling.h"
#include "engine/downs_and_clock.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/play_matchups.h"
#include "engine/snap_answers.h"
#include "engine/snap_decisions.h"
#include "engine/team_unit_ratings.h"

namespace {
int32_t Offense_Team(const GAME_RECORD* pGame) {
    return pGame->Team[Get_Offense_Side(pGame)];
}

// The defence's score less the offence's.
int32_t Deficit(const GAME_RECORD* pGame) {
    const int32_t side = Get_Offense_Side(pGame);
    return pGame->Score[1 - side] - pGame->Score[side];
}
} // namespace

int32_t Is_Half_Ending(const GAME_RECORD* pGame) {
    return pGame != nullptr && Get_Half_Time_Left(pGame) <= 9 ? 1 : 0;
}

int32_t Is_Game_Ending(const GAME_RECORD* pGame) {
    return pGame != nullptr && pGame->Clock >= HALF_SECONDS && Is_Half_Ending(pGame) ? 1 : 0;
}

void Record_Offensive_Play_Call(GAME_RECORD* pGame, int32_t play) {
    if (pGame == nullptr) return;
    Last_Offensive_Play = play;
    if (play >= 0 && play < OFFENSIVE_PLAY_NUMBERS)
        ++Offensive_Play_Use_Counts[Get_Offense_Side(pGame)][play];
}

void Reset_Play_Use_Counts() {
    Clear_Play_Use_Counts();
    Last_Offensive_Play = -1;
    Last_Defensive_Play = -1;
}

void Store_Computer_Defensive_Call(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    Set_User_Preference(PBP_DEFENSIVE_PLAY, Choose_Defensive_Play(pGame));
}

int32_t Is_Overtime_Possession_Rule_Over(const GAME_RECORD* pGame) {
    if (pGame == nullptr || pGame->Clock < REGULATION_SECONDS) return 0;
    const int32_t rule = Get_Game_Overtime_Rule(pGame);
    if (rule == 0 || rule == 2) return 1;
    return pGame->Overtime_Possessions >= 3 ? 1 : 0;
}

int32_t Has_Comeback_Time(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const bool overtime = pGame->Clock >= REGULATION_SECONDS;
    if (overtime && pGame->Score[0] != pGame->Score[1]) return 0;
    int32_t timeouts = pGame->Timeouts[Get_Offense_Side(pGame)];
    if (timeouts < 0) timeouts = 0;
    const int32_t need = 180 - 35 * timeouts;
    if (overtime && !Is_Overtime_Timed(pGame)) return 1;
    return Get_Game_Time_Left(pGame) > need ? 1 : 0;
}

namespace {
int32_t Decide_Punt(GAME_RECORD* pGame) {
    const int32_t togo = pGame->Yards_To_Go;
    const int32_t togoal = pGame->Yards_To_Goal;
    if (Deficit(pGame) > 0) {
        if (Get_Game_Time_Left(pGame) < (8 - togo) * 60) return 0;
        if (!Has_Comeback_Time(pGame)) return 0;
    }
    return togoal >= 31 && togoal > (9 - togo) * 5 ? 1 : 0;
}

int32_t Decide_Field_Goal(GAME_RECORD* pGame) {
    const int32_t deficit = Deficit(pGame);
    const int32_t togo = pGame->Yards_To_Go;
    const int32_t left = Get_Game_Time_Left(pGame);
    if (deficit >= 4) {
        if (deficit < 8 && (left < 120 || !Has_Comeback_Time(pGame))) return 0;
        if (deficit >= 12 && left < 300) return 0;
        const int32_t running = Get_Team_Running_Rating(Offense_Team(pGame));
        int32_t margin = ((running - 700) / 10 + deficit) / 7 + 1;
        if (margin < 1) margin = 1;
        if (togo <= margin) return 0;
    }
    if (deficit == -4 || deficit == -5) {
        const int32_t running = Get_Team_Running_Rating(Offense_Team(pGame));
        int32_t margin = (running - 630) / 50 + 1;
        if (margin < 1) margin = 1;
        if (togo <= margin) return 0;
    }
    if (pGame->Yards_To_Goal > Get_Field_Goal_Range(pGame)) return 0;
    if (deficit < 4) return 1;
    return Has_Comeback_Time(pGame);
}
} // namespace

int32_t Should_Punt(GAME_RECORD* pGame) {
    if (pGame == nullptr || Get_Game_Down(pGame) != 3) return 0;
    return Snap_Answer(ANSWER_SHOULD_PUNT, [pGame] { return Decide_Punt(pGame); });
}

int32_t Should_Kick_Field_Goal(GAME_RECORD* pGame) {
    if (pGame == nullptr || Get_Game_Down(pGame) != 3) return 0;
    return Snap_Answer(ANSWER_SHOULD_KICK_FIELD_GOAL, [pGame] { return Decide_Field_Goal(pGame); });
}

namespace {
// The clock test shared by the squib and the onside kick.
bool Is_Late_Kickoff(const GAME_RECORD* pGame) {
    if (pGame->Clock >= REGULATION_SECONDS) {
        if (!Is_Overtime_Timed(pGame)) return false;
        return Get_Game_Time_Left(pGame) <= 120;
    }
    return Get_Game_Quarter(pGame) == 4 && Get_Game_Time_Left(pGame) <= 120;
}
} // namespace

int32_t Should_Squib_Kick(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t lead = -Deficit(pGame);
    return lead >= 4 && lead <= 8 && Is_Late_Kickoff(pGame) ? 1 : 0;
}

int32_t Should_Onside_Kick(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t deficit = Deficit(pGame);
    return deficit >= 1 && deficit <= 8 && Is_Late_Kickoff(pGame) ? 1 : 0;
}

int32_t Should_Kneel_Down(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const uint32_t down = Get_Game_Down(pGame);
    if (down > 3) return 0;
    const int32_t n = 3 - static_cast<int32_t>(down);
    int32_t timeouts = pGame->Timeouts[1 - Get_Offense_Side(pGame)];
    if (timeouts < 0) timeouts = 0;
    const int32_t t = timeouts < n ? timeouts : n;
    if (t > 0 || 38 * n <= Get_Game_Time_Left(pGame)) return 0;
    return Deficit(pGame) < 0 && Is_Blowout(pGame) ? 1 : 0;
}
