#include "app/project_commands.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "curves/tr.h"
#include "project/project_file.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAutosavePrefix = "autosave-";

std::string ProjectName(const std::string& path) {
    return fs::path(path).stem().string();
}

bool ProcessAlive(long pid) {
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// The project file an autosave stood for, kept beside it.
std::string OriginOf(const fs::path& autosave) {
    std::ifstream in(fs::path(autosave).replace_extension(".origin"));
    std::string origin;
    std::getline(in, origin);
    return origin;
}

}  // namespace

bool SetProjectInfo(Workspace& ws, std::string title, std::string notes) {
    std::replace_if(
        title.begin(), title.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    const auto first = title.find_first_not_of(" \t");
    title = first == std::string::npos
                ? std::string()
                : title.substr(first, title.find_last_not_of(" \t") - first + 1);
    if (title == ws.Title && notes == ws.Notes) return false;
    ws.Title = std::move(title);
    ws.Notes = std::move(notes);
    return true;
}

std::string DefaultAutosaveDir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        base = fs::temp_directory_path();
    return (base / "quorvane" / "autosave").string();
}

ProjectCommands::ProjectCommands(Workspace& ws, UserInterface& ui, ProjectQuestions& ask,
                                 DspState& dsp, const DspProgramProfile& profile,
                                 std::string autosaveDir)
    : ws_(ws),
      ui_(ui),
      ask_(ask),
      dsp_(dsp),
      profile_(profile),
      autosaveDir_(std::move(autosaveDir)),
      saved_(ws) {
    autosaveFile_ =
        (fs::path(autosaveDir_) / (kAutosavePrefix + std::to_string(getpid()) + kProjectExtension))
            .string();
}

void ProjectCommands::NoteComputedFilters() {
    const PointList& eq = ws_.Curve(ImpulseResponseDiagram, CurveRole::Impulse).points;
    if (eq != eqFilterSeen_) {
        eqFilterSeen_ = eq;
        ws_.EqDesign = {profile_.eqTapCount, profile_.eqSampleRate};
    }
    const PointList& room = ws_.Curve(FilterRoomDiagram, CurveRole::Impulse).points;
    if (room != roomFilterSeen_) {
        roomFilterSeen_ = room;
        ws_.RoomDesign = {profile_.roomTapCount, profile_.roomSampleRate};
    }
}

bool ProjectCommands::Changed() const {
    return !SameDocument(ws_, saved_);
}

std::string ProjectCommands::Caption() const {
    if (path_.empty()) return kBaseCaption;
    return std::string(kBaseCaption) + "- " + ProjectName(path_) + (Changed() ? " *" : "");
}

void ProjectCommands::SetRecent(std::vector<std::string> list) {
    if (list.size() > kRecentCount) list.resize(kRecentCount);
    recent_ = std::move(list);
}

void ProjectCommands::AddRecent(const std::string& path) {
    std::erase(recent_, path);
    recent_.insert(recent_.begin(), path);
    if (recent_.size() > kRecentCount) recent_.resize(kRecentCount);
}

void ProjectCommands::Adopt(Workspace&& loaded, const std::string& path, bool keepChanged) {
    const Workspace before = keepChanged ? ws_ : Workspace{};
    TakeDocument(ws_, std::move(loaded));
    dsp_.Choose({ws_.ChosenSet, ws_.ChosenRate});
    path_ = path;
    eqFilterSeen_ = ws_.Curve(ImpulseResponseDiagram, CurveRole::Impulse).points;
    roomFilterSeen_ = ws_.Curve(FilterRoomDiagram, CurveRole::Impulse).points;
    saved_ = keepChanged ? before : ws_;
    if (onDocumentReplaced) onDocumentReplaced();
    StateChanged();
}

bool ProjectCommands::MaybeSaveChanges() {
    if (!Changed()) return true;
    switch (ask_.AskSaveChanges(path_.empty() ? "" : ProjectName(path_))) {
        case ProjectQuestions::Answer::Save:
            return SaveProject();
        case ProjectQuestions::Answer::Discard:
            return true;
        case ProjectQuestions::Answer::Cancel:
            break;
    }
    return false;
}

bool ProjectCommands::OpenProject() {
    if (!MaybeSaveChanges()) return false;
    const auto file = ui_.ChooseOpenFile(kProjectFilter);
    if (!file) return false;
    if (auto error = OpenProjectFile(*file)) {
        ui_.Message(*error);
        return false;
    }
    return true;
}

