// The picture-format registry and LoadPicture: lookups by extension in any
// letter case, the About window's two stored pictures, and clear refusals.

#include "PictureFormats.h"
#include "../TableNames.h"
#include "JpegImage.h"
#include "JpegTestEncoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using ::PrintTo; // rows print by their names

class PictureRegistry : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterJpegFormat(); }
};

// ---------------------------------------------------------------------------
// Lookups

struct TLookupRow {
    const char* Name;
    const char* Extension;
    bool Known;
};

class ExtensionLookup : public PictureRegistry, public ::testing::WithParamInterface<TLookupRow> {};

TEST_P(ExtensionLookup, FindsJpegByEitherExtensionInAnyCase) {
    const TLookupRow& Row = GetParam();
    const TPictureFormat* Format = FindPictureFormat(QString::fromLatin1(Row.Extension));
    if (!Row.Known) {
        EXPECT_EQ(Format, nullptr);
        return;
    }
    ASSERT_NE(Format, nullptr);
    EXPECT_EQ(Format->Description, QStringLiteral("JPEG Image File"));
    EXPECT_EQ(Format->Extension, QString::fromLatin1(Row.Extension).toLower());
    EXPECT_EQ(Format->Decode, &DecodeJpeg);
}

const TLookupRow kLookupRows[] = {
    {"ShortLowerCase", "jpg", true},   {"LongLowerCase", "jpeg", true},
    {"LongUpperCase", "JPEG", true},   {"ShortMixedCase", "JpG", true},
    {"OtherFormat", "png", false},     {"Empty", "", false},
    {"WithLeadingDot", ".jpg", false}, {"TooShort", "jp", false},
    {"TooLong", "jpgx", false},        {"TrailingSpace", "jpg ", false},
};

INSTANTIATE_TEST_SUITE_P(Registry, ExtensionLookup, ::testing::ValuesIn(kLookupRows), RowName{});

// ---------------------------------------------------------------------------
// The About window's two pictures, loaded from the program's resources.

struct TStoredRow {
    const char* Name;
    const char* Path;
    QSize Size;
    QRgb Corner; // the background colour the picture was drawn on (give or
                 // take the ringing JPEG leaves next to an edge)
};

class StoredPicture : public PictureRegistry, public ::testing::WithParamInterface<TStoredRow> {};

TEST_P(StoredPicture, DecodesAtItsSizeWithItsBackgroundAndADrawing) {
    const TStoredRow& Row = GetParam();
    const QImage Image = LoadPicture(QString::fromLatin1(Row.Path));
    ASSERT_EQ(Image.size(), Row.Size);
    EXPECT_EQ(Image.format(), QImage::Format_RGB888);
    for (const QPoint Corner :
         {QPoint(0, 0), QPoint(Row.Size.width() - 1, Row.Size.height() - 1)}) {
        const QRgb Got = Image.pixel(Corner);
        EXPECT_LE(std::abs(qRed(Got) - qRed(Row.Corner)) +
                      std::abs(qGreen(Got) - qGreen(Row.Corner)) +
                      std::abs(qBlue(Got) - qBlue(Row.Corner)),
                  24)
            << "corner " << Corner.x() << ", " << Corner.y();
    }
    // Something is drawn on it: a fair share of pixels differ clearly from
    // the background.
    int Drawn = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X) {
            const QRgb P = Image.pixel(X, Y);
            Drawn += std::abs(qGray(P) - qGray(Row.Corner)) > 60 ? 1 : 0;
        }
    EXPECT_GT(Drawn, Row.Size.width() * Row.Size.height() / 10);
}

const TStoredRow kStoredRows[] = {
    {"MakersLogo", ":/pictures/brelmont-logo.jpg", QSize(136, 40), qRgb(255, 255, 255)},
    {"DonationButton", ":/pictures/donate.jpg", QSize(62, 31), qRgb(240, 240, 240)},
};

INSTANTIATE_TEST_SUITE_P(Resources, StoredPicture, ::testing::ValuesIn(kStoredRows), RowName{});

