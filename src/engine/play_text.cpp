#include "engine/play_text.h"

#include <cstdio>

#include "app/diagnostics.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/play_roles.h"
#include "engine/row_text.h"

namespace {

// The play texts use "%s" and "%d" only; they are put together without a
// formatted print, their formats read when the program is built.
template <BUILT_FORMAT FORMAT, typename... ARGS> void Format_Text(char* buffer, int size, ARGS... args) {
    if (buffer == nullptr || size <= 0) return;
    ROW_TEXT text(buffer, size);
    Put_Built_Format<FORMAT>(text, args...);
}

const char* const PENALTY_NAMES[NUMBER_OF_PENALTIES] = {"Encroachment",
                                                        "Illegal Contact",
                                                        "Defensive Holding",
                                                        "Roughing The Passer",
                                                        "Roughing The Kicker",
                                                        "Unnecessary Roughness",
                                                        "Pass Interference",
                                                        "Offensive Offsides",
                                                        "False Start",
                                                        "Illegal Motion",
                                                        "Offensive Pass Interference",
                                                        "Offensive Holding",
                                                        "Intentional Grounding",
                                                        "Clipping",
                                                        "Block In The Back",
                                                        "Unnecessary Roughness"};

// Short name (team string 1) of a team code; "NFL Average" for 255 and above,
// nothing for NO_TEAM or another code outside the block.
void Team_Short_Name(int32_t team, char* buffer, int size) {
    buffer[0] = '\0';
    if (team >= 255) {
        safe_strncpy(buffer, "NFL Average", size);
        return;
    }
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) return;
    // A team string always fits a buffer of its full size: it is written
    // there directly.
    if (size >= TEAM_STRING_LENGTH) {
        Get_Team_String(buffer, team, 1);
        return;
    }
    char text[TEAM_STRING_LENGTH + 16];
    Get_Team_String(text, team, 1);
    safe_strncpy(buffer, text, size);
}

int32_t Defending_Team(const GAME_RECORD* pGame) {
    return pGame->Team[Get_Defense_Side(pGame)];
}

// Full name of the player with this id; empty when nobody holds it.
void Player_Name(int32_t id, char* buffer, int size) {
    buffer[0] = '\0';
    if (id <= 0) return;
    PLAYER_LOCATION where;
    if (!Lookup_Player_ID_Hash(&where, id) || !Is_Player_Address(where.Team, where.Slot)) return;
    // A full name always fits a buffer of the full size: it is written there
    // directly.
    if (size >= PLAYER_NAME_TEXT_SIZE) {
        Get_Player_Full_Name(where.Team, where.Slot, buffer);
        return;
    }
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(where.Team, where.Slot, name);
    safe_strncpy(buffer, name, size);
}

int32_t Player_Team(int32_t id) {
    if (id <= 0) return NO_TEAM;
    PLAYER_LOCATION where;
    if (!Lookup_Player_ID_Hash(&where, id) || !Is_Player_Address(where.Team, where.Slot)) return NO_TEAM;
    return where.Team;
}

} // namespace

void Get_Penalty_Name(int32_t n, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    safe_strncpy(buffer, (n >= 0 && n < NUMBER_OF_PENALTIES) ? PENALTY_NAMES[n] : "", size);
}

void Get_Down_Text(const GAME_RECORD* pGame, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    uint32_t down = Get_Game_Down(pGame);
    if (down <= 3) {
        int32_t n = static_cast<int32_t>(down) + 1;
        char suffix[RESOURCE_STRING_LIMIT];
        Load_Resource_String(STRING_ORDINAL_SUFFIX + ((n >= 10 && n <= 19) ? 0 : Clamp_Int(0, 4, n % 10)),
                             suffix);
        if (pGame->Yards_To_Go < pGame->Yards_To_Goal)
            Format_Text<"%d%s and %d">(buffer, size, n, suffix, pGame->Yards_To_Go);
        else
            Format_Text<"%d%s and goal">(buffer, size, n, suffix);
    } else if (down == KICKOFF_DOWN) {
        safe_strncpy(buffer, "Kickoff", size);
    } else if (down == CONVERSION_ATTEMPT) {
        safe_strncpy(buffer, "Conversion attempt", size);
    } else {
        safe_strncpy(buffer, "----", size);
    }
}

