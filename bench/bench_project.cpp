// The project file and the changed test that runs after every command: the
// test must stay small next to the undo step every command already takes.

#include <benchmark/benchmark.h>

#include "app/undo_history.h"
#include "project/project_file.h"

namespace {

qv::Workspace FullDocument() {
    qv::Workspace ws;
    for (qv::Diagram& d : ws.diagrams.diagrams)
        for (qv::CurveSlot& s : d.slots)
            for (int i = 0; i < 1000; ++i) s.points.push_back({20.0 + i * 19.98, 0.001 * i});
    return ws;
}

// The undo step of one command: snapshot before, compare after.
void BM_UndoStepPerCommand(benchmark::State& state) {
    qv::Workspace ws = FullDocument();
    qv::UndoHistory history;
    for (auto _ : state) {
        history.Begin(ws);
        history.Commit(ws);
    }
}
BENCHMARK(BM_UndoStepPerCommand);

// What the project adds to every command: is the work still the saved one?
void BM_ChangedTestPerCommand(benchmark::State& state) {
    const qv::Workspace ws = FullDocument();
    const qv::Workspace saved = ws;
    for (auto _ : state) benchmark::DoNotOptimize(qv::SameDocument(ws, saved));
}
BENCHMARK(BM_ChangedTestPerCommand);

void BM_ProjectText(benchmark::State& state) {
    const qv::Workspace ws = FullDocument();
    for (auto _ : state) benchmark::DoNotOptimize(qv::ProjectText(ws, "", "now"));
}
BENCHMARK(BM_ProjectText)->Unit(benchmark::kMillisecond);

void BM_ParseProject(benchmark::State& state) {
    const std::string text = qv::ProjectText(FullDocument(), "", "now");
    for (auto _ : state) benchmark::DoNotOptimize(qv::ParseProject(text, ""));
}
BENCHMARK(BM_ParseProject)->Unit(benchmark::kMillisecond);

}  // namespace
