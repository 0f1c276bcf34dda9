#include "JpegTestEncoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

struct TEncodeErrorMgr {
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
};

[[noreturn]] void EncodeErrorExit(j_common_ptr Info) {
    std::longjmp(reinterpret_cast<TEncodeErrorMgr*>(Info->err)->Jump, 1);
}

void EncodeOutputMessage(j_common_ptr) {}

// All libjpeg calls; only trivially destructible objects live in this frame.
bool CompressInto(const TJpegTestPicture* Picture, const unsigned char* Pixels, unsigned char** Out,
                  unsigned long* OutSize, TEncodeErrorMgr* Err, jpeg_compress_struct* Info) {
    Info->err = jpeg_std_error(&Err->Pub);
    Err->Pub.error_exit = EncodeErrorExit;
    Err->Pub.output_message = EncodeOutputMessage;
    if (setjmp(Err->Jump)) {
        jpeg_destroy_compress(Info);
        return false;
    }
    jpeg_create_compress(Info);
    jpeg_mem_dest(Info, Out, OutSize);
    Info->image_width = static_cast<JDIMENSION>(Picture->Width);
    Info->image_height = static_cast<JDIMENSION>(Picture->Height);
    Info->input_components = Picture->Grey ? 1 : 3;
    Info->in_color_space = Picture->Grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(Info);
    jpeg_set_quality(Info, Picture->Quality, TRUE);
    if (Picture->FullChroma && !Picture->Grey)
        for (int C = 0; C < 3; ++C)
            Info->comp_info[C].h_samp_factor = Info->comp_info[C].v_samp_factor = 1;
    if (Picture->Progressive)
        jpeg_simple_progression(Info);
    jpeg_start_compress(Info, TRUE);
    const int Stride = Picture->Width * Info->input_components;
    while (Info->next_scanline < Info->image_height) {
        JSAMPROW Row = const_cast<unsigned char*>(Pixels + Info->next_scanline * Stride);
        jpeg_write_scanlines(Info, &Row, 1);
    }
    jpeg_finish_compress(Info);
    jpeg_destroy_compress(Info);
    return true;
}

} // namespace

QByteArray EncodeTestJpeg(const TJpegTestPicture& Picture) {
    const int Components = Picture.Grey ? 1 : 3;
    std::vector<unsigned char> Pixels(static_cast<size_t>(Picture.Width) * Picture.Height *
                                      Components);
    for (int Y = 0; Y < Picture.Height; ++Y)
        for (int X = 0; X < Picture.Width; ++X) {
            const TRgb Colour = Picture.Pixel(X, Y);
            for (int C = 0; C < Components; ++C)
                Pixels[(static_cast<size_t>(Y) * Picture.Width + X) * Components + C] = Colour[C];
        }

    unsigned char* Out = nullptr;
    unsigned long OutSize = 0;
    TEncodeErrorMgr Err;
    jpeg_compress_struct Info{};
    const bool Ok = CompressInto(&Picture, Pixels.data(), &Out, &OutSize, &Err, &Info);
    QByteArray Result;
    if (Ok)
        Result = QByteArray(reinterpret_cast<const char*>(Out), static_cast<qsizetype>(OutSize));
    std::free(Out);
    return Result;
}

namespace {

// Offset of the first marker 0xFF Code at or after the stream's start,
// walking marker segments from the start-of-image marker; -1 if none.
qsizetype FindSegment(const QByteArray& Stream, auto IsWanted) {
    qsizetype Pos = 2; // after FF D8
    while (Pos + 4 <= Stream.size()) {
        if (static_cast<unsigned char>(Stream[Pos]) != 0xFF)
            return -1;
        const auto Code = static_cast<unsigned char>(Stream[Pos + 1]);
        if (IsWanted(Code))
            return Pos;
        const int Length = (static_cast<unsigned char>(Stream[Pos + 2]) << 8) |
                           static_cast<unsigned char>(Stream[Pos + 3]);
        Pos += 2 + Length;
    }
    return -1;
}

} // namespace

QByteArray WithDeclaredSize(const QByteArray& Stream, std::uint16_t Width, std::uint16_t Height) {
    QByteArray Result = Stream;
    const qsizetype Sof = FindSegment(
        Stream, [](unsigned char Code) { return Code == 0xC0 || Code == 0xC1 || Code == 0xC2; });
    if (Sof < 0)
        return {};
    // FF Cn, length (2), precision (1), height (2), width (2)
    Result[Sof + 5] = static_cast<char>(Height >> 8);
    Result[Sof + 6] = static_cast<char>(Height & 0xFF);
    Result[Sof + 7] = static_cast<char>(Width >> 8);
    Result[Sof + 8] = static_cast<char>(Width & 0xFF);
    return Result;
}

qsizetype FirstScanDataOffset(const QByteArray& Stream) {
    const qsizetype Sos = FindSegment(Stream, [](unsigned char Code) { return Code == 0xDA; });
    if (Sos < 0)
        return -1;
    const int Length = (static_cast<unsigned char>(Stream[Sos + 2]) << 8) |
                       static_cast<unsigned char>(Stream[Sos + 3]);
    return Sos + 2 + Length;
}
