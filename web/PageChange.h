#pragma once

#include "web/WebPage.h"

// A change as the page sends it, by its WebSocket or POST /set: {"set": name, "value": v} or
// {"step": "up"|"down"}. Only the properties the page may change are written, each with a value of its
// type. Empty when done, else why not, in words the page shows.
QString ApplyPageChange(WebPageHost& host, const QByteArray& change);
