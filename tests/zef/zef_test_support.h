// Shared by the ZEF tests: the ~20 MB record on the heap, texts parsed
// straight from strings, written through ZEF_WriteFile into a scratch
// folder, and a document dumped as one string written by hand.
#ifndef ZEF_TEST_SUPPORT_H
#define ZEF_TEST_SUPPORT_H

#include <memory>
#include <string>

#include "tests/support/test_files.h"
#include "zef/zef_internal.h"

namespace zeftest {

using namespace testfiles;

inline char *Str(const std::string &text) { return const_cast<char *>(text.c_str()); }
inline std::string X(size_t count) { return std::string(count, 'x'); }

// The document as "slot:[class] member=init" lines in slot order.
inline std::string Dump(const ZEFINFO &info)
{
    std::string out;
    for (int c = 0; c < ZEF_MAX_CLASSES; c++) {
        const ZEFCLASS &cls = info.classes[c];
        if (!cls.used)
            continue;
        out += std::to_string(c) + ":[" + cls.name + "]";
        for (int m = 0; m < ZEF_MAX_MEMBERS; m++)
            if (cls.members[m].used)
                out += std::string(" ") + cls.members[m].name + "=" + (cls.inits[m].used ? cls.inits[m].text : "");
        out += "\n";
    }
    return out;
}

// The value ZEF_GetInit gives, or "<code N>" when it fails.
inline std::string GetInit(ZEFINFO *info, const std::string &member)
{
    char out[ZEF_TEXT_SIZE] = "";
    int result = ZEF_GetInit(Str(member), out, info);
    return result == ZEF_OK ? std::string(out) : "<code " + std::to_string(result) + ">";
}

// One zeroed record per test, as a caller's static record starts.
class ZefTest : public ScratchFolder {
protected:
    void Parse(const std::string &text) { zef_parse_text(text.data(), text.size(), info.get()); }
    int Open(const std::string &path, ZEFINFO *record) { return ZEF_OpenFile(Str(path), record); }
    // The bytes ZEF_WriteFile leaves in out.ini, or "<code N>" when it fails.
    std::string Written()
    {
        int result = ZEF_WriteFile(Str(File("out.ini")), info.get());
        return result == ZEF_OK ? ReadBytes(File("out.ini")) : "<code " + std::to_string(result) + ">";
    }
    std::string Doc() const { return Dump(*info); }
    std::unique_ptr<ZEFINFO> info = std::make_unique<ZEFINFO>();
};

} // namespace zeftest

#endif
