#pragma once

class QAction;
class QTabWidget;
class QWidget;

namespace vorpa {

class DataGrid;

/// How the main window adapts to the user's role code: sales staff (1, 2) see the customer
/// change button, the reports and the order quantity columns; role 3 loses the basket's status
/// column; role 4 loses the campaign tab and columns. Other codes keep the window as built.
class RoleRules {
public:
    /// The window's parts the rules touch; a part not built (null) is left out.
    struct Targets {
        QWidget *musteritus = nullptr;
        QAction *R1 = nullptr;
        QTabWidget *tabs = nullptr;
        QWidget *skampanyali = nullptr;
        DataGrid *stockGrid = nullptr;
        DataGrid *newItemsGrid = nullptr;
        DataGrid *campaignGrid = nullptr;
        DataGrid *basketGrid = nullptr;
    };

    static bool isStaff(int musteriTipi) { return musteriTipi == 1 || musteriTipi == 2; }
    static void apply(int musteriTipi, const Targets &targets);
};

} // namespace vorpa
