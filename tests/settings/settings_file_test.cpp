/*
 * "Pelmora.ini": which files load, what a load leaves in AppSettings, the
 * exact bytes written, and where the file is looked for, written and
 * forgotten. Every expected text here is written by hand.
 */
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "tests/support/test_files.h"

using namespace testfiles;

namespace {

/* Every value the file keeps, in one line: a failure shows them all. */
std::string Describe(const AppSettings &s)
{
    return std::string(s.ejayDir) + "|" + s.progEjay + "|" + std::to_string(s.autosave) + "|" +
           std::to_string(s.backup) + "|" + std::to_string(s.runEjay) + "|" + std::to_string(s.position.left) + "," +
           std::to_string(s.position.top);
}

/* A scratch folder holding a Windows directory and a "user" folder. The
   Windows directory has 243 characters, the most that leaves room for
   "/Pelmora.ini" in a settings path of 256 bytes. */
class SettingsFileTest : public ScratchFolder {
protected:
    void SetUp() override
    {
        fs::create_directories(windowsDir);
        std::snprintf(settings.windowsDir, sizeof settings.windowsDir, "%s", windowsDir.c_str());
        SetUserSettingsFolder(userDir.c_str());
    }
    void TearDown() override { SetUserSettingsFolder(""); }
    int LoadText(const std::string &text)
    {
        WriteBytes(windowsCopy, text);
        return LoadSettings(&settings, windowsCopy.c_str());
    }
    std::string Found()
    {
        char path[512] = "unchanged";
        return FindSettingsFile(settings, path, sizeof path) ? path : std::string("none:") + path;
    }
    void FillSample()
    {
        std::snprintf(settings.ejayDir, sizeof settings.ejayDir, "C:\\Ejay");
        std::snprintf(settings.progEjay, sizeof settings.progEjay, "C:\\Ejay\\ejay.exe");
        settings.autosave = 1;
        settings.runEjay = 2;
        settings.currentStyle = 13;
        settings.position = {-4, 17, 456, 752};
    }
    static std::string In(const std::string &dir) { return (fs::path(dir) / "Pelmora.ini").string(); }

