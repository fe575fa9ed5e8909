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
        icon->setContextMenu(&menu);
        // Off X11 Qt's only tray is a StatusNotifier item, and Qt looks for a host once per process.
        // Without one, showing the icon would only watch for an X11 tray, which cannot exist there, and
        // Qt would warn that the native interface lacks the X11 tray's signal. On X11 the icon is always
        // shown, so that it docks into a tray that starts later.
        hasTray = QGuiApplication::platformName() == QLatin1String("xcb") ||
                  QSystemTrayIcon::isSystemTrayAvailable();
    }
    showStatus(true);
    if (hasTray)
        icon->show();
    added = true;
}

void CTrayIcon::Remove()
{
    if (icon)
        icon->hide();
    added = false;
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

void CTrayIcon::ShowStatus(const QString& shownTip, bool shownOnAir)
{
    const bool pictureChanges = shownOnAir != onAir;
    tip = shownTip;
    onAir = shownOnAir;
    if (icon)
        showStatus(pictureChanges);
}

void CTrayIcon::showStatus(bool pictureChanges)
{
    // Both are sent to the tray host each time: only what changed.
    if (pictureChanges)
        icon->setIcon(LoadAppIcon(onAir ? 130 : 128));
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
