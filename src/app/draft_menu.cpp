#include "app/draft_menu.h"

namespace {
// Kept outside the block: the menu is built again from it when the window has one.
int32_t draft_menu_fantasy = 0;
} // namespace

void Set_Draft_Menu_Texts(int32_t fantasy) {
    draft_menu_fantasy = fantasy != 0 ? 1 : 0;
}

int32_t Get_Draft_Menu_Fantasy() {
    return draft_menu_fantasy;
}
