#pragma once
// Offers made to the user after a team's playbook no longer suits its systems.
#include <cstdint>

// After a defensive-system change: offers the default playbook of the new
// system when few of the team's defensive plays use it.
void Offer_Matching_Defensive_Playbook(int32_t team);
