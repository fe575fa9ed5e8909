#include "skin/CTrayIcon.h"

#include "res/Resources.h"

#include <QApplication>
#include <QWidget>

CTrayIcon::CTrayIcon(QWidget* window) : QObject(window), window(window) {}

void CTrayIcon::Add()
{
    if (!icon) {
        icon = new QSystemTrayIcon(this);
        connect(icon, &QSystemTrayIcon::activated, this, &CTrayIcon::OnActivated);
    }
    icon->setIcon(LoadAppIcon(128));
    icon->setToolTip(QStringLiteral("Tessaly"));
    icon->show();
}

void CTrayIcon::Remove()
{
    if (icon)
        icon->hide();
}

void CTrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason)
{
    // Trigger is how both tray protocols report a left click.
    if (reason != QSystemTrayIcon::Trigger)
        return;
    window->showNormal();
    window->raise();
    window->activateWindow();
    // A settings window or About box open over the main window stays above it and keeps the input.
    if (QWidget* modalWindow = QApplication::activeModalWidget()) {
        modalWindow->raise();
        modalWindow->activateWindow();
    }
}
