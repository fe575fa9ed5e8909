#pragma once

#include <QObject>

class QThread;

// Tells when the computer has woken up: the login manager's PrepareForSleep(false) on the system bus. The
// connection is made on a thread of its own, so a missing or stalled system bus never holds up the start;
// without a bus or a login manager nothing is ever told.
class SleepWatcher final : public QObject
{
    Q_OBJECT

public:
    explicit SleepWatcher(QObject* parent = nullptr);
    ~SleepWatcher() override;

    // Once; later calls do nothing.
    void Start();

signals:
    void wokeUp();

private slots:
    void onPrepareForSleep(bool sleeping);

private:
    void listen();

    QThread* connecting = nullptr;
};
