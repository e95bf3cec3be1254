// Defensive playbooks from the built-in plays. Each built-in play is varied
// (press or zone corners, a linebacker or zone blitz) and placed into every
// defensive formation whose players suit its assignments; a design asks for a
// number of plays in each formation of its front and takes the ones its
// tastes for zones, man coverage and pressure favour, spread over many plays.
#include "tools/playbooks/defensive_books.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "database/player_record.h"
#include "engine/defensive_play_calling.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "tools/playbooks/book_text.h"

namespace {

enum DEFENDER_CLASS { CLASS_LINEMAN, CLASS_LINEBACKER, CLASS_CORNER, CLASS_SAFETY, CLASS_OTHER };

constexpr int32_t ROLE_PASS_RUSH = 0;
constexpr int32_t ROLE_OUTSIDE_RUSH = 1;
constexpr int32_t ROLE_INSIDE_RUSH = 2;
constexpr int32_t ROLE_DEEP_ZONE = 8;
constexpr int32_t ROLE_SHORT_ZONE = 9;
constexpr int32_t ROLE_OUTSIDE_ZONE = 11;
constexpr int32_t ROLE_BUMP_AND_RUN = 12;
constexpr int32_t ROLE_MAN = 13;

// Name words of the defensive formations, for plays moved out of their own.
const char* const FORMATION_PREFIX[DEFENSIVE_FORMATION_COUNT] = {
    "4-3",   "4-3 Pass", "6-1",   "3-4",  "3-4 Pass", "Eagle",   "5-2", "46",        "Nickel",
    "3-3-5", "Stack",    "3-5-3", "Dime", "3-4 Dime", "Prevent", "4-4", "Goal Line",
};
// First words of built-in names that say the front; they give way to the new one.
const char* const FRONT_WORDS[] = {"3-4", "4-3", "4-4", "5-2"};

DEFENDER_CLASS Defender_Class(int formation, int slot) {
    switch (Formation_Slot_Table[formation][slot].Position) {
    case POSITION_DE:
    case POSITION_DT:
        return CLASS_LINEMAN;
    case POSITION_LB:
        return CLASS_LINEBACKER;
    case POSITION_CB:
        return CLASS_CORNER;
    case POSITION_S:
        return CLASS_SAFETY;
    default:
        return CLASS_OTHER;
    }
}

bool Is_Man_Role(int32_t role) {
    return role >= ROLE_BUMP_AND_RUN && role <= 18;
}

bool Is_Zone_Role(int32_t role) {
    return role >= ROLE_DEEP_ZONE && role <= ROLE_OUTSIDE_ZONE;
}

// Linemen rush, play the run or drop into a short zone; corners cover or
// blitz off the edge; safeties do anything but stunt.
bool Role_Fits(int32_t role, DEFENDER_CLASS kind) {
    if (role < 0 || role >= DEFENSIVE_RESPONSIBILITY_COUNT) return false;
    switch (kind) {
    case CLASS_LINEMAN:
        return role <= 2 || (role >= 4 && role <= 7) || role == ROLE_SHORT_ZONE;
    case CLASS_LINEBACKER:
        return true;
    case CLASS_CORNER:
        return role <= 1 || role == 3 || role >= ROLE_DEEP_ZONE;
    case CLASS_SAFETY:
        return role != 4 && role != 5;
    default:
        return false;
    }
}

// A play moves only between formations that defend alike (pass focus within
// 200 per mille) and line up alike: at most two slots change from one kind of
// defender to another, and every assignment suits its new player.
bool Fits_Formation(const DEFENSIVE_PLAY& play, int formation) {
    const int from = play.Formation;
    if (formation == from) return true;
    const int gap = Get_Defensive_Formation_Pass_Focus(formation) - Get_Defensive_Formation_Pass_Focus(from);
    if (gap > 200 || gap < -200) return false;
    int changed = 0;
    for (int slot = 0; slot < PLAY_DEFENDERS; ++slot) {
        const DEFENDER_CLASS kind = Defender_Class(formation, slot);
        if (!Role_Fits(play.Roles[slot], kind)) return false;
        changed += kind != Defender_Class(from, slot) ? 1 : 0;
    }
    return changed <= 2;
}

// The name of a built-in play moved into another formation.
std::string Moved_Name(const std::string& name, int formation) {
    const std::string prefix = FORMATION_PREFIX[formation - FIRST_DEFENSIVE_FORMATION_NUMBER];
    for (const char* word : FRONT_WORDS) {
        const std::string front = std::string(word) + " ";
        if (name.compare(0, front.size(), front) == 0) return prefix + " " + name.substr(front.size());
    }
    // "Dime Package" in the 3-4 dime is the "3-4 Dime Package".
    const std::string first = name.substr(0, name.find(' '));
    if (prefix.size() > first.size() &&
        prefix.compare(prefix.size() - first.size(), first.size(), first) == 0 &&
        prefix[prefix.size() - first.size() - 1] == ' ')
        return prefix + name.substr(first.size());
    return prefix + " " + name;
}

// Applies a variation to a built-in play in its own formation; false when
// the play does not lend itself to it.
bool Vary_Play(int variant, DEFENSIVE_PLAY* play, std::string* name, std::string* description) {
    const int formation = play->Formation;
    int changed = 0;
    switch (variant) {
    case DEFENSE_AS_DRAWN:
        return true;
    case DEFENSE_PRESS:
        for (int slot = 0; slot < PLAY_DEFENDERS; ++slot)
            if (Defender_Class(formation, slot) == CLASS_CORNER && play->Roles[slot] == ROLE_MAN) {
                play->Roles[slot] = ROLE_BUMP_AND_RUN;
                ++changed;
            }
        *name += " Press";
        *description = "The corners jam the receivers at the line and stay with them.";
        break;
    case DEFENSE_ZONE:
        for (int slot = 0; slot < PLAY_DEFENDERS; ++slot) {
            if (!Is_Man_Role(play->Roles[slot])) continue;
            const DEFENDER_CLASS kind = Defender_Class(formation, slot);
            play->Roles[slot] = kind == CLASS_CORNER ? ROLE_OUTSIDE_ZONE : ROLE_SHORT_ZONE;
            ++changed;
        }
        *name += " Zone";
        *description = "Everyone drops into a zone and keeps the play in front of him.";
        break;
    case DEFENSE_LINEBACKER_BLITZ:
        if (name->find("Blitz") != std::string::npos) return false;
        for (int slot = 0; slot < PLAY_DEFENDERS && changed == 0; ++slot)
            if (Defender_Class(formation, slot) == CLASS_LINEBACKER && play->Roles[slot] == ROLE_SHORT_ZONE) {
                play->Roles[slot] = ROLE_INSIDE_RUSH;
                ++changed;
            }
        *name += " LB Blitz";
        *description = "A linebacker leaves his zone and rushes through the middle.";
        break;
    case DEFENSE_ZONE_BLITZ: {
        if (name->find("Blitz") != std::string::npos) return false;
        int end = -1;
        int backer = -1;
        for (int slot = 0; slot < PLAY_DEFENDERS; ++slot) {
            const int32_t role = play->Roles[slot];
            if (end < 0 && Formation_Slot_Table[formation][slot].Position == POSITION_DE &&
                (role == ROLE_PASS_RUSH || role == ROLE_OUTSIDE_RUSH))
                end = slot;
            if (backer < 0 && Defender_Class(formation, slot) == CLASS_LINEBACKER && role == ROLE_SHORT_ZONE)
                backer = slot;
        }
        if (end < 0 || backer < 0) return false;
        play->Roles[end] = ROLE_SHORT_ZONE;
        play->Roles[backer] = ROLE_OUTSIDE_RUSH;
        changed = 2;
        *name += " Zone Blitz";
        *description = "An end drops into the short zone while a linebacker rushes off the edge.";
        break;
    }
    default:
        return false;
    }
    return changed > 0;
}

struct CANDIDATE {
    DEFENSIVE_PLAY Play;
    std::string Name;
    int Base;
    int Variant;
};

std::vector<CANDIDATE> Make_Candidates(const DEFENSIVE_BOOK_DESIGN& design) {
    std::vector<CANDIDATE> candidates;
    for (int base = 0; base < DEFENSIVE_PLAYS; ++base) {
        const DEFENSIVE_PLAY& built_in = Default_Defensive_Plays[base];
        for (int variant = 0; variant < DEFENSIVE_VARIANT_COUNT; ++variant) {
            if (design.Variant_Weight[variant] == 0) continue;
            DEFENSIVE_PLAY play = built_in;
            std::string name = built_in.Name;
            std::string description = built_in.Description;
            if (!Vary_Play(variant, &play, &name, &description)) continue;
            for (int formation = FIRST_DEFENSIVE_FORMATION_NUMBER;
                 formation < FIRST_DEFENSIVE_FORMATION_NUMBER + DEFENSIVE_FORMATION_COUNT; ++formation) {
                if (!Fits_Formation(play, formation)) continue;
                CANDIDATE candidate;
                candidate.Play = play;
                candidate.Play.Formation = formation;
                candidate.Name = formation == built_in.Formation ? name : Moved_Name(name, formation);
                if (candidate.Name.size() >= PLAY_NAME_LENGTH) continue;
                Set_Book_Text(candidate.Play.Name, PLAY_NAME_LENGTH, candidate.Name);
                Set_Book_Text(candidate.Play.Description, PLAY_DESCRIPTION_LENGTH, description);
                candidate.Base = base;
                candidate.Variant = variant;
                candidates.push_back(candidate);
            }
        }
    }
    return candidates;
}

// Integer score: the variation's weight times the design's tastes for the
// play's coverage and pressure, lowered for built-in plays already used.
int64_t Score(const DEFENSIVE_BOOK_DESIGN& design, const CANDIDATE& c, int base_uses, int variant_uses) {
    int zones = 0;
    int men = 0;
    int rushers = 0;
    for (int32_t role : c.Play.Roles) {
        zones += Is_Zone_Role(role) ? 1 : 0;
        men += Is_Man_Role(role) ? 1 : 0;
        rushers += role <= 3 ? 1 : 0;
    }
    const int taste = 10 + design.Zone_Taste * zones / 2 + design.Man_Taste * men / 2 +
                      design.Rush_Taste * 2 * (rushers > 4 ? rushers - 4 : 0);
    int64_t score = int64_t{design.Variant_Weight[c.Variant]} * 1000 * taste / 10;
    if (c.Variant != DEFENSE_AS_DRAWN) score = score * 4 / (4 + variant_uses);
    return score / (1 + 3 * base_uses);
}

} // namespace

