// "quorvane-cli dsp write-setup" takes the setup dialog's start values and
// limits for every field not given, and refuses values outside them.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_support.h"

namespace qv {
namespace {

struct SetupCli : ::testing::Test {
    test::TempDir dir;
    test::ProgramRun last;
    int Run(const std::string& args) {
        // The box history of these runs stays in the test's folder.
        last = test::RunCli("dsp --port virtual --flash " + dir.File("flash.bin") + " " + args,
                            "XDG_DATA_HOME=" + dir.File("data"));
        return last.status;
    }
    std::string Log() { return last.output; }
};

TEST_F(SetupCli, FieldsNotGivenTakeTheDialogsStartValues) {
    ASSERT_EQ(Run("write-setup --set 2 --rate 48 --gain-left 25"), 0) << Log();
    ASSERT_EQ(Run("read-setup --set 2 --rate 48"), 0) << Log();
    const std::string log = Log();
    for (const char* line : {"gain-left 25\n", "gain-right 0\n", "default-left 12\n",
                             "default-right 12\n", "delay-left 1\n", "delay-right 1\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line << log;
}

TEST_F(SetupCli, ValuesOutsideTheDialogsLimitsAreRefusedBeforeAnyTraffic) {
    const struct {
        const char* option;
        const char* range;
    } cases[] = {{"--delay-left 0", "1..5000"},     {"--delay-left 5001", "1..5000"},
                 {"--delay-right 6001", "1..6000"}, {"--gain-right 301", "0..300"},
                 {"--default-left 701", "0..700"},  {"--gain-left 1.5", "0..300"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        EXPECT_EQ(Run(std::string("write-setup --set 1 --rate 44.1 ") + c.option), 2);
        EXPECT_NE(Log().find(c.range), std::string::npos) << Log();
        EXPECT_NE(Log().find("quorvane-cli dsp: "), std::string::npos) << Log();
        EXPECT_FALSE(std::filesystem::exists(dir.File("flash.bin")));
    }
    EXPECT_EQ(Run("write-setup --set 1 --rate 44.1 --delay-left 5000 --delay-right 6000"), 0)
        << Log();
}

}  // namespace
}  // namespace qv
