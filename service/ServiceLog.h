#pragma once

#include <QLoggingCategory>

// What service/ tells: "tessaly.service". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.service.debug=true".
Q_DECLARE_LOGGING_CATEGORY(serviceLog)
