#include "DataSet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace vorpa {

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::Int32: return QStringLiteral("Int32");
    case FieldType::Int64: return QStringLiteral("Int64");
    case FieldType::Double: return QStringLiteral("Double");
    case FieldType::String: return QStringLiteral("String");
    case FieldType::DateTime: return QStringLiteral("DateTime");
    case FieldType::Boolean: return QStringLiteral("Boolean");
    case FieldType::Bytes: return QStringLiteral("Bytes");
    }
    return QStringLiteral("?");
}

namespace {

bool usesInts(FieldType t) { return t == FieldType::Int32 || t == FieldType::Int64 || t == FieldType::Boolean; }
bool usesDoubles(FieldType t) { return t == FieldType::Double || t == FieldType::DateTime; }

QString foldedName(const QString &name) { return name.toCaseFolded(); }

/// The value an integer column stores; an Int32 column refuses what 32 bits cannot hold.
qint64 checkedInt(FieldType type, qint64 value)
{
    if (type == FieldType::Int32 && (value < std::numeric_limits<qint32>::min()
                                     || value > std::numeric_limits<qint32>::max()))
        throw DataSetError(QStringLiteral("%1 is not a valid 32-bit integer value").arg(value).toStdString());
    return value;
}

qint64 checkedRound(FieldType type, double value)
{
    // Beyond 2^63 llround is undefined; 9.2e18 is far past any 64-bit integer anyway.
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18)
        throw DataSetError(QStringLiteral("%1 is not a valid integer value").arg(value).toStdString());
    return checkedInt(type, qint64(std::llround(value)));
}

} // namespace

DataSet::DataSet(const QList<FieldDef> &fields) { setFields(fields); }

DataSet::DataSet(const DataSet &other)
    : m_columns(other.m_columns), m_rowCount(other.m_rowCount), m_cursor(other.m_cursor),
      m_active(other.m_active), m_nameIndex(other.m_nameIndex)
{
}

DataSet &DataSet::operator=(const DataSet &other)
{
    if (this == &other)
        return *this;
    notifyAboutToReset();
    m_columns = other.m_columns;
    m_nameIndex = other.m_nameIndex;
    m_rowCount = other.m_rowCount;
    m_cursor = other.m_cursor;
    m_active = other.m_active;
    m_editing = false;
    m_editRow = -1;
    m_editBuffer.clear();
    notifyReset();
    return *this;
}

DataSet::DataSet(DataSet &&other) noexcept
{
    takeContentsOf(other);
}

DataSet &DataSet::operator=(DataSet &&other) noexcept
{
    if (this == &other)
        return *this;
    notifyAboutToReset();
    m_editing = false;
    m_editRow = -1;
    m_editBuffer.clear();
    takeContentsOf(other);
    notifyReset();
    return *this;
}

// The views of a moved-from dataset stay attached to it, so they are told that it is now empty.
void DataSet::takeContentsOf(DataSet &other)
{
    other.notifyAboutToReset();
    m_columns = std::move(other.m_columns);
    m_nameIndex = std::move(other.m_nameIndex);
    m_rowCount = other.m_rowCount;
    m_cursor = other.m_cursor;
    m_active = other.m_active;
    other.m_columns.clear();
    other.m_nameIndex.clear();
    other.m_rowCount = 0;
    other.m_cursor = 0;
    other.m_active = false;
    other.m_editing = false;
    other.m_editRow = -1;
    other.m_editBuffer.clear();
    other.notifyReset();
}

DataSet::~DataSet()
{
    // Views hold a pointer to this dataset; they drop it here rather than read freed memory.
    const std::vector<DataSetListener *> listeners = std::exchange(m_listeners, {});
    for (DataSetListener *l : listeners)
        l->dataSetDestroyed();
}

void DataSet::rebuildNameIndex()
{
    m_nameIndex.clear();
    for (size_t i = m_columns.size(); i-- > 0;)
        m_nameIndex.insert(foldedName(m_columns[i].def.name), int(i));
}

