// The JPEG decoder: pixels come out where and as they went in, and every kind
// of damaged or hostile stream is refused with a TJpegError, quietly.

#include "JpegImage.h"
#include "../TableNames.h"
#include "JpegTestEncoder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// The raw bytes of one of the program's stored pictures. (Q_INIT_RESOURCE
// must not be used inside a namespace.)
static QByteArray ReadResource(const char* Path) {
    Q_INIT_RESOURCE(pictures);
    QFile File(QString::fromLatin1(Path));
    if (!File.open(QIODevice::ReadOnly))
        return {};
    return File.readAll();
}

namespace {

using ::PrintTo; // rows print by their names

// Largest difference between a decoded channel and the colour that was
// encoded, for flat areas at quality 95.
constexpr int kTolerance = 4;

::testing::AssertionResult IsNear(QRgb Got, TRgb Want) {
    const int Diff[3] = {qRed(Got) - Want[0], qGreen(Got) - Want[1], qBlue(Got) - Want[2]};
    for (int D : Diff)
        if (std::abs(D) > kTolerance)
            return ::testing::AssertionFailure()
                   << "got (" << qRed(Got) << ", " << qGreen(Got) << ", " << qBlue(Got)
                   << "), wanted (" << int(Want[0]) << ", " << int(Want[1]) << ", " << int(Want[2])
                   << ")";
    return ::testing::AssertionSuccess();
}

// The decoder's error for Data, or "" when it decoded.
std::string DecodeError(const QByteArray& Data) {
    try {
        (void)DecodeJpeg(Data);
    } catch (const TJpegError& E) {
        return E.what();
    }
    return {};
}

// ---------------------------------------------------------------------------
// Solid colours: every pixel decodes close to the colour encoded.

struct TSolidRow {
    const char* Name;
    int Width;
    int Height;
    bool Grey;
    bool Progressive;
    TRgb Colour;
};

class SolidColour : public ::testing::TestWithParam<TSolidRow> {};

TEST_P(SolidColour, EveryPixelCloseToTheEncodedColour) {
    const TSolidRow& Row = GetParam();
    TJpegTestPicture Picture;
    Picture.Width = Row.Width;
    Picture.Height = Row.Height;
    Picture.Grey = Row.Grey;
    Picture.Progressive = Row.Progressive;
    Picture.Pixel = [&Row](int, int) { return Row.Colour; };
    const QByteArray Stream = EncodeTestJpeg(Picture);
    ASSERT_FALSE(Stream.isEmpty());

    const QImage Image = DecodeJpeg(Stream);
    ASSERT_EQ(Image.width(), Row.Width);
    ASSERT_EQ(Image.height(), Row.Height);
    EXPECT_EQ(Image.format(), Row.Grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    const TRgb Want = Row.Grey ? TRgb{Row.Colour[0], Row.Colour[0], Row.Colour[0]} : Row.Colour;
    int Checked = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X, ++Checked)
            ASSERT_TRUE(IsNear(Image.pixel(X, Y), Want)) << "at " << X << ", " << Y;
    EXPECT_EQ(Checked, Row.Width * Row.Height);
}

const TSolidRow kSolidRows[] = {
    {"RedBaseline", 16, 16, false, false, {220, 30, 40}},
    {"TealAtOddSizeAcrossBlockEdges", 37, 23, false, false, {20, 150, 140}},
    {"BlueProgressive", 24, 17, false, true, {30, 60, 200}},
    {"SinglePixelColour", 1, 1, false, false, {250, 200, 10}},
    {"WideOneRowStrip", 300, 1, false, false, {90, 90, 160}},
    {"MidGrey", 16, 16, true, false, {128, 0, 0}},
    {"DarkGreyOddSize", 9, 13, true, false, {35, 0, 0}},
    {"WhiteGreyProgressive", 20, 20, true, true, {255, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Decode, SolidColour, ::testing::ValuesIn(kSolidRows), RowName{});

// ---------------------------------------------------------------------------
// Layout: four coloured quadrants land in the right places, so rows are not
// flipped or shifted and channels are not swapped.

struct TLayoutRow {
    const char* Name;
    int Width;
    int Height;
    bool Progressive;
};

class QuadrantLayout : public ::testing::TestWithParam<TLayoutRow> {};

TEST_P(QuadrantLayout, EachQuadrantKeepsItsColour) {
    const TLayoutRow& Row = GetParam();
    const TRgb TopLeft{230, 20, 20}, TopRight{20, 200, 30}, BottomLeft{20, 40, 220},
        BottomRight{250, 250, 250};
    TJpegTestPicture Picture;
    Picture.Width = Row.Width;
    Picture.Height = Row.Height;
    Picture.Progressive = Row.Progressive;
    Picture.FullChroma = true;
    Picture.Pixel = [&](int X, int Y) {
        const bool Right = X >= Row.Width / 2, Bottom = Y >= Row.Height / 2;
        return Bottom ? (Right ? BottomRight : BottomLeft) : (Right ? TopRight : TopLeft);
    };
    const QImage Image = DecodeJpeg(EncodeTestJpeg(Picture));
    ASSERT_EQ(Image.size(), QSize(Row.Width, Row.Height));
    // Sample the middle of each quadrant, away from the ringing at the seams.
    const int L = Row.Width / 4, R = Row.Width * 3 / 4, T = Row.Height / 4, B = Row.Height * 3 / 4;
    EXPECT_TRUE(IsNear(Image.pixel(L, T), TopLeft));
    EXPECT_TRUE(IsNear(Image.pixel(R, T), TopRight));
    EXPECT_TRUE(IsNear(Image.pixel(L, B), BottomLeft));
    EXPECT_TRUE(IsNear(Image.pixel(R, B), BottomRight));
}

const TLayoutRow kLayoutRows[] = {
    {"WholeBlocksBaseline", 64, 32, false},
    {"PartialBlocksBaseline", 70, 42, false},
    {"PartialBlocksProgressive", 70, 42, true},
};

INSTANTIATE_TEST_SUITE_P(Decode, QuadrantLayout, ::testing::ValuesIn(kLayoutRows), RowName{});

// ---------------------------------------------------------------------------
// Damaged and hostile streams are refused with a message naming the cause.

QByteArray SampleStream(bool Progressive = false) {
    TJpegTestPicture Picture;
    Picture.Width = 40;
    Picture.Height = 24;
    Picture.Progressive = Progressive;
    Picture.Pixel = [](int X, int Y) {
        return TRgb{static_cast<std::uint8_t>(X * 6), static_cast<std::uint8_t>(Y * 10),
                    static_cast<std::uint8_t>((X + Y) * 4)};
    };
    return EncodeTestJpeg(Picture);
}

// The sample with Count bytes of its compressed data, from the middle on,
// set to Fill.
QByteArray WithBodyFilled(char Fill, qsizetype Count) {
    QByteArray Stream = SampleStream();
    const qsizetype Start = FirstScanDataOffset(Stream);
    const qsizetype Middle = Start + (Stream.size() - 2 - Start) / 2;
    for (qsizetype I = Middle; I < Middle + Count && I < Stream.size() - 2; ++I)
        Stream[I] = Fill;
    return Stream;
}

QByteArray RandomBytes(int Count, unsigned Seed) {
    std::mt19937 Random(Seed);
    QByteArray Bytes(Count, '\0');
    for (char& B : Bytes)
        B = static_cast<char>(Random() & 0xFF);
    return Bytes;
}

struct TBadStreamRow {
    const char* Name;
    std::function<QByteArray()> Make;
    const char* Reason; // a piece of the message after "JPEG error: "
};

class BadStream : public ::testing::TestWithParam<TBadStreamRow> {};

TEST_P(BadStream, IsRefusedWithItsReason) {
    const TBadStreamRow& Row = GetParam();
    const QByteArray Stream = Row.Make();
    const std::string Error = DecodeError(Stream);
    ASSERT_FALSE(Error.empty()) << "decoded without complaint";
    EXPECT_EQ(Error.rfind("JPEG error: ", 0), 0u) << Error;
    EXPECT_NE(Error.find(Row.Reason), std::string::npos) << Error;
}

const TBadStreamRow kBadStreamRows[] = {
    {"ZeroLength", [] { return QByteArray(); }, "Empty input file"},
    {"PlainText", [] { return QByteArray("Brelmont Date Calculator\n"); }, "Not a JPEG file"},
    {"PngSignature", [] { return QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16); },
     "Not a JPEG file"},
    {"RandomBytes", [] { return RandomBytes(512, 7); }, "Not a JPEG file"},
    {"StartMarkerOnly", [] { return QByteArray("\xFF\xD8", 2); }, "Premature end of JPEG file"},
    {"StartMarkerThenRandomBytes", [] { return QByteArray("\xFF\xD8", 2) + RandomBytes(512, 11); },
     ""},
    {"EndMarkerMissing", [] { return SampleStream().chopped(2); }, "Premature end of JPEG file"},
    {"BodyZeroedInTheMiddle", [] { return WithBodyFilled('\0', 64); }, "Corrupt JPEG data"},
    {"BodyOverwrittenWithOnes", [] { return WithBodyFilled('\x7F', 64); }, "Corrupt JPEG data"},
    {"RestartMarkerInsideBody",
     [] {
         QByteArray S = SampleStream();
         return S.insert(FirstScanDataOffset(S) + 10, QByteArray("\xFF\xD3", 2));
     },
     "Corrupt JPEG data"},
    {"BodyReplacedByRandomBytes",
     [] {
         QByteArray S = SampleStream();
         const qsizetype Start = FirstScanDataOffset(S);
         QByteArray Noise = RandomBytes(static_cast<int>(S.size() - 2 - Start), 3);
         Noise.replace("\xFF", 1, "\x55", 1); // keep it free of markers
         return S.left(Start) + Noise + S.right(2);
     },
     "Corrupt JPEG data"},
    {"DeclaredZeroHeight", [] { return WithDeclaredSize(SampleStream(), 40, 0); },
     "Empty JPEG image"},
    {"DeclaredHugeBothSides", [] { return WithDeclaredSize(SampleStream(), 65500, 65500); },
     "at most 16384 pixels per side"},
    {"DeclaredOnePixelTooWide", [] { return WithDeclaredSize(SampleStream(), 16385, 8); },
     "at most 16384 pixels per side"},
    {"DeclaredOnePixelTooTall", [] { return WithDeclaredSize(SampleStream(true), 8, 16385); },
     "at most 16384 pixels per side"},
    {"DeclaredTooManyPixelsInAll", [] { return WithDeclaredSize(SampleStream(), 16384, 16384); },
     "64 megapixels"},
    {"DeclaredLargerThanItsData", [] { return WithDeclaredSize(SampleStream(), 4000, 3000); }, ""},
};

INSTANTIATE_TEST_SUITE_P(Decode, BadStream, ::testing::ValuesIn(kBadStreamRows), RowName{});

// ---------------------------------------------------------------------------
// A stream cut short at any length is refused, never half decoded.

struct TTruncationRow {
    const char* Name;
    std::function<QByteArray()> Make;
};

class Truncated : public ::testing::TestWithParam<TTruncationRow> {};

TEST_P(Truncated, EveryShorterPrefixIsRefused) {
    const QByteArray Whole = GetParam().Make();
    ASSERT_GT(Whole.size(), 100);
    ASSERT_NO_THROW((void)DecodeJpeg(Whole));
    qsizetype Refused = 0;
    for (qsizetype Length = 0; Length < Whole.size(); ++Length) {
        const std::string Error = DecodeError(Whole.left(Length));
        EXPECT_FALSE(Error.empty()) << "a prefix of " << Length << " bytes decoded";
        Refused += Error.empty() ? 0 : 1;
    }
    EXPECT_EQ(Refused, Whole.size());
}

const TTruncationRow kTruncationRows[] = {
    {"MakersLogo", [] { return ReadResource(":/pictures/brelmont-logo.jpg"); }},
    {"DonationButton", [] { return ReadResource(":/pictures/donate.jpg"); }},
    {"ProgressiveSample", [] { return SampleStream(true); }},
};

INSTANTIATE_TEST_SUITE_P(Decode, Truncated, ::testing::ValuesIn(kTruncationRows), RowName{});

// ---------------------------------------------------------------------------
// Refusing a stream writes nothing to stderr (libjpeg's own handler would
// print its warnings and errors there).

TEST(DecodeJpegQuietly, RefusalsPrintNothing) {
    std::FILE* Capture = std::tmpfile();
    ASSERT_NE(Capture, nullptr);
    std::fflush(stderr);
    const int Saved = dup(STDERR_FILENO);
    ASSERT_GE(Saved, 0);
    ASSERT_GE(dup2(fileno(Capture), STDERR_FILENO), 0);

    int Refused = 0;
    for (const QByteArray& Stream :
         {QByteArray("not a picture"), SampleStream().chopped(2), WithBodyFilled('\0', 64),
          WithDeclaredSize(SampleStream(), 65500, 65500)})
        Refused += DecodeError(Stream).empty() ? 0 : 1;

    std::fflush(stderr);
    dup2(Saved, STDERR_FILENO);
    close(Saved);
    struct stat Info {};
    const int Stat = fstat(fileno(Capture), &Info);
    std::fclose(Capture);
    ASSERT_EQ(Stat, 0);
    const long long Written = Info.st_size;
    EXPECT_EQ(Refused, 4);
    EXPECT_EQ(Written, 0) << "the decoder wrote to stderr";
}

} // namespace
