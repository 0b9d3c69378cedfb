// The players grid, rebuilt from the collected "status" replies, and its right button.
#include "core/link/status_parser.h"
#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

#include "gui/main/main_window.h"
#include "gui/menus_window.h"

#include <QCursor>

using namespace Qt::StringLiterals;

namespace tvx {

void Main::GetPlayers() {
    Cleanup();
    FillGrid();
}

void Main::Cleanup() {
    Text1 = stripStatusWords(Text6);
    RemoveBlanks();
}

void Main::RemoveBlanks() {
    Text1 = collapseBlankLines(Text1);
    StatusLineCount = QString::number(lineCount(Text1));
}

qsizetype Main::GetLineCount(const QString& box) {
    return lineCount(box);
}

QString Main::GetTextboxLine(const QString& txtTextbox, qsizetype lngLineNumber) {
    return textboxLine(txtTextbox, lngLineNumber);
}

void Main::GetFourthLine() {
    Text2 = GetTextboxLine(Text1, 4);
}

void Main::FillGrid() {
    Grid->setUpdatesEnabled(false);
    resumeNext([this] { Grid->Clear(); });
    resumeNext([this] { Grid->setCols(6); });
    resumeNext([this] { Grid->setRows(1); });
    resumeNext([this] { Grid->setFixedRows(0); });
    resumeNext([this] { Grid->AddItem(kGridHeader, 0); });
    StatusLineCount = QString::number(GetLineCount(Text1));
    resumeNext([this] { Grid->setFixedRows(1); });
    // Lines are taken in one pass over the text; each is the same as GetTextboxLine(Text1, i).
    const std::vector<qsizetype> starts = lineStarts(Text1);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1] - 2 : Text1.size();
        Text2 = Text1.mid(starts[i], end - starts[i]);
        const PlayerRow row = cutPlayerRow(Text2);
        for (int c = 0; c < 6; ++c) {
            resumeNext([&] { Grid->setColWidth(c, kGridColumnTwips[c]); });
            resumeNext([&] { Grid->setColAlignment(c, 0); });
        }
        resumeNext([&] { Grid->AddCells(row.cells()); });
    }
    // The header row is fixed and stays; the two removals at index 1 take the empty row left by the
    // reset and the first line of the cleaned text.
    resumeNext([this] { Grid->RemoveItem(0); });
    resumeNext([this] { Grid->RemoveItem(1); });
    resumeNext([this] { Grid->RemoveItem(1); });
    Grid->setUpdatesEnabled(true);
    // The grid keeps the header's leftovers as rows (the player actions read rows by position); only the
    // rows of players count.
    int players = 0;
    for (int r = Grid->FixedRows(); r < Grid->Rows(); ++r)
        players += isPlayerSlot(Grid->TextMatrix(r, 4)) ? 1 : 0;
    Label4->setCaption(QString::number(players));
    resumeNext([this] { WaitSend(u"mapname"_s); });
}

void Main::FillGridFrom(const QString& statusText) {
    Text1 = statusText;
    FillGrid();
}

void Main::Grid_MouseDown(int Button, int Shift, double X, double Y) {
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    // The grid has already made the row under the pointer current: the menu acts on that player.
    if (Button == 2) {
        Forms::get<Form3>().PopupPlayerMenu(QCursor::pos());
    }
}

QString Main::CurrentRowCell(int column) const {
    return Grid->TextMatrix(Grid->Row(), column);
}

} // namespace tvx
