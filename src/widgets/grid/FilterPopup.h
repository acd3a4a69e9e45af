#pragma once

#include <QFrame>
#include <QSet>
#include <QStringList>

class QCheckBox;
class QLineEdit;
class QListView;

namespace vorpa {

class FilterValueList;

/// The drop-down of a header filter button: the column's distinct values with check boxes,
/// a text box that narrows a long list, "(Tümü)", and buttons to apply, clear or cancel.
class FilterPopup : public QFrame {
    Q_OBJECT
public:
    explicit FilterPopup(QWidget *parent = nullptr);

    /// values in the order shown; checked = the values the column's filter keeps (all when the
    /// column is not filtered).
    void setValues(const QStringList &values, const QSet<QString> &checked);
    QStringList values() const;
    QSet<QString> checkedValues() const;
    /// Narrows the list to the values containing text (case-insensitive, Turkish letters folded).
    void setSearchText(const QString &text);
    /// Ticks or clears one value (as a click on it does).
    void setChecked(const QString &value, bool checked);
    /// Ticks or clears every value in the narrowed list, as "(Tümü)" does.
    void setAllShownChecked(bool checked);
    void accept();

signals:
    /// "Tamam": the values to keep; all of them means no filter.
    void accepted(const QSet<QString> &checked, bool all);
    void clearRequested();

private:
    void updateAllBox();

    FilterValueList *m_list;
    QLineEdit *m_search;
    QCheckBox *m_all;
    QListView *m_view;
};

} // namespace vorpa
