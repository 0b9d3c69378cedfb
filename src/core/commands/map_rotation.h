#pragma once
// The maps page's and the map rotation frame's rules: which preview a list item shows, the rotation text
// built one game-type and map pair at a time, and the rotation as it is sent.
#include <QString>
#include <QStringList>

namespace tvx {

// The thirteen map names, in the lists' order.
const QStringList& mapNames();

inline const QString kCustomMap = QStringLiteral("Custom Map");
// The chosen-map caption while no map has been chosen.
inline const QString kNoMapChosen = QStringLiteral("Select a map");

// What a selection in the map list does to the stacked previews.
enum class PreviewChange {
    ShowMap,     // that map's picture alone
    Keep,        // "Custom Map": the pictures stay as they are
    ShowDefault, // no item: the default picture alone
};
PreviewChange previewFor(const QString& item);

// "gametype " + type + " map " + map, appended after one blank when the text already holds something.
QString rotationWithEntry(const QString& text, const QString& map, const QString& gameType);

// The rotation between two quotes. The server reads a request only up to its first line break, so each
// CR LF, CR or LF goes as one blank; everything else is sent as typed.
QString rotationBetweenQuotes(const QString& quote, const QString& text);

// Why "Send" keeps a (non-empty) rotation back.
enum class RotationRefusal {
    None,
    Quote,   // a '"' would end the quoted value early, and the rest would be read as more of the command
    TooLong, // the command, with the header and the rcon password, does not fit in one datagram
};
// `quote` is what the rotation is put between, `password` the rcon password the command leaves with.
RotationRefusal rotationRefusal(const QString& text, const QString& quote, const QString& password);
// The box shown for a refusal (empty for None), under kBoxTitle.
QString rotationRefusalText(RotationRefusal refusal);

} // namespace tvx
