#pragma once
// A fresh empty folder under the current one, entered for the life of the
// object: files a test writes by relative name land there, and the folder
// is left and removed at the end.
#include <filesystem>
#include <string>

class SCRATCH_FOLDER {
  public:
    explicit SCRATCH_FOLDER(const std::string& name);
    ~SCRATCH_FOLDER();
    SCRATCH_FOLDER(const SCRATCH_FOLDER&) = delete;
    SCRATCH_FOLDER& operator=(const SCRATCH_FOLDER&) = delete;
    // Writes `text` to the file `path` under the folder, making its folders.
    void Write(const std::string& path, const std::string& text) const;

  private:
    std::filesystem::path Previous;
    std::filesystem::path Folder;
};

// A fresh folder for a test that plays a season into its off-season, where
// the game is saved under its name in the current folder. Everything the
// folder it is entered from holds (the installation inputs copied for the
// test, links a fixture made) is seen through links, but for the saved games
// and the log; what the test writes stays in the new folder, which is left
// and removed at the end.
class PLAYING_FOLDER {
  public:
    explicit PLAYING_FOLDER(const std::string& name);
    ~PLAYING_FOLDER();
    PLAYING_FOLDER(const PLAYING_FOLDER&) = delete;
    PLAYING_FOLDER& operator=(const PLAYING_FOLDER&) = delete;

  private:
    std::filesystem::path Previous;
    std::filesystem::path Folder;
};
