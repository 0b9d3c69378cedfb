#pragma once
#include "core/platform/platform.h"

namespace tvx {

// The program's own platform services (Qt sockets, boxes, shell, clock, settings file).
const Platform& programPlatform();

// Starts the console: installs the platform services and shows the login window.
void startTorvanex(const Platform& platform = programPlatform());

} // namespace tvx
