#include "frontoffice/depth_charts.h"

// Depth follows roster slot order until the automatic depth charts exist, so
// there is nothing to rearrange.
void Auto_Set_All_Depth_Charts() {}
