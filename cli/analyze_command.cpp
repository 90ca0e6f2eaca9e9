// quorvane-cli analyze: the two impulse commands of the main window on an
// impulse file, with the editor's own analysis code.

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/impulse_commands.h"
#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "curves/curve_files.h"
#include "curves/number_syntax.h"
#include "curves/tr.h"
#include "project/workspace.h"

namespace qv::cli {
namespace {

struct AnalyzeOptions {
    std::string impulse, response, groupDelay;
    bool imp = false;
    double fs = 0, from = 10, to = 45000;
};

int Run(const AnalyzeOptions& o, bool response) {
    CliUserInterface ui;
    const std::string& file = o.impulse;
    if (!CheckFileReadable(file, ui)) return kExitRefused;
    Workspace ws;
    ws.CurrentDiagram = ImpulseResponseDiagram;
    SetCurve(ws, ws.CurrentDiagram, CurveRole::Impulse, file,
             o.imp ? ReadImpFile(file) : ReadXYFile(file, ui));
    const bool done = response ? RunImpulsFrequencyResponse(ws, ui, o.fs, o.from, o.to)
                               : RunImpulsGroupDelay(ws, ui, o.fs);
    if (!done) return kExitRefused;
    const std::string& out = response ? o.response : o.groupDelay;
    if (!CheckFileWritable(out, ui)) return kExitRefused;
    WriteXYFile(out, ws.Current(CurveRole::Desired).points, ui);
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<AnalyzeOptions>();
    cmd.add_option("--impulse", o->impulse, Tr(QV_TR("the impulse: a DAT file, or IMP with --imp")))
        ->required();
    cmd.add_flag("--imp", o->imp, Tr(QV_TR("the impulse file is an IMP file")));
    auto* response = cmd.add_option("--response", o->response,
                                    Tr(QV_TR("write the frequency response in dB (XY-Format)")));
    auto* delay = cmd.add_option("--group-delay", o->groupDelay,
                                 Tr(QV_TR("write the group delay in ms (XY-Format)")));
    response->excludes(delay);
    auto* fs =
        cmd.add_option(
               "--fs", o->fs,
               Tr(QV_TR("the sampling frequency in Hz (90000 for the response, 61200 for the "
                        "group delay)")))
            ->check(CLI::PositiveNumber);
    auto* from =
        cmd.add_option("--from", o->from, Tr(QV_TR("lowest frequency of the response in Hz")))
            ->check(CLI::PositiveNumber)
            ->capture_default_str();
    auto* to = cmd.add_option("--to", o->to, Tr(QV_TR("highest frequency of the response in Hz")))
                   ->check(CLI::PositiveNumber)
                   ->capture_default_str();
    from->needs(response);
    to->needs(response);
    return [o, response, fs] {
        const bool isResponse = response->count() > 0;
        if (!isResponse && o->groupDelay.empty())
            throw UsageError("give either --response or --group-delay");
        if (fs->count() == 0) o->fs = isResponse ? 90000.0 : 61200.0;
        return Run(*o, isResponse);
    };
}

const RegisterCommand kRegistration(
    {"analyze", QV_TR("the two impulse commands of the main window on an impulse file"), Setup});

}  // namespace
}  // namespace qv::cli
