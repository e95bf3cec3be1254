// Offensive playbooks from the built-in plays. Every built-in scrimmage play
// is varied (a quarterback read, a fullback carry, a rollout, a deeper or
// quicker primary route, ...) and placed into each formation whose players can
// run its assignments; a design then picks, folder by folder, the candidates
// its formations and tastes favour, spreading the picks over many plays and
// formations. No random draw is involved: the same design gives the same book.
#include "tools/playbooks/offensive_books.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "database/player_record.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "playbooks/playbook_queries.h"
#include "tools/playbooks/book_text.h"

namespace {

enum SLOT_CLASS { CLASS_PASSER, CLASS_BACK, CLASS_TIGHT_END, CLASS_RECEIVER, CLASS_LINE };

constexpr int32_t ROUTE_PLAY_ACTION = 37;
constexpr int32_t ROUTE_PASS_BLOCK = 39;
constexpr int32_t ROUTE_LEAD_BLOCK = 40;
constexpr int32_t ROUTE_BLOCK_AND_RELEASE = 36;
constexpr int32_t ROUTE_RUSH = 54;
constexpr int32_t LAST_RECEIVING_ROUTE = 36;
constexpr int32_t QUARTERBACK_PRIMARY = 1;

// Name prefixes of the formations, for plays moved out of their own one.
const char* const FORMATION_PREFIX[OFFENSIVE_SCRIMMAGE_FORMATIONS] = {
    "'I'",  "Strong 'I'", "Full House", "Pro",       "Ace",       "Spread",  "H-Back",       "Tight",
    "Gun",  "Gun-4",      "Gun-5",      "Gun-Pro",   "Gun-Trips", "Trips",   "Trips Strong", "Bunch",
    "Five", "Gun-Two",    "Pistol",     "Gun Third", "Goal",      "Wildcat",
};
// First words of the built-in names that say the formation; other names
// (QB Sneak, Hail Mary, ...) belong to their own formation only.
const char* const BUILT_IN_PREFIXES[] = {"Pro", "Tight", "'I'", "Pistol", "Gun", "Ace", "Trips", "Spread"};

// Deeper and quicker versions of a primary route; -1 where there is none.
int32_t Deeper_Route(int32_t route) {
    switch (route) {
    case 0:
        return 18; // hitch -> hitch & go
    case 2:
        return 28; // slant -> slant & go
    case 3:
        return 22; // out -> comeback
    case 4:
        return 8; // dig -> post
    case 5:
        return 7; // flag -> corner
    case 6:
        return 18; // curl -> hitch & go
    case 22:
        return 15; // comeback -> chair
    case 23:
        return 25; // fade -> deep fade
    case 24:
        return 26; // cross -> deep cross
    case 26:
        return 21; // deep cross -> shoot
    case 29:
        return 16; // slant & out -> fly
    case 35:
        return 9; // quick go -> go
    case 8:
        return 9; // post -> go
    default:
        return -1;
    }
}

int32_t Quicker_Route(int32_t route) {
    switch (route) {
    case 9:
        return 35; // go -> quick go
    case 8:
        return 2; // post -> slant
    case 7:
        return 3; // corner -> out
    case 16:
        return 23; // fly -> fade
    case 15:
        return 22; // chair -> comeback
    case 25:
        return 23; // deep fade -> fade
    case 26:
        return 24; // deep cross -> cross
    case 21:
        return 1; // shoot -> quick out
    case 6:
        return 0; // curl -> hitch
    case 5:
        return 3; // flag -> out
    case 18:
        return 0; // hitch & go -> hitch
    case 28:
        return 2; // slant & go -> slant
    case 22:
        return 1; // comeback -> quick out
    case 29:
        return 17; // slant & out -> slant out
    default:
        return -1;
    }
}

SLOT_CLASS Slot_Class(int formation, int slot) {
    switch (Formation_Slot_Table[formation][slot].Position) {
    case POSITION_QB:
        return CLASS_PASSER;
    case POSITION_RB:
    case POSITION_FB:
        return CLASS_BACK;
    case POSITION_TE:
        return CLASS_TIGHT_END;
    case POSITION_WR:
        return CLASS_RECEIVER;
    default:
        return CLASS_LINE;
    }
}

// Whether a player of the class may run the route (the route table's kinds:
// 0 anyone, 1 backs, 2 wide receivers, 3 tight ends, 4 backs and tight ends).
bool Route_Fits(int32_t route, SLOT_CLASS kind) {
    if (route < 0) return true;
    if (route >= PASS_ROUTE_COUNT || kind == CLASS_LINE) return false;
    if (route == ROUTE_RUSH) return kind == CLASS_BACK || kind == CLASS_PASSER;
    switch (Pass_Route_Table[route].Kind) {
    case 0:
        return true;
    case 1:
        return kind == CLASS_BACK;
    case 2:
        return kind == CLASS_RECEIVER;
    case 3:
        return kind == CLASS_TIGHT_END;
    case 4:
        return kind == CLASS_BACK || kind == CLASS_TIGHT_END;
    default:
        return false;
    }
}

bool Is_Run_Type(int32_t type) {
    return (type >= PLAY_TYPE_RUSH && type <= PLAY_TYPE_END_AROUND) || type == PLAY_TYPE_COUNTER ||
           type == PLAY_TYPE_DOUBLE_REVERSE || type == PLAY_TYPE_REVERSE;
}

bool Is_Pass_Type(int32_t type) {
    return (type >= PLAY_TYPE_PASS && type <= PLAY_TYPE_SCREEN) ||
           (type >= PLAY_TYPE_FLEA_FLICKER && type <= PLAY_TYPE_FAKE_REVERSE);
}

// Receiver index 0-4 of the primary player, -1 for the quarterback or none.
int Primary_Receiver(const OFFENSIVE_PLAY& play) {
    const int receiver = play.Primary - 2;
    return receiver >= 0 && receiver < PLAY_RECEIVERS ? receiver : -1;
}

bool Has_Route(const OFFENSIVE_PLAY& play, int32_t route) {
    for (int32_t r : play.Routes)
        if (r == route) return true;
    return false;
}

bool Has_Play_Action(const OFFENSIVE_PLAY& play) {
    for (int32_t r : play.Routes)
        if (r == 31 || r == 32 || r == ROUTE_PLAY_ACTION) return true;
    return false;
}

bool Is_Screen_Pass(const OFFENSIVE_PLAY& play) {
    const int receiver = Primary_Receiver(play);
    return receiver >= 0 && Is_Special_Pass_Route(play.Routes[receiver]);
}

uint8_t Bucket_Of(const OFFENSIVE_PLAY& play) {
    const int32_t type = play.Play_Type;
    if (type == PLAY_TYPE_END_AROUND || type == PLAY_TYPE_DOUBLE_REVERSE || type == PLAY_TYPE_REVERSE)
        return BUCKET_END_AROUND;
    if (type == PLAY_TYPE_DRAW) return BUCKET_DRAW;
    if (Is_Run_Type(type)) return play.Hole_Or_Depth >= 4 ? BUCKET_OUTSIDE_RUN : BUCKET_INSIDE_RUN;
    const int receiver = Primary_Receiver(play);
    const int depth = receiver < 0 ? 0 : Get_Pass_Route_Catch_Depth(play.Routes[receiver]);
    if (depth < 5) return BUCKET_SHORT_PASS;
    return depth < 13 ? BUCKET_MEDIUM_PASS : BUCKET_LONG_PASS;
}

// A built-in name split into its formation word, its play number ("21",
// "9-9") and the words after it.
struct NAME_PARTS {
    std::string Prefix;
    std::string Number;
    std::string Words;
};

bool Split_Name(const char* name, NAME_PARTS* parts) {
    const std::string text = name;
    const size_t space = text.find(' ');
    if (space == std::string::npos) return false;
    parts->Prefix = text.substr(0, space);
    bool known = false;
    for (const char* prefix : BUILT_IN_PREFIXES)
        known = known || parts->Prefix == prefix;
    if (!known) return false;
    std::string rest = text.substr(space + 1);
    parts->Number.clear();
    parts->Words = rest;
    if (!rest.empty() && rest[0] >= '0' && rest[0] <= '9') {
        size_t end = 0;
        while (end < rest.size() &&
               ((rest[end] >= '0' && rest[end] <= '9') ||
                (rest[end] == '-' && end + 1 < rest.size() && rest[end + 1] >= '0' && rest[end + 1] <= '9')))
            ++end;
        parts->Number = rest.substr(0, end);
        while (end < rest.size() && (rest[end] == '-' || rest[end] == ' '))
            ++end;
        parts->Words = rest.substr(end);
    }
    return true;
}

std::string Join_Name(const std::string& prefix, const std::string& number, const std::string& words) {
    std::string name = prefix;
    if (!number.empty()) name += " " + number;
    if (!words.empty()) name += " " + words;
    return name;
}

// A route's name as a play name says it: "(8) Post" is "Post".
std::string Route_Words(int32_t route) {
    std::string name = Get_Pass_Route_Name(route);
    if (!name.empty() && name[0] == '(') name = name.substr(name.find(' ') + 1);
    return name;
}

// The play number with its first digit (the ball carrier: 1 quarterback,
// 2 halfback, 3 fullback) replaced; empty when the number says no carrier.
std::string Renumber_Carrier(const std::string& number, char carrier) {
    if (number.size() != 2 || (number[0] != '2' && number[0] != '3')) return "";
    std::string renumbered = number;
    renumbered[0] = carrier;
    return renumbered;
}

struct CANDIDATE {
    OFFENSIVE_PLAY Play;
    std::string Name;
    int Base;
    int Variant;
    int Formation;
    uint8_t Bucket;
};

// The first back that is neither the primary player nor without a route.
int Find_Free_Back(const OFFENSIVE_PLAY& play, int formation) {
    for (int r = 0; r < PLAY_RECEIVERS; ++r)
        if (r != Primary_Receiver(play) && Slot_Class(formation, r + 1) == CLASS_BACK && play.Routes[r] >= 0)
            return r;
    return -1;
}

// Applies a variation to a built-in play in its own formation. Returns false
// when the play does not lend itself to it.
bool Vary_Play(int variant, OFFENSIVE_PLAY* play, NAME_PARTS* name, std::string* description) {
    const int formation = play->Formation;
    const int carrier = Primary_Receiver(*play);
    const bool run = Is_Run_Type(play->Play_Type) && play->Play_Type != PLAY_TYPE_END_AROUND;
    const bool pass = play->Play_Type == PLAY_TYPE_PASS;
    switch (variant) {
    case VARIANT_AS_DRAWN:
        return true;
    case VARIANT_READ_OPTION: {
        if (!run || play->Play_Type == PLAY_TYPE_DRAW || carrier < 0) return false;
        if (Slot_Class(formation, carrier + 1) != CLASS_BACK || play->Hole_Or_Depth < 0) return false;
        name->Number = Renumber_Carrier(name->Number, '1');
        if (name->Number.empty()) return false;
        // The back takes the handoff to the designed hole; the quarterback
        // keeps it to the other side.
        play->Routes[carrier] = ROUTE_PLAY_ACTION;
        play->Option_Hole = static_cast<int8_t>(play->Hole_Or_Depth);
        play->Hole_Or_Depth ^= 1;
        play->Primary = QUARTERBACK_PRIMARY;
        play->Play_Type = PLAY_TYPE_RUSH;
        name->Words = "Read Option";
        *description = "The quarterback reads the end and keeps the ball or hands it to the back.";
        return true;
    }
    case VARIANT_QB_DRAW:
        if (play->Play_Type != PLAY_TYPE_DRAW || carrier < 0) return false;
        name->Number = Renumber_Carrier(name->Number, '1');
        if (name->Number.empty()) return false;
        play->Routes[carrier] = ROUTE_PASS_BLOCK;
        play->Primary = QUARTERBACK_PRIMARY;
        name->Words = "QB Draw";
        *description = "The quarterback shows pass and runs it himself through the spread-out rush.";
        return true;
    case VARIANT_FULLBACK_RUN: {
        if (!run || play->Play_Type == PLAY_TYPE_DRAW || carrier < 0) return false;
        if (Formation_Slot_Table[formation][carrier + 1].Position != POSITION_RB) return false;
        int fullback = -1;
        for (int r = 0; r < PLAY_RECEIVERS; ++r)
            if (Formation_Slot_Table[formation][r + 1].Position == POSITION_FB) fullback = r;
        if (fullback < 0) return false;
        name->Number = Renumber_Carrier(name->Number, '3');
        if (name->Number.empty()) return false;
        play->Routes[fullback] = ROUTE_RUSH;
        play->Routes[carrier] = ROUTE_LEAD_BLOCK;
        play->Primary = fullback + 2;
        *description = "The fullback carries with the halfback leading him into the hole.";
        return true;
    }
    case VARIANT_ROLLOUT:
    case VARIANT_BOOTLEG: {
        if (!pass || Is_Screen_Pass(*play)) return false;
        if (variant == VARIANT_BOOTLEG && !Has_Play_Action(*play)) {
            const int back = Find_Free_Back(*play, formation);
            if (back < 0) return false;
            play->Routes[back] = ROUTE_PLAY_ACTION;
        }
        play->Play_Type = variant == VARIANT_ROLLOUT ? PLAY_TYPE_ROLLOUT : PLAY_TYPE_BOOTLEG;
        const char* word = variant == VARIANT_ROLLOUT ? "Rollout" : "Bootleg";
        if (name->Words.find(word) != std::string::npos) return false;
        name->Words += name->Words.empty() ? word : std::string(" ") + word;
        *description = variant == VARIANT_ROLLOUT
                           ? "The quarterback rolls out to buy time and runs when nobody is open."
                           : "A run fake one way, then the quarterback bootlegs the other way.";
        return true;
    }
    case VARIANT_DEEP:
    case VARIANT_QUICK: {
        if (!pass || carrier < 0) return false;
        const int32_t route = variant == VARIANT_DEEP ? Deeper_Route(play->Routes[carrier])
                                                      : Quicker_Route(play->Routes[carrier]);
        if (route < 0 || name->Number.empty()) return false;
        play->Routes[carrier] = route;
        name->Words = Route_Words(route);
        if (variant == VARIANT_QUICK && name->Words.compare(0, 5, "Quick") != 0)
            name->Words = "Quick " + name->Words;
        *description = variant == VARIANT_DEEP
                           ? "The primary receiver pushes deeper to get behind the coverage."
                           : "A quick throw that beats the rush to the primary receiver.";
        return true;
    }
    case VARIANT_MAX_PROTECT: {
        if (!pass || Is_Screen_Pass(*play) || carrier < 0) return false;
        int kept = 0;
        for (int r = 0; r < PLAY_RECEIVERS; ++r) {
            if (r == carrier || play->Routes[r] < 0 || play->Routes[r] > LAST_RECEIVING_ROUTE) continue;
            const SLOT_CLASS kind = Slot_Class(formation, r + 1);
            if (kind == CLASS_BACK)
                play->Routes[r] = ROUTE_PASS_BLOCK;
            else if (kind == CLASS_TIGHT_END)
                play->Routes[r] = ROUTE_BLOCK_AND_RELEASE;
            else
                continue;
            ++kept;
        }
        if (kept == 0) return false;
        name->Words += name->Words.empty() ? "Max" : " Max";
        *description = "Extra blockers stay in so the passer has time for the primary route.";
        return true;
    }
    case VARIANT_PLAY_ACTION: {
        if (!pass || Has_Play_Action(*play) || Is_Screen_Pass(*play)) return false;
        const int back = Find_Free_Back(*play, formation);
        if (back < 0) return false;
        play->Routes[back] = ROUTE_PLAY_ACTION;
        name->Words += name->Words.empty() ? "Play Action" : " Play Action";
        *description = "A run fake first holds the linebackers before the throw.";
        return true;
    }
    default:
        return false;
    }
}

// Places a play into another formation: every assignment must suit the player
// who stands in its slot there, and the primary player keeps his kind.
bool Fits_Formation(const OFFENSIVE_PLAY& play, int formation) {
    const int from = play.Formation;
    if (formation == from) return true;
    // Only the quarterback takes the snap, except in the wildcat, which runs.
    if (formation == 21 && !Is_Run_Type(play.Play_Type)) return false;
    if (play.Primary == QUARTERBACK_PRIMARY && (formation == 21 || from == 21)) return false;
    for (int r = 0; r < PLAY_RECEIVERS; ++r) {
        const SLOT_CLASS kind = Slot_Class(formation, r + 1);
        if (!Route_Fits(play.Routes[r], kind)) return false;
        if (r == Primary_Receiver(play) && kind != Slot_Class(from, r + 1)) return false;
    }
    return true;
}

std::vector<CANDIDATE> Make_Candidates(const OFFENSIVE_BOOK_DESIGN& design) {
    std::vector<CANDIDATE> candidates;
    for (int base = 0; base < STORED_OFFENSIVE_PLAYS; ++base) {
        const OFFENSIVE_PLAY& built_in = Default_Offensive_Plays[base];
        if (!Is_Run_Type(built_in.Play_Type) && !Is_Pass_Type(built_in.Play_Type)) continue;
        NAME_PARTS parts;
        const bool movable = Split_Name(built_in.Name, &parts);
        for (int variant = 0; variant < OFFENSIVE_VARIANT_COUNT; ++variant) {
            if (design.Variant_Weight[variant] == 0) continue;
            // Plays without a formation word keep their name, formation and form.
            if (!movable && variant != VARIANT_AS_DRAWN) continue;
            OFFENSIVE_PLAY play = built_in;
            NAME_PARTS name = parts;
            std::string description = built_in.Description;
            if (!Vary_Play(variant, &play, &name, &description)) continue;
            for (int formation = 0; formation < OFFENSIVE_SCRIMMAGE_FORMATIONS; ++formation) {
                if (design.Formation_Weight[formation] == 0 && formation != built_in.Formation) continue;
                if (formation != built_in.Formation && !movable) continue;
                if (!Fits_Formation(play, formation)) continue;
                CANDIDATE candidate;
                candidate.Play = play;
                candidate.Play.Formation = static_cast<int8_t>(formation);
                const bool own_name = variant == VARIANT_AS_DRAWN && formation == built_in.Formation;
                candidate.Name =
                    own_name ? std::string(built_in.Name)
                             : Join_Name(formation == built_in.Formation ? name.Prefix
                                                                         : FORMATION_PREFIX[formation],
                                         name.Number, name.Words);
                if (candidate.Name.size() >= PLAY_NAME_LENGTH) continue;
                Set_Book_Text(candidate.Play.Name, PLAY_NAME_LENGTH, candidate.Name);
                Set_Book_Text(candidate.Play.Description, PLAY_DESCRIPTION_LENGTH, description);
                candidate.Base = base;
                candidate.Variant = variant;
                candidate.Formation = formation;
                candidate.Bucket = Bucket_Of(candidate.Play);
                candidates.push_back(candidate);
            }
        }
    }
    return candidates;
}

struct PICKER {
    const OFFENSIVE_BOOK_DESIGN& Design;
    std::vector<CANDIDATE> Candidates;
    std::vector<bool> Taken;
    int Base_Uses[STORED_OFFENSIVE_PLAYS] = {};
    int Formation_Uses[OFFENSIVE_SCRIMMAGE_FORMATIONS] = {};
    int Variant_Uses[OFFENSIVE_VARIANT_COUNT] = {};
    std::set<std::string> Names;
};

// A built-in rollout, bootleg or fullback run counts as that variation.
int Effective_Variant(const CANDIDATE& c) {
    if (c.Variant != VARIANT_AS_DRAWN) return c.Variant;
    if (c.Play.Play_Type == PLAY_TYPE_ROLLOUT) return VARIANT_ROLLOUT;
    if (c.Play.Play_Type == PLAY_TYPE_BOOTLEG) return VARIANT_BOOTLEG;
    const int carrier = Primary_Receiver(c.Play);
    if (Is_Run_Type(c.Play.Play_Type) && carrier >= 0 &&
        Formation_Slot_Table[c.Formation][carrier + 1].Position == POSITION_FB)
        return VARIANT_FULLBACK_RUN;
    return VARIANT_AS_DRAWN;
}

bool Fits_Group(const CANDIDATE& c, const PLAY_GROUP& group) {
    if ((c.Bucket & group.Buckets) == 0) return false;
    if (group.Variants != 0 && (group.Variants & Variant_Bit(Effective_Variant(c))) == 0) return false;
    return !group.Play_Action_Only || (Has_Play_Action(c.Play) && Is_Pass_Type(c.Play.Play_Type));
}

bool Matches(const PICKER& picker, const CANDIDATE& c, const PLAY_GROUP& group) {
    // A book without rollouts and bootlegs takes none of the built-in ones either.
    const int moving = Effective_Variant(c);
    if ((moving == VARIANT_ROLLOUT || moving == VARIANT_BOOTLEG) && picker.Design.Variant_Weight[moving] == 0)
        return false;
    return Fits_Group(c, group) && picker.Design.Formation_Weight[c.Formation] > 0 &&
           picker.Names.count(c.Name) == 0;
}

// Integer score, so that every machine picks the same plays: the design's
// weights and tastes, lowered for plays and formations already in the book.
int64_t Score(const PICKER& picker, const CANDIDATE& c) {
    const OFFENSIVE_BOOK_DESIGN& d = picker.Design;
    int64_t score = int64_t{d.Formation_Weight[c.Formation]} * d.Variant_Weight[c.Variant] * 1000;
    int taste = 0;
    if (Is_Pass_Type(c.Play.Play_Type) && Has_Play_Action(c.Play)) taste += d.Play_Action_Taste;
    if (Is_Run_Type(c.Play.Play_Type) && Has_Route(c.Play, ROUTE_LEAD_BLOCK)) taste += d.Lead_Block_Taste;
    if (Is_Screen_Pass(c.Play)) taste += d.Screen_Taste;
    score = score * (10 + taste) / 10;
    score /= 1 + 3 * picker.Base_Uses[c.Base];
    // A variation is a seasoning: each further use of it counts for less.
    if (c.Variant != VARIANT_AS_DRAWN) score = score * 4 / (4 + picker.Variant_Uses[c.Variant]);
    return score * 8 / (8 + picker.Formation_Uses[c.Formation]);
}

void Take(PICKER* picker, size_t index, std::vector<OFFENSIVE_PLAY>* folder) {
    const CANDIDATE& c = picker->Candidates[index];
    picker->Taken[index] = true;
    ++picker->Base_Uses[c.Base];
    ++picker->Formation_Uses[c.Formation];
    ++picker->Variant_Uses[c.Variant];
    picker->Names.insert(c.Name);
    folder->push_back(c.Play);
}

// The built-in plays every book carries as they are: the quarterback sneak
// for the last yard and the desperation throw at the end of a half.
int Find_Signature(const PICKER& picker, int base) {
    for (size_t i = 0; i < picker.Candidates.size(); ++i) {
        const CANDIDATE& c = picker.Candidates[i];
        if (c.Base == base && c.Variant == VARIANT_AS_DRAWN &&
            c.Formation == Default_Offensive_Plays[base].Formation)
            return static_cast<int>(i);
    }
    return -1;
}

constexpr int SIGNATURE_PLAYS[] = {4, 49}; // "QB Sneak", "Hail Mary"

void Count_Plays(const OFFENSIVE_PLAYBOOK& book, int* runs, int* passes) {
    *runs = 0;
    *passes = 0;
    for (const OFFENSIVE_PLAY& play : book.Plays) {
        if (play.Name[0] == '\0') continue;
        if (Is_Run_Type(play.Play_Type))
            ++*runs;
        else if (Is_Pass_Type(play.Play_Type))
            ++*passes;
    }
}

void Write_Notes(const OFFENSIVE_BOOK_DESIGN& design, OFFENSIVE_PLAYBOOK* book) {
    int runs = 0;
    int passes = 0;
    Count_Plays(*book, &runs, &passes);
    char notes[PLAYBOOK_NOTES_LENGTH];
    std::snprintf(notes, sizeof notes, "%s It includes %d running plays and %d passing plays.", design.Notes,
                  runs, passes);
    Set_Book_Text(book->Notes, PLAYBOOK_NOTES_LENGTH, notes);
}

} // namespace

