#pragma once

#include "GridColumn.h"
#include "GridLook.h"
#include "GridPaintContext.h"
#include "GridSummary.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QTableView;
class QStyledItemDelegate;

namespace vorpa {

class DataSet;
class DataSetModel;
class FilterPopup;
class GridFilterProxy;
class GridFooter;
class GridHeader;
class GridRowIndicator;
class GroupingModel;

/// The read-only data grid every list of the client stands on: declared columns over a client
/// dataset, the common look, footer summaries, header filters, incremental search, sorting,
/// grouping, a column chooser, width rules and Excel export. Windows only declare their columns.
class DataGrid : public QWidget {
    Q_OBJECT
public:
    /// How the grid lays its columns out by itself whenever it is resized.
    enum class LayoutMode {
        Manual,     // the window decides (e.g. through the resized signal)
        ByWeight,   // the width-weight rule
        FitToWidth, // columns share the grid's width in proportion to their current widths
    };

    using MessageHook = std::function<void(QWidget *parent, const QString &text)>;
    using SaveDialogHook = std::function<QString(QWidget *parent, const QString &caption, const QString &filter)>;

    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    // --- columns -----------------------------------------------------------------------
    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const;
    /// Column index by column name, then by field (case-insensitive); -1 when absent.
    int columnIndex(const QString &key) const;
    void setColumnVisible(const QString &key, bool visible);
    bool isColumnVisible(const QString &key) const;
    /// Whether the column chooser lists the column.
    void setColumnOffered(const QString &key, bool offered);
    bool isColumnOffered(const QString &key) const;
    void setColumnWidth(const QString &key, int width);
    int columnWidth(const QString &key) const;
    /// The column chooser (right-click on the header): the offered columns with check marks.
    std::unique_ptr<QMenu> createColumnChooser();

    // --- data --------------------------------------------------------------------------
    /// Shows dataSet; nullptr detaches (no rows, the dataset is not read again until attached).
    /// A dataset destroyed while shown detaches itself: the grid then shows no rows.
    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const;
    /// Suspends painting and self-layout; calls nest. The last endUpdate repaints once.
    void beginUpdate();
    void endUpdate();

    // --- layout and look ---------------------------------------------------------------
    void setRowHeight(int pixels);
    int rowHeight() const;
    void setHeaderHeight(int pixels);
    int headerHeight() const;
    /// Lays the visible columns out by their weights over the grid's width, as one update.
    void layoutByWeight();
    /// Sizes every visible column to its content and caption, as one update.
    void bestFitColumns();
    /// Columns share the grid's width in proportion to their current widths.
    void fitColumnsToWidth();
    void setLayoutMode(LayoutMode mode);
    LayoutMode layoutMode() const { return m_layoutMode; }
    void setLook(const GridLook &look);
    const GridLook &look() const;
    /// Whole-row selection (default) or cell focus.
    void setRowSelection(bool wholeRow);
    /// Scrolling by pixel rather than by row (tall picture rows).
    void setScrollPerPixel(bool perPixel);

    // --- footer ------------------------------------------------------------------------
    void setSummaries(const QList<GridSummary> &summaries);
    const QList<GridSummary> &summaries() const;
    /// Text of summary i over the rows the grid shows now.
    QString summaryText(int i) const;
    void setFooterVisible(bool visible);

    // --- filters, search and sorting -----------------------------------------------------
    void setFilterButtonsVisible(bool visible);
    /// The distinct texts of a column, ordered as its filter list shows them.
    QStringList filterValues(const QString &key) const;
    /// Keeps the rows whose text in the column is one of values.
    void setColumnFilter(const QString &key, const QStringList &values);
    QStringList columnFilter(const QString &key) const;
    void clearFilters();
    bool hasFilters() const;
    /// Opens the header filter drop-down of a column.
    void showFilterPopup(int column);
    FilterPopup *filterPopup() const { return m_popup; }
    /// Incremental search: finds the first row, from the focused one on, whose text in the
    /// focused column starts with text (case-insensitive, Turkish letters), focuses it and
    /// highlights the matched part. False (and nothing changes) when no row matches.
    bool incrementalSearch(const QString &text);
    QString searchText() const { return m_searchText; }
    void clearSearch();
    void setSortingEnabled(bool enabled);
    bool isSortingEnabled() const { return m_sortingEnabled; }
    void sortBy(const QString &key, Qt::SortOrder order = Qt::AscendingOrder);

    // --- grouping ----------------------------------------------------------------------
    /// Groups the rows by a column (empty key: no grouping); groups sorted ascending.
    void setGroupBy(const QString &key);
    QString groupBy() const;
    int groupCount() const;
    void expandAll();
    void collapseAll();
    void setGroupExpanded(int group, bool expanded);

    // --- rows --------------------------------------------------------------------------
    /// Number of data rows after filtering.
    int rowCount() const;
    /// Dataset rows in the order shown (filtered, sorted; grouped rows in group order).
    std::vector<int> shownRows() const;
    /// Dataset row of the focused row, -1 when none (or a group row) is focused.
    int focusedRow() const;
    void setFocusedRow(int dataSetRow);
    /// Model column of the focused cell; -1 when nothing is focused.
    int focusedColumn() const;
    void setFocusedColumn(const QString &key);
    /// A value of the focused row by field name; null without a focused data row.
    QVariant focusedValue(const QString &field) const;

    // --- export ------------------------------------------------------------------------
    /// Writes all rows (groups expanded) and the shown columns to an .xlsx workbook.
    bool exportToExcel(const QString &path, QString *error) const;
    /// Asks for a file name ("Excel|*.xls*"; no extension gets ".xlsx") and exports; a
    /// cancelled dialog writes nothing, a failure shows a Turkish message.
    void exportWithDialog(QWidget *parent);
    /// Seams for the message box and the save dialog (tests and the window layer set them).
    static void setMessageHook(MessageHook hook);
    static void setSaveDialogHook(SaveDialogHook hook);

    QTableView *view() const { return m_view; }
    DataSetModel *model() const { return m_model; }

signals:
    void rowDoubleClicked(int dataSetRow, int column);
    void focusedRowChanged(int dataSetRow);
    /// The user showed or hid a column through the column chooser.
    void columnsChanged();
    void resized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool grouped() const;
    int viewRowToSource(int viewRow) const;
    int sourceToViewRow(int sourceRow) const;
    void applyLook();
    void rebuildDelegates();
    void applyLayoutMode();
    void connectSelection();
    void updateGroupSpans();
    void refreshFooter();
    void forgetRowCaches();
    bool handleKey(QKeyEvent *event);
    void setSearchHighlight(int viewRow, int column, int length);
    bool isFilterable(int column) const;
    int firstVisibleColumn() const;
    std::vector<int> exportColumns() const;

    GridPaintContext m_context;
    DataSetModel *m_model;
    GridFilterProxy *m_proxy;
    GroupingModel *m_grouping;
    QTableView *m_view;
    GridHeader *m_header;
    GridRowIndicator *m_indicator;
    GridFooter *m_footer;
    FilterPopup *m_popup;
    int m_popupColumn = -1;
    std::vector<QStyledItemDelegate *> m_delegates;
    std::vector<bool> m_offered;
    QList<GridSummary> m_summaries;
    LayoutMode m_layoutMode = LayoutMode::Manual;
    int m_updateDepth = 0;
    bool m_sortingEnabled = true;
    bool m_filterButtons = true;
    bool m_footerVisible = true;
    QString m_searchText;
    bool m_moving = false; // the focus moves because of a search, not the user
};

} // namespace vorpa
