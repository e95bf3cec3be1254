#include "tools/web_pages.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "personnel/injuries.h"

namespace {
constexpr int32_t MOST_PAGE_LINES = 1000001;
// No saved player page comes near this; a link to an endless device or a
// runaway file stops here rather than filling the disk with its copy.
constexpr long MOST_PAGE_BYTES = 64L << 20;
constexpr int32_t SEASON_WEEKS = 24;
constexpr int32_t RESERVE_WEEKS = 8;
constexpr int32_t OUT_WEEKS = 3;
constexpr int32_t MOST_WEEK_NUMBER = 16;
const char* const NUMBER_WORDS[] = {"one",      "two",      "three",   "four",    "five",     "six",
                                    "seven",    "eight",    "nine",    "ten",     "eleven",   "twelve",
                                    "thirteen", "fourteen", "fifteen", "sixteen", "seventeen"};

std::unique_ptr<char[]> Page_Line() {
    return std::unique_ptr<char[]>(new char[PAGE_LINE_LIMIT]());
}

// Case-insensitive search.
const char* Find_Text(const char* text, const char* word) {
    const size_t length = strlen(word);
    if (length == 0) return nullptr;
    for (const char* at = text; *at != '\0'; ++at)
        if (strncasecmp(at, word, length) == 0) return at;
    return nullptr;
}

bool Is_Word_Character(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// The word stands alone in the text: no letter or digit touches it.
bool Holds_Word(const char* text, const char* word) {
    const size_t length = strlen(word);
    for (const char* at = Find_Text(text, word); at != nullptr; at = Find_Text(at + 1, word)) {
        const bool starts = at == text || !Is_Word_Character(at[-1]);
        if (starts && !Is_Word_Character(at[length])) return true;
    }
    return false;
}

void Trim_Blanks(char* text) {
    size_t start = 0;
    while (text[start] == ' ' || text[start] == '\t')
        ++start;
    size_t end = strlen(text);
    while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r'))
        --end;
    memmove(text, text + start, end - start);
    text[end - start] = '\0';
}

// The first opening tag of a cell ("<td" or "<th" followed by a blank or '>').
const char* Find_Cell_Start(const char* line) {
    for (const char* at = strchr(line, '<'); at != nullptr; at = strchr(at + 1, '<')) {
        if ((at[1] == 't' || at[1] == 'T') &&
            (at[2] == 'd' || at[2] == 'D' || at[2] == 'h' || at[2] == 'H') && (at[3] == '>' || at[3] == ' '))
            return at;
    }
    return nullptr;
}

const char* Find_Cell_End(const char* from) {
    const char* td = Find_Text(from, "</td>");
    const char* th = Find_Text(from, "</th>");
    if (td == nullptr) return th;
    if (th == nullptr) return td;
    return td < th ? td : th;
}

void Copy_Bounded(char* out, int32_t size, const char* from, size_t length) {
    if (out == nullptr || size <= 0) return;
    const size_t kept = length < static_cast<size_t>(size - 1) ? length : static_cast<size_t>(size - 1);
    memcpy(out, from, kept);
    out[kept] = '\0';
}

// The line after the one holding `marker`, tags stripped; false when none.
bool Find_Line_After(FILE* file, const char* file_name, const char* marker, char* line) {
    if (!Find_Page_Line(line, file_name, file, marker)) return false;
    line[0] = '\0';
    Read_Line_Limit(file_name, line, file, PAGE_LINE_LIMIT);
    Strip_HTML_Tags(line);
    return true;
}
} // namespace

int32_t Find_Page_Line(char* line, const char* file_name, FILE* file, const char* marker) {
    if (line == nullptr || file == nullptr || marker == nullptr) return 0;
    for (int32_t count = 0; count < MOST_PAGE_LINES; ++count) {
        line[0] = '\0';
        const int end = Read_Line_Limit(file_name, line, file, PAGE_LINE_LIMIT);
        if (strstr(line, marker) != nullptr) return 1;
        if (end) return 0;
    }
    return 0;
}

int32_t Get_Table_Cell(char* out, int32_t size, const char* line) {
    if (out != nullptr && size > 0) out[0] = '\0';
    if (line == nullptr) return 0;
    const char* start = Find_Cell_Start(line);
    if (start == nullptr) return 0;
    const char* inside = strchr(start, '>');
    const char* end = inside != nullptr ? Find_Cell_End(inside + 1) : nullptr;
    if (end == nullptr) {
        Report_System_Error("Couldn't find end of HTML table cell in the following line: %.200s", line);
        return 0;
    }
    Copy_Bounded(out, size, inside + 1, static_cast<size_t>(end - inside - 1));
    return static_cast<int32_t>(end - line) + 5;
}

bool Get_Stat_Cell(const char* line, const char* name, char* out, int32_t size) {
    if (out != nullptr && size > 0) out[0] = '\0';
    if (line == nullptr || name == nullptr || out == nullptr || size <= 0) return false;
    const std::string attribute = std::string("data-stat=\"") + name + "\"";
    const char* at = strstr(line, attribute.c_str());
    if (at == nullptr) return false;
    const char* inside = strchr(at, '>');
    if (inside == nullptr) return false;
    const char* end = Find_Cell_End(inside + 1);
    const size_t length = end != nullptr ? static_cast<size_t>(end - inside - 1) : strlen(inside + 1);
    std::string cell(inside + 1, length);
    std::unique_ptr<char[]> text(new char[cell.size() + 1]);
    memcpy(text.get(), cell.c_str(), cell.size() + 1);
    Strip_HTML_Tags(text.get());
    Trim_Blanks(text.get());
    safe_strncpy(out, text.get(), size);
    return true;
}

bool Get_Text_After(const char* line, const char* marker, char* out, int32_t size) {
    if (out != nullptr && size > 0) out[0] = '\0';
    if (line == nullptr || marker == nullptr || out == nullptr || size <= 0) return false;
    const char* at = strstr(line, marker);
    if (at == nullptr) return false;
    at += strlen(marker);
    const char* end = strchr(at, '"');
    Copy_Bounded(out, size, at, end != nullptr ? static_cast<size_t>(end - at) : strlen(at));
    return true;
}

int32_t Read_Page_Money(const char* text) {
    if (text == nullptr) return 0;
    std::string digits;
    bool started = false;
    bool negative = false;
    bool in_tag = false;
    for (const char* at = text; *at != '\0'; ++at) {
        if (*at == '<') in_tag = true;
        if (in_tag) {
            if (*at == '>') in_tag = false;
            continue;
        }
        if (*at == '$' || *at == ',') continue;
        if (std::isdigit(static_cast<unsigned char>(*at)) != 0) {
            started = true;
            if (digits.size() < 12) digits += *at;
        } else if (!started && *at == '-') {
            negative = true;
        } else if (started) {
            break;
        }
    }
    if (digits.empty()) return 0;
    const long long value = std::atoll(digits.c_str());
    if (value > LARGEST_PAGE_MONEY) return 0;
    return static_cast<int32_t>(negative ? -value : value);
}

void Make_Csv_Safe(char* text) {
    if (text == nullptr) return;
    for (char* at = text; *at != '\0'; ++at)
        if (*at == ',' || *at == '\n' || *at == '\r' || *at == '"') *at = ' ';
}

bool Parse_Injury_Status(const char* line, INJURY_STATUS* status) {
    if (line == nullptr || status == nullptr) return false;
    *status = INJURY_STATUS{};
    const bool reserve = strstr(line, ">I-R<") != nullptr;
    const bool out = reserve || strstr(line, ">Out<") != nullptr;
    if (out) {
        int32_t weeks = 0;
        if (Holds_Word(line, "entire")) weeks = SEASON_WEEKS;
        for (int32_t n = 0; weeks == 0 && n < static_cast<int32_t>(std::size(NUMBER_WORDS)); ++n)
            if (Holds_Word(line, NUMBER_WORDS[n])) weeks = n + 1;
        if (weeks == 0) {
            int32_t largest = 0;
            for (int32_t week = 1; week <= MOST_WEEK_NUMBER; ++week) {
                char text[16];
                snprintf(text, sizeof text, "Week %d", week);
                if (Holds_Word(line, text)) largest = week;
            }
            if (largest > 0) weeks = largest - 1 > 1 ? largest - 1 : 1;
        }
        if (weeks == 0) weeks = reserve ? RESERVE_WEEKS : OUT_WEEKS;
        status->Weeks = weeks;
    } else if (strstr(line, ">doubtful<") != nullptr) {
        status->Weeks = 1;
    } else {
        return false;
    }
    for (int32_t type = 0; type < NUMBER_OF_INJURY_TYPES; ++type) {
        const char* name = Injury_Table[type].Name;
        if (name != nullptr && name[0] != '\0' && Find_Text(line, name) != nullptr)
            safe_strncpy(status->Reason, name, sizeof status->Reason);
    }
    status->Reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(status->Reason[0])));
    return true;
}

