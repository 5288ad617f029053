/*
 * Arbitrary bytes as the three sample lists (split at the first two 0x1E
 * bytes): load, save, load again. Nothing may overrun, a save of what was
 * loaded must succeed, and the second load must give the same tables and
 * keep the same records aside.
 */
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "database/database.h"
#include "files/files.h"

namespace {

AppState s_first;
AppState s_second;
/* In memory where there is a memory file system: every save is committed
   to the disk, which would make each run cost milliseconds. */
char s_folder[64];

void Ignore(const char *) {}

void ClearLoadedLists(AppState *state)
{
    for (StyleDatabase &style : state->styles) {
        for (CategoryList &list : style.lists) {
            std::memset(list.slots, 0, sizeof(SampleRecord) * static_cast<std::size_t>(list.count));
            list.count = 0;
        }
    }
}

void Prepare(AppState *state)
{
    ClearLoadedLists(state);
    std::snprintf(state->settings.ejayDir, sizeof state->settings.ejayDir, "%s", s_folder);
    std::snprintf(state->settings.windowsDir, sizeof state->settings.windowsDir, "%s", s_folder);
}

void WriteList(int index, const std::uint8_t *bytes, std::size_t size)
{
    char path[LIST_LINE_CAPACITY];
    if (!JoinPath(path, sizeof path, s_folder, SAMPLE_LIST_FILE_NAMES[index]))
        std::abort();
    std::FILE *file = std::fopen(path, "wb");
    if (file == nullptr)
        std::abort();
    if (size > 0)
        std::fwrite(bytes, 1, size, file);
    std::fclose(file);
}

void WriteThreeLists(const std::uint8_t *data, std::size_t size)
{
    std::size_t start = 0;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        std::size_t end = size;
        if (index < STYLE_COUNT - 1) {
            const void *separator = std::memchr(data + start, 0x1E, size - start);
            if (separator != nullptr)
                end = static_cast<std::size_t>(static_cast<const std::uint8_t *>(separator) - data);
        }
        WriteList(index, data + start, end - start);
        start = end < size ? end + 1 : size;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::snprintf(s_folder, sizeof s_folder, "%s/pelmora-fuzz-lists-XXXXXX",
                  access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    if (mkdtemp(s_folder) == nullptr)
        std::abort();
    SetDatabaseReporter(Ignore);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    WriteThreeLists(data, size);
    Prepare(&s_first);
    if (LoadSampleLists(&s_first) != LISTS_LOADED)
        return 0; /* an unknown keyword: the program stops before any save */
    int carried[STYLE_COUNT];
    for (int index = 0; index < STYLE_COUNT; ++index)
        carried[index] = CarriedRecordCount(STYLE_DANCE + index);

    ListSaveReport report;
    if (!SaveSampleLists(&s_first, &report))
        std::abort();
    Prepare(&s_second);
    if (LoadSampleLists(&s_second) != LISTS_LOADED)
        std::abort();
    if (std::memcmp(s_first.styles, s_second.styles, sizeof s_first.styles) != 0)
        std::abort();
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (CarriedRecordCount(STYLE_DANCE + index) != carried[index])
            std::abort();
    }
    return 0;
}
