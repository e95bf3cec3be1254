#include "playbooks/play_cards.h"

#include <cstring>
#include <iterator>
#include <string>

#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/playbook_records.h"
#include "playbooks/gridiron_values.h"
#include "playbooks/scoring_card_tables.h"

namespace {
constexpr int32_t NO_CATEGORY = -1;
constexpr int8_t NO_OFFENSE_CODE = 7;
constexpr int8_t NO_DEFENSE_CODE = 4;
const char* const PLAY_TYPE_NAMES[4] = {"Inside Run", "Outside Run", "Short Pass", "Long Pass"};

// The weight of a bonus position (0-7) and a bonus rating (400-406).
constexpr int32_t BONUS_WEIGHTS[8][7] = {{0, 0, 105, 92, 0, 115, 105},      {130, 110, 86, 75, 145, 0, 135},
                                         {100, 120, 110, 100, 160, 0, 150}, {112, 130, 160, 175, 105, 0, 95},
                                         {160, 100, 175, 160, 85, 0, 78},   {86, 75, 0, 0, 0, 0, 75},
                                         {86, 0, 0, 0, 0, 0, 103},          {117, 0, 0, 0, 0, 0, 0}};
constexpr int32_t OFFENSE_BASE[7] = {6, 7, 5, 6, 8, 3, 12};
constexpr int32_t DEFENSE_BASE[4] = {13, 11, 14, 10};

struct PAIR_VALUE {
    int32_t First;
    int32_t Second;
    int32_t Value;
};
constexpr PAIR_VALUE OFFENSE_PAIRS[] = {{406, 400, 16}, {406, 404, 15}, {406, 405, 13},
                                        {404, 400, 12}, {404, 405, 10}, {400, 405, 8},
                                        {401, 403, 12}, {401, 402, 11}, {402, 403, 9}};
constexpr PAIR_VALUE DEFENSE_PAIRS[] = {{407, 410, 17}, {408, 410, 19}, {408, 409, 22}, {409, 410, 21}};

// Points of the categories that suit a kind of play.
struct KIND_POINTS {
    int32_t Category;
    int32_t Points;
};
constexpr KIND_POINTS OFFENSE_POINTS[4][3] = {{{403, 2}, {401, 1}, {0, 0}},
                                              {{402, 3}, {0, 0}, {0, 0}},
                                              {{404, 2}, {405, 1}, {0, 0}},
                                              {{406, 3}, {405, 2}, {400, 1}}};
constexpr KIND_POINTS DEFENSE_POINTS[4][2] = {
    {{407, 4}, {410, 1}}, {{410, 3}, {407, 2}}, {{409, 4}, {410, 3}}, {{408, 5}, {409, 2}}};

// Bonus values by the weighted margin: below each bound, its bonus; 30 beyond.
constexpr int32_t BONUS_BOUNDS[15][2] = {{70, 0},    {170, 1},   {270, 2},   {400, 3},   {500, 4},
                                         {630, 5},   {730, 6},   {840, 7},   {940, 8},   {1140, 10},
                                         {1250, 11}, {1400, 12}, {1950, 15}, {2749, 20}, {2999, 25}};

bool Is_Offense_Category(int32_t c) {
    return c >= CARD_PASS_BLOCKING && c <= CARD_RED_ZONE;
}

bool Is_Defense_Category(int32_t c) {
    return c >= CARD_RUN_DEFENSE && c <= CARD_TACKLING;
}

int32_t Pair_Value(const PAIR_VALUE* pairs, size_t count, int32_t a, int32_t b) {
    for (size_t i = 0; i < count; ++i)
        if ((pairs[i].First == a && pairs[i].Second == b) || (pairs[i].First == b && pairs[i].Second == a))
            return pairs[i].Value;
    return -1;
}

int32_t Offense_Category(int8_t code) {
    return code >= 0 && code <= 6 ? CARD_PASS_BLOCKING + code : NO_CATEGORY;
}

int32_t Defense_Category(int8_t code) {
    return code >= 0 && code <= 3 ? CARD_RUN_DEFENSE + code : NO_CATEGORY;
}

int8_t* Card_Values(int32_t team, int32_t play) {
    OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
    return book != nullptr && play >= 0 && play < STORED_OFFENSIVE_PLAYS ? book->Plays[play].Card_Values
                                                                         : nullptr;
}

int32_t Bonus_Of(const int8_t values[9]) {
    return Compute_Play_Card_Bonus(
        values[CARD_PLAY_KIND], values[CARD_SCORE_TYPE], Offense_Category(values[CARD_OFFENSE_1]),
        Offense_Category(values[CARD_OFFENSE_2]), Defense_Category(values[CARD_DEFENSE_1]),
        Defense_Category(values[CARD_DEFENSE_2]), Offense_Category(values[CARD_BONUS_RATING]),
        values[CARD_BONUS_POSITION]);
}

bool Is_Running_Class(int32_t category) {
    return category == CARD_RUN_BLOCKING || category == CARD_RUSHING || category == CARD_GOAL_LINE;
}
} // namespace

