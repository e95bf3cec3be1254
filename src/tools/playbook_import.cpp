#include "tools/playbook_import.h"

#include "app/diagnostics.h"
#include "platform/message_box.h"

// No season playbook files are installed: the teams keep their playbooks.
PLAYBOOK_IMPORT_COUNTS Import_Playbooks(int32_t interactive) {
    Log_Debug_Line("Import_Playbooks(%d): no season playbook files are installed", interactive);
    const PLAYBOOK_IMPORT_COUNTS counts{0, 0};
    if (interactive != 0)
        Show_Formatted_Message("Import Playbooks",
                               "%d Offensive Playbooks loaded.\n\n%d Defensive Playbooks loaded.",
                               counts.Offensive, counts.Defensive);
    return counts;
}
