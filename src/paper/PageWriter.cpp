#include "paper/PageWriter.h"

#include <QBuffer>
#include <QPdfWriter>

namespace Paper {

QByteArray Pdf(const QString& title, const QPageSize& size,
               const std::function<void(PageWriter&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(size);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Zebrin42"));
        PageWriter out(writer);
        paint(out);
    }
    return bytes;
}

}  // namespace Paper
