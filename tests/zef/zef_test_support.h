// Shared by the ZEF tests: a scratch folder of real files, the ~20 MB record
// on the heap, and a document dumped as one string written by hand.
#ifndef ZEF_TEST_SUPPORT_H
#define ZEF_TEST_SUPPORT_H

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "zef/zef.h"

namespace zeftest {

namespace fs = std::filesystem;

inline char *Str(const std::string &text) { return const_cast<char *>(text.c_str()); }
inline std::string X(size_t count) { return std::string(count, 'x'); }

inline void WriteBytes(const std::string &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline int Open(const std::string &path, ZEFINFO *info) { return ZEF_OpenFile(Str(path), info); }
inline int Write(const std::string &path, ZEFINFO *info) { return ZEF_WriteFile(Str(path), info); }

// The document as "slot:[class] member=init" lines in slot order.
inline std::string Dump(const ZEFINFO &info) {
    std::string out;
    for (int c = 0; c < ZEF_MAX_CLASSES; c++) {
        const ZEFCLASS &cls = info.classes[c];
        if (!cls.used) continue;
        out += std::to_string(c) + ":[" + cls.name + "]";
        for (int m = 0; m < ZEF_MAX_MEMBERS; m++)
            if (cls.members[m].used)
                out += std::string(" ") + cls.members[m].name + "=" + (cls.inits[m].used ? cls.inits[m].text : "");
        out += "\n";
    }
    return out;
}

// The value ZEF_GetInit gives, or "<code N>" when it fails.
inline std::string GetInit(ZEFINFO *info, const std::string &member) {
    char out[ZEF_TEXT_SIZE] = "";
    int result = ZEF_GetInit(Str(member), out, info);
    return result == ZEF_OK ? std::string(out) : "<code " + std::to_string(result) + ">";
}

// One scratch folder of real files and one zeroed record per test, as a
// caller's static record starts.
class ZefTest : public ::testing::Test {
protected:
    ZefTest() {
        std::random_device random;
        do dir = fs::temp_directory_path() / ("zef-test-" + std::to_string(random()));
        while (!fs::create_directory(dir));
    }
    ~ZefTest() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    std::string Path(const std::string &name) const { return (dir / name).string(); }
    int Read(const std::string &bytes) {
        WriteBytes(Path("input.ini"), bytes);
        return Open(Path("input.ini"), info.get());
    }
    // The bytes ZEF_WriteFile leaves in out.ini, or "<code N>" when it fails.
    std::string Written() {
        int result = Write(Path("out.ini"), info.get());
        return result == ZEF_OK ? ReadBytes(Path("out.ini")) : "<code " + std::to_string(result) + ">";
    }
    std::string Doc() const { return Dump(*info); }
    fs::path dir;
    std::unique_ptr<ZEFINFO> info = std::make_unique<ZEFINFO>();
};

}  // namespace zeftest

#endif
