#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) announced on the user-interface thread,
// so that they can end the run the way the close button does; repeats during the teardown change nothing.
// A signal ignored when the program started (nohup, a background job) stays ignored. From construction;
// after destruction the process is ending, and the signals it took over stay ignored. SIGQUIT keeps its
// default.
class SessionEndSignals final : public QObject
{
    Q_OBJECT

public:
    explicit SessionEndSignals(QObject* parent = nullptr);
    ~SessionEndSignals() override;

signals:
    void sessionEnding();

private:
    QSocketNotifier* notifier = nullptr;
};
