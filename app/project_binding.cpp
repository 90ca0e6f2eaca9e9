#include "app/project_binding.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include "app/kdsp.h"
#include "app/project_info_dlg.h"
#include "translations/language.h"

namespace qv {
namespace {

constexpr const char* kRecentKey = "recentProjects";

std::unique_ptr<QSettings> Settings(const std::string& file) {
    if (file.empty())
        return std::make_unique<QSettings>(QStringLiteral("quorvane"), QStringLiteral("quorvane"));
    return std::make_unique<QSettings>(QString::fromStdString(file), QSettings::IniFormat);
}

bool IsRoomDiagram(DiagramId id) {
    return id == FrequencyRoomDiagram || id == DelayRoomDiagram || id == ImpulsRoomDiagram ||
           id == FilterRoomDiagram;
}

}  // namespace

ProjectBinding::ProjectBinding(TForm1& form, Workspace& ws, UserInterface& ui, DspSession& dsp,
                               const ProjectPlaces& places)
    : form_(form),
      ws_(ws),
      ui_(ui),
      settingsFile_(places.settingsFile),
      commands_(ws, ui, *this, dsp.chooserState(), dsp.profile(),
                places.autosaveDir.empty() ? DefaultAutosaveDir() : places.autosaveDir) {
    std::vector<std::string> recent;
    for (const QString& p : Settings(settingsFile_)->value(kRecentKey).toStringList())
        recent.push_back(p.toStdString());
    commands_.SetRecent(std::move(recent));

    autosave_.setSingleShot(true);
    autosave_.setInterval(kAutosaveMs);
    connect(&autosave_, &QTimer::timeout, this, [this] { commands_.Autosave(); });

    commands_.onDocumentReplaced = [this] {
        Editor& e = form_.editor();
        e.ClearHistory();
        form_.SyncRoomSize();
        e.ShowDiagram(ws_.CurrentDiagram,
                      IsRoomDiagram(ws_.CurrentDiagram) ? RoomBox::Shown : RoomBox::Hidden, true);
        // Also when opened at start or from the recent list, outside a menu
        // command: the last transfer line goes and the guide follows the document.
        form_.ShowTransferLine({});
    };
    commands_.onStateChanged = [this] { StateChanged(); };
    form_.onDocumentTouched = [this] { Touched(); };
    form_.canClose = [this] {
        if (!commands_.MaybeSaveChanges()) return false;
        commands_.RemoveAutosave();
        return true;
    };

    form_.SetCommand(
        MenuId::MenuOpenProject, [this] { commands_.OpenProject(); }, false);
    form_.SetCommand(
        MenuId::MenuSaveProject, [this] { commands_.SaveProject(); }, false);
    form_.SetCommand(
        MenuId::MenuSaveProjectAs, [this] { commands_.SaveProjectAs(); }, false);
    info_ = new TProjectInfoDlg(&form_);
    form_.SetCommand(
        MenuId::MenuProjectInfo, [this] { info_->Execute(ws_); }, false);
    StateChanged();
}

ProjectBinding::~ProjectBinding() {
    form_.onDocumentTouched = nullptr;
    form_.canClose = nullptr;
}

ProjectQuestions::Answer ProjectBinding::AskSaveChanges(const std::string& name) {
    if (questions_) return questions_->AskSaveChanges(name);
    const auto b = QMessageBox::question(
        &form_, QStringLiteral("Quorvane"),
        name.empty() ? QCoreApplication::translate("qv::ProjectBinding", "Save the changes?")
                     : QCoreApplication::translate("qv::ProjectBinding", "Save the changes to %1?")
                           .arg(QString::fromStdString(name)),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return b == QMessageBox::Save      ? Answer::Save
           : b == QMessageBox::Discard ? Answer::Discard
                                       : Answer::Cancel;
}

bool ProjectBinding::AskYesNo(const std::string& text) {
    if (questions_) return questions_->AskYesNo(text);
    return QMessageBox::question(&form_, QStringLiteral("Quorvane"), TrCore(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ProjectBinding::Touched() {
    commands_.NoteComputedFilters();
    form_.setWindowTitle(QString::fromStdString(commands_.Caption()));
    if (commands_.Changed() && !autosave_.isActive()) autosave_.start();
}

void ProjectBinding::StateChanged() {
    form_.setWindowTitle(QString::fromStdString(commands_.Caption()));
    QStringList list;
    for (const std::string& p : commands_.recent()) list << QString::fromStdString(p);
    auto settings = Settings(settingsFile_);
    if (settings->value(kRecentKey).toStringList() != list) settings->setValue(kRecentKey, list);
    RebuildRecentMenu();
}

void ProjectBinding::RebuildRecentMenu() {
    QMenu* menu = form_.submenu(MenuId::MenuRecentProjects);
    if (menu == nullptr) return;
    menu->clear();
    int n = 0;
    for (const std::string& path : commands_.recent()) {
        QAction* a =
            menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(QString::fromStdString(path)));
        // Queued: opening rebuilds this menu, which must not happen inside its own signal.
        connect(
            a, &QAction::triggered, this, [this, path] { OpenRecent(path); }, Qt::QueuedConnection);
    }
    form_.menuState().SetEnabled(MenuId::MenuRecentProjects, n > 0);
}

void ProjectBinding::OpenRecent(const std::string& path) {
    form_.editor().Run(
        [this, path] {
            if (!commands_.MaybeSaveChanges()) return;
            if (auto error = commands_.OpenProjectFile(path)) {
                ui_.Message(*error);
                // A project that cannot be opened leaves the list.
                std::vector<std::string> recent = commands_.recent();
                std::erase(recent, path);
                commands_.SetRecent(std::move(recent));
                StateChanged();
            }
        },
        false);
    Touched();
}

}  // namespace qv