void DataSet::setFields(const QList<FieldDef> &fields)
{
    notifyAboutToReset();
    m_columns.clear();
    m_columns.reserve(size_t(fields.size()));
    for (const FieldDef &f : fields)
        m_columns.push_back(Column{f, {}, {}, {}, {}, {}, {}});
    rebuildNameIndex();
    m_rowCount = 0;
    m_cursor = 0;
    m_active = true;
    m_editing = false;
    m_editRow = -1;
    m_editBuffer.clear();
    notifyReset();
}

void DataSet::close()
{
    notifyAboutToReset();
    m_columns.clear();
    m_nameIndex.clear();
    m_rowCount = 0;
    m_cursor = 0;
    m_active = false;
    m_editing = false;
    m_editRow = -1;
    m_editBuffer.clear();
    notifyReset();
}

QList<FieldDef> DataSet::fields() const
{
    QList<FieldDef> out;
    out.reserve(qsizetype(m_columns.size()));
    for (const Column &c : m_columns)
        out.append(c.def);
    return out;
}

int DataSet::fieldIndex(const QString &name) const
{
    return m_nameIndex.value(foldedName(name), -1);
}

int DataSet::fieldIndexOrThrow(const QString &name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataSetError(QStringLiteral("Field '%1' not found").arg(name).toStdString());
    return i;
}

void DataSet::reserve(int rows)
{
    for (Column &c : m_columns) {
        const FieldType t = c.def.type;
        if (usesInts(t))
            c.ints.reserve(size_t(rows));
        else if (usesDoubles(t))
            c.doubles.reserve(size_t(rows));
        else if (t == FieldType::String)
            c.strings.reserve(size_t(rows));
        else
            c.bytes.reserve(size_t(rows));
        c.nulls.reserve(size_t(rows));
    }
}

void DataSet::pushNullRow()
{
    for (Column &c : m_columns) {
        const FieldType t = c.def.type;
        if (usesInts(t))
            c.ints.push_back(0);
        else if (usesDoubles(t))
            c.doubles.push_back(0.0);
        else if (t == FieldType::String)
            c.strings.emplace_back();
        else
            c.bytes.emplace_back();
        c.nulls.push_back(true);
    }
    ++m_rowCount;
}

int DataSet::appendRow()
{
    if (!m_active)
        throw DataSetError("Dataset has no fields");
    notifyAboutToReset();
    pushNullRow();
    m_cursor = m_rowCount - 1;
    notifyReset();
    return m_cursor;
}

int DataSet::appendRow(const QVariantList &values)
{
    if (!m_active)
        throw DataSetError("Dataset has no fields");
    // Views hear of the new row once, after it is complete; a value that does not convert
    // takes the row back out, and the views are told either way.
    notifyAboutToReset();
    const int row = m_rowCount++;
    const size_t r = size_t(row);
    const int n = std::min(int(values.size()), fieldCount());
    size_t pushed = 0;
    try {
        for (; pushed < m_columns.size(); ++pushed) {
            Column &c = m_columns[pushed];
            const FieldType t = c.def.type;
            const int id = int(pushed) < n ? values.at(qsizetype(pushed)).typeId() : QMetaType::UnknownType;
            const void *data = int(pushed) < n ? values.at(qsizetype(pushed)).constData() : nullptr;
            // The usual pairs of cell and column type are stored directly; the rest converts.
            if (t == FieldType::String && id == QMetaType::QString) {
                c.strings.push_back(*static_cast<const QString *>(data));
                c.nulls.push_back(false);
            } else if (t == FieldType::Double && id == QMetaType::Double) {
                c.doubles.push_back(*static_cast<const double *>(data));
                c.nulls.push_back(false);
            } else if ((t == FieldType::Int32 || t == FieldType::Int64) && id == QMetaType::Int) {
                c.ints.push_back(*static_cast<const int *>(data));
                c.nulls.push_back(false);
            } else {
                if (usesInts(t))
                    c.ints.push_back(0);
                else if (usesDoubles(t))
                    c.doubles.push_back(0.0);
                else if (t == FieldType::String)
                    c.strings.emplace_back();
                else
                    c.bytes.emplace_back();
                c.nulls.push_back(true);
                if (int(pushed) < n)
                    storeValue(row, int(pushed), values.at(qsizetype(pushed)));
            }
        }
    } catch (...) {
        for (size_t i = 0; i <= pushed && i < m_columns.size(); ++i) {
            Column &c = m_columns[i];
            if (c.nulls.size() <= r)
                continue;
            if (usesInts(c.def.type))
                c.ints.pop_back();
            else if (usesDoubles(c.def.type))
                c.doubles.pop_back();
            else if (c.def.type == FieldType::String)
                c.strings.pop_back();
            else
                c.bytes.pop_back();
            c.nulls.pop_back();
        }
        --m_rowCount;
        notifyReset();
        throw;
    }
    m_cursor = row;
    notifyReset();
    return row;
}

