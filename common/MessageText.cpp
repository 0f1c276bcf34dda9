#include "MessageText.h"

QString WithFullStop(const QString& Message) {
    if (Message.isEmpty())
        return Message;
    char32_t Last = Message.back().unicode();
    if (Message.size() > 1 && Message.back().isLowSurrogate())
        Last = QChar::surrogateToUcs4(Message[Message.size() - 2], Message.back());
    if (Last <= u'.')
        return Message;
    if (Last > 0x7F) {
        switch (QChar::category(Last)) {
        case QChar::Punctuation_Other:
        case QChar::Punctuation_Close:
        case QChar::Punctuation_FinalQuote:
            return Message;
        default:
            break;
        }
    }
    return Message + u'.';
}
