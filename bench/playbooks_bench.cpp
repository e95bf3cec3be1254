// Play diagrams and the Playbook Editor: one diagram drawn at the editor's
// size (an offensive play with squiggled and dotted routes, and a defensive
// play with its zones), the editor's page filled afresh as on every change,
// and a whole Gridiron card deck rendered and written.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/bitmap_cache.h"
#include "database/settings.h"
#include "engine/playbook_records.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/windows.h"
#include "playbooks/gridiron_kit.h"
#include "playbooks/play_diagrams.h"
#include "playbooks/playbook_editor.h"
#include "playbooks/playbook_files.h"
#include "support/test_league.h"

namespace {
void BM_Play_Diagram(benchmark::State& state) {
    Build_Test_League();
    DRAWING_SURFACE surface{};
    Resize_Drawing_Surface(&surface, 435, 264);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &surface);
    const int32_t kind = static_cast<int32_t>(state.range(0));
    // Pro 9-9-Screen and a Tampa 2 zone of the built-in playbooks.
    const int32_t play = kind == DIAGRAM_OFFENSE ? 21 : 0;
    for (auto _ : state)
        Draw_Play_Diagram(&dc, {0, 0, 435, 264}, 3, play, 5, kind, false, false);
}
BENCHMARK(BM_Play_Diagram)->Arg(DIAGRAM_OFFENSE)->Arg(DIAGRAM_DEFENSE)->Unit(benchmark::kMillisecond);

void BM_Playbook_Editor_Refill(benchmark::State& state) {
    Build_Test_League();
    if (!Is_Window_Class_Registered(Get_Control_Class_Name(CONTROL_COMBO_BOX))) Register_Controls();
    Set_User_Preference(VIEWED_TEAM, 3);
    Set_User_Preference(PLAYBOOK_EDITOR_SIDE, static_cast<int32_t>(state.range(0)));
    const WINDOW_HANDLE dialog =
        Create_Modeless_Dialog(NO_WINDOW, PLAYBOOK_EDITOR_DIALOG_TEMPLATE, Playbook_Editor_Dialog_Proc, 0);
    if (dialog == NO_WINDOW) {
        state.SkipWithError("the editor could not be opened");
        return;
    }
    for (auto _ : state)
        Fill_Playbook_Editor_Page(dialog);
    Destroy_Window(dialog);
}
BENCHMARK(BM_Playbook_Editor_Refill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Gridiron_Deck(benchmark::State& state) {
    char previous[4096];
    if (getcwd(previous, sizeof previous) == nullptr) return;
    std::string folder = (std::filesystem::temp_directory_path() / "korva-deck-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr || chdir(folder.c_str()) != 0) return;
    std::filesystem::copy(std::filesystem::path(KORVA_DATA_DIR) / "gridiron", "gridiron",
                          std::filesystem::copy_options::recursive);
    Build_Test_League();
    Init_Image_Caches();
    for (auto _ : state)
        benchmark::DoNotOptimize(Render_Gridiron_Deck(3));
    Free_Image_Caches();
    if (chdir(previous) != 0) return;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Gridiron_Deck)->Unit(benchmark::kSecond)->Iterations(2);
} // namespace
