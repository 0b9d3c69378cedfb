#pragma once
// The hidden log window: starts the outside UCON client and every five seconds shows its filtered log
// in the chat page's log box. The client it started ends with the program.
#include "gui/base/forms.h"
#include "gui/base/vb_controls.h"

namespace tvx {

class Form5 : public VbForm {
    Q_OBJECT
public:
    Form5();
    ~Form5() override;
    void Form_Load() override;

    void Timer1_Timer();
    void LoadTextFile(const QString& path);
    void MasterParse();
    void MasterClean();

    // Nothing reads the history: it only must not grow with the log for as long as the program runs.
    static constexpr qsizetype kHistoryLimit = 1024 * 1024;

    // Whether the client this window started, or anything it started, is still running.
    bool ClientRunning() const;
    // Ends the client this window started and whatever it started that still runs; never any other process.
    void EndClient();

    // Buffers, named as the window names them.
    QString Text2; // the work buffer
    QString Text7; // the result buffer
    QString Text6; // the extended pass's history, its oldest part dropped beyond kHistoryLimit
    QString Text3 = QStringLiteral("\"");
    QString TextEnter = QStringLiteral("\n");
    VbTimer* Timer1 = nullptr;

private:
    qint64 clientPid_ = 0;
};

} // namespace tvx
