#include "layout/HistoryPicture.h"

#include <QBuffer>
#include <algorithm>
#include <limits>
#include <QColor>
#include <cstring>

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

QByteArray Png(const TapeHistory& history, QString& error) {
    const qint64 rows = history.LineCount();
    const qint64 width = history.HighestCell() - history.LowestCell() + 1;
    if (rows == 0) {
        error = QStringLiteral("no run has been recorded");
        return {};
    }
    if (rows * width > kMaxPixels || rows > std::numeric_limits<int>::max()) {
        error = QStringLiteral("the picture would be %1 by %2 pixels, more than %3 in all")
                    .arg(width)
                    .arg(rows)
                    .arg(kMaxPixels);
        return {};
    }
    const QImage image = Rows(history, 0, rows);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        error = QStringLiteral("the picture could not be made");
        return {};
    }
    return bytes;
}

}  // namespace HistoryPicture
