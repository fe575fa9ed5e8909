#include "skin/UpdateTipText.h"

#include <QCursor>
#include <QToolTip>
#include <QWidget>

void UpdateTipText(QWidget* tool, const QString& text)
{
    tool->setToolTip(text);
    const bool tipShowsForTool = QToolTip::isVisible() && tool->isVisible() &&
                                 tool->rect().contains(tool->mapFromGlobal(QCursor::pos()));
    if (tipShowsForTool)
        QToolTip::showText(QCursor::pos(), text, tool);
}
