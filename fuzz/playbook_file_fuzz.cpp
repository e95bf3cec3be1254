// Playbook files ("playbooks/<name>.opb" and ".dpb"): the first input byte
// picks the side, the rest is the file. A file that is refused leaves the
// team's playbook as it was; a loaded one is read through every play query
// the engine uses, which must stay inside their tables.
#include <cstring>

#include "database/universe.h"
#include "engine/playbook_records.h"
#include "fuzz_support.h"
#include "playbooks/playbook_files.h"
#include "playbooks/playbook_queries.h"

namespace {

void Read_Every_Play(int team, bool defense) {
    char text[256];
    if (defense) {
        for (int play = 0; play < DEFENSIVE_PLAYS; ++play) {
            Get_Defensive_Play_Name(team, play, text, sizeof text);
            Get_Defensive_Play_Description(team, play, text, sizeof text);
            Get_Defensive_Play_Formation(team, play);
            Is_Defensive_Play_Defined(team, play);
            Count_Defenders_With_Role_8(team, play);
            Has_Defender_With_Role_18(team, play);
            Has_Five_Defenders_Below_Role_4(team, play);
            for (int defender = 0; defender < PLAY_DEFENDERS; ++defender) {
                Get_Defensive_Responsibility_Name(Get_Defensive_Play_Role(team, play, defender));
                float lateral = 0, depth = 0;
                Get_Zone_Defender_Spot(team, play, defender, &lateral, &depth);
            }
        }
        return;
    }
    for (int play = 0; play < STORED_OFFENSIVE_PLAYS; ++play) {
        Get_Offensive_Play_Name(team, play, text, sizeof text);
        Get_Offensive_Play_Description(team, play, text, sizeof text);
        Get_Play_Type_Name(Get_Offensive_Play_Type(team, play));
        Get_Offensive_Play_Formation(team, play);
        Get_Offensive_Play_Depth(team, play);
        Get_Offensive_Play_Primary_Receiver(team, play);
        Get_Offensive_Play_Category(team, play);
        Is_Running_Play(team, play);
        Is_Rollout_Or_Bootleg_Play(team, play);
        Is_Trick_Pass_Play(team, play);
        Is_Read_Or_Option_Play(team, play);
        for (int receiver = 0; receiver < PLAY_RECEIVERS; ++receiver) {
            const int32_t route = Get_Offensive_Play_Route(team, play, receiver);
            Get_Pass_Route_Name(route);
            Get_Pass_Route_Catch_Depth(route);
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Enter_Fuzz_Folder_With_Empty_League();
    if (size < 1) return 0;
    Reset_Fuzz_Messages();
    const bool defense = (data[0] & 1) != 0;
    // Now and then a team number that names no team: the scratch block takes it.
    const int team = (data[0] & 2) != 0 ? 255 : FREE_AGENT_TEAM;
    Write_Fuzz_File(defense ? "playbooks/fuzz.dpb" : "playbooks/fuzz.opb", data + 1, size - 1);

    Set_Default_Playbooks(FREE_AGENT_TEAM);
    static TEAM_PLAYBOOK_BLOCK before;
    memcpy(&before, &Universe.Teams[FREE_AGENT_TEAM].Playbooks, sizeof before);
    if (!Load_Playbook_File(team, defense ? 1 : 0, "fuzz")) {
        Fuzz_Check(memcmp(&before, &Universe.Teams[FREE_AGENT_TEAM].Playbooks, sizeof before) == 0,
                   "a refused playbook file changed the team's playbook");
        return 0;
    }
    if (team == FREE_AGENT_TEAM) Read_Every_Play(team, defense);
    return 0;
}
