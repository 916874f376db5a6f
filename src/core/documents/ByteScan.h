#pragma once
// The byte loops of reading and writing documents, done eight bytes at a
// time: a document is megabytes of short lines, and a byte-by-byte loop over
// it (masking, counting and splitting lines) cost more than everything else a
// read does. Words are read little-endian wherever the machine is, so "the
// first byte" is always the lowest one.

#include <QByteArrayView>
#include <QtEndian>
#include <cstring>

namespace ByteScan {

inline quint64 LoadWord(const char* at) {
    return qFromLittleEndian<quint64>(at);
}

// For each byte of `word` equal to `byte`, its high bit; no other bit. Exact:
// no carry crosses from one byte into the next.
inline quint64 BytesEqual(quint64 word, unsigned char byte) {
    constexpr quint64 kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const quint64 x = word ^ (0x0101010101010101ULL * byte);
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// The number of bytes flagged by BytesEqual in `flags`.
inline int FlaggedBytes(quint64 flags) {
    return int(((flags >> 7) * 0x0101010101010101ULL) >> 56);
}

// The first flagged byte's place in its word (`flags` is not 0).
inline int FirstFlagged(quint64 flags) {
    return int(qCountTrailingZeroBits(flags) / 8);
}

// Every byte XOR-ed with `key`.
inline void XorBytes(char* bytes, qsizetype count, unsigned char key) {
    const quint64 keys = 0x0101010101010101ULL * key;
    qsizetype i = 0;
    for (; i + 8 <= count; i += 8) {
        quint64 word;
        std::memcpy(&word, bytes + i, 8);
        word ^= keys;
        std::memcpy(bytes + i, &word, 8);
    }
    for (; i < count; ++i) {
        bytes[i] = char(bytes[i] ^ key);
    }
}

// Where the first CR or LF at or after `from` stands, or `size` when none.
inline qsizetype FindLineBreak(const char* bytes, qsizetype from, qsizetype size) {
    qsizetype i = from;
    for (; i + 8 <= size; i += 8) {
        const quint64 word = LoadWord(bytes + i);
        const quint64 breaks = BytesEqual(word, '\r') | BytesEqual(word, '\n');
        if (breaks != 0) {
            return i + FirstFlagged(breaks);
        }
    }
    for (; i < size; ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            return i;
        }
    }
    return size;
}

// Blanks every CR, LF and NUL, which would end or cut a line of a document.
inline void BlankBreaks(char* bytes, qsizetype count) {
    qsizetype i = 0;
    for (; i + 8 <= count; i += 8) {
        const quint64 word = LoadWord(bytes + i);
        if ((BytesEqual(word, '\r') | BytesEqual(word, '\n') | BytesEqual(word, '\0')) != 0) {
            break;
        }
    }
    for (; i < count; ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '\0') {
            bytes[i] = ' ';
        }
    }
}

}  // namespace ByteScan
