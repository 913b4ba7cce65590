// The button and scan pictures in Pict/ beside the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace pixmora {

// Loads a picture of Pict/ by name. The name is matched without regard to case, because the
// program asks for some files under more than one spelling ("fill.bmp" and "Fill.bmp"). A missing
// or unreadable file gives a null pixmap.
QPixmap LoadPicture(const QString& programDir, const QString& name);

// A button picture with its double-size copy NAME@2x beside it where there is one, so that the
// button stays sharp on a dense screen.
QIcon LoadButtonIcon(const QString& programDir, const QString& name);

// Loads a picture by its full path, again matching the file name without regard to case.
QPixmap LoadPictureFile(const QString& path);

}  // namespace pixmora
