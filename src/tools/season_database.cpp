#include "tools/season_database.h"

#include "app/diagnostics.h"
#include "platform/message_box.h"

// The statistics files a build reads are not installed, so no season can be
// built: the league in the block stays as it is.
bool Create_Season_Database(int32_t year) {
    Log_Debug_Line("Create_Season_Database(%d): the season statistics files are not installed", year);
    Show_Formatted_Message("Create Season Database",
                           "The %d database can't be built: the season statistics files it is built from are "
                           "not installed.",
                           year);
    return false;
}

bool Create_Historical_Databases(int32_t first_year, int32_t last_year) {
    if (first_year > last_year) return false;
    return Create_Season_Database(first_year);
}

bool Create_All_Historical_Databases() {
    return Create_Historical_Databases(FIRST_DATABASE_YEAR, LAST_DATABASE_YEAR - 1);
}
