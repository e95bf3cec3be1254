#pragma once
// The player Hall of Fame (team 37): members in slots 0.. in order of falling
// vote share.
#include <cstdint>

// Stamps the induction year (vital 19) and the vote share in per cent (vital
// 20) and copies the player into his place by vote share: the first slot whose
// member has a lower share, the members below him moving down one slot. In a
// full Hall of Fame the member in the last slot, the lowest share, drops out
// with his season lines; a candidate whose share beats no member is not
// inducted and the Hall stays as it was. Returns the place, or -1 when he was
// not inducted.
int32_t Induct_Player_Into_Hall_Of_Fame(int32_t team, int32_t slot, int32_t vote_share);
