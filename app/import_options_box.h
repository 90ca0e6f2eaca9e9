#pragma once
// The import options of a measurement as the "Import Measurement" and
// "Average Measurements" dialogs show them: the rate of a text impulse, the
// gate around the peak and the frequency-dependent window, with the rows a
// dialog adds above them (column pair, channel, method) in the same columns.
// Also the progress dialog with Cancel that both show while a long import or
// average runs.

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/import_measurement.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;
class QLineEdit;

namespace qv {

class TImportOptionsBox : public QWidget {
    Q_OBJECT
  public:
    explicit TImportOptionsBox(QWidget* parent = nullptr);

    // A row of the dialog's own above the impulse fields; a narrow field
    // keeps its width instead of spanning the row.
    void AddRow(QWidget* label, QWidget* field, bool narrow = false);
    // The text after the rate field ("Hz" unless set) and the field's hint.
    void SetRateUnit(const QString& unit, const QString& placeholder = {});
    // Which rows show: the rate of a text impulse; the gate and the window.
    void ShowRate(bool on);
    void ShowGate(bool on);

    // Puts fields into the widgets without a Changed signal.
    void SetFields(const ImpulseFields& f);
    // The fields as typed, trimmed.
    ImpulseFields Fields() const;

    QLabel* LabelRate = nullptr;
    QLineEdit* EditRate = nullptr;
    QCheckBox* CheckBoxGate = nullptr;
    QLineEdit* EditGateFrom = nullptr;
    QLineEdit* EditGateTo = nullptr;
    QCheckBox* CheckBoxFdw = nullptr;
    QLineEdit* EditFdw = nullptr;

  Q_SIGNALS:
    // A box was ticked or a field left after editing.
    void Changed();

  private:
    void EnableEdits();

    QGridLayout* grid_ = nullptr;
    QLabel* labelRateUnit_ = nullptr;
    std::vector<QWidget*> rateRow_, gateRows_;  // shown or hidden together
    int ownRows_ = 0;
    bool setting_ = false;
};

// The OK and Cancel buttons at the foot of both dialogs, OK the default.
QLayout* NewOkCancelRow(QWidget* parent, QPushButton*& ok, QPushButton*& cancel);

// Runs refresh with a progress dialog that shows only after a moment, with
// the per cent done, the time left and Cancel; `what` (a file name, or
// empty) stands above them. A cancel ends refresh with ImportCancelled,
// which this catches: the rules' report says so.
void RefreshWithProgress(QWidget* parent, const QString& title, const QString& what,
                         const std::function<void(const ImportProgress&)>& refresh);

}  // namespace qv
