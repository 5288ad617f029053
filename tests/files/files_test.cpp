/*
 * The file layer: a file is replaced whole or not at all, whatever stands
 * in the way; a read that cannot reach the end is told apart from a file
 * that is not there; copies never carry a read-only mark.
 */
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

#include "files/files.h"
#include "tests/support/test_files.h"

using namespace testfiles;

namespace {

const std::string OLD = "old list\r\n";
const std::string NEW = std::string(5000, 'n') + "\r\n\x1a\0end"; /* bigger, so a cut write would show */
const fs::perms WRITE_RIGHTS = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

class Files : public ScratchFolder {
protected:
    int Save(const std::string &target, const std::string &bytes = NEW)
    {
        return SaveFileAtomically(target.c_str(), bytes.data(), bytes.size());
    }
    std::string Read(const std::string &path, FileReadResult expected)
    {
        std::string bytes = "stale";
        EXPECT_EQ(ReadWholeFile(path.c_str(), &bytes), expected) << path;
        return bytes;
    }
};

} // namespace

/* A leftover of a crashed save that cannot be written through never stops
   the next one. */
TEST_F(Files, ASaveReplacesTheWholeFileAndLeavesNothingBeside)
{
    WriteBytes(File("list"), OLD);
#ifdef _WIN32
    WriteBytes(File("list.tmp"), "leftover");
    fs::permissions(File("list.tmp"), WRITE_RIGHTS, fs::perm_options::remove);
#else /* root writes through a read-only mark, not through a link into nowhere */
    fs::create_symlink(File("nowhere/list"), File("list.tmp"));
#endif
    ASSERT_EQ(Save(File("list")), 1);
    EXPECT_EQ(ReadBytes(File("list")), NEW);
    EXPECT_FALSE(fs::exists(File("list.tmp")));
    ASSERT_EQ(Save(File("empty"), ""), 1);
    EXPECT_EQ(ReadBytes(File("empty")), "");
}

TEST_F(Files, AFailedSaveLeavesTheOldFileAndNoTemporary)
{
    WriteBytes(File("list"), OLD);
    fs::create_directory(File("folder"));
    EXPECT_EQ(Save(File("missing/list")), 0);
    EXPECT_FALSE(fs::exists(File("missing")));
    EXPECT_EQ(Save(File("folder")), 0);
    EXPECT_TRUE(fs::is_directory(File("folder")));
    EXPECT_FALSE(fs::exists(File("folder.tmp")));
    EXPECT_EQ(SaveFileAtomically(nullptr, "x", 1) + SaveFileAtomically(File("list").c_str(), nullptr, 1), 0);
#ifdef _WIN32
    /* Held open by another program with read and delete sharing only, as a
       virus scanner does: it cannot be replaced. */
    HANDLE held = CreateFileA(File("list").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Save(File("list")), 0);
    CloseHandle(held);
#else
    /* The disk fills up: the file size limit fails a write as a full disk
       does, even for root; a small file only fails when it is flushed. */
    struct rlimit saved, small;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*savedHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int saves = Save(File("list")) + Save(File("list"), std::string(2000, 's'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    EXPECT_EQ(saves, 0);
#endif
    EXPECT_EQ(ReadBytes(File("list")), OLD);
    EXPECT_FALSE(fs::exists(File("list.tmp")));
}

/* A file that is there but cannot be read to its end (natively a folder
   fails at the first read, as a failing disk does) is not missing. */
TEST_F(Files, AReadIsWholeMissingOrUnreadable)
{
    WriteBytes(File("list"), NEW);
    EXPECT_EQ(Read(File("list"), FILE_READ), NEW);
    EXPECT_EQ(Read(File("absent"), FILE_MISSING), "");
    EXPECT_EQ(Read(File("list/inside"), FILE_MISSING), "");
    fs::create_directory(File("folder"));
    EXPECT_EQ(Read(File("folder"), FILE_UNREADABLE), "");
#ifndef _WIN32 /* refused when opened: a link to itself */
    fs::create_symlink(File("loop"), File("loop"));
    EXPECT_EQ(Read(File("loop"), FILE_UNREADABLE), "");
#endif
}

/* A backup copied from a read-only list must not be read-only itself, or
   the next backup could not replace it. */
TEST_F(Files, CopiesAreNewWritableFiles)
{
    WriteBytes(File("list"), NEW);
    WriteBytes(File("list.bak"), OLD);
    for (const char *name : {"list", "list.bak"})
        fs::permissions(File(name), WRITE_RIGHTS, fs::perm_options::remove);
    ASSERT_EQ(CopyFileOver(File("list").c_str(), File("list.bak").c_str()), 1);
    EXPECT_EQ(ReadBytes(File("list.bak")), NEW);
    EXPECT_TRUE((fs::status(File("list.bak")).permissions() & fs::perms::owner_write) != fs::perms::none);
    EXPECT_EQ(CopyFileOver(File("absent").c_str(), File("list.bak").c_str()), 0);
    EXPECT_EQ(ReadBytes(File("list.bak")), NEW);
}

TEST_F(Files, PathsAreJoinedNeverCut)
{
    char path[13] = "unchanged";
    std::string separator(1, PATH_SEPARATOR);
    EXPECT_EQ(JoinPath(path, sizeof path, "dir", "name.ini"), 1);
    EXPECT_EQ(path, "dir" + separator + "name.ini");
    EXPECT_EQ(JoinPath(path, sizeof path, "dir", "name.inix"), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(JoinPath(path, sizeof path, ("d" + separator).c_str(), "n"), 1);
    EXPECT_EQ(path, "d" + separator + separator + "n");
    EXPECT_EQ(DeleteFileIfPresent(File("absent").c_str()), 1);
    fs::create_directory(File("folder"));
    EXPECT_EQ(DeleteFileIfPresent(File("folder").c_str()), 0);
    EXPECT_EQ(MakeFolder(File("folder").c_str()), 1); /* made before: made */
    EXPECT_TRUE(fs::is_directory(File("folder")));
}
