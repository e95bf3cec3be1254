#include "support/trade_offers.h"

TRADE_OFFER Make_Trade_Offer(int32_t team_a, int32_t team_b, const std::vector<int32_t>& side_a,
                             const std::vector<int32_t>& side_b, int32_t cash) {
    TRADE_OFFER offer;
    Init_Trade_Offer(&offer);
    offer.Team[0] = static_cast<uint8_t>(team_a);
    offer.Team[1] = static_cast<uint8_t>(team_b);
    for (size_t n = 0; n < side_a.size() && n < TRADE_ITEMS_PER_SIDE; ++n)
        offer.Items[0][n] = static_cast<uint8_t>(side_a[n]);
    for (size_t n = 0; n < side_b.size() && n < TRADE_ITEMS_PER_SIDE; ++n)
        offer.Items[1][n] = static_cast<uint8_t>(side_b[n]);
    offer.Cash = cash;
    return offer;
}

TEAM_STRENGTH_TABLE Build_Needs(int32_t team) {
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(team, &table);
    return table;
}

TEAM_STRENGTH_TABLE Uniform_Needs(int32_t need) {
    TEAM_STRENGTH_TABLE table;
    for (auto& row : table.Need)
        for (int32_t& entry : row)
            entry = need;
    return table;
}
