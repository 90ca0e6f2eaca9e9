// quorvane-cli export: a filter for a software convolver, synthesised from
// the targets at the convolver's rate and length.

#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "cli/correction_inputs.h"
#include "curves/tr.h"
#include "export/export_synthesis.h"
#include "export/filter_writers.h"
#include "project/project_file.h"

namespace qv::cli {
namespace {

struct ExportOptions {
    std::string level, delay, correction, project, phase = "linear", format = "wav", out;
    std::int32_t taps = 0;
    double rate = 0;
};

int Run(const ExportOptions& o) {
    ExportTargets targets;
    if (!o.project.empty()) {
        // The project's desired curves; a file option given beside it wins.
        const LoadedProject p = ReadProject(o.project);
        targets.level = p.ws.Curve(FrequencyResponseDiagram, CurveRole::Desired).points;
        targets.delay = p.ws.Curve(GroupDelayDiagram, CurveRole::Desired).points;
    } else if (o.level.empty()) {
        throw UsageError(QV_TR("--level or --project is required"));
    }
    if (!o.level.empty()) targets.level = ImportLevel(o.level);
    if (!o.delay.empty()) targets.delay = ImportDelay(o.delay);
    if (!o.correction.empty()) targets.correction = ImportLevel(o.correction);
    const ExportPhase phase = *ParsePhase(o.phase);
    const ExportFormat format = *ParseFormat(o.format);
    CliUserInterface ui;
    ProgressScope progress(ui, QV_TR("export"));
    const std::optional<ExportedFilter> filter =
        SynthesizeExportFilter(targets, o.taps, o.rate, phase, [&](double fraction) {
            progress(fraction, QV_TR("synthesis"));
            return true;
        });
    WriteFilterFile(o.out, filter->taps, o.rate, format);
    ui.StatusLine(o.out + ": " + DescribeFilter(*filter));
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<ExportOptions>();
    cmd.footer(Tr(QV_TR(
        "Curve inputs are any file the measurement importer reads. Linear phase has a latency "
        "of taps/2 samples; minimum phase has none and takes no delay target.")));
    cmd.add_option("--level", o->level, Tr(QV_TR("the desired level (dB over Hz)")));
    cmd.add_option("--delay", o->delay, Tr(QV_TR("the desired group delay (ms over Hz)")));
    cmd.add_option("--correction", o->correction,
                   Tr(QV_TR("a correction curve added to the level")));
    cmd.add_option("--project", o->project,
                   Tr(QV_TR("take the desired level and delay from this project (.qvproj)")));
    cmd.add_option("--rate", o->rate, Tr(QV_TR("sample rate of the convolver in Hz")))
        ->required()
        ->check(CLI::Range(kMinExportRate, kMaxExportRate));
    cmd.add_option("--taps", o->taps, Tr(QV_TR("filter length")))
        ->required()
        ->check(CLI::Range(kMinExportTaps, kMaxExportTaps));
    cmd.add_option("--phase", o->phase, Tr(QV_TR("linear or minimum")))
        ->check(CLI::IsMember({"linear", "minimum"}))
        ->capture_default_str();
    cmd.add_option("--format", o->format,
                   Tr(QV_TR("wav (32-bit float), f32, f64 (raw little-endian) or text")))
        ->check(CLI::IsMember({"wav", "f32", "f64", "text"}))
        ->capture_default_str();
    cmd.add_option("--out", o->out, Tr(QV_TR("write the filter here")))->required();
    return [o] { return Run(*o); };
}

const RegisterCommand kRegistration(
    {"export", QV_TR("a filter for software convolvers (WAV, raw or text) at any rate and length"),
     Setup});

}  // namespace
}  // namespace qv::cli
