#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <stdexcept>
#include <vector>

namespace vorpa {

/// Column types a client dataset can hold; they match the wire's column types one to one.
enum class FieldType : quint8 {
    Int32 = 1,
    Int64 = 2,
    Double = 3,
    String = 4,
    DateTime = 5, // days since 1899-12-30, fraction = time of day
    Boolean = 6,
    Bytes = 7,
};

QString fieldTypeName(FieldType type);

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
};

/// Raised for misuse of a dataset: unknown field names, edits without a current row.
class DataSetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Something that shows a dataset (a grid model) and must hear about its changes.
class DataSetListener {
public:
    virtual ~DataSetListener() = default;
    /// The rows or columns are about to change wholesale (also sent by DisableControls).
    virtual void dataSetAboutToReset() = 0;
    /// The wholesale change is over (also sent by EnableControls).
    virtual void dataSetReset() = 0;
    /// One row's values changed in place (Post, setValue).
    virtual void dataSetRowChanged(int row) = 0;
    /// The dataset is being destroyed: forget it, it must not be read or detached from again.
    virtual void dataSetDestroyed() {}
};

/// The in-memory table every list of the client is built on: typed columns stored column-wise,
/// a cursor, locate, field access by name, display formats and editing of the current row.
class DataSet {
public:
    DataSet() = default;
    explicit DataSet(const QList<FieldDef> &fields);
    DataSet(const DataSet &other);
    DataSet &operator=(const DataSet &other);
    DataSet(DataSet &&other) noexcept;
    DataSet &operator=(DataSet &&other) noexcept;
    ~DataSet();

    // --- structure -------------------------------------------------------------------------
    /// Replaces the columns and drops all rows; the dataset becomes active (open).
    void setFields(const QList<FieldDef> &fields);
    /// Drops columns and rows; the dataset is no longer active.
    void close();
    bool isActive() const { return m_active; }
    int fieldCount() const { return int(m_columns.size()); }
    const FieldDef &field(int column) const { return m_columns.at(size_t(column)).def; }
    QList<FieldDef> fields() const;
    /// Column index of a field, names compared case-insensitively; -1 when absent.
    int fieldIndex(const QString &name) const;
    /// Like fieldIndex, but raises DataSetError "Field 'X' not found" when absent.
    int fieldIndexOrThrow(const QString &name) const;

    // --- rows ------------------------------------------------------------------------------
    int recordCount() const { return m_rowCount; }
    bool isEmpty() const { return m_rowCount == 0; }
    void reserve(int rows);
    /// Appends a row of nulls and returns its index; the cursor moves to it.
    int appendRow();
    /// Appends a whole row; values are converted to the column types. A value that does not
    /// convert raises DataSetError and the row is not added.
    int appendRow(const QVariantList &values);
    void deleteRow(int row);
    void clearRows();

    // --- values ----------------------------------------------------------------------------
    bool isNull(int row, int column) const;
    QVariant value(int row, int column) const;
    void setValue(int row, int column, const QVariant &value);
    /// Fast typed setters for filling; they do not notify listeners. An Int32 column refuses a
    /// number outside 32 bits (DataSetError) rather than storing a wrapped value.
    void setInt(int row, int column, qint64 value);
    void setDouble(int row, int column, double value);
    void setString(int row, int column, const QString &value);
    void setBool(int row, int column, bool value);
    void setBytes(int row, int column, const QByteArray &value);
    void setNull(int row, int column);
    /// Typed getters; a null cell reads as 0, 0.0, "" or false.
    qint64 intValue(int row, int column) const;
    double doubleValue(int row, int column) const;
    QString stringValue(int row, int column) const;
    bool boolValue(int row, int column) const;
    QByteArray bytesValue(int row, int column) const;

    // --- cursor ----------------------------------------------------------------------------
    /// Zero-based current row; equals recordCount() when past the end.
    int recNo() const { return m_cursor; }
    void setRecNo(int row);
    void first();
    void next();
    bool eof() const { return m_cursor >= m_rowCount; }
    /// Value of a field on the current row (raises when the field is unknown or there is no row);
    /// while editing, the edited value.
    QVariant fieldByName(const QString &name) const;
    /// Moves to the first row whose field equals value (numbers compared as numbers,
    /// texts exactly). False, and the cursor unchanged, when no row matches.
    bool locate(const QString &fieldName, const QVariant &value);

    // --- editing the current row -----------------------------------------------------------
    // Moving the cursor while editing posts the edit first, so it always lands on its own row.
    void edit();
    bool isEditing() const { return m_editing; }
    void setFieldValue(const QString &name, const QVariant &value);
    void post();
    void cancel();

    // --- display ---------------------------------------------------------------------------
    void setDisplayFormat(int column, const QString &format);
    QString displayFormat(int column) const;

    // --- attached views --------------------------------------------------------------------
    void addListener(DataSetListener *listener);
    void removeListener(DataSetListener *listener);
    /// Detaches the views while the dataset is refilled; calls nest.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }

private:
    struct Column {
        FieldDef def;
        QString displayFormat;
        std::vector<qint64> ints;      // Int32, Int64, Boolean
        std::vector<double> doubles;   // Double, DateTime
        std::vector<QString> strings;  // String
        std::vector<QByteArray> bytes; // Bytes
        std::vector<bool> nulls;
    };

    void checkCell(int row, int column) const;
    void storeValue(int row, int column, const QVariant &value);
    void pushNullRow();
    void finishEditBeforeMove();
    void rebuildNameIndex();
    /// Walks a copy of the listener list, so a listener may detach itself while it is told.
    template<typename Tell>
    void tellListeners(Tell tell)
    {
        const std::vector<DataSetListener *> listeners = m_listeners;
        for (DataSetListener *l : listeners)
            tell(l);
    }
    void notifyAboutToReset();
    void notifyReset();
    void notifyRowChanged(int row);
    void takeContentsOf(DataSet &other);

    std::vector<Column> m_columns;
    int m_rowCount = 0;
    int m_cursor = 0;
    bool m_active = false;
    bool m_editing = false;
    int m_editRow = -1;
    QVariantList m_editBuffer;
    QHash<QString, int> m_nameIndex; // case-folded field name -> first column of that name
    int m_disableCount = 0;
    std::vector<DataSetListener *> m_listeners; // not copied: views attach to one instance
};

} // namespace vorpa
