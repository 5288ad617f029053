// The binary resource files as committed: the facts the program and the
// platform rely on (splash size and depth, sound format and length, icon
// depth, pointer hot spot).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadResourceFile(const char *name)
{
    std::ifstream in(std::string(PELMORA_RESOURCE_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t LittleEndian(const std::string &bytes, size_t offset, int width)
{
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes.at(offset + i));
    return value;
}

// Sizes: bitmap 54 + 113 rows of 360 * 3 bytes; sound 44 + 470400; icon
// 22 + 40 + 32 * 32 * 2 + 32 * 4 (mask); cursor 22 + 40 + 8 + 32 * 4 + 32 * 4.
TEST(ResourceFiles, FormatsThePlatformExpects)
{
    const struct {
        int row;
        const char *file;
        size_t offset; // SIZE_MAX: the file's size
        int width;     // bytes, little-endian
        uint32_t expected;
        const char *meaning;
    } rows[] = {{1, "intro.bmp", SIZE_MAX, 0, 122094, "file size"},
                {2, "intro.bmp", 0, 2, 0x4D42, "signature BM"},
                {3, "intro.bmp", 18, 4, 360, "width"},
                {4, "intro.bmp", 22, 4, 113, "height, bottom-up"},
                {5, "intro.bmp", 28, 2, 24, "bits per pixel"},
                {6, "intro.bmp", 30, 4, 0, "BI_RGB, uncompressed"},
                {7, "intro.wav", SIZE_MAX, 0, 470444, "file size"},
                {8, "intro.wav", 8, 4, 0x45564157, "WAVE"},
                {9, "intro.wav", 20, 2, 1, "PCM"},
                {10, "intro.wav", 22, 2, 2, "channels"},
                {11, "intro.wav", 24, 4, 44100, "samples per second"},
                {12, "intro.wav", 34, 2, 16, "bits per sample"},
                {13, "intro.wav", 36, 4, 0x61746164, "data chunk"},
                {14, "intro.wav", 40, 4, 470400, "data size"},
                {15, "pelmora.ico", SIZE_MAX, 0, 2238, "file size"},
                {16, "pelmora.ico", 2, 2, 1, "type icon"},
                {17, "pelmora.ico", 6, 2, 0x2020, "32 x 32"},
                {18, "pelmora.ico", 12, 2, 16, "bits per pixel"},
                {19, "pelmora.cur", SIZE_MAX, 0, 326, "file size"},
                {20, "pelmora.cur", 2, 2, 2, "type cursor"},
                {21, "pelmora.cur", 6, 2, 0x2020, "32 x 32"},
                {22, "pelmora.cur", 10, 2, 5, "hot spot column"},
                {23, "pelmora.cur", 12, 2, 0, "hot spot row"},
                {24, "pelmora.cur", 36, 2, 1, "monochrome"}};
    for (const auto &r : rows) {
        std::string bytes = ReadResourceFile(r.file);
        uint32_t actual = r.offset == SIZE_MAX                ? static_cast<uint32_t>(bytes.size())
                          : bytes.size() < r.offset + r.width ? 0xFFFFFFFF
                                                              : LittleEndian(bytes, r.offset, r.width);
        EXPECT_EQ(r.expected, actual) << "row " << r.row << ": " << r.file << " " << r.meaning;
    }
}

} // namespace
