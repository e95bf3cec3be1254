#include "app/play_menu.h"

// The main window has no menu bar yet: there is nothing to refresh.
void Update_Play_Menu() {}
