#include "skin/CSystemMenu.h"

#include "res/Resources.h"

#include <QShortcut>
#include <QWidget>

CSystemMenu::CSystemMenu(QWidget* window) : QObject(window), window(window)
{
    const QString aboutText = LoadResString(101);
    if (!aboutText.isEmpty()) {
        QAction* about = menu.addAction(aboutText);
        connect(about, &QAction::triggered, this, [this] { emit commandChosen(IDM_ABOUTBOX); });
    }

    window->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { Popup(this->window->mapToGlobal(position)); });
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window);
    connect(shortcut, &QShortcut::activated, this,
            [this] { Popup(this->window->mapToGlobal(QPoint(0, 0))); });
}

void CSystemMenu::Popup(const QPoint& globalPosition)
{
    if (!menu.isEmpty())
        menu.popup(globalPosition);
}
