#pragma once

#include <QLoggingCategory>

// Diagnostic lines of each area of the program. Their debug lines are off by
// default, so a normal start writes only warnings and errors to the journal;
// QT_LOGGING_RULES="quorin.*.debug=true" (or one area, e.g. quorin.device.debug=true)
// turns them on.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcFirmware)
Q_DECLARE_LOGGING_CATEGORY(lcKeys)
Q_DECLARE_LOGGING_CATEGORY(lcLight)
Q_DECLARE_LOGGING_CATEGORY(lcMacro)
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
Q_DECLARE_LOGGING_CATEGORY(lcStore)
