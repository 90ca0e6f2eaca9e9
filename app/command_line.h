#pragma once
// The editor's command-line options.

#include <array>
#include <string>
#include <vector>

namespace qv {

struct EditorOptions {
    // The device behind COM1 ... COM4; empty: the platform's default.
    std::array<std::string, 4> comDevices;
    bool virtualDsp = false;
    bool quitAfterStart = false;  // smoke tests: start, show the window, end
    bool erasedBox = false;       // the virtual box starts erased, not as from the factory
    bool help = false;
    std::string language;     // "de" or "en"; empty: from the locale
    std::string projectFile;  // a project to open at start
    std::string error;        // non-empty: the options could not be read
};

EditorOptions ParseEditorOptions(const std::vector<std::string>& args);
std::string EditorUsage();

}  // namespace qv
