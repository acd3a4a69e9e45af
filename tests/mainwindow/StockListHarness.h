#pragma once

#include "BasketLines.h"
#include "DSConnection.h"
#include "DataSet.h"
#include "SearchFieldInput.h"
#include "StockListTab.h"
#include "baglantiu.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

// The parts of the main window the stock list tab works with, around one stock list tab.
struct StockListHarness {
    QWidget window;
    QTabWidget *tabs = new QTabWidget(&window);
    QWidget *page = new QWidget;
    QLineEdit *araedit = new QLineEdit(&window);
    QLabel *gifstokara = new QLabel(&window);
    QToolButton *ara = new QToolButton(&window);
    QToolButton *temizle = new QToolButton(&window);
    vorpa::DSConnection bagc;
    TSonucBilgisi sbilgi;
    vorpa::DataSet stok;
    vorpa::DataSet sepet;
    vorpa::BasketLines basket{&window, bagc, sbilgi, sepet};
    std::unique_ptr<vorpa::StockListTab> tab;

    explicit StockListHarness(const TSonucBilgisi &session, int width = 1300)
    {
        sbilgi.Kopyala(session);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(araedit);
        layout->addWidget(tabs);
        tabs->addTab(page, QStringLiteral("Stok Listesi"));
        tabs->addTab(new QWidget, QStringLiteral("Sepet"));
        new vorpa::SearchFieldInput(araedit);
        gifstokara->hide();
        tab = std::make_unique<vorpa::StockListTab>(
            vorpa::StockListTab::Controls{&window, tabs, page, araedit, gifstokara, ara, temizle}, bagc, sbilgi, stok,
            basket);
        window.resize(width, 800);
    }
    QString caption() const { return tabs->tabText(0); }
};
