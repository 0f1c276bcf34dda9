#include "MessageText.h"

QString WithFullStop(const QString& Message) {
    if (!Message.isEmpty() && Message.back().unicode() > u'.')
        return Message + u'.';
    return Message;
}
