#pragma once
// Designs of the playbooks the installation ships: for each named offensive
// system and defensive front, which kinds of plays fill its folders and which
// formations and variations of the built-in plays it favours. The generator
// (offensive_books.cpp, defensive_books.cpp) turns a design into a playbook.
#include <cstdint>

#include "database/team_playbook_block.h"

constexpr int OFFENSIVE_SCRIMMAGE_FORMATIONS = 22; // formations 0-21
constexpr int FIRST_DEFENSIVE_FORMATION_NUMBER = 22;
constexpr int DEFENSIVE_FORMATION_COUNT = 17; // formations 22-38
constexpr int MAX_FOLDER_GROUPS = 4;

// Ways a built-in play is varied before it is placed into a formation.
enum PLAY_VARIANT : int {
    VARIANT_AS_DRAWN = 0,
    VARIANT_READ_OPTION,  // the quarterback keeps or hands off by the read
    VARIANT_QB_DRAW,      // the quarterback carries the draw himself
    VARIANT_FULLBACK_RUN, // the fullback carries, the halfback leads
    VARIANT_ROLLOUT,      // the quarterback rolls out
    VARIANT_BOOTLEG,      // run fake, then the quarterback bootlegs away
    VARIANT_DEEP,         // the primary receiver runs a deeper route
    VARIANT_QUICK,        // the primary receiver runs a quicker route
    VARIANT_MAX_PROTECT,  // backs and tight ends stay in to block
    VARIANT_PLAY_ACTION,  // a back fakes the run first
    OFFENSIVE_VARIANT_COUNT
};
constexpr uint16_t Variant_Bit(int variant) {
    return static_cast<uint16_t>(1u << variant);
}

// What kind of play a group takes, by the play's resulting category.
enum PLAY_BUCKET : uint8_t {
    BUCKET_INSIDE_RUN = 1,
    BUCKET_OUTSIDE_RUN = 2,
    BUCKET_DRAW = 4,
    BUCKET_END_AROUND = 8,
    BUCKET_SHORT_PASS = 16,  // primary catch depth below 5 yards
    BUCKET_MEDIUM_PASS = 32, // 5 to 12 yards
    BUCKET_LONG_PASS = 64,   // 13 yards and more
};
constexpr uint8_t BUCKET_RUN = BUCKET_INSIDE_RUN | BUCKET_OUTSIDE_RUN;
constexpr uint8_t BUCKET_PASS = BUCKET_SHORT_PASS | BUCKET_MEDIUM_PASS | BUCKET_LONG_PASS;

// `Count` plays of the given buckets; Variants limits them to those variations
// (0: any the book uses); Play_Action_Only takes only passes off a run fake.
struct PLAY_GROUP {
    uint8_t Buckets = 0;
    uint8_t Count = 0;
    uint16_t Variants = 0;
    uint8_t Play_Action_Only = 0;
};

struct OFFENSIVE_FOLDER_DESIGN {
    const char* Name = "";
    PLAY_GROUP Groups[MAX_FOLDER_GROUPS] = {};
};

// Weights are 0-9; 0 leaves a formation or a variation out of the book.
struct OFFENSIVE_BOOK_DESIGN {
    const char* Name;
    const char* Notes; // the play counts are added to it
    // 1: the built-in default playbook as it stands, its own notes included.
    uint8_t Built_In;
    OFFENSIVE_FOLDER_DESIGN Folders[OFFENSIVE_FOLDERS];
    uint8_t Formation_Weight[OFFENSIVE_SCRIMMAGE_FORMATIONS];
    uint8_t Variant_Weight[OFFENSIVE_VARIANT_COUNT];
    uint8_t Play_Action_Taste; // favours passes off a run fake
    uint8_t Lead_Block_Taste;  // favours runs behind a lead blocker
    uint8_t Screen_Taste;      // favours screens, swings and flares
};

// Defensive variations.
enum DEFENSIVE_VARIANT : int {
    DEFENSE_AS_DRAWN = 0,
    DEFENSE_PRESS,            // the corners press in man coverage
    DEFENSE_ZONE,             // the corners play zone instead of man
    DEFENSE_LINEBACKER_BLITZ, // a zone linebacker rushes inside
    DEFENSE_ZONE_BLITZ,       // an end drops into a zone, a linebacker rushes
    DEFENSIVE_VARIANT_COUNT
};

// `Count` plays in one formation.
struct DEFENSIVE_GROUP {
    int8_t Formation = 0;
    uint8_t Count = 0;
};

struct DEFENSIVE_FOLDER_DESIGN {
    const char* Name = "";
    DEFENSIVE_GROUP Groups[MAX_FOLDER_GROUPS + 1] = {};
};

struct DEFENSIVE_BOOK_DESIGN {
    const char* Name;
    const char* Notes;
    DEFENSIVE_FOLDER_DESIGN Folders[DEFENSIVE_FOLDERS];
    uint8_t Variant_Weight[DEFENSIVE_VARIANT_COUNT];
    uint8_t Zone_Taste; // favours deep and short zones
    uint8_t Rush_Taste; // favours five and more rushers
    uint8_t Man_Taste;  // favours man coverage
};

extern const OFFENSIVE_BOOK_DESIGN Offensive_Book_Designs[];
extern const int Offensive_Book_Design_Count;
extern const DEFENSIVE_BOOK_DESIGN Defensive_Book_Designs[];
extern const int Defensive_Book_Design_Count;

// Names under which a book is also written: the season builder of the years
// before the per-season tables spells the running-quarterback book this way.
struct BOOK_ALIAS {
    const char* Alias;
    const char* Name;
};
extern const BOOK_ALIAS Offensive_Book_Aliases[];
extern const int Offensive_Book_Alias_Count;
