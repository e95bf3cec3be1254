#include "platform/label_drawing.h"

#include <cstring>

namespace {
LABEL_DRAWER drawer = nullptr;
} // namespace

void Set_Label_Drawer(LABEL_DRAWER new_drawer) {
    drawer = new_drawer;
}

void Strip_Mnemonics(const char* text, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return;
    int32_t used = 0;
    for (const char* c = text != nullptr ? text : ""; *c != '\0' && used < size - 1; ++c) {
        if (*c == '&') {
            if (c[1] != '&') continue;
            ++c;
        }
        buffer[used++] = *c;
    }
    buffer[used] = '\0';
}

void Draw_Label(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t flags,
                COLOUR_VALUE colour) {
    if (dc == nullptr || drawer == nullptr || text == nullptr || text[0] == '\0') return;
    char plain[512];
    Strip_Mnemonics(text, plain, sizeof plain);
    drawer(dc, plain, rect, flags, colour);
}

int32_t Measure_Label_Width(const char* text) {
    char plain[512];
    Strip_Mnemonics(text, plain, sizeof plain);
    return static_cast<int32_t>(std::strlen(plain)) * LABEL_CHARACTER_WIDTH;
}
