// Writing: the layout byte for byte, documents that read back the same, and
// writes that fail: the file to be replaced stays exactly as it was, the
// result is ZEF_FAIL and no temporary file is left behind.
#include "zef_test_support.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#endif

using namespace zeftest;

namespace {

class ZefWrite : public ZefTest {};

struct TripCase {
    int row;
    std::string input;
    std::string written;
};

const TripCase kTripCases[] = {
    // Files already in the written layout come back byte for byte.
    {1, "[System]\r\nWinDir=C:\\WINDOWS\r\nRunEjay=1\r\n\r\n[Fen]\r\nX=10\r\n\r\n",
        "[System]\r\nWinDir=C:\\WINDOWS\r\nRunEjay=1\r\n\r\n[Fen]\r\nX=10\r\n\r\n"},
    {2, "top=1\r\nnext=\r\n\r\n[S]\r\nk=v a l\r\n\r\n", "top=1\r\nnext=\r\n\r\n[S]\r\nk=v a l\r\n\r\n"},
    {3, "[\xE9t\xE9]\r\n\xC9=caf\xE9\r\n\r\n[Empty]\r\n\r\n", "[\xE9t\xE9]\r\n\xC9=caf\xE9\r\n\r\n[Empty]\r\n\r\n"},
    // Comments, spacing and text after "]" are not kept; LF becomes CR LF.
    {4, "; note\n[S] tail\n  k =  v ;c\n\n\nlone\n", "[S]\r\nk=v\r\nlone=\r\n\r\n"},
    {5, "", ""},
    {6, "; only comments\n\n", ""},
    // Empty brackets get no header: on reading again, their members join
    // the class before them.
    {7, "[A]\na=1\n[]\nb=2\n", "[A]\r\na=1\r\n\r\nb=2\r\n\r\n"},
    {8, "k=a\rb\n", "k=a\rb\r\n\r\n"},
};

TEST_F(ZefWrite, WrittenBytes) {
    for (const TripCase &c : kTripCases) {
        ASSERT_EQ(ZEF_OK, Read(c.input)) << "row " << c.row;
        EXPECT_EQ(c.written, Written()) << "row " << c.row;
    }
}

TEST_F(ZefWrite, ReadsBackTheSameDocument) {
    ASSERT_EQ(ZEF_OK, Read("a=0\n[A]\nx=1\ny=two words\n[B]\nz=\n[A]\nx=dup\n"));
    const std::string document = "0:[] a=0\n1:[A] x=1 y=two words\n2:[B] z=\n3:[A] x=dup\n";
    EXPECT_EQ(document, Doc());
    ASSERT_EQ(ZEF_OK, Write(Path("one.ini"), info.get()));
    ASSERT_EQ(ZEF_OK, Write(Path("two.ini"), info.get()));
    EXPECT_EQ(document, Doc());  // writing leaves the record alone
    EXPECT_EQ(ReadBytes(Path("one.ini")), ReadBytes(Path("two.ini")));
    ASSERT_EQ(ZEF_OK, Open(Path("one.ini"), info.get()));
    EXPECT_EQ(document, Doc());
    EXPECT_FALSE(fs::exists(Path("one.ini.zeftmp")));
}

const char kOldBytes[] = "[Old]\r\nkept=exactly\r\n\r\n";

class ZefWriteFailure : public ZefTest {
protected:
    void SetUp() override {
        ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("New"), info.get()));
        // Bigger than the old file, so that a cut-off write would show.
        for (int i = 0; i < 100; i++)
            ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("New"), Str("member" + std::to_string(i)), Str(X(200)), info.get()));
        WriteBytes(target, kOldBytes);
    }
    void ExpectOldFileAndNoLeftover() {
        EXPECT_EQ(kOldBytes, ReadBytes(target));
        EXPECT_FALSE(fs::exists(target + ".zeftmp"));
    }
    std::string target = Path("settings.ini");
};

TEST_F(ZefWriteFailure, MissingFolderOrFolderAsTarget) {
    EXPECT_EQ(ZEF_FAIL, Write(Path("absent/settings.ini"), info.get()));
    EXPECT_FALSE(fs::exists(Path("absent")));
    ExpectOldFileAndNoLeftover();
    std::string folder = Path("folder");
    fs::create_directory(folder);
    WriteBytes(folder + "/inside.txt", "x");
    EXPECT_EQ(ZEF_FAIL, Write(folder, info.get()));
    EXPECT_EQ("x", ReadBytes(folder + "/inside.txt"));
    EXPECT_FALSE(fs::exists(folder + ".zeftmp"));
    // And a write that can succeed replaces the file.
    ASSERT_EQ(ZEF_OK, Write(target, info.get()));
    EXPECT_EQ(0u, ReadBytes(target).find("[New]\r\nmember0="));
    EXPECT_FALSE(fs::exists(target + ".zeftmp"));
}

#ifdef _WIN32

// The target held open by another program (a virus scanner, an indexer)
// that shares reading and deleting only: it cannot be replaced.
TEST_F(ZefWriteFailure, TargetHeldOpenByAnotherProgram) {
    HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(ZEF_FAIL, Write(target, info.get()));
    CloseHandle(held);
    ExpectOldFileAndNoLeftover();
}

#else

// The disk fills up halfway: the file size limit makes a write fail the way
// a full disk does, even for root.
TEST_F(ZefWriteFailure, WriteErrorHalfway) {
    struct rlimit saved, small;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
    void (*savedHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    int result = Write(target, info.get());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    EXPECT_EQ(ZEF_FAIL, result);
    ExpectOldFileAndNoLeftover();
}

#endif

}  // namespace
