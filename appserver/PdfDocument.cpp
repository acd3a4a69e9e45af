#include "PdfDocument.h"

#include <QBuffer>
#include <QDateTime>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace vorpa {

void PdfDocument::setTable(const QStringList &columns, const QList<int> &widths, const QList<bool> &rightAligned)
{
    m_columns = columns;
    m_widths = widths;
    m_right = rightAligned;
}

QByteArray PdfDocument::toPdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(96);
        writer.setTitle(m_title);
        writer.setCreator(QStringLiteral("Vorpa Otomotiv B2B"));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);

        QPainter p(&writer);
        const QRect page = p.viewport();
        const int width = page.width();
        QFont titleFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
        QFont bodyFont(QStringLiteral("DejaVu Sans"), 8);
        QFont boldFont(QStringLiteral("DejaVu Sans"), 8, QFont::Bold);
        const int lineHeight = 18;
        int y = 0;

        auto newPageIfNeeded = [&](int needed) {
            if (y + needed > page.height()) {
                writer.newPage();
                y = 0;
            }
        };

        p.setFont(titleFont);
        p.drawText(QRect(0, y, width, 30), Qt::AlignLeft | Qt::AlignVCenter, m_title);
        p.setFont(bodyFont);
        p.drawText(QRect(0, y, width, 30), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Vorpa Otomotiv — ") + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        y += 40;

        for (const auto &[label, value] : m_header) {
            newPageIfNeeded(lineHeight);
            p.setFont(boldFont);
            p.drawText(QRect(0, y, width / 4, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, label);
            p.setFont(bodyFont);
            p.drawText(QRect(width / 4, y, width * 3 / 4, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, value);
            y += lineHeight;
        }
        y += 10;

        if (!m_columns.isEmpty()) {
            int total = 0;
            for (const int w : m_widths)
                total += w;
            QList<int> xs;
            int x = 0;
            for (const int w : m_widths) {
                xs << x;
                x += total > 0 ? width * w / total : 0;
            }
            xs << width;
            auto drawRow = [&](const QStringList &cells, bool header) {
                newPageIfNeeded(lineHeight);
                p.setFont(header ? boldFont : bodyFont);
                if (header)
                    p.fillRect(QRect(0, y, width, lineHeight), QColor(225, 228, 235));
                for (int c = 0; c < m_columns.size() && c < cells.size(); ++c) {
                    const QRect cell(xs[c] + 3, y, xs[c + 1] - xs[c] - 6, lineHeight);
                    const bool right = !header && c < m_right.size() && m_right[c];
                    p.drawText(cell, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                               p.fontMetrics().elidedText(cells[c], Qt::ElideRight, cell.width()));
                }
                y += lineHeight;
            };
            drawRow(m_columns, true);
            for (const QStringList &row : m_rows)
                drawRow(row, false);
            if (m_rows.isEmpty()) {
                p.setFont(bodyFont);
                p.drawText(QRect(0, y, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                           QStringLiteral("Kayıt bulunamadı."));
                y += lineHeight;
            }
            y += 10;
        }

        p.setFont(boldFont);
        for (const QString &line : m_footer) {
            newPageIfNeeded(lineHeight);
            p.drawText(QRect(0, y, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
            y += lineHeight;
        }
        p.end();
    }
    return bytes;
}

} // namespace vorpa
