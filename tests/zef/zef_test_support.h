// Helpers shared by the ZEF tests: a scratch folder with real files, the
// ~20 MB record on the heap, and a readable dump of a document.
#ifndef ZEF_TEST_SUPPORT_H
#define ZEF_TEST_SUPPORT_H

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "zef/zef.h"

namespace zeftest {

namespace fs = std::filesystem;

// A zeroed record, as a caller's static one starts: far too big for a stack.
inline std::unique_ptr<ZEFINFO> NewRecord() { return std::make_unique<ZEFINFO>(); }

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::random_device random;
        for (;;) {
            dir_ = fs::temp_directory_path() / ("zef-test-" + std::to_string(random()));
            if (fs::create_directory(dir_)) break;
        }
    }
    ~ScratchDir() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string Path(const std::string &name) const { return (dir_ / name).string(); }
    const fs::path &Dir() const { return dir_; }

private:
    fs::path dir_;
};

inline void WriteBytes(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline int Open(const std::string &path, ZEFINFO *info) {
    return ZEF_OpenFile(const_cast<char *>(path.c_str()), info);
}

inline int Write(const std::string &path, ZEFINFO *info) {
    return ZEF_WriteFile(const_cast<char *>(path.c_str()), info);
}

// Writes bytes to a real file and opens it; the file stays for the test.
inline int OpenBytes(const ScratchDir &dir, const std::string &bytes, ZEFINFO *info) {
    std::string path = dir.Path("input.ini");
    WriteBytes(path, bytes);
    return Open(path, info);
}

// The document as "slot:[class] member=init" lines, classes and members in
// slot order, so expected documents are written by hand in one string.
inline std::string Dump(const ZEFINFO &info) {
    std::string out;
    for (int c = 0; c < ZEF_MAX_CLASSES; c++) {
        const ZEFCLASS &cls = info.classes[c];
        if (!cls.used) continue;
        out += std::to_string(c) + ":[" + cls.name + "]";
        for (int m = 0; m < ZEF_MAX_MEMBERS; m++) {
            if (!cls.members[m].used) continue;
            out += std::string(" ") + cls.members[m].name + "=" + (cls.inits[m].used ? cls.inits[m].text : "");
        }
        out += "\n";
    }
    return out;
}

// The value ZEF_GetInit gives, or "<code N>" when it fails.
inline std::string GetInit(ZEFINFO *info, const std::string &member) {
    char out[ZEF_TEXT_SIZE] = "";
    int result = ZEF_GetInit(const_cast<char *>(member.c_str()), out, info);
    return result == ZEF_OK ? std::string(out) : "<code " + std::to_string(result) + ">";
}

inline char *Str(const std::string &text) { return const_cast<char *>(text.c_str()); }

}  // namespace zeftest

#endif
