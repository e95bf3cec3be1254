#include "views/current_view.h"

#include "database/league_structure.h"

// Without a main window the switch is the remembered view alone.
void Set_Current_View(int32_t view) {
    Set_Current_View_Setting(view);
}
