#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Tells when a tray may have started on the X11 display, without polling: a tray takes its selection and
// announces it to every client with a MANAGER message on the root window, which Qt already listens to.
// Other managers announce themselves the same way, so a receiver checks for the tray itself. Off X11 it
// never tells anything.
class TrayStartWatch final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit TrayStartWatch(QObject* parent);
    ~TrayStartWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void managerStarted();

private:
    quint32 managerAtom = 0;
};
