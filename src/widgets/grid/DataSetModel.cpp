#include "DataSetModel.h"

#include "CheckBoxDelegate.h"
#include "NumberFormat.h"
#include "PictureFlagDelegate.h"
#include "StatusIconDelegate.h"
#include "TextIconDelegate.h"
#include "YesNoDelegate.h"

#include <QDateTime>
#include <QHash>
#include <QIcon>
#include <QLocale>

#include <cmath>
#include <limits>

namespace vorpa {

namespace {

bool isIconKind(ColumnKind kind)
{
    return kind == ColumnKind::StatusIcon || kind == ColumnKind::TextIcon || kind == ColumnKind::PictureFlag
        || kind == ColumnKind::YesNo || kind == ColumnKind::YesOnly;
}

QIcon iconOf(ColumnKind kind, const QVariant &value)
{
    switch (kind) {
    case ColumnKind::StatusIcon: return StatusIconDelegate::iconFor(value);
    case ColumnKind::TextIcon: return TextIconDelegate::iconFor(value);
    case ColumnKind::PictureFlag: return PictureFlagDelegate::iconFor(value);
    case ColumnKind::YesNo: return YesNoDelegate::iconFor(value);
    case ColumnKind::YesOnly: return YesNoDelegate::iconFor(value, YesNoDelegate::NoShown::No);
    default: return {};
    }
}

QString descriptionOf(ColumnKind kind, const QVariant &value)
{
    switch (kind) {
    case ColumnKind::StatusIcon: return StatusIconDelegate::textFor(value);
    case ColumnKind::TextIcon: return TextIconDelegate::textFor(value);
    case ColumnKind::PictureFlag: return PictureFlagDelegate::textFor(value);
    case ColumnKind::YesNo: return YesNoDelegate::textFor(value);
    case ColumnKind::YesOnly: return YesNoDelegate::textFor(value, YesNoDelegate::NoShown::No);
    case ColumnKind::CheckBox: return CheckBoxDelegate::textFor(value);
    default: return {};
    }
}

Qt::Alignment defaultAlignment(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Number: return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnKind::Text:
    case ColumnKind::MultiLineText:
    case ColumnKind::Drawn: return Qt::AlignLeft | Qt::AlignVCenter;
    default: return Qt::AlignCenter;
    }
}

} // namespace

QDateTime dateTimeFromDays(double days)
{
    const double whole = std::floor(days);
    const qint64 msecs = qint64(std::llround((days - whole) * 86400000.0));
    return QDateTime(QDate(1899, 12, 30).addDays(qint64(whole)), QTime(0, 0)).addMSecs(msecs);
}

DataSetModel::DataSetModel(QObject *parent) : QAbstractTableModel(parent) {}

DataSetModel::~DataSetModel()
{
    if (m_dataSet)
        m_dataSet->removeListener(this);
}

void DataSetModel::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    resolveFields();
    invalidate();
    endResetModel();
}

void DataSetModel::setDataSet(DataSet *dataSet)
{
    beginResetModel();
    if (m_dataSet)
        m_dataSet->removeListener(this);
    m_dataSet = dataSet;
    m_inReset = false;
    if (m_dataSet)
        m_dataSet->addListener(this);
    resolveFields();
    // A dataset being refilled is not read until it says it is done.
    m_rows = (m_dataSet && !m_dataSet->controlsDisabled()) ? m_dataSet->recordCount() : 0;
    invalidate();
    endResetModel();
}

void DataSetModel::resolveFields()
{
    m_fieldOf.assign(size_t(m_columns.size()), -1);
    if (!m_dataSet)
        return;
    for (qsizetype c = 0; c < m_columns.size(); ++c)
        if (!m_columns.at(c).field.isEmpty())
            m_fieldOf[size_t(c)] = m_dataSet->fieldIndex(m_columns.at(c).field);
}

void DataSetModel::invalidate()
{
    ++m_generation;
    m_indexes.clear();
    m_indexes.resize(size_t(m_columns.size()));
}

void DataSetModel::dataSetAboutToReset()
{
    if (!m_inReset) {
        beginResetModel();
        m_inReset = true;
    }
    m_rows = 0;
    invalidate();
}

void DataSetModel::dataSetReset()
{
    if (!m_inReset)
        beginResetModel();
    resolveFields();
    m_rows = m_dataSet ? m_dataSet->recordCount() : 0;
    m_inReset = false;
    invalidate();
    endResetModel();
}

