#include "database_test_support.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "database/file_ops.h"

namespace fs = std::filesystem;

std::vector<std::string> g_reported;

TempFolder::TempFolder()
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        fs::path candidate = fs::temp_directory_path() / ("pelmora-db-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(candidate, error))
            path_ = candidate.string();
    }
}

TempFolder::~TempFolder()
{
    std::error_code error;
    if (!path_.empty())
        fs::remove_all(path_, error);
}

std::string TempFolder::File(const std::string &name) const
{
    return path_ + PATH_SEPARATOR + name;
}

void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string ReadBytes(const std::string &path)
{
    std::string bytes;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return "<missing>";
    char block[4096];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.append(block, got);
    std::fclose(file);
    return bytes;
}

bool FileExists(const std::string &path)
{
    std::error_code error;
    return fs::exists(path, error);
}

std::string Record(const std::string &number, const std::string &path, const std::string &extra,
                   const std::string &keyword, const std::string &duration, const std::string &name1,
                   const std::string &name2)
{
    std::string text;
    for (const std::string *value : {&number, &path, &extra, &keyword, &duration, &name1, &name2})
        text += "\"" + *value + "\"\r\n";
    return text;
}

std::string NumberedRecord(const std::string &keyword, int n)
{
    std::string number = std::to_string(n);
    return Record(number, "C:\\Ejay\\" + keyword + number + ".pxd", "x" + number, keyword, "2",
                  keyword + " " + number, "n" + number);
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

void RecordMessage(const char *message)
{
    g_reported.push_back(message);
}

void ClearMessages()
{
    g_reported.clear();
}
