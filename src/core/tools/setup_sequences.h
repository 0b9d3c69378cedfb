#pragma once
// The Tools menu's two PunkBuster set-up sequences as data: the confirmation, each step's progress caption,
// command, delivery and pause, the closing box, and how each reacts to a failing step.
#include <QList>
#include <QString>

namespace tvx {

enum class SetupAction {
    Send,      // the rcon link's Send
    WaitSend,  // the rcon link's WaitSend: leaves about two timer ticks later
    AskClanId, // no command: the input box asks the clan identifier
};

struct SetupStep {
    QString caption; // the wait window's progress line
    SetupAction action = SetupAction::Send;
    QString command; // with `withAnswer`, what comes before the answer of the last input box
    bool withAnswer = false;
    int pauseMs = 0; // 0: no pause after it

    friend bool operator==(const SetupStep&, const SetupStep&) = default;
};

enum class SetupErrors {
    ReportEach,  // each failing statement shows its error box, and the sequence goes on
    StopSilently // the first failing statement ends the sequence; the wait window stays
};

struct SetupSequence {
    QString confirmText;
    QString confirmTitle;
    QList<SetupStep> steps;
    QString doneCaption; // the progress line after the last step; empty: left as it is
    QString closingText;
    QString closingTitle; // empty: the application title
    SetupErrors errors = SetupErrors::ReportEach;
    // The clan identifier's input box.
    QString askPrompt;
    QString askTitle;
    QString askDefault;

    friend bool operator==(const SetupSequence&, const SetupSequence&) = default;
};

SetupSequence pbbansSetup();
SetupSequence punksBustedSetup();

// The command of one step, completed with the last input box's answer where the step takes it.
QString setupCommand(const SetupStep& step, const QString& answer);

inline const QString kSetupCancelledText = QStringLiteral("Setup Cancelled!");

} // namespace tvx
