#pragma once

#include <QPointer>

class QMessageBox;
class QWidget;

// Shows "USB Data Write Error!" with what to do (unplug the transmitter and plug it in again), modal to
// owner (or to a settings window or About box open over it) and returns at once, without a nested event
// loop: timers and device events go on in their usual order, and the message appears as soon as the event
// loop runs. Until it is dismissed, further failures are not shown again, so a failing transmitter never
// stacks messages: open is the message shown, kept by its owner.
void ShowWriteErrorMessage(QWidget* owner, QPointer<QMessageBox>& open);
