#pragma once
// Who the two player ids of a play log entry are. Every writer of an entry
// stores its players in the order given here, and every reader asks for a
// player by his role instead of reading the raw id fields.
#include <cstdint>

#include "database/game_record_layout.h"

enum PLAY_ROLE : int32_t {
    ROLE_NONE = 0,
    ROLE_PASSER,
    ROLE_RECEIVER,
    ROLE_CARRIER, // the runner of a run, a scramble or a kneel-down
    ROLE_KICKER,  // field goals and extra points
    ROLE_PUNTER,
    ROLE_RETURNER, // punt and kickoff returner (also on a fair catch or touchback)
    ROLE_TACKLER,  // the man who made the tackle for a safety
    ROLE_SACKER,
    ROLE_INTERCEPTOR,
    ROLE_PASS_DEFENDER,  // the defender who knocked the pass down
    ROLE_RECOVERER,      // the defender who recovered a fumble
    ROLE_KICK_RECOVERER, // a player of the team that recovered an onside kick
    ROLE_PENALIZED,
    ROLE_DOWNED,     // the ball carrier tackled in his own end zone
    ROLE_TRY_PLAYER, // the passer or runner of a two-point try
    ROLE_FUMBLER,    // the player who lost the ball
    PLAY_ROLE_COUNT
};

// The roles of one result's entry: the first id, the second id, and a second
// role the first player holds as well (the passer or carrier who fumbled).
struct PLAY_ROLE_PAIR {
    PLAY_ROLE First;
    PLAY_ROLE Second;
    PLAY_ROLE First_Also;
};

// Roles of a `PLAY_RESULT` code; all ROLE_NONE for a code outside 0..31.
PLAY_ROLE_PAIR Get_Play_Result_Roles(int32_t result);

// The id of the player who holds `role` in the entry, −1 when the entry's
// result holds no such role (or the role's id is empty).
int32_t Get_Play_Role_Id(const PLAY_LOG_ENTRY& entry, PLAY_ROLE role);

// Stores the players of the entry by role, for the result the entry already
// carries: each id goes to the place the result gives its role and a place no
// role is given for is emptied (−1). A role the result does not hold is
// reported and its id dropped.
void Set_Play_Role_Ids(PLAY_LOG_ENTRY* entry, PLAY_ROLE first_role, int32_t first_id,
                       PLAY_ROLE second_role = ROLE_NONE, int32_t second_id = -1);

// True when the player in `role` of a `result` entry plays for the side that
// did not have the ball at the snap: the defenders of a snap from scrimmage
// and the receiving side of a kick. An onside kick's recoverer may be of
// either side and counts as neither.
bool Is_Role_Of_Defending_Side(int32_t result, PLAY_ROLE role);

// The player who carried the ball last on the entry's play: the runner, the
// receiver of a completed pass, the interceptor, the returner, the man who
// lost a fumble or was downed for a safety; −1 when none did (an incomplete
// pass, a kick that was not returned).
int32_t Get_Play_Ball_Carrier_Id(const PLAY_LOG_ENTRY& entry);

// The runner the game credited a rushing attempt on the entry's snap, −1 when
// the snap was no run: the carrier of a run (also one that lost a fumble), and
// on a running play (or a kneel-down) the man who lost a fumble returned for a
// touchdown or was downed for a safety. Such a touchdown or safety on a pass
// play is not taken for a run: the entry cannot tell a scramble from a sack
// (or, for a safety, from a catch).
int32_t Get_Play_Rusher_Id(const GAME_RECORD* pGame, const PLAY_LOG_ENTRY& entry);
