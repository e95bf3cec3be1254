#include "app/sounds_and_cursors.h"

#include <cstdio>
#include <string>

#include "database/path_resolver.h"
#include "database/settings.h"
#include "platform/desktop.h"

namespace {
constexpr int32_t APP_CURSORS = 5;
int32_t app_cursors[APP_CURSORS] = {CURSOR_ARROW, CURSOR_HAND, CURSOR_CROSS, CURSOR_MOVE, CURSOR_WAIT};
} // namespace

int32_t Play_Sound_Effect(const char* file) {
    if (file == nullptr || Get_User_Preference(SOUNDS_ENABLED) == 0) return 0;
    char name[512];
    std::snprintf(name, sizeof name, "sound/%s", file);
    return Play_Sound_File(Resolve_File_Path(name).c_str());
}

int32_t Stop_Sound_Effect() {
    return Play_Sound_File("");
}

int32_t Load_App_Cursors() {
    app_cursors[0] = CURSOR_ARROW;
    app_cursors[4] = CURSOR_WAIT;
    int32_t all_found = 1;
    for (int32_t i = 1; i <= 3; ++i) {
        const int32_t shape = Load_Cursor_Resource(129 + i);
        if (shape < 0) all_found = 0;
        app_cursors[i] = shape < 0 ? CURSOR_ARROW : shape;
    }
    return all_found;
}

void Set_App_Cursor(int32_t index) {
    if (index < 0 || index >= APP_CURSORS) return;
    Show_Cursor_Shape(app_cursors[index]);
}
