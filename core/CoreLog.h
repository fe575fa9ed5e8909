#pragma once

#include <QLoggingCategory>

// What core/ tells: "tessaly.core". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.core.debug=true".
Q_DECLARE_LOGGING_CATEGORY(coreLog)
