#include "platform.h"

#include "text_util.h"

namespace tvx {

// Nothing out of line in the interfaces themselves; the moc needs one translation unit for them.

} // namespace tvx
