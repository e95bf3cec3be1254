#pragma once
// A player's terms in contract talks: the bonus he asks for and the salary
// that goes with the years and bonus offered, the cap room a signing leaves,
// and the steps of the talk.
#include <cstdint>

constexpr int32_t MAX_CONTRACT_OFFER_YEARS = 7;

// Recomputes the bonus demand (vital 10, never below a bonus already under
// discussion) and the salary demand (vital 11) for the years in vital 12.
// `value` 0 means his Get_Player_Value.
void Set_Player_Contract_Demand(int32_t team, int32_t slot, int32_t value);
// The terms a player asks to sign for: his desired length (at least one
// year) as contract years and bonus years, no bonus under discussion, then
// his demand for those years.
void Set_Desired_Contract_Demand(int32_t team, int32_t slot);
// Cap room in thousands after the paying team signs the player: the cap less
// the payroll the team will have with him (his present cap impact is counted
// already when he is on it); 0 without a cap.
int32_t Get_Cap_Room_After_Signing(int32_t paying_team, int32_t team, int32_t slot);
// Whether the paying team may sign the player and stay within the salary cap
// (exactly at it is within; always, without a cap).
bool Can_Sign_Within_Salary_Cap(int32_t paying_team, int32_t team, int32_t slot);
// College draft pool players whose bonus demand the user's cash covers.
int32_t Count_Affordable_Draft_Pool_Players();
// One year less (more) offered, then the demand anew.
void Shorten_Contract_Offer(int32_t team, int32_t slot);
void Lengthen_Contract_Offer(int32_t team, int32_t slot);
