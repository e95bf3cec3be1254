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
