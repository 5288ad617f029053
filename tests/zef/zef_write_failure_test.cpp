// A write that fails must leave the file it was to replace exactly as it
// was, report ZEF_FAIL and leave no temporary file behind.
#include <gtest/gtest.h>

#include "zef_test_support.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace zeftest;

namespace {

const char kOldBytes[] = "[Old]\r\nkept=exactly\r\n\r\n";

class ZefWriteFailure : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("New"), info.get()));
        // Bigger than the old file, so that a cut-off write would show.
        for (int i = 0; i < 100; i++)
            ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("New"), Str("member" + std::to_string(i)),
                                            Str(std::string(200, 'v')), info.get()));
        target = dir.Path("settings.ini");
        WriteBytes(target, kOldBytes);
    }
    void ExpectOldFileAndNoLeftover() {
        EXPECT_EQ(kOldBytes, ReadBytes(target));
        EXPECT_FALSE(fs::exists(target + ".zeftmp"));
    }
    ScratchDir dir;
    std::unique_ptr<ZEFINFO> info = NewRecord();
    std::string target;
};

TEST_F(ZefWriteFailure, SuccessReplacesTheFileAndLeavesNoTemporary) {
    ASSERT_EQ(ZEF_OK, Write(target, info.get()));
    EXPECT_EQ(0u, ReadBytes(target).find("[New]\r\nmember0="));
    EXPECT_FALSE(fs::exists(target + ".zeftmp"));
}

TEST_F(ZefWriteFailure, MissingFolderCreatesNothing) {
    EXPECT_EQ(ZEF_FAIL, Write(dir.Path("absent/settings.ini"), info.get()));
    EXPECT_FALSE(fs::exists(dir.Path("absent")));
    ExpectOldFileAndNoLeftover();
}

TEST_F(ZefWriteFailure, FolderAsTargetIsLeftAlone) {
    std::string folder = dir.Path("folder");
    fs::create_directory(folder);
    WriteBytes(folder + "/inside.txt", "x");
    EXPECT_EQ(ZEF_FAIL, Write(folder, info.get()));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ("x", ReadBytes(folder + "/inside.txt"));
    EXPECT_FALSE(fs::exists(folder + ".zeftmp"));
}

#ifdef _WIN32

// The target held open by another program (a virus scanner, an indexer)
// that shares reading and deleting only: it cannot be replaced.
TEST_F(ZefWriteFailure, TargetHeldOpenByAnotherProgram) {
    HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(ZEF_FAIL, Write(target, info.get()));
    CloseHandle(held);
    ExpectOldFileAndNoLeftover();
}

#else

// The disk fills up halfway: the file size limit makes a write fail the way
// a full disk does, even for root.
TEST_F(ZefWriteFailure, WriteErrorHalfway) {
    struct rlimit saved;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
    void (*savedHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    int result = Write(target, info.get());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    EXPECT_EQ(ZEF_FAIL, result);
    ExpectOldFileAndNoLeftover();
}

TEST_F(ZefWriteFailure, ReadOnlyFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ASSERT_EQ(0, chmod(dir.Dir().c_str(), 0555));
    int result = Write(target, info.get());
    chmod(dir.Dir().c_str(), 0755);
    EXPECT_EQ(ZEF_FAIL, result);
    ExpectOldFileAndNoLeftover();
}

#endif

}  // namespace
