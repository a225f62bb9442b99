// PNG encoding with stored deflate blocks.
#include "png_writer.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace tarvelon::pictures {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint32_t, 256> makeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> crcTable = makeCrcTable();

// CRC-32 as PNG chunks use it (the zlib polynomial, reflected).
std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = ~0u;
    for (std::size_t i = 0; i < size; ++i)
        crc = crcTable[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

// The Adler-32 check that ends a zlib stream.
std::uint32_t adler32(const std::uint8_t* data, std::size_t size) {
    constexpr std::uint32_t modulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % modulus;
        b = (b + a) % modulus;
    }
    return (b << 16) | a;
}

void putBigEndian32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putLittleEndian16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void putChunk(Bytes& out, std::string_view type, const Bytes& data) {
    putBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    // The chunk's CRC covers its type and data, not its length.
    putBigEndian32(out, crc32(out.data() + typeStart, out.size() - typeStart));
}

// The image rows as PNG wants them before compression: each row led by its
// filter type, here always 0 (none).
Bytes scanlines(const Canvas& canvas, PngColour colour) {
    Bytes raw;
    const std::size_t channels = colour == PngColour::Rgb ? 3 : 4;
    raw.reserve(static_cast<std::size_t>(canvas.height()) *
                (1 + channels * static_cast<std::size_t>(canvas.width())));
    for (int y = 0; y < canvas.height(); ++y) {
        raw.push_back(0);
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba pixel = canvas.at(x, y);
            raw.insert(raw.end(), {pixel.r, pixel.g, pixel.b});
            if (colour == PngColour::Rgba)
                raw.push_back(pixel.a);
        }
    }
    return raw;
}

// A zlib stream holding `raw` in stored (uncompressed) deflate blocks.
Bytes zlibStored(const Bytes& raw) {
    constexpr std::size_t maxBlock = 65535;
    Bytes out{0x78, 0x01}; // deflate, 32 KiB window, no preset dictionary, check bits valid
    std::size_t offset = 0;
    do {
        const std::size_t size = std::min(maxBlock, raw.size() - offset);
        const bool last = offset + size == raw.size();
        out.push_back(last ? 0x01 : 0x00); // BFINAL bit, BTYPE 00 (stored)
        putLittleEndian16(out, static_cast<std::uint16_t>(size));
        putLittleEndian16(out, static_cast<std::uint16_t>(~size));
        const auto begin = raw.begin() + static_cast<std::ptrdiff_t>(offset);
        out.insert(out.end(), begin, begin + static_cast<std::ptrdiff_t>(size));
        offset += size;
    } while (offset < raw.size());
    putBigEndian32(out, adler32(raw.data(), raw.size()));
    return out;
}

} // namespace

std::vector<std::uint8_t> encodePng(const Canvas& canvas, PngColour colour) {
    if (colour == PngColour::Rgb && !canvas.isOpaque())
        throw std::invalid_argument("a picture with transparent pixels needs an alpha channel");

    Bytes file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    Bytes header;
    putBigEndian32(header, static_cast<std::uint32_t>(canvas.width()));
    putBigEndian32(header, static_cast<std::uint32_t>(canvas.height()));
    header.push_back(8);                                // bits per channel
    header.push_back(colour == PngColour::Rgb ? 2 : 6); // truecolour, with alpha or not
    header.insert(header.end(), {0, 0, 0});             // deflate, adaptive filters, no interlace
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", zlibStored(scanlines(canvas, colour)));
    putChunk(file, "IEND", {});
    return file;
}

void writePng(const std::filesystem::path& path, const Canvas& canvas, PngColour colour) {
    const Bytes bytes = encodePng(canvas, colour);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace tarvelon::pictures
