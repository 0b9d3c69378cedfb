// The live filter chain over arbitrary logs and work buffers: the fast chain must give exactly the text
// of the plain whole-text chain.
#include "fuzz_log_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tvx::fuzz::LogInput in = tvx::fuzz::logInput(data, size);
    const QString fast = tvx::liveChain(in.work);
    if (fast != tvx::naive::liveChain(in.work))
        std::abort();
    // The display never shows a separator, and keeps the upper-case letter.
    if (tvx::liveDisplay(fast).contains(u'ú') || tvx::liveDisplay(fast).count(u'Ú') != fast.count(u'Ú'))
        std::abort();
    return 0;
}
