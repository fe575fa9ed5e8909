#pragma once

#include <optional>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// Where the main window was left, kept in "Window.ini" beside Config.ini (never in that 16-byte file): three
// lines "X=<x>", "Y=<y>" and "Screen=<the screen's name>", its top left in the desktop's coordinates.
struct WindowPlace
{
    QPoint topLeft;
    QString screen;
};

QString WindowPlacePath(const QString& settingsFile);
std::optional<WindowPlace> ReadWindowPlace(const QString& path);

struct ScreenArea
{
    QString name;
    QRect available;
};
// Where a window of that size opens: where it was left, when that screen is still there and the window lies
// wholly on its free area; else nothing, and it opens centred on the primary screen as at a first start.
std::optional<QPoint> RestoredPosition(const WindowPlace& left, QSize size, const QList<ScreenArea>& screens);

// The window moved to where it was left, and that place kept when it closes. Under Wayland, where a program
// may not place its windows, neither is done.
void RestorePlace(QWidget& window, const QString& path);
void KeepPlace(const QWidget& window, const QString& path);
