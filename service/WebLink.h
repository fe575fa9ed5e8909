#pragma once

#include "core/HearingQueue.h"
#include "web/WebControl.h"

#include <QObject>

class HearingRun;
class SoundRouting;
class TransmitterCore;

// Ties the web page for phones to the program: the page reads and changes the transmitter through the core
// as the bus does, and hears of every change of it. The page's choices are kept beside Config.ini.
//
// While the page is served it also shows the hearing check's first broken link (HearingProblem), checked
// again when the page starts being served and on each change of the core or of the sound, without
// measuring the level: a phone left open must not keep a record stream running. Its words are kept
// untranslated, so that each page shows them in its own language.
class WebLink final : public QObject, public WebPageHost
{
    Q_OBJECT

public:
    // soundRouting, where there is one, shows on the page too; hearing, where there is one, checks.
    WebLink(TransmitterCore& core, SoundRouting* soundRouting, HearingRun* hearing = nullptr,
            QObject* parent = nullptr);

    // Serves the page when the stored choice (or switchOn, then stored) says so.
    void Start(bool switchOn);
    WebControl& Control() { return control; }

    QVariantMap Properties() const override;
    QList<std::pair<QString, PersonText>> Words() const override;
    QString WriteProperty(const QString& name, const QVariant& value) override;
    bool Step(bool up) override;

private:
    // The core changed: the page hears of it, and the check runs again when it would read otherwise.
    void coreChanged();
    void soundChanged();
    void checkHearing();
    void heard(const std::vector<LinkResult>& links);

    TransmitterCore& core;
    SoundRouting* soundRouting;
    HearingRun* hearing;
    WebControl control;
    PersonText hearingProblem;     // empty while no link is broken
    TransmitterFacts checkedFacts; // the transmitter's side as the last check began
    HearingQueue hearingChecks;
};
