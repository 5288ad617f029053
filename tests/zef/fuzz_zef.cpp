// libFuzzer target: arbitrary bytes as a configuration file, parsed, looked
// up, edited, written and opened again. Any overrun, unterminated text or
// count out of range is a finding, and so is a document that depends on the
// buffer it was read through (the smallest, or a file's).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "zef/zef_internal.h"

namespace {

ZEFINFO g_info, g_opened; // about 20 MB each: static, as the program keeps it

void Check(bool condition)
{
    if (!condition)
        abort();
}

bool Terminated(const char *text) { return memchr(text, '\0', ZEF_TEXT_SIZE) != nullptr; }

// The slots in use (the only ones the library reads or writes) hold
// terminated texts, and the counts stay in range.
void CheckRecord(const ZEFINFO &info)
{
    Check(info.classCount >= 0 && info.classCount <= ZEF_MAX_CLASSES);
    Check(Terminated(info.fileName) && Terminated(info.directory));
    for (const ZEFCLASS &cls : info.classes) {
        if (!cls.used)
            continue;
        Check(Terminated(cls.name) && cls.memberCount >= 0 && cls.memberCount <= ZEF_MAX_MEMBERS);
        for (int m = 0; m < ZEF_MAX_MEMBERS; m++)
            Check((!cls.members[m].used || Terminated(cls.members[m].name)) &&
                  (!cls.inits[m].used || Terminated(cls.inits[m].text)));
    }
}

// Read from a fresh record, classes and members fill the first slots.
bool SameDocument(const ZEFINFO &a, const ZEFINFO &b)
{
    if (a.classCount != b.classCount || a.memberTotal != b.memberTotal)
        return false;
    for (int c = 0; c < a.classCount; c++) {
        const ZEFCLASS &x = a.classes[c], &y = b.classes[c];
        if (strcmp(x.name, y.name) != 0 || x.memberCount != y.memberCount)
            return false;
        for (int m = 0; m < x.memberCount; m++) {
            if (strcmp(x.members[m].name, y.members[m].name) != 0 || strcmp(x.inits[m].text, y.inits[m].text) != 0)
                return false;
        }
    }
    return true;
}

// raw: a name from the input itself, up to 300 bytes, so some are too long.
void LookupsAndEdits(ZEFINFO *info, char *raw)
{
    char out[ZEF_TEXT_SIZE] = "";
    ZEF_ExistClass(raw, info);
    ZEF_ExistMember(raw, info);
    ZEF_ExistInit(raw, info);
    ZEF_GetInit(raw, out, info);
    for (int c = 0; c < 3; c++) {
        ZEFCLASS &cls = info->classes[c];
        if (!cls.used)
            continue;
        std::string className = cls.name, member = cls.members[0].name, init = cls.inits[0].text;
        ZEF_GetInit(member.data(), out, info);
        Check(Terminated(out));
        ZEF_SetInit(member.data(), raw, info);
        ZEF_AddMember(className.data(), raw, init.data(), info);
        ZEF_SetMember(member.data(), init.data(), info);
        ZEF_DelMember(init.data(), info);
        ZEF_SetClass(className.data(), raw, info);
        ZEF_DelClass(raw, info);
        ZEF_AddClass(className.data(), info);
        CheckRecord(*info);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where there is a memory file system: every write is
    // committed to the disk, which would make each run cost milliseconds.
    std::string output = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/fuzz_zef_" +
                         std::to_string(getpid()) + ".out";
    FILE *input = fopen(output.c_str(), "wb");
    Check(input != nullptr && fwrite(data, 1, size, input) == size && fclose(input) == 0);
    Check(ZEF_OpenFile(output.data(), &g_opened) == ZEF_OK);
    zef_parse_text(reinterpret_cast<const char *>(data), size, &g_info);
    CheckRecord(g_info);
    Check(SameDocument(g_info, g_opened));
    std::string raw = std::string(reinterpret_cast<const char *>(data), size < 300 ? size : 300).c_str();
    LookupsAndEdits(&g_info, raw.data());
    Check(ZEF_WriteFile(output.data(), &g_info) == ZEF_OK);
    Check(ZEF_OpenFile(output.data(), &g_info) == ZEF_OK);
    CheckRecord(g_info);
    remove(output.c_str());
    return 0;
}
