/*
 * How much the list reader and writer cost over plainly moving the same
 * bytes: three full lists (13,500 entries) loaded and saved, side by side
 * with reading and writing the files whole; and the memory AppState takes.
 */
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "database/database.h"
#include "database/file_ops.h"

namespace {

const int ROUNDS = 10;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string FullList(int style)
{
    static const char *const styleNames[STYLE_COUNT] = {"Dance", "Rave", "Hiphop"};
    std::string text;
    char record[600];
    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        for (int n = 1; n <= MAX_SAMPLES_PER_CATEGORY; ++n) {
            std::snprintf(record, sizeof record,
                          "\"%d\"\r\n\"C:\\Ejay\\%s\\%s\\sample%04d.pxd\"\r\n\"\"\r\n\"%s\"\r\n\"%d\"\r\n"
                          "\"Basse profonde %d\"\r\n\"Voix lointaine\"\r\n",
                          category * 1000 + n, styleNames[style], CATEGORY_KEYWORDS[category], n,
                          CATEGORY_KEYWORDS[category], 1 + n % 16, n);
            text += record;
        }
    }
    return text;
}

std::string ListPath(const std::string &folder, int style)
{
    return folder + PATH_SEPARATOR + SAMPLE_LIST_FILE_NAMES[style];
}

void WriteWhole(const std::string &path, const std::string &bytes)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::size_t ReadWhole(const std::string &path, std::vector<char> *buffer)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return 0;
    std::size_t got = std::fread(buffer->data(), 1, buffer->size(), file);
    std::fclose(file);
    return got;
}

/* Resident set size in KiB, or -1 where the platform does not say. */
long ResidentKiB()
{
#ifdef __linux__
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1)
            break;
    }
    std::fclose(status);
    return kib;
#else
    return -1;
#endif
}

void Silent(const char *) {}

} // namespace

int main()
{
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / "pelmora-bench-database";
    fs::create_directories(folder);
    SetDatabaseReporter(Silent);

    std::string lists[STYLE_COUNT];
    std::size_t totalBytes = 0;
    for (int style = 0; style < STYLE_COUNT; ++style) {
        lists[style] = FullList(style);
        totalBytes += lists[style].size();
        WriteWhole(ListPath(folder.string(), style), lists[style]);
    }

    long residentBefore = ResidentKiB();
    std::unique_ptr<AppState> state(new AppState);
    std::memset(state.get(), 0, sizeof *state);
    long residentAfter = ResidentKiB();
    std::snprintf(state->settings.ejayDir, sizeof state->settings.ejayDir, "%s", folder.string().c_str());
    std::snprintf(state->settings.windowsDir, sizeof state->settings.windowsDir, "%s", folder.string().c_str());

    double loadMs = 0;
    int entries = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        std::memset(state->styles, 0, sizeof state->styles);
        Clock::time_point start = Clock::now();
        if (!LoadSampleLists(state.get())) {
            std::fprintf(stderr, "loading failed\n");
            return 1;
        }
        loadMs += MillisecondsSince(start);
    }
    for (const StyleDatabase &style : state->styles)
        for (const CategoryList &list : style.lists)
            entries += list.count;

    double saveMs = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        Clock::time_point start = Clock::now();
        if (!SaveSampleLists(state.get(), nullptr)) {
            std::fprintf(stderr, "saving failed\n");
            return 1;
        }
        saveMs += MillisecondsSince(start);
    }

    std::vector<char> buffer(totalBytes + 1);
    double readMs = 0;
    double writeMs = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        Clock::time_point start = Clock::now();
        for (int style = 0; style < STYLE_COUNT; ++style)
            ReadWhole(ListPath(folder.string(), style), &buffer);
        readMs += MillisecondsSince(start);
        start = Clock::now();
        for (int style = 0; style < STYLE_COUNT; ++style)
            WriteWhole(ListPath(folder.string(), style), lists[style]);
        writeMs += MillisecondsSince(start);
    }

    std::printf("bench_database: 3 lists, %d entries, %zu bytes, mean of %d rounds\n", entries, totalBytes, ROUNDS);
    std::printf("  load  %8.2f ms   plain read  %8.2f ms   ratio %6.1f\n", loadMs / ROUNDS, readMs / ROUNDS,
                loadMs / readMs);
    std::printf("  save  %8.2f ms   plain write %8.2f ms   ratio %6.1f\n", saveMs / ROUNDS, writeMs / ROUNDS,
                saveMs / writeMs);
    std::printf("  sizeof(AppState) %zu bytes (%.1f MiB)\n", sizeof(AppState), sizeof(AppState) / 1048576.0);
    if (residentBefore >= 0 && residentAfter >= 0)
        std::printf("  resident memory after clearing AppState: +%ld KiB\n", residentAfter - residentBefore);
    else
        std::printf("  resident memory: not measured on this platform\n");

    std::error_code error;
    fs::remove_all(folder, error);
    return 0;
}
