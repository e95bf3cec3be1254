#include "dialogs/dialog_chain.h"

#include <vector>

#include "app/modal_dialogs.h"
#include "platform/dialogs.h"
#include "platform/windows.h"

namespace {
// One running chain: the depth of the modal stack its first dialog had and
// the dialog its latest link asked for (0 when none is waiting).
struct DIALOG_CHAIN {
    size_t Depth;
    int32_t Next_Id;
};
std::vector<DIALOG_CHAIN> chains;
} // namespace

void Chain_To_Dialog(WINDOW_HANDLE dialog, WINDOW_HANDLE owner, int32_t next_id, intptr_t result) {
    End_Dialog(dialog, result);
    Show_Window(dialog, false);
    const size_t depth = Get_Open_Modal_Dialogs().size();
    // A dialog the running chain of its level opened hands the next one back to it.
    if (!chains.empty() && chains.back().Depth + 1 == depth) {
        chains.back().Next_Id = next_id;
        return;
    }
    chains.push_back({depth, next_id});
    intptr_t last = result;
    while (chains.back().Next_Id != 0) {
        const int32_t id = chains.back().Next_Id;
        chains.back().Next_Id = 0;
        last = Refresh_Bars_And_Do_Dialog(owner, id);
    }
    chains.pop_back();
    End_Dialog(dialog, last);
}
