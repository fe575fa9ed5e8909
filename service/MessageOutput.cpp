#include "service/MessageOutput.h"

#include "core/CoreLog.h"
#include "device/DeviceLog.h"
#include "sound/SoundLog.h"
#include "state/StateLog.h"

#include <functional>
#include <QByteArray>
#include <QList>
#include <QLoggingCategory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// JOURNAL_STREAM is "DEVICE:INODE" of the stream the journal reads; a child with stderr redirected elsewhere
// inherits the variable but not the stream.
bool StderrIsJournal()
{
    const QList<QByteArray> parts = qgetenv("JOURNAL_STREAM").split(':');
    struct stat status = {};
    if (parts.size() != 2 || ::fstat(STDERR_FILENO, &status) != 0)
        return false;
    bool deviceRead = false;
    bool inodeRead = false;
    const qulonglong device = parts[0].toULongLong(&deviceRead);
    const qulonglong inode = parts[1].toULongLong(&inodeRead);
    return deviceRead && inodeRead && device == status.st_dev && inode == status.st_ino;
}

} // namespace

void SetUpMessageOutput()
{
    // Details name the folder they come from, as QT_LOGGING_RULES names it.
    const char* const message = "%{if-debug}%{category}: %{endif}%{message}";
    qSetMessagePattern(QString::fromLatin1(StderrIsJournal()
                                               ? "%{if-debug}<7>%{endif}%{if-info}<6>%{endif}"
                                                 "%{if-warning}<4>%{endif}%{if-critical}<3>%{endif}"
                                                 "%{if-fatal}<2>%{endif}"
                                               : "tessaly: ") +
                       QString::fromLatin1(message));
    // Made now, before the exit hooks are registered, so that what the hooks say at the end still finds them.
    for (const QLoggingCategory& category :
         {std::cref(coreLog()), std::cref(stateLog()), std::cref(soundLog()), std::cref(deviceLog())})
        static_cast<void>(category.isWarningEnabled());
}

void TellDetails(bool verbose)
{
    if (verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("tessaly.*.debug=true"));
}
