// The extended filter pass (or one of its members) over arbitrary work buffers: the fast filters must
// give exactly the results of the plain whole-text filters.
#include "fuzz_log_input.h"

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tvx::fuzz::LogInput in = tvx::fuzz::logInput(data, size);
    const QDateTime now(QDate(2009, 4, 12), QTime(21, 15, 3));
    if (in.member != 0) {
        if (tvx::cleanMember(in.member, in.work, now, in.quote) !=
            tvx::naive::cleanMember(in.member, in.work, now, in.quote))
            std::abort();
        return 0;
    }
    const tvx::ExtendedPassResult f = tvx::extendedPass(in.work, u"h"_s, now, in.quote);
    const tvx::ExtendedPassResult s = tvx::naive::extendedPass(in.work, u"h"_s, now, in.quote);
    if (f.work != s.work || f.result != s.result || f.history != s.history ||
        f.replaceChat != s.replaceChat || f.chatText != s.chatText)
        std::abort();
    return 0;
}
