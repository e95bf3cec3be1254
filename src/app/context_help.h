#pragma once
// Opening the help page of a dialog or a view, and web addresses.
#include <cstdint>

#include "platform/handles.h"

// The help topic of a dialog id or view id ("playing" for any other).
const char* Get_Context_Help_Topic(int32_t id);
// Opens "<current folder>\Help\<topic>.htm" for the id with the desktop
// (Open_With_Desktop, which tells a refusal); a page that is not installed is
// told with the path it was looked for at.
void Open_Context_Help(int32_t id);
// The same for a topic named directly. A page the game opens by itself
// (`asked` false) that is missing or refused is only logged.
void Open_Help_Topic(const char* topic, bool asked = true);
// Opens a web address with the current folder as working folder; when the
// desktop refuses, Open_With_Desktop shows "Error Launching URL" (only logged
// for an address the game opens by itself, `asked` false). Returns the
// desktop's result (above 32 when it took the request).
int32_t Launch_URL(WINDOW_HANDLE owner, const char* address, bool asked = true);
