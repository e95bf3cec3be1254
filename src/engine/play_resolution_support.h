#pragma once
// Small helpers shared by the run and pass resolvers: draws, player ids,
// statistic credits with the resolvers' group rules, and the weather and
// fumble figures of the game the resolvers read.
#include <cstdint>
#include <span>

#include "database/game_record_layout.h"
#include "engine/statistics_credit.h"

constexpr int32_t NO_FIELD_PLAYER = 255;

// Uniform fraction of one draw, in [0, 1].
double Play_Random_Fraction();
// floor(u * n) of one draw.
int32_t Play_Random_Below(int32_t n);
// Id of a roster slot, -1 for an empty or invalid slot.
int32_t Play_Player_Id(int32_t team, int32_t slot);
// Id of the offence's (defence's) player in a roster slot, -1 for none.
int32_t Offense_Id(const GAME_RECORD* pGame, int32_t slot);
int32_t Defense_Id(const GAME_RECORD* pGame, int32_t slot);
// A rating of the offence's player in a roster slot (read with its repairs).
float Offense_Rating(const GAME_RECORD* pGame, int32_t slot, int32_t rating);
// A rating read for a decision: not a number becomes the league baseline, a
// value below 20 becomes 20, and the repaired value is stored back.
float Read_Repaired_Rating(int32_t team, int32_t slot, int32_t rating);
// 1 on a try after a touchdown.
bool Is_Conversion(const GAME_RECORD* pGame);
// Queues an announcer event of the snap with its two arguments and players.
void Say(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t player0, int32_t player1);
// Play yards kept within -120..120.
int32_t Clamp_Yards(int32_t yards);
// Position (vital stat 1) of a roster slot, -1 for an empty or invalid slot.
int32_t Play_Player_Position(int32_t team, int32_t slot);
// Defensive credit (group 2) to a defender of the team not in possession.
void Credit_Defender(GAME_RECORD* pGame, int32_t slot, int32_t stat, int32_t amount);
// Offensive credits: a passer is credited only as a quarterback; a ball
// carrier or receiver only when he is in the offensive group and no quarterback.
void Credit_Passer(GAME_RECORD* pGame, int32_t slot, int32_t stat, int32_t amount);
void Credit_Receiver(GAME_RECORD* pGame, int32_t slot, int32_t stat, int32_t amount);
// The same credits for several stats of one player, in turn.
void Credit_Passer(GAME_RECORD* pGame, int32_t slot, std::span<const GAME_STAT_CREDIT> credits);
void Credit_Receiver(GAME_RECORD* pGame, int32_t slot, std::span<const GAME_STAT_CREDIT> credits);
// Fumble credit of a carrier: stat 13 (fumble lost, only when lost) and,
// in the offensive group, his fumble: stat 19 for a quarterback, whose stat 2
// holds his pass attempts, and stat 2 for anyone else, whose stat 19 holds
// his punt-return touchdowns.
void Credit_Carrier_Fumble(GAME_RECORD* pGame, int32_t slot, bool lost);
// The books of a fumble the defence recovered, on a run or a sack alike: the
// offence's turnover and its two fumble counters, the forced fumble and the
// recovery of the two defenders, the lost fumble of the carrier.
void Record_Lost_Fumble(GAME_RECORD* pGame, int32_t carrier, int32_t forcer, int32_t recoverer);
// Random one of the offence's on-field slots first..last (a roster slot).
int32_t Random_Offense_Field_Player(const GAME_RECORD* pGame, int32_t first, int32_t last);
// Weather figures of the game: the condition factor of runs and the kick
// factor of passes.
float Get_Play_Condition_Factor(const GAME_RECORD* pGame);
float Get_Play_Kick_Factor(const GAME_RECORD* pGame);
// The fumble chance of a ball carrier of the offence, per 10,000.
int32_t Get_Carrier_Fumble_Chance(const GAME_RECORD* pGame, int32_t slot);
// 1 when the snap's seconds reach the time left in the half.
bool Snap_Uses_Up_Half(GAME_RECORD* pGame);

// Yards a defender returns a recovered fumble: two draws scaled by his speed,
// their product less a draw below 50, kept within 0..110.
int32_t Draw_Fumble_Return_Yards(int32_t team, int32_t slot);
// Hands a recovered fumble to the defence (a change of possession on the snap)
// and sets the snap's yards, measured toward the recovering side's goal; a
// return that reaches the goal line is the recoverer's touchdown. Returns true
// for a touchdown.
bool Hand_Over_Recovered_Fumble(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t yards);
