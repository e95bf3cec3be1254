#pragma once
// Order of the Free Agent pool.

// Re-sorts the Free Agent pool (team 36): best player at his own position first.
void Sort_Free_Agents();
// Tops the free-agent pool up to each position's roster minimum with new
// players, letting the pool's surplus players go while it is nearly full.
void Replenish_Free_Agents();
