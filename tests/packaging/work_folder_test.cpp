// Where the editor works: the current folder when it holds the start files,
// the per-user folder filled from the demo folder otherwise.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/work_folder.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

struct WorkFolder : ::testing::Test {
    test::TempDir dir;
    WorkFolderInputs in;
    WorkFolder() {
        fs::create_directories(dir.path() / "home");
        fs::create_directories(dir.path() / "demo");
        dir.Write("demo/amlin.cor", "0 0\n");
        dir.Write("demo/impuls.cfg", "1\n");
        in.current = dir.path() / "home";
        in.home = (dir.path() / "home").string();
        in.demoFolders = {dir.path() / "missing", dir.path() / "demo"};
    }
};

TEST_F(WorkFolder, FromTheDesktopTheOwnFolderIsFilledOnceAndKeptAfter) {
    WorkFolderChoice c = ChooseWorkFolder(in);
    const fs::path own = dir.path() / "home/.local/share/quorvane/work";
    EXPECT_TRUE(c.own);
    EXPECT_EQ(c.folder, own);
    EXPECT_EQ(c.copied.size(), 2u);
    EXPECT_TRUE(HoldsStartFiles(own));
    // The person's own edits stay; a removed file comes back.
    dir.Write("home/.local/share/quorvane/work/amlin.cor", "0 3\n");
    fs::remove(own / "impuls.cfg");
    c = ChooseWorkFolder(in);
    EXPECT_EQ(c.copied, std::vector<std::string>{"impuls.cfg"});
    EXPECT_EQ(test::ReadBytes((own / "amlin.cor").string()), "0 3\n");
}

TEST_F(WorkFolder, WhereItStays) {
    // XDG_DATA_HOME when it is absolute; a relative one is ignored.
    in.xdgDataHome = (dir.path() / "data").string();
    EXPECT_EQ(ChooseWorkFolder(in).folder, dir.path() / "data/quorvane/work");
    in.xdgDataHome = "data";
    EXPECT_EQ(ChooseWorkFolder(in).folder, dir.path() / "home/.local/share/quorvane/work");
    // A folder with the start files is used as it is.
    dir.Write("home/amlin.cor", "0 0\n");
    EXPECT_FALSE(ChooseWorkFolder(in).own);
    fs::remove(dir.path() / "home/amlin.cor");
    // Not installed (no demo folder): here, as always.
    in.demoFolders = {dir.path() / "missing"};
    const WorkFolderChoice c = ChooseWorkFolder(in);
    EXPECT_FALSE(c.own);
    EXPECT_EQ(c.folder, in.current);
}

}  // namespace
}  // namespace qv
