#include "PictureFormats.h"

#include "JpegImage.h"

#include <QFile>
#include <QFileInfo>

#include <map>

// The pictures are compiled into this static library; naming the resource
// here pulls its object file into every program that registers the JPEG
// format or loads a picture, and makes :/pictures/ readable from then on.
static void InitPictureResources() {
    static const bool Done = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)Done;
}

namespace {

// Keyed by the lower-case extension. A std::map never moves its entries, so
// FindPictureFormat's result stays valid while other formats are registered.
std::map<QString, TPictureFormat>& Registry() {
    static std::map<QString, TPictureFormat> Formats;
    return Formats;
}

} // namespace

void RegisterPictureFormat(const QString& Extension, const QString& Description,
                           TPictureDecoder Decode) {
    if (Extension.isEmpty() || Extension.contains(QLatin1Char('.')))
        throw std::invalid_argument("A picture format needs a file extension without a dot");
    if (Decode == nullptr)
        throw std::invalid_argument("A picture format needs a decoder");
    const QString Key = Extension.toLower();
    Registry().insert_or_assign(Key, TPictureFormat{Key, Description, Decode});
}

void RegisterJpegFormat() {
    InitPictureResources();
    const QString Description = QStringLiteral("JPEG Image File");
    RegisterPictureFormat(QStringLiteral("jpeg"), Description, DecodeJpeg);
    RegisterPictureFormat(QStringLiteral("jpg"), Description, DecodeJpeg);
}

const TPictureFormat* FindPictureFormat(const QString& Extension) {
    const auto Found = Registry().find(Extension.toLower());
    return Found == Registry().end() ? nullptr : &Found->second;
}

QImage LoadPicture(const QString& Path) {
    InitPictureResources();

    const QString Extension = QFileInfo(Path).suffix();
    const TPictureFormat* Format = FindPictureFormat(Extension);
    if (Format == nullptr) {
        if (Extension.isEmpty())
            throw TPictureError(
                QStringLiteral("The picture \"%1\" has no file extension to tell its format by")
                    .arg(Path)
                    .toStdString());
        throw TPictureError(
            QStringLiteral("The picture \"%1\" has the file extension \"%2\", for which no "
                           "picture format is registered")
                .arg(Path, Extension)
                .toStdString());
    }

    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        throw TPictureError(QStringLiteral("The picture \"%1\" cannot be read: %2")
                                .arg(Path, File.errorString())
                                .toStdString());
    const QByteArray Data = File.readAll();
    if (File.error() != QFileDevice::NoError)
        throw TPictureError(QStringLiteral("The picture \"%1\" cannot be read: %2")
                                .arg(Path, File.errorString())
                                .toStdString());
    return Format->Decode(Data);
}