int32_t Get_Player_Contract_Data(const char* file_name, int32_t* years, int32_t* average, const char* first,
                                 const char* last) {
    if (years != nullptr) *years = 0;
    if (average != nullptr) *average = 0;
    if (file_name == nullptr || years == nullptr || average == nullptr || first == nullptr || last == nullptr)
        return 0;
    FILE* file = Open_Resolved_File(file_name, "r");
    if (file == nullptr) {
        Report_System_Error("Get_Player_Contract_Data() can't find the following file:\n\n%s", file_name);
        return 0;
    }
    const std::string marker = std::string(">") + first + " " + last + "<";
    std::unique_ptr<char[]> line = Page_Line();
    const bool found = Find_Line_After(file, file_name, marker.c_str(), line.get());
    fclose(file);
    if (!found) return 0;
    Trim_Blanks(line.get());
    // The text ends "<years> yrs": the years are the digit five places from its end.
    const size_t length = strlen(line.get());
    const char digit = length >= 5 ? line[length - 5] : '\0';
    *years = std::isdigit(static_cast<unsigned char>(digit)) != 0 ? digit - '0' : 1;
    if (*years < 1) *years = 1;
    *average = Read_Page_Money(line.get()) / *years;
    return 1;
}

int32_t Get_Player_Salary_Cap_Data(const char* file_name, int32_t* bonus, int32_t* cap_hit, const char* first,
                                   const char* last) {
    if (bonus != nullptr) *bonus = 0;
    if (cap_hit != nullptr) *cap_hit = 0;
    if (file_name == nullptr || bonus == nullptr || cap_hit == nullptr || first == nullptr || last == nullptr)
        return 0;
    FILE* file = Open_Resolved_File(file_name, "r");
    if (file == nullptr) {
        Report_System_Error("Get_Player_Salary_Cap_Data() can't find the following file:\n\n%s", file_name);
        return 0;
    }
    const std::string marker = std::string(first) + " " + last;
    std::unique_ptr<char[]> line = Page_Line();
    bool found = Find_Line_After(file, file_name, marker.c_str(), line.get());
    if (found) {
        *bonus = Read_Page_Money(line.get());
        line[0] = '\0';
        Read_Line_Limit(file_name, line.get(), file, PAGE_LINE_LIMIT);
        *cap_hit = Read_Page_Money(line.get());
    }
    fclose(file);
    return found ? 1 : 0;
}

int32_t Write_Row_Per_Line_Copy(const char* page, const char* copy) {
    FILE* in = Open_Resolved_File(page, "rb");
    if (in == nullptr) return 0;
    FILE* out = Open_Resolved_File(copy, "wb");
    if (out == nullptr) {
        fclose(in);
        return 0;
    }
    // The last five characters seen, to tell "tbody>" and "</tr>" behind a blank.
    char recent[6] = {};
    long copied = 0;
    for (int c = fgetc(in); c != EOF; c = fgetc(in)) {
        if (++copied > MOST_PAGE_BYTES) {
            fclose(in);
            fclose(out);
            remove(Resolve_File_Path(copy).c_str());
            Report_System_Error("%s is larger than %ld bytes: not read", page, MOST_PAGE_BYTES);
            return 0;
        }
        const bool after_row = strcmp(recent, "body>") == 0 || strcmp(recent, "</tr>") == 0;
        fputc(c == ' ' && after_row ? '\n' : c, out);
        memmove(recent, recent + 1, 4);
        recent[4] = static_cast<char>(c);
        recent[5] = '\0';
    }
    fclose(in);
    return fclose(out) == 0 ? 1 : 0;
}
