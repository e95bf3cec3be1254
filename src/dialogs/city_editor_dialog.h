#pragma once
// The city editor (160, "Simulation Settings") and Rename City (161): the
// market statistics of the league's cities, adding and erasing cities, and
// their names. The city shown is Selected_City (setting 43). Longitude and
// latitude are typed as decimal degrees and kept in thousandths exactly.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t CITY_EDITOR_DIALOG = 160;
constexpr int32_t RENAME_CITY_DIALOG = 161;

constexpr int32_t CITY_SELECTOR = 1288;
// City statistics 0-7 in order: population, region population, new
// population a year, income, altitude, longitude, latitude, time zone.
constexpr int32_t CITY_STAT_EDITS[8] = {1289, 1290, 1291, 1292, 1293, 1294, 1295, 1252};
constexpr int32_t CITY_PICTURE_LIST = 1296;
constexpr int32_t EDIT_CITY_NAME_BUTTON = 4;
constexpr int32_t ERASE_CITY_BUTTON = 1319;
constexpr int32_t ADD_CITY_BUTTON = 3;
constexpr int32_t CITY_HELP_BUTTON = 9;
constexpr int32_t CITY_NAME_EDIT = 1286;
constexpr int32_t CITY_POPULATION_GROWTH = 2;
constexpr int32_t CITY_LONGITUDE = 5;
constexpr int32_t CITY_LATITUDE = 6;

extern const DIALOG_TEMPLATE CITY_EDITOR_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE RENAME_CITY_DIALOG_TEMPLATE;

// Both end with 1.
intptr_t Simulation_Settings_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                         intptr_t lparam);
intptr_t Rename_City_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

void Fill_City_Selector(WINDOW_HANDLE dialog);
void Fill_City_Fields(WINDOW_HANDLE dialog);
// The fields into the city shown; a text that is no number or lies outside
// its field (longitude -180 to 180, latitude -90 to 90) is refused with a
// message naming it and the value kept.
void Apply_City_Fields(WINDOW_HANDLE dialog);
void Select_City_Photo(WINDOW_HANDLE dialog);
void Set_City_Photo_From_List(WINDOW_HANDLE dialog);
void Invalidate_City_Picture_Area(WINDOW_HANDLE dialog);
// The city pictures of "Cities" (*.jpg) into the picture list; with none the
// user is told ("No art files") and an empty list disabled.
void Fill_City_Art_List(WINDOW_HANDLE dialog);
void Show_City_Name(WINDOW_HANDLE dialog);
// 1 when the name was stored; 0 for an empty name, which is refused.
int32_t Set_City_Name_From_Dialog(WINDOW_HANDLE dialog);
// The active franchise whose home the city is, -1 for none.
int32_t Find_City_Home_Team(int32_t city);
