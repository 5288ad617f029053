/*
 * The file layer: a file is replaced whole or not at all, whatever stands
 * in the way; a read that cannot reach the end is told apart from a file
 * that is not there; copies never carry a read-only mark.
 */
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include "files/files.h"
#include "tests/support/test_files.h"

using namespace testfiles;

namespace {

const std::string OLD = "old list\r\n";
const std::string NEW = std::string(5000, 'n') + "\r\n\x1a\0end"; /* bigger, so a cut write would show */

void MarkReadOnly(const std::string &path)
{
#ifdef _WIN32
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
#else
    chmod(path.c_str(), 0444);
#endif
}

bool IsReadOnly(const std::string &path)
{
#ifdef _WIN32
    return (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat info;
    return stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
#endif
}

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

/* A leftover of a crashed save, even read-only, never stops the next one. */
TEST_F(Files, ASaveReplacesTheWholeFileAndLeavesNothingBeside)
{
    WriteBytes(File("list"), OLD);
    WriteBytes(File("list.tmp"), "leftover");
    MarkReadOnly(File("list.tmp"));
    ASSERT_EQ(Save(File("list")), 1);
    EXPECT_EQ(ReadBytes(File("list")), NEW);
    EXPECT_FALSE(Exists(File("list.tmp")));
    ASSERT_EQ(Save(File("empty"), ""), 1);
    EXPECT_EQ(ReadBytes(File("empty")), "");
}

TEST_F(Files, AFailedSaveLeavesTheOldFileAndNoTemporary)
{
    WriteBytes(File("list"), OLD);
    fs::create_directory(File("folder"));
    EXPECT_EQ(Save(File("missing/list")), 0);
    EXPECT_FALSE(Exists(File("missing")));
    EXPECT_EQ(Save(File("folder")), 0);
    EXPECT_TRUE(fs::is_directory(File("folder")));
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
    /* The disk fills up halfway: the file size limit fails a write as a
       full disk does, even for root. */
    struct rlimit saved, small;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*savedHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int result = Save(File("list"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    EXPECT_EQ(result, 0);
#endif
    EXPECT_EQ(ReadBytes(File("list")), OLD);
    EXPECT_FALSE(Exists(File("list.tmp")));
}

TEST_F(Files, AReadIsWholeMissingOrUnreadable)
{
    WriteBytes(File("list"), NEW);
    EXPECT_EQ(Read(File("list"), FILE_READ), NEW);
    EXPECT_EQ(Read(File("absent"), FILE_MISSING), "");
    EXPECT_EQ(Read(File("absent/list"), FILE_MISSING), "");
    fs::create_directory(File("folder"));
    EXPECT_EQ(Read(File("folder"), FILE_UNREADABLE), "");
}

#if !defined(_WIN32) && defined(__GLIBC__)
/* A disk or a network folder that fails part-way: the part read must not
   pass for the file. */
TEST_F(Files, AStreamFailingPartWayIsUnreadable)
{
    struct Failing {
        static ssize_t Read(void *cookie, char *buffer, size_t size)
        {
            int &served = *static_cast<int *>(cookie);
            if (served >= 3) {
                errno = EIO;
                return -1;
            }
            served++;
            std::memset(buffer, 'x', size < 100 ? size : 100);
            return size < 100 ? static_cast<ssize_t>(size) : 100;
        }
    };
    int served = 0;
    cookie_io_functions_t io = {Failing::Read, nullptr, nullptr, nullptr};
    std::FILE *stream = fopencookie(&served, "r", io);
    ASSERT_NE(stream, nullptr);
    std::string bytes;
    EXPECT_EQ(ReadWholeStream(stream, &bytes), FILE_UNREADABLE);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(served, 3);
    std::fclose(stream);
}
#endif

/* A backup copied from a read-only list must not be read-only itself, or
   the next backup could not replace it. */
TEST_F(Files, CopiesAreNewWritableFiles)
{
    WriteBytes(File("list"), NEW);
    MarkReadOnly(File("list"));
    WriteBytes(File("list.bak"), OLD);
    MarkReadOnly(File("list.bak"));
    ASSERT_EQ(CopyFileOver(File("list").c_str(), File("list.bak").c_str()), 1);
    EXPECT_EQ(ReadBytes(File("list.bak")), NEW);
    EXPECT_FALSE(IsReadOnly(File("list.bak")));
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
    EXPECT_TRUE(fs::is_directory(File("folder")));
}
