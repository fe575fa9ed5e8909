#pragma once

#include <QLoggingCategory>

// What sound/ tells: "tessaly.sound". Warnings and notes go out by default, details with --verbose or
// QT_LOGGING_RULES="tessaly.sound.debug=true".
Q_DECLARE_LOGGING_CATEGORY(soundLog)
