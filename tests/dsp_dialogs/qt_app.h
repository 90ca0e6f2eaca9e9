#pragma once
// One QApplication for the Qt tests, on the offscreen platform unless told
// otherwise, and a way to act on a modal dialog once its event loop runs.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>

namespace qv::test {

inline QApplication& QtApp() {
    static int argc = 1;
    static char name[] = "quorvane-test";
    static char* argv[] = {name, nullptr};
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        QApplication::setApplicationName(QStringLiteral("quorvane"));
        // The main window remembers its size: in a scratch folder, not the user's.
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        return a;
    }();
    return *app;
}

// Runs action on the modal dialog that the next exec() opens.
inline void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* w = QApplication::activeModalWidget();
        if (w != nullptr) action(w);
    });
}

// Saves a picture of w when QV_SHOT_DIR names a folder, so the dialogs can be looked at.
inline void SaveShot(QWidget* w, const char* name) {
    const char* dir = std::getenv("QV_SHOT_DIR");
    if (dir == nullptr) return;
    w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) +
                   QStringLiteral(".png"));
}

}  // namespace qv::test
