#include "DataGrid.h"

#include "CenteredTextDelegate.h"
#include "CheckBoxDelegate.h"
#include "DataSetModel.h"
#include "DrawnCellDelegate.h"
#include "FilterPopup.h"
#include "GridExcelWriter.h"
#include "GridFilterProxy.h"
#include "GridFooter.h"
#include "GridHeader.h"
#include "GridRowIndicator.h"
#include "GroupingModel.h"
#include "MultiLineTextDelegate.h"
#include "NumberCellDelegate.h"
#include "PictureFlagDelegate.h"
#include "PictureCellDelegate.h"
#include "StatusIconDelegate.h"
#include "TextCellDelegate.h"
#include "TextIconDelegate.h"
#include "WeightLayout.h"
#include "YesNoDelegate.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace vorpa {

namespace {

DataGrid::MessageHook &messageHook()
{
    static DataGrid::MessageHook hook = [](QWidget *parent, const QString &text) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Hata"), text, QMessageBox::NoButton, parent);
        box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
        box.exec();
    };
    return hook;
}

DataGrid::SaveDialogHook &saveDialogHook()
{
    static DataGrid::SaveDialogHook hook = [](QWidget *parent, const QString &caption, const QString &filter) {
        return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
    };
    return hook;
}

QString captionOf(const GridColumn &column)
{
    return column.caption.isEmpty() ? column.field : column.caption;
}

} // namespace

DataGrid::DataGrid(QWidget *parent) : QWidget(parent)
{
    m_model = new DataSetModel(this);
    m_context.model = m_model;
    m_proxy = new GridFilterProxy(m_model, this);
    m_grouping = new GroupingModel(m_model, m_proxy, this);

    m_view = new QTableView(this);
    m_header = new GridHeader(&m_context.look, m_view);
    m_indicator = new GridRowIndicator(&m_context.look, m_view);
    m_view->setHorizontalHeader(m_header);
    m_view->setVerticalHeader(m_indicator);
    m_view->setModel(m_proxy);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setWordWrap(false);
    m_view->setCornerButtonEnabled(false);
    m_view->setTabKeyNavigation(false);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    m_header->setFilterQueries([this](int c) { return isFilterable(c); },
                               [this](int c) { return m_proxy->hasColumnFilter(c); });

    m_footer = new GridFooter(&m_context.look, m_header, [this] {
        GridFooter::Texts texts;
        const std::vector<int> rows = m_proxy->sourceRows();
        for (const GridSummary &s : m_summaries) {
            const int column = summaryPlacement(*m_model, s);
            const QString text = vorpa::summaryText(*m_model, s, rows);
            if (column >= 0)
                texts.byColumn[column].append(text);
            else
                texts.unbound.append(text);
        }
        return texts;
    }, this);
    m_footer->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);

    m_popup = new FilterPopup(this);
    connect(m_popup, &FilterPopup::accepted, this, [this](const QSet<QString> &checked, bool all) {
        if (m_popupColumn < 0)
            return;
        if (all)
            m_proxy->clearColumnFilter(m_popupColumn);
        else
            m_proxy->setColumnFilter(m_popupColumn, checked);
    });
    connect(m_popup, &FilterPopup::clearRequested, this, [this] {
        if (m_popupColumn >= 0)
            m_proxy->clearColumnFilter(m_popupColumn);
    });

    connect(m_header, &GridHeader::filterButtonClicked, this, &DataGrid::showFilterPopup);
    connect(m_header, &GridHeader::columnChooserRequested, this, [this](const QPoint &pos) {
        std::unique_ptr<QMenu> menu = createColumnChooser();
        if (!menu->isEmpty())
            menu->exec(pos);
    });
    connect(m_proxy, &GridFilterProxy::filtersChanged, m_header->viewport(), qOverload<>(&QWidget::update));
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &DataGrid::refreshFooter);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &DataGrid::refreshFooter);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &DataGrid::refreshFooter);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &DataGrid::refreshFooter);
    connect(m_proxy, &QAbstractItemModel::dataChanged, this, &DataGrid::refreshFooter);
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (grouped() && m_grouping->rowKind(index.row()) == DataSetModel::GroupHeaderRow) {
            const int group = m_grouping->groupOf(index.row());
            m_grouping->setExpanded(group, !m_grouping->isExpanded(group));
            return;
        }
        const int row = viewRowToSource(index.row());
        if (row >= 0)
            emit rowDoubleClicked(row, index.column());
    });

    // A dataset destroyed under the grid leaves it empty, with nothing of its rows kept.
    connect(m_model, &DataSetModel::dataSetLost, this, [this] {
        clearSearch();
        forgetRowCaches();
    });

    connectSelection();
    applyLook();
    setSortingEnabled(true);
}

