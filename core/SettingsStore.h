#pragma once

#include "state/SettingsFile.h"
#include "state/TransmitterState.h"

#include <QCoreApplication>
#include <QString>
#include <QTimer>

// Config.ini for the run: read at its start, written a second after the first change, so a held frequency
// button writes at most once a second and a run ended without its teardown (the display lost) still keeps
// the settings, and written at its end.
class SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    // Saves what state holds at the moment of saving.
    explicit SettingsStore(const TransmitterState& state);

    // Reads file ("Config.ini" where the program keeps it when empty), which is then the one written.
    PersistedSettings Load(const QString& file);
    // The file read, or before that the one the program would read.
    QString FileInUse() const;
    void ScheduleSave();
    void CancelSave() { timer.stop(); }
    // ending: the last save of the run, whose failure is always said.
    void Save(bool ending);

private:
    const TransmitterState& state;
    QTimer timer;
    QString settingsFile;
    QString saveFailure; // why the file was last not saved, said once until it is again
};
