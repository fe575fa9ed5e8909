#pragma once

#include <QLoggingCategory>

// What ctl/ tells: "tessaly.ctl". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.ctl.debug=true".
Q_DECLARE_LOGGING_CATEGORY(ctlLog)