const char* Get_Gridiron_Play_Type_Name(int32_t type) {
    return type >= 0 && type < 4 ? PLAY_TYPE_NAMES[type] : "";
}

int32_t Get_Gridiron_Offense_Bonus(int32_t kind, int32_t offense_1, int32_t offense_2) {
    if (kind < 0 || kind > 3) return 0;
    int32_t points = 0;
    for (const KIND_POINTS& p : OFFENSE_POINTS[kind])
        if (p.Points != 0 && (p.Category == offense_1 || p.Category == offense_2)) points += p.Points;
    return points;
}

int32_t Get_Gridiron_Defense_Bonus(int32_t kind, int32_t defense_1, int32_t defense_2) {
    if (kind < 0 || kind > 3) return 0;
    int32_t points = 0;
    for (const KIND_POINTS& p : DEFENSE_POINTS[kind])
        if (p.Category == defense_1 || p.Category == defense_2) points += p.Points;
    return points;
}

int32_t Compute_Play_Card_Bonus(int32_t kind, int32_t score_type, int32_t offense_1, int32_t offense_2,
                                int32_t defense_1, int32_t defense_2, int32_t bonus_rating,
                                int32_t bonus_position) {
    if (offense_1 == offense_2) return -5;
    if (defense_1 == defense_2) return -6;
    const int32_t rating = bonus_rating - CARD_PASS_BLOCKING;
    const int32_t weight = bonus_position >= 0 && bonus_position < 8 && rating >= 0 && rating < 7
                               ? BONUS_WEIGHTS[bonus_position][rating]
                               : -1;
    if (!Is_Offense_Category(offense_1) || !Is_Defense_Category(defense_1)) return -2;
    int32_t offense = OFFENSE_BASE[offense_1 - CARD_PASS_BLOCKING];
    if (Is_Offense_Category(offense_2)) {
        const int32_t pair = Pair_Value(OFFENSE_PAIRS, std::size(OFFENSE_PAIRS), offense_1, offense_2);
        offense = pair >= 0 ? pair : offense + 3 + OFFENSE_BASE[offense_2 - CARD_PASS_BLOCKING];
    }
    int32_t defense = DEFENSE_BASE[defense_1 - CARD_RUN_DEFENSE];
    if (Is_Defense_Category(defense_2)) {
        const int32_t pair = Pair_Value(DEFENSE_PAIRS, std::size(DEFENSE_PAIRS), defense_1, defense_2);
        defense = pair >= 0 ? pair : DEFENSE_BASE[defense_2 - CARD_RUN_DEFENSE] + defense - 8;
    }
    const bool touchdown = score_type == 1;
    int32_t margin = defense - (offense - (touchdown ? 5 : 2)) + 2;
    margin += Get_Gridiron_Offense_Bonus(kind, offense_1, offense_2);
    margin += Get_Gridiron_Defense_Bonus(kind, defense_1, defense_2);
    if (margin < 0) return !touchdown && margin >= -3 ? -1 : -2;
    if (margin == 0) return 0;
    if (weight == -1) return -3;
    if (weight == 0) return -4;
    const int32_t v = (margin * 5 * weight + 5) / 10;
    for (const auto& bound : BONUS_BOUNDS)
        if (v < bound[0]) return bound[1];
    return 30;
}

