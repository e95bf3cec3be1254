#pragma once
// What every fuzz target shares: a private scratch folder as the current
// folder (the game's files are read from there), a way to put the input into
// a file, and a check that stops the run with a message when an invariant of
// the reader breaks.
#include <cstddef>
#include <cstdint>
#include <string>

// Makes a fresh temporary folder the current folder, once per process.
void Enter_Fuzz_Folder();

// The same, and a cleared league in the block the first time.
void Enter_Fuzz_Folder_With_Empty_League();

// The same, and the 32-team test league in the block the first time.
void Enter_Fuzz_Folder_With_Test_League();

// The input up to its first NUL byte and the rest behind it (empty when the
// input holds no NUL), so one input can stand for two files.
struct FUZZ_PARTS {
    const uint8_t* First;
    size_t First_Size;
    const uint8_t* Second;
    size_t Second_Size;
};
FUZZ_PARTS Split_Fuzz_Input(const uint8_t* data, size_t size);

// Writes `size` bytes to `name` in the current folder (creating its folder).
void Write_Fuzz_File(const std::string& name, const uint8_t* data, size_t size);

// Forgets the message boxes shown and their scripted answers, and now and then
// empties the diagnostics log, so a long run does not grow without end.
void Reset_Fuzz_Messages();

// Caption of the last message box shown, or empty.
std::string Last_Message_Caption();

// Aborts with `what` when `condition` is false; the fuzzer saves the input.
void Fuzz_Check(bool condition, const char* what);

// A schedule file of the league in the block: a header, then for each of
// `weeks` weeks every team of `first_team` .. `first_team` + `teams` - 1
// once (a round robin), as "Week,Away_Team,Home_Team,Day,Date".
std::string Make_Round_Robin_Schedule(int32_t weeks, int32_t first_team, int32_t teams);
