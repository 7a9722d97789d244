#include "controls/fixed_text.h"

#include <QLabel>
#include <QStringList>

namespace dawnrule {

QFont FixedTextFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    // The desktop's sans-serif runs about 2 % wider than the 8-point system font the
    // lines were laid out for; this keeps the longest of them inside their windows.
    f.setLetterSpacing(QFont::PercentageSpacing, 98);
    return f;
}

QLabel* MakeTextLabel(QWidget* parent, std::span<const char* const> lines, QPoint topLeft)
{
    QStringList text;
    for (const char* line : lines)
        text << QString::fromUtf8(line);
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setText(text.join(QLatin1Char('\n')));
    label->move(topLeft);
    label->adjustSize();
    return label;
}

} // namespace dawnrule
