// The player list view of 4,100 players (every slot of every team record) in
// 9 and 18 columns: filling it, sorting by a statistic, reversing, sorting
// by name, refreshing the statistic cells after a season change, sizing the
// columns, and repainting a page for each scroll step.
#include <benchmark/benchmark.h>

#include <memory>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "dialogs/column_sets.h"
#include "dialogs/listview_engine.h"
#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/windows.h"
#include "support/test_league.h"

namespace {
constexpr int32_t PASS_YARDS = 19;

// A window holding a list of every code, its columns the default row of
// the roster list (9) or the same and nine more (18).
struct LIST_BENCH {
    WINDOW_HANDLE Window = NO_WINDOW;
    std::unique_ptr<LISTVIEW_DATA> Data = std::make_unique<LISTVIEW_DATA>();

    explicit LIST_BENCH(int32_t columns) {
        Build_Test_League();
        for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if (team >= TEST_LEAGUE_TEAMS || slot >= TEST_ROSTER_SIZE)
                    Copy_Player(team, slot, team % TEST_LEAGUE_TEAMS, slot % TEST_ROSTER_SIZE);
        if (!Is_Window_Class_Registered(Get_Control_Class_Name(CONTROL_LIST_VIEW))) Register_Controls();
        if (!Is_Window_Class_Registered("ListBench"))
            Register_Window_Class("ListBench", Default_Window_Procedure, 0);
        Window = Create_Window("ListBench", "", WINDOW_VISIBLE, {0, 0, 1000, 700}, NO_WINDOW, 0, 0);
        LISTVIEW_DATA& data = *Data;
        data.Dialog_Window = Window;
        data.List_Window = Create_Window(Get_Control_Class_Name(CONTROL_LIST_VIEW), "",
                                         WINDOW_CHILD | WINDOW_VISIBLE, {0, 0, 1000, 700}, Window, 1124, 0);
        Init_Listview_Data(&data);
        Set_Listview_Default_Columns(&data, 0);
        const int32_t more[] = {5, 8, 6, 12, 13, 7, 9, 10, 98};
        for (int32_t i = 0; data.Column_Count < columns && i < 9; ++i)
            data.Column_Ids[data.Column_Count++] = more[i];
        Rebuild_Listview_Columns(&data);
        for (int32_t code = 0; code < LISTVIEW_CODE_COUNT; ++code)
            data.Entries[code] = static_cast<uint16_t>(code);
        Fill_Listview_Rows(&data, NO_WINDOW);
    }
    ~LIST_BENCH() { Destroy_Window(Window); }
    LISTVIEW_DATA* operator->() { return Data.get(); }
};

void BM_Player_List_Fill(benchmark::State& state) {
    LIST_BENCH list(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        Fill_Listview_Rows(list.Data.get(), NO_WINDOW);
}
BENCHMARK(BM_Player_List_Fill)->Arg(9)->Arg(18)->Unit(benchmark::kMillisecond);

void BM_Player_List_Sort_By_Statistic(benchmark::State& state) {
    LIST_BENCH list(static_cast<int32_t>(state.range(0)));
    Set_User_Preference(STAT_SEASON_CHOICE, SEASON_LAST);
    for (auto _ : state) {
        list->Sort_Column = 0;
        Set_Listview_Sort_Column(list.Data.get(), PASS_YARDS + 1);
        Sort_Listview(list.Data.get());
    }
}
BENCHMARK(BM_Player_List_Sort_By_Statistic)->Arg(9)->Arg(18)->Unit(benchmark::kMillisecond);

void BM_Player_List_Reverse(benchmark::State& state) {
    LIST_BENCH list(static_cast<int32_t>(state.range(0)));
    Set_Listview_Sort_Column(list.Data.get(), COLUMN_AGE + 1);
    Sort_Listview(list.Data.get());
    for (auto _ : state) {
        Set_Listview_Sort_Column(list.Data.get(), COLUMN_AGE + 1);
        Sort_Listview(list.Data.get());
    }
}
BENCHMARK(BM_Player_List_Reverse)->Arg(9)->Arg(18)->Unit(benchmark::kMillisecond);

void BM_Player_List_Sort_By_Name(benchmark::State& state) {
    LIST_BENCH list(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        list->Sort_Column = 0;
        Set_Listview_Sort_Column(list.Data.get(), COLUMN_NAME + 1);
        Sort_Listview(list.Data.get());
    }
}
BENCHMARK(BM_Player_List_Sort_By_Name)->Arg(9)->Arg(18)->Unit(benchmark::kMillisecond);

void BM_Player_List_Season_Change(benchmark::State& state) {
    LIST_BENCH list(static_cast<int32_t>(state.range(0)));
    Set_Listview_Sort_Column(list.Data.get(), COLUMN_OVERALL + 1);
    int32_t season = SEASON_THIS;
    for (auto _ : state) {
        season = season == SEASON_THIS ? SEASON_LAST : SEASON_THIS;
        Set_User_Preference(STAT_SEASON_CHOICE, season);
        Refresh_Listview_Stat_Cells(list.Data.get());
    }
}
BENCHMARK(BM_Player_List_Season_Change)->Arg(9)->Arg(18)->Unit(benchmark::kMillisecond);

void BM_Player_List_Auto_Size(benchmark::State& state) {
    LIST_BENCH list(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        Auto_Size_Listview_Columns(list->List_Window);
}
BENCHMARK(BM_Player_List_Auto_Size)->Arg(9)->Arg(18)->Unit(benchmark::kMillisecond);

void BM_Player_List_Scroll_Page(benchmark::State& state) {
    LIST_BENCH list(static_cast<int32_t>(state.range(0)));
    const WINDOW_HANDLE window = list->List_Window;
    int32_t step = 0;
    for (auto _ : state) {
        // One wheel step down (back to the top at the end), then the page drawn.
        Send_Window_Message(window, MSG_MOUSE_WHEEL, static_cast<uintptr_t>(step < 1300 ? -1 : 1300), 0);
        step = step < 1300 ? step + 1 : 0;
        Repaint_Window(window);
    }
}
BENCHMARK(BM_Player_List_Scroll_Page)->Arg(9)->Arg(18)->Unit(benchmark::kMillisecond);
} // namespace
