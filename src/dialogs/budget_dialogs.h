#pragma once
// The Budget menu's dialogs: Tickets (135), Concessions (133) and Expenses
// (116). Each shows the viewed team's figures; the spins set the prices and
// staff budgets of the user's team (of any team in Commissioner Mode).
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t EXPENSES_DIALOG = 116;
constexpr int32_t CONCESSIONS_DIALOG = 133;
constexpr int32_t TICKETS_DIALOG = 135;

// Tickets.
constexpr int32_t TICKET_PRICE_EDIT = 1020;
constexpr int32_t TICKET_PRICE_SPIN = 1167;
constexpr int32_t TICKET_PAID_TEXT = 1152;
constexpr int32_t TICKET_ATTENDANCE_TEXT = 1156;
constexpr int32_t TICKET_SALES_TEXT = 1158;
constexpr int32_t TICKET_REVENUE_THIS_LABEL = 1176;
constexpr int32_t TICKET_REVENUE_LAST_LABEL = 1177;
constexpr int32_t TICKET_REVENUE_THIS_TEXT = 1172;
constexpr int32_t TICKET_REVENUE_LAST_TEXT = 1173;
constexpr int32_t ATTENDANCE_THIS_LABEL = 1099;
constexpr int32_t ATTENDANCE_LAST_LABEL = 1100;
constexpr int32_t ATTENDANCE_THIS_TOTAL_LABEL = 1101;
constexpr int32_t ATTENDANCE_LAST_TOTAL_LABEL = 1102;
constexpr int32_t ATTENDANCE_THIS_TEXT = 1174;
constexpr int32_t ATTENDANCE_LAST_TEXT = 1175;
constexpr int32_t ATTENDANCE_THIS_TOTAL_TEXT = 1178;
constexpr int32_t ATTENDANCE_LAST_TOTAL_TEXT = 1179;
constexpr int32_t CITY_POPULATION_TEXT = 1180;
constexpr int32_t REGION_POPULATION_TEXT = 1183;
constexpr int32_t INCOME_TEXT = 1181;
constexpr int32_t CAPACITY_TEXT = 1182;
// The command that opens the Other Team dialog from Tickets.
constexpr int32_t VIEW_OTHER_TEAM_BUTTON = 1045;

// Concessions: the three columns are beverages, food and souvenirs.
constexpr int32_t BEVERAGE_PRICE_EDIT = 1159;
constexpr int32_t FOOD_PRICE_EDIT = 1160;
constexpr int32_t SOUVENIR_PRICE_EDIT = 1161;
constexpr int32_t FOOD_PRICE_SPIN = 1162;
constexpr int32_t BEVERAGE_PRICE_SPIN = 1163;
constexpr int32_t SOUVENIR_PRICE_SPIN = 1164;
constexpr int32_t BEVERAGE_GAME_TEXT = 1147;
constexpr int32_t FOOD_GAME_TEXT = 1148;
constexpr int32_t SOUVENIR_GAME_TEXT = 1146;
constexpr int32_t TOTAL_GAME_TEXT = 1149;
constexpr int32_t BEVERAGE_THIS_TEXT = 1151;
constexpr int32_t FOOD_THIS_TEXT = 1150;
constexpr int32_t SOUVENIR_THIS_TEXT = 1152;
constexpr int32_t TOTAL_THIS_TEXT = 1153;
constexpr int32_t BEVERAGE_LAST_TEXT = 1155;
constexpr int32_t FOOD_LAST_TEXT = 1154;
constexpr int32_t SOUVENIR_LAST_TEXT = 1156;
constexpr int32_t TOTAL_LAST_TEXT = 1157;
constexpr int32_t PROFIT_THIS_GROUP = 1097;
constexpr int32_t PROFIT_LAST_GROUP = 1098;
constexpr int32_t BEVERAGE_PICTURE = 1358;
constexpr int32_t FOOD_PICTURE = 1359;
constexpr int32_t SOUVENIR_PICTURE = 1360;

// Expenses.
constexpr int32_t SCOUTING_BUDGET_EDIT = 1267;
constexpr int32_t MEDICAL_BUDGET_EDIT = 1142;
constexpr int32_t SALARIES_TEXT = 55253;
constexpr int32_t OPERATING_TEXT = 1183;
constexpr int32_t DIVIDENDS_TEXT = 1064;
constexpr int32_t REVENUE_THIS_TEXT = 1184;
constexpr int32_t EXPENSES_THIS_TEXT = 1185;
constexpr int32_t REVENUE_LAST_TEXT = 1186;
constexpr int32_t EXPENSES_LAST_TEXT = 1187;
constexpr int32_t CASH_TEXT = 1086;
constexpr int32_t SCOUTING_RANK = 1069;
constexpr int32_t MEDICAL_RANK = 1070;
constexpr int32_t SALARIES_RANK = 1065;
constexpr int32_t OPERATING_RANK = 1067;
constexpr int32_t DIVIDENDS_RANK = 1066;
constexpr int32_t REVENUE_THIS_RANK = 1151;
constexpr int32_t EXPENSES_THIS_RANK = 1152;
constexpr int32_t REVENUE_LAST_RANK = 1080;
constexpr int32_t EXPENSES_LAST_RANK = 1082;
constexpr int32_t CASH_RANK = 1154;
constexpr int32_t SCOUTING_BUDGET_SPIN = 1145;
constexpr int32_t MEDICAL_BUDGET_SPIN = 1146;
constexpr int32_t VIEW_MY_TEAM_BUTTON = 1097;

extern const DIALOG_TEMPLATE TICKETS_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE CONCESSIONS_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE EXPENSES_DIALOG_TEMPLATE;

// OK and Cancel end each with 1.
intptr_t Tickets_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
intptr_t Concessions_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
intptr_t Expenses_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

void Fill_Tickets_Dialog(WINDOW_HANDLE dialog);
void Fill_Concessions_Dialog(WINDOW_HANDLE dialog);
void Fill_Expenses_Dialog(WINDOW_HANDLE dialog);
// A price in cents as the edits show it: "12.50".
void Format_Cents(int32_t cents, char* buffer);
