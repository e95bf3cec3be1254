// The buffered page writer: text held until flushed, a formatted text that
// does not fit sent after the buffer's content, texts larger than the buffer
// refused; and links to players' pages in both name orders.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "database/player_record.h"
#include "reports/html_text_writer.h"
#include "support/file_lines.h"
#include "support/test_league.h"

namespace fs = std::filesystem;

namespace {
class HtmlTextWriter : public testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all("writer");
        fs::create_directory("writer");
    }
    void TearDown() override {
        if (writer_.File != nullptr) Close_HTML_Text_Writer(&writer_);
        fs::remove_all("writer");
    }
    HTML_TEXT_WRITER writer_;
};
} // namespace

TEST_F(HtmlTextWriter, TextIsHeldUntilFlushedAndTooLargeATextIsRefused) {
    EXPECT_FALSE(Open_HTML_Text_Writer(&writer_, "writer/no-folder/page.htm"));
    EXPECT_EQ(writer_.File, nullptr);
    EXPECT_FALSE(Append_HTML_Text(&writer_, "x")) << "a closed writer takes nothing";

    ASSERT_TRUE(Open_HTML_Text_Writer(&writer_, "writer/page.htm"));
    EXPECT_TRUE(Append_HTML_Text(&writer_, "<p>"));
    EXPECT_TRUE(Append_HTML_Formatted_Text(&writer_, "%d of %s", 3, "four"));
    EXPECT_TRUE(Append_HTML_Text_Line(&writer_, "</p>"));
    EXPECT_EQ(Read_File_Text("writer/page.htm"), "") << "nothing is written before a flush";
    EXPECT_STREQ(writer_.Buffer, "<p>3 of four</p>\n");
    EXPECT_TRUE(Replace_HTML_Text(&writer_, "<h1>"));
    EXPECT_STREQ(writer_.Buffer, "<h1>") << "the buffer holds the new text only";
    EXPECT_TRUE(Flush_HTML_Text_Writer(&writer_));
    EXPECT_EQ(writer_.Used, 0u);
    EXPECT_EQ(writer_.Buffer[0], '\0');

    // A text as long as the whole buffer is refused, and nothing of it written.
    const std::string huge(HTML_TEXT_WRITER_BUFFER_SIZE, 'h');
    EXPECT_TRUE(Append_HTML_Text(&writer_, "kept"));
    EXPECT_FALSE(Append_HTML_Text(&writer_, huge.c_str()));
    EXPECT_FALSE(Append_HTML_Text_Line(&writer_, huge.substr(1).c_str())) << "with its line break";
    EXPECT_FALSE(Replace_HTML_Text(&writer_, huge.c_str()));
    EXPECT_FALSE(Append_HTML_Formatted_Text(&writer_, "%s", huge.c_str()));
    EXPECT_STREQ(writer_.Buffer, "") << "a refused format flushed what came before";

    // Texts that do not fit the free part go after the buffer's content.
    const std::string block(HTML_TEXT_WRITER_BUFFER_SIZE - 10, 'b');
    EXPECT_TRUE(Append_HTML_Text(&writer_, block.c_str()));
    EXPECT_TRUE(Append_HTML_Formatted_Text(&writer_, "[%s]", "twelve chars"));
    EXPECT_TRUE(Append_HTML_Text(&writer_, block.c_str()));
    EXPECT_TRUE(Append_HTML_Text(&writer_, "end"));
    EXPECT_TRUE(Close_HTML_Text_Writer(&writer_));
    EXPECT_EQ(writer_.Buffer, nullptr);
    EXPECT_EQ(Read_File_Text("writer/page.htm"), "<h1>kept" + block + "[twelve chars]" + block + "end");
}

TEST_F(HtmlTextWriter, PlayerLinksInBothOrders) {
    Build_Test_League();
    Set_Player_First_Name(2, 0, "Marquavionn");
    Set_Player_Last_Name(2, 0, "Smith & Sons");
    Set_Player_First_Name(2, 1, "Al");
    Set_Player_Last_Name(2, 1, "Green");
    const int32_t first = Get_Player_ID(2, 0), second = Get_Player_ID(2, 1);
    ASSERT_TRUE(Open_HTML_Text_Writer(&writer_, "writer/links.htm"));
    EXPECT_TRUE(Append_Player_Link(&writer_, 2, 0, PLAYER_LINK_FIRST_LAST));
    EXPECT_TRUE(Append_Player_Link(&writer_, 2, 1, PLAYER_LINK_LAST_FIRST));
    EXPECT_TRUE(Append_Player_Link(&writer_, 2, 1, 3));
    EXPECT_TRUE(Append_Player_Link(&writer_, 2, 99, PLAYER_LINK_FIRST_LAST));
    EXPECT_TRUE(Append_Player_Link(&writer_, 50, 0, PLAYER_LINK_FIRST_LAST));
    EXPECT_EQ(
        std::string(writer_.Buffer),
        "<a href=\"ID/" + std::to_string(first) + ".html\">Marquavionne Smith &amp; Sons</a>" +
            "<a href=\"ID/" + std::to_string(second) + ".html\">Green, Al</a>" +
            "<a href=\"\">UNKNOWN-FORMAT</a><a href=\"\">INVALID-PLAYER</a><a href=\"\">INVALID-PLAYER</a>");
}
