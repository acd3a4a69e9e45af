#pragma once

#include <QString>
#include <QHash>

#include <vector>

namespace vorpa {

class DataSetModel;

/// Writes grid rows into an Excel workbook (.xlsx) with libxlsxwriter: captions in a header
/// row, numbers as numbers, dates as dates, icon columns as their descriptions. The workbook is
/// written to a temporary file in the target folder and renamed at the end, so a failure never
/// leaves a half-written file behind.
class GridExcelWriter {
public:
    struct Column {
        int column;    // model column
        QString caption;
        int widthPixels;
    };
    struct Row {
        enum Kind { Data, GroupCaption, Summary } kind = Data;
        int sourceRow = -1;          // Data
        QString caption;             // GroupCaption
        QHash<int, QString> texts;   // Summary: model column -> text
    };

    GridExcelWriter(const DataSetModel &model, std::vector<Column> columns);
    /// Writes rows to path; false with a Turkish reason in *error when it cannot.
    bool write(const QString &path, const std::vector<Row> &rows, QString *error) const;

private:
    const DataSetModel &m_model;
    std::vector<Column> m_columns;
};

} // namespace vorpa
