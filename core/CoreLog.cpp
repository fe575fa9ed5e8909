#include "core/CoreLog.h"

Q_LOGGING_CATEGORY(coreLog, "tessaly.core", QtInfoMsg)
