#include "bus/BusLog.h"

Q_LOGGING_CATEGORY(busLog, "tessaly.bus", QtInfoMsg)
