#pragma once

#include "state/PersonText.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// What the page sees of the program. Implemented by the program and reached from the module through
// virtual calls only, so the module needs no symbol of the executable.
class WebPageHost
{
public:
    virtual ~WebPageHost() = default;
    // The bus vocabulary: Frequency, OnAir, Muted, PaLevel, TxGain, Stereo, Connected, SoundState,
    // Favourites where they exist.
    virtual QVariantMap Properties() const = 0;
    // The properties that are words for a person (HearingProblem where the check runs), each shown on a
    // page in that page's language.
    virtual QList<std::pair<QString, PersonText>> Words() const { return {}; }
    // As a bus write: empty when done, else what is accepted.
    virtual QString WriteProperty(const QString& name, const QVariant& value) = 0;
    // One tuning step; false off air.
    virtual bool Step(bool up) = 0;
};

// A QR code as rows of modules, true for dark; empty when the text does not fit one.
struct QrCodeModules
{
    int width = 0;
    QByteArray dark; // width * width bytes, 1 dark, 0 light, row by row
};

// The page's server, in a module of its own (libtessaly-web.so beside the program): Qt Network, its
// WebSockets and the QR code library are loaded only once the page is switched on.
class WebPage
{
public:
    virtual ~WebPage() = default;
    // Serves on 127.0.0.1, or on every IPv4 address with network, at port; what was served before stays
    // when the new choice cannot be. Connections the new choice does not allow end. Empty when served,
    // else why not.
    virtual QString Listen(bool network, quint16 port) = 0;
    // Every request must carry this token; pages opened with another one are told it was renewed.
    virtual void SetToken(const QByteArray& token) = 0;
    // The host's properties changed: connected pages hear of it.
    virtual void PropertiesChanged() = 0;
    // The address to open, token included: with network, that of the interface carrying the default
    // route; else, or without a network, 127.0.0.1.
    virtual QString Address() const = 0;
    // With network, the page at the machine's other addresses, which a phone on another of its networks
    // reaches.
    virtual QStringList OtherAddresses() const = 0;
    virtual QrCodeModules QrCode(const QString& text) const = 0;
};

// The module's one entry point.
using CreateWebPageFunction = WebPage*(WebPageHost& host);
inline constexpr const char* webPageModule = "libtessaly-web.so";
