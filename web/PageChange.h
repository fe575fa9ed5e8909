#pragma once

#include "web/PageLanguage.h"
#include "web/WebPage.h"

// A change as the page sends it, by its WebSocket or POST /set: {"set": name, "value": v} or
// {"step": "up"|"down"}. Only the properties the page may change are written, each with a value of its
// type. Empty when done, else why not, in the page's language (English by default).
QString ApplyPageChange(WebPageHost& host, const QByteArray& change,
                        const PageLanguage& language = PageLanguage());

// The messages the page gets: the host's state, its words in the page's language; a change refused.
QByteArray StateMessage(const WebPageHost& host, const PageLanguage& language);
QByteArray RefusalMessage(const QString& refusal);