int32_t Get_Play_Card_Category_Of(const int8_t values[9], int32_t slot) {
    if (values == nullptr || slot < 1 || slot > 5) return NO_CATEGORY;
    return slot == 3 || slot == 4 ? Defense_Category(values[slot]) : Offense_Category(values[slot]);
}

int32_t Get_Play_Card_Category(int32_t team, int32_t play, int32_t slot) {
    return Get_Play_Card_Category_Of(Card_Values(team, play), slot);
}

void Set_Play_Card_Category(int32_t team, int32_t play, int32_t slot, int32_t category) {
    int8_t* values = Card_Values(team, play);
    if (values == nullptr || slot < 1 || slot > 5) return;
    if (slot == 3 || slot == 4)
        values[slot] = category >= CARD_RUN_DEFENSE && category <= CARD_TACKLING
                           ? static_cast<int8_t>(category - CARD_RUN_DEFENSE)
                           : NO_DEFENSE_CODE;
    else
        values[slot] = category >= CARD_PASS_BLOCKING && category <= CARD_RED_ZONE
                           ? static_cast<int8_t>(category - CARD_PASS_BLOCKING)
                           : NO_OFFENSE_CODE;
}

int32_t Get_Scoring_Card_Field(int32_t row, int32_t field) {
    if (row < 0 || row >= SCORING_CARD_ROWS) return 0;
    const int8_t* r = Scoring_Card_Table[row];
    if (field == 0) return r[1] == 7 ? 1 : 0;
    if (field >= 1 && field <= 6) return r[field + 1];
    if (field == 8) return r[0];
    return 0;
}

void Get_Scoring_Card_Values(int32_t row, int8_t values[9]) {
    for (int32_t field = 0; field < 9; ++field)
        values[field] = static_cast<int8_t>(Get_Scoring_Card_Field(row, field));
    const int32_t bonus = Bonus_Of(values);
    values[CARD_BONUS_VALUE] = static_cast<int8_t>(bonus > 0 ? bonus : 0);
}

bool Are_Play_Card_Values_Set(const int8_t values[9]) {
    return (values[CARD_SCORE_TYPE] == 0 || values[CARD_SCORE_TYPE] == 1) &&
           Offense_Category(values[CARD_OFFENSE_1]) != NO_CATEGORY &&
           Defense_Category(values[CARD_DEFENSE_1]) != NO_CATEGORY && values[CARD_PLAY_KIND] >= 0 &&
           values[CARD_PLAY_KIND] <= 3 && Bonus_Of(values) >= 0;
}

void Get_Play_Card_Values(int32_t team, int32_t play, int8_t values[9]) {
    const int8_t* own = Card_Values(team, play);
    if (own != nullptr && Are_Play_Card_Values_Set(own)) {
        std::memcpy(values, own, 9);
        return;
    }
    Get_Scoring_Card_Values(play >= 0 && play < SCORING_CARD_ROWS ? play : 0, values);
}

void Rebuild_Play_Cards_From_Table(int32_t team) {
    for (int32_t play = 0; play < STORED_OFFENSIVE_PLAYS; ++play)
        if (int8_t* values = Card_Values(team, play); values != nullptr)
            Get_Scoring_Card_Values(play, values);
}

void Recompute_Play_Card_Bonuses(int32_t team) {
    if (team < 0) {
        for (int32_t t = 0; t < MAX_FRANCHISES; ++t)
            if (Is_Used_Franchise_Slot(t)) Recompute_Play_Card_Bonuses(t);
        return;
    }
    for (int32_t play = 0; play < STORED_OFFENSIVE_PLAYS; ++play) {
        int8_t* values = Card_Values(team, play);
        if (values == nullptr) return;
        const int32_t bonus = Bonus_Of(values);
        values[CARD_BONUS_VALUE] = static_cast<int8_t>(bonus > 0 ? bonus : 0);
    }
}

int32_t Count_Chosen_Play_Cards(int32_t team) {
    const OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
    if (book == nullptr) return 0;
    int32_t count = 0;
    for (uint8_t chosen : book->Card_Selection)
        if (chosen != 0) ++count;
    return count;
}

