#include "dialogs/playbook_offers.h"

// The playbook editor is not part of the program yet, so there is no default
// playbook to offer; the team keeps the plays it has.
void Offer_Matching_Defensive_Playbook(int32_t) {}
