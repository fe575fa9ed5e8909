#pragma once

#include <QLoggingCategory>

// What bus/ tells: "tessaly.bus". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.bus.debug=true".
Q_DECLARE_LOGGING_CATEGORY(busLog)
