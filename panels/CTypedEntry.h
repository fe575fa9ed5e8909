#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class CFrequencyReadout;
class QEvent;
class QWidget;
class TransmitterCore;

// A frequency typed on the main window: digits and a point (or a comma) show in the read-out as they come,
// Enter tunes to it as a step does, Escape or a pause of three seconds abandons it. A frequency off the grid
// or outside the band in use is refused with a hint by the read-out, and nothing is sent. While an entry is
// being typed, Enter and Escape are its own; otherwise they keep their meaning for the window.
class CTypedEntry final : public QObject
{
    Q_OBJECT

public:
    CTypedEntry(QWidget* window, CFrequencyReadout* readout, TransmitterCore& core);

    bool IsActive() const { return !entry.isEmpty(); }
    // A key pressed in the window (receiver is where it arrived); true when the entry took it.
    bool TakeKey(QObject* receiver, QEvent* event);

signals:
    // An entry began (whatever else the display shows gives way to it) or ended (the display shows the
    // transmitter again).
    void typing(bool active);

private:
    void enter();
    void end();

    QWidget* window;
    CFrequencyReadout* readout;
    TransmitterCore& core;
    QTimer pause;
    QString entry;
};
