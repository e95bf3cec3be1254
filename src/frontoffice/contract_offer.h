#pragma once
// The Contract Offer talk with one player: opening it, what the user may
// offer at each moment (years, bonus, acceptance), and the signing.
#include <cstdint>

#include "platform/handles.h"

constexpr int32_t CONTRACT_OFFER_DIALOG = 132;
// The dialog's results: no contract, a contract, or the road to the Trading
// Block (a college player the user cannot pay): the caller closes its own
// window and then opens the block with Open_Empty_Trading_Block.
constexpr int32_t CONTRACT_DECLINED = 0;
constexpr int32_t CONTRACT_ACCEPTED = 1;
constexpr int32_t CONTRACT_TO_TRADING_BLOCK = 3;
// The player left the talk's team while it ran (released, traded or deleted
// from a report opened inside the talk): the talk ended and no contract was
// touched.
constexpr int32_t CONTRACT_PLAYER_LEFT = 4;
// The bonus moves in steps of $100,000 (thousands).
constexpr int32_t CONTRACT_BONUS_STEP = 100;

// Makes the player the selected one (settings 29 and 30), clears his signing
// bonus, sets his contract length to his contract years and runs the Contract
// Offer dialog over `parent` (none: over the main window), the parent disabled
// meanwhile. Afterwards User_Team is what it was before the talk, and a
// franchise player whose talk ended without a contract keeps the terms he
// had (vitals 10, 11, 12 and 25), wherever on his team he stands by then. With no parent the road to the
// Trading Block opens the block here, once the talk's window is gone, and gives CONTRACT_DECLINED; a parent
// gets CONTRACT_TO_TRADING_BLOCK.
int32_t Open_Contract_Offer(WINDOW_HANDLE parent, int32_t team, int32_t slot);
// The player holding `id` after a dialog that may have moved him: at team,
// slot when they still hold him, else in another slot of that team, else
// wherever the id is found now. False when nobody holds it (team and slot
// unchanged).
bool Find_Player_Again(int32_t id, int32_t* team, int32_t* slot);
// The Trading Block (173) with an empty block, over `owner`.
void Open_Empty_Trading_Block(WINDOW_HANDLE owner);

// What the dialog may offer now.
struct CONTRACT_OFFER_CONTROLS {
    int32_t Fewer_Years;   // "&Fewer Years" enabled
    int32_t More_Years;    // "&More Years" enabled
    int32_t Show_Bonus;    // the bonus buttons shown (Owner Mode)
    int32_t Smaller_Bonus; // enabled
    int32_t Bigger_Bonus;  // enabled
    int32_t Accept;        // "&ACCEPT" enabled
    int32_t Can_Pay;       // the user can pay the minimum bonus (or Commissioner Mode)
};
// The fewest contract years: 2 once the champion is decided, else 1.
int32_t Get_Fewest_Contract_Years();
// The paying team becomes the player's own when he belongs to a franchise;
// his years are held to the fewest .. 7, his demand computed anew, and the
// controls follow from his terms and the paying team's cash.
CONTRACT_OFFER_CONTROLS Prepare_Contract_Offer(int32_t team, int32_t slot);
// A bonus $100,000 bigger or smaller, then the demand anew.
void Change_Contract_Offer_Bonus(int32_t team, int32_t slot, int32_t bigger);

// What ACCEPT meets.
enum CONTRACT_ACCEPTANCE : int32_t {
    CONTRACT_FITS_CAP,       // the cap room after signing is 0 or more
    CONTRACT_OVER_CAP,       // refused: over the cap
    CONTRACT_OVER_CAP_ASKED, // over the cap in Commissioner Mode: the user may override
};
// The cap room (thousands) the paying team has once the talk's player is
// signed on the terms now under discussion: the one figure the talk both
// shows and applies on ACCEPT.
int32_t Get_Contract_Offer_Cap_Room(int32_t team, int32_t slot);
// `room` receives the cap room after signing (thousands).
int32_t Check_Contract_Acceptance(int32_t team, int32_t slot, int32_t* room);
// The paying team's cash lowered by exactly the bonus.
void Pay_Contract_Bonus(int32_t team, int32_t slot);
