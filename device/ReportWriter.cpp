#include "device/ReportWriter.h"

#include <cerrno>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <unistd.h>

bool WriteReport(int fd, const ReportBytes& report)
{
    ssize_t written;
    do {
        written = ::write(fd, report.data(), report.size());
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(report.size());
}

void ShowWriteError()
{
    if (writeErrorNotifier) {
        writeErrorNotifier();
        return;
    }
    static QPointer<QMessageBox> openMessage;
    if (openMessage)
        return;
    QWidget* modalWindow = QApplication::activeModalWidget();
    openMessage = new QMessageBox(QMessageBox::NoIcon, QString(), QStringLiteral("USB Data Write Error!"),
                                  QMessageBox::Ok, modalWindow ? modalWindow : writeErrorOwner.data());
    openMessage->setAttribute(Qt::WA_DeleteOnClose);
    openMessage->setWindowModality(Qt::WindowModal);
    QObject::connect(openMessage, &QDialog::finished, openMessage, [] { openMessage = nullptr; });
    // Shown once the event loop runs: a failure during the window's initialisation then finds the window
    // placed, and the message is centred on it.
    QTimer::singleShot(0, openMessage, &QWidget::show);
}
