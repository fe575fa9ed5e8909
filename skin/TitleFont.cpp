#include "skin/TitleFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QString InstalledFace(const QString& wanted)
{
    const QStringList installed = QFontDatabase::families();
    // KaiTi also goes by its English name; the AR PL faces are free Kai-style ones.
    const QStringList candidates{wanted,
                                 QStringLiteral("KaiTi"),
                                 QStringLiteral("AR PL UKai CN"),
                                 QStringLiteral("AR PL UKai TW"),
                                 QStringLiteral("AR PL UKai HK"),
                                 QStringLiteral("AR PL UKai TW MBE")};
    for (const QString& candidate : candidates) {
        if (installed.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    }
    return {};
}

} // namespace

void BuildFont(int pixelHeight, QFont& font, const QString& faceName)
{
    QFont built;
    const QString face = InstalledFace(faceName);
    if (!face.isEmpty())
        built.setFamilies({face});
    built.setPixelSize(pixelHeight);
    built.setWeight(QFont::Medium);
    font = built;
}
