#pragma once
// Windows-1251, the code page of everything the system shows and stores.
// Decoding and encoding are a bijection of all 256 byte values (the one byte
// the code page leaves unassigned, 0x98, stands for U+0098), so any document
// reads back and writes again byte for byte. Text entering the system from the
// keyboard, the clipboard or the command line passes through Cp1251::Sanitize,
// which replaces what the code page cannot hold by "?".

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace Cp1251 {

QString Decode(QByteArrayView bytes);
// The same into `out`, which has room for bytes.size() characters.
void DecodeInto(QByteArrayView bytes, char16_t* out);
QChar DecodeByte(unsigned char byte);

// Every character must be representable (see Representable); one that is not
// is written as "?".
QByteArray Encode(QStringView text);
// The same into `out`, which has room for text.size() bytes.
void EncodeInto(QStringView text, char* out);

bool Representable(QChar c);
QString Sanitize(QStringView text);

}  // namespace Cp1251
