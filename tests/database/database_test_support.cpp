#include "database_test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "database/file_ops.h"
#include "settings/settings.h"

namespace fs = std::filesystem;

std::vector<std::string> g_reported;
const std::string ListFolder::PATH_SEPARATOR_TEXT(1, PATH_SEPARATOR);

void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string &path)
{
    std::error_code error;
    std::ifstream in(path, std::ios::binary);
    return fs::is_regular_file(path, error) && in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

bool FileExists(const std::string &path)
{
    std::error_code error;
    return fs::exists(path, error);
}

std::string Record(const std::vector<std::string> &values)
{
    std::string text;
    for (const std::string &value : values)
        text += "\"" + value + "\"\r\n";
    return text;
}

std::string Numbered(const std::string &keyword, int first, int last)
{
    std::string text;
    for (int n = first; n <= std::max(first, last); ++n) {
        std::string i = std::to_string(n);
        text += Record({i, "C:\\Ejay\\" + keyword + i + ".pxd", "x" + i, keyword, "2", keyword + " " + i, "n" + i});
    }
    return text;
}

std::string Numbers(const CategoryList &list)
{
    std::string text;
    for (int slot = 0; slot < list.count; ++slot)
        text += (slot ? " " : "") + std::string(list.slots[slot].number);
    return text;
}

std::string Tables(const AppState &state)
{
    std::string text;
    for (int style = 0; style < STYLE_COUNT; ++style)
        for (int category = 0; category < CATEGORY_COUNT; ++category)
            if (state.styles[style].lists[category].count > 0)
                text += (text.empty() ? "" : ", ") + std::string(1, "DRH"[style]) + std::to_string(category + 1) + ":" +
                        Numbers(state.styles[style].lists[category]);
    return text;
}

std::unique_ptr<AppState> NewState(const std::string &ejayDir, const std::string &windowsDir)
{
    std::unique_ptr<AppState> state(new AppState);
    std::memset(state.get(), 0, sizeof *state);
    std::snprintf(state->settings.ejayDir, sizeof state->settings.ejayDir, "%s", ejayDir.c_str());
    std::snprintf(state->settings.windowsDir, sizeof state->settings.windowsDir, "%s", windowsDir.c_str());
    state->settings.currentStyle = STYLE_DANCE;
    return state;
}

/* A random name: other build trees may run the same test at the same time. */
void ListFolder::SetUp()
{
    folder = (fs::temp_directory_path() / ("pelmora-db-" + std::to_string(std::random_device()()))).string();
    userFolder = File("user");
    windowsIni = File("Pelmora.ini");
    userIni = userFolder + PATH_SEPARATOR_TEXT + "Pelmora.ini";
    ASSERT_TRUE(fs::create_directories(userFolder));
    g_reported.clear();
    SetDatabaseReporter([](const char *message) { g_reported.push_back(message); });
    SetUserSettingsFolder(userFolder.c_str());
    WriteBytes(windowsIni, "[SYSTEM]\r\n");
    WriteBytes(userIni, "[SYSTEM]\r\n");
}

void ListFolder::TearDown()
{
    SetDatabaseReporter(nullptr);
    SetUserSettingsFolder("");
    std::error_code error;
    fs::remove_all(folder, error);
}

void ListFolder::WriteLists(const std::string &dance, const std::string &rave, const std::string &hiphop)
{
    WriteBytes(File("pxddance"), dance);
    WriteBytes(File("pxdrave"), rave);
    WriteBytes(File("pxdhiphp"), hiphop);
}

std::unique_ptr<AppState> ListFolder::Load(int *result)
{
    std::unique_ptr<AppState> state = NewState(folder, folder);
    int loaded = LoadSampleLists(state.get());
    if (result != nullptr)
        *result = loaded;
    return state;
}
