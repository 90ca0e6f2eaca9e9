#include "app/SetupHardware.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "app/constant_dlg.h"

namespace qv {
namespace {

struct Choice {
    const char* name;
    const char* caption;
};

struct Group {
    const char* name;
    const char* caption;
    std::initializer_list<Choice> choices;
};

// The captions keep the blanks the box's documentation gives them.
const Group kGroups[TSetUpHardwareDlg::kGroupCount] = {
    {"GroupBoxSynchronisation",
     QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", " DSP Synchronisation "),
     {{"RadioButtonSampleRateSync",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "Sample Rate Conversion Sync. ")},
      {"RadioButtonLenseSync",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "Digital Lense Synchronisation")},
      {"RadioButtonCrossoverSync",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "Crossover Synchronisation")}}},
    {"GroupBoxOutput",
     QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", " DSP Output"),
     {{"RadioButtonSpdif", QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "SPDIF ")},
      {"RadioButtonI2SActiv",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "I2S activ (own Framesync)")},
      {"RadioButtonI2SPassive",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "I2S passive (extern Framesync)")}}},
    {"GroupBoxOszillator",
     QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", " DSP Oszillator Frequency "),
     {{"RadioButtonOsc24MHz",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "24.576 MHz (48kHz, DAT)")},
      {"RadioButtonOsc16MHz",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "16 MHz (44.1 kHz, CD)")}}},
    {"GroupBoxI2SFormat",
     QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", " DSP I2S Output Format "),
     {{"RadioButtonLeftjustified",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "Leftjustified ( e.g. WM8741)")},
      {"RadioButtonRightjustified",
       QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "Rightjustified ( e.g. PCM1704)")}}},
    {"GroupBoxSampleRate",
     QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", " DSP Sample Rate Frequency "),
     {{"RadioButton44k1", QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "44.1 kHz")},
      {"RadioButton48k", QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "48 kHz")},
      {"RadioButton88k2", QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "88.2 kHz")},
      {"RadioButton96k", QT_TRANSLATE_NOOP("qv::TSetUpHardwareDlg", "96 kHz")}}},
};

}  // namespace

TSetUpHardwareDlg::TSetUpHardwareDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TSetUpHardwareDlg"));
    setWindowTitle(tr("Setup DSP Hardware"));

    for (int g = 0; g < kGroupCount; ++g) {
        auto* box = new QGroupBox(tr(kGroups[g].caption), this);
        box->setObjectName(QString::fromLatin1(kGroups[g].name));
        auto* column = new QVBoxLayout(box);
        for (const Choice& c : kGroups[g].choices) {
            auto* button = new QRadioButton(tr(c.caption), box);
            button->setObjectName(QString::fromLatin1(c.name));
            column->addWidget(button);
            choices[static_cast<std::size_t>(g)].push_back(button);
        }
        column->addStretch();
        choices[static_cast<std::size_t>(g)].front()->setChecked(true);
        groups[static_cast<std::size_t>(g)] = box;
    }

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // Two columns: the signal path on the left, the clocking on the right.
    auto* grid = new QGridLayout;
    grid->addWidget(groups[0], 0, 0);
    grid->addWidget(groups[1], 1, 0);
    grid->addWidget(groups[3], 2, 0);
    grid->addWidget(groups[2], 0, 1);
    grid->addWidget(groups[4], 1, 1, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSetUpHardwareDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace qv
