#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "device_state.h"
#include "eq_graph.h"
#include "fake_serial_backend.h"
#include "scripted_dialogs.h"
#include "serial_link.h"
#include "tform1.h"
#include "virtual_clock.h"

namespace {

using namespace ampdesk;

QApplication& application() {
    static int argc = 1;
    static char name[] = "ampdesk_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// One step of dragging an EQ handle: the pointer moves, the band snaps to the
// tables, its curve is recomputed and the whole plot is drawn again.
void BM_DragStep(benchmark::State& state) {
    application();
    VirtualClock clock;
    ScriptedDialogs dialogs;
    FakeSerialBackend backend;
    SerialLink link(clock, backend);
    auto form = std::make_unique<TForm1>(Edition::A, WindowServices{clock, dialogs, link});
    EqGraph& graph = form->graph();
    // Start dragging master band 3, a peaking band with some Q.
    form->state().band(20).QIndex = 9;
    const BandMarker m = graph.BandMarkers()[20];
    graph.Image5MouseDown(m.x, m.y);
    if (!graph.DragActive) {
        state.SkipWithError("no handle under the pointer");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        // Sweep across the plot and back, up and down, so every step moves.
        const int x = 120 + (step * 7) % 540;
        const int y = 40 + (step * 5) % 150;
        graph.Image5MouseMove(x, y);
        benchmark::DoNotOptimize(graph.plot().constBits());
        ++step;
    }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
