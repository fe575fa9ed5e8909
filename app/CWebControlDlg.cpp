#include "app/CWebControlDlg.h"

#include "state/Properties.h"
#include "web/WebControl.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>

namespace {

// Light quiet zone around the code, as readers expect, and a few screen pixels per module.
QPixmap QrPixmap(const QrCodeModules& modules)
{
    constexpr int border = 4, scale = 4;
    if (modules.width == 0)
        return {};
    QImage image(modules.width + 2 * border, modules.width + 2 * border, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < modules.width; ++y) {
        for (int x = 0; x < modules.width; ++x)
            image.setPixel(x + border, y + border, uint(modules.dark[y * modules.width + x]));
    }
    return QPixmap::fromImage(image.scaled(image.size() * scale));
}

} // namespace

CWebControlDlg::CWebControlDlg(WebControl& web, QWidget* parent)
    : QDialog(parent), web(web), served(new QCheckBox(tr("Serve the page"), this)),
      network(new QCheckBox(tr("Let other devices on the network reach it"), this)), port(new QSpinBox(this)),
      address(new QLabel(this)), reach(new QLabel(this)),
      letPhoneReach(new QPushButton(tr("Let my phone reach it"), this)), qrCode(new QLabel(this)),
      otherAddresses(new QLabel(this)), problem(new QLabel(this))
{
    setObjectName(QStringLiteral("webControl"));
    setWindowTitle(tr("Control from a phone"));
    served->setObjectName(QStringLiteral("webServed"));
    network->setObjectName(QStringLiteral("webNetwork"));
    port->setObjectName(QStringLiteral("webPort"));
    port->setRange(Property::WebPort.lowest, Property::WebPort.highest);
    //: The network port the page is served on
    port->setAccessibleName(tr("Port"));
    address->setObjectName(QStringLiteral("webAddress"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    //: The page's web address
    address->setAccessibleName(tr("Address"));
    reach->setObjectName(QStringLiteral("webReach"));
    reach->setWordWrap(true);
    letPhoneReach->setObjectName(QStringLiteral("webLetPhoneReach"));
    letPhoneReach->setToolTip(
        tr("Anyone on the same network who has the code can then control the transmitter"));
    otherAddresses->setObjectName(QStringLiteral("webOtherAddresses"));
    otherAddresses->setWordWrap(true);
    otherAddresses->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    qrCode->setObjectName(QStringLiteral("webQrCode"));
    qrCode->setAccessibleName(tr("QR code of the address"));
    problem->setObjectName(QStringLiteral("webProblem"));
    problem->setWordWrap(true);
    auto* renew = new QPushButton(tr("Renew the token"), this);
    renew->setObjectName(QStringLiteral("renewWebToken"));
    renew->setToolTip(tr("A new address: pages opened with the old one stop working"));

    auto* layout = new QFormLayout(this);
    layout->addRow(served);
    layout->addRow(network);
    layout->addRow(tr("Port:"), port);
    layout->addRow(tr("Address:"), address);
    layout->addRow(reach);
    layout->addRow(letPhoneReach);
    layout->addRow(qrCode);
    layout->addRow(otherAddresses);
    layout->addRow(renew);
    layout->addRow(problem);
    // The window takes the size its words need, also when a longer explanation comes: a window's minimum
    // size leaves out what wrapped lines need at its width, and the first size would keep them cut off.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(served, &QCheckBox::clicked, this, [this](bool on) { report(this->web.SetServed(on)); });
    connect(network, &QCheckBox::clicked, this, [this](bool on) { report(this->web.SetNetworkAllowed(on)); });
    connect(letPhoneReach, &QPushButton::clicked, this,
            [this] { report(this->web.SetNetworkAllowed(true)); });
    connect(port, &QSpinBox::editingFinished, this,
            [this] { report(this->web.SetPort(quint16(this->port->value()))); });
    connect(renew, &QPushButton::clicked, this, [this] { report(this->web.RenewToken()); });
    connect(&web, &WebControl::changed, this, &CWebControlDlg::showState);
    showState();
}

void CWebControlDlg::report(const QString& text)
{
    problem->setText(text);
    showState();
}

void CWebControlDlg::showState()
{
    served->setChecked(web.IsServed());
    network->setChecked(web.IsNetworkAllowed());
    port->setValue(web.Port());
    const QString url = web.Address();
    const bool loopback = QUrl(url).host() == QLatin1String("127.0.0.1");
    address->setText(web.IsServed() ? url : tr("The page is off."));
    letPhoneReach->setVisible(web.IsServed() && !web.IsNetworkAllowed());
    if (!web.IsServed())
        reach->clear();
    else if (!web.IsNetworkAllowed())
        reach->setText(tr("Only this computer may open the page: a phone cannot reach this address. "
                          "Once you let it, anyone on the same network who has the code can "
                          "control the transmitter."));
    else if (loopback)
        reach->setText(tr("This computer has no network a phone could share: connect it to the "
                          "phone's network (for example its Wi-Fi) first."));
    else
        reach->setText(tr("Scan the code with a phone on the same network as this computer."));
    // A code for an address no phone can open would only mislead.
    qrCode->setPixmap(web.IsServed() && !loopback ? QrPixmap(web.AddressQrCode()) : QPixmap());
    const QStringList others = web.OtherAddresses();
    //: Between two addresses in a list
    const QString separator = tr(", ");
    otherAddresses->setText(others.isEmpty() ? QString()
                                             : tr("Also reachable at: %1").arg(others.join(separator)));
}
