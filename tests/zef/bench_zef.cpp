// Benchmark, not a test: ZEF_OpenFile and ZEF_WriteFile on a full-capacity
// document (200 classes of 200 members) and on one the size of Pelmora's
// settings file (2 classes, 6 members), beside inih parsing the same file.
// Prints microseconds per call and the ratio ZEF / inih from the same run.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <ini.h>

#include "zef/zef.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string MakeDocument(int classes, int members) {
    std::string text;
    for (int c = 0; c < classes; c++) {
        text += "[Class" + std::to_string(c) + "]\r\n";
        for (int m = 0; m < members; m++)
            text += "Member" + std::to_string(m) + "=C:\\Ejay\\value " + std::to_string(c * members + m) + "\r\n";
        text += "\r\n";
    }
    return text;
}

void WriteText(const std::string &path, const std::string &text) {
    FILE *file = fopen(path.c_str(), "wb");
    if (!file) return;
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

// Runs work until at least minSeconds have passed; microseconds per call.
template <typename Work>
double MicrosPerCall(Work work, double minSeconds = 0.5) {
    work();  // warm the file cache and the record's pages
    long calls = 0;
    auto start = Clock::now();
    std::chrono::duration<double> elapsed{};
    do {
        work();
        calls++;
        elapsed = Clock::now() - start;
    } while (elapsed.count() < minSeconds);
    return elapsed.count() * 1e6 / static_cast<double>(calls);
}

int CountEntry(void *user, const char *, const char *, const char *) {
    ++*static_cast<long *>(user);
    return 1;
}

void Measure(const char *label, const std::string &path, const std::string &outPath, ZEFINFO *info) {
    char *in = const_cast<char *>(path.c_str());
    char *out = const_cast<char *>(outPath.c_str());
    long entries = 0;
    double open = MicrosPerCall([&] {
        if (ZEF_OpenFile(in, info) != ZEF_OK) std::abort();
    });
    double write = MicrosPerCall([&] {
        if (ZEF_WriteFile(out, info) != ZEF_OK) std::abort();
    });
    double inih = MicrosPerCall([&] {
        if (ini_parse(path.c_str(), CountEntry, &entries) != 0) std::abort();
    });
    std::printf("%-30s %12.1f %12.1f %12.1f %10.1fx %10.1fx\n", label, open, write, inih, open / inih,
                write / inih);
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "bench_zef";
    fs::create_directories(dir);
    std::string full = (dir / "full.ini").string(), small = (dir / "settings.ini").string();
    WriteText(full, MakeDocument(ZEF_MAX_CLASSES, ZEF_MAX_MEMBERS));
    WriteText(small, MakeDocument(2, 3));
    auto info = std::make_unique<ZEFINFO>();

    std::printf("microseconds per call; ratios against inih's ini_parse of the same file\n");
    std::printf("%-30s %12s %12s %12s %11s %11s\n", "document", "ZEF_OpenFile", "ZEF_WriteFile", "ini_parse",
                "open/inih", "write/inih");
    Measure("full: 200 x 200 (~1.2 MB)", full, (dir / "full.out").string(), info.get());
    Measure("settings: 2 classes, 6 members", small, (dir / "settings.out").string(), info.get());
    fs::remove_all(dir);
    return 0;
}
