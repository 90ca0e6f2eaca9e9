// quorvane-cli: the editor's work without a window, for scripts and batches.

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>

#include <QLocale>

#include "cli/cli_command.h"
#include "cli/cli_language.h"
#include "curves/tr.h"
#include "translations/language.h"

namespace qv::cli {

constexpr const char* kAbout =
    QV_TR("The Quorvane DSP Editor's work without a window, for scripts and batches.");
constexpr const char* kLanguageHelp =
    QV_TR("de: the original texts, en: English (default: from the locale)");
// Said below every usage error.
constexpr const char* kMoreHelp = QV_TR("Run with --help for more information.");

// The --lang value as given, read before the options are built: their help
// texts are in that language.
std::string LanguageArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--lang" && i + 1 < argc) return argv[i + 1];
        if (a.rfind("--lang=", 0) == 0) return a.substr(7);
    }
    return {};
}

std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

}  // namespace qv::cli

int main(int argc, char** argv) {
    using namespace qv::cli;
    // An unknown --lang value shows the original texts until parsing refuses it.
    UseLanguage(
        qv::ChooseLanguage(LanguageArgument(argc, argv), QLocale::system().name().toStdString()));
    CLI::App app{Tr(kAbout), "quorvane-cli"};
    app.require_subcommand(1);
    std::string language;
    app.add_option("--lang", language, Tr(kLanguageHelp))->check(CLI::IsMember({"de", "en"}));
    auto commands = Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
    std::vector<std::pair<CLI::App*, CommandRun>> runs;
    for (const auto& c : commands) {
        CLI::App* sub = app.add_subcommand(c.name, Tr(c.description));
        runs.emplace_back(sub, c.setup(*sub));
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? kExitOk : kExitUsage;
    }
    for (const auto& [sub, run] : runs) {
        if (!sub->parsed()) continue;
        try {
            return run();
        } catch (const UsageError& e) {
            std::cerr << "quorvane-cli " << sub->get_name() << ": " << Tr(e.what()) << "\n"
                      << Tr(kMoreHelp) << "\n";
            return kExitUsage;
        } catch (const std::exception& e) {
            std::cerr << Tr(e.what()) << "\n";
            return kExitRefused;
        }
    }
    return kExitUsage;
}
