#include <QApplication>

#include "app/kdsp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    qv::TForm1 window;
    window.show();
    return QApplication::exec();
}
