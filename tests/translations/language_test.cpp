#include "translations/language.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Language, ChoiceWinsThenTheLocale) {
    struct Case {
        const char *choice, *locale, *language;
    };
    const Case cases[] = {
        {"", "en_US", "en"}, {"", "en_GB", "en"},   {"", "de_DE", "de"},   {"", "C", "de"},
        {"", "fr_FR", "de"}, {"de", "en_US", "de"}, {"en", "de_AT", "en"}, {"fr", "en_US", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseLanguage(c.choice, c.locale), c.language) << c.choice << " " << c.locale;
}

TEST(Language, CoreTextsByWordingAndAroundWhatTheCorePutIn) {
    const Language en("en", QV_TEST_TS_DIR);
    ASSERT_EQ(en.size(), 2u);  // unfinished and identical translations do not count
    EXPECT_EQ(en.CoreText("keine RS232-Verbindung zu DSP!"), "no RS232 connection to the DSP!");
    EXPECT_EQ(en.CoreText("Fehler beim Zugriff auf /tmp/a.dat."), "Error accessing /tmp/a.dat.");
    EXPECT_EQ(en.CoreText("an unknown text"), "an unknown text");
    const Language de("de", QV_TEST_TS_DIR);
    EXPECT_EQ(de.CoreText("keine RS232-Verbindung zu DSP!"), "keine RS232-Verbindung zu DSP!");
}

}  // namespace
}  // namespace qv
