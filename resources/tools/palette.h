#pragma once

#include <QColor>

// The blue tint shared by the picture and the icon.
namespace palette {

inline const QColor lightCyan{192, 255, 255};
inline const QColor darkPocket{22, 52, 120};
inline const QColor lightPocket{120, 175, 230};
inline const QColor zeroPocket{40, 150, 130};
inline const QColor rimDark{10, 28, 70};
inline const QColor rimLight{70, 120, 190};
inline const QColor metalLight{235, 245, 255};
inline const QColor metalDark{90, 120, 165};

} // namespace palette
