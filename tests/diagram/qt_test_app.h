#pragma once
// The Qt tests share one QApplication, made by qt_test_main.cpp.

#include <QApplication>

namespace qv::test {

inline QApplication& QtTestApp() {
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

}  // namespace qv::test
