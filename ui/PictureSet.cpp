#include "PictureSet.h"

#include "PictureFormats.h"

#include <QFile>

QString ScaledPicturePath(const QString& Path, int Scale) {
    if (Scale <= 1)
        return Path;
    const qsizetype Slash = Path.lastIndexOf(u'/');
    const qsizetype Dot = Path.lastIndexOf(u'.');
    const qsizetype At = Dot > Slash + 1 ? Dot : Path.size(); // ".hidden" has no extension
    return Path.left(At) + QStringLiteral("@%1x").arg(Scale) + Path.mid(At);
}

TPictureSet::TPictureSet(const QString& Path) {
    FPictures.push_back({1, LoadPicture(Path)});
    const QString Double = ScaledPicturePath(Path, 2);
    if (!QFile::exists(Double))
        return;
    QImage Image = LoadPicture(Double);
    const QSize Expected = Size() * 2;
    if (Image.size() != Expected)
        throw TPictureError(QStringLiteral("Picture %1 is %2 x %3 pixels, not %4 x %5")
                                .arg(Double)
                                .arg(Image.width())
                                .arg(Image.height())
                                .arg(Expected.width())
                                .arg(Expected.height())
                                .toStdString());
    FPictures.push_back({2, std::move(Image)});
}

QPixmap TPictureSet::SharpestFor(QSize DevicePixels) const {
    const TScaled* Chosen = &FPictures.back();
    for (const TScaled& P : FPictures) {
        if (P.Image.width() >= DevicePixels.width() && P.Image.height() >= DevicePixels.height()) {
            Chosen = &P;
            break;
        }
    }
    QPixmap Pixmap = QPixmap::fromImage(Chosen->Image);
    Pixmap.setDevicePixelRatio(Chosen->Scale);
    return Pixmap;
}
