#include "tools/timestamp_log.h"

#include <chrono>

#include "database/league_structure.h"
#include "database/text_files.h"

void Log_Timestamp_Line(const char* text) {
    constexpr int64_t MILLISECONDS_PER_HOUR = 3600000;
    const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    const int32_t within_hour = static_cast<int32_t>(now % MILLISECONDS_PER_HOUR);
    Append_Formatted_Line_To_File("debug.txt", "%d,%s,%d,%d:%02d.%03d", Get_Current_Year(),
                                  text != nullptr ? text : "", within_hour, within_hour / 60000,
                                  within_hour / 1000 % 60, within_hour % 1000);
}
