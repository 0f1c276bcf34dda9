#include "MessageText.h"

#include "DateRoutines.h"
#include "StringList.h"
#include "TextRules.h"
#include "Translations.h"

bool EndsInOwnPunctuation(const QString& Message) {
    if (Message.isEmpty())
        return false;
    char32_t Last = Message.back().unicode();
    if (Message.size() > 1 && Message.back().isLowSurrogate())
        Last = QChar::surrogateToUcs4(Message[Message.size() - 2], Message.back());
    if (Last <= 0x7F)
        return false;
    switch (QChar::category(Last)) {
    case QChar::Punctuation_Other:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_FinalQuote:
        return true;
    default:
        return false;
    }
}

QString WithFullStop(const QString& Message) {
    if (EndsInOwnPunctuation(Message))
        return Message;
    std::string Shown = Message.toStdString();
    AppendFullStop(Shown);
    return QString::fromStdString(Shown);
}

QString ErrorText(const std::exception& Error) {
    // The English messages are the cores' own (marked for the catalogs
    // there), so an English session reads exactly what() gives.
    if (const auto* Convert = dynamic_cast<const TConvertError*>(&Error)) {
        switch (Convert->Problem()) {
        case cpNotInteger:
            return Translate("ErrorText", kNotIntegerMessage)
                .arg(QString::fromStdString(Convert->Text()));
        case cpDateEncode:
            return Translate("ErrorText", kDateEncodeMessage);
        }
    }
    if (const auto* List = dynamic_cast<const TStringListError*>(&Error))
        return Translate("ErrorText", kListIndexMessage).arg(List->Index());
    return QString::fromUtf8(Error.what());
}
