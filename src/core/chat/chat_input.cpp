#include "core/chat/chat_input.h"

#include "core/text/text_util.h"

using namespace Qt::StringLiterals;

namespace tvx {

QString chatSayCommand(const QString& text) {
    return u"say "_s + text;
}

QString chatEchoAppend(bool logEmpty, const QString& stamp, const QString& said) {
    const QString line = stamp + kYouSaid + said;
    return logEmpty ? line : kCrLf + line;
}

const std::array<ColourButton, 8>& colourButtons() {
    static const std::array<ColourButton, 8> buttons{{
        {u"Command6", 255, 0, 0, u" ^1"},
        {u"Command7", 0, 192, 0, u" ^2"},
        {u"Command8", 255, 255, 0, u" ^3"},
        {u"Command9", 0, 0, 255, u" ^4"},
        {u"Command10", 0, 255, 255, u" ^5"},
        {u"Command11", 255, 0, 255, u" ^6"},
        {u"Command12", 255, 255, 255, u" ^7"},
        {u"Command13", 0, 0, 0, u" ^0"},
    }};
    return buttons;
}

QList<UconStep> uconRegistration(const QString& address, const QString& login, const QString& password) {
    return {
        {u"Addin You to PBUCON User List"_s, u"pb_sv_uconadd 2 "_s + address + u' ' + login + u' ' + password,
         1000},
        {u"Changing Session Limits"_s, u"pb_sv_USessionLimit 16"_s, 1000},
        {u"Writing Configs..."_s, u"pb_sv_writecfg"_s, 1000},
        {u"Setting up PBUCON.USE"_s, u"pb_sv_writecfg pbucon.use"_s, 0},
    };
}

} // namespace tvx
