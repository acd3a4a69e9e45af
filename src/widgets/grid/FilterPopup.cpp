#include "FilterPopup.h"

#include "ColumnValueIndex.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace vorpa {

/// Values of a filter drop-down with their check marks, narrowed by a search text.
class FilterValueList : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setValues(const QStringList &values, const QSet<QString> &checked)
    {
        beginResetModel();
        m_values = values;
        m_folded.clear();
        m_checked.assign(size_t(values.size()), 0);
        for (qsizetype i = 0; i < values.size(); ++i)
            m_checked[size_t(i)] = checked.contains(values.at(i)) ? 1 : 0;
        narrowTo(QString());
        endResetModel();
    }
    void setSearchText(const QString &text)
    {
        beginResetModel();
        narrowTo(text);
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_shown.size()); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const int i = m_shown[size_t(index.row())];
        if (role == Qt::DisplayRole)
            return m_values.at(i).isEmpty() ? QStringLiteral("(Boş)") : m_values.at(i);
        if (role == Qt::CheckStateRole)
            return m_checked[size_t(i)] ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }
    void toggle(int row)
    {
        char &c = m_checked[size_t(m_shown[size_t(row)])];
        c = !c;
        emit dataChanged(index(row), index(row), {Qt::CheckStateRole});
    }
    void setChecked(const QString &value, bool checked)
    {
        const qsizetype i = m_values.indexOf(value);
        if (i < 0)
            return;
        m_checked[size_t(i)] = checked ? 1 : 0;
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
    }
    void setShownChecked(bool checked)
    {
        for (int i : m_shown)
            m_checked[size_t(i)] = checked ? 1 : 0;
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
    }
    // 0 none, 1 some, 2 all of the shown values are checked.
    int shownState() const
    {
        size_t n = 0;
        for (int i : m_shown)
            n += m_checked[size_t(i)] ? 1 : 0;
        return n == 0 ? 0 : (n == m_shown.size() ? 2 : 1);
    }
    const QStringList &values() const { return m_values; }
    QSet<QString> checkedValues() const
    {
        QSet<QString> out;
        for (qsizetype i = 0; i < m_values.size(); ++i)
            if (m_checked[size_t(i)])
                out.insert(m_values.at(i));
        return out;
    }

private:
    void narrowTo(const QString &text)
    {
        m_shown.clear();
        const QString needle = foldTurkish(text.trimmed());
        if (!needle.isEmpty() && m_folded.size() != m_values.size()) {
            m_folded.clear();
            for (const QString &v : m_values)
                m_folded.append(foldTurkish(v));
        }
        for (qsizetype i = 0; i < m_values.size(); ++i)
            if (needle.isEmpty() || m_folded.at(i).contains(needle))
                m_shown.push_back(int(i));
    }

    QStringList m_values;
    QStringList m_folded;
    std::vector<char> m_checked;
    std::vector<int> m_shown;
};

FilterPopup::FilterPopup(QWidget *parent) : QFrame(parent, Qt::Popup)
{
    setFrameShape(QFrame::StyledPanel);
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_list = new FilterValueList(this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("Ara..."));
    m_search->setClearButtonEnabled(true);
    m_all = new QCheckBox(QStringLiteral("(Tümü)"), this);
    m_all->setTristate(true);
    m_view = new QListView(this);
    m_view->setModel(m_list);
    m_view->setUniformItemSizes(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *ok = new QPushButton(QStringLiteral("Tamam"), this);
    auto *clear = new QPushButton(QStringLiteral("Filtreyi Temizle"), this);
    auto *cancel = new QPushButton(QStringLiteral("İptal"), this);
    ok->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_search);
    layout->addWidget(m_all);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(280, 340);

    connect(m_search, &QLineEdit::textChanged, this, &FilterPopup::setSearchText);
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &index) {
        m_list->toggle(index.row());
        updateAllBox();
    });
    connect(m_all, &QCheckBox::clicked, this, [this] {
        // A click on a partly ticked box ticks everything shown.
        setAllShownChecked(m_list->shownState() != 2);
    });
    connect(ok, &QPushButton::clicked, this, &FilterPopup::accept);
    connect(clear, &QPushButton::clicked, this, [this] {
        hide();
        emit clearRequested();
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
}

void FilterPopup::setValues(const QStringList &values, const QSet<QString> &checked)
{
    m_search->blockSignals(true);
    m_search->clear();
    m_search->blockSignals(false);
    m_list->setValues(values, checked);
    updateAllBox();
}

QStringList FilterPopup::values() const { return m_list->values(); }
QSet<QString> FilterPopup::checkedValues() const { return m_list->checkedValues(); }

void FilterPopup::setSearchText(const QString &text)
{
    if (m_search->text() != text)
        m_search->setText(text); // comes back here through textChanged
    else
        m_list->setSearchText(text);
    updateAllBox();
}

void FilterPopup::setChecked(const QString &value, bool checked)
{
    m_list->setChecked(value, checked);
    updateAllBox();
}

void FilterPopup::setAllShownChecked(bool checked)
{
    m_list->setShownChecked(checked);
    updateAllBox();
}

void FilterPopup::updateAllBox()
{
    const int state = m_list->shownState();
    m_all->setCheckState(state == 2 ? Qt::Checked : (state == 1 ? Qt::PartiallyChecked : Qt::Unchecked));
}

void FilterPopup::accept()
{
    hide();
    const QSet<QString> checked = m_list->checkedValues();
    emit accepted(checked, checked.size() == m_list->values().size());
}

} // namespace vorpa
