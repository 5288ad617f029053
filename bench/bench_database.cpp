/*
 * How much the list reader and writer cost over plainly moving the same
 * bytes: three full lists (13,500 entries) loaded and saved, side by side
 * with reading and writing the files whole (a save commits its files to the
 * disk, so it is set beside a plain write that does too); the matcher of
 * the Find form and `pelmora-lists find` on every entry; and the memory
 * AppState takes.
 */
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "database/database.h"
#include "files/files.h"
#include "lists/lists_tool.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const int ROUNDS = 21;

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

/* Writes the bytes to the file; committed, they also reach the disk, as
   every save of the program does: the fair yardstick for a save. */
void WriteWhole(const std::string &path, const std::string &bytes, bool committed = false)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fflush(file);
    if (committed)
#ifdef _WIN32
        _commit(_fileno(file));
#else
        fsync(fileno(file));
#endif
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

/* Asks the system to forget its cached copy of the file, so that the next
   read comes from the disk (where the platform allows it; false if not). */
bool DropFromCache(const std::string &path)
{
#if defined(__linux__)
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    bool dropped = posix_fadvise(fileno(file), 0, 0, POSIX_FADV_DONTNEED) == 0;
    std::fclose(file);
    return dropped;
#else
    (void)path;
    return false;
#endif
}

/* Median milliseconds of ROUNDS runs of work; before() is not timed. */
template <typename Before, typename Work>
double MedianMs(Before before, Work work)
{
    std::vector<double> times;
    for (int round = 0; round < ROUNDS; ++round) {
        before();
        Clock::time_point start = Clock::now();
        work();
        times.push_back(MillisecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / "pelmora-bench-database";
    fs::create_directories(folder);

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

    bool failed = false;
    auto clearTables = [&] { std::memset(state->styles, 0, sizeof state->styles); };
    ListsLoad load;
    double loadMs = MedianMs(clearTables, [&] { failed |= LoadSampleLists(state.get(), &load) != LISTS_LOADED; });
    int entries = 0;
    for (const StyleDatabase &style : state->styles)
        for (const CategoryList &list : style.lists)
            entries += list.count;
    /* A save reads each list first, to see that no other program changed it. */
    double saveMs = MedianMs([] {},
                             [&] {
                                 ListSaveProgress progress;
                                 failed |=
                                     SaveSampleLists(state.get(), &load, nullptr, nullptr, &progress, nullptr) != 1;
                             });

    std::vector<char> buffer(totalBytes + 1);
    auto readPlainly = [&] {
        for (int style = 0; style < STYLE_COUNT; ++style)
            ReadWhole(ListPath(folder.string(), style), &buffer);
    };
    double readMs = MedianMs([] {}, readPlainly);
    /* From the disk: what a first start after switching the computer on sees. */
    bool coldCache = true;
    auto dropCache = [&] {
        for (int style = 0; style < STYLE_COUNT; ++style)
            coldCache &= DropFromCache(ListPath(folder.string(), style));
    };
    double coldLoadMs = MedianMs(
        [&] {
            clearTables();
            dropCache();
        },
        [&] { failed |= LoadSampleLists(state.get(), &load) != LISTS_LOADED; });
    double coldReadMs = MedianMs(dropCache, readPlainly);
    double writeMs = MedianMs([] {},
                              [&] {
                                  for (int style = 0; style < STYLE_COUNT; ++style)
                                      WriteWhole(ListPath(folder.string(), style), lists[style]);
                              });
    double committedMs = MedianMs([] {},
                                  [&] {
                                      for (int style = 0; style < STYLE_COUNT; ++style)
                                          WriteWhole(ListPath(folder.string(), style), lists[style], true);
                                  });
    /* The lists tool's looks at the same lists, whole commands. */
    std::string out, err;
    auto tool = [&](std::vector<std::string> arguments) {
        return MedianMs(
            [&] {
                out.clear();
                err.clear();
            },
            [&] { RunListsTool(arguments, &out, &err); });
    };
    double checkMs = tool({"--ejay", folder.string(), "check"});
    double findMs = tool({"--ejay", folder.string(), "find", "lointaine 4"});
    /* The matcher alone, as the window's Find form runs it at each key. */
    std::vector<SampleHit> hits;
    auto search = [&](const char *text) {
        return MedianMs([] {}, [&] { FindSamples(*state, MakeSampleQuery(text), ANY_STYLE, ANY_CATEGORY, &hits); });
    };
    double matchTextMs = search("LOINTAINE"), matchAccentsMs = search("basse profonde 12"),
           matchNumberMs = search("4321");
    std::size_t numberHits = hits.size();
    if (failed) {
        std::fprintf(stderr, "loading or saving failed\n");
        return 1;
    }

    std::printf("bench_database: 3 lists, %d entries, %zu bytes, median of %d rounds, in %s\n", entries, totalBytes,
                ROUNDS, folder.string().c_str());
    std::printf("  load  %8.2f ms   plain read             %8.2f ms   ratio %5.2f   (files in the memory cache)\n",
                loadMs, readMs, loadMs / readMs);
    if (coldCache)
        std::printf("  load  %8.2f ms   plain read             %8.2f ms   ratio %5.2f   (files read from the disk)\n",
                    coldLoadMs, coldReadMs, coldLoadMs / coldReadMs);
    else
        std::printf("  load from the disk: not measured (the platform keeps its cache)\n");
    std::printf("  save  %8.2f ms   plain write, committed %8.2f ms   ratio %5.2f\n", saveMs, committedMs,
                saveMs / committedMs);
    std::printf("                   plain write, cached    %8.2f ms   ratio %5.2f\n", writeMs, saveMs / writeMs);
    std::printf("  pelmora-lists check %8.2f ms, find %8.2f ms (whole commands, lists read each time)\n", checkMs,
                findMs);
    std::printf("  find's matcher on %d entries: %.2f ms (a word in every entry), %.2f ms (a name), %.2f ms (a number, "
                "%zu found)\n",
                entries, matchTextMs, matchAccentsMs, matchNumberMs, numberHits);
    std::printf("  sizeof(AppState) %zu bytes (%.1f MiB)\n", sizeof(AppState), sizeof(AppState) / 1048576.0);
    if (residentBefore >= 0 && residentAfter >= 0)
        std::printf("  resident memory after clearing AppState: +%ld KiB\n", residentAfter - residentBefore);
    else
        std::printf("  resident memory: not measured on this platform\n");

    std::error_code error;
    fs::remove_all(folder, error);
    return 0;
}
