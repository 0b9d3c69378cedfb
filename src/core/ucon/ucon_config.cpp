#include "core/ucon/ucon_config.h"

#include "core/text/text_util.h"

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

// The password's prefix is kept in two pieces and joined only when a password is built, so the binary
// holds no copy of it in one piece.
QString passwordPrefix() {
    return u"KQVR"_s + u"MWZD-"_s;
}

} // namespace

UconCredentials uconCredentials(const QString& localAddress) {
    return {localAddress, u"TORVANEX-"_s + localAddress, passwordPrefix() + localAddress};
}

QString uconIniText(const QString& serverHost, const QString& serverPort, const QString& localAddress,
                    const QString& uconPort) {
    const UconCredentials c = uconCredentials(localAddress);
    return u"server="_s + serverHost + u':' + serverPort + kCrLf + u"myaddr="_s + localAddress + u':' +
           uconPort + kCrLf + u"login="_s + c.login + kCrLf + u"password="_s + c.password;
}

} // namespace tvx
