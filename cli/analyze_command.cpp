// quorvane-cli analyze: the two impulse commands of the main window on an
// impulse file, with the editor's own analysis code.

#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "curves/curve_files.h"
#include "curves/number_syntax.h"
#include "curves/workspace.h"
#include "dsp_math/impulse_commands.h"

namespace qv::cli {
namespace {

const char* const kUsage =
    "  quorvane-cli analyze --impulse FILE [--imp]\n"
    "      (--response OUT [--fs 90000] [--from 10] [--to 45000] | --group-delay OUT [--fs "
    "61200])\n"
    "      (DAT impulse, or IMP with --imp; the response in dB, the group delay in ms;\n"
    "      XY-Format out)";

int Usage(const std::string& problem) {
    std::cerr << "quorvane-cli analyze: " << problem << "\nusage:\n" << kUsage << "\n";
    return kExitUsage;
}

int RunAnalyze(const std::vector<std::string>& args) {
    static const std::set<std::string> kKeys = {"--impulse", "--response", "--group-delay",
                                                "--fs",      "--from",     "--to"};
    std::map<std::string, std::string> opt;
    bool imp = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            std::cout << "usage:\n" << kUsage << "\n";
            return kExitOk;
        }
        if (args[i] == "--imp") {
            imp = true;
            continue;
        }
        if (!kKeys.count(args[i])) return Usage("unknown argument '" + args[i] + "'");
        if (i + 1 >= args.size()) return Usage(args[i] + " needs a value");
        if (!opt.emplace(args[i], args[i + 1]).second) return Usage(args[i] + " given twice");
        ++i;
    }
    if (!opt.count("--impulse")) return Usage("--impulse is missing");
    const bool response = opt.count("--response") > 0;
    if (response == (opt.count("--group-delay") > 0))
        return Usage("give either --response or --group-delay");
    if (!response && (opt.count("--from") || opt.count("--to")))
        return Usage("--from and --to belong to --response");
    std::map<std::string, double> num = {
        {"--fs", response ? 90000.0 : 61200.0}, {"--from", 10.0}, {"--to", 45000.0}};
    for (auto& [key, value] : num) {
        if (!opt.count(key)) continue;
        const auto v = ToNumber(opt[key]);
        if (!v || !(*v > 0)) return Usage(key + " must be a positive number of Hz");
        value = *v;
    }

    CliUserInterface ui;
    const std::string& file = opt["--impulse"];
    if (!CheckFileReadable(file, ui)) return kExitRefused;
    Workspace ws;
    ws.CurrentDiagram = ImpulseResponseDiagram;
    SetSlot(ws.Current(), 1, file, imp ? ReadImpFile(file) : ReadXYFile(file, ui));
    const bool done =
        response ? RunImpulsFrequencyResponse(ws, ui, num["--fs"], num["--from"], num["--to"])
                 : RunImpulsGroupDelay(ws, ui, num["--fs"]);
    if (!done) return kExitRefused;
    const std::string& out = opt[response ? "--response" : "--group-delay"];
    if (!CheckFileWritable(out, ui)) return kExitRefused;
    WriteXYFile(out, ws.Current().Slot(1).points, ui);
    return kExitOk;
}

const RegisterCommand kRegistration({"analyze", kUsage, RunAnalyze});

}  // namespace
}  // namespace qv::cli
