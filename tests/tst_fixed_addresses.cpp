// The Tools menu's fixed outside addresses: each one a reserved placeholder of its kind.
#include "core/tools/fixed_addresses.h"

#include <QHostAddress>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

using namespace tvx;

namespace {

// A host name that can never reach a stranger: under ".invalid", or example.org and its sub-domains.
bool reservedHost(const QString& host) {
    const QString h = host.toLower();
    return h.endsWith(u".invalid"_s) || h == u"example.org"_s || h.endsWith(u".example.org"_s);
}

} // namespace

class TstFixedAddresses : public QObject {
    Q_OBJECT
private slots:
    void hubAddressIsADocumentationAddress() {
        QHostAddress a;
        QVERIFY(a.setAddress(fixed::kPbBansHubAddress));
        QCOMPARE(a.protocol(), QAbstractSocket::IPv4Protocol);
        // An address alone, in dotted decimal, as the UCON command takes it.
        QCOMPARE(a.toString(), fixed::kPbBansHubAddress);
        QVERIFY(a.isInSubnet(QHostAddress(u"192.0.2.0"_s), 24));
    }

    void logHostIsAReservedName() {
        const QString host = fixed::kPunksBustedLogHost;
        // A host name alone: no scheme, port, path or blank.
        QVERIFY(!host.contains(u':') && !host.contains(u'/') && !host.contains(u' '));
        QVERIFY(QHostAddress(host).isNull());
        QVERIFY2(reservedHost(host), qPrintable(host));
    }

    void webAddresses_data() {
        QTest::addColumn<QString>("url");
        QTest::newRow("registration page") << fixed::kPbBansRegistrationPage;
        QTest::newRow("web site") << fixed::kWebsiteUrl;
        QTest::newRow("PBBans look-up site") << fixed::kPbBansSite;
        QTest::newRow("PunksBusted look-up site") << fixed::kPunksBustedSite;
        QTest::newRow("donation page") << fixed::kDonationUrl;
    }

    void webAddresses() {
        QFETCH(QString, url);
        const QUrl u(url, QUrl::StrictMode);
        QVERIFY2(u.isValid(), qPrintable(url));
        QVERIFY(u.scheme() == u"https" || u.scheme() == u"http");
        QVERIFY2(reservedHost(u.host()), qPrintable(url));
        QCOMPARE(u.toString(), url);
    }
};

QTEST_GUILESS_MAIN(TstFixedAddresses)
#include "tst_fixed_addresses.moc"
