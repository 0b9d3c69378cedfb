#include "tab_file.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace sim {

bool readTabFile(const QString& path, const QString& what,
                 const std::function<QString(const QStringList& fields)>& row, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = u"cannot read "_s + what + u' ' + path + u": "_s + file.errorString();
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (qsizetype lineNo = 0; lineNo < lines.size(); ++lineNo) {
        QString line = lines[lineNo];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QString problem = row(line.split(u'\t'));
        if (!problem.isEmpty()) {
            error = path + u" line "_s + QString::number(lineNo + 1) + u": "_s + problem;
            return false;
        }
    }
    return true;
}

} // namespace sim
