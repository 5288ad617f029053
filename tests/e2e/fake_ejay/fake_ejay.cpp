/*
 * Stands in for Ejay in the end-to-end tests: Pelmora starts "Ejay" on
 * closing when asked to, and this only notes that it ran, one line in
 * ejay-ran.txt beside itself per run, so a test can count the runs.
 */
#include <windows.h>

#include <cstring>
#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH + 16] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::strcpy(std::strrchr(path, '\\') + 1, "ejay-ran.txt");
    std::ofstream(path, std::ios::app | std::ios::binary) << "ran\n";
    return 0;
}
