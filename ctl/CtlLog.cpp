#include "ctl/CtlLog.h"

Q_LOGGING_CATEGORY(ctlLog, "tessaly.ctl", QtInfoMsg)
