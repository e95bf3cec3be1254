#pragma once
// Opening the help page of a dialog or a view, and web addresses.
#include <cstdint>
#include <string>

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
// The full path of a topic's page in the installation's "Help" folder; ""
// when the current folder cannot be read.
std::string Get_Help_Page_Path(const char* topic);
// Opens a web address (or a page of the installation, by its full path) with
// the current folder as working folder; every refusal of the desktop is
// shown: a page that is not there under "Error Launching URL", anything else
// as the desktop's (Tell_Desktop_Refusal). Returns the desktop's result (above
// 32 when it took the request).
int32_t Launch_URL(WINDOW_HANDLE owner, const char* address);
