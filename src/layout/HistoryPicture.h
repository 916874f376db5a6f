#pragma once
// The picture of a tape's history, as the pictures of busy-beaver research
// draw a run: one pixel row per line of the history (the start, then one
// row per tick), one column per cell from the lowest to the highest cell
// the run used, each cell's mark or symbol as a colour and the carriage in
// red. It renders into a QImage without any widget (Qt Gui only), for the
// history panel, its PNG export and `zebrin42-run --history`.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

#include "core/run/TapeHistory.h"

namespace HistoryPicture {

// The largest picture written as a file: rows times columns.
constexpr qint64 kMaxPixels = qint64(1) << 28;

// The colours, by cell code; TapeHistory::kCarriageCode is the carriage.
QVector<QRgb> Palette(const TapeHistory& history);
QRgb CarriageColour();
// `count` lines from line `first` on, one pixel row each (Indexed8).
QImage Rows(const TapeHistory& history, qint64 first, qint64 count);
// Every line the history keeps, as a PNG file's bytes; empty, with why in
// plain English in `error`, when there is nothing to draw or the picture
// is larger than kMaxPixels.
QByteArray Png(const TapeHistory& history, QString& error);

}  // namespace HistoryPicture
