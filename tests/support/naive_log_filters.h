#pragma once
// The log filters done the plain way, as the rules read: every filter takes the line count once, fetches
// each line afresh from the whole text, and removes a line by replacing every occurrence of its text in
// the whole text. Slow on purpose; the reference the fast filters must match exactly.
#include "core/ucon/log_filters.h"

namespace tvx::naive {

QString logFileText(QByteArrayView fileBytes);
QString liveChain(QString work);
ExtendedPassResult extendedPass(QString work, QString history, const QDateTime& now,
                                const QString& quoteText);
QString cleanMember(int number, QString work, const QDateTime& now, const QString& quoteText);

} // namespace tvx::naive
