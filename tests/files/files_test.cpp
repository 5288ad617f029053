/*
 * The file layer: a file is replaced whole or not at all, whatever stands
 * in the way; a read that cannot reach the end is told apart from a file
 * that is not there; copies never carry a read-only mark.
 */
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

/* The names in the folder, sorted, "a b c". */
std::string Names(const std::string &folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string &name : names)
        text += (text.empty() ? "" : " ") + name;
    return text;
}

/* A save makes its temporary file under a name of its own: another
   program's "list.tmp", read-only or not, is never its to delete, while a
   leftover of a killed save of ours is taken away. A link stays a link. */
TEST_F(Files, ASaveReplacesTheWholeFileAndTouchesNothingElse)
{
    WriteBytes(File("list"), OLD);
    WriteBytes(File("list.tmp"), "theirs");
    WriteBytes(File("list.tmp.ro"), "theirs, read-only");
    fs::permissions(File("list.tmp.ro"), WRITE_RIGHTS, fs::perm_options::remove);
    WriteBytes(File("list.~pel0a1b.tmp"), "our leftover");
    WriteBytes(File("list.~pel0a1b.tmp.txt"), "theirs, named much like ours");
    WriteBytes(File("list.~pelnote.tmp"), "theirs again");
    WriteBytes(File("list.~pel0a1b.txt"), "and again");
    ASSERT_EQ(Save(File("list")), 1);
    EXPECT_EQ(ReadBytes(File("list")), NEW);
    EXPECT_EQ(Names(folder), "list list.tmp list.tmp.ro list.~pel0a1b.tmp.txt list.~pel0a1b.txt list.~pelnote.tmp");
    EXPECT_EQ(ReadBytes(File("list.tmp")) + "|" + ReadBytes(File("list.tmp.ro")), "theirs|theirs, read-only");
    ASSERT_EQ(Save(File("empty"), ""), 1);
    EXPECT_EQ(ReadBytes(File("empty")), "");
#ifndef _WIN32
    fs::create_directory(File("shared"));
    WriteBytes(File("shared/list"), OLD);
    fs::create_symlink(File("shared/list"), File("link"));
    ASSERT_EQ(Save(File("link")), 1);
    EXPECT_TRUE(fs::is_symlink(File("link")));
    EXPECT_EQ(ReadBytes(File("shared/list")), NEW);
    EXPECT_EQ(Names(File("shared")), "list");
#endif
}

/* Each failure is told with what stood in the way; the old file stays and
   no temporary file is left. */
TEST_F(Files, AFailedSaveLeavesTheOldFileAndSaysWhy)
{
    WriteBytes(File("list"), OLD);
    fs::create_directory(File("folder"));
    FileProblem problem;
    EXPECT_EQ(SaveFileAtomically(File("missing/list").c_str(), "x", 1, &problem), 0);
    EXPECT_EQ(problem.kind, FILE_NOT_THERE);
    EXPECT_EQ(SaveFileAtomically(File("folder").c_str(), "x", 1, &problem), 0);
    EXPECT_EQ(problem.kind, FILE_IN_THE_WAY);
    EXPECT_EQ(SaveFileAtomically(nullptr, "x", 1) + SaveFileAtomically(File("list").c_str(), nullptr, 1), 0);
    {
        WritesRefused refused(File("list"));
        EXPECT_EQ(SaveFileAtomically(File("list").c_str(), NEW.data(), NEW.size(), &problem), 0);
    }
    EXPECT_TRUE(RetryMayHelp(problem)) << problem.kind; /* busy, or full */
    char reason[256];
    DescribeFileProblem(problem, reason, sizeof reason);
    EXPECT_NE(reason[0], '\0');
    EXPECT_EQ(ReadBytes(File("list")), OLD);
    EXPECT_EQ(Names(folder), "folder list");
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

/* Text through a buffer of 4 bytes, as through one of any size: lines
   crossing it, longer than it (their first 3 characters), a CR LF or a
   Ctrl-Z at its edge; "x" is passed over where a line starts. Each text is
   read from memory, then from a file checked to its end first. */
TEST_F(Files, TextLinesThroughASmallBuffer)
{
    const struct {
        int row;
        std::string text, lines;
    } rows[] = {{1, "ab\ncd\n", "ab|cd|"},        {2, "abcdefg\nh", "abc|h|"},
                {3, "abc\r\nd", "abc|d|"},        {4, "ab\r\ncd", "ab|cd|"},
                {5, "a\rb\n\n\n", "a\rb|||"},     {6, "abcdef\x1agh\nij", "abc|"},
                {7, "ab\x1a\ncd", "ab|"},         {8, "", ""},
                {9, "abcd\x1a", "abc|"},          {10, "a\nbcdefghij\r\nl", "a|bcd|l|"},
                {11, "xxxxxxxab\nxcd", "ab|cd|"}, {12, "ab\nxxxxxxxx", "ab|"},
                {13, "abxx\nxx\x1axy\n", "abx|"}};
    for (const auto &r : rows) {
        WriteBytes(File("text"), r.text);
        for (bool fromFile : {false, true}) {
            char buffer[4];
            TextLines lines;
            std::uint64_t size = 0;
            if (fromFile) {
                ASSERT_EQ(OpenTextLines(File("text").c_str(), buffer, sizeof buffer, &lines), 1);
                ASSERT_EQ(ReadThroughOnce(&lines, &size), 1);
                EXPECT_EQ(size, r.text.size()) << "row " << r.row;
            } else {
                TextLinesOver(r.text.data(), r.text.size(), buffer, sizeof buffer, &lines);
            }
            std::string taken;
            TextLine line;
            while (SkipTextBytes(&lines, "x", 1) && TakeBufferedLine(&lines, &line))
                taken += std::string(line.start, line.length) + "|";
            EXPECT_EQ(CloseTextLines(&lines), 1);
            EXPECT_EQ(taken, r.lines) << "row " << r.row << (fromFile ? " from a file" : "");
        }
    }
}
