#include "platform/display_choice.h"

#include <strings.h>

namespace {
bool Shows_Nothing(const char* driver) {
    return strcasecmp(driver, "offscreen") == 0 || strcasecmp(driver, "dummy") == 0;
}

bool Is_Named_In_List(const char* driver, const char* list) {
    const std::string text = list;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(',', start);
        const std::string name =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (strcasecmp(name.c_str(), driver) == 0) return true;
        if (end == std::string::npos) return false;
        start = end + 1;
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
    if (display == nullptr || *display == '\0')
        text += "DISPLAY is not set";
    else
        text += "DISPLAY is \"" + std::string(display) + "\"";
    text += ").";
    if (reason != nullptr && *reason != '\0') text += " " + std::string(reason);
    return text;
}
