#include "core/text/Cp1251.h"

#include <array>

namespace {

// Code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F
// and the bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// Byte for a code point, or -1 when the code page has none.
int EncodeChar(char16_t u) {
    if (u < 0x80) {
        return u;
    }
    if (u >= 0x0410 && u <= 0x044F) {
        return 0xC0 + (u - 0x0410);
    }
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == u) {
            return int(0x80 + i);
        }
    }
    return -1;
}

}  // namespace

namespace Cp1251 {

QChar DecodeByte(unsigned char byte) {
    if (byte < 0x80) {
        return QChar(char16_t(byte));
    }
    if (byte >= 0xC0) {
        return QChar(char16_t(0x0410 + (byte - 0xC0)));
    }
    return QChar(kHighHalf[byte - 0x80]);
}

void DecodeInto(QByteArrayView bytes, char16_t* out) {
    // Each byte's character looked up in one table built on the first call.
    static const std::array<char16_t, 256> kCharOf = [] {
        std::array<char16_t, 256> table{};
        for (int b = 0; b < 256; ++b) {
            table[std::size_t(b)] = DecodeByte(uchar(b)).unicode();
        }
        return table;
    }();
    for (char b : bytes) {
        *out++ = kCharOf[uchar(b)];
    }
}

QString Decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    DecodeInto(bytes, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

QByteArray Encode(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    EncodeInto(text, bytes.data());
    return bytes;
}

void EncodeInto(QStringView text, char* out) {
    // Nearly all text is ASCII and Cyrillic, mixed within a word: one table
    // lookup per character for the code points below U+0500, with no branch
    // that mixed text would keep mispredicting; the rest is searched.
    constexpr char16_t kTableEnd = 0x0500;
    static const std::array<char, kTableEnd> kByteOf = [] {
        std::array<char, kTableEnd> table{};
        for (char16_t u = 0; u < kTableEnd; ++u) {
            const int b = EncodeChar(u);
            table[u] = char(b < 0 ? '?' : b);
        }
        return table;
    }();
    const char16_t* in = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = in[i];
        if (u < kTableEnd) {
            out[i] = kByteOf[u];
        } else {
            const int b = EncodeChar(u);
            out[i] = char(b < 0 ? '?' : b);
        }
    }
}

bool Representable(QChar c) {
    return EncodeChar(c.unicode()) >= 0;
}

QString Sanitize(QStringView text) {
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character outside the Basic Multilingual Plane arrives as a
        // surrogate pair and becomes one "?", not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        }
        clean.append(Representable(c) ? c : QChar(u'?'));
    }
    return clean;
}

}  // namespace Cp1251
