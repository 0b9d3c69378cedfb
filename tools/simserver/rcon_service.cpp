#include "rcon_service.h"

#include "game_server.h"
#include "report.h"

#include <QNetworkDatagram>

using namespace Qt::StringLiterals;

namespace sim {
namespace {

const QByteArray kConnectionless = QByteArrayLiteral("\xff\xff\xff\xff");
const QByteArray kPrintHeader = QByteArrayLiteral("\xff\xff\xff\xffprint\n");

} // namespace

RconService::RconService(GameServer& server, bool throttle, QObject* parent)
    : QObject(parent), server_(server), throttle_(throttle) {
    connect(&socket_, &QUdpSocket::readyRead, this, &RconService::readPending);
}

bool RconService::listen(quint16 port, QString& error) {
    if (socket_.bind(QHostAddress::LocalHost, port))
        return true;
    error = u"cannot bind UDP port "_s + QString::number(port) + u": "_s + socket_.errorString();
    return false;
}

void RconService::readPending() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_.receiveDatagram();
        if (!d.isValid())
            continue;
        reportLine("UDP", d.data());
        handle(d.data(), d.senderAddress(), static_cast<quint16>(d.senderPort()));
    }
}

void RconService::handle(const QByteArray& datagram, const QHostAddress& from, quint16 fromPort) {
    // Anything else is in-game traffic from a client that is not connected, or a query this stand-in
    // does not serve; the engine drops both without a word.
    if (!datagram.startsWith(kConnectionless))
        return;
    QByteArray text = datagram.mid(kConnectionless.size());
    const qsizetype lf = text.indexOf('\n');
    const qsizetype nul = text.indexOf('\0');
    qsizetype end = text.size();
    if (lf >= 0)
        end = lf;
    if (nul >= 0 && nul < end)
        end = nul;
    text.truncate(end);

    const QList<QByteArray> args = tokenize(text);
    if (args.isEmpty() || args.first().compare("rcon", Qt::CaseInsensitive) != 0)
        return;

    if (throttle_) {
        if (lastAccepted_.isValid() && lastAccepted_.elapsed() < kThrottleMs) {
            reportLine("DROP", datagram);
            return;
        }
        lastAccepted_.start();
    }

    // The password is the second word; the command is whatever follows it, as typed.
    qsizetype i = text.indexOf(args.first()) + args.first().size();
    while (i < text.size() && text[i] == ' ')
        ++i;
    while (i < text.size() && text[i] != ' ')
        ++i;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const QByteArray command = text.mid(i);
    const QByteArray password = args.value(1);

    const QByteArray expected = server_.rconPassword();
    if (expected.isEmpty())
        reply("The server must set 'rcon_password' for clients to use 'rcon'.\n", from, fromPort);
    else if (password != expected)
        reply("Invalid password.\n", from, fromPort);
    else {
        if (GameServer::isPlayerCommand(command))
            reportLine("PLAYER", command);
        for (const QByteArray& output : server_.executeForRcon(command))
            reply(output, from, fromPort);
    }
}

void RconService::reply(const QByteArray& text, const QHostAddress& to, quint16 toPort) {
    // Cut by size alone, even inside a line; a command that printed nothing still gets its header.
    qsizetype at = 0;
    do {
        const QByteArray piece = text.mid(at, kMaxReplyText);
        socket_.writeDatagram(kPrintHeader + piece, to, toPort);
        at += kMaxReplyText;
    } while (at < text.size());
}

} // namespace sim
