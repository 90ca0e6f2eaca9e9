#pragma once
// Message boxes, file dialogs, the hourglass and the modal progress dialog.

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QTranslator>
#include <QWidget>

#include <functional>

#include "curves/user_interface.h"

namespace qv {

// "DAT - Format (*.dat)|*.dat|(*.*)|*.*" -> "DAT - Format (*.dat);;(*)"
QString ToQtFilter(const std::string& filter);

// Qt's own texts (message box buttons, the file dialog) in the window's
// language: English as Qt has them; for "de" from qtbase_de.qm in folder (the
// system's Qt translations when empty). False when there is nothing to install:
// a missing file leaves them English.
bool LoadQtOwnTexts(QTranslator& translator, const std::string& language,
                    const QString& folder = {});

class QtUserInterface : public UserInterface {
  public:
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void Message(const std::string& text) override;
    bool Offer(const std::string& text, const std::string& action) override;
    void ErrorBox(const std::string& title, const std::string& text) override;
    std::optional<std::string> ChooseOpenFile(const std::string& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& filter) override;
    void SetBusy(bool busy) override;
    void BeginProgress(const std::string& title) override;
    void Progress(double fraction, const std::string& text) override;
    void EndProgress() override;
    bool ProgressCancelled() override;
    std::string Translated(const std::string& text) override;
    void StatusLine(const std::string& text) override;

    // Where status lines go (the main window's status bar).
    std::function<void(const std::string&)> onStatusLine;

  private:
    // A core text in the window's language.
    static QString T(const std::string& text);
    QPointer<QWidget> parent_;
    QPointer<QProgressDialog> progress_;
    QElapsedTimer elapsed_;
    QString progressTitle_;
    int progressDepth_ = 0;
    bool cancelled_ = false;
};

}  // namespace qv
