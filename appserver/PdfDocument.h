#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace vorpa {

/// A simple printed document (receipts and reports): a title, labelled header lines, one table
/// with right-aligned number columns, and closing lines; rendered to PDF bytes with page breaks.
class PdfDocument {
public:
    explicit PdfDocument(const QString &title) : m_title(title) {}

    void addHeader(const QString &label, const QString &value) { m_header.append({label, value}); }
    /// columns: captions; rightAligned: one flag per column; widths: relative widths.
    void setTable(const QStringList &columns, const QList<int> &widths, const QList<bool> &rightAligned);
    void addRow(const QStringList &cells) { m_rows.append(cells); }
    void addFooter(const QString &line) { m_footer.append(line); }

    QByteArray toPdf() const;

private:
    QString m_title;
    QList<QPair<QString, QString>> m_header;
    QStringList m_columns;
    QList<int> m_widths;
    QList<bool> m_right;
    QList<QStringList> m_rows;
    QStringList m_footer;
};

} // namespace vorpa
