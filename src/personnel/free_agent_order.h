#pragma once
// Order of the Free Agent pool.

// Re-sorts the Free Agent pool (team 36): best player at his own position first.
void Sort_Free_Agents();
