// The "$" words of the announcer's sentences and their values.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/number_words.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "engine/announcer.h"
#include "engine/game_record.h"
#include "engine/play_roles.h"
#include "engine/playbook_records.h"
#include "engine/route_drawing.h"
#include "playbooks/playbook_queries.h"

namespace {

// A sentence holds a handful of words; anything beyond this is not a sentence
// of ours and is left as it stands.
constexpr int32_t MAX_WORD_EXPANSIONS = 64;
constexpr int32_t VALUE_SIZE = 256;

// End-zone throws already placed on this play (the first may say "in the
// corner", later ones say "in the end zone").
int32_t End_Zone_Throws = 0;

enum MACRO : int32_t {
    M_PLAYER0,
    M_PLAYER1,
    M_OFFENSIVETEAM,
    M_DEFENSIVETEAM,
    M_OFFENSIVECITY,
    M_DEFENSIVECITY,
    M_TEAM0,
    M_CITY0,
    M_TEAM1,
    M_CITY1,
    M_QUARTER,
    M_QB,
    M_RB,
    M_YARDLINE,
    M_LOCATION,
    M_DOWN,
    M_TOGO,
    M_YARDSTOGO,
    M_LONGRUN,
    M_FULLNAME0,
    M_WINNERTEAM,
    M_WINNERCITY,
    M_WINNERSCORE,
    M_DIFFERENCE,
};

struct WORD_CONTEXT {
    GAME_RECORD* Game;
    const PLAY_EVENT_SLOT* Slot;
    int32_t Variant;
};

int32_t Entry_Byte(const GAME_RECORD* pGame, int32_t shift) {
    return static_cast<int8_t>((pGame->Current_Play.Play_Word >> shift) & 0xFF);
}

// Non-negative remainder used to pick among phrasings.
int32_t Pick(int32_t v, int32_t n) {
    return std::abs(v % n);
}
bool Is_Even(int32_t v) {
    return v % 2 == 0;
}

bool Find_Player(int32_t id, int32_t* team, int32_t* slot) {
    if (id <= 0) return false;
    PLAYER_LOCATION where{};
    if (Lookup_Player_ID_Hash(&where, id) == 0) return false;
    *team = where.Team;
    *slot = where.Slot;
    return Is_Player_Address(*team, *slot);
}

bool Last_Name_Of(int32_t id, char* out) {
    int32_t team = 0;
    int32_t slot = 0;
    if (!Find_Player(id, &team, &slot)) return false;
    char name[PLAYER_NAME_TEXT_SIZE] = {};
    Get_Player_Last_Name(team, slot, name);
    safe_strncpy(out, name, VALUE_SIZE);
    return true;
}

bool Field_Player_Last_Name(const GAME_RECORD* pGame, int32_t side, int32_t index, char* out) {
    const int32_t team = pGame->Team[side];
    const int32_t slot = pGame->On_Field[side][index];
    if (!Is_Player_Address(team, slot)) return false;
    char name[PLAYER_NAME_TEXT_SIZE] = {};
    Get_Player_Last_Name(team, slot, name);
    safe_strncpy(out, name, VALUE_SIZE);
    return true;
}

bool Team_Label(int32_t team, bool location, char* out) {
    if (Is_Valid_Team_Code(team) == 0) return false;
    char text[FORMATTED_TEXT_SIZE] = {};
    if (location)
        Get_Team_Location_Name(team, text);
    else
        Get_Team_Display_Name(team, text);
    safe_strncpy(out, text, VALUE_SIZE);
    return true;
}

int32_t Defending_Team(const GAME_RECORD* pGame) {
    return Get_Game_Defense_Team(pGame);
}

// Team of the event's player, or the team code given with the event.
// The team of the event's player `which`, or without him the team code the
// event carries; -1 for none.
int32_t Event_Team_Code(const WORD_CONTEXT& w, int32_t which) {
    int32_t team = 0;
    int32_t slot = 0;
    if (Find_Player(w.Slot->Player_Id[which], &team, &slot)) return team;
    const int32_t code = which == 0 ? w.Slot->Argument_B : w.Slot->Argument_C;
    return code < 0 ? -1 : code;
}

bool Event_Team(const WORD_CONTEXT& w, int32_t which, bool location, char* out) {
    const int32_t team = Event_Team_Code(w, which);
    return team >= 0 && Team_Label(team, location, out);
}

// Yards from the spot of the event to the goal of the side with the ball.
int32_t Field_Position(const WORD_CONTEXT& w) {
    const GAME_RECORD* pGame = w.Game;
    int32_t y = Entry_Byte(pGame, 16) - w.Slot->Argument_A;
    if ((pGame->Down_Word & POSSESSION_CHANGE_BITS) != 0 || Entry_Byte(pGame, 0) == 8) y = 100 - y;
    return y;
}

int32_t Near_Five(int32_t yards) {
    return (yards / 5) * 5;
}

void Yard_Line(const WORD_CONTEXT& w, char* out) {
    const GAME_RECORD* pGame = w.Game;
    const int32_t y = Field_Position(w);
    const int32_t v = w.Variant;
    const bool near_mark = (y + 1) % 5 < 3;
    if (y == 50) {
        static const char* const MIDFIELD[3] = {"at midfield", "on the 50-yard line", "at the 50"};
        safe_strncpy(out, MIDFIELD[Pick(v, 3)], VALUE_SIZE);
        return;
    }
    if (y <= 0) {
        safe_strncpy(out, "in the end zone", VALUE_SIZE);
        return;
    }
    if (y >= 100) {
        char city[FORMATTED_TEXT_SIZE] = {};
        Get_Team_Location_Name(pGame->Possession_Team, city);
        std::snprintf(out, VALUE_SIZE, "in the %s end zone", city);
        return;
    }
    if (y < 3 || (y < 20 && Is_Even(v))) {
        if (Pick(v, 7) == 5 && near_mark) {
            if (y < 3)
                safe_strncpy(out, "near the end zone", VALUE_SIZE);
            else
                std::snprintf(out, VALUE_SIZE, "near the %d-yard line", Near_Five(y + 2));
        } else {
            std::snprintf(out, VALUE_SIZE, Pick(v, 3) == 0 ? "on the %d-yard line" : "at the %d-yard line",
                          y);
        }
        return;
    }
    if (y == 98 || y == 99 || (y > 80 && Is_Even(v))) {
        if (Pick(v, 5) == 0 && near_mark) {
            if (y >= 98)
                safe_strncpy(out, "near the end zone", VALUE_SIZE);
            else
                std::snprintf(out, VALUE_SIZE, "near the %d-yard line", Near_Five(102 - y));
        } else {
            std::snprintf(out, VALUE_SIZE, Pick(v, 3) == 0 ? "on the %d-yard line" : "at the %d-yard line",
                          100 - y);
        }
        return;
    }
    if (y >= 48 && y <= 52 && Pick(v, 4) == 0) {
        safe_strncpy(out, "near midfield", VALUE_SIZE);
        return;
    }
    if (y < 50) {
        char name[FORMATTED_TEXT_SIZE] = {};
        char city[FORMATTED_TEXT_SIZE] = {};
        Get_Team_Display_Name(Defending_Team(pGame), name);
        Get_Team_Location_Name(Defending_Team(pGame), city);
        if (Get_Current_Play_Result(pGame) == RESULT_KICKOFF_RETURNED) {
            if (near_mark)
                std::snprintf(out, VALUE_SIZE, "near the %d-yard line", Near_Five(y + 2));
            else
                std::snprintf(out, VALUE_SIZE, "on the %d-yard line", y);
        } else if (Pick(v, 8) == 0 && near_mark) {
            std::snprintf(out, VALUE_SIZE, "near the %s %d-yard line", name, Near_Five(y + 2));
        } else if (Pick(v, 5) == 0) {
            std::snprintf(out, VALUE_SIZE, "on the %s %d-yard line", city, y);
        } else if (Pick(v, 3) == 0) {
            std::snprintf(out, VALUE_SIZE, "at the %s %d-yard line", city, y);
        } else {
            std::snprintf(out, VALUE_SIZE, Is_Even(v) ? "on the %s %d-yard line" : "at the %s %d-yard line",
                          name, y);
        }
        return;
    }
    if (near_mark && (Pick(v, 8) == 0 || Pick(v, 7) == 0))
        std::snprintf(out, VALUE_SIZE, "near the %d-yard line", Near_Five(102 - y));
    else if (Pick(v, 5) == 0)
        std::snprintf(out, VALUE_SIZE, "on the %d-yard line", 100 - y);
    else if (Pick(v, 3) == 0 || !Is_Even(v))
        std::snprintf(out, VALUE_SIZE, "at the %d-yard line", 100 - y);
    else
        std::snprintf(out, VALUE_SIZE, "on the %d-yard line", 100 - y);
}

const char* Run_Direction(int32_t hole, int32_t k) {
    static const char* const DIRECTIONS[10][3] = {
        {"up the middle", "up the middle", "inside"},
        {"up the middle", "up the middle", "inside"},
        {"up the middle", "inside", "to the right side"},
        {"up the middle", "inside", "to the left side"},
        {"to the right", "to the right side", "off-tackle"},
        {"to the left", "to the left side", "off-tackle"},
        {"to the right", "outside", "outside"},
        {"to the left", "outside", "outside"},
        {"to the right", "outside", "around the right side"},
        {"to the left", "outside", "around the left side"},
    };
    if (hole < 0 || hole > 9) hole = 0;
    if (k < 0 || k > 2) k = 0;
    return DIRECTIONS[hole][k];
}

// The team that snapped the ball on the current play.
int32_t Snapping_Team(const GAME_RECORD* pGame) {
    if ((pGame->Down_Word & POSSESSION_CHANGE_BITS) != 0) return Get_Game_Defense_Team(pGame);
    return pGame->Possession_Team;
}

void Pass_Zone(const WORD_CONTEXT& w, int32_t route, char* out) {
    const GAME_RECORD* pGame = w.Game;
    int32_t shortest = -10;
    int32_t longest = 60;
    if (route >= 0 && route < PASS_ROUTE_COUNT) {
        shortest = Pass_Route_Table[route].Shortest;
        longest = Pass_Route_Table[route].Longest;
        if (shortest > longest) std::swap(shortest, longest);
    }
    const int32_t depth = Clamp_Int(shortest, longest, w.Slot->Argument_A);
    const bool outside = Pass_Route_Ends_Outside(route);
    if (depth > Entry_Byte(pGame, 16)) {
        const bool first = End_Zone_Throws++ == 0;
        safe_strncpy(out, first && outside ? "in the corner" : "in the end zone", VALUE_SIZE);
        return;
    }
    static const char* const ZONES[4][2] = {{"underneath", "in the flat"},
                                            {"over the middle", "out wide"},
                                            {"downfield", "near the sideline"},
                                            {"deep downfield", "down the sideline"}};
    const int32_t band = Clamp_Int(0, 3, (depth + 9) / 5);
    safe_strncpy(out, ZONES[band][outside ? 1 : 0], VALUE_SIZE);
}

void Location(const WORD_CONTEXT& w, char* out) {
    const GAME_RECORD* pGame = w.Game;
    const int32_t team = Snapping_Team(pGame);
    const int32_t play = pGame->Current_Play.Offensive_Play;
    const int32_t down = Entry_Byte(pGame, 0);
    const bool kick_down = down == 8 || down == 9 || down == 10;
    const int32_t type = (kick_down || play >= OFFENSIVE_PLAYS) ? -1 : Get_Offensive_Play_Type(team, play);
    if (type == PLAY_TYPE_END_AROUND || type == PLAY_TYPE_DOUBLE_REVERSE || type == PLAY_TYPE_REVERSE) {
        safe_strncpy(out, "around the outside", VALUE_SIZE);
    } else if (type >= 0 && Is_Running_Play(team, play)) {
        safe_strncpy(out, Run_Direction(Get_Play_Run_Hole(pGame), Pick(w.Variant, 3)), VALUE_SIZE);
    } else if (type >= 0 && Is_Passing_Play(team, play)) {
        int32_t player_team = 0;
        int32_t player_slot = 0;
        int32_t route = -1;
        if (Find_Player(w.Slot->Player_Id[0], &player_team, &player_slot)) {
            const int32_t side = pGame->Team[1] == team ? 1 : 0;
            for (int32_t r = 0; r < 5; ++r)
                if (player_team == team && pGame->On_Field[side][r + 1] == player_slot)
                    route = Get_Offensive_Play_Route(team, play, r);
            if (route >= 0) {
                Pass_Zone(w, route, out);
                return;
            }
        }
        safe_strncpy(out, "downfield", VALUE_SIZE);
    } else {
        safe_strncpy(out, Run_Direction(Pick(w.Variant, 9), Pick(w.Variant, 2)), VALUE_SIZE);
    }
}

void Long_Run(const WORD_CONTEXT& w, char* out) {
    const int32_t y = Field_Position(w);
    const int32_t b = std::abs(static_cast<int32_t>(w.Slot->Argument_B));
    const int32_t m = (y / 5) * 5;
    const int32_t t = ((y - b) / 5 + 1) * 5;
    std::snprintf(out, VALUE_SIZE, "to the %d", 50 - std::abs(m - 50));
    char step[32];
    for (int32_t k = m - 5; k >= t; k -= 5) {
        std::snprintf(step, sizeof step, " ... %d", 50 - std::abs(k - 50));
        safe_strncat(out, step, VALUE_SIZE);
    }
}

void Lower_Case(char* text) {
    for (char* p = text; *p != '\0'; ++p)
        if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
}

// The side ahead once the snap's points are on the board (touchdowns and
// safeties are added only after the narration); -1 when level.
int32_t Winning_Side(const GAME_RECORD* pGame, int32_t score[2]) {
    score[0] = pGame->Score[0];
    score[1] = pGame->Score[1];
    const int32_t result = Get_Current_Play_Result(pGame);
    if (Get_Game_Down(pGame) != CONVERSION_ATTEMPT) {
        const int32_t side = Get_Offense_Side(pGame);
        if (Is_Touchdown_Result(result)) score[side] += 6;
        if (result == RESULT_SAFETY) score[1 - side] += 2;
    }
    if (score[0] == score[1]) return -1;
    return score[1] > score[0] ? 1 : 0;
}

bool Word_Value(const WORD_CONTEXT& w, int32_t macro, char* out) {
    GAME_RECORD* pGame = w.Game;
    out[0] = '\0';
    char words[FORMATTED_TEXT_SIZE] = {};
    switch (macro) {
    case M_PLAYER0:
    case M_PLAYER1:
        return Last_Name_Of(w.Slot->Player_Id[macro == M_PLAYER0 ? 0 : 1], out);
    case M_OFFENSIVETEAM:
        return Team_Label(pGame->Possession_Team, false, out);
    case M_DEFENSIVETEAM:
        return Team_Label(Get_Game_Defense_Team(pGame), false, out);
    case M_OFFENSIVECITY:
        return Team_Label(pGame->Possession_Team, true, out);
    case M_DEFENSIVECITY:
        return Team_Label(Get_Game_Defense_Team(pGame), true, out);
    case M_TEAM0:
        return Event_Team(w, 0, false, out);
    case M_CITY0:
        return Event_Team(w, 0, true, out);
    case M_TEAM1:
        return Event_Team(w, 1, false, out);
    case M_CITY1:
        return Event_Team(w, 1, true, out);
    case M_QUARTER:
        Format_Ordinal_Words(Get_Game_Quarter(pGame), words);
        Lower_Case(words);
        safe_strncpy(out, words, VALUE_SIZE);
        return true;
    case M_QB:
        return Field_Player_Last_Name(pGame, Get_Offense_Side(pGame), 0, out);
    case M_RB: {
        const int32_t result = Get_Current_Play_Result(pGame);
        if (result >= 21 && result <= 23)
            return Field_Player_Last_Name(pGame, Get_Offense_Side(pGame), 0, out);
        if (Is_Kicking_Result_Code(result))
            return Field_Player_Last_Name(pGame, Get_Defense_Side(pGame), 0, out);
        return Last_Name_Of(Get_Play_Ball_Carrier_Id(pGame->Current_Play), out);
    }
    case M_YARDLINE:
        Yard_Line(w, out);
        return true;
    case M_LOCATION:
        Location(w, out);
        return true;
    case M_DOWN:
        Format_Ordinal_Words(Entry_Byte(pGame, 0) + 1, words);
        Lower_Case(words);
        safe_strncpy(out, words, VALUE_SIZE);
        return true;
    case M_TOGO:
    case M_YARDSTOGO: {
        const int32_t to_go = Entry_Byte(pGame, 8);
        Format_Cardinal_Words(to_go, words);
        Lower_Case(words);
        if (macro == M_TOGO)
            safe_strncpy(out, words, VALUE_SIZE);
        else
            std::snprintf(out, VALUE_SIZE, to_go > 1 ? "%s yards" : "%s yard", words);
        return true;
    }
    case M_LONGRUN:
        Long_Run(w, out);
        return true;
    case M_FULLNAME0: {
        int32_t team = 0;
        int32_t slot = 0;
        if (!Find_Player(w.Slot->Player_Id[0], &team, &slot)) return false;
        char name[PLAYER_NAME_TEXT_SIZE] = {};
        Get_Player_Full_Name(team, slot, name);
        safe_strncpy(out, name, VALUE_SIZE);
        return true;
    }
    case M_WINNERTEAM:
    case M_WINNERCITY:
    case M_WINNERSCORE:
    case M_DIFFERENCE: {
        int32_t score[2];
        const int32_t side = Winning_Side(pGame, score);
        if (side < 0) return false;
        const int32_t team = pGame->Team[side];
        if (macro == M_WINNERTEAM) {
            if (Is_Valid_Team_Code(team) == 0) return false;
            Get_Team_Nickname(team, words);
            safe_strncpy(out, words, VALUE_SIZE);
            return true;
        }
        if (macro == M_WINNERCITY) return Team_Label(team, true, out);
        Format_Cardinal_Words(macro == M_WINNERSCORE ? score[side] : score[side] - score[1 - side], words);
        Lower_Case(words);
        safe_strncpy(out, words, VALUE_SIZE);
        return true;
    }
    default:
        return false;
    }
}

// A team's name read as a plural: its last word ends in "s" ("Bears",
// "49ers"; not "Express" nor "Pegasus" nor "Ibis") or in "men"; "Heat",
// "Magic" and "Crimson Tide" are singular.
bool Is_Plural_Name(const char* name) {
    std::string word = name;
    while (!word.empty() && (word.back() == ' ' || word.back() == '.' || word.back() == '!'))
        word.pop_back();
    const size_t space = word.find_last_of(' ');
    if (space != std::string::npos) word.erase(0, space + 1);
    for (char& c : word)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const auto ends_with = [&word](const char* end) {
        const size_t n = std::strlen(end);
        return word.size() > n && word.compare(word.size() - n, n, end) == 0;
    };
    if (ends_with("men")) return true;
    return ends_with("s") && !ends_with("ss") && !ends_with("us") && !ends_with("is");
}

// The team a team word names, and whether the word shows the team's display
// name (which may fall back to its place); -1 for none.
int32_t Team_Word_Team(const WORD_CONTEXT& w, int32_t macro, bool* display) {
    *display = true;
    switch (macro) {
    case M_OFFENSIVETEAM:
        return w.Game->Possession_Team;
    case M_DEFENSIVETEAM:
        return Get_Game_Defense_Team(w.Game);
    case M_TEAM0:
    case M_TEAM1:
        return Event_Team_Code(w, macro == M_TEAM0 ? 0 : 1);
    case M_WINNERTEAM: {
        int32_t score[2];
        const int32_t side = Winning_Side(w.Game, score);
        *display = false;
        return side >= 0 ? w.Game->Team[side] : -1;
    }
    default:
        return -1;
    }
}

// The nickname of the team a team word names, and whether the word shows the
// team's place instead (a display name that falls back to the location);
// false when the word names no team.
bool Read_Team_Word(const WORD_CONTEXT& w, int32_t macro, char* nickname, bool* place) {
    bool display = true;
    const int32_t team = Team_Word_Team(w, macro, &display);
    if (team < 0 || Is_Valid_Team_Code(team) == 0) return false;
    Get_Team_Nickname(team, nickname);
    *place = false;
    if (display) {
        char shown[FORMATTED_TEXT_SIZE] = {};
        Get_Team_Display_Name(team, shown);
        *place = std::strcmp(shown, nickname) != 0;
    }
    return true;
}

// Whether a team word shows the team's place rather than its nickname.
bool Is_Team_Word_Place(const WORD_CONTEXT& w, int32_t macro) {
    char nickname[FORMATTED_TEXT_SIZE] = {};
    bool place = false;
    return Read_Team_Word(w, macro, nickname, &place) && place;
}

// Whether the team a team word names reads as a plural. A word that shows a
// place is singular.
bool Is_Team_Word_Plural(const WORD_CONTEXT& w, int32_t macro) {
    char nickname[FORMATTED_TEXT_SIZE] = {};
    bool place = false;
    return Read_Team_Word(w, macro, nickname, &place) && !place && Is_Plural_Name(nickname);
}

// True when the text ends in the article "the " or "The " as a word of its own.
bool Ends_With_Article(const std::string& text) {
    const size_t n = text.size();
    if (n < 4 || (text.compare(n - 4, 4, "the ") != 0 && text.compare(n - 4, 4, "The ") != 0)) return false;
    if (n == 4) return true;
    const char before = text[n - 5];
    return !((before >= 'a' && before <= 'z') || (before >= 'A' && before <= 'Z'));
}

// The sentence with each "{singular|plural}" choice made: a verb (or "its")
// agrees with the team word nearest before it. A team word's article ("the
// Bears") is dropped when the word shows a place ("Washington").
void Fit_Sentence_To_Teams(const WORD_CONTEXT& w, const char* text, char* out, int size) {
    constexpr int32_t TEAM_WORDS[] = {M_OFFENSIVETEAM, M_DEFENSIVETEAM, M_TEAM0, M_TEAM1, M_WINNERTEAM};
    std::string agreed;
    int32_t subject = -1;
    for (const char* p = text; *p != '\0';) {
        bool word = false;
        for (const int32_t macro : TEAM_WORDS) {
            const size_t length = std::strlen(Commentary_Macros[macro]);
            if (std::strncmp(p, Commentary_Macros[macro], length) != 0) continue;
            subject = macro;
            if (Ends_With_Article(agreed) && Is_Team_Word_Place(w, macro)) agreed.erase(agreed.size() - 4);
            agreed.append(p, length);
            p += length;
            word = true;
            break;
        }
        if (word) continue;
        const char* bar = *p == '{' ? std::strchr(p, '|') : nullptr;
        const char* close = bar != nullptr ? std::strchr(bar, '}') : nullptr;
        if (close == nullptr) {
            agreed.push_back(*p++);
            continue;
        }
        if (subject >= 0 && Is_Team_Word_Plural(w, subject))
            agreed.append(bar + 1, close);
        else
            agreed.append(p + 1, bar);
        p = close + 1;
    }
    safe_strncpy(out, agreed.c_str(), size);
}

// First word of the table found where the text came from the sentence (not
// from a value put in); its position in `text`, or -1.
int32_t Find_Sentence_Word(const char* text, const bool* from_sentence, int32_t* macro) {
    for (int32_t m = 0; m < COMMENTARY_MACROS; ++m) {
        const char* word = Commentary_Macros[m];
        const size_t length = std::strlen(word);
        for (const char* hit = std::strstr(text, word); hit != nullptr; hit = std::strstr(hit + 1, word)) {
            const int32_t at = static_cast<int32_t>(hit - text);
            bool whole = true;
            for (size_t k = 0; k < length && whole; ++k)
                whole = from_sentence[at + k];
            if (whole) {
                *macro = m;
                return at;
            }
        }
    }
    return -1;
}

} // namespace

