#include "core/text/CellText.h"

QStringView TrimLowView(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32) {
        ++begin;
    }
    while (end > begin && text[end - 1].unicode() <= 32) {
        --end;
    }
    return text.mid(begin, end - begin);
}

QString TrimLow(const QString& text) {
    const QStringView trimmed = TrimLowView(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}
