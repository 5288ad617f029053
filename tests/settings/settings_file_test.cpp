/*
 * "Pelmora.ini": which files load, what a load leaves in AppSettings, the
 * exact bytes written, and where the file goes when the Windows directory
 * refuses it. Every expected text here is written by hand.
 */
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "settings/settings.h"
#include "settings/settings_text.h"

namespace fs = std::filesystem;

namespace {

/* A fresh folder per test, holding a "windows" and a "user" folder. */
class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() /
                (std::string("pelmora-settings-") + info->test_suite_name() + "-" + info->name());
        fs::remove_all(root_);
        fs::create_directories(WindowsDir());
        std::memset(&settings_, 0, sizeof settings_);
        std::snprintf(settings_.windowsDir, sizeof settings_.windowsDir, "%s",
                      WindowsDir().string().c_str());
        SetUserSettingsFolder(UserDir().string().c_str());
    }

    void TearDown() override
    {
        SetUserSettingsFolder("");
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    fs::path WindowsDir() const { return root_ / "windows"; }
    fs::path UserDir() const { return root_ / "user"; }
    fs::path WindowsCopy() const { return WindowsDir() / "Pelmora.ini"; }
    fs::path UserCopy() const { return UserDir() / "Pelmora.ini"; }

    static void WriteText(const fs::path &path, const std::string &text)
    {
        std::ofstream out(path, std::ios::binary);
        out << text;
    }

    static std::string ReadText(const fs::path &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    int LoadText(const std::string &text)
    {
        WriteText(WindowsCopy(), text);
        return LoadSettings(&settings_, WindowsCopy().string().c_str());
    }

    fs::path root_;
    AppSettings settings_;
};

const char CANONICAL[] =
    "[SYSTEM]\r\n"
    "ejayDir=C:\\Ejay\r\n"
    "progEjay=C:\\Ejay\\ejay.exe\r\n"
    "autosave=1\r\n"
    "backup=0\r\n"
    "runEjay=1\r\n"
    "\r\n"
    "[WINDOW]\r\n"
    "position=120,45\r\n"
    "\r\n";

/* ---- Files that load -------------------------------------------------- */

struct LoadableFile {
    int row;
    const char *text;
};

const LoadableFile LOADABLE_FILES[] = {
    {1, CANONICAL},
    {2, "[WINDOW]\nposition=120,45\n[SYSTEM]\nrunEjay=1\nbackup=0\nautosave=1\n"
        "progEjay=C:\\Ejay\\ejay.exe\nejayDir=C:\\Ejay\n"},
    {3, "; written by hand\n[OTHER]\nkey=value\n[SYSTEM]\nejayDir = C:\\Ejay\n"
        "// another comment\nprogEjay=C:\\Ejay\\ejay.exe\nautosave=1\nextra=3\nbackup=0\n"
        "runEjay=1\n[MORE]\n[WINDOW]\nposition=120,45\n"},
    {4, "[system]\nejaydir=C:\\Ejay\nprogejay=C:\\Ejay\\ejay.exe\nautosave=1\nbackup=0\n"
        "runejay=1\n[window]\nposition=120,45\n"},
    {5, "[SYSTEM]\nEJAYDIR=C:\\Ejay\nPROGEJAY=C:\\Ejay\\ejay.exe\nAUTOSAVE=1\nBACKUP=0\n"
        "RUNEJAY=1\n[WINDOW]\nPOSITION=120,45\n"},
    /* Members are looked up through the whole file: an empty WINDOW class
       is enough when position stands under SYSTEM. */
    {6, "[SYSTEM]\nejayDir=C:\\Ejay\nprogEjay=C:\\Ejay\\ejay.exe\nautosave=1\nbackup=0\n"
        "runEjay=1\nposition=120,45\n[WINDOW]\n"},
};

TEST_F(SettingsFileTest, EquivalentFilesAllLoadTheSameRecord)
{
    for (const LoadableFile &file : LOADABLE_FILES) {
        std::memset(&settings_, 0, sizeof settings_);
        ASSERT_EQ(1, LoadText(file.text)) << "row " << file.row;
        EXPECT_STREQ("C:\\Ejay", settings_.ejayDir) << "row " << file.row;
        EXPECT_STREQ("C:\\Ejay\\ejay.exe", settings_.progEjay) << "row " << file.row;
        EXPECT_EQ(1, settings_.autosave) << "row " << file.row;
        EXPECT_EQ(0, settings_.backup) << "row " << file.row;
        EXPECT_EQ(1, settings_.runEjay) << "row " << file.row;
        EXPECT_EQ(120, settings_.position.left) << "row " << file.row;
        EXPECT_EQ(45, settings_.position.top) << "row " << file.row;
    }
}

/* ---- Damaged files ---------------------------------------------------- */

const LoadableFile DAMAGED_FILES[] = {
    {1, ""},
    {2, "[WINDOW]\nposition=1,2\n"},
    {3, "[SYSTEM]\nprogEjay=p\nautosave=1\nbackup=0\nrunEjay=0\n[WINDOW]\nposition=1,2\n"},
    {4, "[SYSTEM]\nejayDir=d\nautosave=1\nbackup=0\nrunEjay=0\n[WINDOW]\nposition=1,2\n"},
    {5, "[SYSTEM]\nejayDir=d\nprogEjay=p\nbackup=0\nrunEjay=0\n[WINDOW]\nposition=1,2\n"},
    {6, "[SYSTEM]\nejayDir=d\nprogEjay=p\nautosave=1\nrunEjay=0\n[WINDOW]\nposition=1,2\n"},
    {7, "[SYSTEM]\nejayDir=d\nprogEjay=p\nautosave=1\nbackup=0\n[WINDOW]\nposition=1,2\n"},
    {8, "[SYSTEM]\nejayDir=d\nprogEjay=p\nautosave=1\nbackup=0\nrunEjay=0\n[WINDOW]\n"},
    /* position under SYSTEM does not stand in for a missing WINDOW class */
    {9, "[SYSTEM]\nejayDir=d\nprogEjay=p\nautosave=1\nbackup=0\nrunEjay=0\nposition=1,2\n"},
    /* a near miss of a name is another name */
    {10, "[SYSTEMS]\nejayDir=d\nprogEjay=p\nautosave=1\nbackup=0\nrunEjay=0\n[WINDOW]\n"
         "position=1,2\n"},
    {11, "[SYSTEM]\nejayDir=d\nprogEjay=p\nautosave=1\nbackup=0\nrunEjay=0\n[WINDOWS]\n"
         "position=1,2\n"},
};

TEST_F(SettingsFileTest, FileLackingAClassOrMemberIsDamaged)
{
    for (const LoadableFile &file : DAMAGED_FILES) {
        EXPECT_EQ(0, LoadText(file.text)) << "row " << file.row;
    }
}

TEST_F(SettingsFileTest, MissingFileIsNotLoaded)
{
    settings_.autosave = 7;
    EXPECT_EQ(0, LoadSettings(&settings_, (WindowsDir() / "absent.ini").string().c_str()));
    EXPECT_EQ(7, settings_.autosave);
}

TEST_F(SettingsFileTest, EarlyEndKeepsWhatWasReadSoFar)
{
    std::snprintf(settings_.progEjay, sizeof settings_.progEjay, "old");
    settings_.position.left = 33;
    EXPECT_EQ(0, LoadText("[SYSTEM]\nejayDir=new\nautosave=1\n"));
    EXPECT_STREQ("new", settings_.ejayDir);
    EXPECT_STREQ("old", settings_.progEjay);
    EXPECT_EQ(33, settings_.position.left);
}

/* ---- Values ----------------------------------------------------------- */

struct ValueCase {
    int row;
    const char *option;   /* value written for autosave, backup and runEjay */
    const char *position;
    int expectedOption;
    int expectedLeft;
    int expectedTop;
};

/* Position starts at (500, 600) before each load. */
const ValueCase VALUE_CASES[] = {
    {1, "yes", "10,20", 0, 10, 20},
    {2, "2", "10,20", 2, 10, 20},
    {3, "", "-20,15", 0, -20, 15},
    {4, "1x", "-5,-7", 1, -5, -7},
    {5, "-1", "x,20", -1, 500, 600},
    {6, "0", "42", 0, 42, 600},
    {7, "1", "42,", 1, 42, 600},
    {8, " 1", "", 1, 500, 600},
    {9, "99999999999", "99999999999,-99999999999", 2147483647, 2147483647, -2147483647 - 1},
};

TEST_F(SettingsFileTest, OptionsAndPositionReadAsTheyStand)
{
    for (const ValueCase &value : VALUE_CASES) {
        settings_.position.left = 500;
        settings_.position.top = 600;
        std::string text = std::string("[SYSTEM]\nejayDir=d\nprogEjay=p\nautosave=") +
                           value.option + "\nbackup=" + value.option + "\nrunEjay=" +
                           value.option + "\n[WINDOW]\nposition=" + value.position + "\n";
        ASSERT_EQ(1, LoadText(text)) << "row " << value.row;
        EXPECT_EQ(value.expectedOption, settings_.autosave) << "row " << value.row;
        EXPECT_EQ(value.expectedOption, settings_.backup) << "row " << value.row;
        EXPECT_EQ(value.expectedOption, settings_.runEjay) << "row " << value.row;
        EXPECT_EQ(value.expectedLeft, settings_.position.left) << "row " << value.row;
        EXPECT_EQ(value.expectedTop, settings_.position.top) << "row " << value.row;
    }
}

/* ---- Writing ---------------------------------------------------------- */

void FillSample(AppSettings *settings)
{
    std::snprintf(settings->ejayDir, sizeof settings->ejayDir, "C:\\Ejay");
    std::snprintf(settings->progEjay, sizeof settings->progEjay, "C:\\Ejay\\ejay.exe");
    settings->autosave = 1;
    settings->backup = 0;
    settings->runEjay = 2;
    settings->currentStyle = 13;
    settings->position = {-4, 17, 456, 752};
}

const char WRITTEN_SAMPLE[] =
    "[SYSTEM]\r\n"
    "ejayDir=C:\\Ejay\r\n"
    "progEjay=C:\\Ejay\\ejay.exe\r\n"
    "autosave=1\r\n"
    "backup=0\r\n"
    "runEjay=2\r\n"
    "\r\n"
    "[WINDOW]\r\n"
    "position=-4,17\r\n"
    "\r\n";

TEST_F(SettingsFileTest, WrittenFileHoldsExactlyTwoClassesAndSixMembers)
{
    WriteText(WindowsCopy(), "; my notes\n[SYSTEM]\nejayDir=x\nkeep=me\n[EXTRA]\na=b\n");
    FillSample(&settings_);
    char saved[512] = "unchanged";
    ASSERT_EQ(1, SaveSettings(settings_, saved, sizeof saved));
    EXPECT_EQ(WindowsCopy().string(), saved);
    EXPECT_EQ(WRITTEN_SAMPLE, ReadText(WindowsCopy()));
    EXPECT_FALSE(fs::exists(UserCopy()));
}

TEST_F(SettingsFileTest, EmptyPathsAreWrittenAsEmptyValuesAndReadBack)
{
    settings_.position = {0, 0, 0, 0};
    ASSERT_EQ(1, SaveSettings(settings_, nullptr, 0));
    EXPECT_EQ("[SYSTEM]\r\nejayDir=\r\nprogEjay=\r\nautosave=0\r\nbackup=0\r\nrunEjay=0\r\n"
              "\r\n[WINDOW]\r\nposition=0,0\r\n\r\n",
              ReadText(WindowsCopy()));
    settings_.autosave = 5;
    ASSERT_EQ(1, LoadSettings(&settings_, WindowsCopy().string().c_str()));
    EXPECT_EQ(0, settings_.autosave);
    EXPECT_STREQ("", settings_.ejayDir);
}

TEST_F(SettingsFileTest, SavedSettingsLoadBack)
{
    FillSample(&settings_);
    ASSERT_EQ(1, SaveSettings(settings_, nullptr, 0));
    AppSettings loaded = {};
    ASSERT_EQ(1, LoadSettings(&loaded, WindowsCopy().string().c_str()));
    EXPECT_STREQ(settings_.ejayDir, loaded.ejayDir);
    EXPECT_STREQ(settings_.progEjay, loaded.progEjay);
    EXPECT_EQ(1, loaded.autosave);
    EXPECT_EQ(0, loaded.backup);
    EXPECT_EQ(2, loaded.runEjay);
    EXPECT_EQ(-4, loaded.position.left);
    EXPECT_EQ(17, loaded.position.top);
    EXPECT_EQ(0, loaded.currentStyle); /* never kept */
}

/* ---- Texts the file can keep ------------------------------------------ */

struct KeptText {
    int row;
    const char *text;
    int kept;
};

const KeptText KEPT_TEXTS[] = {
    {1, "", 1},
    {2, "C:\\Ejay", 1},
    {3, "C:\\Program Files\\Ejay Spéciale\\", 1},
    {4, "\\\\server\\share\\Ejay", 1},
    {5, "C:/Ejay/dir", 1},
    {6, "C:\\Music;Old\\Ejay", 0},
    {7, "C:\\Ejay\tTabs", 0},
    {8, " C:\\Ejay", 0},
    {9, "C:\\Ejay ", 0},
    {10, "file://C:/Ejay", 0},
    {11, "C:\\Ejay\nsecond line", 0},
};

/* Each text the check accepts must come back whole through the file; each
   it refuses would not. */
TEST_F(SettingsFileTest, TextsThatTheFileCannotKeepAreRefused)
{
    for (const KeptText &kept : KEPT_TEXTS) {
        EXPECT_EQ(kept.kept, SettingsTextCanBeKept(kept.text)) << "row " << kept.row;
        std::snprintf(settings_.ejayDir, sizeof settings_.ejayDir, "%s", kept.text);
        ASSERT_EQ(1, SaveSettings(settings_, nullptr, 0)) << "row " << kept.row;
        AppSettings loaded = {};
        ASSERT_EQ(1, LoadSettings(&loaded, WindowsCopy().string().c_str())) << "row " << kept.row;
        EXPECT_EQ(kept.kept == 1, std::string(kept.text) == loaded.ejayDir) << "row " << kept.row;
    }
    EXPECT_EQ(0, SettingsTextCanBeKept(nullptr));
    EXPECT_EQ(0, SettingsTextCanBeKept(std::string(256, 'a').c_str()));
    EXPECT_EQ(1, SettingsTextCanBeKept(std::string(255, 'a').c_str()));
}

/* ---- Where the file is kept ------------------------------------------- */

TEST_F(SettingsFileTest, UnwritableWindowsDirectoryFallsBackToTheUserCopy)
{
    fs::remove_all(WindowsDir()); /* nothing can be written there now */
    FillSample(&settings_);
    char saved[512] = "";
    ASSERT_EQ(1, SaveSettings(settings_, saved, sizeof saved));
    EXPECT_EQ(UserCopy().string(), saved);
    EXPECT_EQ(WRITTEN_SAMPLE, ReadText(UserCopy())); /* its folder was made */
}

TEST_F(SettingsFileTest, NowhereToWriteReportsFailure)
{
    fs::remove_all(WindowsDir());
    SetUserSettingsFolder((root_ / "missing" / "user").string().c_str());
    char saved[512] = "unchanged";
    EXPECT_EQ(0, SaveSettings(settings_, saved, sizeof saved));
    EXPECT_STREQ("", saved);
}

TEST_F(SettingsFileTest, ReadingPrefersTheUserCopy)
{
    WriteText(WindowsCopy(), CANONICAL);
    fs::create_directories(UserDir());
    WriteText(UserCopy(), "[SYSTEM]\nejayDir=D:\\Mine\nprogEjay=\nautosave=0\nbackup=1\n"
                          "runEjay=0\n[WINDOW]\nposition=7,8\n");
    char path[512];
    ASSERT_EQ(1, FindSettingsFile(settings_, path, sizeof path));
    EXPECT_EQ(UserCopy().string(), path);
    ASSERT_EQ(1, LoadSettings(&settings_, path));
    EXPECT_STREQ("D:\\Mine", settings_.ejayDir);
    EXPECT_EQ(1, settings_.backup);
}

/* Once the Windows directory takes the file again, an older user's copy
   would hide it at the next start: it goes. */
TEST_F(SettingsFileTest, SavingToTheWindowsDirectoryRemovesAStaleUserCopy)
{
    fs::create_directories(UserDir());
    WriteText(UserCopy(), CANONICAL);
    FillSample(&settings_);
    ASSERT_EQ(1, SaveSettings(settings_, nullptr, 0));
    EXPECT_FALSE(fs::exists(UserCopy()));
    char path[512];
    ASSERT_EQ(1, FindSettingsFile(settings_, path, sizeof path));
    EXPECT_EQ(WindowsCopy().string(), path);
}

#ifdef _WIN32
/* As a scanner or another program does: the file is open with read and
   delete sharing only, so it cannot be written. The Windows directory's
   file stays as it was and the settings go to the user's copy, which the
   next start reads. */
TEST_F(SettingsFileTest, WindowsCopyHeldOpenFallsBackAndIsLeftIntact)
{
    WriteText(WindowsCopy(), CANONICAL);
    HANDLE held = CreateFileA(WindowsCopy().string().c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_DELETE, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    FillSample(&settings_);
    char saved[512] = "";
    int result = SaveSettings(settings_, saved, sizeof saved);
    CloseHandle(held);

    ASSERT_EQ(1, result);
    EXPECT_EQ(UserCopy().string(), saved);
    EXPECT_EQ(CANONICAL, ReadText(WindowsCopy()));
    EXPECT_EQ(WRITTEN_SAMPLE, ReadText(UserCopy()));

    char path[512];
    ASSERT_EQ(1, FindSettingsFile(settings_, path, sizeof path));
    EXPECT_EQ(UserCopy().string(), path);
    AppSettings loaded = {};
    ASSERT_EQ(1, LoadSettings(&loaded, path));
    EXPECT_EQ(2, loaded.runEjay);
}
#endif

} // namespace
