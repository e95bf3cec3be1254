#pragma once
// Names of saved games: the test every name the user types or the league
// holds must pass before it names a file, the default name of a league and
// the automatic save under the league's name.
#include <cstdint>
#include <string>

// The longest name a game is saved under, in bytes of its file's name (a
// letter beyond ASCII takes two or three there): its file, the name with
// ".kor", is written as the name with ".kor.tmp" first, and a file's name
// holds at most 255 bytes. (The league's saved-game name field holds 255.)
constexpr int32_t SAVED_GAME_NAME_LIMIT = 247;
// What the user is told of a name longer than that, of a saved game or a
// playbook (`kind`).
std::string Describe_Too_Long_Name(const char* kind);
// The size of the buffer a default name is written into.
constexpr int32_t DEFAULT_SAVE_NAME_SIZE = 2048;
// What the user is told when writing a saved game failed.
constexpr const char* SAVE_WRITE_ERROR_TEXT =
    "Football Korva was unable to write the saved game file, probably because of low hard drive space. You "
    "can use the 'Resume' dialog to erase old saved game files.";

// What the user is told when a save failed: `opening`, the game's own text
// for the failure ("Football Korva was unable to ..."). Empty when the save
// has told the user itself.
std::string Describe_Save_Failure(const char* opening);

enum SAVED_GAME_NAME_CHECK : int32_t {
    SAVED_GAME_NAME_OK,
    SAVED_GAME_NAME_EMPTY,
    // "/" or "\" in a typed or stored name
    SAVED_GAME_NAME_NOT_PLAIN,
    SAVED_GAME_NAME_CONTROL_CHARACTER,
    SAVED_GAME_NAME_TOO_LONG,
    // "/" or "\" in the name of a file found in the folder
    SAVED_GAME_NAME_SEPARATOR,
};
// Whether `name` (without ".kor") may name a saved game in the current
// folder: without a path separator or a control character (dots are its
// own), and short enough for its file and the temporary file it is written
// through.
int32_t Check_Saved_Game_Name(const char* name);
// Whether a saved game found in the current folder (`name` without ".kor")
// may be resumed or deleted: a name without a path separator or a control
// character, so that it names that file and no other; dots are its own.
int32_t Check_Listed_Game_Name(const char* name);
// What the user is told about a name that fails; an empty text for a good one.
const char* Describe_Saved_Game_Name_Check(int32_t check);

// The league's default name into `out` (`size` bytes, DEFAULT_SAVE_NAME_SIZE
// is enough): "%d teams - %d players (%d)" with more than one human team,
// else the user's team and its first and current years, "%s (%d)" or
// "%s (%d-%d)". The team's name loses its path separators and control
// characters.
void Get_Default_Save_Name(char* out, int32_t size);
// After the first season, a saved-game name that is the default of an
// earlier season becomes the current default.
void Update_Default_Save_Name();
// The league's saved-game name, or the default name when the stored one
// fails the test.
void Get_Usable_Saved_Game_Name(char* out, int32_t size);
// Saves under the league's name (the default when the stored one fails the
// test); a failure is told, nothing is returned.
void Auto_Save_Game();
