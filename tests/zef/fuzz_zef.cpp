// libFuzzer target: arbitrary bytes as a configuration file, opened, looked
// up, edited, written and opened again. Any overrun, unterminated text or
// count out of range is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "zef/zef.h"

namespace {

ZEFINFO g_info;  // about 20 MB: static, as the program keeps it

std::string ScratchPath(const char *ending) {
    return "/tmp/fuzz_zef_" + std::to_string(getpid()) + ending;
}

void WriteInput(const std::string &path, const uint8_t *data, size_t size) {
    FILE *file = fopen(path.c_str(), "wb");
    if (!file) abort();
    if (size) fwrite(data, 1, size, file);
    fclose(file);
}

void Check(bool condition) {
    if (!condition) abort();
}

bool Terminated(const char *text) { return memchr(text, '\0', ZEF_TEXT_SIZE) != nullptr; }

// What the record must always look like after a call: the slots in use
// (the only ones the library reads or writes) hold terminated texts.
void CheckRecord(const ZEFINFO &info) {
    Check(info.classCount >= 0 && info.classCount <= ZEF_MAX_CLASSES);
    Check(Terminated(info.fileName) && Terminated(info.directory));
    for (const ZEFCLASS &cls : info.classes) {
        if (!cls.used) continue;
        Check(Terminated(cls.name));
        Check(cls.memberCount >= 0 && cls.memberCount <= ZEF_MAX_MEMBERS);
        for (int m = 0; m < ZEF_MAX_MEMBERS; m++) {
            if (cls.members[m].used) Check(Terminated(cls.members[m].name));
            if (cls.inits[m].used) Check(Terminated(cls.inits[m].text));
        }
    }
}

// A name from the input itself: up to 300 bytes, so some are too long.
std::string RawName(const uint8_t *data, size_t size) {
    size_t length = size < 300 ? size : 300;
    std::string name(reinterpret_cast<const char *>(data), length);
    return name.c_str();  // up to the first NUL
}

void LookupsAndEdits(ZEFINFO *info, const uint8_t *data, size_t size) {
    char out[ZEF_TEXT_SIZE] = "";
    std::string raw = RawName(data, size);
    char *rawName = raw.data();
    ZEF_ExistClass(rawName, info);
    ZEF_ExistMember(rawName, info);
    ZEF_ExistInit(rawName, info);
    ZEF_GetInit(rawName, out, info);
    for (int c = 0; c < ZEF_MAX_CLASSES && c < 3; c++) {
        ZEFCLASS &cls = info->classes[c];
        if (!cls.used) continue;
        std::string className = cls.name, member = cls.members[0].name, init = cls.inits[0].text;
        ZEF_ExistClass(className.data(), info);
        ZEF_GetInit(member.data(), out, info);
        Check(Terminated(out));
        ZEF_ExistInit(init.data(), info);
        ZEF_SetInit(member.data(), rawName, info);
        ZEF_AddMember(className.data(), rawName, init.data(), info);
        ZEF_SetMember(member.data(), init.data(), info);
        ZEF_DelMember(init.data(), info);
        ZEF_SetClass(className.data(), rawName, info);
        ZEF_DelClass(rawName, info);
        ZEF_AddClass(className.data(), info);
        CheckRecord(*info);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string input = ScratchPath(".ini"), output = ScratchPath(".out");
    WriteInput(input, data, size);
    if (ZEF_OpenFile(input.data(), &g_info) != ZEF_OK) abort();
    Check(g_info.fileSize == static_cast<int>(size));
    CheckRecord(g_info);
    LookupsAndEdits(&g_info, data, size);
    if (ZEF_WriteFile(output.data(), &g_info) != ZEF_OK) abort();
    if (ZEF_OpenFile(output.data(), &g_info) != ZEF_OK) abort();
    CheckRecord(g_info);
    remove(input.c_str());
    remove(output.c_str());
    return 0;
}
