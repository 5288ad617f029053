// The binary resource files as committed: the header fields the program and
// the platform rely on (splash size, sound format and length, icon depth,
// pointer hot spot), and enough of the content to tell a real picture, a real
// sound and real shapes from an empty placeholder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadResourceFile(const char* name) {
    std::string path = std::string(PELMORA_RESOURCE_DIR) + "/" + name;
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return bytes;
    uint8_t buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
    return bytes;
}

uint32_t LittleEndian(const std::vector<uint8_t>& bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes.at(offset + i);
    return value;
}

int16_t Sample(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<int16_t>(LittleEndian(bytes, offset, 2));
}

struct HeaderField {
    int row;
    const char* file;
    size_t offset;
    int width;          // bytes, little-endian
    uint32_t expected;
    const char* meaning;
};

// Sizes: bitmap 54 + 113 rows of 360 * 3 bytes (already a multiple of 4);
// sound 44 + 470400; icon 22 + 40 + 32 * 32 * 2 + 32 * 4; cursor
// 22 + 40 + 8 (two palette entries) + 32 * 4 + 32 * 4.
const HeaderField kHeaderFields[] = {
    {1, "intro.bmp", 0, 2, 0x4D42, "signature BM"},
    {2, "intro.bmp", 2, 4, 122094, "file size"},
    {3, "intro.bmp", 10, 4, 54, "offset of the pixels"},
    {4, "intro.bmp", 14, 4, 40, "BITMAPINFOHEADER size"},
    {5, "intro.bmp", 18, 4, 360, "width"},
    {6, "intro.bmp", 22, 4, 113, "height, bottom-up"},
    {7, "intro.bmp", 26, 2, 1, "planes"},
    {8, "intro.bmp", 28, 2, 24, "bits per pixel"},
    {9, "intro.bmp", 30, 4, 0, "BI_RGB, uncompressed"},
    {10, "intro.wav", 0, 4, 0x46464952, "RIFF"},
    {11, "intro.wav", 4, 4, 470436, "RIFF size"},
    {12, "intro.wav", 8, 4, 0x45564157, "WAVE"},
    {13, "intro.wav", 12, 4, 0x20746D66, "fmt chunk"},
    {14, "intro.wav", 16, 4, 16, "fmt size"},
    {15, "intro.wav", 20, 2, 1, "PCM"},
    {16, "intro.wav", 22, 2, 2, "channels"},
    {17, "intro.wav", 24, 4, 44100, "samples per second"},
    {18, "intro.wav", 28, 4, 176400, "bytes per second"},
    {19, "intro.wav", 32, 2, 4, "block align"},
    {20, "intro.wav", 34, 2, 16, "bits per sample"},
    {21, "intro.wav", 36, 4, 0x61746164, "data chunk"},
    {22, "intro.wav", 40, 4, 470400, "data size"},
    {23, "pelmora.ico", 0, 2, 0, "reserved"},
    {24, "pelmora.ico", 2, 2, 1, "type icon"},
    {25, "pelmora.ico", 4, 2, 1, "one image"},
    {26, "pelmora.ico", 6, 1, 32, "entry width"},
    {27, "pelmora.ico", 7, 1, 32, "entry height"},
    {28, "pelmora.ico", 10, 2, 1, "entry planes"},
    {29, "pelmora.ico", 12, 2, 16, "entry bits per pixel"},
    {30, "pelmora.ico", 14, 4, 2216, "image size"},
    {31, "pelmora.ico", 18, 4, 22, "image offset"},
    {32, "pelmora.ico", 22, 4, 40, "BITMAPINFOHEADER size"},
    {33, "pelmora.ico", 26, 4, 32, "bitmap width"},
    {34, "pelmora.ico", 30, 4, 64, "bitmap height, colour and mask"},
    {35, "pelmora.ico", 36, 2, 16, "bitmap bits per pixel"},
    {36, "pelmora.ico", 38, 4, 0, "BI_RGB"},
    {37, "pelmora.cur", 2, 2, 2, "type cursor"},
    {38, "pelmora.cur", 4, 2, 1, "one image"},
    {39, "pelmora.cur", 6, 1, 32, "entry width"},
    {40, "pelmora.cur", 7, 1, 32, "entry height"},
    {41, "pelmora.cur", 10, 2, 5, "hot spot column"},
    {42, "pelmora.cur", 12, 2, 0, "hot spot row"},
    {43, "pelmora.cur", 14, 4, 304, "image size"},
    {44, "pelmora.cur", 18, 4, 22, "image offset"},
    {45, "pelmora.cur", 30, 4, 64, "bitmap height, colour and mask"},
    {46, "pelmora.cur", 36, 2, 1, "monochrome"},
    {47, "pelmora.cur", 38, 4, 0, "BI_RGB"},
};