    std::string windowsDir = File(std::string(243 - folder.size() - 1, 'w'));
    std::string userDir = File("user"), windowsCopy = In(windowsDir), userCopy = In(userDir);
    AppSettings settings = {};
};

/* The file FillSample's settings are written as. */
const char SAMPLE_FILE[] = "[SYSTEM]\r\nejayDir=C:\\Ejay\r\nprogEjay=C:\\Ejay\\ejay.exe\r\nautosave=1\r\nbackup=0\r\n"
                           "runEjay=2\r\n\r\n[WINDOW]\r\nposition=-4,17\r\n\r\n";

TEST_F(SettingsFileTest, FileLackingAClassOrMemberIsDamaged)
{
    const std::string system = "ejayDir=d\nprogEjay=p\nautosave=1\nbackup=0\nrunEjay=0\n";
    /* Whole, in any order and case, it loads. */
    ASSERT_EQ(1, LoadText("[window]\nPOSITION=1,2\n[System]\n" + system));
    std::vector<std::string> files = {
        "",
        "[WINDOW]\nposition=1,2\n",
        "[SYSTEM]\n" + system + "[WINDOW]\n",
        "[SYSTEM]\n" + system + "position=1,2\n",            /* not a stand-in for the missing WINDOW class */
        "[SYSTEMS]\n" + system + "[WINDOW]\nposition=1,2\n", /* a near miss of a name is another name */
        "[SYSTEM]\n" + system + "[WINDOWS]\nposition=1,2\n"};
    for (std::size_t at = 0, end; (end = system.find('\n', at)) != std::string::npos; at = end + 1)
        files.push_back("[SYSTEM]\n" + system.substr(0, at) + system.substr(end + 1) + "[WINDOW]\nposition=1,2\n");
    for (std::size_t row = 0; row < files.size(); ++row)
        EXPECT_EQ(0, LoadText(files[row])) << "row " << row + 1 << ":\n" << files[row];
    EXPECT_EQ(0, LoadSettings(&settings, In(userDir).c_str()));
}

TEST_F(SettingsFileTest, OptionsAndPositionReadAsTheyStand)
{
    struct Row {
        int id;
        const char *option, *position; /* the option is written for autosave, backup and runEjay */
        std::string loaded;            /* position starts at (500, 600) */
    } rows[] = {
        {1, "yes", "10,20", "|0|0|0|10,20"},
        {2, "2", "10,20", "|2|2|2|10,20"},
        {3, "1x", "-5,-7", "|1|1|1|-5,-7"},
        {4, "-1", "x,20", "|-1|-1|-1|500,600"},
        {5, "010", "42", "|10|10|10|42,600"}, /* decimal, not C's octal */
        {6, "1", "42,", "|1|1|1|42,600"},
        {7, " 1", "", "|1|1|1|500,600"},
        {8, "99999999999", "99999999999,-99999999999", "|2147483647|2147483647|2147483647|2147483647,-2147483648"}};
    for (const Row &row : rows) {
        settings.position.left = 500;
        settings.position.top = 600;
        std::string option = row.option;
        ASSERT_EQ(1, LoadText("[SYSTEM]\nejayDir=d\nprogEjay=p\nautosave=" + option + "\nbackup=" + option +
                              "\nrunEjay=" + option + "\n[WINDOW]\nposition=" + row.position + "\n"))
            << "row " << row.id;
        EXPECT_EQ("d|p" + row.loaded, Describe(settings)) << "row " << row.id;
    }
}

/* Whatever the old file held; the current style is never kept. */
TEST_F(SettingsFileTest, WrittenFileHoldsExactlyTwoClassesAndSixMembers)
{
    WriteBytes(windowsCopy, "; my notes\n[SYSTEM]\nejayDir=x\nkeep=me\n[EXTRA]\na=b\n");
    FillSample();
    ASSERT_EQ(1, SaveSettings(settings, nullptr, 0));
    EXPECT_EQ(SAMPLE_FILE, ReadBytes(windowsCopy));
}

/* Each text the check accepts must come back whole through the file, as
   the Ejay folder and as Ejay's program; each it refuses would not. A line
   keeps 256 characters, the member's name and "=" among them. */
TEST_F(SettingsFileTest, TextsThatTheFileCannotKeepAreRefused)
{
    struct Row {
        int id;
        std::string text;
        int keptAsFolder, keptAsProgram;
    } rows[] = {{1, "", 1, 1},
                {2, "C:\\Program Files\\Ejay Spéciale\\", 1, 1},
                {3, "C:/Ejay/dir", 1, 1},
                {4, "C:\\Music;Old\\Ejay", 0, 0},
                {5, "C:\\Ejay\tTabs", 0, 0},
                {6, " C:\\Ejay", 0, 0},
                {7, "C:\\Ejay ", 0, 0},
                {8, "file://C:/Ejay", 0, 0},
                {9, "C:\\Ejay\nsecond line", 0, 0},
                {10, std::string(247, 'a'), 1, 1},
                {11, std::string(248, 'a'), 1, 0},
                {12, std::string(249, 'a'), 0, 0}};
    for (const Row &row : rows) {
        EXPECT_EQ(row.keptAsFolder, SettingsTextCanBeKept(SETTING_EJAY_DIR, row.text.c_str())) << "row " << row.id;
        EXPECT_EQ(row.keptAsProgram, SettingsTextCanBeKept(SETTING_PROG_EJAY, row.text.c_str())) << "row " << row.id;
        std::snprintf(settings.ejayDir, sizeof settings.ejayDir, "%s", row.text.c_str());
        std::snprintf(settings.progEjay, sizeof settings.progEjay, "%s", row.text.c_str());
        ASSERT_EQ(1, SaveSettings(settings, nullptr, 0)) << "row " << row.id;
        AppSettings loaded = {};
        ASSERT_EQ(1, LoadSettings(&loaded, windowsCopy.c_str())) << "row " << row.id;
        EXPECT_EQ(row.keptAsFolder == 1, row.text == loaded.ejayDir) << "row " << row.id;
        EXPECT_EQ(row.keptAsProgram == 1, row.text == loaded.progEjay) << "row " << row.id;
    }
    EXPECT_EQ(0, SettingsTextCanBeKept(SETTING_EJAY_DIR, nullptr));
}

/* A window that would open where nobody can see or reach it is centred on
   the main screen; one whose caption shows anywhere stays. */
TEST(WindowPlace, OnAScreenWhereItCanBeSeen)
{
    const SettingsRect screens[] = {{0, 0, 1024, 738}, {1024, -200, 2944, 880}};
    struct Row {
        int id, left, top, screenCount;
        const char *placed;
    } rows[] = {
        {1, 100, 20, 2, "100,20"},     {2, -20, 15, 2, "0,15"},     /* negatives become 0 */
        {3, 900, 700, 2, "900,700"},   {4, 3000, 3000, 2, "282,1"}, /* reaching below is kept; off every screen not */
        {5, 2000, 500, 2, "2000,500"}, {6, 2000, 500, 1, "282,1"},  /* the second screen unplugged */
        {7, 925, 10, 1, "282,1"},      {8, 924, 10, 1, "924,10"},   /* at least a grip of the caption */
        {9, 100, 719, 1, "282,1"},     {10, 100, 718, 1, "100,718"}, {11, 0, 0, 0, "0,0"}};
    for (const Row &row : rows) {
        SettingsRect position = {row.left, row.top, 0, 0};
        PlaceOnScreen(&position, 460, 735, screens, row.screenCount);
        EXPECT_EQ(std::to_string(position.left) + "," + std::to_string(position.top), row.placed) << "row " << row.id;
    }
    /* A screen smaller than the window: its top left corner, never off it. */
    const SettingsRect small = {0, 0, 400, 600};
    SettingsRect position = {500, 500, 0, 0};
    PlaceOnScreen(&position, 460, 735, &small, 1);
    EXPECT_EQ(std::to_string(position.left) + "," + std::to_string(position.top), "0,0");
}

TEST_F(SettingsFileTest, TheUsersCopyIsReadFirstAndForgettingDeletesBoth)
{
    fs::create_directories(userDir);
    EXPECT_EQ("none:", Found());
    WriteBytes(windowsCopy, SAMPLE_FILE);
    EXPECT_EQ(windowsCopy, Found());
    WriteBytes(userCopy, SAMPLE_FILE);
    EXPECT_EQ(userCopy, Found());
    ForgetSettingsFile(settings);
    EXPECT_FALSE(fs::exists(windowsCopy) || fs::exists(userCopy));
    ForgetSettingsFile(settings); /* nothing left: no harm */
    EXPECT_TRUE(fs::exists(windowsDir));
    /* A user folder too long to keep is no folder: cut short, it would name
       another (here one holding a copy). Without a Windows directory the
       path would name a file at the root. */
    WriteBytes(windowsCopy, SAMPLE_FILE);
    const std::string cut = File(std::string(255 - folder.size() - 1, 'u'));
    std::error_code tooLongForWindows;
    fs::create_directories(cut, tooLongForWindows);
    WriteBytes(In(cut), SAMPLE_FILE);
    SetUserSettingsFolder((cut + "u").c_str());
    EXPECT_EQ(windowsCopy, Found());
    settings.windowsDir[0] = '\0';
    EXPECT_EQ("none:", Found());
}

/* A Windows directory's copy that cannot be deleted (here a folder of that
   name) must not come back at every start: an empty user's copy hides it,
   until the next save replaces or removes the user's copy. */
TEST_F(SettingsFileTest, AForgottenFileStaysForgottenWhenItCannotBeDeleted)
{
    fs::create_directories(windowsCopy);
    ForgetSettingsFile(settings);
    EXPECT_EQ("", ReadBytes(userCopy));
    EXPECT_EQ("none:", Found());
    fs::remove(windowsCopy);
    FillSample();
    ASSERT_EQ(1, SaveSettings(settings, nullptr, 0));
    EXPECT_EQ(windowsCopy, Found());
    EXPECT_FALSE(fs::exists(userCopy));
}

/* Settings fallback: when the Windows directory refuses the file, the
   user's copy takes it (its folder made). Once the Windows directory takes
   the file again, that older copy would hide it at the next start: it goes.
   With nowhere to write, failure. */
TEST_F(SettingsFileTest, UnwritableWindowsDirectoryFallsBackToTheUserCopy)
{
    fs::remove_all(windowsDir);
    FillSample();
    char saved[512] = "";
    ASSERT_EQ(1, SaveSettings(settings, saved, sizeof saved));
    EXPECT_EQ(userCopy, saved);
    EXPECT_EQ(userCopy, Found());

    fs::create_directories(windowsDir);
    ASSERT_EQ(1, SaveSettings(settings, saved, sizeof saved));
    EXPECT_EQ(windowsCopy, saved);
    EXPECT_FALSE(fs::exists(userCopy));
    EXPECT_EQ(windowsCopy, Found());

    fs::remove_all(windowsDir);
    SetUserSettingsFolder(File("missing/user").c_str());
    EXPECT_EQ(0, SaveSettings(settings, saved, sizeof saved));
    EXPECT_STREQ("", saved);
}

} // namespace
