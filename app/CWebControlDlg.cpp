#include "app/CWebControlDlg.h"

#include "web/WebControl.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

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
    : QDialog(parent), web(web), served(new QCheckBox(QStringLiteral("Serve the page"), this)),
      network(new QCheckBox(QStringLiteral("Let other devices on the network reach it"), this)),
      port(new QSpinBox(this)), address(new QLabel(this)), qrCode(new QLabel(this)), problem(new QLabel(this))
{
    setObjectName(QStringLiteral("webControl"));
    setWindowTitle(QStringLiteral("Control from a phone"));
    served->setObjectName(QStringLiteral("webServed"));
    network->setObjectName(QStringLiteral("webNetwork"));
    port->setObjectName(QStringLiteral("webPort"));
    port->setRange(WebOption::lowestPort, 65535);
    port->setAccessibleName(QStringLiteral("Port"));
    address->setObjectName(QStringLiteral("webAddress"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    address->setAccessibleName(QStringLiteral("Address"));
    qrCode->setObjectName(QStringLiteral("webQrCode"));
    qrCode->setAccessibleName(QStringLiteral("QR code of the address"));
    problem->setObjectName(QStringLiteral("webProblem"));
    problem->setWordWrap(true);
    auto* renew = new QPushButton(QStringLiteral("Renew the token"), this);
    renew->setObjectName(QStringLiteral("renewWebToken"));
    renew->setToolTip(QStringLiteral("A new address: pages opened with the old one stop working"));

    auto* layout = new QFormLayout(this);
    layout->addRow(served);
    layout->addRow(network);
    layout->addRow(QStringLiteral("Port:"), port);
    layout->addRow(QStringLiteral("Address:"), address);
    layout->addRow(qrCode);
    layout->addRow(renew);
    layout->addRow(problem);

    connect(served, &QCheckBox::clicked, this, [this](bool on) { report(this->web.SetServed(on)); });
    connect(network, &QCheckBox::clicked, this, [this](bool on) { report(this->web.SetNetworkAllowed(on)); });
    connect(port, &QSpinBox::editingFinished, this,
            [this] { report(this->web.SetPort(quint16(this->port->value()))); });
    connect(renew, &QPushButton::clicked, this, [this] {
        report(this->web.RenewToken() ? QString() : QStringLiteral("The new token could not be stored."));
    });
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
    address->setText(web.IsServed() ? web.Address() : QStringLiteral("The page is off."));
    qrCode->setPixmap(QrPixmap(web.AddressQrCode()));
}
