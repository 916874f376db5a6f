#include "core/documents/DocumentFile.h"

#include <QFile>
#include <QSaveFile>

#include "core/text/Cp1251.h"
#include "core/text/IntegerSyntax.h"

namespace DocumentFile {

namespace {

// The lines SplitLines would make of the text, counted on the bytes.
qsizetype CountLines(const QByteArray& text) {
    qsizetype lines = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == size || text[i + 1] != '\n'))) {
            ++lines;
        }
    }
    const bool unterminated = size > 0 && text[size - 1] != '\n' && text[size - 1] != '\r';
    return lines + (unterminated ? 1 : 0);
}

}  // namespace

ReadResult Parse(const QByteArray& image, const QByteArray& magic) {
    ReadResult result;
    if (image.size() < kMagicSize || image.left(kMagicSize) != magic) {
        result.status = ReadStatus::WrongMagic;
        return result;
    }
    QByteArray text = image.mid(kMagicSize);
    for (char& b : text) {
        b = char(b ^ kMask);
    }
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0) {
        text.truncate(nul);
    }
    if (CountLines(text) > kMaxDocumentLines) {
        result.status = ReadStatus::TooLarge;
        return result;
    }
    QStringList lines = SplitLines(Cp1251::Decode(text), false);
    result.status = ReadStatus::Ok;
    result.lines = std::move(lines);
    return result;
}

ReadResult Read(const QString& path, const QByteArray& magic) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // size() says 0 for devices and pipes, so the read itself is bounded as
    // well: one byte past the limit is enough to refuse.
    ReadResult tooLarge;
    tooLarge.status = ReadStatus::TooLarge;
    if (file.size() > kMaxDocumentSize) {
        return tooLarge;
    }
    const QByteArray image = file.read(kMaxDocumentSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return {};
    }
    if (image.size() > kMaxDocumentSize) {
        return tooLarge;
    }
    return Parse(image, magic);
}

QByteArray Compose(const QByteArray& magic, const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) {
        text.append(Cp1251::Encode(line));
        text.append("\r\n", 2);
    }
    for (char& b : text) {
        b = char(b ^ kMask);
    }
    return magic + text;
}

bool Write(const QString& path, const QByteArray& magic, const QStringList& lines) {
    const QByteArray image = Compose(magic, lines);
    // A document the reader would refuse is not stored: the previous file
    // stays, and the caller reports a failed write instead of a file that
    // could never be opened again.
    if (image.size() > kMaxDocumentSize || lines.size() > kMaxDocumentLines) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // commit() reports success even after a short write, so every byte is
    // checked before the old file is replaced. A buffered write succeeds in
    // memory; only the flush shows that the disk took it (for example under
    // a file-size limit).
    if (file.write(image) != image.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList SplitLines(const QString& text, bool keepFinalEmpty) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < size || keepFinalEmpty) {
        lines.append(text.mid(start));
    }
    return lines;
}

QStringList MemoLines(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    QStringList lines = SplitLines(text, true);
    for (QString& line : lines) {
        line.replace(QChar(0), u' ');
    }
    return lines;
}

QString MemoText(const QStringList& lines) {
    return lines.join(u'\n');
}

QString OneLine(QString text) {
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == QChar(0)) {
            c = u' ';
        }
    }
    return text;
}

QString LineReader::Next() {
    if (pos_ >= lines_.size()) {
        ok_ = false;
        return QString();
    }
    return lines_[pos_++];
}

qint32 LineReader::NextInt() {
    const std::optional<qint32> value = ParseInteger(Next().trimmed());
    if (!value) {
        ok_ = false;
        return 0;
    }
    return *value;
}

}  // namespace DocumentFile
