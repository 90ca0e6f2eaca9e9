#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/qt_user_interface.h"

namespace qv {
namespace {

TEST(QtOwnTexts, GermanButtonsOnlyInGermanAndOnlyWhenInstalled) {
    const QString system = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(system + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German translations are not installed";
    QTemporaryDir empty;
    struct Case {
        const char* language;
        QString folder;
        bool loaded;
    };
    const Case cases[] = {{"de", {}, true}, {"de", empty.path(), false}, {"en", {}, false}};
    for (const Case& c : cases) {
        QTranslator t;
        EXPECT_EQ(LoadQtOwnTexts(t, c.language, c.folder), c.loaded) << c.language;
    }
    QTranslator de;
    ASSERT_TRUE(LoadQtOwnTexts(de, "de"));
    QCoreApplication::installTranslator(&de);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Discard"),
              QStringLiteral("Verwerfen"));
    QCoreApplication::removeTranslator(&de);
}

}  // namespace
}  // namespace qv
