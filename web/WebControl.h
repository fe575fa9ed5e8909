#pragma once

#include "state/Properties.h"
#include "web/WebOption.h"
#include "web/WebPage.h"

#include <memory>
#include <QObject>
#include <QVariantMap>

// The web page for phones as the program sees it: the choices in Web.ini, the token in WebToken, and the
// server module, loaded the first time the page is switched on and never before. Qt Core only.
class WebControl final : public QObject
{
    Q_OBJECT

public:
    // directory: where Web.ini and WebToken are kept (beside Config.ini).
    WebControl(WebPageHost& host, const QString& directory, QObject* parent = nullptr);
    ~WebControl() override;

    bool IsServed() const { return page != nullptr; }
    bool IsNetworkAllowed() const { return option.network; }
    quint16 Port() const { return option.port; }
    // The page's address with its token while served, else empty.
    QString Address() const;
    // With network, the page at the machine's other addresses; else empty.
    QStringList OtherAddresses() const;
    // The address as a QR code; empty while off.
    QrCodeModules AddressQrCode() const;

    // The start of a run: serves the page when the stored choice (or switchOn, which is then stored) says
    // so. Why it cannot goes to stderr and the program runs on.
    void Start(bool switchOn);
    // Each stores the choice when done. Empty when done, else why the page could not be served or the
    // choice not stored; nothing changes then. A port is one the WebPort row takes: its callers ask only
    // for such (the bus checks the row, the window's field has its range).
    QString SetServed(bool on);
    QString SetNetworkAllowed(bool network);
    QString SetPort(quint16 port);
    // The page's choices and address as the bus shows them: WebControl, WebAddress, WebNetwork, WebPort.
    QVariantMap Properties() const;
    // A write of one of those rows, its value one the row takes: as the setter above says.
    QString WriteProperty(const Property::Row& row, const QVariant& value);
    // The end of a run: the page stops being served; the stored choice stays.
    void Finish() { page.reset(); }
    // A new token: the old address stops working. Empty when stored, else why not, and the old one stays.
    QString RenewToken();

    // The host's properties changed; pages open on a phone show it.
    void HostChanged();

signals:
    // Served, network, port, address or token changed.
    void changed();

private:
    QString serve(const WebOption& wanted);
    // Takes wanted as the choice: stored, and the page moved when served. The problem, or empty when done.
    QString apply(const WebOption& wanted);
    static QString notStored(const QString& failure);
    bool loadModule();

    WebPageHost& host;
    const QString optionPath;
    const QString tokenPath;
    WebOption option;
    void* module = nullptr;
    CreateWebPageFunction* create = nullptr;
    std::unique_ptr<WebPage> page;
};
