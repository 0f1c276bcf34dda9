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
    if (const auto* Convert = dynamic_cast<const TConvertError*>(&Error)) {
        switch (Convert->Problem()) {
        case cpNotInteger:
            //: An error message; %1 is the text that was entered. When it is
            //: shown, a full stop follows unless the message ends in
            //: punctuation of its own (such as "。").
            return Translate("ErrorText", "'%1' is not a valid integer value")
                .arg(QString::fromStdString(Convert->Text()));
        case cpDateEncode:
            //: An error message: a calculated date lies outside the years 1
            //: to 9999. When it is shown, a full stop follows unless the
            //: message ends in punctuation of its own (such as "。").
            return Translate("ErrorText", "Invalid argument to date encode");
        }
    }
    if (const auto* List = dynamic_cast<const TStringListError*>(&Error))
        //: An error message at start-up: the program's version information is
        //: incomplete; %1 is the position of the entry that is missing.
        return Translate("ErrorText", "List index out of bounds (%1)").arg(List->Index());
    return QString::fromUtf8(Error.what());
}
