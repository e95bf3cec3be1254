#pragma once
// The installation's art for tests that load a game: folders of the test's
// own whose files are links to the installation's, so the game reads the
// installation's files while whatever it writes there (the logos a loaded
// game copies into "Logos/Downloads") stays in the test's folder.
#include <initializer_list>
#include <string>
#include <vector>

// Makes each folder of `names` in the current folder mirror the installation's
// folder of that name (the same sub-folders, each file a link to the
// installation's file) and notes what the installation's folder holds. The
// sub-folders a game fills ("Downloads", "Output") are left out: what a game
// played in the installation left there is no part of it.
void Mirror_Installation_Folders(std::initializer_list<const char*> names);
// Removes the mirrors and checks that the installation's folders hold
// exactly what they held when mirrored, outside the sub-folders a game fills
// (a game played in the installation meanwhile writes there).
void Remove_Installation_Mirrors();
// Every path under the installation's folder `name`, relative to it, sorted,
// leaving out the sub-folders a game fills ("Downloads", "Output") and what
// they hold.
std::vector<std::string> List_Installation_Folder(const char* name);
