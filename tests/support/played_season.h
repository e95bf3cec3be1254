#pragma once
// The computer-run test league after a whole season: the regular season and
// the playoffs played by the calendar up to the champion, before the
// off-season. Played once per test binary; every later call restores the same
// league into the block.
void Build_Played_Season_League();
