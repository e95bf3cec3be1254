#pragma once
// Opening the help page of a dialog, a view or the contents.
#include <cstdint>

// The page for `topic`: 0 the contents, a view id, or a dialog or control id.
void Open_Context_Help(int32_t topic);
// Opens "Help\<topic>.htm" of the installation when it is there.
void Open_Help_Topic(const char* topic);
