#include "skin/CTrayIcon.h"

#include "res/Resources.h"
#include "skin/TrayStartWatch.h"

#include <QApplication>
#include <QWidget>

CTrayIcon::CTrayIcon(QWidget* window) : QObject(window), window(window) {}

void CTrayIcon::Add()
{
    if (!icon) {
        icon = new QSystemTrayIcon(this);
        connect(icon, &QSystemTrayIcon::activated, this, &CTrayIcon::OnActivated);
        icon->setContextMenu(&menu);
    }
    showStatus(true);
    added = true;
    showInTray();
    // Shown only once a tray is there: showing it with none starts Qt's own watch for one, which pages in
    // a fifth of a megabyte of Qt's code. A tray that starts later on X11 announces itself; off X11 Qt's
    // only tray is a StatusNotifier host, which Qt looks for once per process.
    if (!icon->isVisible() && !trayStartWatch) {
        trayStartWatch = new TrayStartWatch(this);
        connect(trayStartWatch, &TrayStartWatch::managerStarted, this, &CTrayIcon::showInTray);
    }
}

void CTrayIcon::Remove()
{
    if (icon)
        icon->hide();
    added = false;
}

void CTrayIcon::showInTray()
{
    // Once shown, Qt follows the tray itself, a tray that restarts included.
    if (added && !icon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        icon->show();
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

void CTrayIcon::ShowStatus(const QString& shownTip, Picture shownPicture)
{
    const bool pictureChanges = shownPicture != picture;
    tip = shownTip;
    picture = shownPicture;
    if (icon)
        showStatus(pictureChanges);
}

void CTrayIcon::showStatus(bool pictureChanges)
{
    // Both are sent to the tray host each time: only what changed.
    if (pictureChanges)
        icon->setIcon(LoadAppIcon(int(picture)));
    if (icon->toolTip() != tip)
        icon->setToolTip(tip);
}

bool CTrayIcon::ShowMessage(const QString& title, const QString& text)
{
    if (!IsShown() || !QSystemTrayIcon::supportsMessages())
        return false;
    icon->showMessage(title, text, LoadAppIcon(192));
    return true;
}
