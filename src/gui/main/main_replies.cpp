// Every datagram from the game server: cleaned, appended to the terminal and the reply collector, then
// acted on according to the last command sent.
#include "core/link/rcon_protocol.h"
#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/reader_window.h"

using namespace Qt::StringLiterals;

namespace tvx {

void Main::udpClient_DataArrival(const QByteArray& bytes) {
    LastReply = cleanReply(bytes);
    resumeNext([this] { txtOutput->append(LastReply); });
    Text6 += LastReply;
    dropOldest(Text6, kCollectedRepliesLimit);
    const ReplyRoute route = routeReply(LastCommand, LastReply, Text9);
    switch (route.kind) {
    case ReplyRoute::Kind::Status:
        queuePlayers();
        break;
    case ReplyRoute::Kind::PbList:
        PbListText += LastReply;
        dropOldest(PbListText, kPbListLimit);
        Timer3->setEnabled(true);
        break;
    case ReplyRoute::Kind::Reader:
        resumeNext([this] {
            log& reader = Forms::get<log>();
            reader.SetText(LastReply);
            reader.Show();
        });
        break;
    case ReplyRoute::Kind::OnOff: {
        auto* first = findChild<VbLabel*>(route.firstLabel);
        auto* second = findChild<VbLabel*>(route.secondLabel);
        if (first && second) {
            first->setBorderStyle(route.firstBordered ? 1 : 0);
            second->setBorderStyle(route.firstBordered ? 0 : 1);
        }
        break;
    }
    case ReplyRoute::Kind::HostName:
        Label6->setCaption(route.caption);
        break;
    case ReplyRoute::Kind::MapName:
        Label3->setCaption(route.caption);
        if (route.invalidPassword) {
            platform().dialogs->msgBox(u"You have an Invalid password for RCON!"_s, mb::Critical, kBoxTitle);
            resumeNext([] { Forms::show<Form4>(); });
            resumeNext([this] { Disconnect(); });
        }
        if (Label6->Caption() == u"loading..." || Label6->Caption() == u"nohostname")
            resumeNext([this] { WaitSend(u"sv_hostname"_s); });
        break;
    case ReplyRoute::Kind::None:
        break;
    }
    txtOutput->caretToEnd();
}

void Main::queuePlayers() {
    // Every datagram of a reply (or of a flood) would otherwise parse everything collected so far.
    if (playersQueued_)
        return;
    playersQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            playersQueued_ = false;
            resumeNext([this] { GetPlayers(); });
        },
        Qt::QueuedConnection);
}

void Main::Timer3_Timer() {
    if (TickCount != u"3") {
        TickCount = incrementCounter(TickCount);
        return;
    }
    Timer3->setEnabled(false);
    PbListText = cleanPbList(PbListText);
    Text10->setText(PbListText);
}

} // namespace tvx
