#pragma once
// The installation's folders for dialog tests that look at what they draw
// and open: the skins, helmets and help pages linked into the test's folder,
// the image caches and the skin-coloured dialog brushes made as start-up
// makes them.
void Link_Installation_Folders();
// Frees the caches and brushes and removes the links.
void Unlink_Installation_Folders();

#include <string>

// Moves one of the test folder's copied installation folders aside for a test
// that wants to run without it, and puts it back when the scope ends, so the
// tests after it (in any order) still find the installation's files.
class FOLDER_SET_ASIDE {
public:
    explicit FOLDER_SET_ASIDE(const char* folder);
    ~FOLDER_SET_ASIDE();
    FOLDER_SET_ASIDE(const FOLDER_SET_ASIDE&) = delete;
    FOLDER_SET_ASIDE& operator=(const FOLDER_SET_ASIDE&) = delete;

private:
    std::string Folder;
};
