#pragma once

#include <QObject>
#include <QSystemTrayIcon>

// The notification-area icon (icon 128, tip "Tessaly"): a left click brings the main window back,
// shown normally, raised and active, with a window open over it still on top. Every other activation is
// ignored; there is no menu.
class CTrayIcon final : public QObject
{
    Q_OBJECT

public:
    explicit CTrayIcon(QWidget* window);

    // Makes the icon and shows it. Made here rather than with this object: a tray item on the session bus
    // connects to the bus, which start-up does only after the transmitter is set up.
    void Add();
    void Remove();

    // The icon is in place (between Add and Remove), whether or not a tray host shows it.
    bool IsAdded() const { return added; }
    // True while a tray host shows the icon, so a hidden window can come back through it.
    bool IsShown() const { return IsAdded() && QSystemTrayIcon::isSystemTrayAvailable(); }

    void OnActivated(QSystemTrayIcon::ActivationReason reason);

private:
    QWidget* window;
    QSystemTrayIcon* icon = nullptr;
    // Qt has a tray this icon can go to now or later: always on X11, elsewhere a StatusNotifier host.
    bool hasTray = false;
    bool added = false;
};
