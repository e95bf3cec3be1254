#pragma once
// The frame over the test league for the player list dialogs and the
// Scouting Report: the installation's skins and position pictures in the
// test's folder, the image caches on, every position shown in the lists and
// no dialog steps left over.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/bitmap_cache.h"
#include "app/drawing_services.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installation_mirror.h"
#include "support/test_league.h"

class PlayerDialogsTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Clear_Dialog_Steps();
        Start_Frame_Without_Loop();
        std::error_code error;
        std::filesystem::remove("skins", error);
        std::filesystem::create_symlink(std::string(KORVA_DATA_DIR) + "/skins", "skins");
        // The position pictures, without the photos a game copied.
        Mirror_Installation_Folders({"photos"});
        Set_Skin_Name("earth");
        Init_Image_Caches();
        // Every position (the last choice of the lists' position box).
        Set_User_Preference(87, 15);
        Clear_Drawn_Texts();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        FrameTest::TearDown();
        std::error_code error;
        std::filesystem::remove("skins", error);
        Remove_Installation_Mirrors();
    }
};
