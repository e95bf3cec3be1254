#pragma once
// The dispatcher's table: each dialog's id, caption, template and procedure.
#include <cstdint>

#include "platform/dialogs.h"

struct DIALOG_TABLE_ROW {
    int32_t Id;
    const char* Caption;
    DIALOG_PROCEDURE Procedure;      // nullptr: the screen is not offered yet
    const DIALOG_TEMPLATE* Template; // nullptr: the substitute's, or the plain notice
    int32_t Template_Id;             // the substitute template's id, 0 for none
    bool Has_Parameter;              // the row's parameter replaces the caller's
    intptr_t Parameter;
    intptr_t Closed_Result; // the result when the dialog is closed without a choice
};

const DIALOG_TABLE_ROW* Find_Dialog_Row(int32_t dialog_id);
int32_t Count_Dialog_Rows();
const DIALOG_TABLE_ROW* Get_Dialog_Row(int32_t row);
const DIALOG_TEMPLATE* Get_Row_Template(const DIALOG_TABLE_ROW& row);
DIALOG_PROCEDURE Get_Row_Procedure(const DIALOG_TABLE_ROW& row);
