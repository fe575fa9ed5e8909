#pragma once

#include <QDBusMessage>

class TransmitterCore;

// AddFavourite (adding) or RemoveFavourite with its one argument in kHz: the bus's answer for each of the
// core's.
QDBusMessage AnswerFavourite(TransmitterCore& core, const QDBusMessage& message, bool adding);
