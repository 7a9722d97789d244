#pragma once

#include <QFont>
#include <QPoint>

#include <span>

class QLabel;
class QWidget;

namespace dawnrule {

// The static texts of the About and Help windows: plain text in the dialogs' 8-point
// sans-serif (11 pixels at 96 dots per inch), one label per block of lines, sized to
// its text and placed by its top left corner.
QFont FixedTextFont();

// A label holding `lines` (UTF-8), one under the other, exactly as given: blanks are
// kept, nothing is wrapped or read as markup.
QLabel* MakeTextLabel(QWidget* parent, std::span<const char* const> lines, QPoint topLeft);

} // namespace dawnrule
