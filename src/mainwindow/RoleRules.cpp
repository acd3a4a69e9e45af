#include "RoleRules.h"

#include "DataGrid.h"

#include <QAction>
#include <QTabWidget>

namespace vorpa {

namespace {

// Shows or hides a column and offers it in the column chooser only while shown.
void setColumn(DataGrid *grid, const char *field, bool shown)
{
    if (!grid || grid->columnIndex(QString::fromLatin1(field)) < 0)
        return;
    grid->setColumnVisible(QString::fromLatin1(field), shown);
    grid->setColumnOffered(QString::fromLatin1(field), shown);
}

} // namespace

void RoleRules::apply(int musteriTipi, const Targets &t)
{
    const bool staff = isStaff(musteriTipi);
    if (t.musteritus)
        t.musteritus->setVisible(staff);
    if (t.R1)
        t.R1->setVisible(staff);
    if (staff) {
        for (DataGrid *grid : {t.stockGrid, t.newItemsGrid, t.campaignGrid})
            for (const char *field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"})
                setColumn(grid, field, true);
        setColumn(t.basketGrid, "KALAN", true);
    } else if (musteriTipi == 3) {
        setColumn(t.basketGrid, "DURUM", false);
    } else if (musteriTipi == 4) {
        if (t.tabs && t.skampanyali)
            t.tabs->setTabVisible(t.tabs->indexOf(t.skampanyali), false);
        for (DataGrid *grid : {t.stockGrid, t.newItemsGrid})
            for (const char *field : {"KAMPFIYAT", "K"})
                setColumn(grid, field, false);
    }
}

} // namespace vorpa