void Get_Short_Down_Text(const GAME_RECORD* pGame, char* buffer, int bLongForm, int size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    uint32_t down = Get_Game_Down(pGame);
    if (down <= 3 && size > 2 + MAX_NUMBER_TEXT) {
        // The whole text fits: written without checking each character.
        SIZED_TEXT text{buffer};
        text.Put(static_cast<char>('1' + down));
        text.Put('-');
        if (pGame->Yards_To_Go < pGame->Yards_To_Goal)
            Put_Padded_Number(text, pGame->Yards_To_Go, 0, ' ');
        else
            text.Put('G');
        text.End();
    } else if (down <= 3) {
        ROW_TEXT text(buffer, size);
        text.Put_Number(static_cast<int32_t>(down) + 1).Put('-');
        if (pGame->Yards_To_Go < pGame->Yards_To_Goal)
            text.Put_Number(pGame->Yards_To_Go);
        else
            text.Put('G');
    } else if (down == KICKOFF_DOWN) {
        safe_strncpy(buffer, bLongForm ? "Kickoff" : "KICK", size);
    } else if (down == FREE_KICK_DOWN) {
        safe_strncpy(buffer, bLongForm ? "Free Kick" : "KICK", size);
    } else if (down == CONVERSION_ATTEMPT) {
        safe_strncpy(buffer, bLongForm ? "Conversion" : "CONV", size);
    } else {
        safe_strncpy(buffer, "----", size);
    }
}

void Get_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    int32_t y = pGame->Yards_To_Goal;
    char name[64];
    if (y == 50) {
        safe_strncpy(buffer, "50-yard-line", size);
    } else if (y < 50) {
        Team_Short_Name(Defending_Team(pGame), name, sizeof name);
        Format_Text<"%s %d-yard-line">(buffer, size, name, y);
    } else {
        Team_Short_Name(pGame->Possession_Team, name, sizeof name);
        Format_Text<"%s %d-yard-line">(buffer, size, name, 100 - y);
    }
}

void Get_Down_And_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    char down[128];
    char position[128];
    Get_Down_Text(pGame, down, sizeof down);
    Get_Field_Position_Text(pGame, position, sizeof position);
    Format_Text<"%s at the %s.">(buffer, size, down, position);
}

void Get_Short_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    int32_t y = pGame->Yards_To_Goal;
    if (y == 50) {
        safe_strncpy(buffer, "(--  50)", size);
        return;
    }
    char name[TEAM_STRING_LENGTH + 16];
    Team_Short_Name(y < 50 ? Defending_Team(pGame) : pGame->Possession_Team, name, sizeof name);
    if (size > static_cast<int>(sizeof name) + 3 + MAX_NUMBER_TEXT) {
        // The whole text fits: written without checking each character.
        SIZED_TEXT text{buffer};
        text.Put('(');
        Put_Padded_Text(text, name, 3, true);
        text.Put(' ');
        Put_Padded_Number(text, y < 50 ? y : 100 - y, 2, ' ');
        text.Put(')');
        text.End();
        return;
    }
    ROW_TEXT text(buffer, size);
    text.Put('(').Put_Padded(name, 3, true).Put(' ').Put_Number(y < 50 ? y : 100 - y, 2).Put(')');
}

void Format_Game_Clock(const GAME_RECORD* pGame, int bStartOfPeriod, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    int32_t left = Get_Period_Time_Left(pGame);
    if (bStartOfPeriod && left == Get_Period_Length(pGame)) left = 0;
    if (left < 0) left = 0;
    if (size > MAX_NUMBER_TEXT + 3) {
        // The whole text fits: written without checking each character.
        SIZED_TEXT text{buffer};
        Put_Padded_Number(text, left / 60, 0, ' ');
        text.Put(':');
        Put_Padded_Number(text, left % 60, 2, '0');
        text.End();
        return;
    }
    ROW_TEXT(buffer, size).Put_Number(left / 60).Put(':').Put_Number(left % 60, 2, '0');
}

void Get_Period_Label(int32_t period, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    static const char* const LABELS[8] = {"1st Q", "2nd Q", "3rd Q", "4th Q",
                                          "OT",    "OT #2", "OT #3", "OT #4"};
    if (period >= 1 && period <= 8)
        safe_strncpy(buffer, LABELS[period - 1], size);
    else if (period > 8)
        Format_Text<"OT #%d">(buffer, size, period - 4);
    else
        buffer[0] = '\0';
}

