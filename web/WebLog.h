#pragma once

#include <QLoggingCategory>

// What web/ tells: "tessaly.web". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.web.debug=true".
Q_DECLARE_LOGGING_CATEGORY(webLog)
