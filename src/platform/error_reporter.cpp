#include "platform/error_reporter.h"

#include <cstdarg>
#include <cstdio>

#include "platform/debugger.h"

namespace {
PLATFORM_ERROR_REPORTER reporter = nullptr;
} // namespace

void Set_Platform_Error_Reporter(PLATFORM_ERROR_REPORTER new_reporter) {
    reporter = new_reporter;
}

void Report_Platform_Error(const char* format, ...) {
    char text[2048] = "";
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof text, format, args);
        va_end(args);
    }
    if (reporter != nullptr) {
        reporter(text);
        return;
    }
    Write_Debugger_Output("platform error: ");
    Write_Debugger_Output(text);
    Write_Debugger_Output("\n");
}
