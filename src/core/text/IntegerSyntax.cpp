#include "core/text/IntegerSyntax.h"

namespace {

int DigitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9') {
        v = u - u'0';
    } else if (base == 16 && u >= u'a' && u <= u'f') {
        v = u - u'a' + 10;
    } else if (base == 16 && u >= u'A' && u <= u'F') {
        v = u - u'A' + 10;
    }
    return v;
}

}  // namespace

std::optional<qint32> ParseInteger(QStringView text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (text.front() == u'$') {
        const QStringView digits = text.mid(1);
        if (digits.isEmpty()) {
            return std::nullopt;
        }
        quint64 value = 0;
        for (QChar c : digits) {
            const int d = DigitValue(c, 16);
            if (d < 0) {
                return std::nullopt;
            }
            value = value * 16 + quint64(d);
            if (value > 0xFFFFFFFFull) {
                return std::nullopt;
            }
        }
        return qint32(quint32(value));
    }

    bool negative = false;
    QStringView digits = text;
    if (text.front() == u'+' || text.front() == u'-') {
        negative = text.front() == u'-';
        digits = text.mid(1);
    }
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    const quint64 limit = negative ? 2147483648ull : 2147483647ull;
    quint64 value = 0;
    for (QChar c : digits) {
        const int d = DigitValue(c, 10);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * 10 + quint64(d);
        if (value > limit) {
            return std::nullopt;
        }
    }
    return negative ? qint32(-qint64(value)) : qint32(value);
}
