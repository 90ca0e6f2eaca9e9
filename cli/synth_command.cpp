// quorvane-cli synth: the filter synthesis of "Execute" on curve files, with
// the editor's own synthesis code.

#include <cstdio>
#include <memory>
#include <string>

#include "app/filter_workflow.h"
#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "cli/correction_inputs.h"
#include "correction/predicted_result.h"
#include "curves/curve_files.h"
#include "curves/tr.h"
#include "dsplink/program_profile.h"
#include "project/project_file.h"
#include "project/workspace.h"

namespace qv::cli {
namespace {

// Reads a DAT file; false (with the reader's message) when the file cannot
// be opened.
bool Load(PointList& curve, const std::string& file, UserInterface& ui) {
    if (!CheckFileReadable(file, ui)) return false;
    curve = ReadXYFile(file, ui);
    return true;
}

struct SynthOptions {
    std::string variant, level, delay, correction, filter, achievedLevel, achievedDelay;
    std::string measured, predicted, measuredDelay, predictedDelay;
    std::string project;  // the curves, room and filter designs of a project instead
    std::int32_t taps = 0, depth = 400, width = 400;
    double rate = 0;
    bool fitHeadroom = false;
    ImportArgs args;  // how --measured and --measured-delay are read
};

// The peak coefficient always, the headroom message when the box would clip
// it, and what the filter makes of the measurements.
int Predict(const SynthOptions& o, const PointList& filter, std::int32_t n, double fs,
            UserInterface& ui) {
    const Headroom h = FilterHeadroom(filter);
    char peak[32];
    std::snprintf(peak, sizeof peak, "%.6f", h.peak);
    std::fprintf(stderr, "%s\n", Tr(Fill(QV_TR("peak coefficient %1"), {peak})).c_str());
    if (h.Clips()) ui.Message(Fill(QV_TR("%1 (--fit-headroom does it.)"), {HeadroomMessage(h)}));
    const ImportOptions options = ToImportOptions(o.args);
    if (!o.measured.empty()) {
        const PointList p = PredictLevel(ImportLevel(o.measured, options), filter, fs);
        if (!o.predicted.empty() && !WriteCurveFile(o.predicted, p, ui)) return kExitRefused;
    }
    if (!o.measuredDelay.empty()) {
        const PointList p = PredictDelay(ImportDelay(o.measuredDelay, options), filter, n, fs);
        if (!o.predictedDelay.empty() && !WriteCurveFile(o.predictedDelay, p, ui))
            return kExitRefused;
    }
    return kExitOk;
}

// The project's document with the filter designs it was saved with; a
// damaged project throws before anything is written.
Workspace ProjectWorkspace(const SynthOptions& o, DspProgramProfile& profile, bool depthGiven,
                           bool widthGiven) {
    LoadedProject p = ReadProject(o.project);
    for (const std::string& note : p.notes) std::fprintf(stderr, "%s\n", Tr(note).c_str());
    if (p.ws.EqDesign.taps > 0) {
        profile.eqTapCount = p.ws.EqDesign.taps;
        profile.eqSampleRate = p.ws.EqDesign.sampleRate;
    }
    if (p.ws.RoomDesign.taps > 0) {
        profile.roomTapCount = p.ws.RoomDesign.taps;
        profile.roomSampleRate = p.ws.RoomDesign.sampleRate;
    }
    if (depthGiven) p.ws.RoomDepth = o.depth;
    if (widthGiven) p.ws.RoomWidth = o.width;
    return std::move(p.ws);
}

int Run(const SynthOptions& o, bool tapsGiven, bool rateGiven, bool depthGiven, bool widthGiven) {
    if (o.project.empty() && (o.variant.empty() || o.level.empty() || o.correction.empty()))
        throw UsageError(
            "give --variant, --level and --correction (--delay too unless flat), or "
            "--project");
    const bool room = o.variant == "room";
    DspProgramProfile profile = DeriveProfile(1, 48000);
    CliUserInterface ui;
    const FilterVariant variant = room ? FilterVariant::Room : FilterVariant::Equalizer;
    Workspace ws;
    if (!o.project.empty()) ws = ProjectWorkspace(o, profile, depthGiven, widthGiven);
    if (tapsGiven) (room ? profile.roomTapCount : profile.eqTapCount) = o.taps;
    if (rateGiven) (room ? profile.roomSampleRate : profile.eqSampleRate) = o.rate;
    ExecuteInputs in;
    if (!o.project.empty()) {
        // What "Execute" reads from the document.
        in = GatherExecuteInputs(ws, variant, profile, ws.Correction.from, ws.Correction.to);
    } else {
        in.variant = variant;
        in.profile = ProfileOf(in.variant, profile);
        in.room = {o.depth, o.width};
        if (!Load(in.targets.level, o.level, ui) || !Load(in.targets.correction, o.correction, ui))
            return kExitRefused;
        if (o.delay.empty())
            in.targets.delay = {{1.0, 0.0}, {100000.0, 0.0}};
        else if (!Load(in.targets.delay, o.delay, ui))
            return kExitRefused;
    }
    ExecuteResult r = ComputeExecute(in);
    // The filter scales with the target: lowering it by the named amount
    // brings the peak coefficient within the box's range in one step.
    if (o.fitHeadroom && r.refusal.empty() && r.headroom.Clips()) {
        const double lower = HeadroomLoweringDb(r.headroom);
        for (CurvePoint& p : in.targets.level) p.y -= lower;
        r = ComputeExecute(in);
        char db[32];
        std::snprintf(db, sizeof db, "%.1f", lower);
        std::fprintf(stderr, "%s\n",
                     Tr(Fill(QV_TR("target lowered by %1 dB for headroom"), {db})).c_str());
    }
    if (!r.refusal.empty()) {
        ui.Message(r.refusal);
        return kExitRefused;
    }
    const SynthesisResult& out = r.synthesis;
    if (!WriteCurveFile(o.filter, out.filter, ui)) return kExitRefused;
    if (!o.achievedLevel.empty() && !WriteCurveFile(o.achievedLevel, out.achieved.level, ui))
        return kExitRefused;
    if (!o.achievedDelay.empty() && !WriteCurveFile(o.achievedDelay, out.achieved.delay, ui))
        return kExitRefused;
    return Predict(o, out.filter, in.profile.n, in.profile.fs, ui);
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<SynthOptions>();
    cmd.footer(Tr(QV_TR(
        "DAT files in, XY-Format out; eq: 1799 taps at 48000 Hz, room: 899 taps at 6000 Hz.")));
    auto* project =
        cmd.add_option("--project", o->project,
                       Tr(QV_TR("take the curves, room and filter designs from a project")));
    cmd.add_option("--variant", o->variant,
                   Tr(QV_TR("eq (amplitude and delay) or room (eq with --project)")))
        ->check(CLI::IsMember({"eq", "room"}));
    cmd.add_option("--level", o->level, Tr(QV_TR("the desired level (DAT)")))->excludes(project);
    cmd.add_option("--delay", o->delay,
                   Tr(QV_TR("the desired group delay (DAT; default flat 0 ms)")))
        ->excludes(project);
    cmd.add_option("--correction", o->correction, Tr(QV_TR("the correction curve (DAT)")))
        ->excludes(project);
    cmd.add_option("--filter", o->filter, Tr(QV_TR("write the filter here")))->required();
    // The inverse transform grows with the square of the length.
    auto* taps =
        cmd.add_option("--taps", o->taps, Tr(QV_TR("filter length")))->check(CLI::Range(1, 32767));
    auto* rate = cmd.add_option("--rate", o->rate, Tr(QV_TR("sampling frequency in Hz")))
                     ->check(CLI::PositiveNumber);
    auto* depth = cmd.add_option("--depth", o->depth, Tr(QV_TR("room depth in cm (room)")))
                      ->check(CLI::Range(1, 1000))
                      ->capture_default_str();
    auto* width = cmd.add_option("--width", o->width, Tr(QV_TR("room width in cm (room)")))
                      ->check(CLI::Range(1, 1000))
                      ->capture_default_str();
    cmd.add_option("--achieved-level", o->achievedLevel,
                   Tr(QV_TR("write the achieved level here")));
    cmd.add_option("--achieved-delay", o->achievedDelay,
                   Tr(QV_TR("write the achieved group delay here")));
    auto* measured = cmd.add_option("--measured", o->measured,
                                    Tr(QV_TR("a measured level (any importable file)")));
    cmd.add_option("--predicted", o->predicted, Tr(QV_TR("write measured + filter level here")))
        ->needs(measured);
    auto* measuredDelay = cmd.add_option("--measured-delay", o->measuredDelay,
                                         Tr(QV_TR("a measured group delay (any importable file)")));
    cmd.add_option("--predicted-delay", o->predictedDelay,
                   Tr(QV_TR("write measured + filter group delay here")))
        ->needs(measuredDelay);
    cmd.add_flag(
        "--fit-headroom", o->fitHeadroom,
        Tr(QV_TR("where the filter would clip, lower the target by the named amount first")));
    AddImportOptions(cmd, o->args, "--measured-rate");
    return [o, taps, rate, depth, width] {
        return Run(*o, taps->count() > 0, rate->count() > 0, depth->count() > 0,
                   width->count() > 0);
    };
}

const RegisterCommand kRegistration({"synth",
                                     QV_TR("the filter synthesis of \"Execute\" on curve files"),
                                     Setup});

}  // namespace
}  // namespace qv::cli
