#include "platform/clipboard.h"

#include "platform/backend.h"

void Set_Clipboard_Text(const std::string& text) {
    const PLATFORM_BACKEND& backend = Get_Platform_Backend();
    if (backend.Put_Clipboard_Text != nullptr) backend.Put_Clipboard_Text(text.c_str());
}

bool Get_Clipboard_Text(std::string* text) {
    const PLATFORM_BACKEND& backend = Get_Platform_Backend();
    return text != nullptr && backend.Get_Clipboard_Text != nullptr && backend.Get_Clipboard_Text(text);
}
