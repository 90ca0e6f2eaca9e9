// quorvane-cli import: a measurement (text response, audio or text impulse)
// to level and group delay curves in XY-Format, with the import report on
// standard error.

#include <iostream>
#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "cli/correction_inputs.h"
#include "curves/curve_files.h"
#include "curves/tr.h"
#include "measurements/measurement_import.h"

namespace qv::cli {
namespace {

struct ImportCliOptions {
    std::string file, level, groupDelay;
    ImportArgs args;
};

int Run(const ImportCliOptions& o) {
    CliUserInterface ui;
    ImportOptions options = ToImportOptions(o.args);
    ImportedMeasurement m;
    {
        ProgressScope progress(ui, QV_TR("Import"));
        options.progress = [&](double f) {
            progress(f, QV_TR("reading and analysing"));
            return true;
        };
        m = ImportForCommand(o.file, options);
    }
    std::cerr << Tr(m.report.Text()) << "\n";
    // Everything is checked before the first file is written.
    if (!o.level.empty() && m.level.empty()) {
        std::cerr << Tr(QV_TR("The file gives no level; nothing written.")) << "\n";
        return kExitRefused;
    }
    if (!o.level.empty() && !WriteCurveFile(o.level, m.level, ui)) return kExitRefused;
    // A level without a phase is still a measurement: it is written, and the
    // missing delay is said, not treated as a failure.
    if (!o.groupDelay.empty() && m.groupDelay.empty()) {
        std::cerr << Tr(QV_TR("The file gives no group delay; no group delay was written."))
                  << "\n";
        return kExitOk;
    }
    if (!o.groupDelay.empty() && !WriteCurveFile(o.groupDelay, m.groupDelay, ui))
        return kExitRefused;
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<ImportCliOptions>();
    cmd.add_option(
           "FILE", o->file,
           Tr(QV_TR("a text response (FRD, CSV, exports), an audio impulse (WAV, AIFF, FLAC, "
                    "W64) or a text impulse")))
        ->required();
    AddImportOptions(cmd, o->args);
    cmd.add_option("--level", o->level, Tr(QV_TR("write the level in dB (XY-Format)")));
    cmd.add_option("--group-delay", o->groupDelay,
                   Tr(QV_TR("write the group delay in ms (XY-Format)")));
    return [o] { return Run(*o); };
}

const RegisterCommand kRegistration({"import",
                                     QV_TR("a measurement file to level and group delay curves"),
                                     Setup});

}  // namespace
}  // namespace qv::cli
