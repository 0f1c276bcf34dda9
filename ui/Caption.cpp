#include "Caption.h"

qsizetype CharacterLength(const QString& Text, qsizetype I) {
    return Text[I].isHighSurrogate() && I + 1 < Text.size() && Text[I + 1].isLowSurrogate() ? 2 : 1;
}

TCaption ParseCaption(const QString& Caption) {
    TCaption Result;
    for (qsizetype I = 0; I < Caption.size(); ++I) {
        if (Caption[I] == u'&' && I + 1 < Caption.size()) {
            const QChar Next = Caption[++I];
            if (Next != u'&' && Next != u'\r' && Next != u'\n')
                Result.Marked += Result.Shown.size();
        }
        Result.Shown += Caption[I];
    }
    return Result;
}
