#include "platform/logcategories.h"

// QtInfoMsg: debug lines stay off unless a logging rule turns them on.
Q_LOGGING_CATEGORY(lcApp, "quorin.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDevice, "quorin.device", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFirmware, "quorin.firmware", QtInfoMsg)
Q_LOGGING_CATEGORY(lcKeys, "quorin.keys", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLight, "quorin.light", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMacro, "quorin.macro", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlatform, "quorin.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStore, "quorin.store", QtInfoMsg)
