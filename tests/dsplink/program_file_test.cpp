#include "dsplink/program_file.h"

#include <gtest/gtest.h>

#include "tests/dsplink/link_fixture.h"

namespace qv {
namespace {

using test::Link;

std::string ProgramText(std::size_t lines, const std::string& line = "0x3F") {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) text += line + "\r\n";
    return text;
}

TEST(LoadProgramFile, OneBytePerLine) {
    Link l;
    test::TempDir dir;
    const auto file = dir.Write("p.dat", "0x3F\r\n0xa5\n0XFF\r\n0x00\r\n");
    ASSERT_TRUE(LoadProgramFile(l.session, l.ui, file));
    EXPECT_EQ(l.session.image()[0], 0x3F);
    EXPECT_EQ(l.session.image()[1], 0xA5);
    EXPECT_EQ(l.session.image()[2], 0xFF);
    EXPECT_EQ(l.session.image()[3], 0x00);
    EXPECT_EQ(ImageLength(l.session.image()), 4);
    EXPECT_TRUE(l.ui.messages.empty());
}

TEST(LoadProgramFile, FullProgramAreaFits) {
    Link l;
    test::TempDir dir;
    ASSERT_TRUE(LoadProgramFile(l.session, l.ui, dir.Write("p.dat", ProgramText(28670))));
    EXPECT_EQ(ImageLength(l.session.image()), 28670);
}

TEST(LoadProgramFile, RefusesFaultyFilesAndKeepsImage) {
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"too long", ProgramText(28671), "Zeile 28671"},
        {"short line", "0x12\r\n0x1\r\n", "Zeile 2"},
        {"empty line", "0x12\r\n\r\n0x13\r\n", "Zeile 2"},
        {"not hex", "0x12\r\n0x34\r\n0xG1\r\n", "Zeile 3"},
        {"second digit not hex", "0x1 \r\n", "Zeile 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Link l;
        DspImage filled;
        filled.fill(0x77);
        l.session.PlaceImage(filled);
        test::TempDir dir;
        const auto file = dir.Write("prog.dat", c.text);
        EXPECT_FALSE(LoadProgramFile(l.session, l.ui, file));
        ASSERT_EQ(l.ui.messages.size(), 1u);
        EXPECT_NE(l.ui.messages[0].find(file), std::string::npos);
        EXPECT_NE(l.ui.messages[0].find(c.message), std::string::npos) << l.ui.messages[0];
        for (auto b : l.session.image()) ASSERT_EQ(b, 0x77);
    }
}

TEST(WriteSoftware, MissingFileSendsNothing) {
    Link l;
    test::TempDir dir;
    EXPECT_FALSE(WriteSoftware(l.session, l.ui, dir.File("quorvane.dat")));
    EXPECT_EQ(l.ui.messages, (std::vector<std::string>{
                                 "Fehler beim Zugriff auf " + dir.File("quorvane.dat") + " !",
                                 "DSP Programm NICHT erfolgreich geschrieben"}));
    EXPECT_TRUE(l.pipe.sent.empty());
}

TEST(WriteSoftware, WritesImageLengthAndSelects) {
    Link l;
    l.session.Choose({2, kRate44k1});
    test::TempDir dir;
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "0x" + std::string(1, "0123456789ABCDEF"[i % 16]) + "1\r\n";
    EXPECT_TRUE(WriteSoftware(l.session, l.ui, dir.Write("quorvane.dat", text)));
    EXPECT_EQ(l.ui.messages, std::vector<std::string>{"DSP Programm erfolgreich geschrieben"});
    // 7 erases, 3 blocks of program, the length, both read back, the selection.
    ASSERT_EQ(l.pipe.telegrams.size(), 16u);
    EXPECT_EQ(l.pipe.selectedSets, std::vector<std::uint8_t>{2});
    const std::uint32_t slot = 8 * 32768u;
    for (int i = 0; i < 40; ++i) EXPECT_EQ(l.pipe.FlashAt(slot + i), (i % 16) * 16 + 1);
    EXPECT_EQ(l.pipe.FlashAt(slot + 28670), 40);
    EXPECT_EQ(l.pipe.FlashAt(slot + 28671), 0);
    EXPECT_GE(l.ui.progress.size(), 3u);
    EXPECT_EQ(l.ui.progressEnds, 1);
}

TEST(WriteProgram, FailedEraseStopsBeforeWriting) {
    Link l;
    l.pipe.eraseFailures = 1;
    test::TempDir dir;
    EXPECT_FALSE(WriteProgram(l.session, l.ui, dir.Write("p.dat", ProgramText(10))));
    EXPECT_EQ(l.pipe.telegrams.size(), 7u);
}

}  // namespace
}  // namespace qv
