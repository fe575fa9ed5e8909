#pragma once

#include <QLoggingCategory>

// What app/ tells: "tessaly.app". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.app.debug=true".
Q_DECLARE_LOGGING_CATEGORY(appLog)
