#include "personnel/fantasy_draft.h"

#include <cstdio>
#include <cstring>

#include "app/diagnostics.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/universe.h"

int Load_Fantasy_Draft_State() {
    char saved_name[sizeof Universe.Header.Saved_Game_Name + 1];
    safe_strncpy(saved_name, Universe.Header.Saved_Game_Name, sizeof saved_name);
    // The name comes from the loaded file: it may only name a file beside the game.
    if (!Is_Plain_File_Name(saved_name)) {
        Log_Debug_Line("Load_Fantasy_Draft_State: refused the saved-game name \"%s\"", saved_name);
        return 0;
    }
    char file_name[sizeof saved_name + 8];
    snprintf(file_name, sizeof file_name, "%s.draft", saved_name);

    FILE* file = Open_Resolved_File(file_name, "rb");
    if (file == nullptr) {
        Log_Debug_Line("Load_Fantasy_Draft_State: no file \"%s\"", file_name);
        return 0;
    }
    // Read whole before it replaces anything, so a short file loses nothing.
    uint8_t state[sizeof Universe.Tail.Fantasy_Draft_State];
    const size_t read = fread(state, 1, sizeof state, file);
    fclose(file);
    if (read != sizeof state) {
        Log_Debug_Line("Load_Fantasy_Draft_State: \"%s\" holds %zu of %zu bytes", file_name, read,
                       sizeof state);
        return 0;
    }
    memcpy(Universe.Tail.Fantasy_Draft_State, state, sizeof state);
    return 1;
}
