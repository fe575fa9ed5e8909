#pragma once

#include <QFont>
#include <QString>

// The windows' titles are pictures drawn at build time (tools/art) in this font. Gives font the face at the
// given cell height in pixels and medium weight. A face that is not installed falls back to an installed
// Kai-style face, then to the default face.
void BuildFont(int pixelHeight, QFont& font, const QString& faceName);
