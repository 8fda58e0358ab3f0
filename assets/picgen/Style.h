#pragma once
// The palette and type of every picture: a dark slate ground, teal (80, 168,
// 169) for what is chosen or highlighted, white text.

#include <QColor>
#include <QFont>

namespace ostrel::style {

inline const QColor kTeal{80, 168, 169};
inline const QColor kTealBright{118, 206, 207};
inline const QColor kTealDeep{34, 84, 86};
inline const QColor kGroundTop{16, 30, 36};
inline const QColor kGroundBottom{8, 15, 19};
inline const QColor kPanel{24, 42, 49};
inline const QColor kPanelEdge{58, 98, 104};
inline const QColor kText{255, 255, 255};
inline const QColor kSoftText{170, 198, 200};
inline const QColor kField{246, 250, 250};
inline const QColor kFieldEdge{80, 168, 169};
inline const QColor kButtonTop{44, 92, 95};
inline const QColor kButtonBottom{30, 64, 67};
inline const QColor kWarning{236, 92, 84};
inline const QColor kGood{112, 214, 120};
inline const QColor kStatic{147, 254, 124};   // the stick screen's green circle
inline const QColor kDynamic{254, 121, 124};  // its red circle
inline const QColor kSmallZone{121, 190, 255};

inline QFont arial(int pixelSize, bool bold = false) {
  QFont font("Arial");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace ostrel::style
