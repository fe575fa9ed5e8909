#include "web/WebControl.h"

#include "state/UserDirectories.h"
#include "web/WebLog.h"
#include "web/WebToken.h"

#include <dlfcn.h>
#include <QDir>

WebControl::WebControl(WebPageHost& host, const QString& directory, QObject* parent)
    : QObject(parent), host(host), optionPath(QDir(directory).filePath(QStringLiteral("Web.ini"))),
      tokenPath(QDir(directory).filePath(QStringLiteral("WebToken"))), option(ReadWebOption(optionPath))
{}

// The module stays loaded: Qt may still hold objects of its types until the process ends.
WebControl::~WebControl() = default;

QString WebControl::Address() const
{
    return page ? page->Address() : QString();
}

QStringList WebControl::OtherAddresses() const
{
    return page ? page->OtherAddresses() : QStringList();
}

QrCodeModules WebControl::AddressQrCode() const
{
    return page ? page->QrCode(page->Address()) : QrCodeModules();
}

void WebControl::Start(bool switchOn)
{
    if (switchOn && !option.on) {
        option.on = true;
        // Served all the same, as asked for this run; only the next start will not know of it.
        if (const QString failure = WriteWebOption(optionPath, option); !failure.isEmpty())
            qCWarning(webLog, "%s", qUtf8Printable(notStored(failure)));
    }
    if (!option.on)
        return;
    const QString problem = serve(option);
    if (!problem.isEmpty())
        qCWarning(webLog, "%s", qUtf8Printable(tr("the web page is not served: %1").arg(problem)));
}

QString WebControl::SetServed(bool on)
{
    if (on == IsServed())
        return {};
    WebOption wanted = option;
    wanted.on = on;
    if (on) {
        if (QString problem = serve(wanted); !problem.isEmpty())
            return problem;
    }
    if (const QString failure = WriteWebOption(optionPath, wanted); !failure.isEmpty()) {
        if (on)
            page.reset();
        return notStored(failure);
    }
    if (!on)
        page.reset();
    option = wanted;
    emit changed();
    return {};
}

QString WebControl::SetNetworkAllowed(bool network)
{
    WebOption wanted = option;
    wanted.network = network;
    return apply(wanted);
}

QString WebControl::SetPort(quint16 port)
{
    WebOption wanted = option;
    wanted.port = port;
    return apply(wanted);
}

QVariantMap WebControl::Properties() const
{
    return {{Property::Name(Property::WebControl), IsServed()},
            {Property::Name(Property::WebAddress), Address()},
            {Property::Name(Property::WebNetwork), IsNetworkAllowed()},
            {Property::Name(Property::WebPort), uint(Port())}};
}

QString WebControl::WriteProperty(const Property::Row& row, const QVariant& value)
{
    if (&row == &Property::WebPort)
        return SetPort(quint16(value.toUInt()));
    return &row == &Property::WebControl ? SetServed(value.toBool()) : SetNetworkAllowed(value.toBool());
}

QString WebControl::apply(const WebOption& wanted)
{
    if (wanted == option)
        return {};
    // A page being served moves to the new address first; where it cannot, nothing changes.
    if (IsServed()) {
        if (QString problem = serve(wanted); !problem.isEmpty())
            return problem;
    }
    if (const QString failure = WriteWebOption(optionPath, wanted); !failure.isEmpty()) {
        if (IsServed())
            serve(option);
        return notStored(failure);
    }
    option = wanted;
    emit changed();
    return {};
}

QString WebControl::notStored(const QString& failure)
{
    return tr("The web page's choice not stored: %1; the page stays as it was").arg(failure);
}

QString WebControl::RenewToken()
{
    QString failure;
    const QByteArray token = RenewWebToken(tokenPath, &failure);
    if (token.isEmpty())
        return tr("The new token not stored: %1; the old one still opens the page").arg(failure);
    if (page)
        page->SetToken(token);
    emit changed();
    return {};
}

void WebControl::HostChanged()
{
    if (page)
        page->PropertiesChanged();
}

QString WebControl::serve(const WebOption& wanted)
{
    if (!loadModule())
        //: The page's server module, then why the system could not load it
        return tr("%1 could not be loaded: %2")
            .arg(QLatin1String(webPageModule), QString::fromLocal8Bit(::dlerror()));
    const bool starting = !page;
    if (starting) {
        const QByteArray token = LoadWebToken(tokenPath);
        if (token.isEmpty())
            return tr("no token could be stored in %1").arg(tokenPath);
        page.reset(create(host));
        page->SetToken(token);
    }
    const QString problem = page->Listen(wanted.network, wanted.port);
    if (!problem.isEmpty() && starting)
        page.reset();
    // Never the address itself: it carries the token.
    if (problem.isEmpty())
        qCDebug(webLog, "the page is served on port %u, %s", unsigned(wanted.port),
                wanted.network ? "to the network" : "to this computer only");
    return problem;
}

bool WebControl::loadModule()
{
    if (create)
        return true;
    module = ::dlopen(BesideProgram(webPageModule).constData(), RTLD_NOW | RTLD_LOCAL);
    create = module ? reinterpret_cast<CreateWebPageFunction*>(::dlsym(module, "CreateWebPage")) : nullptr;
    return create != nullptr;
}
