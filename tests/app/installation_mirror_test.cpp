// The installation's folders that tests mirror, and the check that a test
// wrote nothing into the installation: a game played in the installation
// while the tests run fills its own folders there, which the check leaves
// alone, while a file written anywhere else is still caught.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/installation_mirror.h"
#include "support/scratch_folder.h"

namespace {
namespace fs = std::filesystem;

// An installation of its own: KORVA_DATA_DIR names it while the object lives.
class SCRATCH_INSTALLATION {
  public:
    explicit SCRATCH_INSTALLATION(const fs::path& folder) : Folder(folder) {
        if (const char* data = std::getenv("KORVA_DATA_DIR")) Previous = data;
        setenv("KORVA_DATA_DIR", folder.c_str(), 1);
    }
    ~SCRATCH_INSTALLATION() {
        if (Previous.empty())
            unsetenv("KORVA_DATA_DIR");
        else
            setenv("KORVA_DATA_DIR", Previous.c_str(), 1);
    }
    void Write(const std::string& path) const {
        fs::create_directories((Folder / path).parent_path());
        std::ofstream(Folder / path) << "x";
    }

  private:
    fs::path Folder;
    std::string Previous;
};
} // namespace

TEST(InstallationMirror, AGamePlayedInTheInstallationMeanwhileIsNoTestsWriting) {
    const SCRATCH_FOLDER folder("installation-mirror");
    const SCRATCH_INSTALLATION installation(fs::current_path() / "data");
    installation.Write("logos/T00.png");
    installation.Write("logos/Downloads/T00-2020.png");
    fs::create_directories("test");
    fs::current_path("test");

    Mirror_Installation_Folders({"logos"});
    EXPECT_TRUE(fs::is_symlink("logos/T00.png"));
    EXPECT_FALSE(fs::exists("logos/Downloads")) << "what a game copied is not the installation's";
    EXPECT_EQ(List_Installation_Folder("logos"), std::vector<std::string>{"T00.png"});
    // A game played in the installation copies its logos and makes its card
    // kit while the test runs.
    installation.Write("logos/Downloads/T01-2021.png");
    installation.Write("logos/Output/kit.png");
    Remove_Installation_Mirrors();
    EXPECT_FALSE(fs::exists("logos"));

    // A file the test left in the installation's folder itself is its own.
    Mirror_Installation_Folders({"logos"});
    installation.Write("logos/T02.png");
    EXPECT_NONFATAL_FAILURE(Remove_Installation_Mirrors(),
                            "the test wrote into the installation's logos folder");
    fs::current_path("..");
}