DataGrid::~DataGrid()
{
    // The model stops listening to the dataset, and the child widgets, which paint with the
    // look held here, go before it does.
    m_model->setDataSet(nullptr);
    delete m_popup;
    delete m_footer;
    delete m_view;
}

// --- columns ---------------------------------------------------------------------------

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    beginUpdate();
    m_proxy->clearFilters();
    m_model->setColumns(columns);
    m_offered.assign(size_t(columns.size()), true);
    for (qsizetype c = 0; c < columns.size(); ++c) {
        m_offered[size_t(c)] = columns.at(c).offered == Offered;
        m_view->setColumnHidden(int(c), columns.at(c).shown == Hidden);
    }
    rebuildDelegates();
    endUpdate();
}

const QList<GridColumn> &DataGrid::columns() const { return m_model->columns(); }

int DataGrid::columnIndex(const QString &key) const
{
    return findGridColumn(m_model->columns(), key);
}

void DataGrid::setColumnVisible(const QString &key, bool visible)
{
    const int c = columnIndex(key);
    if (c < 0)
        return;
    m_view->setColumnHidden(c, !visible);
    updateGroupSpans();
    m_footer->update();
}

bool DataGrid::isColumnVisible(const QString &key) const
{
    const int c = columnIndex(key);
    return c >= 0 && !m_view->isColumnHidden(c);
}

void DataGrid::setColumnOffered(const QString &key, bool offered)
{
    const int c = columnIndex(key);
    if (c >= 0)
        m_offered[size_t(c)] = offered;
}

bool DataGrid::isColumnOffered(const QString &key) const
{
    const int c = columnIndex(key);
    return c >= 0 && m_offered[size_t(c)];
}

void DataGrid::setColumnWidth(const QString &key, int width)
{
    const int c = columnIndex(key);
    if (c >= 0)
        m_view->setColumnWidth(c, std::max(0, width));
}

int DataGrid::columnWidth(const QString &key) const
{
    const int c = columnIndex(key);
    return c < 0 ? -1 : m_view->columnWidth(c);
}

std::unique_ptr<QMenu> DataGrid::createColumnChooser()
{
    auto menu = std::make_unique<QMenu>(this);
    const QList<GridColumn> &cols = m_model->columns();
    for (qsizetype c = 0; c < cols.size(); ++c) {
        if (!m_offered[size_t(c)])
            continue;
        QAction *action = menu->addAction(captionOf(cols.at(c)));
        action->setCheckable(true);
        action->setChecked(!m_view->isColumnHidden(int(c)));
        connect(action, &QAction::toggled, this, [this, c](bool on) {
            m_view->setColumnHidden(int(c), !on);
            updateGroupSpans();
            applyLayoutMode();
            m_footer->update();
            emit columnsChanged();
        });
    }
    return menu;
}

void DataGrid::rebuildDelegates()
{
    for (QStyledItemDelegate *d : m_delegates) {
        d->deleteLater();
    }
    m_delegates.clear();
    const QList<GridColumn> &cols = m_model->columns();
    for (qsizetype c = 0; c < cols.size(); ++c) {
        const GridColumn &col = cols.at(c);
        QStyledItemDelegate *d = nullptr;
        switch (col.kind) {
        case ColumnKind::Text: d = new TextCellDelegate(&m_context, this); break;
        case ColumnKind::Number: d = new NumberCellDelegate(&m_context, this); break;
        case ColumnKind::StatusIcon: d = new StatusIconDelegate(&m_context, this); break;
        case ColumnKind::TextIcon: d = new TextIconDelegate(&m_context, this); break;
        case ColumnKind::PictureFlag: d = new PictureFlagDelegate(&m_context, this); break;
        case ColumnKind::YesNo:
        case ColumnKind::YesOnly: d = new YesNoDelegate(&m_context, this); break;
        case ColumnKind::CheckBox: d = new CheckBoxDelegate(&m_context, this); break;
        case ColumnKind::CenteredText: d = new CenteredTextDelegate(&m_context, this); break;
        case ColumnKind::MultiLineText: d = new MultiLineTextDelegate(&m_context, this); break;
        case ColumnKind::Picture: d = new PictureCellDelegate(&m_context, this); break;
        case ColumnKind::Drawn: d = new DrawnCellDelegate(&m_context, col.draw, this); break;
        }
        m_view->setItemDelegateForColumn(int(c), d);
        m_delegates.push_back(d);
    }
}

