// The window side of the box history: closing the main window during a
// transfer asks, stops it like Cancel and closes once it has ended; the
// "History…" list returns the state picked.

#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/box_history_dlg.h"
#include "app/kdsp.h"
#include "dspbox/virtual_dsp_box.h"
#include "tests/dsp_dialogs/qt_app.h"
#include "tests/support/test_support.h"
#include "tests/support/window_parts.h"

// Fontconfig keeps its caches to the end of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace qv {
namespace {

TEST(TransferWindow, CloseDuringATransferAsksAndStopsItFirst) {
    test::QtApp();
    test::WindowParts<VirtualDspBox> p;
    TForm1 form(p.ws, p.dsp, p.ui);
    form.show();
    auto* progress = new QProgressDialog(QStringLiteral("Filter -> DSP"), QStringLiteral("Cancel"),
                                         0, 1000, &form);
    progress->show();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        test::WhenModal([answer](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) box->button(answer)->click();
        });
        EXPECT_FALSE(form.close());
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(progress->wasCanceled(), answer == QMessageBox::Yes);
    }
    // The transfer has said its message and ended: the window closes without asking again.
    progress->hide();
    EXPECT_TRUE(form.close());
}

TEST(TransferWindow, HistoryListReturnsThePickedState) {
    test::QtApp();
    TBoxHistoryDlg dialog;
    const std::vector<std::string> lines = {"newest", "older", "oldest"};
    test::WhenModal([&dialog](QWidget*) {
        dialog.list()->setCurrentRow(1);
        test::SaveShot(&dialog, "box_history");
        dialog.restoreButton()->click();
    });
    EXPECT_EQ(dialog.Pick("Set 3 at 48 kHz", lines), std::optional<std::size_t>(1));
    test::WhenModal([&dialog](QWidget*) { dialog.reject(); });
    EXPECT_EQ(dialog.Pick("Set 3 at 48 kHz", lines), std::nullopt);
}

}  // namespace
}  // namespace qv
