// The caption language of labels and buttons: "&" marks the next character
// as the access key and is not shown, "&&" shows one "&", and a final lone
// "&" is shown as it is. A marker before a line break marks nothing.
#pragma once

#include <QList>
#include <QString>

// A caption as it is drawn.
struct TCaption {
    // The text shown, markers dropped.
    QString Shown;
    // Where in Shown each marked character starts (a character outside the
    // basic plane takes two units), in order; the first is the access key.
    QList<qsizetype> Marked;

    // Where the access key starts in Shown, or -1 when there is none.
    qsizetype AccessKey() const { return Marked.isEmpty() ? -1 : Marked.front(); }
};

// Reads Caption in the caption language. Raises nothing.
TCaption ParseCaption(const QString& Caption);

// The number of UTF-16 units (1 or 2) of the character starting at Text[I].
qsizetype CharacterLength(const QString& Text, qsizetype I);
