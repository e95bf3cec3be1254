#pragma once
// The small dialogs of the menus: Database Notes (164), Play Multiple
// Seasons (179), Injury Contingency (158), Other Team (131), and the team
// the screens show.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t OTHER_TEAM_DIALOG = 131;
constexpr int32_t INJURY_CONTINGENCY_DIALOG = 158;
constexpr int32_t DATABASE_NOTES_DIALOG = 164;

constexpr int32_t DATABASE_NOTES_EDIT = 1331;
// The notes box holds this many characters; the league keeps one less.
constexpr int32_t DATABASE_NOTES_LIMIT = 500;
constexpr int32_t SEASONS_YEAR_TEXT = 1020;
constexpr int32_t SEASONS_THROUGH_EDIT = 1078;
constexpr int32_t SEASONS_SPIN = 1138;
constexpr int32_t INJURY_WEEKS_EDIT = 1021;
constexpr int32_t INJURY_STOP_BOX = 1022;
// Settings: the seasons to play, the injury stop in weeks (negative: off).
constexpr int32_t SEASONS_TO_PLAY = 41;
constexpr int32_t INJURY_STOP_WEEKS = 55;
constexpr int32_t MOST_SEASONS_TO_PLAY = 100;

extern const DIALOG_TEMPLATE DATABASE_NOTES_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE PLAY_MULTIPLE_SEASONS_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE INJURY_CONTINGENCY_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE OTHER_TEAM_DIALOG_TEMPLATE;

// "&Done" stores the notes (at most 499 characters); Cancel stores nothing.
intptr_t Database_Notes_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Ends with the number of seasons (1-100) once the user agrees, -1 on Cancel.
intptr_t Play_Multiple_Seasons_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                           intptr_t lparam);
// Ends with 1 after storing the injury stop, 0 on Cancel.
intptr_t Injury_Contingency_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                        intptr_t lparam);
// The team chosen becomes the viewed one; Cancel changes nothing.
intptr_t Other_Team_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// The screens show `team`; a human-run franchise so viewed (outside a
// multi-season simulation) also becomes the user's team.
void Set_Viewed_Team(int32_t team);
// The viewed team, made usable first.
int32_t Get_Viewed_Team();
