#include "support/sim_server_process.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString simServerPath() {
    return qEnvironmentVariable("TORVANEX_SIMSERVER");
}

} // namespace

SimServerProcess::SimServerProcess(QObject* parent) : QObject(parent) {
    // Its complaints (a bad option, a port in use) belong in the test's own output.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&process_, &QProcess::readyReadStandardOutput, this, &SimServerProcess::readOutput);
}

SimServerProcess::~SimServerProcess() {
    kill();
}

bool SimServerProcess::start(const QStringList& extraArgs, SimServices services) {
    kill();
    pending_.clear();
    ready_ = false;
    udpPort_ = tcpPort_ = 0;
    error_.clear();
    udp_.clear();
    dropped_.clear();
    tcp_.clear();
    player_.clear();

    const QString program = simServerPath();
    if (program.isEmpty()) {
        error_ = u"TORVANEX_SIMSERVER is not set"_s;
        return false;
    }
    QStringList args = extraArgs;
    args << u"--port"_s << u"0"_s;
    if (services == SimServices::RconAndDaemon)
        args << u"--daemon-port"_s << u"0"_s;
    process_.start(program, args);
    if (!process_.waitForStarted(5000)) {
        error_ = process_.errorString();
        return false;
    }
    const bool settled =
        QTest::qWaitFor([this] { return ready_ || process_.state() == QProcess::NotRunning; }, 5000);
    if (!ready_) {
        error_ = settled ? u"simserver exited before it was ready"_s
                         : u"simserver did not report READY within 5 s"_s;
        kill();
    }
    return ready_;
}

void SimServerProcess::kill() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished(5000);
}

bool SimServerProcess::waitForUdp(int count, int ms) {
    return QTest::qWaitFor([&] { return udp_.size() >= count; }, ms);
}

bool SimServerProcess::waitForTcp(int count, int ms) {
    return QTest::qWaitFor([&] { return tcp_.size() >= count; }, ms);
}

QString SimServerProcess::demoFile(const QString& fileName) {
    return QFileInfo(simServerPath()).dir().filePath(fileName);
}

void SimServerProcess::readOutput() {
    pending_ += process_.readAllStandardOutput();
    qsizetype lf;
    while ((lf = pending_.indexOf('\n')) >= 0) {
        QByteArray line = pending_.left(lf);
        pending_.remove(0, lf + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        handleLine(line);
    }
}

void SimServerProcess::handleLine(const QByteArray& line) {
    const qsizetype blank = line.indexOf(' ');
    const QByteArray tag = blank < 0 ? line : line.left(blank);
    const QByteArray rest = blank < 0 ? QByteArray() : line.mid(blank + 1);
    if (tag == "UDP") {
        udp_.append(QByteArray::fromHex(rest));
    } else if (tag == "DROP") {
        dropped_.append(QByteArray::fromHex(rest));
    } else if (tag == "TCP") {
        tcp_.append(QByteArray::fromHex(rest));
    } else if (tag == "PLAYER") {
        player_.append(QByteArray::fromHex(rest));
    } else if (tag == "READY") {
        // READY udp <port> tcp <port>
        const QList<QByteArray> words = rest.split(' ');
        if (words.size() >= 4) {
            udpPort_ = static_cast<quint16>(words[1].toUInt());
            tcpPort_ = static_cast<quint16>(words[3].toUInt());
            ready_ = true;
        }
    }
}
