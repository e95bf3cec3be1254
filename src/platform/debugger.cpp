#include "platform/debugger.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// -1: not decided yet (read the environment on first use), 0 off, 1 on.
int output_enabled = -1;
std::string* output_sink = nullptr;
} // namespace

bool Is_Debugger_Output_Enabled() {
    if (output_enabled < 0) {
        const char* value = std::getenv("KORVA_DEBUG_OUTPUT");
        output_enabled = value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
    }
    return output_enabled == 1;
}

void Set_Debugger_Output_Enabled(bool enabled) {
    output_enabled = enabled ? 1 : 0;
}

void Capture_Debugger_Output(std::string* sink) {
    output_sink = sink;
}

void Write_Debugger_Output(const char* text) {
    if (text == nullptr) return;
    if (output_sink != nullptr) output_sink->append(text);
    if (Is_Debugger_Output_Enabled()) {
        std::fputs(text, stderr);
        std::fflush(stderr);
    }
}

bool Is_Debugger_Attached() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return false;
    char line[256];
    long tracer = 0;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "TracerPid:", 10) == 0) {
            tracer = std::strtol(line + 10, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return tracer != 0;
}

void Break_Into_Debugger() {
    if (Is_Debugger_Attached()) std::raise(SIGTRAP);
}
