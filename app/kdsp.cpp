#include "app/kdsp.h"

namespace qv {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Quorvane DSP  Editor  V3.042 "));
    resize(843, 414);
}

}  // namespace qv
