#pragma once
// A frame over the computer-run league one of whose teams (0 unless the test
// names another) the user runs and the team dialogs show, with the
// installation's pictures linked: the tests of the front office's and the
// other team dialogs drive them over it.
#include <cstdint>

#include "support/frame_fixture.h"

class ComputerLeagueDialogTest : public FrameTest {
  protected:
    explicit ComputerLeagueDialogTest(int32_t user_team = 0) : User_Team_Number(user_team) {}
    void SetUp() override;
    void TearDown() override;
    // The test's own settings of the league, made before the frame starts.
    virtual void Prepare_League() {}

  private:
    int32_t User_Team_Number;
};
