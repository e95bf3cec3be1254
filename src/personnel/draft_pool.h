#pragma once
// The college draft class in the pools (team slots 38-40) and the order in
// which the teams pick.

// Empties the draft pools and builds a new draft class in them.
void Create_College_Draft_Pool();
// Fills Draft_Order for the coming draft.
void Set_College_Draft_Order();
