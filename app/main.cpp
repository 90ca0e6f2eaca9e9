// The editor: start-up in its fixed order, then the window's event loop.

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "app/correction_files.h"
#include "app/device_router.h"
#include "app/editor_shell.h"
#include "app/qt_user_interface.h"
#include "app/work_folder.h"
#include "dspbox/virtual_dsp_box.h"
#include "dsplink/box_history.h"
#include "dsplink/dsp_session.h"
#include "dsplink/qt_serial_device.h"
#include "translations/language.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const qv::EditorOptions options = qv::ParseEditorOptions(args);
    // One language for the whole window, chosen before the first text is
    // shown, the usage and the refusals of the command line included.
    qv::Language language(
        qv::ChooseLanguage(options.language, QLocale::system().name().toStdString()));
    if (options.help) {
        std::fputs(language.CoreText(qv::EditorUsage()).c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "quorvane: %s\n\n%s", language.CoreText(options.error).c_str(),
                     language.CoreText(qv::EditorUsage()).c_str());
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    language.Install();
    QTranslator qtOwnTexts;
    if (qv::LoadQtOwnTexts(qtOwnTexts, language.code()))
        QApplication::installTranslator(&qtOwnTexts);
    qv::QtUserInterface ui;

    // A project named on the command line is found where it was named;
    // from the desktop the editor then works in a per-user folder.
    const std::string projectFile = qv::AbsoluteFromHere(options.projectFile);
    qv::EnterWorkFolder();
    qv::Workspace ws;
    qv::CreateDiagramSet(ws);
    qv::LoadProcessingFiles(ws, ui);

    qv::SteadyClock clock;
    qv::QtSerialDevice serial;
    std::unique_ptr<qv::VirtualDspBox> box;
    if (options.virtualDsp) {
        qv::DspBoxOptions boxOptions;
        boxOptions.factoryContents = !options.erasedBox;
        box = std::make_unique<qv::VirtualDspBox>(clock, boxOptions);
    }
    qv::DeviceRouter router(serial, box.get());
    qv::DspSession dsp(router, clock);
    for (std::uint8_t n = 1; n <= 4; ++n)
        if (!options.comDevices[n - 1].empty())
            dsp.link().port().SetDeviceOverride(n, options.comDevices[n - 1]);
    if (box) dsp.link().port().SetDeviceOverride(1, qv::kVirtualDeviceName);
    // What each set held before a write; the virtual box's states apart from a real one's.
    qv::BoxHistory history(box ? qv::BoxHistory::DefaultRoot() / "virtual"
                               : qv::BoxHistory::DefaultRoot());
    dsp.SetHistory(&history);

    // Message boxes of the connection check already sit over the window.
    qv::EditorShell shell(ws, dsp, ui, [&ui](qv::TForm1& window) { ui.setParent(&window); });
    ui.onStatusLine = [&shell](const std::string& text) { shell.form().ShowTransferLine(text); };
    qv::ProjectCommands& projects = shell.projects().commands();
    if (!projectFile.empty()) {
        if (auto error = projects.OpenProjectFile(projectFile)) {
            if (options.quitAfterStart) {
                std::fprintf(stderr, "quorvane: %s\n", language.CoreText(*error).c_str());
                return 1;
            }
            ui.Message(*error);
        }
    } else if (!options.quitAfterStart) {
        // Work a crashed editor left behind.
        projects.OfferRestore();
    }
    if (options.quitAfterStart) {
        // Once the event loop has shown the window, end with its state.
        QTimer::singleShot(0, &app, [&] { QApplication::exit(shell.form().isVisible() ? 0 : 1); });
    }
    const int status = QApplication::exec();
    // The window may end without a close event (the session ends): the work
    // is then kept for the next start only if it was not saved.
    if (!projects.Changed()) projects.RemoveAutosave();
    return status;
}
