#pragma once
// The subcommands of quorvane-cli register themselves here, one file each.
// Each adds its options to its own CLI11 subcommand and hands back what runs
// once the command line has been read.

#include <CLI/CLI.hpp>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv::cli {

// Exit statuses shared by all subcommands.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

using CommandRun = std::function<int()>;

struct CliCommand {
    const char* name;
    const char* description;  // one line, shown by --help
    // Declares the subcommand's options on `command`; the returned function
    // runs it after parsing and gives the exit status.
    CommandRun (*setup)(CLI::App& command);
};

// A combination of options that parsing alone cannot refuse; ends the
// command with the usage status.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::vector<CliCommand>& Commands();

struct RegisterCommand {
    explicit RegisterCommand(CliCommand c) { Commands().push_back(c); }
};

}  // namespace qv::cli
