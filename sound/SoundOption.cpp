#include "sound/SoundOption.h"

#include "state/FileWriter.h"
#include "state/SmallTextFile.h"

#include <QCoreApplication>

namespace {

constexpr char Key[] = "PlaySoundThroughTransmitter=";

} // namespace

bool ReadSoundOption(const QString& path)
{
    const SmallTextFile file = ReadSmallTextFile(path, 64);
    if (file.status == SmallTextFile::Missing)
        return SoundOptionDefault;
    if (file.status == SmallTextFile::Unreadable) {
        ComplainAboutFile(path, QT_TRANSLATE_NOOP("SmallTextFile",
                                                  "not a readable regular file, the sound option stays on"));
        return SoundOptionDefault;
    }
    // The line alone: a longer file is damaged, whatever it begins with.
    if (!file.cut && file.Text() == QByteArray(Key) + '1')
        return true;
    if (!file.cut && file.Text() == QByteArray(Key) + '0')
        return false;
    ComplainAboutFile(path, QT_TRANSLATE_NOOP("SmallTextFile", "not understood, the sound option stays on"));
    return SoundOptionDefault;
}

QString WriteSoundOption(const QString& path, bool enabled)
{
    return ReplaceFile(path, QByteArray(Key) + (enabled ? "1\n" : "0\n"));
}