// ---------------------------------------------------------------------------
// Files picked by extension, and the refusals LoadPicture raises itself.

class LoadFromFile : public PictureRegistry {
protected:
    QString Write(const QString& Name, const QByteArray& Bytes) {
        const QString Path = Folder.filePath(Name);
        QFile File(Path);
        EXPECT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(Bytes);
        return Path;
    }
    QTemporaryDir Folder;
};

QByteArray SmallJpeg() {
    TJpegTestPicture Picture;
    Picture.Width = 5;
    Picture.Height = 3;
    return EncodeTestJpeg(Picture);
}

TEST_F(LoadFromFile, UpperCaseExtensionPicksJpeg) {
    const QImage Image = LoadPicture(Write(QStringLiteral("holiday.JPEG"), SmallJpeg()));
    EXPECT_EQ(Image.size(), QSize(5, 3));
}

TEST_F(LoadFromFile, DecoderErrorPassesThrough) {
    const QString Path = Write(QStringLiteral("broken.jpg"), SmallJpeg().chopped(2));
    EXPECT_THROW((void)LoadPicture(Path), TJpegError);
}

TEST_F(LoadFromFile, JpegBytesUnderAnotherExtensionGoToThatFormat) {
    // The extension alone decides: a registered test format sees the bytes.
    RegisterPictureFormat(
        QStringLiteral("Tile"), QStringLiteral("Test tile"), [](const QByteArray& Data) {
            return QImage(static_cast<int>(Data.size()), 1, QImage::Format_Grayscale8);
        });
    const QByteArray Bytes = SmallJpeg();
    const QImage Image = LoadPicture(Write(QStringLiteral("floor.tile"), Bytes));
    EXPECT_EQ(Image.size(), QSize(static_cast<int>(Bytes.size()), 1));
    ASSERT_NE(FindPictureFormat(QStringLiteral("TILE")), nullptr);
    EXPECT_EQ(FindPictureFormat(QStringLiteral("TILE"))->Description, QStringLiteral("Test tile"));
}

struct TRefusalRow {
    const char* Name;
    const char* Path;
    const char* Reason;
};

class LoadRefusal : public PictureRegistry, public ::testing::WithParamInterface<TRefusalRow> {};

TEST_P(LoadRefusal, RaisesPictureErrorNamingThePath) {
    const TRefusalRow& Row = GetParam();
    try {
        (void)LoadPicture(QString::fromLatin1(Row.Path));
        FAIL() << "loaded without complaint";
    } catch (const TPictureError& E) {
        const std::string Message = E.what();
        EXPECT_NE(Message.find(Row.Path), std::string::npos) << Message;
        EXPECT_NE(Message.find(Row.Reason), std::string::npos) << Message;
    }
}

const TRefusalRow kRefusalRows[] = {
    {"UnregisteredExtension", ":/pictures/brelmont-logo.png",
     "has the file extension \"png\", for which no picture format is registered"},
    {"NoExtension", ":/pictures/brelmont-logo", "has no file extension"},
    {"MissingResource", ":/pictures/missing.jpg", "cannot be read"},
    {"MissingFile", "/nonexistent/folder/picture.jpeg", "cannot be read"},
};

INSTANTIATE_TEST_SUITE_P(Load, LoadRefusal, ::testing::ValuesIn(kRefusalRows), RowName{});

TEST(PictureFormatRegistration, RefusesUnusableEntries) {
    const auto Decode = [](const QByteArray&) { return QImage(); };
    EXPECT_THROW(RegisterPictureFormat(QString(), QStringLiteral("x"), Decode),
                 std::invalid_argument);
    EXPECT_THROW(RegisterPictureFormat(QStringLiteral(".bmp"), QStringLiteral("x"), Decode),
                 std::invalid_argument);
    EXPECT_THROW(RegisterPictureFormat(QStringLiteral("bmp"), QStringLiteral("x"), nullptr),
                 std::invalid_argument);
    EXPECT_EQ(FindPictureFormat(QStringLiteral("bmp")), nullptr);
}

} // namespace
