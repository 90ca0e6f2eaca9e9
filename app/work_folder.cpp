#include "app/work_folder.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace qv {
namespace fs = std::filesystem;

#ifndef QV_INSTALL_DATADIR
#define QV_INSTALL_DATADIR "/usr/share"
#endif

bool HoldsStartFiles(const fs::path& folder) {
    std::error_code ec;
    return fs::exists(folder / "impuls.cfg", ec) || fs::exists(folder / "amlin.cor", ec);
}

WorkFolderChoice ChooseWorkFolder(const WorkFolderInputs& in) {
    WorkFolderChoice out;
    out.folder = in.current;
    if (HoldsStartFiles(in.current)) return out;
    std::error_code ec;
    const fs::path* demo = nullptr;
    for (const fs::path& d : in.demoFolders)
        if (fs::is_directory(d, ec)) {
            demo = &d;
            break;
        }
    if (demo == nullptr) return out;  // not installed: as before, here
    fs::path data = in.xdgDataHome;
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    if (data.empty() || data.is_relative()) {
        if (in.home.empty()) {
            out.problem = "neither XDG_DATA_HOME nor HOME is set";
            return out;
        }
        data = fs::path(in.home) / ".local" / "share";
    }
    const fs::path work = data / "quorvane" / "work";
    fs::create_directories(work, ec);
    if (ec) {
        out.problem = "cannot create " + work.string() + ": " + ec.message();
        return out;
    }
    for (const fs::directory_entry& e : fs::directory_iterator(*demo, ec)) {
        if (!e.is_regular_file()) continue;
        const fs::path target = work / e.path().filename();
        if (fs::exists(target)) continue;
        if (fs::copy_file(e.path(), target, ec)) out.copied.push_back(e.path().filename().string());
        if (ec) {
            out.problem = "cannot copy " + e.path().string() + ": " + ec.message();
            return out;
        }
    }
    out.folder = work;
    out.own = true;
    return out;
}

std::vector<fs::path> InstalledDemoFolders() {
    std::vector<fs::path> folders;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) folders.push_back(exe.parent_path().parent_path() / "share" / "quorvane" / "demo");
    folders.push_back(fs::path(QV_INSTALL_DATADIR) / "quorvane" / "demo");
    return folders;
}

void EnterWorkFolder() {
    std::error_code ec;
    WorkFolderInputs in;
    in.current = fs::current_path(ec);
    if (ec) return;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    in.xdgDataHome = xdg != nullptr ? xdg : "";
    in.home = home != nullptr ? home : "";
    in.demoFolders = InstalledDemoFolders();
    const WorkFolderChoice c = ChooseWorkFolder(in);
    if (!c.problem.empty()) std::fprintf(stderr, "quorvane: %s\n", c.problem.c_str());
    if (c.own) fs::current_path(c.folder, ec);
    if (ec) std::fprintf(stderr, "quorvane: cannot work in %s\n", c.folder.string().c_str());
}

std::string AbsoluteFromHere(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const fs::path p = fs::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

}  // namespace qv
