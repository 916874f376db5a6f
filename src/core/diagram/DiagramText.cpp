#include "core/diagram/DiagramText.h"

namespace DiagramText {

QChar Printable(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F) || c.isSurrogate()) {
        return QChar(0xFFFD);
    }
    return c;
}

QString Quoted(QStringView text) {
    QString quoted = QStringLiteral("«");
    const qsizetype shown = std::min<qsizetype>(text.size(), kMaxQuoted);
    for (qsizetype i = 0; i < shown; ++i) {
        quoted += Printable(text[i]);
    }
    if (shown < text.size()) {
        quoted += u'…';
    }
    return quoted + u'»';
}

}  // namespace DiagramText
