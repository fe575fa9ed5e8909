#pragma once

#include "core/HearingQueue.h"

#include <QDialog>

class HearingRun;
class QLabel;
class QListWidget;
class QPushButton;
class SoundRouting;
class TransmitterCore;

// The window menu's command for "Why can't I hear it?", after IDM_ABOUTBOX in the system menu's numbering.
inline constexpr int IDM_HEARINGCHECK = 32;

// "Why can't I hear it?": the hearing check's links in the window's terms, one line each. Live while open:
// checked again on each change of the core or of the routing, and on each of the sound server's
// announcements of its sinks, streams and default (the window watches them while it is shown), without
// measuring; the level is measured when
// the window opens and on "Check again", and reads "not checked" after a change until then, since a
// measurement from before the change would tell of another chain. A small window of its own beside the main
// one, not modal, so that the main window's buttons mend what it names while it stays open.
class CHearingDlg final : public QDialog
{
    Q_OBJECT

public:
    CHearingDlg(TransmitterCore& core, SoundRouting* sound, HearingRun& hearing, QWidget* parent = nullptr);
    ~CHearingDlg() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void watchSound(bool on);
    void checkStarted(int measureMs);
    void showLinks(const std::vector<LinkResult>& links);

    TransmitterCore& core;
    SoundRouting* sound;
    bool soundWatched = false;
    TransmitterFacts checkedFacts; // the transmitter's side as the last check began
    QLabel* summary;
    QListWidget* list;
    QPushButton* checkAgain;
    HearingQueue checks;
};
