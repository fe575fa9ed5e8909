#pragma once

#include <QLoggingCategory>

// What device/ tells: "tessaly.device". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.device.debug=true".
Q_DECLARE_LOGGING_CATEGORY(deviceLog)
