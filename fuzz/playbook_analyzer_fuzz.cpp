// A playbook file as the Load Playbook dialog reads it: the first input byte
// picks the side and the play drawn, the rest is the file. A file that loads
// is analyzed (its formation counts stay inside the table and the averages
// are over every play), every play's diagram is laid out (routes, blocks,
// zones, squiggles and dots), one of them is drawn, and the editor's repairs
// leave every assignment one the play's positions may take.
#include <cstring>

#include "app/vector_paths.h"
#include "database/universe.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "fuzz_support.h"
#include "platform/drawing_surface.h"
#include "playbooks/play_diagrams.h"
#include "playbooks/playbook_editor.h"
#include "playbooks/playbook_file_dialogs.h"
#include "playbooks/playbook_files.h"

namespace {
constexpr int TEAM = 36;

void Lay_Out_Every_Diagram(bool defense) {
    const int plays = defense ? DEFENSIVE_PLAYS : STORED_OFFENSIVE_PLAYS;
    for (int play = 0; play < plays; ++play) {
        PLAY_DIAGRAM diagram;
        Seed_Drawing_Random(&diagram.Random, Get_Play_Diagram_Seed(play, defense ? 1 : 0));
        Set_Diagram_Window(&diagram, defense ? DIAGRAM_DEFENSE : DIAGRAM_OFFENSE, TEAM, play);
        if (defense) {
            Draw_Defensive_Routes(&diagram, TEAM, play);
            Draw_Zone_Circles(&diagram, TEAM, play);
            Draw_Defensive_Players(&diagram, TEAM, play);
        } else {
            Draw_Offensive_Routes(&diagram, TEAM, play, false);
            Draw_Offensive_Players(&diagram, Get_Offensive_Play_Formation(TEAM, play));
        }
        Free_Path_Collection(&diagram.Paths);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Empty_League();
    if (size < 1) return 0;
    Reset_Fuzz_Messages();
    const bool defense = (data[0] & 1) != 0;
    const int side = defense ? 1 : 0;
    Write_Fuzz_File(defense ? "playbooks/fuzz.dpb" : "playbooks/fuzz.opb", data + 1, size - 1);
    if (!Load_Playbook_File(DEFAULT_PLAYBOOK_TEAM, side, "fuzz")) return 0;
    PLAYBOOK_ANALYSIS analysis;
    Analyze_Scratch_Playbook(side, &analysis);
    Fuzz_Check(std::strncmp(analysis.Plays, "PLAYS\n", 6) == 0, "the analyzer lost its heading");

    if (!Load_Playbook_File(TEAM, side, "fuzz")) return 0;
    Lay_Out_Every_Diagram(defense);
    static DRAWING_SURFACE surface;
    if (surface.Width == 0) Resize_Drawing_Surface(&surface, 96, 64);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &surface);
    const int play = (data[0] >> 1) % (defense ? DEFENSIVE_PLAYS : STORED_OFFENSIVE_PLAYS);
    Draw_Play_Diagram(&dc, {0, 0, 96, 64}, TEAM, play, NO_DIAGRAM_CAPTION, side, false, false);

    Repair_Play_Assignments(TEAM, side, play, data[0] & 0x80 ? 1 : -1);
    if (!defense) {
        const OFFENSIVE_PLAY& repaired = Universe.Teams[TEAM].Playbooks.Offense.Plays[play];
        for (int receiver = 0; receiver < PLAY_RECEIVERS; ++receiver) {
            const int position = Formation_Slot_Table[repaired.Formation][receiver + 1].Position;
            const int route = repaired.Routes[receiver];
            // The ball carrier keeps his run; every other receiver runs a route his position may run.
            if (route == 45 || route == 54) continue;
            Fuzz_Check(route >= 0 && route <= 42 &&
                           Is_Route_Kind_Allowed(position, Pass_Route_Table[route].Kind),
                       "a repaired route the receiver may not run");
        }
    }
    return 0;
}
