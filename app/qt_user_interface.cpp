#include "app/qt_user_interface.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "curves/curve_files.h"
#include "curves/time_left.h"
#include "translations/language.h"

namespace qv {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString TimeLeft(qint64 elapsedMs, double fraction) {
    return TrCore(TimeLeftText(elapsedMs, fraction));
}

}  // namespace

QString ToQtFilter(const std::string& filter) {
    const QStringList parts = Q(filter).split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i];
        const QString pattern = parts[i + 1];
        // "*.*" means every file; on this platform that is "*".
        const QString qtPattern = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
        const QString inCaption = '(' + pattern + ')';
        if (caption.contains(inCaption))
            caption.replace(inCaption, '(' + qtPattern + ')');
        else
            caption += " (" + qtPattern + ')';
        entries << caption;
    }
    return entries.join(QStringLiteral(";;"));
}

bool LoadQtOwnTexts(QTranslator& translator, const std::string& language, const QString& folder) {
    if (language != "de") return false;
    return translator.load(
        QStringLiteral("qtbase_de"),
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder);
}

QString QtUserInterface::T(const std::string& text) {
    return TrCore(text);
}

std::string QtUserInterface::Translated(const std::string& text) {
    return T(text).toStdString();
}

void QtUserInterface::Message(const std::string& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), T(text));
}

bool QtUserInterface::Offer(const std::string& text, const std::string& action) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), T(text),
                    QMessageBox::Ok, parent_);
    QPushButton* act = box.addButton(T(action), QMessageBox::AcceptRole);
    box.exec();
    return box.clickedButton() == act;
}

void QtUserInterface::ErrorBox(const std::string& title, const std::string& text) {
    QMessageBox::critical(parent_, T(title), T(text));
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(const std::string& filter) {
    const QString name = QFileDialog::getOpenFileName(parent_, QString(), QString(),
                                                      ToQtFilter(T(filter).toStdString()));
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(const std::string& filter) {
    QFileDialog dialog(parent_, QString(), QString(), ToQtFilter(T(filter).toStdString()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A typed name without extension gets the filter's; the question before an
    // overwrite is asked below, once, with the DSP program files in mind.
    dialog.setDefaultSuffix(Q(FilterExtension(filter)));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const std::string name =
            WithFilterExtension(dialog.selectedFiles().front().toStdString(), filter);
        const std::string question = SaveQuestion(name);
        if (question.empty() ||
            QMessageBox::warning(parent_, QApplication::applicationName(), T(question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes)
            return name;
        dialog.selectFile(Q(name));
    }
}

void QtUserInterface::SetBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUserInterface::BeginProgress(const std::string& title) {
    // Nested operations (a write inside a transfer) share the outer dialog.
    if (progressDepth_++ > 0) return;
    progressTitle_ = T(title);
    cancelled_ = false;
    progress_ = new QProgressDialog(progressTitle_,
                                    QCoreApplication::translate("qv::QtUserInterface", "Cancel"), 0,
                                    1000, parent_);
    progress_->setWindowTitle(progressTitle_);
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->setMinimumDuration(0);
    progress_->setMinimumWidth(420);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setValue(0);
    progress_->show();
    elapsed_.start();
    QCoreApplication::processEvents();
}

void QtUserInterface::Progress(double fraction, const std::string& text) {
    if (!progress_) return;
    fraction = fraction < 0 ? 0 : (fraction > 1 ? 1 : fraction);
    progress_->setLabelText(QStringLiteral("%1\n%2 %  -  %3")
                                .arg(T(text))
                                .arg(static_cast<int>(fraction * 100))
                                .arg(TimeLeft(elapsed_.elapsed(), fraction)));
    progress_->setValue(static_cast<int>(fraction * 1000));
    // The transfer runs on this thread: let the window repaint meanwhile, and
    // the progress dialog (modal, so nothing else) take a click on "Cancel".
    QCoreApplication::processEvents();
}

bool QtUserInterface::ProgressCancelled() {
    if (progress_ && progress_->wasCanceled()) cancelled_ = true;
    return cancelled_;
}

void QtUserInterface::StatusLine(const std::string& text) {
    if (onStatusLine) onStatusLine(T(text).toStdString());
}

void QtUserInterface::EndProgress() {
    if (progressDepth_ == 0 || --progressDepth_ > 0) return;
    if (progress_) {
        progress_->close();
        progress_->deleteLater();
    }
    progress_ = nullptr;
}

}  // namespace qv
