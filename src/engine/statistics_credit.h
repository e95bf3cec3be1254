#pragma once
// Crediting the events of a snap: who made the carry, catch, tackle or sack,
// and adding it to his season lines, both teams' season totals and the game's
// per-player counters.
#include <cstdint>
#include <span>

#include "database/game_record_layout.h"

// Position category of the team totals: 0 runners and receivers, 1 defence,
// 2 kickers, 3 passers; -1 for a position outside 0-14.
int32_t Get_Position_Stat_Category(int32_t position);
// Game counter (0-4) that stat `stat` of category `category` feeds, or -1.
int32_t Get_Game_Counter_Index(int32_t category, int32_t stat);

// Adds to the This and Career season stat and the current-season line of a
// player; regular-season weeks only.
void Increment_Player_Stat(int32_t team, int32_t slot, int32_t stat, int32_t amount);
// Raises a kicker's longest kick, statistic `stat` (5 the longest punt, 18
// the longest field goal), to `distance` where it is shorter: in his current
// season line and this season, and with `career` in his career too. Only a
// player of the kicking group holds these figures, and only the weeks whose
// statistics count raise them (as Increment_Player_Stat).
void Keep_Longest_Kick(int32_t team, int32_t slot, int32_t stat, int32_t distance, bool career);
// Adds to a team totals stat (read, add, store).
void Add_Team_Totals_Stat(int32_t team, int32_t category, int32_t season, int32_t stat, int32_t amount);

// The central credit: group -1 is any group, 4 any non-quarterback runner or
// receiver or any defender.
void Credit_Game_Stat(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t group, int32_t stat,
                      int32_t amount);
// One statistic of a credit and the amount added to it.
struct GAME_STAT_CREDIT {
    int32_t stat;
    int32_t amount;
};
// Credit_Game_Stat of each credit in turn to one player, with what they all
// read of the player, the snap and his current season line read once.
void Credit_Game_Stats(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t group,
                       std::span<const GAME_STAT_CREDIT> credits);

// The passing credits of a pass thrown by a player who is no quarterback:
// his own statistics hold other figures under those numbers, so only the
// team's passing totals (and the opponent's against them) count the pass.
// The listener, when one is set, is told of each credit of such a pass that
// a quarterback's own line would have taken (a regular-season pass of a
// player who is not marked out); the league generator keeps them.
void Credit_Team_Passing(GAME_RECORD* pGame, int32_t team, int32_t slot,
                         std::span<const GAME_STAT_CREDIT> credits);
using NON_PASSER_PASSING_LISTENER = void (*)(int32_t team, int32_t slot, int32_t stat, int32_t amount);
// nullptr (the default) tells no one.
void Set_Non_Passer_Passing_Listener(NON_PASSER_PASSING_LISTENER listener);

// Credits a game played (stat 0, any group) to a player who took part in the
// finished game. It is no event of a snap, so the try test does not apply: an
// overtime touchdown ends the game with its try still pending.
void Credit_Game_Played(GAME_RECORD* pGame, int32_t team, int32_t slot);

// Roster slot of the player credited with an event (255 when none could be chosen).
int32_t Choose_Game_Event_Player(GAME_RECORD* pGame, int32_t group, int32_t stat, int32_t bPenalty);
// Weight >= 0 of how often this player produces the stat.
int32_t Estimate_Player_Stat_Frequency(int32_t team, int32_t slot, int32_t stat);
// The estimate drawn towards the replayed season's line in replay mode.
int32_t Get_Adjusted_Stat_Frequency(int32_t team, int32_t slot, int32_t stat);

// Roster slot of the current play's primary receiver (255 when none).
int32_t Get_Primary_Receiver(const GAME_RECORD* pGame);
// 1 when (defensive call + clock) is odd: alternate-target plays throw to route 37.
int32_t Is_Alternate_Target_Snap(const GAME_RECORD* pGame);
// 1 when the snap's seconds reach the time left in the half or the game.
int32_t Snap_Ends_Half(const GAME_RECORD* pGame);

// Credits of whole events.
void Credit_Run(GAME_RECORD* pGame, int32_t runner_slot, int32_t yards, int32_t hole);
// Chooses and credits the sacker (or two half-sackers); returns the first
// sacker's roster slot (255 when none). Also runs the sack-allowed credit.
int32_t Credit_Sack(GAME_RECORD* pGame);
void Credit_Sack_Allowed(GAME_RECORD* pGame);
// Group 0 stat 5 (passing yards) credit.
void Credit_Passing_Yards(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t yards);

// Weighted sum of a listed player's five counters for the game screen.
int32_t Get_Game_Player_Score(const GAME_RECORD* pGame, int32_t side, int32_t index);
