#pragma once

#include <QString>

class QWidget;

// Sets the tooltip text of tool; when that tool's tip is on screen, it shows the new text at once.
void UpdateTipText(QWidget* tool, const QString& text);
