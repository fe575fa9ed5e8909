#include "state/SettingsAutosave.h"

#include "state/SettingsFile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int saveDelayMs = 1000;
QPointer<QTimer> saveTimer;

} // namespace

void ScheduleSaveSettings()
{
    if (!saveTimer) {
        saveTimer = new QTimer(QCoreApplication::instance());
        saveTimer->setSingleShot(true);
        QObject::connect(saveTimer, &QTimer::timeout, saveTimer, [] { SaveSettings(); });
    }
    if (!saveTimer->isActive())
        saveTimer->start(saveDelayMs);
}

void CancelScheduledSave()
{
    if (saveTimer)
        saveTimer->stop();
}
