#include "core/rcon_tool/rcon_tool_rules.h"

#include "core/commands/command_table.h"
#include "core/text/codepage.h"
#include "core/text/text_util.h"

#include <array>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

const QString kConsoleTag = u"[RCON SERVER TOOL CONSOLE] "_s;

const QString kHostip = u"Hostip"_s;
const QString kPort = u"Port"_s;
const QString kRcon = u"Rcon"_s;
const QString kAdmin = u"Admin"_s;
const QString kSave = u"Save"_s;

constexpr std::array kPrompts{
    MenuPrompt{u"warnplayerz", u"Please enter the clientnumber of the player to be warned: "},
    MenuPrompt{u"warnplayerz", u"Please enter the warning to this player: ", u"Warning",
               u"^1This is a warning please do not [FILL HERE]"},
    MenuPrompt{u"ckickz", u"Please enter the name of the player to be kicked: "},
    MenuPrompt{u"onlyplayerkick",
               u"Please enter the name of the player to be kicked (Dont need color codes): "},
    MenuPrompt{u"clientkickz", u"Enter the clientnumber of player to be kicked: "},
    MenuPrompt{u"normalbanz", u"Please enter the name of the player to be banned: "},
    MenuPrompt{u"clientbanz", u"Please enter the clientnumber of the player to be banned: "},
    MenuPrompt{u"temporarilybanplayerz", u"Please enter the name of the player to be temporarily banned: "},
    MenuPrompt{u"temporarilyclientbanz",
               u"Please enter the playernumber of the player to be temporarily banned: "},
    MenuPrompt{u"unbanuserz", u"Please enter the name of the player to be unbanned: "},
    MenuPrompt{u"takescreenshottoplayer",
               u"Please enter the playernumber or name of the player to take screenshot: ",
               {},
               {},
               true},
    MenuPrompt{u"takescreenshottaskz",
               u"Please enter the slot or name of the player to take a screenshot sequence : ",
               {},
               {},
               true},
    MenuPrompt{u"kickplayerbypunkbusterz",
               u"Please enter the playernumber or name of the player to be kicked:\r\n"
               u"Write like this :[name or slot #] [minutes] [displayed_reason] | [optional_private_reason]"},
};

} // namespace

QString sessionStartedLine(const QDateTime& now) {
    return kConsoleTag + u"Session Started at: "_s + timeOfDay(now);
}

QString sessionTerminatedLine(const QDateTime& now) {
    return kConsoleTag + u"Session Terminated at: "_s + timeOfDay(now);
}

QString rconToolEchoLine(const QDateTime& now, const QString& command) {
    return kCrLf + timeOfDay(now) + kCrLf + u'/' + command;
}

QString rconToolReply(const QByteArray& datagram, bool hideColourCodes) {
    QString r = fromAnsi(datagram);
    if (hideColourCodes) {
        for (char16_t digit = u'0'; digit <= u'7'; ++digit)
            r = removeAll(std::move(r), u"^"_s + QChar(digit));
    }
    r = removeAll(std::move(r), QString(4, QChar(0xFF)) + u"print\n"_s);
    return replaceAll(std::move(r), u"\n"_s, kCrLf);
}

SimpleConsoleSettings loadSimpleConsoleSettings(const SettingsStore& store) {
    SimpleConsoleSettings s;
    s.hostip = store.get(kSimpleConsoleSection, kHostip, {});
    s.port = store.get(kSimpleConsoleSection, kPort, {});
    s.rcon = store.get(kSimpleConsoleSection, kRcon, {});
    s.admin = store.get(kSimpleConsoleSection, kAdmin, {});
    s.save = store.get(kSimpleConsoleSection, kSave, u"0"_s);
    return s;
}

void storeSimpleConsoleSettings(SettingsStore& store, const SimpleConsoleSettings& settings) {
    const SettingsBatch batch(store);
    store.set(kSimpleConsoleSection, kHostip, settings.hostip);
    store.set(kSimpleConsoleSection, kPort, settings.port);
    store.set(kSimpleConsoleSection, kRcon, settings.rcon);
    store.set(kSimpleConsoleSection, kAdmin, settings.admin);
    store.set(kSimpleConsoleSection, kSave, settings.save);
}

SimpleConsoleSettings settingsToKeep(bool ticked, const SimpleConsoleSettings& boxes) {
    if (!ticked)
        return {{}, {}, {}, {}, u"0"_s};
    SimpleConsoleSettings s = boxes;
    s.save = u"1"_s;
    return s;
}

QList<MenuPrompt> menuPrompts(QStringView item) {
    QList<MenuPrompt> out;
    for (const MenuPrompt& p : kPrompts) {
        if (p.item == item)
            out.append(p);
    }
    return out;
}

QString menuCompletion(const QStringList& answers) {
    return answers.join(u' ');
}

bool menuAnswerRefused(const MenuPrompt& prompt, const QString& answer) {
    // PunkBuster reads its arguments the way it reads a bad name: such an answer is no argument at all.
    return prompt.targetRequired && badNameMatchesEveryone(answer);
}

} // namespace tvx
