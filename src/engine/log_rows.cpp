#include "engine/log_rows.h"

#include <cstring>

#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/play_text.h"
#include "engine/playbook_records.h"
#include "engine/row_text.h"

namespace {

std::string Short_Team_Name(int32_t team) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) return "";
    char text[TEAM_STRING_LENGTH + 16];
    Get_Team_String(text, team, 1);
    return text;
}

// Score-line name: empty for a team code of 38 or more, first letter raised.
std::string Score_Line_Name(int32_t team) {
    if (team >= FIRST_COLLEGE_POOL_TEAM) return "";
    std::string name = Short_Team_Name(team);
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

} // namespace

namespace {
// What both play-log rows of a snap show, read once for the two.
struct LOG_ROW_PIECES {
    int Offense_Side;
    char Team[TEAM_STRING_LENGTH + 16];
    char Clock[32];
    char Down[32];
    char Yard_Line[64];
    char Offensive[PLAY_NAME_LENGTH + 1];
    char Defensive[PLAY_NAME_LENGTH + 1];
};

// The most characters either row of a snap can take: every piece as long as
// its buffer allows and escaped at the longest, and the fixed text and
// padding of the longer row. Rows always fit the row buffer whole.
constexpr size_t MOST_LOG_ROW_LENGTH =
    256 + MAX_ESCAPED_CHARACTER * (sizeof LOG_ROW_PIECES::Team + sizeof LOG_ROW_PIECES::Clock +
                                   sizeof LOG_ROW_PIECES::Down + sizeof LOG_ROW_PIECES::Yard_Line +
                                   sizeof LOG_ROW_PIECES::Offensive + sizeof LOG_ROW_PIECES::Defensive);
static_assert(MOST_LOG_ROW_LENGTH < TEXT_BUFFER_SIZE);

void Read_Log_Row_Pieces(const GAME_RECORD* pGame, LOG_ROW_PIECES& pieces) {
    pieces.Team[0] = '\0';
    pieces.Offensive[0] = '\0';
    pieces.Defensive[0] = '\0';
    if (pGame->Possession_Team < TOTAL_NUMBER_OF_TEAMS)
        Get_Team_String(pieces.Team, pGame->Possession_Team, 1);
    Format_Game_Clock(pGame, 0, pieces.Clock, sizeof pieces.Clock);
    Get_Short_Down_Text(pGame, pieces.Down, 0, sizeof pieces.Down);
    Get_Short_Field_Position_Text(pGame, pieces.Yard_Line, sizeof pieces.Yard_Line);
    const PLAY_LOG_ENTRY& play = pGame->Current_Play;
    uint32_t down_code = Get_Game_Down(pGame);
    pieces.Offense_Side = Get_Offense_Side(pGame);
    int32_t offense = pGame->Team[pieces.Offense_Side];
    int32_t defense = pGame->Team[1 - pieces.Offense_Side];
    if (down_code != KICKOFF_DOWN && down_code != FREE_KICK_DOWN) {
        if (pGame->Formation[pieces.Offense_Side] == 43) {
            safe_strncpy(pieces.Offensive, "Extra Point", sizeof pieces.Offensive);
        } else {
            Get_Offensive_Play_Name(offense, play.Offensive_Play, pieces.Offensive, sizeof pieces.Offensive);
            int32_t type = Get_Offensive_Play_Type(offense, play.Offensive_Play);
            if (type != PLAY_TYPE_PUNT && type != PLAY_TYPE_FIELD_GOAL)
                Get_Defensive_Play_Name(defense, play.Defensive_Play, pieces.Defensive,
                                        sizeof pieces.Defensive);
        }
    }
}

// The row of the snap into any text with the row writer's calls.
template <typename TEXT> void Write_Log_Row(const LOG_ROW_PIECES& pieces, int bHTML, TEXT& row) {
    if (bHTML) {
        row.Put_Literal("<TR class=");
        if (pieces.Offense_Side == 0)
            row.Put_Literal("none");
        else
            row.Put_Literal("highlight");
        row.Put_Literal("><TD width=\"5%\" class=lml>");
        row.Put_Escaped(pieces.Team).Put_Literal("</TD>\n<TD width=\"5%\" class=lmc>").Put(pieces.Clock);
        row.Put_Literal("</TD><TD width=\"9%\" class=lmc>")
            .Put(pieces.Down)
            .Put_Literal("</TD><TD width=\"9%\" class=lmc>");
        row.Put_Escaped(pieces.Yard_Line)
            .Put_Literal("</TD><TD width=\"17%\" class=lmc>")
            .Put_Escaped(pieces.Offensive);
        row.Put_Literal("</TD><TD width=\"17%\" class=lmc>")
            .Put_Escaped(pieces.Defensive)
            .Put_Literal("</TD>");
    } else {
        row.Put_Literal("\n ")
            .Put_Padded(pieces.Team, 5, false)
            .Put(' ')
            .Put_Padded(pieces.Clock, 3, false)
            .Put(' ');
        row.Put_Padded(pieces.Down, 4, false).Put(' ').Put_Padded(pieces.Yard_Line, 8, false).Put(' ');
        row.Put_Padded(pieces.Offensive, 24, true).Put(' ').Put_Padded(pieces.Defensive, 24, true).Put(' ');
    }
}

// The row of the snap into the buffer; its length. A buffer that holds the
// longest row the pieces can make is written without checking each piece.
int32_t Put_Log_Row(const LOG_ROW_PIECES& pieces, int bHTML, char* buffer, int size) {
    if (MOST_LOG_ROW_LENGTH < static_cast<size_t>(size)) {
        SIZED_TEXT row{buffer};
        Write_Log_Row(pieces, bHTML, row);
        row.End();
        return static_cast<int32_t>(row.At - buffer);
    }
    ROW_TEXT row(buffer, size);
    Write_Log_Row(pieces, bHTML, row);
    return row.Length();
}
} // namespace

