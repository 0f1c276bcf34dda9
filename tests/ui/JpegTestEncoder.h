// Builds JPEG streams for the decoder tests with libjpeg's compressor, so that
// the expected pixels are known exactly.
#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <functional>

using TRgb = std::array<std::uint8_t, 3>;

struct TJpegTestPicture {
    int Width = 16;
    int Height = 16;
    bool Grey = false;        // one grey component (the red value of Pixel is used)
    bool Progressive = false; // progressive instead of baseline
    bool FullChroma = false;  // 4:4:4 instead of libjpeg's default 4:2:0
    int Quality = 95;
    std::function<TRgb(int X, int Y)> Pixel = [](int, int) { return TRgb{128, 128, 128}; };
};

// Returns the JPEG stream of Picture; an empty array if libjpeg refused it.
QByteArray EncodeTestJpeg(const TJpegTestPicture& Picture);

// Returns a copy of Stream with the frame header's declared height and width
// replaced. Stream must hold a baseline or progressive frame header.
QByteArray WithDeclaredSize(const QByteArray& Stream, std::uint16_t Width, std::uint16_t Height);

// Returns the offset of the first byte of compressed data (just after the
// first start-of-scan header), or -1 when Stream has none.
qsizetype FirstScanDataOffset(const QByteArray& Stream);
