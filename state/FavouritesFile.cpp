#include "state/FavouritesFile.h"

#include "state/SmallTextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Far more than the favourites' lines: what lies beyond is not read, and said so.
constexpr qsizetype readLimit = 64 * 1024;

} // namespace

QString FavouritesPath(const QString& settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(QStringLiteral("Favourites.ini"));
}

std::vector<std::int32_t> ReadFavouritesFile(const QString& path)
{
    const SmallTextFile file = ReadSmallTextFile(path, readLimit + 1);
    if (file.status == SmallTextFile::Unreadable)
        ComplainAboutFile(path, "not a readable regular file, no favourites");
    if (file.text.size() > readLimit)
        ComplainAboutFile(path, "longer than 64 KiB: only its beginning is read");
    std::vector<std::int32_t> frequencies;
    bool understood = true;
    for (const QByteArray& line : file.text.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        bool number = false;
        const uint kHz = line.trimmed().toUInt(&number);
        if (number && kHz % 10 == 0 && kHz <= 1000000)
            frequencies.push_back(std::int32_t(kHz / 10));
        else
            understood = false;
    }
    if (!understood)
        ComplainAboutFile(path, "lines that are no frequency in kHz were left out");
    return frequencies;
}

bool KeepFavouritesBackup(const QString& path)
{
    const SmallTextFile file = ReadSmallTextFile(path, readLimit + 1);
    return file.status == SmallTextFile::Read && WriteSmallTextFile(path + QStringLiteral(".bak"), file.text);
}

bool WriteFavouritesFile(const QString& path, const std::vector<std::int32_t>& frequencies)
{
    QByteArray text;
    for (const std::int32_t frequency : frequencies)
        text += QByteArray::number(frequency * 10) + '\n';
    return WriteSmallTextFile(path, text);
}
