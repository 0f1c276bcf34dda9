// The picture-format registry: which file extensions the program can show as
// pictures, what each format is called, and how its bytes become a QImage.
// Start-up registers the JPEG format (RegisterJpegFormat); the About window
// loads its two pictures through LoadPicture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>

// Raised by LoadPicture when a picture has no registered format or cannot be
// read; what() is the whole message.
class TPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Turns the complete bytes of one picture file into an image; raises an
// exception carrying a message text when it cannot.
using TPictureDecoder = QImage (*)(const QByteArray& Data);

struct TPictureFormat {
    QString Extension;   // as registered, lower case, without the dot ("jpg")
    QString Description; // e.g. "JPEG Image File"
    TPictureDecoder Decode = nullptr;
};

// Registers (or replaces) the format for Extension, given without the dot and
// in any letter case. Raises std::invalid_argument for an empty extension,
// one that contains a dot, or a null Decode.
void RegisterPictureFormat(const QString& Extension, const QString& Description,
                           TPictureDecoder Decode);

// Registers the JPEG decoder (DecodeJpeg) under "jpeg" and "jpg" with the
// description "JPEG Image File", and makes the stored pictures under
// :/pictures/ readable. Start-up calls it once; calling it again changes
// nothing.
void RegisterJpegFormat();

// Returns the format registered for Extension (without the dot; any letter
// case: "JPG" finds "jpg"), or nullptr when there is none. The pointer stays
// valid for the whole run; registering the same extension again updates the
// entry it points to.
const TPictureFormat* FindPictureFormat(const QString& Extension);

// Returns the picture stored at Path: a file name or a Qt resource path such
// as ":/pictures/donate.jpg". The text after the last dot of the file name
// picks the format. Raises TPictureError when no format is registered for it
// or the file cannot be read, and passes on the decoder's exception (for JPEG:
// TJpegError) when the bytes are not a sound picture.
QImage LoadPicture(const QString& Path);
