#pragma once
// The outside UCON client's credentials and its configuration file "codwaw.ini".
#include <QString>

namespace tvx {

struct UconCredentials {
    QString address;  // this computer's address
    QString login;    // "TORVANEX-" + address
    QString password; // fixed prefix + address, joined at run time only

    friend bool operator==(const UconCredentials&, const UconCredentials&) = default;
};

UconCredentials uconCredentials(const QString& localAddress);

// The four lines joined by CR LF, nothing after the last (the writer adds the final CR LF).
QString uconIniText(const QString& serverHost, const QString& serverPort, const QString& localAddress,
                    const QString& uconPort);

} // namespace tvx
