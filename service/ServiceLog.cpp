#include "service/ServiceLog.h"

Q_LOGGING_CATEGORY(serviceLog, "tessaly.service", QtInfoMsg)
