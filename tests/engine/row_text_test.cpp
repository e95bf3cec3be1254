#include "engine/row_text.h"

#include <climits>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

// What the formatted printer writes into a buffer of this size: its text
// cut to size - 1 characters.
template <typename... ARGS> std::string Printed(int size, const char* format, ARGS... args) {
    char buffer[256];
    // A format without arguments is given an unused one, which the printer
    // ignores, so that it is still read as a format.
    if constexpr (sizeof...(ARGS) == 0)
        std::snprintf(buffer, sizeof buffer, format, 0);
    else
        std::snprintf(buffer, sizeof buffer, format, args...);
    return std::string(buffer).substr(0, static_cast<size_t>(size - 1));
}

template <typename... ARGS> std::string Put(int size, const char* format, ARGS... args) {
    char buffer[128];
    ROW_TEXT(buffer, size).Put_Format(format, args...);
    return buffer;
}

TEST(RowText, FormatWritesWhatThePrinterWrites) {
    EXPECT_EQ(Put(128, "%s %d-yard pass to %s", "Al Lee", 12, "Bo Ray"),
              Printed(128, "%s %d-yard pass to %s", "Al Lee", 12, "Bo Ray"));
    EXPECT_EQ(Put(128, "%s rushes %s for a %d-yard loss", "Al", "left", -3),
              Printed(128, "%s rushes %s for a %d-yard loss", "Al", "left", -3));
    EXPECT_EQ(Put(128, "%d%s and %d", 3, "rd", 10), Printed(128, "%d%s and %d", 3, "rd", 10));
    EXPECT_EQ(Put(128, "%d %d", INT_MIN, INT_MAX), Printed(128, "%d %d", INT_MIN, INT_MAX));
    EXPECT_EQ(Put(128, "100%% of %s", "it"), Printed(128, "100%% of %s", "it"));
    EXPECT_EQ(Put(128, "%s", ""), Printed(128, "%s", ""));
    EXPECT_EQ(Put(128, "no conversion"), Printed(128, "no conversion"));
}

TEST(RowText, FormatWidthsAndFlagsPadAsThePrinterPads) {
    EXPECT_EQ(Put(128, "[%5s|%-5s|%2s]", "ab", "cd", "long"),
              Printed(128, "[%5s|%-5s|%2s]", "ab", "cd", "long"));
    EXPECT_EQ(Put(128, "%d:%02d", 3, 7), Printed(128, "%d:%02d", 3, 7));
    EXPECT_EQ(Put(128, "[%4d|%-4d|%04d|%1d]", -7, -7, -7, 123),
              Printed(128, "[%4d|%-4d|%04d|%1d]", -7, -7, -7, 123));
    EXPECT_EQ(Put(128, "<TD width=\"6%%\">%s</TD>", "x"), Printed(128, "<TD width=\"6%%\">%s</TD>", "x"));
}

TEST(RowText, FormatIsCutAtTheBufferEndAsThePrinterCutsIt) {
    for (int size = 1; size <= 24; ++size) {
        EXPECT_EQ(Put(size, "%s kicks %d-yard FG", "Kicker Name", 47),
                  Printed(size, "%s kicks %d-yard FG", "Kicker Name", 47))
            << size;
        EXPECT_EQ(Put(size, "%d-yard punt returned %d yards", -12345, 6),
                  Printed(size, "%d-yard punt returned %d yards", -12345, 6))
            << size;
    }
}

template <BUILT_FORMAT F, typename... ARGS> std::string Put_Built(int size, ARGS... args) {
    char buffer[128];
    ROW_TEXT row(buffer, size);
    Put_Built_Format<F>(row, args...);
    return buffer;
}

// A format read when the program is built writes what the printer writes,
// cut where it cuts: conversions first, last, side by side or none, and "%%".
TEST(RowText, BuiltFormatWritesWhatThePrinterWrites) {
    for (int size = 1; size <= 40; ++size) {
        EXPECT_EQ(Put_Built<"%s %d-yard pass to %s">(size, "Al Lee", -12, "Bo Ray"),
                  Printed(size, "%s %d-yard pass to %s", "Al Lee", -12, "Bo Ray"))
            << size;
        EXPECT_EQ(Put_Built<"%d%s and %d">(size, 3, "rd", INT_MIN),
                  Printed(size, "%d%s and %d", 3, "rd", INT_MIN))
            << size;
        EXPECT_EQ(Put_Built<"Punt returned by %s for a TD!">(size, ""),
                  Printed(size, "Punt returned by %s for a TD!", ""))
            << size;
        EXPECT_EQ(Put_Built<"no conversion">(size), Printed(size, "no conversion")) << size;
        EXPECT_EQ(Put_Built<"<TD width=\"6%%\">%s</TD>">(size, "x"),
                  Printed(size, "<TD width=\"6%%\">%s</TD>", "x"))
            << size;
        EXPECT_EQ(Put_Built<"%d-for-%d (%d%%)">(size, 7, 12, 58),
                  Printed(size, "%d-for-%d (%d%%)", 7, 12, 58))
            << size;
    }
}

TEST(RowText, LiteralsAndPaddingAreCutAtTheBufferEndAsThePrinterCutsThem) {
    for (int size = 1; size <= 24; ++size) {
        char buffer[32];
        ROW_TEXT row(buffer, size);
        row.Put_Literal("ab").Put_Padded("cd", 8, true).Put_Padded("ef", 6, false).Put_Repeated('-', 3);
        EXPECT_EQ(std::string(buffer), Printed(size, "ab%-8s%6s---", "cd", "ef")) << size;
        EXPECT_EQ(row.Length(), static_cast<int32_t>(std::string(buffer).size())) << size;
    }
}

TEST(RowText, NumbersAndPaddingMatchTheirConversions) {
    char buffer[64];
    ROW_TEXT(buffer, sizeof buffer).Put_Number(7, 2, '0').Put(':').Put_Number(-5, 4).Put_Number(-5, 4, '0');
    EXPECT_EQ(std::string(buffer), Printed(64, "%02d:%4d%04d", 7, -5, -5));
    ROW_TEXT(buffer, sizeof buffer).Put_Padded("ab", 5, true).Put('|').Put_Padded("cd", 5, false);
    EXPECT_EQ(std::string(buffer), Printed(64, "%-5s|%5s", "ab", "cd"));
}

// One- and two-digit numbers take a short way: every width and fill of them,
// and the numbers on either side of it, still read as the printer writes them.
TEST(RowText, SmallNumbersMatchTheirConversionsAtEveryWidth) {
    for (int32_t value = -12; value <= 112; ++value) {
        for (int32_t width = 0; width <= 4; ++width) {
            char buffer[32];
            ROW_TEXT(buffer, sizeof buffer).Put_Number(value, width).Put('|').Put_Number(value, width, '0');
            char format[16];
            std::snprintf(format, sizeof format, "%%%dd|%%0%dd", width, width);
            EXPECT_EQ(std::string(buffer), Printed(32, format, value, value)) << value << " in " << width;
            SIZED_TEXT sized{buffer};
            Put_Padded_Number(sized, value, width, '0');
            sized.End();
            std::snprintf(format, sizeof format, "%%0%dd", width);
            EXPECT_EQ(std::string(buffer), Printed(32, format, value)) << value << " in " << width;
        }
    }
}

TEST(RowText, EscapedTextWritesTheFourEntities) {
    char buffer[64];
    ROW_TEXT(buffer, sizeof buffer).Put_Escaped("A&B <\"C\">");
    EXPECT_STREQ(buffer, "A&amp;B &lt;&quot;C&quot;&gt;");
}

} // namespace
