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

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#endif

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

/* While it lives, path cannot be replaced: on Windows it is held open with
   read and delete sharing only, as a virus scanner does; natively every
   file write beyond a few bytes fails as on a full disk (the file size
   limit, which even root meets), so small lists can stand for it. */
class WritesRefused {
public:
    explicit WritesRefused(const std::string &path)
    {
#ifdef _WIN32
        held_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
#else
        (void)path;
        getrlimit(RLIMIT_FSIZE, &saved_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved_;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
#endif
    }
    ~WritesRefused()
    {
#ifdef _WIN32
        CloseHandle(held_);
#else
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
#endif
    }
    WritesRefused(const WritesRefused &) = delete;
    WritesRefused &operator=(const WritesRefused &) = delete;

private:
#ifdef _WIN32
    HANDLE held_;
#else
    struct rlimit saved_;
    void (*handler_)(int);
#endif
};

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
