#include "gui/join_server_window.h"

#include "core/text/text_file.h"
#include "core/tools/game_launch.h"

#include "gui/base/artwork.h"
#include "gui/base/builders.h"
#include "gui/base/twips.h"
#include "gui/base/vb_frame.h"
#include "gui/main/main_window.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace tvx {

joinserverconfig::joinserverconfig() {
    setObjectName(u"joinserverconfig"_s);
    setWindowTitle(u"Join Server Configuration"_s);
    setToolWindowBorder();
    setFont(art::tahoma(8.25));

    Frame1 = new VbFrame(this, u"Frame1"_s, QString(), twipsRect(120, 0, 4335, 2415));
    Frame2 = new VbFrame(Frame1, u"Frame2"_s, u"Call of Duty World at War Location"_s,
                         twipsRect(120, 240, 4095, 855));
    Label1 = label(Frame2, u"Label1"_s, u"Please select the CoDWaW.exe from COD Folder:"_s,
                   twipsRect(120, 240, 3855, 255));
    Text1 = lineBox(Frame2, u"Text1"_s, twipsRect(120, 480, 3375, 285));
    Command1 = button(Frame2, u"Command1"_s, u"..."_s, twipsRect(3600, 480, 375, 255));
    Frame3 =
        new VbFrame(Frame1, u"Frame3"_s, u"Passworded Server (optional)"_s, twipsRect(120, 1200, 4095, 975));
    Label2 = label(Frame3, u"Label2"_s, u"Add here the password for the passworded server"_s,
                   twipsRect(120, 240, 3855, 255));
    Text2 = lineBox(Frame3, u"Text2"_s, twipsRect(120, 480, 3855, 285));
    Command2 = button(this, u"Command2"_s, u"Save"_s, twipsRect(1560, 2520, 1575, 375));
    Command3 = button(this, u"Command3"_s, u"Cancel"_s, twipsRect(3240, 2520, 1215, 375));

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    setClientTwips(4545, 3015);
}

void joinserverconfig::Form_Load() {
    // What the console holds, which Save keeps in step with the settings.
    const Main& main = Forms::get<Main>();
    Text1->setText(main.JoinClientPath());
    Text2->setText(main.JoinServerPassword());
}

void joinserverconfig::Command1_Click() {
    resumeNext([this] { Text1->setText(Select_File(u"Select the codwaw.exe"_s, u"exe"_s)); });
}

void joinserverconfig::Command2_Click() {
    SettingsStore& s = *platform().settings;
    {
        const SettingsBatch batch(s);
        resumeNext([&] { s.set(kConfigsSection, kClientPathKey, Text1->text()); });
        resumeNext([&] { s.set(kConfigsSection, kServerPassKey, Text2->text()); });
    }
    resumeNext([this] { Forms::get<Main>().SetJoinServer(Text1->text(), Text2->text()); });
    Unload();
}

void joinserverconfig::Command3_Click() {
    Unload();
}

QString joinserverconfig::Select_File(const QString& Desc, const QString& flType) {
    // The dialog opens over this window, the one the user clicked "..." in.
    return platform().dialogs->openFile(Desc, u"File Type (*."_s + flType + u")"_s,
                                        platform().system->currentFolder());
}

void joinserverconfig::LoadTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // The box holds no more than its maximum length, so no more than that is read (a line end taken out
    // at the end of the file is the most that can shrink).
    const QByteArray bytes = file.read(Text1->maxLength() + 2);
    if (file.error() != QFileDevice::NoError)
        return;
    file.close();
    Text1->setText(joinedFileLines(bytes));
    TextFilePath = path;
}

void joinserverconfig::SaveTextFile(const QString& path) {
    saveTextFileReporting(*platform().dialogs, path, Text1->text());
}

} // namespace tvx
