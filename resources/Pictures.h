// The pictures held in the program: the start picture and the program icon.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

// Decodes JPEG data with libjpeg. A null image when the data are not a
// complete, readable JPEG picture; never ends the program.
QImage DecodeJpeg(const QByteArray& data);

// The start picture of the main window: 270 x 220, the program's name on grey.
QImage StartPicture();

// The program icon in every size the program holds.
QIcon ProgramIcon();
