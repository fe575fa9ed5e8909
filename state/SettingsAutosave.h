#pragma once

// Saves the settings (SaveSettings) a second after the persisted values first changed, so that a session
// that ends without the teardown (the display connection lost) still keeps them. Changes made meanwhile
// join that write, so a held frequency button writes the file at most once a second. Idle, nothing runs.
void ScheduleSaveSettings();
// Drops a scheduled save; the teardown writes the settings itself.
void CancelScheduledSave();
