// quorvane-cli: the editor's work without a window, for scripts and batches.

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>

#include "cli/cli_command.h"

namespace qv::cli {

std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

}  // namespace qv::cli

namespace {

void PrintUsage(std::ostream& out) {
    auto commands = qv::cli::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
    out << "usage: quorvane-cli COMMAND [OPTIONS]\n\ncommands:\n";
    for (const auto& c : commands) out << c.usage << "\n";
    out << "  quorvane-cli --help\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace qv::cli;
    if (argc < 2) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    for (const auto& c : Commands()) {
        if (name != c.name) continue;
        std::vector<std::string> args(argv + 2, argv + argc);
        try {
            return c.run(args);
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return kExitRefused;
        }
    }
    std::cerr << "quorvane-cli: unknown command '" << name << "'\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}
