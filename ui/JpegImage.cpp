#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg's error manager, extended with the place to jump back to and the
// text of the first error. libjpeg calls error_exit on a fatal error and
// emit_message for warnings and trace notes; both must not return to the
// library once the picture is given up, so they longjmp to DecompressInto.
struct TJpegErrorMgr {
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JpegErrorExit(j_common_ptr Info) {
    auto* Err = reinterpret_cast<TJpegErrorMgr*>(Info->err);
    (*Info->err->format_message)(Info, Err->Message);
    std::longjmp(Err->Jump, 1);
}

// Warnings (level -1) that only describe metadata this decoder does not use;
// every other warning means the compressed data is damaged or cut short
// (for a stream that ends early libjpeg pads it with a made-up end marker and
// only warns), and the picture is refused rather than shown half grey.
bool IsHarmlessWarning(int Code) {
    return Code == JWRN_JFIF_MAJOR || Code == JWRN_ADOBE_XFORM;
}

void JpegEmitMessage(j_common_ptr Info, int Level) {
    if (Level < 0 && !IsHarmlessWarning(Info->err->msg_code))
        JpegErrorExit(Info);
    // Trace notes (Level >= 0) and harmless warnings are dropped.
}

// Nothing is ever written to stderr.
void JpegOutputMessage(j_common_ptr) {}

// Runs every libjpeg call for one picture. On success returns true with
// *Out holding the pixels; on failure returns false with Err->Message set.
// libjpeg errors arrive here by longjmp. So that the jump skips nothing that
// needs cleaning up, no object with a destructor lives in this frame or in
// any libjpeg frame: the QImage is owned by the caller, and the only C++
// work done here (QImage assignment) cannot raise.
bool DecompressInto(const unsigned char* Data, unsigned long Size, QImage* Out, TJpegErrorMgr* Err,
                    jpeg_decompress_struct* Info) {
    Info->err = jpeg_std_error(&Err->Pub);
    Err->Pub.error_exit = JpegErrorExit;
    Err->Pub.emit_message = JpegEmitMessage;
    Err->Pub.output_message = JpegOutputMessage;
    Err->Message[0] = '\0';

    if (setjmp(Err->Jump)) {
        jpeg_destroy_decompress(Info);
        return false;
    }

    jpeg_create_decompress(Info);
    jpeg_mem_src(Info, Data, Size); // raises "Empty input file" for Size 0
    jpeg_read_header(Info, TRUE);

    // Check the declared size before libjpeg or we allocate anything for it.
    const long long Pixels = static_cast<long long>(Info->image_width) * Info->image_height;
    if (Info->image_width > static_cast<JDIMENSION>(kMaxJpegSide) ||
        Info->image_height > static_cast<JDIMENSION>(kMaxJpegSide) || Pixels > kMaxJpegPixels) {
        std::snprintf(Err->Message, sizeof Err->Message,
                      "The picture declares %u x %u pixels; at most %d pixels per side and "
                      "%lld megapixels are accepted",
                      Info->image_width, Info->image_height, kMaxJpegSide,
                      kMaxJpegPixels / (1024 * 1024));
        jpeg_destroy_decompress(Info);
        return false;
    }

    QImage::Format Format = QImage::Format_RGB888;
    switch (Info->jpeg_color_space) {
    case JCS_GRAYSCALE:
        Info->out_color_space = JCS_GRAYSCALE;
        Format = QImage::Format_Grayscale8;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        Info->out_color_space = JCS_RGB;
        break;
    default: // CMYK, YCCK and unknown models
        std::snprintf(Err->Message, sizeof Err->Message,
                      "The picture's colour model (%d components) is not supported",
                      Info->num_components);
        jpeg_destroy_decompress(Info);
        return false;
    }

    jpeg_start_decompress(Info);

    *Out =
        QImage(static_cast<int>(Info->output_width), static_cast<int>(Info->output_height), Format);
    if (Out->isNull()) {
        std::snprintf(Err->Message, sizeof Err->Message,
                      "Not enough memory for a picture of %u x %u pixels", Info->output_width,
                      Info->output_height);
        jpeg_destroy_decompress(Info);
        return false;
    }

    // Each QImage row holds at least width x components bytes, which is what
    // one output scanline of libjpeg fills.
    while (Info->output_scanline < Info->output_height) {
        JSAMPROW Row = Out->scanLine(static_cast<int>(Info->output_scanline));
        jpeg_read_scanlines(Info, &Row, 1);
    }

    // Reads on to the end marker, so that a stream cut short anywhere, even
    // just before its final marker, is caught.
    jpeg_finish_decompress(Info);
    jpeg_destroy_decompress(Info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& Data) {
    QImage Result;
    TJpegErrorMgr Err;
    jpeg_decompress_struct Info;
    std::memset(&Info, 0, sizeof Info);
    if (!DecompressInto(reinterpret_cast<const unsigned char*>(Data.constData()),
                        static_cast<unsigned long>(Data.size()), &Result, &Err, &Info))
        throw TJpegError(std::string("JPEG error: ") + Err.Message);
    return Result;
}