// --- data ------------------------------------------------------------------------------

void DataGrid::setDataSet(DataSet *dataSet)
{
    clearSearch();
    m_model->setDataSet(dataSet);
    forgetRowCaches();
}

void DataGrid::forgetRowCaches()
{
    for (QStyledItemDelegate *d : m_delegates)
        if (auto *picture = qobject_cast<PictureCellDelegate *>(d))
            picture->clearCache();
}

DataSet *DataGrid::dataSet() const { return m_model->dataSet(); }

void DataGrid::beginUpdate()
{
    if (m_updateDepth++ == 0)
        m_view->setUpdatesEnabled(false);
}

void DataGrid::endUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    m_view->setUpdatesEnabled(true);
    refreshFooter();
    m_view->viewport()->update();
}

// --- layout and look -------------------------------------------------------------------

void DataGrid::setRowHeight(int pixels)
{
    m_context.look.rowHeight = pixels;
    m_indicator->setDefaultSectionSize(pixels);
}

int DataGrid::rowHeight() const { return m_indicator->defaultSectionSize(); }

void DataGrid::setHeaderHeight(int pixels)
{
    m_context.look.headerHeight = pixels;
    m_header->setFixedHeight(pixels);
}

int DataGrid::headerHeight() const { return m_context.look.headerHeight; }

void DataGrid::layoutByWeight()
{
    const QList<GridColumn> &cols = m_model->columns();
    QList<int> weights;
    QList<bool> visible;
    for (qsizetype c = 0; c < cols.size(); ++c) {
        weights.append(cols.at(c).weight);
        visible.append(!m_view->isColumnHidden(int(c)));
    }
    const QList<int> widths = weightedColumnWidths(width(), weights, visible);
    beginUpdate();
    for (qsizetype c = 0; c < widths.size(); ++c)
        if (widths.at(c) >= 0)
            m_view->setColumnWidth(int(c), widths.at(c));
    endUpdate();
}

void DataGrid::bestFitColumns()
{
    beginUpdate();
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (!m_view->isColumnHidden(c))
            m_view->resizeColumnToContents(c);
    endUpdate();
}

void DataGrid::fitColumnsToWidth()
{
    int total = 0;
    std::vector<int> shown;
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (!m_view->isColumnHidden(c)) {
            shown.push_back(c);
            total += m_view->columnWidth(c);
        }
    const int available = m_view->viewport()->width();
    if (shown.empty() || total <= 0 || available <= 0)
        return;
    beginUpdate();
    int used = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        const int w = i + 1 == shown.size() ? available - used
                                            : int(qint64(m_view->columnWidth(shown[i])) * available / total);
        m_view->setColumnWidth(shown[i], std::max(0, w));
        used += std::max(0, w);
    }
    endUpdate();
}

void DataGrid::setLayoutMode(LayoutMode mode)
{
    m_layoutMode = mode;
    applyLayoutMode();
}

void DataGrid::applyLayoutMode()
{
    switch (m_layoutMode) {
    case LayoutMode::Manual: break;
    case LayoutMode::ByWeight: layoutByWeight(); break;
    case LayoutMode::FitToWidth: fitColumnsToWidth(); break;
    }
}

void DataGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The view's viewport takes its new size with the layout; do the same before sizing columns.
    if (QLayout *l = layout())
        l->activate();
    applyLayoutMode();
    emit resized();
}

void DataGrid::setLook(const GridLook &look)
{
    m_context.look = look;
    applyLook();
}

const GridLook &DataGrid::look() const { return m_context.look; }

