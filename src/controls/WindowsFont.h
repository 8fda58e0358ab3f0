#pragma once
// Fonts asked for the way the screens describe them: a face name and a cell
// height in pixels (ascent plus descent), as Windows font requests give it.

#include <QFont>
#include <QString>

namespace ostrel {

// The largest pixel size of face whose line height fits cellHeight.
QFont windowsFont(const QString& face, int cellHeight);

}  // namespace ostrel
