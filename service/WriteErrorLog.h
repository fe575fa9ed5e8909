#pragma once

#include <QObject>
#include <QTimer>

// "USB Data Write Error!" where a service's messages go, as the window shows one box: one line for the
// first failure of a run of failures, then at most one summary line a minute while they go on. Quiet, and
// no timer running, once a minute passes without one.
class WriteErrorLog final : public QObject
{
    Q_OBJECT

public:
    explicit WriteErrorLog(QObject* parent = nullptr);

    void WriteFailed();

private:
    void summarise();

    QTimer minute;
    int unreported = 0;
};