void Reset_Pass_Zone_Counter() {
    End_Zone_Throws = 0;
}

int32_t Expand_Commentary_Text(GAME_RECORD* pGame, const PLAY_EVENT_SLOT& slot, const char* text, char* out,
                               int size) {
    if (out == nullptr || size <= 0) return 0;
    out[0] = '\0';
    if (pGame == nullptr || text == nullptr) return 0;
    WORD_CONTEXT w{pGame, &slot, slot.Player_Id[0] % (slot.Sentence + 10)};
    char line[COMMENTARY_LINE_SIZE];
    bool from_sentence[COMMENTARY_LINE_SIZE];
    Fit_Sentence_To_Teams(w, text, line, sizeof line);
    int32_t length = static_cast<int32_t>(std::strlen(line));
    for (int32_t i = 0; i < length; ++i)
        from_sentence[i] = true;
    for (int32_t round = 0; round < MAX_WORD_EXPANSIONS; ++round) {
        int32_t macro = 0;
        const int32_t at = Find_Sentence_Word(line, from_sentence, &macro);
        if (at < 0) break;
        char value[VALUE_SIZE];
        if (!Word_Value(w, macro, value)) {
            safe_strncpy(out, slot.Event_Id == 16 ? "Hit hard." : "...", size);
            return 0;
        }
        const int32_t word_length = static_cast<int32_t>(std::strlen(Commentary_Macros[macro]));
        int32_t value_length = static_cast<int32_t>(std::strlen(value));
        const int32_t tail = length - at - word_length;
        // Keep the line within its buffer: the value is cut short, never the
        // rest of the sentence past the buffer.
        const int32_t room = static_cast<int32_t>(sizeof line) - 1 - (length - word_length);
        if (value_length > room) value_length = room < 0 ? 0 : room;
        std::memmove(line + at + value_length, line + at + word_length, static_cast<size_t>(tail) + 1);
        std::memmove(from_sentence + at + value_length, from_sentence + at + word_length,
                     static_cast<size_t>(tail));
        std::memcpy(line + at, value, static_cast<size_t>(value_length));
        for (int32_t k = 0; k < value_length; ++k)
            from_sentence[at + k] = false;
        length = length - word_length + value_length;
    }
    if (line[0] >= 'a' && line[0] <= 'z') line[0] = static_cast<char>(line[0] - 'a' + 'A');
    safe_strncpy(out, line, size);
    return 1;
}
