#pragma once
// Where the editor works. Started inside a folder that holds the start files
// ("impuls.cfg" or "amlin.cor") it works there; started elsewhere (from the
// desktop, the current directory is home) it works in
// $XDG_DATA_HOME/quorvane/work, which gets every file of the demo folder it
// lacks, so the correction curves and program files are found. Files there
// are never overwritten.

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

struct WorkFolderInputs {
    std::filesystem::path current;
    std::string xdgDataHome;  // empty: $HOME/.local/share
    std::string home;
    // Demo folders to fill from, the first that exists wins.
    std::vector<std::filesystem::path> demoFolders;
};

struct WorkFolderChoice {
    std::filesystem::path folder;     // where to work
    bool own = false;                 // the per-user folder, not the current one
    std::vector<std::string> copied;  // demo files copied in on this start
    std::string problem;              // why the current folder stays, if it does for a fault
};

bool HoldsStartFiles(const std::filesystem::path& folder);
// Decides, and creates and fills the per-user folder when it is chosen.
WorkFolderChoice ChooseWorkFolder(const WorkFolderInputs& in);
// The demo folders of an installed editor: <prefix>/share/quorvane/demo
// beside the program, then the one of the configured prefix.
std::vector<std::filesystem::path> InstalledDemoFolders();
// Chooses with the process's environment and changes into the folder; a
// problem is printed on standard error and the current folder stays.
void EnterWorkFolder();
// A path given before the move, made absolute against the current folder;
// empty stays empty.
std::string AbsoluteFromHere(const std::string& path);

}  // namespace qv
