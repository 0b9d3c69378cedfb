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
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &SimServerProcess::readOutput);
}

SimServerProcess::~SimServerProcess() {
    kill();
}

bool SimServerProcess::start(const QStringList& extraArgs, bool withDaemon) {
    kill();
    m_pending.clear();
    m_ready = false;
    m_udpPort = m_tcpPort = 0;
    m_error.clear();
    m_udp.clear();
    m_dropped.clear();
    m_tcp.clear();
    m_player.clear();

    const QString program = simServerPath();
    if (program.isEmpty()) {
        m_error = u"TORVANEX_SIMSERVER is not set"_s;
        return false;
    }
    QStringList args = extraArgs;
    args << u"--port"_s << u"0"_s;
    if (withDaemon)
        args << u"--daemon-port"_s << u"0"_s;
    m_process.start(program, args);
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    const bool settled =
        QTest::qWaitFor([this] { return m_ready || m_process.state() == QProcess::NotRunning; }, 5000);
    if (!m_ready) {
        m_error = settled ? u"simserver exited before it was ready"_s
                          : u"simserver did not report READY within 5 s"_s;
        kill();
    }
    return m_ready;
}

void SimServerProcess::kill() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool SimServerProcess::waitForUdp(int count, int ms) {
    return QTest::qWaitFor([&] { return m_udp.size() >= count; }, ms);
}

bool SimServerProcess::waitForTcp(int count, int ms) {
    return QTest::qWaitFor([&] { return m_tcp.size() >= count; }, ms);
}

QString SimServerProcess::demoFile(const QString& fileName) {
    return QFileInfo(simServerPath()).dir().filePath(fileName);
}

void SimServerProcess::readOutput() {
    m_pending += m_process.readAllStandardOutput();
    qsizetype lf;
    while ((lf = m_pending.indexOf('\n')) >= 0) {
        QByteArray line = m_pending.left(lf);
        m_pending.remove(0, lf + 1);
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
        m_udp.append(QByteArray::fromHex(rest));
    } else if (tag == "DROP") {
        m_dropped.append(QByteArray::fromHex(rest));
    } else if (tag == "TCP") {
        m_tcp.append(QByteArray::fromHex(rest));
    } else if (tag == "PLAYER") {
        m_player.append(QByteArray::fromHex(rest));
    } else if (tag == "READY") {
        // READY udp <port> tcp <port>
        const QList<QByteArray> words = rest.split(' ');
        if (words.size() >= 4) {
            m_udpPort = static_cast<quint16>(words[1].toUInt());
            m_tcpPort = static_cast<quint16>(words[3].toUInt());
            m_ready = true;
        }
    }
}
