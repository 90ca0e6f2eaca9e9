// quorvane-cli smooth: fractional-octave smoothing of a curve file.

#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "cli/correction_inputs.h"
#include "correction/smoothing.h"
#include "curves/curve_files.h"
#include "curves/tr.h"

namespace qv::cli {
namespace {

struct SmoothOptions {
    int fraction = 0;
    std::string file, out;
    bool delay = false;
    ImportArgs args;
};

int Run(const SmoothOptions& o) {
    if (!IsSmoothingFraction(o.fraction)) throw UsageError(kBadFractionMessage);
    CliUserInterface ui;
    const ImportOptions options = ToImportOptions(o.args);
    const PointList curve = o.delay ? ImportDelay(o.file, options) : ImportLevel(o.file, options);
    const PointList smoothed = SmoothFractionalOctave(
        curve, o.fraction, o.delay ? SmoothingKind::Delay : SmoothingKind::Level);
    if (!CheckFileWritable(o.out, ui)) return kExitRefused;
    WriteXYFile(o.out, smoothed, ui);
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<SmoothOptions>();
    cmd.footer(
        Tr(QV_TR("Each point becomes the mean over +-1/(2N) octave around it; a level is "
                 "averaged as power, a group delay (--delay) as it stands.")));
    cmd.add_option("--fraction", o->fraction,
                   Tr(QV_TR("N of 1/N octave: 1, 2, 3, 6, 12, 24 or 48")))
        ->required();
    cmd.add_option("FILE", o->file, Tr(QV_TR("the curve (any importable file)")))->required();
    cmd.add_option("--out", o->out, Tr(QV_TR("write the smoothed curve here (XY-Format)")))
        ->required();
    cmd.add_flag("--delay", o->delay, Tr(QV_TR("the file is a group delay")));
    AddImportOptions(cmd, o->args);
    return [o] { return Run(*o); };
}

const RegisterCommand kRegistration({"smooth", QV_TR("fractional-octave smoothing of a curve"),
                                     Setup});

}  // namespace
}  // namespace qv::cli
