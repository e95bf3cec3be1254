#include "tools/position_abbreviations.h"

#include <cstring>
#include <string>
#include <strings.h>

namespace {
// The one abbreviation of each code that the rosters use most; the other
// spellings the statistics files know are not read yet.
const char* const CODE_ABBREVIATIONS[] = {
    "QB",  "RB",  "FB",  "TE",  "WR",   "T",    "G",    "C",    "DE",  "DT",  "LB", "CB",  "S",   "K",  "P",
    "WR1", "WR2", "SWR", "RS",  "ST",   "OE",   "LT",   "LG",   "RG",  "RT",  "LS", "LDE", "LDT", "NT", "RDT",
    "RDE", "MLB", "ILB", "OLB", "LILB", "RILB", "LOLB", "ROLB", "LCB", "RCB", "NB", "SS",  "FS"};
constexpr int32_t MOST_PARTS = 5;

int32_t Find_Code(const char* text) {
    for (int32_t code = 0; code < static_cast<int32_t>(std::size(CODE_ABBREVIATIONS)); ++code)
        if (strcasecmp(CODE_ABBREVIATIONS[code], text) == 0) return code;
    return -1;
}
} // namespace

int32_t Parse_Position_Abbreviation(const char* text) {
    if (text == nullptr) return -1;
    const int32_t whole = Find_Code(text);
    if (whole >= 0) return whole;
    std::string copy = text;
    for (char& c : copy)
        if (c == '/' || c == '-') c = ',';
    size_t start = 0;
    for (int32_t part = 0; part < MOST_PARTS && start <= copy.size(); ++part) {
        const size_t end = copy.find(',', start);
        const std::string piece =
            copy.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const int32_t code = Find_Code(piece.c_str());
        if (code >= 0) return code;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return -1;
}
