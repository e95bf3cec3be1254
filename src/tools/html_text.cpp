#include "tools/html_text.h"

void Strip_HTML_Tags(char* text) {
    if (text == nullptr) return;
    char* out = text;
    int32_t kept = 0;
    for (const char* in = text; *in != '\0';) {
        if (*in == '<') {
            const char* close = in;
            while (*close != '\0' && *close != '>')
                ++close;
            if (*close == '>') {
                in = close + 1;
                continue;
            }
        }
        if (kept < STRIPPED_TEXT_LIMIT) {
            *out++ = *in;
            ++kept;
        }
        ++in;
    }
    *out = '\0';
}
