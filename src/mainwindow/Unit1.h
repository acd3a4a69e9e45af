#pragma once

#include "DSConnection.h"
#include "baglantiu.h"

#include <QMainWindow>

#include <memory>

class QMenu;

namespace Ui {
class TForm1;
}

// The program's main window: owns the session record and the server connection for the program's
// life, runs the login at creation and then frames everything the user does.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The creation steps: titles, the session record's workstation part, the connection, the
    // general menu, the login with the role rules, the start-up feeds. False when the login did
    // not let the program go on (the process has then been ended).
    bool FormCreate();

    // Shows the login modally; ends the process unless it succeeded; applies the role rules.
    bool LoginAndApplyRole();

    TSonucBilgisi &sbilgi() { return *FSbilgi; }
    vorpa::DSConnection &bagc() { return *FBagc; }
    int _acilisadet = 0;

    // The application title the program runs under once the main window exists.
    static QString applicationTitle();
    static QString windowCaption();

protected:
    // Adapts the window's controls to the session's role code.
    void ApplyRoleRules();
    // Starts the start-up feeds of the header, the banners and the counters in the background.
    void StartFeeds();

private:
    void SetTitles();
    void FillWorkstationPart();
    void PointConnectionAtServer();
    void BuildGeneralMenu();

    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<TSonucBilgisi> FSbilgi;
    std::unique_ptr<vorpa::DSConnection> FBagc;
    QMenu *FGeneralMenu = nullptr;
};