void DataSetModel::dataSetRowChanged(int row)
{
    if (m_inReset || !m_dataSet || m_dataSet->controlsDisabled() || row < 0 || row >= m_rows)
        return;
    invalidate();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DataSetModel::dataSetDestroyed()
{
    // A reset begun by the dataset (disabled controls, a refill) ends here, as it never will.
    if (!m_inReset)
        beginResetModel();
    m_dataSet = nullptr;
    m_inReset = false;
    m_rows = 0;
    resolveFields();
    invalidate();
    endResetModel();
    emit dataSetLost();
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

bool DataSetModel::isNumeric(int column) const
{
    const int f = fieldOf(column);
    if (f < 0)
        return false;
    const FieldType t = m_dataSet->field(f).type;
    return t == FieldType::Int32 || t == FieldType::Int64 || t == FieldType::Double;
}

bool DataSetModel::isDate(int column) const
{
    const int f = fieldOf(column);
    return f >= 0 && m_dataSet->field(f).type == FieldType::DateTime;
}

Qt::Alignment DataSetModel::alignment(int column) const
{
    const GridColumn &col = m_columns.at(column);
    return col.alignment ? col.alignment : defaultAlignment(col.kind);
}

QString DataSetModel::displayFormat(int column) const
{
    const GridColumn &col = m_columns.at(column);
    if (!col.displayFormat.isEmpty())
        return col.displayFormat;
    const int f = fieldOf(column);
    return f < 0 ? QString() : m_dataSet->displayFormat(f);
}

bool DataSetModel::isNull(int row, int column) const
{
    const int f = fieldOf(column);
    return f < 0 || m_dataSet->isNull(row, f);
}

double DataSetModel::numberValue(int row, int column) const
{
    const int f = fieldOf(column);
    return f < 0 ? 0.0 : m_dataSet->doubleValue(row, f);
}

QVariant DataSetModel::rawValue(int row, int column) const
{
    const int f = fieldOf(column);
    return f < 0 ? QVariant() : m_dataSet->value(row, f);
}

QString DataSetModel::formatNumber(double value, int column) const
{
    const QString format = displayFormat(column);
    const QLocale locale;
    return format.isEmpty() ? formatGeneral(value, locale) : formatFloat(value, format, locale);
}

QString DataSetModel::formatCell(int row, int column, const QLocale &locale) const
{
    const GridColumn &col = m_columns.at(column);
    if (col.kind == ColumnKind::Drawn)
        return col.text && m_dataSet ? col.text(RowValues(m_dataSet, row)) : QString();
    const int f = fieldOf(column);
    if (f < 0 || col.kind == ColumnKind::Picture)
        return {};
    if (isIconKind(col.kind) || col.kind == ColumnKind::CheckBox)
        return descriptionOf(col.kind, m_dataSet->value(row, f));
    if (m_dataSet->isNull(row, f))
        return {};
    const QString format = col.displayFormat.isEmpty() ? m_dataSet->displayFormat(f) : col.displayFormat;
    switch (m_dataSet->field(f).type) {
    case FieldType::Int32:
    case FieldType::Int64: {
        const qint64 v = m_dataSet->intValue(row, f);
        return format.isEmpty() ? QString::number(v) : formatFloat(double(v), format, locale);
    }
    case FieldType::Double: {
        const double v = m_dataSet->doubleValue(row, f);
        return format.isEmpty() ? formatGeneral(v, locale) : formatFloat(v, format, locale);
    }
    case FieldType::DateTime: {
        const QDateTime dt = dateTimeFromDays(m_dataSet->doubleValue(row, f));
        QString text = locale.toString(dt.date(), QLocale::ShortFormat);
        if (dt.time() != QTime(0, 0))
            text += QLatin1Char(' ') + dt.time().toString(QStringLiteral("HH:mm:ss"));
        return text;
    }
    case FieldType::Boolean: return m_dataSet->boolValue(row, f) ? QStringLiteral("Evet") : QStringLiteral("Hayır");
    case FieldType::String: return m_dataSet->stringValue(row, f);
    case FieldType::Bytes: return {};
    }
    return {};
}

QString DataSetModel::cellText(int row, int column) const
{
    if (!m_dataSet || row < 0 || row >= m_rows)
        return {};
    return formatCell(row, column, QLocale());
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_dataSet || index.row() >= m_rows)
        return {};
    const int row = index.row();
    const int column = index.column();
    const GridColumn &col = m_columns.at(column);
    switch (role) {
    case Qt::DisplayRole:
        switch (col.kind) {
        case ColumnKind::Text:
        case ColumnKind::Number:
        case ColumnKind::CenteredText:
        case ColumnKind::MultiLineText: return cellText(row, column);
        default: return {};
        }
    case CellTextRole: return cellText(row, column);
    case Qt::ToolTipRole:
        return isIconKind(col.kind) ? QVariant(cellText(row, column)) : QVariant();
    case Qt::DecorationRole:
        return isIconKind(col.kind) ? QVariant(iconOf(col.kind, rawValue(row, column))) : QVariant();
    case Qt::CheckStateRole:
        if (col.kind != ColumnKind::CheckBox)
            return {};
        return (fieldOf(column) >= 0 && !isNull(row, column) && m_dataSet->intValue(row, fieldOf(column)) == 1)
            ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return int(alignment(column));
    case RawValueRole: return rawValue(row, column);
    case SourceRowRole: return row;
    case RowKindRole: return int(DataRow);
    case BytesRole:
        return fieldOf(column) >= 0 ? QVariant(m_dataSet->bytesValue(row, fieldOf(column))) : QVariant();
    default: return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).caption;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags;
}

const ColumnValueIndex &DataSetModel::valueIndex(int column) const
{
    std::unique_ptr<ColumnValueIndex> &slot = m_indexes.at(size_t(column));
    if (!slot) {
        slot = std::make_unique<ColumnValueIndex>();
        buildIndex(column, *slot);
    }
    return *slot;
}

void DataSetModel::buildIndex(int column, ColumnValueIndex &index) const
{
    index.rowIds.assign(size_t(m_rows), 0);
    index.texts.clear();
    index.numberKeys.clear();
    const QLocale locale;
    QHash<QString, int> idOfText;
    const auto idFor = [&](const QString &text, double key) {
        auto it = idOfText.constFind(text);
        if (it != idOfText.constEnd())
            return *it;
        const int id = int(index.texts.size());
        idOfText.insert(text, id);
        index.texts.append(text);
        index.numberKeys.push_back(key);
        return id;
    };

    const GridColumn &col = m_columns.at(column);
    const int f = fieldOf(column);
    const FieldType type = f >= 0 ? m_dataSet->field(f).type : FieldType::String;
    const bool byNumber = f >= 0 && col.kind != ColumnKind::Drawn && type != FieldType::String
        && type != FieldType::Bytes;
    constexpr double nullKey = -std::numeric_limits<double>::infinity();

    if (f < 0 && col.kind != ColumnKind::Drawn) {
        if (m_rows > 0)
            idFor(QString(), 0);
    } else if (byNumber) {
        // Format each distinct value once: a 100,000-row column usually holds far fewer values.
        QHash<double, int> idOfValue;
        int nullId = -1;
        for (int r = 0; r < m_rows; ++r) {
            int id;
            if (m_dataSet->isNull(r, f)) {
                if (nullId < 0)
                    nullId = idFor(formatCell(r, column, locale), nullKey);
                id = nullId;
            } else {
                const double v = m_dataSet->doubleValue(r, f);
                auto it = idOfValue.constFind(v);
                if (it == idOfValue.constEnd())
                    it = idOfValue.insert(v, idFor(formatCell(r, column, locale), v));
                id = *it;
            }
            index.rowIds[size_t(r)] = id;
        }
    } else if (f >= 0 && type == FieldType::String && col.kind != ColumnKind::Drawn) {
        QHash<QString, int> idOfValue;
        for (int r = 0; r < m_rows; ++r) {
            const QString v = m_dataSet->stringValue(r, f);
            auto it = idOfValue.constFind(v);
            if (it == idOfValue.constEnd())
                it = idOfValue.insert(v, idFor(formatCell(r, column, locale), 0));
            index.rowIds[size_t(r)] = *it;
        }
    } else {
        for (int r = 0; r < m_rows; ++r)
            index.rowIds[size_t(r)] = idFor(formatCell(r, column, locale), 0);
    }
    if (!byNumber)
        index.numberKeys.clear(); // ordered by text
}

} // namespace vorpa