void DataSet::deleteRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        throw DataSetError(QStringLiteral("Row %1 out of range").arg(row).toStdString());
    if (m_editing && m_editRow == row)
        cancel();
    else if (m_editing && m_editRow > row)
        --m_editRow;
    notifyAboutToReset();
    for (Column &c : m_columns) {
        const FieldType t = c.def.type;
        if (usesInts(t))
            c.ints.erase(c.ints.begin() + row);
        else if (usesDoubles(t))
            c.doubles.erase(c.doubles.begin() + row);
        else if (t == FieldType::String)
            c.strings.erase(c.strings.begin() + row);
        else
            c.bytes.erase(c.bytes.begin() + row);
        c.nulls.erase(c.nulls.begin() + row);
    }
    --m_rowCount;
    m_cursor = std::min(m_cursor, m_rowCount);
    notifyReset();
}

void DataSet::clearRows()
{
    notifyAboutToReset();
    for (Column &c : m_columns) {
        c.ints.clear();
        c.doubles.clear();
        c.strings.clear();
        c.bytes.clear();
        c.nulls.clear();
    }
    m_rowCount = 0;
    m_cursor = 0;
    m_editing = false;
    m_editRow = -1;
    m_editBuffer.clear();
    notifyReset();
}

void DataSet::checkCell(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= fieldCount())
        throw DataSetError(QStringLiteral("Cell %1,%2 out of range").arg(row).arg(column).toStdString());
}

bool DataSet::isNull(int row, int column) const
{
    checkCell(row, column);
    return m_columns[size_t(column)].nulls[size_t(row)];
}

QVariant DataSet::value(int row, int column) const
{
    checkCell(row, column);
    const Column &c = m_columns[size_t(column)];
    const size_t r = size_t(row);
    if (c.nulls[r])
        return {};
    switch (c.def.type) {
    case FieldType::Int32: return QVariant(int(c.ints[r]));
    case FieldType::Int64: return QVariant(qlonglong(c.ints[r]));
    case FieldType::Boolean: return QVariant(c.ints[r] != 0);
    case FieldType::Double:
    case FieldType::DateTime: return QVariant(c.doubles[r]);
    case FieldType::String: return QVariant(c.strings[r]);
    case FieldType::Bytes: return QVariant(c.bytes[r]);
    }
    return {};
}

void DataSet::setValue(int row, int column, const QVariant &value)
{
    storeValue(row, column, value);
    if (!controlsDisabled())
        notifyRowChanged(row);
}

void DataSet::storeValue(int row, int column, const QVariant &value)
{
    checkCell(row, column);
    if (!value.isValid() || value.isNull()) {
        setNull(row, column);
    } else {
        switch (m_columns[size_t(column)].def.type) {
        case FieldType::Int32:
        case FieldType::Int64: {
            // Numbers coming as doubles (e.g. 1.0) are taken whole; text must read as a number.
            bool ok = false;
            const bool floating = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
            qint64 v = floating ? 0 : value.toLongLong(&ok);
            if (!ok) {
                const double d = value.toDouble(&ok);
                if (ok)
                    v = checkedRound(FieldType::Int64, d);
            }
            if (!ok)
                throw DataSetError(QStringLiteral("'%1' is not a valid integer value")
                                       .arg(value.toString()).toStdString());
            setInt(row, column, v);
            break;
        }
        case FieldType::Boolean: setBool(row, column, value.toBool()); break;
        case FieldType::Double:
        case FieldType::DateTime: {
            bool ok = false;
            const double d = value.toDouble(&ok);
            if (!ok)
                throw DataSetError(QStringLiteral("'%1' is not a valid floating point value")
                                       .arg(value.toString()).toStdString());
            setDouble(row, column, d);
            break;
        }
        case FieldType::String: setString(row, column, value.toString()); break;
        case FieldType::Bytes: setBytes(row, column, value.toByteArray()); break;
        }
    }
}