void Write_Play_Summary_Sentence(const GAME_RECORD* pGame, const PLAY_LOG_ENTRY* pPlay, char* buffer,
                                 int size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (pPlay == nullptr) return;
    // Each sentence names its players by the roles the entry's result gives them.
    auto name_of = [pPlay](PLAY_ROLE role, char* name) {
        Player_Name(Get_Play_Role_Id(*pPlay, role), name, PLAYER_NAME_TEXT_SIZE);
        return name;
    };
    char first[PLAYER_NAME_TEXT_SIZE];
    char second[PLAYER_NAME_TEXT_SIZE];
    int32_t yards = pPlay->Yard1;
    int32_t yards2 = pPlay->Yard2;
    int32_t result = Get_Play_Result(pPlay->Play_Word);
    if ((yards < -100 || yards > 100) && result != RESULT_FIELD_GOAL_MISSED)
        Log_Debug_Line("Write_Play_Summary_Sentence: pPlay->nYard1 = %d", yards);
    int32_t side = (pPlay->Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1;
    char team[64] = "";
    switch (result) {
    case 0:
        Format_Text<"%s incomplete to %s">(buffer, size, name_of(ROLE_PASSER, first),
                                           name_of(ROLE_RECEIVER, second));
        break;
    case 1:
        name_of(ROLE_PASSER, first);
        name_of(ROLE_RECEIVER, second);
        if (yards > 0)
            Format_Text<"%s %d-yard pass to %s">(buffer, size, first, yards, second);
        else if (yards == 0)
            Format_Text<"%s pass to %s for no gain">(buffer, size, first, second);
        else
            Format_Text<"%s pass to %s for (%d-yard loss)">(buffer, size, first, second, -yards);
        break;
    case 2:
        // The entry holds no receiver for an interception or a knocked-down
        // pass: the sentence names the passer and the defender.
        Format_Text<"%s pass intercepted by %s">(buffer, size, name_of(ROLE_PASSER, first),
                                                 name_of(ROLE_INTERCEPTOR, second));
        break;
    case 3:
        Format_Text<"%s sacked by %s for %d-yard loss">(buffer, size, name_of(ROLE_PASSER, first),
                                                        name_of(ROLE_SACKER, second),
                                                        yards < 0 ? -yards : yards);
        break;
    case 4:
        Format_Text<"%s pass knocked down by %s">(buffer, size, name_of(ROLE_PASSER, first),
                                                  name_of(ROLE_PASS_DEFENDER, second));
        break;
    case 5:
    case 13:
        Format_Text<"%s fumble recovered by %s">(buffer, size, name_of(ROLE_FUMBLER, first),
                                                 name_of(ROLE_RECOVERER, second));
        break;
    case 6:
        Format_Text<"%s %d-yard TD pass to %s">(buffer, size, name_of(ROLE_PASSER, first), yards,
                                                name_of(ROLE_RECEIVER, second));
        break;
    case 7:
        Format_Text<"%s returns interception for a TD!">(buffer, size, name_of(ROLE_INTERCEPTOR, second));
        break;
    case 8:
        // A kneel-down in the end zone has no tackler to name.
        if (Get_Play_Role_Id(*pPlay, ROLE_TACKLER) < 0)
            Format_Text<"%s downed for a safety">(buffer, size, name_of(ROLE_DOWNED, first));
        else
            Format_Text<"%s tackled by %s for a safety">(buffer, size, name_of(ROLE_DOWNED, first),
                                                         name_of(ROLE_TACKLER, second));
        break;
    case 9:
    case 10:
    case 11: {
        const char* direction = result == 9 ? "left" : (result == 10 ? "up the middle" : "right");
        name_of(ROLE_CARRIER, first);
        if (yards == 1)
            Format_Text<"%s rushes %s for 1 yard">(buffer, size, first, direction);
        else if (yards == 0)
            Format_Text<"%s rushes %s for no gain">(buffer, size, first, direction);
        else if (yards < 0)
            Format_Text<"%s rushes %s for a %d-yard loss">(buffer, size, first, direction, -yards);
        else
            Format_Text<"%s rushes %s for %d yards">(buffer, size, first, direction, yards);
        break;
    }
    case 12:
        Format_Text<"%s %d-yard TD run!">(buffer, size, name_of(ROLE_CARRIER, first), yards);
        break;
    case 14:
        Format_Text<"%s fumble recovered by %s for TD">(buffer, size, name_of(ROLE_FUMBLER, first),
                                                        name_of(ROLE_RECOVERER, second));
        break;
    case 15:
        Format_Text<"%s kicks %d-yard FG">(buffer, size, name_of(ROLE_KICKER, first), yards);
        break;
    case 16:
        Format_Text<"%s misses %d-yard FG">(buffer, size, name_of(ROLE_KICKER, first), yards);
        break;
    case 17:
        name_of(ROLE_RETURNER, first);
        if (yards2 == 0)
            Format_Text<"%d-yard punt - Fair catch by %s">(buffer, size, yards, first);
        else
            Format_Text<"%d-yard punt returned %d yards by %s">(buffer, size, yards, yards2, first);
        break;
    case 18:
        safe_strncpy(buffer, "Punt went into endzone for a touchback", size);
        break;
    case 19:
        Format_Text<"Punt returned by %s for a TD!">(buffer, size, name_of(ROLE_RETURNER, first));
        break;
    case 20:
        Format_Text<"%s fumbles punt - %s recovers">(buffer, size, name_of(ROLE_RETURNER, first),
                                                     name_of(ROLE_RECOVERER, second));
        break;
    case 21: {
        // The second yardage is the returner's yards to the goal after the
        // return, so a logged entry reads the same long after its snap.
        int32_t line = yards2;
        name_of(ROLE_RETURNER, first);
        if (line < 50)
            Format_Text<"%s returns kickoff to opponent's %d!">(buffer, size, first, line);
        else
            Format_Text<"%s returns kickoff %d yards to his %d">(buffer, size, first, yards, 100 - line);
        break;
    }
    case 22:
        safe_strncpy(buffer, "Kickoff downed in endzone for a touchback", size);
        break;
    case 23:
        Format_Text<"%s returned kickoff for a TD!">(buffer, size, name_of(ROLE_RETURNER, first));
        break;
    case 24:
        Format_Text<"Kickoff return fumbled by %s -- %s recovers">(
            buffer, size, name_of(ROLE_RETURNER, first), name_of(ROLE_RECOVERER, second));
        break;
    case 25:
    case 26: {
        int32_t recovering = Player_Team(Get_Play_Role_Id(*pPlay, ROLE_KICK_RECOVERER));
        if (recovering == NO_TEAM && pGame != nullptr) recovering = pGame->Possession_Team;
        Get_Team_Display_Name(recovering, team);
        if (result == 25)
            Format_Text<"Onside kick recovered by %s!">(buffer, size, team);
        else
            Format_Text<"Onside kick recovered by %s">(buffer, size, team);
        break;
    }
    case 27:
        Format_Text<"%s kicked the extra point">(buffer, size, name_of(ROLE_KICKER, first));
        break;
    case 28:
        Format_Text<"%s missed the extra point">(buffer, size, name_of(ROLE_KICKER, first));
        break;
    case 29:
    case 30:
        if (pGame != nullptr) Get_Team_Display_Name(pGame->Team[side], team);
        if (result == 29)
            Format_Text<"2-pt conversion successful (%s)">(buffer, size, team);
        else
            Format_Text<"2-pt conversion failed (%s)">(buffer, size, team);
        break;
    case 31: {
        // The entry holds the penalized player, the penalty code (second
        // yardage) and the yards.
        int32_t penalized = Player_Team(Get_Play_Role_Id(*pPlay, ROLE_PENALIZED));
        if (penalized == NO_TEAM && pGame != nullptr) penalized = pGame->Team[side];
        Get_Team_Display_Name(penalized, team);
        char name[64];
        Get_Penalty_Name(yards2, name, sizeof name);
        if (name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
        Format_Text<"%s (%s): %d yards">(buffer, size, team, name, yards);
        break;
    }
    default:
        Format_Text<"UNHANDLED nResult (%d) in PLAY">(buffer, size, result);
        break;
    }
}
