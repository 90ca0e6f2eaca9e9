#include "app/command_line.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CommandLine, ReadsOptions) {
    EditorOptions o =
        ParseEditorOptions({"--com1", "/dev/pts/7", "--virtual-dsp", "--com4", "/dev/ttyUSB0"});
    EXPECT_TRUE(o.error.empty());
    EXPECT_TRUE(o.virtualDsp);
    EXPECT_EQ(o.comDevices[0], "/dev/pts/7");
    EXPECT_EQ(o.comDevices[1], "");
    EXPECT_EQ(o.comDevices[3], "/dev/ttyUSB0");
    EXPECT_TRUE(ParseEditorOptions({"--help"}).help);
    EXPECT_TRUE(ParseEditorOptions({"--quit-after-start"}).quitAfterStart);
    EXPECT_FALSE(ParseEditorOptions({}).virtualDsp);
    EXPECT_FALSE(ParseEditorOptions({"--virtual-dsp"}).erasedBox);
    EXPECT_TRUE(ParseEditorOptions({"--virtual-dsp", "--erased"}).erasedBox);
    EXPECT_EQ(ParseEditorOptions({"--virtual-dsp", "hall.qvproj"}).projectFile, "hall.qvproj");
}

TEST(CommandLine, RejectsWhatItCannotRead) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--com1"},
                                                                  {"--com5", "x"},
                                                                  {"--com1", ""},
                                                                  {"--bogus"},
                                                                  {"file.dat"},
                                                                  {"a.qvproj", "b.qvproj"}})
        EXPECT_FALSE(ParseEditorOptions(args).error.empty()) << args[0];
}

}  // namespace
}  // namespace qv
