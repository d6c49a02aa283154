#include "ico_writer.h"

#include <cstdio>

namespace {

using Bytes = std::vector<unsigned char>;

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void put32(Bytes& out, unsigned long value) {
    put16(out, static_cast<unsigned>(value & 0xFFFF));
    put16(out, static_cast<unsigned>((value >> 16) & 0xFFFF));
}

void patch32(Bytes& out, size_t at, unsigned long value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
}

// Rows of 1-bit pixels are padded to 32 bits.
size_t monoStride(int width) {
    return static_cast<size_t>((width + 31) / 32 * 4);
}

void putBitmapHeader(Bytes& out, const Canvas& image, int bitCount, unsigned long imageSize, int colours) {
    put32(out, 40);
    put32(out, static_cast<unsigned long>(image.width()));
    put32(out, static_cast<unsigned long>(image.height() * 2)); // colour image and mask
    put16(out, 1);
    put16(out, static_cast<unsigned>(bitCount));
    put32(out, 0);
    put32(out, imageSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, static_cast<unsigned long>(colours));
    put32(out, 0);
}

bool transparentAt(const Canvas& image, int x, int y) {
    return image.at(x, y).a < 128;
}

bool whiteAt(const Canvas& image, int x, int y) {
    Rgba p = image.at(x, y);
    return p.r * 299 + p.g * 587 + p.b * 114 >= 128 * 1000;
}

// Bottom-up 1-bit rows; bit set where `on` holds.
template <typename On> void putMonoRows(Bytes& out, const Canvas& image, On on) {
    const size_t stride = monoStride(image.width());
    for (int y = image.height() - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width(); ++x) {
            if (on(x, y)) row[static_cast<size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes iconImage(const Canvas& image) {
    Bytes out;
    const unsigned long size = static_cast<unsigned long>(image.width() * image.height() * 4 +
                                                          monoStride(image.width()) * image.height());
    putBitmapHeader(out, image, 32, size, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            Rgba p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
            out.push_back(p.a);
        }
    }
    putMonoRows(out, image, [&](int x, int y) { return transparentAt(image, x, y); });
    return out;
}

// Monochrome: XOR bit 1 = white, AND bit 1 = transparent.
Bytes cursorImage(const Canvas& image) {
    Bytes out;
    const unsigned long size = static_cast<unsigned long>(monoStride(image.width()) * image.height() * 2);
    putBitmapHeader(out, image, 1, size, 2);
    put32(out, 0x00000000); // black
    put32(out, 0x00FFFFFF); // white
    putMonoRows(out, image,
                [&](int x, int y) { return !transparentAt(image, x, y) && whiteAt(image, x, y); });
    putMonoRows(out, image, [&](int x, int y) { return transparentAt(image, x, y); });
    return out;
}

struct Entry {
    const Canvas* canvas;
    unsigned planesOrHotX;
    unsigned bitsOrHotY;
    Bytes data;
};

Bytes directory(unsigned type, const std::vector<Entry>& entries) {
    Bytes out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<unsigned>(entries.size()));
    size_t headerAt = out.size();
    for (const Entry& entry : entries) {
        out.push_back(static_cast<unsigned char>(entry.canvas->width() & 0xFF)); // 256 would be 0
        out.push_back(static_cast<unsigned char>(entry.canvas->height() & 0xFF));
        out.push_back(type == 2 ? 2 : 0); // colours in the palette
        out.push_back(0);
        put16(out, entry.planesOrHotX);
        put16(out, entry.bitsOrHotY);
        put32(out, static_cast<unsigned long>(entry.data.size()));
        put32(out, 0); // offset, patched below
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        patch32(out, headerAt + i * 16 + 12, static_cast<unsigned long>(out.size()));
        out.insert(out.end(), entries[i].data.begin(), entries[i].data.end());
    }
    return out;
}

int writeBytes(const char* path, const Bytes& bytes) {
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return -1;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    return ok ? 0 : -1;
}

} // namespace

std::vector<unsigned char> iconFileBytes(const std::vector<const Canvas*>& images) {
    std::vector<Entry> entries;
    for (const Canvas* image : images)
        entries.push_back({image, 1, 32, iconImage(*image)});
    return directory(1, entries);
}

std::vector<unsigned char> cursorFileBytes(const std::vector<CursorImage>& images) {
    std::vector<Entry> entries;
    for (const CursorImage& image : images) {
        entries.push_back({image.canvas, static_cast<unsigned>(image.hotX), static_cast<unsigned>(image.hotY),
                           cursorImage(*image.canvas)});
    }
    return directory(2, entries);
}

int writeIconFile(const char* path, const std::vector<const Canvas*>& images) {
    return writeBytes(path, iconFileBytes(images));
}

int writeCursorFile(const char* path, const std::vector<CursorImage>& images) {
    return writeBytes(path, cursorFileBytes(images));
}