void DataSet::setInt(int row, int column, qint64 value)
{
    checkCell(row, column);
    Column &c = m_columns[size_t(column)];
    if (usesDoubles(c.def.type)) {
        c.doubles[size_t(row)] = double(value);
    } else if (usesInts(c.def.type)) {
        c.ints[size_t(row)] = checkedInt(c.def.type, value);
    } else {
        storeValue(row, column, value);
        return;
    }
    c.nulls[size_t(row)] = false;
}

void DataSet::setDouble(int row, int column, double value)
{
    checkCell(row, column);
    Column &c = m_columns[size_t(column)];
    if (usesInts(c.def.type)) {
        c.ints[size_t(row)] = checkedRound(c.def.type, value);
    } else if (usesDoubles(c.def.type)) {
        c.doubles[size_t(row)] = value;
    } else {
        storeValue(row, column, value);
        return;
    }
    c.nulls[size_t(row)] = false;
}

void DataSet::setString(int row, int column, const QString &value)
{
    checkCell(row, column);
    Column &c = m_columns[size_t(column)];
    if (c.def.type != FieldType::String) {
        storeValue(row, column, value);
        return;
    }
    c.strings[size_t(row)] = value;
    c.nulls[size_t(row)] = false;
}

void DataSet::setBool(int row, int column, bool value)
{
    checkCell(row, column);
    if (m_columns[size_t(column)].def.type == FieldType::String)
        storeValue(row, column, value);
    else
        setInt(row, column, value ? 1 : 0);
}

void DataSet::setBytes(int row, int column, const QByteArray &value)
{
    checkCell(row, column);
    Column &c = m_columns[size_t(column)];
    if (c.def.type != FieldType::Bytes) {
        storeValue(row, column, value);
        return;
    }
    c.bytes[size_t(row)] = value;
    c.nulls[size_t(row)] = false;
}

void DataSet::setNull(int row, int column)
{
    checkCell(row, column);
    Column &c = m_columns[size_t(column)];
    const size_t r = size_t(row);
    if (usesInts(c.def.type))
        c.ints[r] = 0;
    else if (usesDoubles(c.def.type))
        c.doubles[r] = 0;
    else if (c.def.type == FieldType::String)
        c.strings[r].clear();
    else
        c.bytes[r].clear();
    c.nulls[r] = true;
}

qint64 DataSet::intValue(int row, int column) const
{
    checkCell(row, column);
    const Column &c = m_columns[size_t(column)];
    if (usesInts(c.def.type))
        return c.ints[size_t(row)];
    return value(row, column).toLongLong();
}

double DataSet::doubleValue(int row, int column) const
{
    checkCell(row, column);
    const Column &c = m_columns[size_t(column)];
    if (usesDoubles(c.def.type))
        return c.doubles[size_t(row)];
    if (usesInts(c.def.type))
        return double(c.ints[size_t(row)]);
    return value(row, column).toDouble();
}

QString DataSet::stringValue(int row, int column) const
{
    checkCell(row, column);
    const Column &c = m_columns[size_t(column)];
    if (c.def.type == FieldType::String)
        return c.strings[size_t(row)];
    if (c.nulls[size_t(row)])
        return {};
    return value(row, column).toString();
}

bool DataSet::boolValue(int row, int column) const
{
    checkCell(row, column);
    return value(row, column).toBool();
}

QByteArray DataSet::bytesValue(int row, int column) const
{
    checkCell(row, column);
    const Column &c = m_columns[size_t(column)];
    if (c.def.type == FieldType::Bytes)
        return c.bytes[size_t(row)];
    return value(row, column).toByteArray();
}

void DataSet::finishEditBeforeMove()
{
    if (m_editing)
        post();
}

void DataSet::setRecNo(int row)
{
    finishEditBeforeMove();
    m_cursor = std::clamp(row, 0, m_rowCount);
}

void DataSet::first()
{
    finishEditBeforeMove();
    m_cursor = 0;
}

void DataSet::next()
{
    finishEditBeforeMove();
    if (m_cursor < m_rowCount)
        ++m_cursor;
}

