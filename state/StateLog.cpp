#include "state/StateLog.h"

Q_LOGGING_CATEGORY(stateLog, "tessaly.state", QtInfoMsg)