void DataGrid::applyLook()
{
    const GridLook &look = m_context.look;
    m_view->setFont(look.font);
    m_view->setShowGrid(look.gridLinesVisible);
    m_view->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; background-color: %2; border: none; }")
                              .arg(look.gridLineColor.name(), look.backgroundColor.name()));
    m_indicator->setMinimumSectionSize(1);
    m_indicator->setDefaultSectionSize(look.rowHeight);
    m_indicator->setFixedWidth(look.indicatorWidth);
    m_indicator->setVisible(look.indicatorVisible);
    m_header->setFixedHeight(look.headerHeight);
    m_header->setVisible(look.headerVisible);
    m_footer->setFont(look.font);
    m_footer->setLeftOffset(m_view->frameWidth() + (look.indicatorVisible ? look.indicatorWidth : 0));
    m_view->viewport()->update();
    m_header->viewport()->update();
}

void DataGrid::setRowSelection(bool wholeRow)
{
    m_view->setSelectionBehavior(wholeRow ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void DataGrid::setScrollPerPixel(bool perPixel)
{
    m_view->setVerticalScrollMode(perPixel ? QAbstractItemView::ScrollPerPixel : QAbstractItemView::ScrollPerItem);
}

// --- footer ----------------------------------------------------------------------------

void DataGrid::setSummaries(const QList<GridSummary> &summaries)
{
    m_summaries = summaries;
    QHash<int, int> perPlace;
    int lines = 1;
    for (const GridSummary &s : summaries)
        lines = std::max(lines, ++perPlace[summaryPlacement(*m_model, s)]);
    m_footer->setLineCount(lines);
    m_footer->setVisible(m_footerVisible && !summaries.isEmpty());
    m_grouping->setSummaries(summaries);
    updateGroupSpans();
    refreshFooter();
}

const QList<GridSummary> &DataGrid::summaries() const { return m_summaries; }

QString DataGrid::summaryText(int i) const
{
    if (i < 0 || i >= m_summaries.size())
        return {};
    return vorpa::summaryText(*m_model, m_summaries.at(i), m_proxy->sourceRows());
}

void DataGrid::setFooterVisible(bool visible)
{
    m_footerVisible = visible;
    m_footer->setVisible(visible && !m_summaries.isEmpty());
}

void DataGrid::refreshFooter()
{
    if (m_updateDepth == 0)
        m_footer->invalidate();
}

// --- filters, search, sorting ----------------------------------------------------------

bool DataGrid::isFilterable(int column) const
{
    if (!m_filterButtons || column < 0 || column >= m_model->columnCount())
        return false;
    const GridColumn &col = m_model->column(column);
    return col.kind != ColumnKind::Picture && (col.kind != ColumnKind::Drawn || bool(col.text));
}

void DataGrid::setFilterButtonsVisible(bool visible)
{
    m_filterButtons = visible;
    m_header->viewport()->update();
}

QStringList DataGrid::filterValues(const QString &key) const
{
    const int c = columnIndex(key);
    if (c < 0)
        return {};
    const ColumnValueIndex &index = m_model->valueIndex(c);
    QStringList values;
    values.reserve(index.idCount());
    for (int id : index.orderedIds())
        values.append(index.texts.at(id));
    return values;
}

void DataGrid::setColumnFilter(const QString &key, const QStringList &values)
{
    const int c = columnIndex(key);
    if (c >= 0)
        m_proxy->setColumnFilter(c, QSet<QString>(values.begin(), values.end()));
}

QStringList DataGrid::columnFilter(const QString &key) const
{
    const int c = columnIndex(key);
    if (c < 0)
        return {};
    const QSet<QString> set = m_proxy->columnFilter(c);
    QStringList out(set.begin(), set.end());
    out.sort();
    return out;
}

void DataGrid::clearFilters() { m_proxy->clearFilters(); }
bool DataGrid::hasFilters() const { return m_proxy->hasFilters(); }

void DataGrid::showFilterPopup(int column)
{
    if (!isFilterable(column))
        return;
    m_popupColumn = column;
    const QStringList values = filterValues(m_model->column(column).name.isEmpty() ? m_model->column(column).field
                                                                                   : m_model->column(column).name);
    const QSet<QString> checked = m_proxy->hasColumnFilter(column) ? m_proxy->columnFilter(column)
                                                                   : QSet<QString>(values.begin(), values.end());
    m_popup->setValues(values, checked);
    const int x = m_header->sectionViewportPosition(column) + m_header->sectionSize(column) - m_popup->width();
    m_popup->move(m_header->mapToGlobal(QPoint(std::max(0, x), m_header->height())));
    m_popup->show();
}

void DataGrid::setSearchHighlight(int viewRow, int column, int length)
{
    m_context.searchRow = viewRow;
    m_context.searchColumn = column;
    m_context.searchLength = length;
    m_view->viewport()->update();
}

void DataGrid::clearSearch()
{
    m_searchText.clear();
    if (m_context.searchLength != 0)
        setSearchHighlight(-1, -1, 0);
}

bool DataGrid::incrementalSearch(const QString &text)
{
    if (text.isEmpty()) {
        clearSearch();
        return true;
    }
    int column = focusedColumn();
    if (column < 0 || m_view->isColumnHidden(column))
        column = firstVisibleColumn();
    QAbstractItemModel *shown = m_view->model();
    const int rows = shown->rowCount();
    if (column < 0 || rows == 0)
        return false;
    const ColumnValueIndex &index = m_model->valueIndex(column);
    const QString needle = foldTurkish(text);
    std::vector<char> matches(size_t(index.idCount()), 0);
    bool any = false;
    for (int id = 0; id < index.idCount(); ++id)
        if (index.foldedText(id).startsWith(needle)) {
            matches[size_t(id)] = 1;
            any = true;
        }
    if (!any)
        return false;
    const int start = std::max(0, m_view->currentIndex().row());
    for (int k = 0; k < rows; ++k) {
        const int r = (start + k) % rows;
        const int source = viewRowToSource(r);
        if (source < 0 || !matches[size_t(index.rowIds[size_t(source)])])
            continue;
        m_moving = true;
        m_view->setCurrentIndex(shown->index(r, column));
        m_moving = false;
        m_view->scrollTo(shown->index(r, column));
        m_searchText = text;
        setSearchHighlight(r, column, int(text.size()));
        return true;
    }
    return false;
}

void DataGrid::setSortingEnabled(bool enabled)
{
    m_sortingEnabled = enabled;
    // No column is sorted until the user asks: rows keep the dataset's order.
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(enabled);
    m_header->setSortIndicatorShown(enabled);
    if (!enabled)
        m_proxy->sort(-1);
}

void DataGrid::sortBy(const QString &key, Qt::SortOrder order)
{
    const int c = columnIndex(key);
    if (c < 0)
        return;
    if (m_sortingEnabled)
        m_header->setSortIndicator(c, order); // the view sorts through the indicator
    else
        m_proxy->sort(c, order);
}

// --- grouping --------------------------------------------------------------------------

bool DataGrid::grouped() const { return m_view->model() == m_grouping; }

void DataGrid::setGroupBy(const QString &key)
{
    const int column = key.isEmpty() ? -1 : columnIndex(key);
    // Changing the view's model forgets the columns' widths and visibility: carry them over.
    const int count = m_model->columnCount();
    std::vector<int> widths(static_cast<size_t>(count));
    std::vector<bool> hidden(static_cast<size_t>(count));
    for (int c = 0; c < count; ++c) {
        widths[size_t(c)] = m_view->columnWidth(c);
        hidden[size_t(c)] = m_view->isColumnHidden(c);
    }
    const int sortSection = m_header->sortIndicatorSection();
    const Qt::SortOrder sortOrder = m_header->sortIndicatorOrder();
    clearSearch();
    m_grouping->setGroupColumn(column);
    QAbstractItemModel *wanted = column >= 0 ? static_cast<QAbstractItemModel *>(m_grouping) : m_proxy;
    if (m_view->model() != wanted) {
        m_view->setModel(wanted);
        for (int c = 0; c < count; ++c) {
            m_view->setColumnHidden(c, hidden[size_t(c)]);
            m_view->setColumnWidth(c, widths[size_t(c)]);
        }
        m_header->setSortIndicator(sortSection, sortOrder);
        connectSelection();
    }
    connect(m_grouping, &QAbstractItemModel::modelReset, this, &DataGrid::updateGroupSpans, Qt::UniqueConnection);
    updateGroupSpans();
}

QString DataGrid::groupBy() const
{
    const int c = m_grouping->groupColumn();
    return c < 0 ? QString() : m_model->column(c).field;
}

int DataGrid::groupCount() const { return grouped() ? m_grouping->groupCount() : 0; }
void DataGrid::expandAll() { m_grouping->expandAll(); }
void DataGrid::collapseAll() { m_grouping->collapseAll(); }
void DataGrid::setGroupExpanded(int group, bool expanded) { m_grouping->setExpanded(group, expanded); }

int DataGrid::firstVisibleColumn() const
{
    for (int v = 0; v < m_header->count(); ++v) {
        const int c = m_header->logicalIndex(v);
        if (!m_header->isSectionHidden(c))
            return c;
    }
    return -1;
}

void DataGrid::updateGroupSpans()
{
    m_view->clearSpans();
    if (!grouped())
        return;
    const int first = firstVisibleColumn();
    const int span = m_model->columnCount() - first;
    if (first < 0 || span < 2)
        return;
    for (int r = 0; r < m_grouping->rowCount(); ++r)
        if (m_grouping->rowKind(r) == DataSetModel::GroupHeaderRow)
            m_view->setSpan(r, first, 1, span);
}

// --- rows ------------------------------------------------------------------------------

int DataGrid::viewRowToSource(int viewRow) const
{
    if (viewRow < 0)
        return -1;
    if (grouped())
        return viewRow < m_grouping->rowCount() ? m_grouping->sourceRow(viewRow) : -1;
    if (viewRow >= m_proxy->rowCount())
        return -1;
    const int source = m_proxy->mapToSource(m_proxy->index(viewRow, 0)).row();
    return source < m_model->rowCount() ? source : -1;
}

int DataGrid::sourceToViewRow(int sourceRow) const
{
    if (sourceRow < 0 || sourceRow >= m_model->rowCount())
        return -1;
    if (grouped())
        return m_grouping->rowOfSourceRow(sourceRow);
    return m_proxy->mapFromSource(m_model->index(sourceRow, 0)).row();
}

int DataGrid::rowCount() const
{
    return m_model->rowCount() == 0 ? 0 : m_proxy->rowCount(); // no stale rows while refilling
}

std::vector<int> DataGrid::shownRows() const
{
    if (!grouped())
        return m_proxy->sourceRows();
    std::vector<int> rows;
    for (int g = 0; g < m_grouping->groupCount(); ++g)
        rows.insert(rows.end(), m_grouping->groupRows(g).begin(), m_grouping->groupRows(g).end());
    return rows;
}

int DataGrid::focusedRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? viewRowToSource(current.row()) : -1;
}

void DataGrid::setFocusedRow(int dataSetRow)
{
    const int r = sourceToViewRow(dataSetRow);
    if (r < 0)
        return;
    int column = focusedColumn();
    if (column < 0 || m_view->isColumnHidden(column))
        column = std::max(0, firstVisibleColumn());
    const QModelIndex index = m_view->model()->index(r, column);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

int DataGrid::focusedColumn() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.column() : -1;
}

void DataGrid::setFocusedColumn(const QString &key)
{
    const int c = columnIndex(key);
    if (c < 0)
        return;
    const int row = std::max(0, m_view->currentIndex().row());
    if (row < m_view->model()->rowCount())
        m_view->setCurrentIndex(m_view->model()->index(row, c));
}

QVariant DataGrid::focusedValue(const QString &field) const
{
    const int row = focusedRow();
    const DataSet *data = dataSet();
    if (row < 0 || !data)
        return {};
    const int f = data->fieldIndex(field);
    return f < 0 ? QVariant() : data->value(row, f);
}

void DataGrid::connectSelection()
{
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                if (!m_moving)
                    clearSearch();
                m_indicator->viewport()->update();
                if (current.row() != previous.row() || !previous.isValid())
                    emit focusedRowChanged(current.isValid() ? viewRowToSource(current.row()) : -1);
            });
}

