// quorvane-cli correct: the correction target of "Correction Target…" from a
// measurement file, written as the desired level (and group delay).

#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "cli/correction_inputs.h"
#include "correction/correction_target.h"
#include "curves/curve_files.h"
#include "curves/tr.h"

namespace qv::cli {
namespace {

struct CorrectOptions {
    std::string measured, measuredDelay, target, level, delay;
    TargetSettings s;
    double tilt = 0, reference = 0;
    ImportArgs args;
};

int Run(CorrectOptions& o, bool tiltGiven, bool referenceGiven) {
    CliUserInterface ui;
    TargetSettings& s = o.s;
    if (tiltGiven) {
        s.shape = TargetShape::Tilt;
        s.tilt = o.tilt;
    }
    if (referenceGiven) s.reference = o.reference;
    s.delayCorrection = !o.delay.empty();
    if (!o.target.empty()) {
        s.shape = TargetShape::House;
        s.house = ImportLevel(o.target);
    }
    if (auto e = CheckTargetSettings(s)) throw UsageError(*e);
    const ImportOptions options = ToImportOptions(o.args);
    const ImportedMeasurement m = ImportForCommand(o.measured, options);
    const PointList& measured = m.level;
    if (auto e = CheckMeasurement(measured, s, QV_TR("measurement"))) {
        ui.Message(*e);
        return kExitRefused;
    }
    PointList measuredDelay;
    if (s.delayCorrection) {
        measuredDelay =
            o.measuredDelay.empty() ? m.groupDelay : ImportDelay(o.measuredDelay, options);
        if (measuredDelay.empty()) {
            ui.Message(QV_TR("--delay needs --measured-delay or a measurement with a phase."));
            return kExitRefused;
        }
        if (auto e = CheckMeasurement(measuredDelay, s, QV_TR("measured delay"))) {
            ui.Message(*e);
            return kExitRefused;
        }
    }
    if (!WriteCurveFile(o.level, LevelCorrection(measured, s), ui)) return kExitRefused;
    if (s.delayCorrection) {
        const PointList d = DelayCorrection(measuredDelay, s, measured);
        char limit[32], share[32];
        std::snprintf(limit, sizeof limit, "%.3g", s.maxDelay);
        std::snprintf(share, sizeof share, "%.1f", 100.0 * DelayAtLimitShare(d, s));
        std::fprintf(
            stderr, "%s\n",
            Tr(Fill(QV_TR("Delay target at its %1 ms limit at %2 % of the band."), {limit, share}))
                .c_str());
        if (!WriteCurveFile(o.delay, d, ui)) return kExitRefused;
    }
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<CorrectOptions>();
    cmd.footer(Tr(
        QV_TR("Measurements through the importer; desired curves out in XY-Format, on the measured "
              "frequencies. The level is normalised to 0 dB over the band (or at --reference), "
              "clipped to the limits and faded over 1/3 octave outside the band.")));
    cmd.add_option("--measured", o->measured, Tr(QV_TR("the measured level (any importable file)")))
        ->required();
    cmd.add_option("--measured-delay", o->measuredDelay,
                   Tr(QV_TR("the measured group delay (default: from the measurement's phase)")));
    auto* target =
        cmd.add_option("--target", o->target, Tr(QV_TR("a house curve (any importable file)")));
    auto* tilt = cmd.add_option("--tilt", o->tilt,
                                Tr(QV_TR("a tilt in dB per octave through 0 dB at 1 kHz")));
    target->excludes(tilt);
    cmd.add_option("--from", o->s.from, Tr(QV_TR("band start in Hz")))->capture_default_str();
    cmd.add_option("--to", o->s.to, Tr(QV_TR("band end in Hz")))->capture_default_str();
    cmd.add_option("--max-boost", o->s.maxBoost, Tr(QV_TR("largest boost in dB")))
        ->capture_default_str();
    cmd.add_option("--max-cut", o->s.maxCut, Tr(QV_TR("largest cut in dB")))->capture_default_str();
    cmd.add_option("--max-delay", o->s.maxDelay, Tr(QV_TR("largest added delay in ms")))
        ->capture_default_str();
    o->s.smoothing = 6;
    cmd.add_option("--smooth", o->s.smoothing,
                   Tr(QV_TR("smooth 1/N octave first: 1, 2, 3, 6, 12, 24, 48; 0 for none")))
        ->capture_default_str();
    auto* reference = cmd.add_option("--reference", o->reference,
                                     Tr(QV_TR("put the measurement at 0 dB here (Hz)")));
    cmd.add_option("--level", o->level, Tr(QV_TR("write the desired level here")))->required();
    cmd.add_option(
        "--delay", o->delay,
        Tr(QV_TR("write the desired group delay here (delay correction only with this)")));
    AddImportOptions(cmd, o->args);
    return [o, tilt, reference] { return Run(*o, tilt->count() > 0, reference->count() > 0); };
}

const RegisterCommand kRegistration({"correct", QV_TR("a correction target from a measurement"),
                                     Setup});

}  // namespace
}  // namespace qv::cli
