#include "dspbox/fault_injection.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using std::chrono::milliseconds;

TEST(FaultSpec, ParsesEveryItem) {
    const FaultSpec spec = ParseFaultSpec(
        "drop=3,drop=9,corrupt=5,late=2:700,late=4,late=all:40,silent=10,erase-fail=2,version=7,"
        "stuck-cell=0,stuck-cell=28672");
    EXPECT_EQ(spec.drop, (std::set<int>{3, 9}));
    EXPECT_EQ(spec.corrupt, (std::set<int>{5}));
    EXPECT_EQ(spec.late.at(2), milliseconds(700));
    EXPECT_EQ(spec.late.at(4), milliseconds(1500));
    EXPECT_EQ(spec.lateAll, milliseconds(40));
    EXPECT_EQ(spec.silentFrom, 10);
    EXPECT_EQ(spec.eraseFailures, 2);
    EXPECT_EQ(spec.version, 7);
    EXPECT_EQ(spec.stuckCells, (std::set<std::size_t>{0, 28672}));
}

TEST(FaultSpec, EmptyTextAndBareEraseFail) {
    EXPECT_EQ(ParseFaultSpec(""), FaultSpec{});
    EXPECT_EQ(ParseFaultSpec("erase-fail").eraseFailures, 1);
}

TEST(FaultSpec, RefusesBadItems) {
    for (const char* bad :
         {"drop", "drop=", "drop=0", "drop=x", "drop=3x", "corrupt=-1", "late=1:abc", "late=:5",
          "silent=0", "version=256", "erase-fail=z", "nap=1", "drop=1,", ",drop=1",
          "drop=1,,drop=2", "stuck-cell", "stuck-cell=32768"}) {
        EXPECT_THROW(ParseFaultSpec(bad), FaultSpecError) << bad;
    }
}

TEST(FaultSpec, HelpNamesEveryFault) {
    const std::string help = FaultSpecHelp();
    for (const char* word : {"drop=N", "corrupt=N", "late=N[:MS]", "silent=N", "erase-fail",
                             "version=V", "stuck-cell=O"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace qv
