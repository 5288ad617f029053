/*
 * Stands in for Ejay in the end-to-end tests. Pelmora starts "Ejay" on
 * closing when asked to; this program only records that it ran, by adding
 * one line to ejay-ran.txt beside itself, so a test can tell that it was
 * started, and how many times.
 */
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    char self[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    char *nameStart = std::strrchr(self, '\\');
    nameStart = nameStart ? nameStart + 1 : self;
    *nameStart = '\0';
    /* A folder too long for the marker's name gives no marker, which the
       test reports as "Ejay did not run". */
    char marker[MAX_PATH];
    int written = std::snprintf(marker, sizeof marker, "%sejay-ran.txt", self);
    if (written < 0 || written >= static_cast<int>(sizeof marker))
        return 1;

    std::FILE *file = std::fopen(marker, "ab");
    if (file == nullptr)
        return 1;
    std::fprintf(file, "ran [%s]\r\n", commandLine);
    std::fclose(file);
    return 0;
}
