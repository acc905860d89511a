#pragma once

#include <QColor>

/// A stored colour: red in the low byte, then green, then blue. Values with the high bit set name one of the
/// desktop's own colours (0x8000000F is the button face) and follow the desktop's palette.
QColor colourFromStored(qint32 stored);
qint32 colourToStored(const QColor& colour);
