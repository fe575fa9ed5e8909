#pragma once

#include <QMenu>
#include <QObject>

inline constexpr int IDM_ABOUTBOX = 16;

// The window menu that a borderless window does not get from the window manager: a right click on the
// window body or Alt+Space opens it. It holds the About item (string 101) when that string is not empty.
class CSystemMenu final : public QObject
{
    Q_OBJECT

public:
    explicit CSystemMenu(QWidget* window);

    QMenu* Menu() { return &menu; }
    void Popup(const QPoint& globalPosition);

signals:
    void commandChosen(int command);

private:
    QWidget* window;
    QMenu menu;
};
