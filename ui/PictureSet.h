// A picture stored at more than one resolution, and the choice of the one
// that draws sharpest where it is shown.
//
// "name.jpg" holds the picture at its own size; "name@2x.jpg", where it is
// present, the same picture rendered from the same source at twice the width
// and height, for screens with two device pixels to the pixel and for
// controls that stretch the picture beyond its own size.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <vector>

// Returns Path with "@<Scale>x" put before the extension of its file name
// ("dir/logo.jpg" and 2 give "dir/logo@2x.jpg"; a name without an extension
// gets it at the end); Path itself for a Scale of 1 or less. Raises nothing.
QString ScaledPicturePath(const QString& Path, int Scale);

class TPictureSet {
public:
    // Decodes the picture at Path through LoadPicture and, where a file is
    // present at ScaledPicturePath(Path, 2), that one too. Raises what
    // LoadPicture raises for either file, and TPictureError when the @2x
    // picture is not exactly twice the size of the other.
    explicit TPictureSet(const QString& Path);

    // The picture's size in device-independent pixels: that of the file at
    // Path.
    QSize Size() const { return FPictures.front().Image.size(); }

    // Returns the stored picture that draws sharpest over an area of
    // DevicePixels device pixels: the smallest one that covers it in both
    // directions, else the largest. The pixmap's device pixel ratio is the
    // picture's scale, so its device-independent size is always Size().
    QPixmap SharpestFor(QSize DevicePixels) const;

private:
    struct TScaled {
        int Scale;
        QImage Image;
    };
    std::vector<TScaled> FPictures; // ascending by scale; the first is at scale 1
};
