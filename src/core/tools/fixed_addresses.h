#pragma once
// The addresses the program holds fixed. Each one is a placeholder from the ranges reserved for
// documentation (192.0.2.0/24, ".invalid", "example.org"): a routable value would register a stranger's
// host as a UCON administrator with a published password, or stream the server's log to a stranger.
#include <QString>

namespace tvx {

// The PBBans hub, added as a UCON user by the PBBans set-up.
inline const QString kPbbansHubAddress = QStringLiteral("192.0.2.10");
// Where the PunksBusted set-up streams PunkBuster's log.
inline const QString kPunksBustedLogHost = QStringLiteral("log.punksbusted.invalid");
// Where the PBBans set-up's closing box sends the user to register.
inline const QString kRegistrationPage = QStringLiteral("https://pbbans.example.org/register");
// The Tools menu's two web links.
inline const QString kWebsiteLink = QStringLiteral("https://torvanex.example.org/");
inline const QString kDonationLink = QStringLiteral("https://torvanex.example.org/donate");

} // namespace tvx
