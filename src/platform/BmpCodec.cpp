#include "platform/BmpCodec.h"

#include "platform/AtomicFile.h"
#include "platform/FileRead.h"

#include <cstdint>

namespace pelcor::BmpCodec {

namespace {

void Put16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

void Put32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint32_t Get32(const std::string& s, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

uint16_t Get16(const std::string& s, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(s[at]) |
                                 (static_cast<unsigned char>(s[at + 1]) << 8));
}

QImage Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return {};
}

} // namespace

std::string Encode(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    const uint32_t width = static_cast<uint32_t>(image.width());
    const uint32_t height = static_cast<uint32_t>(image.height());
    const uint32_t rowBytes = (width * 3 + 3) & ~3u;
    const uint32_t dataSize = rowBytes * height;
    std::string out;
    out.reserve(54 + dataSize);
    out += "BM";
    Put32(out, 54 + dataSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, dataSize);
    Put32(out, 2835); // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (uint32_t x = 0; x < width; ++x) {
            out += static_cast<char>(qBlue(line[x]));
            out += static_cast<char>(qGreen(line[x]));
            out += static_cast<char>(qRed(line[x]));
        }
        for (uint32_t pad = width * 3; pad < rowBytes; ++pad)
            out += '\0';
    }
    return out;
}

QImage Decode(const std::string& bytes, std::string* error, long long maxPixels) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        return Fail(error, "not a bitmap file");
    const uint32_t offset = Get32(bytes, 10);
    const uint32_t headerSize = Get32(bytes, 14);
    if (headerSize < 40) return Fail(error, "unsupported bitmap header");
    const int32_t width = static_cast<int32_t>(Get32(bytes, 18));
    const int32_t rawHeight = static_cast<int32_t>(Get32(bytes, 22));
    const uint16_t bits = Get16(bytes, 28);
    const uint32_t compression = Get32(bytes, 30);
    if (bits != 24 && bits != 32) return Fail(error, "only 24- and 32-bit bitmaps are read");
    if (compression != 0 && !(compression == 3 && bits == 32))
        return Fail(error, "compressed bitmaps are not read");
    if (width <= 0 || width > 16384 || rawHeight == 0 || rawHeight < -16384 || rawHeight > 16384)
        return Fail(error, "bitmap size out of range");
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    if (static_cast<long long>(width) * height > maxPixels) {
        if (error) *error = PictureTooLarge(width, height, maxPixels);
        return {};
    }
    const uint64_t bytesPerPixel = bits / 8;
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bytesPerPixel + 3) & ~3ull;
    if (offset > bytes.size() || bytes.size() - offset < rowBytes * static_cast<uint64_t>(height))
        return Fail(error, "bitmap data is truncated");

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return Fail(error, NoMemoryForPicture);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        const unsigned char* src =
            reinterpret_cast<const unsigned char*>(bytes.data()) + offset + rowBytes * row;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = src + x * bytesPerPixel;
            line[x] = qRgb(p[2], p[1], p[0]);
        }
    }
    return image;
}

QImage ReadFile(const std::string& path, std::string* error) {
    const LoadedFile file = ReadRegularFile(path, read_limit::Picture);
    if (!file.ok()) return Fail(error, file.error.c_str());
    return Decode(file.bytes, error);
}

std::string WriteFile(const std::string& path, const QImage& image) {
    return WriteFileAtomically(path, Encode(image));
}

} // namespace pelcor::BmpCodec