QVariant DataSet::fieldByName(const QString &name) const
{
    const int column = fieldIndexOrThrow(name);
    if (m_editing)
        return m_editBuffer.at(column);
    if (eof())
        throw DataSetError("Dataset has no current record");
    return value(m_cursor, column);
}

bool DataSet::locate(const QString &fieldName, const QVariant &wanted)
{
    const int column = fieldIndexOrThrow(fieldName);
    finishEditBeforeMove();
    const Column &c = m_columns[size_t(column)];
    const FieldType t = c.def.type;
    if (usesInts(t)) {
        bool ok = false;
        const double d = wanted.toDouble(&ok);
        if (!ok)
            return false;
        for (int r = 0; r < m_rowCount; ++r)
            if (!c.nulls[size_t(r)] && double(c.ints[size_t(r)]) == d) {
                m_cursor = r;
                return true;
            }
        return false;
    }
    if (usesDoubles(t)) {
        bool ok = false;
        const double d = wanted.toDouble(&ok);
        if (!ok)
            return false;
        for (int r = 0; r < m_rowCount; ++r)
            if (!c.nulls[size_t(r)] && c.doubles[size_t(r)] == d) {
                m_cursor = r;
                return true;
            }
        return false;
    }
    if (t == FieldType::String) {
        const QString s = wanted.toString();
        for (int r = 0; r < m_rowCount; ++r)
            if (!c.nulls[size_t(r)] && c.strings[size_t(r)] == s) {
                m_cursor = r;
                return true;
            }
        return false;
    }
    const QByteArray b = wanted.toByteArray();
    for (int r = 0; r < m_rowCount; ++r)
        if (!c.nulls[size_t(r)] && c.bytes[size_t(r)] == b) {
            m_cursor = r;
            return true;
        }
    return false;
}

void DataSet::edit()
{
    if (m_editing)
        return;
    if (eof())
        throw DataSetError("Dataset has no current record");
    m_editBuffer.clear();
    for (int c = 0; c < fieldCount(); ++c)
        m_editBuffer.append(value(m_cursor, c));
    m_editRow = m_cursor;
    m_editing = true;
}

void DataSet::setFieldValue(const QString &name, const QVariant &value)
{
    const int column = fieldIndexOrThrow(name);
    if (!m_editing)
        throw DataSetError("Dataset not in edit or insert mode");
    m_editBuffer[column] = value;
}

void DataSet::post()
{
    if (!m_editing)
        return;
    // Validate into a scratch copy first so a bad value leaves the row as it was.
    DataSet scratch(fields());
    scratch.appendRow(m_editBuffer);
    const int row = m_editRow;
    m_editing = false;
    m_editRow = -1;
    m_editBuffer.clear();
    for (int c = 0; c < fieldCount(); ++c)
        storeValue(row, c, scratch.value(0, c));
    if (!controlsDisabled())
        notifyRowChanged(row);
}

void DataSet::cancel()
{
    m_editing = false;
    m_editRow = -1;
    m_editBuffer.clear();
}

void DataSet::setDisplayFormat(int column, const QString &format)
{
    m_columns.at(size_t(column)).displayFormat = format;
}

QString DataSet::displayFormat(int column) const { return m_columns.at(size_t(column)).displayFormat; }

void DataSet::addListener(DataSetListener *listener)
{
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void DataSet::removeListener(DataSetListener *listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

// Notifications walk a copy of the list: a listener may detach itself while being told.

void DataSet::disableControls()
{
    if (m_disableCount++ == 0)
        tellListeners([](DataSetListener *l) { l->dataSetAboutToReset(); });
}

void DataSet::enableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0)
        tellListeners([](DataSetListener *l) { l->dataSetReset(); });
}

void DataSet::notifyAboutToReset()
{
    if (!controlsDisabled())
        tellListeners([](DataSetListener *l) { l->dataSetAboutToReset(); });
}

void DataSet::notifyReset()
{
    if (!controlsDisabled())
        tellListeners([](DataSetListener *l) { l->dataSetReset(); });
}

void DataSet::notifyRowChanged(int row)
{
    tellListeners([row](DataSetListener *l) { l->dataSetRowChanged(row); });
}

} // namespace vorpa
