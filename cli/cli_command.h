#pragma once
// The subcommands of quorvane-cli register themselves here, one file each.

#include <string>
#include <vector>

namespace qv::cli {

struct CliCommand {
    const char* name;
    const char* usage;  // one or more lines, shown by --help
    int (*run)(const std::vector<std::string>& args);
};

// Exit statuses shared by all subcommands.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

std::vector<CliCommand>& Commands();

struct RegisterCommand {
    explicit RegisterCommand(CliCommand c) { Commands().push_back(c); }
};

}  // namespace qv::cli
