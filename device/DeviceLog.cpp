#include "device/DeviceLog.h"

Q_LOGGING_CATEGORY(deviceLog, "tessaly.device", QtInfoMsg)
