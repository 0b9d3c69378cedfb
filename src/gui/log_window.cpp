#include "gui/log_window.h"

#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"
#include "core/tools/windows_program.h"
#include "core/ucon/log_file.h"
#include "core/ucon/log_filters.h"

#include "gui/main/main_window.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace tvx {

Form5::Form5() {
    setObjectName(u"Form5"_s);
    setWindowTitle(u"PBUCON"_s);
    setToolWindowBorder();
    Timer1 = new VbTimer(this, u"Timer1"_s, 5000);
    connect(Timer1, &QTimer::timeout, this, &Form5::Timer1_Timer);
    // Every way out of the program passes here (Quit, closing a window, the desktop ending the session):
    // the client, and whatever it started, must not outlive the program that started it.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &Form5::EndClient);
}

Form5::~Form5() {
    EndClient();
}

void Form5::Form_Load() {
    // The client is handed its configuration by name ("ini=codwaw.ini") and writes its log into the folder
    // it runs in: it runs in the program's own folder, where the login wrote codwaw.ini and where the tick
    // reads pbucon.log, wherever the program itself was started from. It is a Windows program: here wine
    // runs it, when there is one, as it runs the game client. What it starts in turn (wine hands a program
    // that is not a Windows one to a process of its own and ends) ends with it: see EndClient.
    resumeNext([this] {
        const QString folder = platform().system->programFolder();
        const ProgramStart start = throughWine(folder + u"/pbucon.exe"_s, {u"ini=codwaw.ini"_s},
                                               platform().shell->findProgram(u"wine"_s));
        clientPid_ = platform().shell->execute(start.program, start.arguments, folder, true);
    });
    Timer1->setEnabled(true);
    hide();
}

bool Form5::ClientRunning() const {
    return clientPid_ > 0 && platform().shell->isRunning(clientPid_);
}

void Form5::EndClient() {
    if (clientPid_ > 0)
        resumeNext([this] { platform().shell->endProcess(clientPid_); });
}

void Form5::Timer1_Timer() {
    resumeNext([this] { LoadTextFile(platform().system->programFolder() + u"/pbucon.log"_s); });
    resumeNext([this] { MasterParse(); });
}

void Form5::LoadTextFile(const QString& path) {
    // A log that cannot be read leaves the work buffer as it was. Only its end is read: the filters handle
    // no more lines than that, and the whole of a grown log would hold the window up on every tick.
    const std::optional<QByteArray> bytes = readLogTail(path);
    if (!bytes)
        return;
    Text2 = logFileText(*bytes);
}

void Form5::MasterParse() {
    Text2 = liveChain(std::move(Text2));
    Text7 = liveDisplay(Text2);
    if (!shouldReplaceChat(Text7))
        return;
    // Re-filled only when the view changed; the caret still goes to the end on every tick.
    Forms::get<Main>().ShowChatLog(Text7);
}

void Form5::MasterClean() {
    ExtendedPassResult r = extendedPass(std::move(Text2), std::move(Text6), platform().system->now(), Text3);
    Text2 = std::move(r.work);
    Text7 = std::move(r.result);
    Text6 = std::move(r.history);
    dropOldest(Text6, kHistoryLimit);
    if (!r.replaceChat)
        return;
    Forms::get<Main>().ShowChatLog(r.chatText);
}

} // namespace tvx
