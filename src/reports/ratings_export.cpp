#include "reports/ratings_export.h"

#include "app/diagnostics.h"
#include "platform/message_box.h"

// The export is not written yet: nothing is exported.
int32_t Export_Player_Ratings_CSV(int32_t position, int32_t year) {
    Log_Debug_Line("Export_Player_Ratings_CSV(%d, %d): the ratings export is not available", position, year);
    return 0;
}

void Export_Player_Ratings_Command() {
    Show_Formatted_Message("Export Player Ratings", "The ratings export is not available in this version.");
}
