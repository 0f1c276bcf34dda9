// Decoding JPEG pictures with the IJG JPEG library (libjpeg), straight into a
// QImage. Only decompression is used; Qt's own image plugins are not.
#pragma once

#include <QByteArray>
#include <QImage>

#include <stdexcept>

// Raised for every picture that cannot be decoded. what() reads
// "JPEG error: " followed by the reason, e.g.
// "JPEG error: Premature end of JPEG file".
class TJpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest picture DecodeJpeg accepts: at most kMaxJpegSide pixels on
// either side and at most kMaxJpegPixels pixels in all (192 MiB as RGB).
// Larger declared sizes are refused before any pixel memory is taken.
inline constexpr int kMaxJpegSide = 16384;
inline constexpr long long kMaxJpegPixels = 64LL * 1024 * 1024;

// Returns the picture held in Data, a complete JPEG stream (baseline or
// progressive, 8-bit samples). Grey pictures come back as
// QImage::Format_Grayscale8, colour pictures (YCbCr or RGB) as
// QImage::Format_RGB888; the image's size is the picture's size.
// Strict: raises TJpegError for empty input, anything that is not a JPEG
// stream, a stream that ends early (also only its final marker missing), any
// sign of corrupt compressed data, a colour model other than grey, YCbCr or
// RGB, and a picture larger than kMaxJpegSide / kMaxJpegPixels. Never prints
// anything, never ends the program.
QImage DecodeJpeg(const QByteArray& Data);
