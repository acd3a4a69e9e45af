#include "MorvaneStyle.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

// Resources of a static library must be registered by hand; outside any namespace.
static void initialiseStyleResources()
{
    Q_INIT_RESOURCE(morvane);
}

namespace vorpa {

namespace {

QPalette morvanePalette(const QPalette &base)
{
    QPalette palette = base;
    const QColor slate(67, 76, 88);
    palette.setColor(QPalette::Window, QColor(246, 249, 251));
    palette.setColor(QPalette::WindowText, slate);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(239, 239, 239));
    palette.setColor(QPalette::Text, slate);
    palette.setColor(QPalette::Button, QColor(228, 233, 240));
    palette.setColor(QPalette::ButtonText, slate);
    palette.setColor(QPalette::Highlight, QColor(210, 240, 249));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::ToolTipBase, QColor(246, 249, 251));
    palette.setColor(QPalette::ToolTipText, slate);
    return palette;
}

} // namespace

bool ApplyNamedStyle(QApplication &app, const QString &name, QString *error)
{
    initialiseStyleResources();
    QFile sheet(QStringLiteral(":/styles/%1.qss").arg(name));
    if (name.isEmpty() || !sheet.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("\"%1\" görünümü yüklenemedi.").arg(name);
        return false;
    }
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(morvanePalette(QApplication::style()->standardPalette()));
    app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return true;
}

} // namespace vorpa
