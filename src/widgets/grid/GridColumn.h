#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QVariant>

#include <functional>

class QPainter;
class QRect;

namespace vorpa {

class DataSet;

/// How a grid column shows its value; each kind has its own delegate.
enum class ColumnKind {
    Text,          // plain text
    Number,        // right-aligned, through the column's display format
    StatusIcon,    // stock status code 0-5 as an icon
    TextIcon,      // depot text "VAR" / "YOK" as an icon
    PictureFlag,   // 1 shows a picture icon, 0 nothing
    YesNo,         // 0 "Hayır", 1 "Evet" as icons
    YesOnly,       // 1 "Evet" as an icon, 0 nothing at all (no icon, no description)
    CheckBox,      // ticked for 1, empty for 0
    CenteredText,  // text label, centred
    MultiLineText, // wrapped text on several lines
    Picture,       // image bytes held in a Bytes column
    Drawn,         // painted by the window through GridColumn::draw
};

enum ColumnVisibility { Hidden = 0, Shown = 1 };
enum ColumnOffer { NotOffered = 0, Offered = 1 };

/// Read access to one dataset row by field name, handed to drawn cells.
class RowValues {
public:
    RowValues(const DataSet *dataSet, int row) : m_dataSet(dataSet), m_row(row) {}
    /// The dataset row (record index) these values come from.
    int row() const { return m_row; }
    bool hasField(const QString &field) const;
    /// Null QVariant when the field is absent.
    QVariant value(const QString &field) const;
    double doubleValue(const QString &field) const;
    qint64 intValue(const QString &field) const;
    QString stringValue(const QString &field) const;

private:
    const DataSet *m_dataSet;
    int m_row;
};

/// Colours and font a drawn cell should use; background is already chosen for the row's state.
struct CellStyle {
    QColor background;
    QColor textColor;
    QColor evenBackground;
    QColor oddBackground;
    QColor selectedBackground;
    QColor selectedTextColor;
    QFont font;
    bool selected = false;
};

using DrawCellFunction = std::function<void(QPainter *, const QRect &, const RowValues &, const CellStyle &)>;
/// Text of a drawn column for export, filter and search.
using CellTextFunction = std::function<QString(const RowValues &)>;

/// One column of a grid as a window declares it: caption, field, width weight, shown, offered, kind.
struct GridColumn {
    GridColumn() = default;
    GridColumn(QString caption, QString field, int weight = 1, ColumnVisibility shown = Shown,
               ColumnOffer offered = Offered, ColumnKind kind = ColumnKind::Text, QString name = {})
        : caption(std::move(caption)), field(std::move(field)), weight(weight), shown(shown), offered(offered),
          kind(kind), name(std::move(name))
    {
    }

    QString caption;
    QString field; // empty for drawn columns
    int weight = 1;
    ColumnVisibility shown = Shown;
    ColumnOffer offered = Offered;
    ColumnKind kind = ColumnKind::Text;

    // Optional details.
    QString name;                    // a second handle when two columns share a field
    Qt::Alignment alignment = {};    // 0 = the kind's own alignment
    QString displayFormat;           // overrides the dataset's display format when not empty
    DrawCellFunction draw;           // ColumnKind::Drawn
    CellTextFunction text;           // ColumnKind::Drawn: its text outside the screen
};

} // namespace vorpa
