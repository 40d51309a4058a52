#pragma once

#include <functional>

// Processes events until condition() holds; false when timeoutMs passed first.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs);
