#pragma once
// The Stadium Editor (146): the viewed team's stadium name, structure,
// surface, capacity and the three seating grades. OK and Cancel both store;
// switching teams stores the team shown first only in Commissioner Mode.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t STADIUM_EDITOR_DIALOG = 146;
constexpr int32_t STADIUM_NAME_EDIT = 1021;
constexpr int32_t STADIUM_CAPACITY_EDIT = 1248;
constexpr int32_t STADIUM_STRUCTURE_COMBO = 1250;
constexpr int32_t STADIUM_SURFACE_COMBO = 1247;
constexpr int32_t STADIUM_GRADE_COMBOS[3] = {1309, 1310, 1311}; // convenience, comfort, sight lines
// A list of stadium pictures, which an editor may have (dialog 146 has none).
constexpr int32_t STADIUM_PICTURE_LIST = 1296;
// The largest crowd a stadium may be given: no stadium holds more.
constexpr int32_t MOST_STADIUM_SEATS = 200000;

extern const DIALOG_TEMPLATE STADIUM_EDITOR_DIALOG_TEMPLATE;

// Ends with 1.
intptr_t Stadium_Editor_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

void Fill_Stadium_Combos(WINDOW_HANDLE dialog);
void Fill_Stadium_Fields(WINDOW_HANDLE dialog);
// Name, picture (from the picture list, when the dialog has one), surface,
// structure, capacity and the grades into the viewed team's stadium, each
// grade as (choice + 8) x 100; a capacity that is no number or lies outside
// 0-200,000 is refused with a message and kept.
void Apply_Stadium_Fields(WINDOW_HANDLE dialog);
// The stadium pictures of "dialogs/stadiums" (*.jpg) into the picture list;
// with none the user is told ("No art files") and an empty list disabled.
void Fill_Stadium_Art_List(WINDOW_HANDLE dialog);
void Invalidate_Stadium_Picture_Area(WINDOW_HANDLE dialog);
// A seating grade (800-1200) as its choice 0-4 ("Poor" to "Excellent"), and back.
int32_t Get_Seating_Grade_Index(int32_t grade);
int32_t Get_Seating_Grade_Value(int32_t index);