TEST(ResourceFiles, HeaderFieldsHoldTheFormatsThePlatformExpects) {
    for (const HeaderField& field : kHeaderFields) {
        std::vector<uint8_t> bytes = ReadResourceFile(field.file);
        ASSERT_GT(bytes.size(), field.offset + field.width) << "row " << field.row << ": " << field.file;
        EXPECT_EQ(LittleEndian(bytes, field.offset, field.width), field.expected)
            << "row " << field.row << ": " << field.file << " " << field.meaning;
    }
}

struct FileSize {
    int row;
    const char* file;
    size_t size;
};

TEST(ResourceFiles, NothingFollowsTheImageOrTheSound) {
    const FileSize sizes[] = {
        {1, "intro.bmp", 122094}, {2, "intro.wav", 470444},
        {3, "pelmora.ico", 2238}, {4, "pelmora.cur", 326},
    };
    for (const FileSize& s : sizes)
        EXPECT_EQ(ReadResourceFile(s.file).size(), s.size) << "row " << s.row << ": " << s.file;
}

TEST(ResourceFiles, SplashPictureIsAPictureNotAFlatColour) {
    std::vector<uint8_t> bmp = ReadResourceFile("intro.bmp");
    ASSERT_EQ(bmp.size(), 122094u);
    std::set<uint32_t> colours;
    for (size_t p = 54; p + 2 < bmp.size(); p += 3) colours.insert(LittleEndian(bmp, p, 3));
    EXPECT_GT(colours.size(), 1000u);
}

TEST(ResourceFiles, JingleIsStereoAudibleAndNeverClipped) {
    std::vector<uint8_t> wav = ReadResourceFile("intro.wav");
    ASSERT_EQ(wav.size(), 470444u);
    int peak = 0;
    size_t framesWhereSidesDiffer = 0;
    for (size_t p = 44; p + 3 < wav.size(); p += 4) {
        int left = Sample(wav, p), right = Sample(wav, p + 2);
        peak = std::max({peak, std::abs(left), std::abs(right)});
        if (left != right) ++framesWhereSidesDiffer;
    }
    EXPECT_GT(peak, 16000) << "too quiet to hear over a fan";
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_GT(framesWhereSidesDiffer, 117600u / 2) << "left and right mostly the same: not stereo";
    // It ends in silence, so stopping playback there makes no click.
    EXPECT_EQ(Sample(wav, wav.size() - 4), 0);
    EXPECT_EQ(Sample(wav, wav.size() - 2), 0);
}

// Monochrome and 16-bit icons keep a 1-bit AND mask after the colour bits,
// bottom-up, rows of 4 bytes; a set bit is transparent.
bool MaskOpaque(const std::vector<uint8_t>& bytes, size_t maskOffset, int x, int yFromTop) {
    size_t row = maskOffset + static_cast<size_t>(31 - yFromTop) * 4;
    return (bytes.at(row + x / 8) & (0x80 >> (x % 8))) == 0;
}

TEST(ResourceFiles, EmblemFillsARoundedSquareWithSeeThroughCorners) {
    std::vector<uint8_t> ico = ReadResourceFile("pelmora.ico");
    ASSERT_EQ(ico.size(), 2238u);
    const size_t mask = 22 + 40 + 32 * 32 * 2;
    EXPECT_FALSE(MaskOpaque(ico, mask, 0, 0)) << "top-left corner";
    EXPECT_FALSE(MaskOpaque(ico, mask, 31, 31)) << "bottom-right corner";
    EXPECT_TRUE(MaskOpaque(ico, mask, 16, 16)) << "centre";
    std::set<uint32_t> colours;
    for (size_t p = 22 + 40; p < mask; p += 2) colours.insert(LittleEndian(ico, p, 2));
    EXPECT_GT(colours.size(), 20u) << "a flat square is no emblem";
}

TEST(ResourceFiles, PointerTipIsTheHotSpot) {
    std::vector<uint8_t> cur = ReadResourceFile("pelmora.cur");
    ASSERT_EQ(cur.size(), 326u);
    const size_t mask = 22 + 40 + 8 + 32 * 4;
    // Row 0 holds the tip alone; the shape widens below it.
    for (int x = 0; x < 32; ++x)
        EXPECT_EQ(MaskOpaque(cur, mask, x, 0), x == 5) << "row 0, column " << x;
    EXPECT_TRUE(MaskOpaque(cur, mask, 5, 10));
    EXPECT_TRUE(MaskOpaque(cur, mask, 10, 10));
    EXPECT_FALSE(MaskOpaque(cur, mask, 4, 10)) << "nothing left of the tip's column";
}

}  // namespace
