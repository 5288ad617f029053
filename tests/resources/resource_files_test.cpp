// The binary resource files as committed: the formats the platform loads
// them by (an uncompressed bitmap, a PCM wave, an icon and a cursor) and the
// pointer's hot spot. The artwork itself is what the linked-in resources
// show under Wine.
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

TEST(ResourceFiles, FormatsThePlatformExpects)
{
    const struct {
        int row;
        const char *file;
        size_t offset;
        int width; // bytes, little-endian
        uint32_t expected;
        const char *meaning;
    } rows[] = {{1, "intro.bmp", 0, 2, 0x4D42, "signature BM"},  {2, "intro.bmp", 30, 4, 0, "BI_RGB, uncompressed"},
                {3, "intro.wav", 8, 4, 0x45564157, "WAVE"},      {4, "intro.wav", 20, 2, 1, "PCM"},
                {5, "pelmora.ico", 2, 2, 1, "type icon"},        {6, "pelmora.cur", 2, 2, 2, "type cursor"},
                {7, "pelmora.cur", 10, 2, 5, "hot spot column"}, {8, "pelmora.cur", 12, 2, 0, "hot spot row"}};
    for (const auto &r : rows) {
        std::string bytes = ReadResourceFile(r.file);
        uint32_t actual = bytes.size() < r.offset + r.width ? 0xFFFFFFFF : LittleEndian(bytes, r.offset, r.width);
        EXPECT_EQ(r.expected, actual) << "row " << r.row << ": " << r.file << " " << r.meaning;
    }
}

} // namespace
