#include "app/AppLog.h"

Q_LOGGING_CATEGORY(appLog, "tessaly.app", QtInfoMsg)