void Compose_Play_Log_Row(const GAME_RECORD* pGame, int bHTML, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (pGame == nullptr) return;
    LOG_ROW_PIECES pieces;
    Read_Log_Row_Pieces(pGame, pieces);
    Put_Log_Row(pieces, bHTML, buffer, size);
}

void Append_Play_Log_Row(const GAME_RECORD* pGame, int bHTML) {
    char row[TEXT_BUFFER_SIZE];
    Compose_Play_Log_Row(pGame, bHTML, row, sizeof row);
    (bHTML ? Get_Play_By_Play_HTML() : Get_Plain_Play_Text()) += row;
}

void Append_Play_Log_Rows(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    char row[TEXT_BUFFER_SIZE];
    LOG_ROW_PIECES pieces;
    Read_Log_Row_Pieces(pGame, pieces);
    int32_t length = Put_Log_Row(pieces, 1, row, sizeof row);
    Get_Play_By_Play_HTML().append(row, static_cast<size_t>(length));
    if (!Is_Plain_Play_Text_Kept(pGame)) return;
    length = Put_Log_Row(pieces, 0, row, sizeof row);
    Get_Plain_Play_Text().append(row, static_cast<size_t>(length));
}

void Finish_Play_Log_Row(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    char sentence[TEXT_BUFFER_SIZE];
    Write_Play_Summary_Sentence(pGame, &pGame->Current_Play, sentence, sizeof sentence);
    const bool plain = Is_Plain_Play_Text_Kept(pGame);
    if (plain) {
        Get_Plain_Play_Text() += sentence;
        Get_Plain_Play_Text() += "\r\n";
    }
    std::string& html = Get_Play_By_Play_HTML();
    html += "<TD width=\"38%\" class=lmc>";
    Append_Escaped_HTML(html, sentence);
    html += "</TD></TR>\r";
    switch (Get_Play_Result(pGame->Current_Play.Play_Word)) {
    case 8:
    case 15:
    case 27:
    case 28:
    case 29:
    case 30: {
        std::string away = Score_Line_Name(pGame->Team[0]);
        std::string home = Score_Line_Name(pGame->Team[1]);
        if (plain)
            Append_Built_Format<"\n <><><><><><> %s %d / %s %d <><><><><><>\n">(
                Get_Plain_Play_Text(), away.c_str(), pGame->Score[0], home.c_str(), pGame->Score[1]);
        Append_Built_Format<
            "<TR class=subhead0><TD colspan=7 align=center class=lmc><b>%s %d / %s %d</b></TD></TR>\n">(
            html, Escape_HTML(away.c_str()).c_str(), pGame->Score[0], Escape_HTML(home.c_str()).c_str(),
            pGame->Score[1]);
        break;
    }
    default:
        break;
    }
}

void Set_Log_Entry_Possession(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    int32_t n = pGame->Play_Log_Count;
    if (n < 0 || n >= MAX_PLAY_LOG_ENTRIES) return;
    uint32_t bit = 1u << PLAY_WORD_SIDE_1_BALL_BIT;
    uint32_t& word = pGame->Play_Log[n].Play_Word;
    word = Get_Offense_Side(pGame) == 1 ? (word | bit) : (word & ~bit);
}

void Set_Log_Entry_Clock(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    int32_t n = pGame->Play_Log_Count;
    if (n < 0 || n >= MAX_PLAY_LOG_ENTRIES) return;
    pGame->Play_Log[n].Clock = static_cast<uint16_t>(pGame->Clock);
}

int Append_Play_To_Log(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    int32_t n = pGame->Play_Log_Count;
    if (n < 0 || n >= MAX_PLAY_LOG_ENTRIES) return 0;
    PLAY_LOG_ENTRY& entry = pGame->Play_Log[n];
    PLAY_LOG_ENTRY& current = pGame->Current_Play;
    uint32_t bit = 1u << PLAY_WORD_SIDE_1_BALL_BIT;
    current.Clock = entry.Clock;
    current.Play_Word = (current.Play_Word & ~bit) | (entry.Play_Word & bit);
    std::memcpy(&entry, &current, sizeof entry);
    pGame->Play_Log_Count = static_cast<int16_t>(n + 1);
    return 1;
}
