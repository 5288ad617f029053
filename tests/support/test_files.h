/*
 * What every test folder needs of files: a scratch folder per test (a
 * random name: other build trees may run the same test at the same time)
 * and byte-exact reading and writing.
 */
#ifndef PELMORA_TEST_FILES_H
#define PELMORA_TEST_FILES_H

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace testfiles {

namespace fs = std::filesystem;

inline void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

/* The whole file, or "<missing>" unless it is a file that can be read. */
inline std::string ReadBytes(const std::string &path)
{
    std::error_code error;
    std::ifstream in(path, std::ios::binary);
    if (!fs::is_regular_file(path, error) || !in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ScratchFolder : public ::testing::Test {
protected:
    ScratchFolder()
    {
        std::random_device random;
        do
            folder = (fs::temp_directory_path() / ("pelmora-test-" + std::to_string(random()))).string();
        while (!fs::create_directory(folder));
    }
    ~ScratchFolder() override
    {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
    }
    std::string File(const std::string &name) const { return (fs::path(folder) / name).string(); }

    std::string folder;
};

} // namespace testfiles

#endif
