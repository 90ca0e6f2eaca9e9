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
     " DSP Synchronisation ",
     {{"RadioButtonSampleRateSync", "Sample Rate Conversion Sync. "},
      {"RadioButtonLenseSync", "Digital Lense Synchronisation"},
      {"RadioButtonCrossoverSync", "Crossover Synchronisation"}}},
    {"GroupBoxOutput",
     " DSP Output",
     {{"RadioButtonSpdif", "SPDIF "},
      {"RadioButtonI2SActiv", "I2S activ (own Framesync)"},
      {"RadioButtonI2SPassive", "I2S passive (extern Framesync)"}}},
    {"GroupBoxOszillator",
     " DSP Oszillator Frequency ",
     {{"RadioButtonOsc24MHz", "24.576 MHz (48kHz, DAT)"},
      {"RadioButtonOsc16MHz", "16 MHz (44.1 kHz, CD)"}}},
    {"GroupBoxI2SFormat",
     " DSP I2S Output Format ",
     {{"RadioButtonLeftjustified", "Leftjustified ( e.g. WM8741)"},
      {"RadioButtonRightjustified", "Rightjustified ( e.g. PCM1704)"}}},
    {"GroupBoxSampleRate",
     " DSP Sample Rate Frequency ",
     {{"RadioButton44k1", "44.1 kHz"},
      {"RadioButton48k", "48 kHz"},
      {"RadioButton88k2", "88.2 kHz"},
      {"RadioButton96k", "96 kHz"}}},
};

}  // namespace

TSetUpHardwareDlg::TSetUpHardwareDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TSetUpHardwareDlg"));
    setWindowTitle(QStringLiteral("Setup DSP Hardware"));

    for (int g = 0; g < kGroupCount; ++g) {
        auto* box = new QGroupBox(QString::fromUtf8(kGroups[g].caption), this);
        box->setObjectName(QString::fromLatin1(kGroups[g].name));
        auto* column = new QVBoxLayout(box);
        for (const Choice& c : kGroups[g].choices) {
            auto* button = new QRadioButton(QString::fromUtf8(c.caption), box);
            button->setObjectName(QString::fromLatin1(c.name));
            column->addWidget(button);
            choices[static_cast<std::size_t>(g)].push_back(button);
        }
        column->addStretch();
        choices[static_cast<std::size_t>(g)].front()->setChecked(true);
        groups[static_cast<std::size_t>(g)] = box;
    }

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
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
