#include "translations/language.h"

#include "curves/tr.h"

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
    ASSERT_EQ(en.size(), 8u);  // unfinished and identical translations do not count
    EXPECT_EQ(en.CoreText("keine RS232-Verbindung zu DSP!"), "no RS232 connection to the DSP!");
    EXPECT_EQ(en.CoreText("Fehler beim Zugriff auf /tmp/a.dat."), "Error accessing /tmp/a.dat.");
    EXPECT_EQ(en.CoreText("an unknown text"), "an unknown text");
    const Language de("de", QV_TEST_TS_DIR);
    EXPECT_EQ(de.CoreText("keine RS232-Verbindung zu DSP!"), "keine RS232-Verbindung zu DSP!");
}

TEST(Language, FilledSentencesKeepTheirValuesInTheTranslatedOrder) {
    const Language en("en", QV_TEST_TS_DIR);
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        // Values move to where the translation wants them; a known value is translated too.
        {Fill(QV_TR("Set %1 bei %2 kHz: %3"), {"4", "48", "Filter schreiben"}),
         "writing the filter (Set 4 at 48 kHz)"},
        {Fill(QV_TR("Set %1 bei %2 kHz: %3"), {"12", "44.1", "kein Wort"}),
         "kein Wort (Set 12 at 44.1 kHz)"},
        // Not the sentence: the literal parts differ, or a value would be empty.
        {"Set 4 mit 48 kHz: x", "Set 4 mit 48 kHz: x"},
        {"Set  bei 48 kHz: x", "Set  bei 48 kHz: x"},
    };
    for (const Case& c : cases) EXPECT_EQ(en.CoreText(c.text), c.expected) << c.text;
    EXPECT_EQ(Fill("%2/%1 %3 100%", {"a", "b"}), "b/a %3 100%");
}

TEST(Language, ReportsAreTranslatedLineByLineUnlessKnownWhole) {
    const Language en("en", QV_TEST_TS_DIR);
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"Zeile eins\nZeile zwei", "both lines as one"},
        {"Fehler beim Zugriff auf a.dat\n\nkeine RS232-Verbindung zu DSP!\nunbekannt\n",
         "Error accessing a.dat\n\nno RS232 connection to the DSP!\nunbekannt\n"},
        // A line is never read across into the next one.
        {"a.dat: 3 Zeilen\ngelesen.", "a.dat: 3 lines\ngelesen."},
        {"a.dat: 3 Zeilen gelesen.\nb: 4 Zeilen gelesen.",
         "a.dat: read 3 lines.\nb: read 4 lines."},
        // A value that is itself a filled sentence is translated with it.
        {"a.dat: 12 Zeilen gelesen.", "a.dat: read 12 lines."},
        {"a.dat: 12 Spalten gelesen.", "a.dat: read 12 Spalten."},
        // A sentence that reads the same still translates its values.
        {"Filter schreiben, 3 Zeilen", "writing the filter, 3 lines"},
        // A sentence that changes nothing leaves the known beginning to be found.
        {"Fehler beim Zugriff auf a, b", "Error accessing a, b"},
    };
    for (const Case& c : cases) EXPECT_EQ(en.CoreText(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace qv