// --- keys ------------------------------------------------------------------------------

bool DataGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonPress && grouped()) {
        // A click on a group's box opens or closes it.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QModelIndex index = m_view->indexAt(mouse->position().toPoint());
        if (index.isValid() && m_grouping->rowKind(index.row()) == DataSetModel::GroupHeaderRow
            && mouse->position().x() - m_view->visualRect(index).left() < 22) {
            const int group = m_grouping->groupOf(index.row());
            m_grouping->setExpanded(group, !m_grouping->isExpanded(group));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool DataGrid::handleKey(QKeyEvent *event)
{
    const QModelIndex current = m_view->currentIndex();
    if (grouped() && current.isValid() && m_grouping->rowKind(current.row()) == DataSetModel::GroupHeaderRow) {
        const int group = m_grouping->groupOf(current.row());
        if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Right) {
            m_grouping->setExpanded(group, true);
            return true;
        }
        if (event->key() == Qt::Key_Minus || event->key() == Qt::Key_Left) {
            m_grouping->setExpanded(group, false);
            return true;
        }
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && mods == Qt::NoModifier) {
        incrementalSearch(m_searchText + text); // a character that matches nothing is dropped
        return true;
    }
    if (event->key() == Qt::Key_Backspace && !m_searchText.isEmpty()) {
        m_searchText.chop(1);
        if (m_searchText.isEmpty())
            clearSearch();
        else
            setSearchHighlight(m_context.searchRow, m_context.searchColumn, int(m_searchText.size()));
        return true;
    }
    if (event->key() == Qt::Key_Escape && !m_searchText.isEmpty()) {
        clearSearch();
        return true;
    }
    return false;
}

// --- export ----------------------------------------------------------------------------

std::vector<int> DataGrid::exportColumns() const
{
    std::vector<int> out;
    for (int v = 0; v < m_header->count(); ++v) {
        const int c = m_header->logicalIndex(v);
        if (m_view->isColumnHidden(c))
            continue;
        const GridColumn &col = m_model->column(c);
        if (col.kind == ColumnKind::Picture || (col.kind == ColumnKind::Drawn && !col.text))
            continue;
        out.push_back(c);
    }
    return out;
}

bool DataGrid::exportToExcel(const QString &path, QString *error) const
{
    std::vector<GridExcelWriter::Column> columns;
    for (int c : exportColumns())
        columns.push_back({c, captionOf(m_model->column(c)), m_view->columnWidth(c)});
    std::vector<GridExcelWriter::Row> rows;
    const auto addRow = [&rows](int sourceRow) {
        GridExcelWriter::Row row;
        row.sourceRow = sourceRow;
        rows.push_back(std::move(row));
    };
    bool footers = false;
    for (const GridSummary &s : m_summaries)
        footers |= summaryPlacement(*m_model, s) >= 0;
    if (grouped()) {
        const GridColumn &groupColumn = m_model->column(m_grouping->groupColumn());
        for (int g = 0; g < m_grouping->groupCount(); ++g) {
            GridExcelWriter::Row caption;
            caption.kind = GridExcelWriter::Row::GroupCaption;
            caption.caption = captionOf(groupColumn) + QStringLiteral(" : ") + m_grouping->groupText(g);
            rows.push_back(std::move(caption));
            for (int r : m_grouping->groupRows(g))
                addRow(r);
            if (footers) {
                GridExcelWriter::Row sums;
                sums.kind = GridExcelWriter::Row::Summary;
                for (int c : exportColumns())
                    sums.texts.insert(c, m_grouping->groupFooterText(g, c));
                rows.push_back(std::move(sums));
            }
        }
    } else {
        for (int r : m_proxy->sourceRows())
            addRow(r);
    }
    if (!m_summaries.isEmpty()) {
        const GridFooter::Texts &texts = m_footer->texts();
        GridExcelWriter::Row sums;
        sums.kind = GridExcelWriter::Row::Summary;
        for (auto it = texts.byColumn.begin(); it != texts.byColumn.end(); ++it)
            sums.texts.insert(it.key(), it->join(QLatin1Char('\n')));
        if (!texts.unbound.isEmpty() && !columns.empty()) {
            QString &first = sums.texts[columns.front().column];
            first = first.isEmpty() ? texts.unbound.join(QLatin1Char(' '))
                                    : first + QLatin1Char(' ') + texts.unbound.join(QLatin1Char(' '));
        }
        rows.push_back(std::move(sums));
    }
    return GridExcelWriter(*m_model, std::move(columns)).write(path, rows, error);
}

void DataGrid::exportWithDialog(QWidget *parent)
{
    QString path = saveDialogHook()(parent, QStringLiteral("Excel Kaydet"), QStringLiteral("Excel (*.xls*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xlsx");
    QString error;
    if (!exportToExcel(path, &error))
        messageHook()(parent, QStringLiteral("Excel dosyası kaydedilemedi.\n") + error);
}

void DataGrid::setMessageHook(MessageHook hook) { messageHook() = std::move(hook); }
void DataGrid::setSaveDialogHook(SaveDialogHook hook) { saveDialogHook() = std::move(hook); }

} // namespace vorpa
