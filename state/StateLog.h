#pragma once

#include <QLoggingCategory>

// What state/ tells: "tessaly.state". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.state.debug=true".
Q_DECLARE_LOGGING_CATEGORY(stateLog)
