#include "views/current_view.h"

#include "database/league_structure.h"

// Without a main window the switch is the remembered view alone.
void Set_Current_View(int32_t view) {
    Set_Current_View_Setting(view);
}

bool Is_News_View() {
    switch (Get_Current_View()) {
    case 40030:
    case 40032:
    case 40034:
    case 40036:
    case 40037:
    case 40069:
    case 40070:
    case 40074:
    case 40086:
        return true;
    default:
        return false;
    }
}
