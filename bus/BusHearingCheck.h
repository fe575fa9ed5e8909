#pragma once

#include "core/HearingCheck.h"

#include <QDBusConnection>
#include <QDBusMessage>

// Check(): runs the hearing check and answers on connection once it has run, measuring included, with one
// (link, verdict, words) per link: a(sss). An empty check answers that this copy cannot check.
void AnswerHearingCheck(const HearingRunner& check, const QDBusMessage& message,
                        const QDBusConnection& connection);
