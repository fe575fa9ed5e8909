#include "state/StartOnAirFile.h"

#include "state/FileWriter.h"
#include "state/SmallTextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr char Key[] = "OnAirAtStart=";

} // namespace

QString StartOnAirPath(const QString& settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(QStringLiteral("StartOnAir.ini"));
}

bool ReadStartOnAir(const QString& path)
{
    const SmallTextFile file = ReadSmallTextFile(path, 64);
    // The line alone: a longer file is damaged, whatever it begins with.
    const bool whole = file.status == SmallTextFile::Read && !file.cut;
    if (whole && file.Text() == QByteArray(Key) + '1')
        return true;
    if (file.status == SmallTextFile::Missing || (whole && file.Text() == QByteArray(Key) + '0'))
        return false;
    ComplainAboutFile(
        path,
        file.status == SmallTextFile::Unreadable
            ? QT_TRANSLATE_NOOP("SmallTextFile", "not a readable regular file, the program starts off air")
            : QT_TRANSLATE_NOOP("SmallTextFile", "not understood, the program starts off air"));
    return false;
}

QString WriteStartOnAir(const QString& path, bool on)
{
    return ReplaceFile(path, QByteArray(Key) + (on ? "1\n" : "0\n"));
}
