#include "app/diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <cstdint>
#include <ctime>

namespace {
void Append_Log_Line(const char* prefix, const char* format, va_list args)
{
    char text[2048];
    vsnprintf(text, sizeof text, format, args);
    if (FILE* file = fopen("debug.txt", "a")) {
        fprintf(file, "%ld %s%s\n", static_cast<long>(static_cast<uint32_t>(time(nullptr))), prefix, text);
        fclose(file);
    }
}
} // namespace

int Report_System_Error(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Append_Log_Line("ERROR: ", format, args);
    va_end(args);
    return -1;
}

void Log_Debug_Line(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Append_Log_Line("", format, args);
    va_end(args);
}