int32_t Get_Card_Set_Plays(int32_t team, int32_t plays[CARD_SET_PLAYS]) {
    const OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
    int32_t count = 0;
    if (book == nullptr) return 0;
    for (int32_t play = 0; play < STORED_OFFENSIVE_PLAYS && count < CARD_SET_PLAYS; ++play)
        if (book->Card_Selection[play] != 0 && Is_Offensive_Play_Defined(team, play)) plays[count++] = play;
    return count;
}

void Check_Play_Card(const int8_t values[9], char* buffer) {
    buffer[0] = '\0';
    const int32_t o1 = Offense_Category(values[CARD_OFFENSE_1]),
                  o2 = Offense_Category(values[CARD_OFFENSE_2]);
    const int32_t d1 = Defense_Category(values[CARD_DEFENSE_1]),
                  d2 = Defense_Category(values[CARD_DEFENSE_2]);
    const int32_t bonus_rating = Offense_Category(values[CARD_BONUS_RATING]);
    const bool field_goal = values[CARD_SCORE_TYPE] == 0;
    constexpr int32_t SIZE = 512;
    if (field_goal && (o1 == CARD_GOAL_LINE || o2 == CARD_GOAL_LINE)) {
        safe_strncpy(buffer, "ERROR:\n\"Goal Line\" can only be used for Touchdown plays.", SIZE);
        return;
    }
    if (field_goal && (o1 == CARD_RED_ZONE || o2 == CARD_RED_ZONE)) {
        safe_strncpy(buffer, "ERROR:\n\"Red Zone\" can only be used for Touchdown plays.", SIZE);
        return;
    }
    if (bonus_rating != o1 && bonus_rating != o2) {
        safe_strncpy(buffer, "ERROR:\nThe bonus rating MUST match one of the offensive ratings.", SIZE);
        return;
    }
    switch (Bonus_Of(values)) {
    case -1:
        if (d2 == CARD_TACKLING)
            safe_strncpy(
                buffer,
                "ERROR:\nThis play card is illegal as a field goal.\nTry adding a 2nd defensive rating or "
                "changing it to a touchdown.",
                SIZE);
        else if (values[CARD_OFFENSE_2] >= 6 || values[CARD_OFFENSE_2] < 0)
            safe_strncpy(
                buffer, "ERROR:\nThis play card is illegal as a field goal.\nTry changing it to a touchdown.",
                SIZE);
        else
            safe_strncpy(
                buffer,
                "ERROR:\nThis play card is illegal as a field goal.\nTry removing the 2nd offensive rating "
                "or changing it to a touchdown.",
                SIZE);
        return;
    case -2:
        safe_strncpy(buffer, "ERROR:\nThis play card is illegal.", SIZE);
        return;
    case -3:
        safe_strncpy(buffer, "Enter a valid position and rating to calculate a rating bonus.", SIZE);
        return;
    case -4:
        safe_strncpy(buffer, "ERROR:\nThe bonus rating doesn't match the bonus position.", SIZE);
        return;
    case -5:
        safe_strncpy(buffer, "ERROR:\nOffense #1 and Offense #2 must be different.", SIZE);
        return;
    case -6:
        safe_strncpy(buffer, "ERROR:\nDefense #1 and Defense #2 must be different.", SIZE);
        return;
    default:
        break;
    }
    std::string text =
        "This is a legal play card.\n(Bonus value is determined by the program and cannot be changed.)";
    const bool running = Is_Running_Class(o1);
    if (!running && Is_Running_Class(o2))
        text += "\n\nWarning:\nOffense #1 is for a passing play and Offense #2 is for a running play.";
    if (running && (d1 == CARD_PASS_RUSH || d2 == CARD_PASS_RUSH))
        text += "\n\nWarning:\n\"Pass Rush\" should not be used to stop a running play.";
    if (running && (d1 == CARD_COVERAGE || d2 == CARD_COVERAGE))
        text += "\n\nWarning:\n\"Coverage\" should not be used to stop a running play.";
    if (!running && (d1 == CARD_RUN_DEFENSE || d2 == CARD_RUN_DEFENSE))
        text += "\n\nWarning:\n\"Run Defense\" should not be used to stop a passing play.";
    safe_strncpy(buffer, text.c_str(), SIZE);
}
