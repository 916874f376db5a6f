#include "layout/HistoryPicture.h"

#include <QColor>
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace HistoryPicture {

QRgb CarriageColour() {
    return qRgb(230, 0, 0);
}

// Blank white and the mark (or first symbol) black; further symbols take
// hues a golden angle apart, kept away from the carriage's red.
QVector<QRgb> Palette(const TapeHistory& history) {
    QVector<QRgb> colours(256, qRgb(128, 128, 128));
    colours[0] = qRgb(255, 255, 255);
    colours[1] = qRgb(0, 0, 0);
    const int codes = std::max(history.CodeCount(), 2);
    for (int code = 2; code < codes && code < TapeHistory::kOtherCode; ++code) {
        const int hue = 30 + (code - 2) * 137 % 300;
        colours[code] = QColor::fromHsv(hue, 200, 190).rgb();
    }
    colours[TapeHistory::kCarriageCode] = CarriageColour();
    return colours;
}

QImage Rows(const TapeHistory& history, qint64 first, qint64 count) {
    const int width = history.HighestCell() - history.LowestCell() + 1;
    count = std::clamp<qint64>(count, 0, history.LineCount() - std::max<qint64>(first, 0));
    if (count <= 0 || width <= 0) {
        return QImage();
    }
    QImage image(width, int(count), QImage::Format_Indexed8);
    if (image.isNull()) {
        return image;
    }
    image.setColorTable(Palette(history));
    const int offset = history.LowestCell() - history.FirstCell();
    TapeHistory::Walk walk(history, first);
    for (int row = 0; row < int(count); ++row) {
        uchar* line = image.scanLine(row);
        std::memcpy(line, walk.Cells().data() + offset, std::size_t(width));
        line[walk.Carriage() - history.LowestCell()] = TapeHistory::kCarriageCode;
        walk.Next();
    }
    return image;
}

namespace {

quint32 Crc(const QByteArray& bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        c = table[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void BigEndian(QByteArray& out, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(char((value >> shift) & 0xFF));
    }
}

void Chunk(QByteArray& out, const char* type, const QByteArray& data) {
    BigEndian(out, quint32(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out.append(typed);
    BigEndian(out, Crc(typed));
}

}  // namespace

// The PNG is written here rather than by Qt's writer: libpng refuses more
// than a million rows by default, and a run of 10^6 ticks has one more.
// A palette image, each row filtered by none, compressed by zlib.
QByteArray Png(const TapeHistory& history, QString& error) {
    const qint64 rows = history.LineCount();
    const qint64 width = history.HighestCell() - history.LowestCell() + 1;
    if (rows == 0) {
        error = QStringLiteral("no run has been recorded");
        return {};
    }
    if (rows * width > kMaxPixels) {
        error = QStringLiteral("the picture would be %1 by %2 pixels, more than %3 in all")
                    .arg(width)
                    .arg(rows)
                    .arg(kMaxPixels);
        return {};
    }
    QByteArray raw(qsizetype(rows * (width + 1)), '\0');
    const int offset = history.LowestCell() - history.FirstCell();
    TapeHistory::Walk walk(history, 0);
    for (qint64 row = 0; row < rows; ++row, walk.Next()) {
        char* line = raw.data() + row * (width + 1) + 1;  // after the filter byte
        std::memcpy(line, walk.Cells().data() + offset, std::size_t(width));
        line[walk.Carriage() - history.LowestCell()] = char(TapeHistory::kCarriageCode);
    }
    const QByteArray packed = qCompress(raw, 6);
    if (packed.size() <= 4) {
        error = QStringLiteral("the picture could not be compressed");
        return {};
    }
    QByteArray header;
    BigEndian(header, quint32(width));
    BigEndian(header, quint32(rows));
    header.append(char(8));  // bits per pixel
    header.append(char(3));  // palette colours
    header.append(3, char(0));
    QByteArray palette;
    for (const QRgb colour : Palette(history)) {
        palette.append(char(qRed(colour)));
        palette.append(char(qGreen(colour)));
        palette.append(char(qBlue(colour)));
    }
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    Chunk(png, "IHDR", header);
    Chunk(png, "PLTE", palette);
    Chunk(png, "IDAT", packed.mid(4));  // qCompress puts the length first
    Chunk(png, "IEND", QByteArray());
    return png;
}

}  // namespace HistoryPicture
