#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class WebControl;

// "Control from a phone…": switches the web page on and off, lets other devices on the network reach it,
// sets its port, shows its address with a QR code of it and renews its token. While only this computer may
// open the page it says a phone cannot, and offers to change that. Follows the page's state whoever
// changes it (the bus too).
class CWebControlDlg final : public QDialog
{
    Q_OBJECT

public:
    CWebControlDlg(WebControl& web, QWidget* parent = nullptr);

private:
    void showState();
    void report(const QString& problem);

    WebControl& web;
    QCheckBox* served;
    QCheckBox* network;
    QSpinBox* port;
    QLabel* address;
    QLabel* reach;
    QPushButton* letPhoneReach;
    QLabel* qrCode;
    QLabel* otherAddresses;
    QLabel* problem;
};
