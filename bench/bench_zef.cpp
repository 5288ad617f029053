// Benchmark, not a test: ZEF_OpenFile and ZEF_WriteFile on a full-capacity
// document (200 classes of 200 members) and on one the size of Pelmora's
// settings file (2 classes, 6 members), beside inih parsing the same file.
// Prints microseconds per call and the ratio ZEF / inih from the same run,
// then what an open of a file of 1 GB adds to the process's peak resident
// memory (the record's pages it uses and its read buffer, whatever the size).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <ini.h>

#include "zef/zef.h"

namespace {

std::string MakeDocument(int classes, int members)
{
    std::string text;
    for (int c = 0; c < classes; c++) {
        text += "[Class" + std::to_string(c) + "]\r\n";
        for (int m = 0; m < members; m++)
            text += "Member" + std::to_string(m) + "=C:\\Ejay\\value " + std::to_string(c * members + m) + "\r\n";
        text += "\r\n";
    }
    return text;
}

// Runs work until half a second has passed, after one warming call (file
// cache, the record's pages); microseconds per call.
template <typename Work>
double MicrosPerCall(Work work)
{
    work();
    long calls = 0;
    auto start = std::chrono::steady_clock::now();
    std::chrono::duration<double> elapsed{};
    for (; elapsed.count() < 0.5; calls++) {
        work();
        elapsed = std::chrono::steady_clock::now() - start;
    }
    return elapsed.count() * 1e6 / static_cast<double>(calls);
}

int CountEntry(void *user, const char *, const char *, const char *)
{
    ++*static_cast<long *>(user);
    return 1;
}

void Measure(const char *label, const std::string &text, const std::filesystem::path &dir, ZEFINFO *info)
{
    std::string in = (dir / "in.ini").string(), out = (dir / "out.ini").string();
    std::ofstream(in, std::ios::binary) << text;
    long entries = 0;
    double open = MicrosPerCall([&] {
        if (ZEF_OpenFile(in.data(), info) != ZEF_OK)
            std::abort();
    });
    double write = MicrosPerCall([&] {
        if (ZEF_WriteFile(out.data(), info) != ZEF_OK)
            std::abort();
    });
    double inih = MicrosPerCall([&] {
        if (ini_parse(in.c_str(), CountEntry, &entries) != 0)
            std::abort();
    });
    std::printf("%-30s %12.1f %12.1f %12.1f %10.1fx %10.1fx\n", label, open, write, inih, open / inih, write / inih);
}

// "VmHWM" (peak) or "VmRSS" (now) of this process, in kB.
long ResidentKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    long kilobytes = -1;
    while (status >> word) {
        if (word == std::string(field) + ":" && status >> kilobytes)
            break;
    }
    return kilobytes;
}

// A hole of 1 GB (no disk used) between a few members, read by the rules.
void MeasureHugeOpen(const std::filesystem::path &dir, ZEFINFO *info)
{
    std::string path = (dir / "huge.ini").string();
    std::ofstream(path, std::ios::binary) << "[A]\r\nk=v\r\nlong=";
    std::filesystem::resize_file(path, 1ull << 30);
    std::ofstream(path, std::ios::binary | std::ios::app) << "\r\nlast=1\r\n";
    long before = ResidentKilobytes("VmRSS");
    auto start = std::chrono::steady_clock::now();
    if (ZEF_OpenFile(path.data(), info) != ZEF_OK || info->classes[0].memberCount != 3)
        std::abort();
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("open of a 1 GB file: %.0f ms; resident memory %ld kB before, %ld kB after, peak %ld kB\n",
                elapsed.count() * 1e3, before, ResidentKilobytes("VmRSS"), ResidentKilobytes("VmHWM"));
}

} // namespace

int main()
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "bench_zef";
    std::filesystem::create_directories(dir);
    auto info = std::make_unique<ZEFINFO>();
    MeasureHugeOpen(dir, info.get());
    std::printf("microseconds per call; ratios against inih's ini_parse of the same file\n");
    std::printf("%-30s %12s %12s %12s %11s %11s\n", "document", "ZEF_OpenFile", "ZEF_WriteFile", "ini_parse",
                "open/inih", "write/inih");
    Measure("full: 200 x 200 (~1.2 MB)", MakeDocument(ZEF_MAX_CLASSES, ZEF_MAX_MEMBERS), dir, info.get());
    Measure("settings: 2 classes, 6 members", MakeDocument(2, 3), dir, info.get());
    std::filesystem::remove_all(dir);
    return 0;
}
