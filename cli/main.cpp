// quorvane-cli: the editor's work without a window, for scripts and batches.

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>

#include <QLocale>

#include "cli/cli_command.h"
#include "cli/cli_language.h"
#include "translations/language.h"

namespace qv::cli {

std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

}  // namespace qv::cli

int main(int argc, char** argv) {
    using namespace qv::cli;
    CLI::App app{"The Quorvane DSP Editor's work without a window, for scripts and batches.",
                 "quorvane-cli"};
    app.require_subcommand(1);
    std::string language;
    app.add_option("--lang", language,
                   "de: the original texts, en: English (default: from the locale)")
        ->check(CLI::IsMember({"de", "en"}));
    auto commands = Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
    std::vector<std::pair<CLI::App*, CommandRun>> runs;
    for (const auto& c : commands) {
        CLI::App* sub = app.add_subcommand(c.name, c.description);
        runs.emplace_back(sub, c.setup(*sub));
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? kExitOk : kExitUsage;
    }
    UseLanguage(qv::ChooseLanguage(language, QLocale::system().name().toStdString()));
    for (const auto& [sub, run] : runs) {
        if (!sub->parsed()) continue;
        try {
            return run();
        } catch (const UsageError& e) {
            std::cerr << "quorvane-cli " << sub->get_name() << ": " << Tr(e.what())
                      << "\nRun with --help for more information.\n";
            return kExitUsage;
        } catch (const std::exception& e) {
            std::cerr << Tr(e.what()) << "\n";
            return kExitRefused;
        }
    }
    return kExitUsage;
}
