#pragma once
// What a load does after the file has been read into the block: the repairs of
// older file versions in their fixed order, and the steps that every load runs.

// Bounds the loaded league, turns a year stored as the season index back
// into an index, and runs the post-load repair rows whose version condition
// holds for `version`.
void Run_Post_Load_Repairs(int version);

// The steps of a successful load after the read: cleared run flags, teams in
// name order, the refreshed team count and hashes, and the repairs of files
// that older versions wrote.
void Finish_Loaded_Game();

// Sets the two team bytes of every game record a schedule entry names from the
// schedules of the active teams; entries without a valid game index are skipped.
void Rebuild_Game_Teams_From_Schedules();
