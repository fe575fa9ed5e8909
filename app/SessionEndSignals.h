#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) announced on the user-interface thread,
// so that they can end the run the way the close button does. From construction to destruction; the
// default actions come back afterwards.
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
