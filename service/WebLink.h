#pragma once

#include "web/WebControl.h"

#include <QObject>

class SoundRouting;
class TransmitterCore;

// Ties the web page for phones to the program: the page reads and changes the transmitter through the core
// as the bus does, and hears of every change of it. The page's choices are kept beside Config.ini.
class WebLink final : public QObject, public WebPageHost
{
    Q_OBJECT

public:
    // soundRouting, where there is one, shows on the page too.
    WebLink(TransmitterCore& core, SoundRouting* soundRouting, QObject* parent = nullptr);

    // Serves the page when the stored choice (or switchOn, then stored) says so.
    void Start(bool switchOn);
    WebControl& Control() { return control; }

    QVariantMap Properties() const override;
    QString WriteProperty(const QString& name, const QVariant& value) override;
    bool Step(bool up) override;

private:
    TransmitterCore& core;
    SoundRouting* soundRouting;
    WebControl control;
};
