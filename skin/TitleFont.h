#pragma once

#include <QFont>
#include <QString>

// The title font of both windows. The main window builds it during its initialisation and resets it to the
// default font at teardown; the settings window only reads it.
extern QFont titleFont;

// Gives font the face at the given cell height in pixels and medium weight. A face that is not installed
// falls back to an installed Kai-style face, then to the default face.
void BuildFont(int pixelHeight, QFont& font, const QString& faceName);
