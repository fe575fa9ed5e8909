#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

// The notification-area icon (its picture and tip as ShowStatus says; icon 128 and "Tessaly" until
// then): a left click brings the main window back, shown normally, raised and active, with a window open
// over it still on top; a right click opens Menu(), which the window fills. Every other activation is
// ignored.
class TrayStartWatch;

class CTrayIcon final : public QObject
{
    Q_OBJECT

public:
    explicit CTrayIcon(QWidget* window);

    // Makes the icon and shows it once a tray host is there to take it. Made here rather than with this
    // object: a tray item on the session bus connects to the bus, which start-up does only after the
    // transmitter is set up.
    void Add();
    void Remove();

    // The icon is in place (between Add and Remove), whether or not a tray host shows it.
    bool IsAdded() const { return added; }
    // True while a tray host shows the icon, so a hidden window can come back through it.
    bool IsShown() const { return IsAdded() && QSystemTrayIcon::isSystemTrayAvailable(); }

    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    QMenu* Menu() { return &menu; }
    // The icon's pictures: 128, 130 while on air, 131 while the transmitter has not taken a change.
    enum class Picture
    {
        Plain = 128,
        OnAir = 130,
        NotTaken = 131,
    };
    // What the icon tells: its tip and its picture.
    void ShowStatus(const QString& tip, Picture picture);
    QString ToolTip() const { return tip; }
    Picture Shown() const { return picture; }
    // A message balloon from the icon; false (and nothing shown) where no tray shows the icon or its host
    // shows no messages.
    bool ShowMessage(const QString& title, const QString& text);

private:
    void showInTray();
    void showStatus(bool pictureChanges);

    QWidget* window;
    QMenu menu;
    QSystemTrayIcon* icon = nullptr;
    TrayStartWatch* trayStartWatch = nullptr;
    //: The program's name, the tray icon's tip until it has the transmitter's state
    QString tip = tr("Tessaly");
    Picture picture = Picture::Plain;
    bool added = false;
};
