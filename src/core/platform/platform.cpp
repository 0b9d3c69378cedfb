// The platform interfaces are header-only; this file gives their signals a home for the moc.
#include "core/platform/platform.h"
