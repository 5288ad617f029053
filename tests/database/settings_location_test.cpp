/* Where the settings file is looked for, and forgetting it. */
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "database/file_ops.h"
#include "database_test_support.h"
#include "settings/settings.h"

namespace {

class SettingsLocation : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MakeFolder(userFolder.c_str())); }
    void TearDown() override { SetUserSettingsFolder(""); }

    TempFolder folder;
    std::string userFolder = folder.File("user");
    std::string windowsIni = folder.File("Pelmora.ini");
    std::string userIni = userFolder + PATH_SEPARATOR + "Pelmora.ini";
};

} // namespace

TEST_F(SettingsLocation, PathsAreJoinedNeverCut)
{
    std::unique_ptr<AppState> state = NewState("", folder.Path());
    char path[300];
    EXPECT_EQ(SettingsFilePath(state->settings, path, sizeof path), 1);
    EXPECT_EQ(std::string(path), windowsIni);
    char small[10];
    EXPECT_EQ(SettingsFilePath(state->settings, small, sizeof small), 0);
    EXPECT_STREQ(small, "");
    state->settings.windowsDir[0] = '\0'; /* would name a file at the root */
    EXPECT_EQ(SettingsFilePath(state->settings, path, sizeof path), 0);

    EXPECT_EQ(UserSettingsFilePath(path, sizeof path), 0); /* no user folder */
    SetUserSettingsFolder(userFolder.c_str());
    EXPECT_EQ(UserSettingsFilePath(path, sizeof path), 1);
    EXPECT_EQ(std::string(path), userIni);
    SetUserSettingsFolder(std::string(300, 'u').c_str()); /* too long: none */
    EXPECT_EQ(UserSettingsFilePath(path, sizeof path), 0);
}

TEST_F(SettingsLocation, TheUsersCopyIsReadFirst)
{
    std::unique_ptr<AppState> state = NewState("", folder.Path());
    SetUserSettingsFolder(userFolder.c_str());
    struct Row {
        int id;
        bool windowsCopy, userCopy;
        const std::string *found; /* null: a first run */
    } rows[] = {
        {1, false, false, nullptr}, {2, true, false, &windowsIni}, {3, false, true, &userIni}, {4, true, true, &userIni},
    };
    for (const Row &row : rows) {
        std::remove(windowsIni.c_str());
        std::remove(userIni.c_str());
        if (row.windowsCopy)
            WriteBytes(windowsIni, "[SYSTEM]\r\n");
        if (row.userCopy)
            WriteBytes(userIni, "[SYSTEM]\r\n");
        char path[300];
        int found = FindSettingsFile(state->settings, path, sizeof path);
        EXPECT_EQ(found, row.found != nullptr) << "row " << row.id;
        EXPECT_EQ(std::string(path), row.found ? *row.found : std::string()) << "row " << row.id;
    }
}

TEST_F(SettingsLocation, ForgettingDeletesBothCopies)
{
    std::unique_ptr<AppState> state = NewState("", folder.Path());
    SetUserSettingsFolder(userFolder.c_str());
    WriteBytes(windowsIni, "[SYSTEM]\r\n");
    WriteBytes(userIni, "[SYSTEM]\r\n");
    ForgetSettingsFile(state->settings);
    EXPECT_FALSE(FileExists(windowsIni));
    EXPECT_FALSE(FileExists(userIni));
    ForgetSettingsFile(state->settings); /* nothing left: no harm */
    EXPECT_TRUE(FileExists(folder.Path()));
}
