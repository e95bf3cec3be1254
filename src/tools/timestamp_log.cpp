#include "tools/timestamp_log.h"

#include <chrono>
#include <cstdint>
#include <ctime>

#include "database/league_structure.h"
#include "database/text_files.h"

void Log_Timestamp_Line(const char* text) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const int32_t milliseconds = static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    const int32_t in_hour = (local.tm_min * 60 + local.tm_sec) * 1000 + milliseconds;
    Append_Formatted_Line_To_File("debug.txt", "%d,%s,%d,%d:%02d.%03d", Get_Current_Year(),
                                  text == nullptr ? "" : text, in_hour, local.tm_min, local.tm_sec,
                                  milliseconds);
}
