#pragma once
// "Join Server Configuration": the game client's path and the passworded server's password, edited here,
// kept under "[Configs]" in the settings and in the console's hidden boxes.
#include "gui/base/forms.h"
#include "gui/base/vb_controls.h"

#include <QGroupBox>
#include <QPushButton>

namespace tvx {

// The window's system name is `joinserverconfig`.
class joinserverconfig : public VbForm { // NOLINT(readability-identifier-naming)
    Q_OBJECT
public:
    joinserverconfig();
    void Form_Load() override;

    // Handlers.
    void Command1_Click(); // "..."
    void Command2_Click(); // "Save"
    void Command3_Click(); // "Cancel"

    // Operations.
    // The open-file dialog for one file type (`flType`, the extension without its dot), starting in the
    // current folder; the chosen path, or the empty text when cancelled.
    QString Select_File(const QString& Desc, const QString& flType);
    // Puts the lines of the text file at `path` into Text1 and keeps the path; a file that cannot be read
    // changes nothing.
    void LoadTextFile(const QString& path);
    // Writes Text1's text and a line end to the file at `path`, creating or replacing it.
    void SaveTextFile(const QString& path);
    QString TextFilePath; // the path of the last LoadTextFile

    // Controls, named as the window names them.
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr; // "Call of Duty World at War Location"
    VbLabel* Label1 = nullptr;
    VbLineEdit* Text1 = nullptr; // the path
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame3 = nullptr; // "Passworded Server (optional)"
    VbLabel* Label2 = nullptr;
    VbLineEdit* Text2 = nullptr; // the password, shown in clear
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};

} // namespace tvx
