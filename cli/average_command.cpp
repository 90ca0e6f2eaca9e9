// quorvane-cli average: several measurements (seats, microphone positions)
// averaged into one level (and, for vector averaging, one group delay).

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "cli/correction_inputs.h"
#include "curves/curve_files.h"
#include "curves/tr.h"
#include "measurements/measurement_average.h"

namespace qv::cli {
namespace {

struct AverageOptions {
    std::vector<std::string> files;
    std::string method = "power", level, groupDelay;
    ImportArgs args;
};

int Run(const AverageOptions& o) {
    const AverageMethod method = *ParseAverageMethod(o.method);
    if (!o.groupDelay.empty() && method != AverageMethod::Vector)
        throw UsageError(
            QV_TR("--group-delay needs --method vector: only aligned impulses average to a "
                  "group delay."));
    CliUserInterface ui;
    const ImportOptions options = ToImportOptions(o.args);
    std::vector<AverageInput> inputs;
    for (const auto& f : o.files) inputs.push_back({f, options});
    AveragedMeasurement m;
    try {
        ProgressScope progress(ui, QV_TR("Average"));
        m = AverageMeasurements(inputs, method, [&](double f) {
            progress(f, QV_TR("reading and averaging"));
            return true;
        });
    } catch (const ImportOptionError& e) {
        throw UsageError(e.what());
    }
    std::cerr << Tr(m.report.Text()) << "\n";
    if (!WriteCurveFile(o.level, m.level, ui)) return kExitRefused;
    if (!o.groupDelay.empty() && !WriteCurveFile(o.groupDelay, m.groupDelay, ui))
        return kExitRefused;
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<AverageOptions>();
    cmd.footer(Tr(
        QV_TR("power: mean of 10^(L/10); db: mean of L; vector: impulses aligned to the first by "
              "their cross-correlation, then averaged sample by sample. The result covers the "
              "frequencies all files share, 48 points per octave.")));
    cmd.add_option("FILE", o->files, Tr(QV_TR("2 to 16 measurement files (any importable file)")))
        ->required();
    cmd.add_option("--method", o->method, Tr(QV_TR("power, db or vector")))
        ->check(CLI::IsMember({"power", "db", "vector"}))
        ->capture_default_str();
    AddImportOptions(cmd, o->args);
    cmd.add_option("--level", o->level, Tr(QV_TR("write the averaged level here (XY-Format)")))
        ->required();
    cmd.add_option("--group-delay", o->groupDelay,
                   Tr(QV_TR("write the group delay of a vector average here (XY-Format)")));
    return [o] { return Run(*o); };
}

const RegisterCommand kRegistration({"average", QV_TR("several measurements averaged into one"),
                                     Setup});

}  // namespace
}  // namespace qv::cli
