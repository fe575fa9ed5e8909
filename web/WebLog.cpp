#include "web/WebLog.h"

Q_LOGGING_CATEGORY(webLog, "tessaly.web", QtInfoMsg)
