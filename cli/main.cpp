// quorvane-cli: the editor's work without a window, for scripts and batches.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <regex>

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

// The help's own frame: labels, group titles and value types.
constexpr const char* kFrameLabels[] = {
    QV_TR("Usage"),       QV_TR("OPTIONS"),  QV_TR("SUBCOMMAND"), QV_TR("SUBCOMMANDS"),
    QV_TR("Positionals"), QV_TR("REQUIRED"), QV_TR("Needs"),      QV_TR("Excludes"),
    QV_TR("TEXT"),        QV_TR("INT"),      QV_TR("UINT"),       QV_TR("FLOAT"),
    QV_TR("POSITIVE"),
};
constexpr const char* kOptionsGroup = QV_TR("Options");
constexpr const char* kSubcommandsGroup = QV_TR("Subcommands");
constexpr const char* kHelpFlag = QV_TR("Print this help message and exit");

// Value types reach the help joined with their checks ("INT:INT in [1 - 1000]"),
// so each capital word is looked up on its own.
class HelpFormatter : public CLI::Formatter {
  public:
    HelpFormatter() {
        for (const char* text : kFrameLabels) label(text, Tr(text));
    }
    std::string make_option_opts(const CLI::Option* opt) const override {
        const std::string plain = CLI::Formatter::make_option_opts(opt);
        static const std::regex word("\\b[A-Z]{2,}\\b");
        std::string out;
        auto last = plain.cbegin();
        for (std::sregex_iterator it(plain.begin(), plain.end(), word), end; it != end; ++it) {
            out.append(last, (*it)[0].first);
            out += get_label(it->str());
            last = (*it)[0].second;
        }
        out.append(last, plain.cend());
        return out;
    }
};

// Group titles belong to each option and subcommand, so they are renamed
// once everything is built.
void TranslateGroups(CLI::App& app) {
    for (CLI::Option* opt : app.get_options())
        if (opt->get_group() == "Options") opt->group(Tr(kOptionsGroup));
    for (CLI::App* sub : app.get_subcommands({})) {
        if (sub->get_group() == "Subcommands") sub->group(Tr(kSubcommandsGroup));
        TranslateGroups(*sub);
    }
}

// CLI11's own parse errors, as whole sentences with their values, so that
// they read in the chosen language; one not listed stays as CLI11 says it.
std::string ParseErrorText(const std::string& what) {
    static const struct {
        std::regex pattern;
        const char* text;
    } kMessages[] = {
        {std::regex("(.+) is required"), QV_TR("%1 is required")},
        {std::regex("(\\S+) excludes (.+)"), QV_TR("%1 excludes %2")},
        {std::regex("(\\S+) requires (.+)"), QV_TR("%1 requires %2")},
        {std::regex("A subcommand is required"), QV_TR("A subcommand is required")},
        {std::regex("The following arguments? (?:was|were) not expected: (.+)"),
         QV_TR("Not expected: %1")},
        {std::regex("(\\S+): Value (.+) not in range (\\S+) to (\\S+)"),
         QV_TR("%1: %2 is not in the range %3 to %4")},
        {std::regex("(\\S+): (.+) not in \\{(.*)\\}"), QV_TR("%1: %2 is not one of %3")},
        {std::regex("Could not convert: (\\S+) = (.+)"), QV_TR("%1: %2 is not a value it takes")},
        {std::regex("(\\S+): \\d+ required \\S+ missing"), QV_TR("%1: the value is missing")},
    };
    // "1.000000" reads as "1".
    auto value = [](const std::string& v) {
        char* end = nullptr;
        const double d = std::strtod(v.c_str(), &end);
        if (end == v.c_str() || *end != '\0') return v;
        char text[40];
        std::snprintf(text, sizeof text, "%g", d);
        return std::string(text);
    };
    std::smatch m;
    for (const auto& message : kMessages) {
        if (!std::regex_match(what, m, message.pattern)) continue;
        std::string v[4];
        for (std::size_t i = 1; i < m.size() && i <= 4; ++i) v[i - 1] = value(m[i].str());
        return Tr(Fill(message.text, {v[0], v[1], v[2], v[3]}));
    }
    return what;
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
    // Set before the subcommands are added: they take both over.
    app.formatter(std::make_shared<HelpFormatter>());
    app.set_help_flag("-h,--help", Tr(kHelpFlag));
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return ParseErrorText(e.what()) + "\n" + Tr(kMoreHelp) + "\n";
    });
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
    TranslateGroups(app);
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
