#pragma once
// The outside addresses the Tools menu and the player menu hold fixed, all in one place. Each is a reserved
// placeholder (an address from the documentation range 192.0.2.0/24, host names under "example.org" or
// ".invalid") until real ones are known: a routable value here would make the PBBans set-up register a
// stranger's host as a UCON administrator with a published password, and the PunksBusted set-up stream the
// server's log to it.
#include <QString>

namespace tvx::fixed {

// The PBBans hub, added as a UCON user by the PBBans set-up: an IPv4 address alone.
inline const QString kPbBansHubAddress = QStringLiteral("192.0.2.10");
// The PunksBusted log receiver given to "pb_sv_logaddr": a host name alone (the port is sent on its own).
inline const QString kPunksBustedLogHost = QStringLiteral("logs.punksbusted.invalid");
// The PBBans registration page named in the PBBans set-up's closing message.
inline const QString kPbBansRegistrationPage = QStringLiteral("https://pbbans.example.org/register");
// The two GUID look-up sites of the player menu ("Check Player"): a page of each is opened with the GUID.
inline const QString kPbBansSite = QStringLiteral("https://pbbans.example.org");
inline const QString kPunksBustedSite = QStringLiteral("https://punksbusted.example.org");
// The two web links of the Tools menu.
inline const QString kWebsiteUrl = QStringLiteral("https://torvanex.example.org/");
inline const QString kDonationUrl = QStringLiteral("https://torvanex.example.org/donate");

} // namespace tvx::fixed
