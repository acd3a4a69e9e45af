#include "GridExcelWriter.h"

#include "DataSetModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cmath>
#include <cstdio>

namespace vorpa {

namespace {

constexpr int MaxCellText = 32767; // Excel's limit for one cell

bool isIconKind(ColumnKind kind)
{
    return kind == ColumnKind::StatusIcon || kind == ColumnKind::TextIcon || kind == ColumnKind::PictureFlag
        || kind == ColumnKind::YesNo || kind == ColumnKind::YesOnly || kind == ColumnKind::CheckBox;
}

QByteArray cellUtf8(const QString &text)
{
    return (text.size() > MaxCellText ? text.left(MaxCellText) : text).toUtf8();
}

} // namespace

GridExcelWriter::GridExcelWriter(const DataSetModel &model, std::vector<Column> columns)
    : m_model(model), m_columns(std::move(columns))
{
}

bool GridExcelWriter::write(const QString &path, const std::vector<Row> &rows, QString *error) const
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QFileInfo target(path);
    if (target.isDir())
        return fail(QStringLiteral("\"%1\" bir klasör; dosya adı verin.").arg(path));
    // Reserve a unique name beside the target; libxlsxwriter then writes the workbook over it.
    QTemporaryFile temp(QDir(target.absolutePath()).filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!temp.open())
        return fail(QStringLiteral("\"%1\" klasörüne yazılamıyor (klasör yok ya da yazma izni yok).")
                        .arg(QDir::toNativeSeparators(target.absolutePath())));
    temp.close();
    const QString tempPath = temp.fileName();
    const QByteArray tempName = QFile::encodeName(tempPath);

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // rows are written in order; keeps 100,000 rows cheap
    lxw_workbook *book = workbook_new_opt(tempName.constData(), &options);
    if (!book)
        return fail(QStringLiteral("Excel dosyası oluşturulamadı."));
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Sayfa1");

    lxw_format *header = workbook_add_format(book);
    format_set_bold(header);
    format_set_font_color(header, 0xFFFFFF);
    format_set_bg_color(header, 0x3D414A);
    format_set_align(header, LXW_ALIGN_CENTER);
    format_set_align(header, LXW_ALIGN_VERTICAL_CENTER);
    format_set_text_wrap(header);
    lxw_format *amount = workbook_add_format(book);
    format_set_num_format(amount, "#,##0.00");
    lxw_format *whole = workbook_add_format(book);
    format_set_num_format(whole, "0");
    lxw_format *date = workbook_add_format(book);
    format_set_num_format(date, "dd.mm.yyyy");
    lxw_format *dateTime = workbook_add_format(book);
    format_set_num_format(dateTime, "dd.mm.yyyy hh:mm:ss");
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *summary = workbook_add_format(book);
    format_set_bold(summary);
    format_set_align(summary, LXW_ALIGN_RIGHT);

    const DataSet *data = m_model.dataSet();
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const lxw_col_t c = lxw_col_t(i);
        worksheet_set_column(sheet, c, c, std::max(6.0, m_columns[i].widthPixels / 7.0), nullptr);
        worksheet_write_string(sheet, 0, c, cellUtf8(m_columns[i].caption).constData(), header);
    }
    worksheet_freeze_panes(sheet, 1, 0);

    lxw_error status = LXW_NO_ERROR;
    lxw_row_t line = 1;
    for (const Row &row : rows) {
        if (row.kind == Row::GroupCaption) {
            if (!m_columns.empty())
                status = worksheet_write_string(sheet, line, 0, cellUtf8(row.caption).constData(), bold);
        } else if (row.kind == Row::Summary) {
            for (size_t i = 0; i < m_columns.size() && status == LXW_NO_ERROR; ++i) {
                const QString text = row.texts.value(m_columns[i].column);
                if (!text.isEmpty())
                    status = worksheet_write_string(sheet, line, lxw_col_t(i), cellUtf8(text).constData(), summary);
            }
        } else {
            for (size_t i = 0; i < m_columns.size() && status == LXW_NO_ERROR; ++i) {
                const int column = m_columns[i].column;
                const GridColumn &col = m_model.column(column);
                const lxw_col_t c = lxw_col_t(i);
                const int f = m_model.fieldOf(column);
                if (isIconKind(col.kind) || col.kind == ColumnKind::Drawn) {
                    const QString text = m_model.cellText(row.sourceRow, column);
                    if (!text.isEmpty())
                        status = worksheet_write_string(sheet, line, c, cellUtf8(text).constData(), nullptr);
                    continue;
                }
                if (f < 0 || col.kind == ColumnKind::Picture || data->isNull(row.sourceRow, f))
                    continue;
                switch (data->field(f).type) {
                case FieldType::Double:
                    status = worksheet_write_number(sheet, line, c, data->doubleValue(row.sourceRow, f), amount);
                    break;
                case FieldType::Int32:
                case FieldType::Int64: {
                    const bool decimals = m_model.displayFormat(column).contains(QLatin1Char('.'));
                    status = worksheet_write_number(sheet, line, c, double(data->intValue(row.sourceRow, f)),
                                                    decimals ? amount : whole);
                    break;
                }
                case FieldType::DateTime: {
                    // Dataset dates count days from 30 December 1899, as Excel's serial dates do.
                    const double days = data->doubleValue(row.sourceRow, f);
                    status = worksheet_write_number(sheet, line, c, days, days == std::floor(days) ? date : dateTime);
                    break;
                }
                case FieldType::Boolean:
                    status = worksheet_write_boolean(sheet, line, c, data->boolValue(row.sourceRow, f), nullptr);
                    break;
                case FieldType::String:
                    status = worksheet_write_string(sheet, line, c, cellUtf8(data->stringValue(row.sourceRow, f)).constData(),
                                                    nullptr);
                    break;
                case FieldType::Bytes: break;
                }
            }
        }
        if (status != LXW_NO_ERROR)
            break;
        ++line;
    }
    const lxw_error closed = workbook_close(book);
    if (status == LXW_NO_ERROR)
        status = closed;
    if (status != LXW_NO_ERROR) {
        QFile::remove(tempPath);
        return fail(QStringLiteral("Excel dosyası yazılamadı (%1).").arg(QString::fromUtf8(lxw_strerror(status))));
    }
    QFile::setPermissions(tempPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                        | QFileDevice::ReadOther);
    // rename() replaces an existing file in one step.
    if (std::rename(tempName.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        QFile::remove(tempPath);
        return fail(QStringLiteral("\"%1\" dosyası yazılamadı; başka bir programda açık ya da salt okunur olabilir.")
                        .arg(QDir::toNativeSeparators(target.absoluteFilePath())));
    }
    return true;
}

} // namespace vorpa
