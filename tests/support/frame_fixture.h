#pragma once
// A clean frame for each test: no windows, menus or queued messages, the null
// backend on a virtual clock with a 1024 x 696 screen (exactly the main
// window's minimum), and the registry file in the test's folder.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

constexpr int32_t TEST_SCREEN_WIDTH = 1024;
constexpr int32_t TEST_SCREEN_HEIGHT = 696;

void Reset_Frame_State();

class FrameTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// The frame over the test league, started as far as the message loop's
// entry, with no dialog steps left over before or after the test.
class LeagueFrameTest : public FrameTest {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Start-up as far as the message loop's entry: flags, log, the owner Hall
// of Fame file, main window.
void Start_Frame_Without_Loop();
// The main window, shown maximized, made to fill the work area as a
// desktop's window manager makes a maximized window do.
void Fill_Screen_With_Main_Window();
// A league of the test teams whose week 0 holds `games` games (team 2k at
// home to 2k + 1), ready to be advanced; the rules the engine reads are set.
void Prepare_League_With_Week_Games(int32_t games);
// Whether any text drawn since the last Clear_Drawn_Texts contains `text`.
bool Was_Text_Drawn(const std::string& text);
// The rows of the main window's view area (the back buffer's height) that do
// not show the view as it is painted now: a window left showing a view
// painted at another size, under bars that came or went.
int32_t Count_Stale_View_Rows();
