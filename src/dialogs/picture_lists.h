#pragma once
// The lists of picture files an editor offers for a stadium or a city: the
// files of a folder of the installation, chosen by name.
#include <cstdint>

#include "platform/handles.h"

// Fills list `list_id` of the dialog (when it has one) with the names of the
// files `pattern` finds in `folder`. With no file, `none_text` is shown under
// "No art files"; an empty list is disabled. Returns the number of files.
int32_t Fill_Picture_File_List(WINDOW_HANDLE dialog, int32_t list_id, const char* folder, const char* pattern,
                               const char* none_text);
// Selects the line of `list` that equals `name`, case ignored; its index,
// or -1 (the selection then stays as it was).
int32_t Select_Picture_File(WINDOW_HANDLE list, const char* name);
