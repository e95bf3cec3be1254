#pragma once
// What sets one player apart: his id, his uniform number and his college.
#include <cstdint>

constexpr int32_t NUMBER_OF_COLLEGES = 121;

// An id above 0 that no player of teams 0..40 holds, drawn around a base made
// of the season, the team and the slot.
int32_t Generate_Unique_Player_ID(int32_t team, int32_t slot);
// The same draws and the same id, asking `is_held` whether a player holds an
// id: for a caller that keeps every id of the block itself.
int32_t Generate_Unique_Player_ID_With(int32_t team, int32_t slot, bool (*is_held)(int32_t id, void* context),
                                       void* context);
// Vital 0 := a new unique id.
void Assign_New_Player_ID(int32_t team, int32_t slot);
// A uniform number 1..99 drawn from the ranges his position wears.
int32_t Get_Random_Uniform_Number(int32_t position);
// True for 0 and for a number worn by any player of the team (the asker included).
bool Is_Uniform_Number_Taken(int32_t team, int32_t number);
// Draws a number not yet taken on the team (at most 100 more draws); a pool
// player (teams 38..40) gets none.
void Assign_Uniform_Number(int32_t team, int32_t slot);
// While one slot is made again and again until its player fits, the numbers
// the rest of its roster wears stay as they are: a scope gathers them at the
// slot's first new number and keeps them for its later ones (the slot's own
// number is read afresh every time). Nothing but the slot may change a
// number or fill or empty a slot of the roster while the scope lives. A scope
// for a slot that one already covers leaves that one in place.
class UNIFORM_REMAKE_SCOPE {
  public:
    UNIFORM_REMAKE_SCOPE(int32_t team, int32_t slot);
    ~UNIFORM_REMAKE_SCOPE();
    UNIFORM_REMAKE_SCOPE(const UNIFORM_REMAKE_SCOPE&) = delete;
    UNIFORM_REMAKE_SCOPE& operator=(const UNIFORM_REMAKE_SCOPE&) = delete;
    bool Covers(int32_t team, int32_t slot) const { return Team == team && Slot == slot; }
    // The numbers the other slots of the roster wear, gathered on first use.
    const bool* Others_Worn();

  private:
    int32_t Team;
    int32_t Slot;
    bool Gathered = false;
    // Filled when gathered: a scope whose slot gets no number costs nothing.
    bool Worn[256];
    UNIFORM_REMAKE_SCOPE* Outer;
    bool Active;
};
// College `index` (clamped to 0..120) into `out` of at least 24 bytes.
void Get_College_Name(int32_t index, char* out);
// The smaller of two draws, so the colleges at the front of the list come up more often.
void Set_Random_College(int32_t team, int32_t slot);
