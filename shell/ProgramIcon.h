#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon, from the resource :/icons/qv-vantrel.png.
namespace ProgramIcon {

QIcon icon();
// What a screen reader says for a picture of the icon.
inline constexpr char SpokenName[] = QT_TRANSLATE_NOOP("ProgramIcon", "Program icon");
// The icon drawn at a square size in device-independent pixels.
QPixmap pixmap(int size);

} // namespace ProgramIcon
