#include "tools/city_lookup.h"

#include <strings.h>

#include "database/cities.h"
#include "database/city_record_layout.h"

int32_t Find_City_By_Name(const char* name) {
    // An empty name names no city: it would match the first unused record.
    if (name == nullptr || name[0] == '\0') return -1;
    char city[sizeof(CITY_RECORD::Name)];
    for (int32_t n = 0; n < MAX_CITIES; ++n) {
        Get_City_Name(n, city);
        if (strcasecmp(city, name) == 0) return n;
    }
    return -1;
}
