#pragma once
// A folder in which seasons are built from the installation's statistics
// files, as the build builds them: the installation's inputs linked in (the
// statistics files one by one, in folders of its own, so that a test can put
// a changed copy in the place of one), and a databases folder of its own
// holding links to the start-up league and the installed draft classes, into
// which the built seasons are written.
#include <string>

// Makes the folder `name` under the current folder and enters it; returns
// the folder left, for Leave_Season_Build_Folder.
std::string Enter_Season_Build_Folder(const std::string& name);
void Leave_Season_Build_Folder(const std::string& previous);
// The installation folder (KORVA_DATA_DIR).
std::string Get_Installation_Folder();
// Replaces the link of an installed statistics file (a path under the
// installation, e.g. "Input/Stats/1951_teams.csv") by a copy of it with
// `text` put in place of its line `line_number` (1 = the header), or added
// at its end when the number is 0. False when the file cannot be copied, or
// when its folder is a link into the installation (which is never written).
bool Put_Changed_Input_File(const std::string& path, int line_number, const std::string& text);
// The whole text of a file; empty when it cannot be read.
std::string Read_Whole_File(const std::string& path);
