#pragma once
// How much room a text takes on paper, in points, whatever the screen's resolution: texts are
// measured as the PDF writer will set them, so a word wraps at the same place in the page
// model, the PDF, the printer and the preview.

#include "report/page.h"

#include <QFont>
#include <QString>

namespace report
{

// The desktop font a printed text is set in, at its point size.
QFont qtFont(const PrintFont& font);

// The height of `text` wrapped at words into `width` points.
qreal wrappedHeight(const QString& text, const PrintFont& font, qreal width);
// The height of one line of the font.
qreal lineHeight(const PrintFont& font);

} // namespace report
