#include "platform/display_choice.h"

#include <cstring>
#include <strings.h>

namespace {
bool Shows_Nothing(const char* driver) {
    return strcasecmp(driver, "offscreen") == 0 || strcasecmp(driver, "dummy") == 0;
}

bool Is_Named_In_List(const char* driver, const char* list) {
    const size_t length = std::strlen(driver);
    for (const char* name = list;; ++name) {
        const char* end = std::strchr(name, ',');
        const size_t size = end != nullptr ? static_cast<size_t>(end - name) : std::strlen(name);
        if (size == length && strncasecmp(name, driver, length) == 0) return true;
        if (end == nullptr) return false;
        name = end;
    }
}
} // namespace

bool Is_Video_Driver_Accepted(const char* driver, const char* requested) {
    if (driver == nullptr || *driver == '\0') return false;
    if (!Shows_Nothing(driver)) return true;
    return requested != nullptr && Is_Named_In_List(driver, requested);
}

std::string Describe_Missing_Display(const char* display, const char* reason) {
    std::string text = "Football Korva cannot open its window: no display could be reached (";
    if (display == nullptr || *display == '\0') {
        text.append("DISPLAY is not set");
    } else {
        text.append("DISPLAY is \"");
        text.append(display);
        text.append("\"");
    }
    text.append(").");
    if (reason != nullptr && *reason != '\0') {
        text.append(" ");
        text.append(reason);
    }
    return text;
}
