// Files of any size or content: read by the usual rules through a fixed
// buffer (a file far larger than memory would allow whole, a line of 100 MB,
// binary garbage), and a write that fails leaving the old file as it was.
#include <cstdio>
#include <random>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

class ZefAnyFile : public ZefTest {
protected:
    // head, then size - head - tail bytes (a hole: NULs, no disk used), then tail.
    std::string Sparse(const std::string &head, std::uintmax_t size, const std::string &tail)
    {
        std::string path = File("sparse.ini");
        WriteBytes(path, head);
        fs::resize_file(path, size - tail.size());
        std::ofstream(path, std::ios::binary | std::ios::app) << tail;
        return path;
    }
};

// The NULs of the hole end the text of the line they are in; the line
// ends after them.
TEST_F(ZefAnyFile, AFileOfHundredsOfMegabytes)
{
    const std::uintmax_t size = 300u << 20;
    ASSERT_EQ(ZEF_OK, Open(Sparse("[A]\nk=v\nlong=", size, "\nlast=1\n"), info.get()));
    EXPECT_EQ("0:[A] k=v long= last=1\n", Doc());
    EXPECT_EQ(static_cast<int>(size), info->fileSize);
}

TEST_F(ZefAnyFile, ALineOf100MegabytesWithoutItsEnd)
{
    std::string path = File("long.ini");
    WriteBytes(path, "[A]\nk=v\n");
    const std::string block(1u << 20, 'x');
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        for (int i = 0; i < 100; i++)
            out << block;
    }
    ASSERT_EQ(ZEF_OK, Open(path, info.get()));
    EXPECT_EQ("0:[A] k=v " + X(255) + "=\n", Doc());
}

// Random bytes with many lines (no Ctrl-Z to end them early): read from the
// file through its buffer, twice over, as from memory through the smallest.
TEST_F(ZefAnyFile, BinaryGarbage)
{
    std::mt19937 random(7);
    std::string garbage(3u << 20, '\0');
    for (char &c : garbage) {
        c = static_cast<char>(random());
        c = c == 26 ? '\n' : c; // a Ctrl-Z would end the text at once
    }
    WriteBytes(File("garbage.ini"), garbage);
    ASSERT_EQ(ZEF_OK, Open(File("garbage.ini"), info.get()));
    std::string opened = Doc();
    Parse(garbage);
    EXPECT_EQ(Doc(), opened);
    EXPECT_GT(info->memberTotal, 1000);
}

TEST_F(ZefAnyFile, AFailedWriteLeavesTheOldFile)
{
    WriteBytes(File("out.ini"), "old\r\n");
    Parse("[A]\nmember=a value longer than the few bytes a refused write may pass\n");
    {
        WritesRefused refused(File("out.ini"));
        EXPECT_EQ(ZEF_FAIL, ZEF_WriteFile(Str(File("out.ini")), info.get()));
    }
    EXPECT_EQ("old\r\n", ReadBytes(File("out.ini")));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace
