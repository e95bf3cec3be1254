#include "database/unsaved_changes.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

#include "database/settings.h"
#include "database/universe.h"

namespace {
struct RANGE {
    size_t Start, Length;
};

constexpr size_t Int_Setting(int32_t n) {
    return offsetof(UNIVERSE_STATE, User_Preferences) + 4 * static_cast<size_t>(n);
}
constexpr size_t Short_Setting(int32_t n) {
    return offsetof(UNIVERSE_STATE, User_Preferences) + 4 * static_cast<size_t>(NUMBER_OF_INT_PREFERENCES) +
           2 * static_cast<size_t>(n - NUMBER_OF_INT_PREFERENCES);
}

// The mark of the Find Players dialog's first depth-chart pass, cleared at
// every opening of the dialog and read by nothing else.
constexpr int32_t FIND_DEPTH_CHARTS_SET = 18;
// The count the Play Multiple Seasons dialog starts again from at every opening.
constexpr int32_t SEASONS_TO_PLAY = 41;
// The player lists' column sets and sort columns: 16-bit settings 240-319.
constexpr int32_t FIRST_COLUMN_SET = 240;
constexpr int32_t COLUMN_SET_ENTRIES = 80;

// What the comparison leaves out. Settings that only say where the user is
// looking and how a list shows, or what a dialog did since it opened, and
// those the pointer writes as it moves (the cursor it chose, the play under
// it on the game-day screen, which only the drawing reads); the saved team
// checksum, which the save writes itself; and the draft order, which during
// the season is the projected one, worked out again from the standings
// whenever a pick is valued (it changes for good only with games played or a
// draft, which change the league elsewhere too).
constexpr RANGE LEFT_OUT[] = {
    {Int_Setting(FIND_DEPTH_CHARTS_SET), 4},
    {Int_Setting(CURRENT_VIEW), 4 * 6}, // view, statistics season, viewed team, player, trade partner
    {Int_Setting(SHOWN_GAME_INDEX), 4},
    {Int_Setting(DRAFT_BOARD_ROUND), 4 * 2},
    {Int_Setting(SEASONS_TO_PLAY), 4 * 3},     // that count, the shown league, the selected city
    {Int_Setting(OFFENSIVE_PLAY_PAGE), 4 * 4}, // the play pages and the plays under the pointer
    {Int_Setting(HOVER_CURSOR), 4},
    {Int_Setting(GAME_CHECKSUM), 4},
    {Short_Setting(FIRST_COLUMN_SET), 2 * COLUMN_SET_ENTRIES},
    {offsetof(UNIVERSE_STATE, Draft_Order), sizeof(UNIVERSE_STATE::Draft_Order)},
};
static_assert(STAT_SEASON_CHOICE == CURRENT_VIEW + 1 && TRADE_PARTNER_TEAM == CURRENT_VIEW + 5);
static_assert(DRAFT_BOARD_YEAR == DRAFT_BOARD_ROUND + 1 && DEFENSIVE_PLAY_PAGE == OFFENSIVE_PLAY_PAGE + 1 &&
              PBP_OFFENSIVE_PLAY == OFFENSIVE_PLAY_PAGE + 2 && PBP_DEFENSIVE_PLAY == OFFENSIVE_PLAY_PAGE + 3);
static_assert(SHOWN_LEAGUE == SEASONS_TO_PLAY + 1 && SELECTED_CITY == SEASONS_TO_PLAY + 2);

// Compared in pages, so that keeping the copy again after a small change
// copies only the pages that changed.
constexpr size_t PAGE = 64 * 1024;

std::unique_ptr<uint8_t[]> saved_copy;
bool copy_kept = false;
bool copy_of_start = false;

bool Is_Left_Out(size_t offset) {
    for (const RANGE& range : LEFT_OUT)
        if (offset >= range.Start && offset < range.Start + range.Length) return true;
    return false;
}

size_t Page_Length(size_t start) {
    return start + PAGE < UNIVERSE_SIZE ? PAGE : UNIVERSE_SIZE - start;
}
} // namespace

void Keep_Saved_Copy() {
    if (!saved_copy) saved_copy.reset(new (std::nothrow) uint8_t[UNIVERSE_SIZE]);
    if (!saved_copy) {
        copy_kept = false;
        return;
    }
    const uint8_t* block = Universe_Bytes();
    if (!copy_kept) {
        memcpy(saved_copy.get(), block, UNIVERSE_SIZE);
    } else {
        for (size_t start = 0; start < UNIVERSE_SIZE; start += PAGE) {
            const size_t length = Page_Length(start);
            if (memcmp(block + start, saved_copy.get() + start, length) != 0)
                memcpy(saved_copy.get() + start, block + start, length);
        }
    }
    copy_kept = true;
    copy_of_start = false;
}

void Keep_Started_Copy() {
    Keep_Saved_Copy();
    copy_of_start = copy_kept;
}

void Drop_Saved_Copy() {
    copy_kept = false;
    copy_of_start = false;
}

bool Is_Copy_Of_Start() {
    return copy_kept && copy_of_start;
}

bool Matches_Saved_Copy() {
    if (!copy_kept) return false;
    const uint8_t* block = Universe_Bytes();
    for (size_t start = 0; start < UNIVERSE_SIZE; start += PAGE) {
        const size_t end = start + Page_Length(start);
        if (memcmp(block + start, saved_copy.get() + start, end - start) == 0) continue;
        for (size_t offset = start; offset < end; ++offset)
            if (block[offset] != saved_copy[offset] && !Is_Left_Out(offset)) return false;
    }
    return true;
}