int Build_Defensive_Book(const DEFENSIVE_BOOK_DESIGN& design, DEFENSIVE_PLAYBOOK* book, std::string* error) {
    std::memset(book, 0, sizeof *book);
    Set_Book_Text(book->Name, PLAYBOOK_NAME_LENGTH, design.Name);
    Set_Book_Text(book->Notes, PLAYBOOK_NOTES_LENGTH, design.Notes);
    const std::vector<CANDIDATE> candidates = Make_Candidates(design);
    std::vector<bool> taken(candidates.size(), false);
    int base_uses[DEFENSIVE_PLAYS] = {};
    int variant_uses[DEFENSIVE_VARIANT_COUNT] = {};
    std::set<std::string> names;
    for (int f = 0; f < DEFENSIVE_FOLDERS; ++f) {
        const DEFENSIVE_FOLDER_DESIGN& folder = design.Folders[f];
        Set_Book_Text(book->Folder_Names[f], FOLDER_NAME_LENGTH, folder.Name);
        int placed = 0;
        for (const DEFENSIVE_GROUP& group : folder.Groups) {
            for (int n = 0; n < group.Count; ++n) {
                int64_t best_score = 0;
                size_t best = candidates.size();
                for (size_t i = 0; i < candidates.size(); ++i) {
                    const CANDIDATE& c = candidates[i];
                    if (taken[i] || c.Play.Formation != group.Formation || names.count(c.Name) != 0) continue;
                    const int64_t score = Score(design, c, base_uses[c.Base], variant_uses[c.Variant]);
                    if (score > best_score) {
                        best_score = score;
                        best = i;
                    }
                }
                if (best == candidates.size() || placed >= 10) {
                    char where[96];
                    std::snprintf(where, sizeof where,
                                  "%s: folder \"%s\" cannot take %d plays in formation %d", design.Name,
                                  folder.Name, group.Count, group.Formation);
                    *error = where;
                    return 0;
                }
                taken[best] = true;
                ++base_uses[candidates[best].Base];
                ++variant_uses[candidates[best].Variant];
                names.insert(candidates[best].Name);
                book->Plays[10 * f + placed++] = candidates[best].Play;
            }
        }
    }
    return 1;
}