int Build_Offensive_Book(const OFFENSIVE_BOOK_DESIGN& design, OFFENSIVE_PLAYBOOK* book, std::string* error) {
    std::memset(book, 0, sizeof *book);
    Set_Book_Text(book->Name, PLAYBOOK_NAME_LENGTH, design.Name);
    if (design.Built_In) {
        for (int f = 0; f < OFFENSIVE_FOLDERS; ++f)
            Set_Book_Text(book->Folder_Names[f], FOLDER_NAME_LENGTH, Default_Offensive_Folder_Names[f]);
        std::memcpy(book->Plays, Default_Offensive_Plays, sizeof book->Plays);
        Set_Book_Text(book->Notes, PLAYBOOK_NOTES_LENGTH, DEFAULT_OFFENSIVE_NOTES);
        return 1;
    }
    PICKER picker{design, Make_Candidates(design), {}, {}, {}, {}, {}};
    picker.Taken.assign(picker.Candidates.size(), false);

    // Room left in each group, signature plays placed first.
    int remaining[OFFENSIVE_FOLDERS][MAX_FOLDER_GROUPS];
    for (int f = 0; f < OFFENSIVE_FOLDERS; ++f)
        for (int g = 0; g < MAX_FOLDER_GROUPS; ++g)
            remaining[f][g] = design.Folders[f].Groups[g].Count;
    std::vector<OFFENSIVE_PLAY> folders[OFFENSIVE_FOLDERS];
    for (int base : SIGNATURE_PLAYS) {
        const int index = Find_Signature(picker, base);
        bool placed = false;
        for (int f = 0; f < OFFENSIVE_FOLDERS && index >= 0 && !placed; ++f)
            for (int g = 0; g < MAX_FOLDER_GROUPS && !placed; ++g)
                if (remaining[f][g] > 0 &&
                    Fits_Group(picker.Candidates[index], design.Folders[f].Groups[g])) {
                    Take(&picker, static_cast<size_t>(index), &folders[f]);
                    --remaining[f][g];
                    placed = true;
                }
        if (!placed) {
            *error = std::string(design.Name) + ": no room for " + Default_Offensive_Plays[base].Name;
            return 0;
        }
    }

    for (int f = 0; f < OFFENSIVE_FOLDERS; ++f) {
        const OFFENSIVE_FOLDER_DESIGN& folder = design.Folders[f];
        for (int g = 0; g < MAX_FOLDER_GROUPS; ++g) {
            const PLAY_GROUP& group = folder.Groups[g];
            for (; remaining[f][g] > 0; --remaining[f][g]) {
                int64_t best_score = 0;
                size_t best = picker.Candidates.size();
                for (size_t i = 0; i < picker.Candidates.size(); ++i) {
                    if (picker.Taken[i] || !Matches(picker, picker.Candidates[i], group)) continue;
                    const int64_t score = Score(picker, picker.Candidates[i]);
                    if (score > best_score) {
                        best_score = score;
                        best = i;
                    }
                }
                if (best == picker.Candidates.size()) {
                    *error = std::string(design.Name) + ": folder \"" + folder.Name + "\" runs out of plays";
                    return 0;
                }
                Take(&picker, best, &folders[f]);
            }
        }
        const size_t room = f + 1 < OFFENSIVE_FOLDERS ? 10 : STORED_OFFENSIVE_PLAYS - 10 * f;
        if (folders[f].size() > room) {
            *error = std::string(design.Name) + ": folder \"" + folder.Name + "\" holds too many plays";
            return 0;
        }
        Set_Book_Text(book->Folder_Names[f], FOLDER_NAME_LENGTH, folder.Name);
        for (size_t k = 0; k < folders[f].size(); ++k)
            book->Plays[10 * f + k] = folders[f][k];
    }
    Write_Notes(design, book);
    return 1;
}
