#pragma once
// The main window over a played season, for the views' tests: the null
// backend on a screen whose view area is 1,024 x 676 under the status bar,
// the installation's skins and logos, and the played league loaded as a
// saved game (so the views paint it rather than the start-up picture).
#include <cstdint>
#include <string>

#include "platform/drawing_surface.h"
#include "support/frame_fixture.h"

constexpr int32_t VIEW_PICTURE_WIDTH = 1024;
constexpr int32_t VIEW_PICTURE_HEIGHT = 676;

class ViewFrameTest : public FrameTest {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Loads the played season of `games` games a team into the frame, the
// champion made the one human-run team, the user's and the viewed team.
void Open_Played_Season(int32_t games);
// Loads the league in memory into the frame as a saved game (the news
// ticker off), as a user resuming it would.
void Open_League_In_Frame();
// Paints view `view` afresh into the back buffer and returns its picture.
const DRAWING_SURFACE& Paint_View_Picture(int32_t view);
// Keeps the picture as "<name>.png" in the folder KORVA_PICTURE_DIR names (if any).
void Keep_View_Picture(const DRAWING_SURFACE& picture, const std::string& name);
// The drawn texts containing `text` since the last Clear_Drawn_Texts.
int32_t Count_Drawn_Texts(const std::string& text);