std::optional<std::string> ProjectCommands::OpenProjectFile(const std::string& path) {
    LoadedProject p;
    try {
        p = ReadProject(path);
    } catch (const std::exception& e) {
        return Fill(QV_TR("Cannot open the project %1"), {e.what()});
    }
    Adopt(std::move(p.ws), fs::absolute(path).lexically_normal().string(), false);
    AddRecent(path_);
    StateChanged();
    if (!p.notes.empty()) {
        std::string text;
        for (const std::string& note : p.notes) text += (text.empty() ? "" : "\n") + note;
        ui_.Message(text);
    }
    return std::nullopt;
}

bool ProjectCommands::WriteTo(const std::string& path) {
    // What the DSP side holds now belongs to the saved work.
    ws_.ChosenSet = dsp_.ChosenSet();
    ws_.ChosenRate = dsp_.ChosenRate();
    // A design not yet noted is the one the next "Execute" would use.
    if (ws_.EqDesign.taps == 0) ws_.EqDesign = {profile_.eqTapCount, profile_.eqSampleRate};
    if (ws_.RoomDesign.taps == 0) ws_.RoomDesign = {profile_.roomTapCount, profile_.roomSampleRate};
    if (ws_.Title.empty()) ws_.Title = ProjectName(path);
    try {
        qv::SaveProject(ws_, path);
    } catch (const std::exception& e) {
        ui_.Message(Fill(QV_TR("The project was not saved: %1"), {e.what()}));
        return false;
    }
    path_ = fs::absolute(path).lexically_normal().string();
    saved_ = ws_;
    AddRecent(path_);
    RemoveAutosave();
    StateChanged();
    return true;
}

bool ProjectCommands::SaveProject() {
    return path_.empty() ? SaveProjectAs() : WriteTo(path_);
}

bool ProjectCommands::SaveProjectAs() {
    auto name = ui_.ChooseSaveFile(kProjectFilter);
    if (!name || name->empty()) return false;
    if (fs::path(*name).extension() != kProjectExtension) *name += kProjectExtension;
    return WriteTo(*name);
}

void ProjectCommands::Autosave() {
    if (!Changed()) return;
    try {
        fs::create_directories(autosaveDir_);
        WriteFileAtomically(autosaveFile_, ProjectText(ws_, "", NowIso8601()));
        std::ofstream(fs::path(autosaveFile_).replace_extension(".origin")) << path_ << "\n";
    } catch (const std::exception&) {
        // A full disk must not interrupt the work; the next minute tries again.
    }
}

void ProjectCommands::RemoveAutosave() {
    std::error_code ec;
    fs::remove(autosaveFile_, ec);
    fs::remove(fs::path(autosaveFile_).replace_extension(".origin"), ec);
}

std::optional<std::string> ProjectCommands::FindOrphanAutosave() const {
    std::error_code ec;
    std::optional<fs::path> newest;
    fs::file_time_type newestTime{};
    for (const auto& entry : fs::directory_iterator(autosaveDir_, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != kProjectExtension || !name.starts_with(kAutosavePrefix))
            continue;
        const long pid = std::strtol(name.c_str() + std::char_traits<char>::length(kAutosavePrefix),
                                     nullptr, 10);
        if (ProcessAlive(pid)) continue;
        const auto time = entry.last_write_time(ec);
        if (!newest || time > newestTime) newest = entry.path(), newestTime = time;
    }
    if (!newest) return std::nullopt;
    return newest->string();
}

bool ProjectCommands::OfferRestore() {
    const auto orphan = FindOrphanAutosave();
    if (!orphan) return false;
    const std::string origin = OriginOf(*orphan);
    bool restored = false;
    if (ask_.AskYesNo(
            origin.empty()
                ? QV_TR("The editor did not end properly last time. Restore the autosaved work?")
                : Fill(QV_TR("The editor did not end properly last time. Restore the autosaved "
                             "work of %1?"),
                       {ProjectName(origin)}))) {
        try {
            LoadedProject p = ReadProject(*orphan);
            Adopt(std::move(p.ws), origin, true);
            restored = true;
        } catch (const std::exception& e) {
            ui_.Message(Fill(QV_TR("The autosave cannot be restored: %1"), {e.what()}));
        }
    }
    std::error_code ec;
    fs::remove(*orphan, ec);
    fs::remove(fs::path(*orphan).replace_extension(".origin"), ec);
    // Keep the restored work safe until it is saved.
    if (restored) Autosave();
    return restored;
}

}  // namespace qv
