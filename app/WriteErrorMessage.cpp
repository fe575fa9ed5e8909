#include "app/WriteErrorMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

void ShowWriteErrorMessage(QWidget* owner, QPointer<QMessageBox>& openMessage)
{
    if (openMessage)
        return;
    QWidget* modalWindow = QApplication::activeModalWidget();
    openMessage = new QMessageBox(QMessageBox::NoIcon, QString(),
                                  QCoreApplication::translate("WriteErrorMessage", "USB Data Write Error!"),
                                  QMessageBox::Ok, modalWindow ? modalWindow : owner);
    // What mends it, in the hearing check's words.
    openMessage->setInformativeText(QCoreApplication::translate(
        "WriteErrorMessage",
        "The transmitter did not take the last change: unplug it and plug it in again."));
    openMessage->setAttribute(Qt::WA_DeleteOnClose);
    openMessage->setWindowModality(Qt::WindowModal);
    // Shown once the event loop runs: a failure during the window's initialisation then finds the window
    // placed, and the message is centred on it.
    QTimer::singleShot(0, openMessage, &QWidget::show);
}
