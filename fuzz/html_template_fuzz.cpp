// An HTML template of any contents expanded over the test league, with page
// parameters from the input's second part (key and value bytes). The expansion
// ends (its rows are bounded), the page never grows far beyond its limit, and
// a text without a tag is copied as it is.
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "reports/template_engine.h"

namespace {
// The most one step of an expansion (one variable, one tag) adds to a page.
constexpr size_t LARGEST_STEP = 1u << 20;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Test_League();
    Reset_Fuzz_Messages();
    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    const std::string text(reinterpret_cast<const char*>(parts.First), parts.First_Size);
    TAG_PARAMETERS page{};
    int32_t count = 0;
    for (size_t n = 0; n + 1 < parts.Second_Size && count < TAG_PARAMETER_SLOTS; n += 2, ++count) {
        page.Keys[count] = parts.Second[n] % 14;
        page.Values[count] = static_cast<int8_t>(parts.Second[n + 1]);
    }
    std::string out;
    Expand_Template_Text(text, page, count, &out);
    Fuzz_Check(out.size() <= TEMPLATE_PAGE_LIMIT + LARGEST_STEP, "the page grew past its limit");
    if (std::memchr(text.data(), '<', text.size()) == nullptr && text.find('\0') == std::string::npos)
        Fuzz_Check(out == text, "a text without tags was changed");
    return 0;
}
