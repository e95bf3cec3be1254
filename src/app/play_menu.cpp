#include "app/play_menu.h"

// The menu bar is built by the main window; without it there is no menu to rebuild.
void Update_Play_Menu() {}
