#include "personnel/player_names.h"

#include "database/safe_strings.h"

namespace {
// A fixed pool: names come round in order, so a league built from it is the same
// every run.
const char* const FIRST_NAMES[] = {"James",  "John",   "Robert", "Michael", "David",   "William", "Richard",
                                   "Joseph", "Thomas", "Chris",  "Daniel",  "Matthew", "Anthony", "Mark",
                                   "Steven", "Paul",   "Andrew", "Joshua",  "Kevin",   "Brian",   "George",
                                   "Eric",   "Ryan",   "Jacob",  "Gary",    "Nicholas"};
const char* const LAST_NAMES[] = {"Smith",  "Johnson",  "Williams", "Brown",    "Jones",  "Miller", "Davis",
                                  "Wilson", "Anderson", "Taylor",   "Thomas",   "Moore",  "Martin", "Jackson",
                                  "White",  "Harris",   "Clark",    "Lewis",    "Walker", "Hall",   "Allen",
                                  "Young",  "King",     "Wright",   "Hill",     "Scott",  "Green",  "Adams",
                                  "Baker",  "Nelson",   "Carter",   "Mitchell", "Roberts"};
constexpr int FIRST_NAME_COUNT = sizeof FIRST_NAMES / sizeof FIRST_NAMES[0];
constexpr int LAST_NAME_COUNT = sizeof LAST_NAMES / sizeof LAST_NAMES[0];

char First_Name_Buffer[FIRST_NAME_BUFFER_SIZE][12];
int Next_First_Name_Source = 0;
int Next_Last_Name = 0;
} // namespace

int32_t Take_First_Name(char* out) {
    for (auto& entry : First_Name_Buffer) {
        if (entry[0] == 0) continue;
        safe_strncpy(out, entry, 12);
        entry[0] = 0;
        return 1;
    }
    return 0;
}

void Load_First_Names() {
    for (auto& entry : First_Name_Buffer) {
        safe_strncpy(entry, FIRST_NAMES[Next_First_Name_Source], sizeof entry);
        Next_First_Name_Source = (Next_First_Name_Source + 1) % FIRST_NAME_COUNT;
    }
}

void Get_Random_Last_Name(char* out) {
    safe_strncpy(out, LAST_NAMES[Next_Last_Name], 20);
    Next_Last_Name = (Next_Last_Name + 1) % LAST_NAME_COUNT;
}
