#include "controls/pie_progress_bar.h"

#include "controls/format_real.h"

#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace dawnrule {

namespace {

constexpr double kFull = 100;              // percent of a full bar
constexpr int kFewSegmentsLength = 80;     // block drawing: at most this long ...
constexpr std::uint8_t kFewSegments = 10;  // ... shows at most this many blocks

bool IsEmpty(const TBarRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

void Fill(QPainter& painter, const TBarRect& r, const QColor& color)
{
    if (!IsEmpty(r))
        painter.fillRect(r.ToQRect(), color);
}

TBarRect Shrunk(const TBarRect& r, int by)
{
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// Nearest integer, halves to the even neighbour (97.5 gives 98, 96.5 gives 96).
int RoundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0))
        rounded += 1;
    return static_cast<int>(rounded);
}

} // namespace

// The caption as glyph runs, so that a repaint shapes no text (shaping costs ten times
// the rest of a repaint, and the Routes batch repaints once per stop). The characters
// of the number, up to the first blank after it, are laid out one by one once per font
// and set side by side: a number's digits, point, sign and exponent have no kerning
// or ligatures between them. The rest, the blank and TextUnit, is laid out once per
// text. Glyph positions are relative to the left end of the baseline.
class TPieCustomProgressBar::CaptionGlyphs {
public:
    void Update(const QFont& font, const QString& caption)
    {
        if (font != FFont) {
            FFont = font;
            FChars.clear();
            FTailText.clear();
            FTail = LayOut(FTailText, FFont);
            FCaption.clear();
        }
        if (caption == FCaption && !FCaption.isNull())
            return;
        FCaption = caption;
        qsizetype split = 0;
        while (split < caption.size() && caption.at(split) == QLatin1Char(' '))
            ++split;  // the number's field padding
        while (split < caption.size() && caption.at(split) != QLatin1Char(' '))
            ++split;
        const QString tail = caption.mid(split);
        if (tail != FTailText) {
            FTailText = tail;
            FTail = LayOut(FTailText, FFont);
        }

        FNumber.clear();
        qreal x = 0;
        for (qsizetype i = 0; i < split; ++i) {
            const char16_t c = caption.at(i).unicode();
            auto found = FChars.find(c);
            if (found == FChars.end())
                found = FChars.insert(c, LayOut(QString(QChar(c)), FFont));
            for (const QGlyphRun& run : found->runs)
                Append(run, x);
            x += found->width;
        }
        FNumberWidth = x;
        FWidth = qRound(x + FTail.width);
    }

    // The advance of the whole caption in whole pixels.
    int Width() const { return FWidth; }

    void Draw(QPainter& painter, const QPoint& baselineLeft) const
    {
        for (const QGlyphRun& run : FNumber)
            painter.drawGlyphRun(baselineLeft, run);
        const QPointF tailStart = QPointF(baselineLeft) + QPointF(FNumberWidth, 0);
        for (const QGlyphRun& run : FTail.runs)
            painter.drawGlyphRun(tailStart, run);
    }

private:
    struct Laid {
        QList<QGlyphRun> runs;
        qreal width = 0;
    };

    static Laid LayOut(const QString& text, const QFont& font)
    {
        Laid laid;
        if (text.isEmpty())
            return laid;
        QTextLayout layout(text, font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(kLineWidth);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        laid.width = line.horizontalAdvance();
        const QPointF toBaseline(0, -line.ascent());
        for (QGlyphRun run : layout.glyphRuns()) {
            QList<QPointF> positions = run.positions();
            for (QPointF& p : positions)
                p += toBaseline;
            run.setPositions(positions);
            laid.runs.append(run);
        }
        return laid;
    }

    // Adds `run` moved right by x to the number, into the last run when the font is
    // the same.
    void Append(const QGlyphRun& run, qreal x)
    {
        const QList<QPointF> positions = run.positions();
        if (FNumber.isEmpty() || FNumber.last().rawFont() != run.rawFont()) {
            FNumber.append(run);
            FNumber.last().setGlyphIndexes({});
            FNumber.last().setPositions({});
        }
        QGlyphRun& last = FNumber.last();
        QList<quint32> indexes = last.glyphIndexes();
        QList<QPointF> moved = last.positions();
        indexes.append(run.glyphIndexes());
        for (const QPointF& p : positions)
            moved.append(p + QPointF(x, 0));
        last.setGlyphIndexes(indexes);
        last.setPositions(moved);
    }

    static constexpr qreal kLineWidth = 1e6;  // no wrapping

    QFont FFont;
    QString FCaption;
    QHash<char16_t, Laid> FChars;
    QString FTailText;
    Laid FTail;
    QList<QGlyphRun> FNumber;
    qreal FNumberWidth = 0;
    int FWidth = 0;
};

TPieCustomProgressBar::TPieCustomProgressBar(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kDefaultWidth, kDefaultHeight);
    DeriveOrientation();
}

TPieCustomProgressBar::~TPieCustomProgressBar() = default;

void TPieCustomProgressBar::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    DeriveOrientation();
}

QString TPieCustomProgressBar::Caption() const
{
    if (!FShowText)
        return QString();
    return QString::fromStdString(FormatReal(FPosition, FDecimals, FDecimals)) + QLatin1Char(' ') + FTextUnit;
}

void TPieCustomProgressBar::setBackColor(const QColor& color)
{
    if (color == FBackColor)
        return;
    FBackColor = color;
    update();
}

QColor TPieCustomProgressBar::BarColor() const
{
    return FBarColor.isValid() ? FBarColor : palette().color(QPalette::Highlight);
}

void TPieCustomProgressBar::setBarColor(const QColor& color)
{
    if (color == FBarColor)
        return;
    FBarColor = color;
    update();
}

void TPieCustomProgressBar::setDecimals(std::uint8_t decimals)
{
    if (decimals == FDecimals)
        return;
    FDecimals = decimals;
    update();
}

void TPieCustomProgressBar::setSmooth(bool smooth)
{
    if (smooth == FSmooth)
        return;
    FSmooth = smooth;
    update();
}

void TPieCustomProgressBar::setBevelWidth(int width)
{
    if (width == FBevelWidth)
        return;
    FBevelWidth = width;
    update();
}

QColor TPieCustomProgressBar::BorderColor() const
{
    return FBorderColor.isValid() ? FBorderColor : palette().color(QPalette::Button);
}

void TPieCustomProgressBar::setBorderColor(const QColor& color)
{
    if (color == FBorderColor)
        return;
    FBorderColor = color;
    update();
}

void TPieCustomProgressBar::setBorderInner(TFrameStyle style)
{
    if (style == FBorderInner)
        return;
    FBorderInner = style;
    update();
}

void TPieCustomProgressBar::setBorderOuter(TFrameStyle style)
{
    if (style == FBorderOuter)
        return;
    FBorderOuter = style;
    update();
}

void TPieCustomProgressBar::setBorderWidth(int width)
{
    if (width == FBorderWidth)
        return;
    FBorderWidth = width;
    update();
}

void TPieCustomProgressBar::setNumSegments(std::uint8_t count)
{
    if (count == FNumSegments)
        return;
    FNumSegments = count;
    update();
}

TProgressBarOrientation TPieCustomProgressBar::Orientation() const
{
    // Catching up with a resize changes the stored value, as the resize would have.
    const_cast<TPieCustomProgressBar*>(this)->FollowBounds();
    return FOrientation;
}

void TPieCustomProgressBar::setOrientation(TProgressBarOrientation orientation)
{
    FollowBounds();  // a resize made before this call is older than the value set here
    if (orientation == FOrientation)
        return;
    FOrientation = orientation;
    update();
}

void TPieCustomProgressBar::setPosition(double position)
{
    if (position == FPosition)
        return;
    FPosition = position;
    repaint();
}

void TPieCustomProgressBar::setMin(double min)
{
    if (min == FMin)
        return;
    FMin = min;
    DoChange();
    repaint();
}

void TPieCustomProgressBar::setMax(double max)
{
    if (max == FMax)
        return;
    FMax = max;
    repaint();
}

void TPieCustomProgressBar::setShowText(bool show)
{
    if (show == FShowText)
        return;
    FShowText = show;
    update();
}

void TPieCustomProgressBar::setTextUnit(const QString& unit)
{
    if (unit == FTextUnit)
        return;
    FTextUnit = unit;
    update();
}

void TPieCustomProgressBar::DoChange()
{
    emit OnChange(this, FPosition);
}

void TPieCustomProgressBar::FollowBounds()
{
    if (geometry() != FDerivedBounds)
        DeriveOrientation();
}

void TPieCustomProgressBar::DeriveOrientation()
{
    FDerivedBounds = geometry();
    setOrientation(height() > width() ? pbVertical : pbHorizontal);
}

void TPieCustomProgressBar::moveEvent(QMoveEvent* event)
{
    FollowBounds();
    QWidget::moveEvent(event);
}

void TPieCustomProgressBar::resizeEvent(QResizeEvent* event)
{
    FollowBounds();
    QWidget::resizeEvent(event);
}

double TPieCustomProgressBar::Percent() const
{
    // Max equal to Min has no percentage; the bar is drawn empty.
    if (FMax == FMin)
        return 0;
    return (FPosition - FMin) / (FMax - FMin) * kFull;
}

void TPieCustomProgressBar::paintEvent(QPaintEvent*)
{
    FollowBounds();
    QPainter painter(this);
    painter.setFont(font());
    TBarRect r{0, 0, width(), height()};
    r = DrawFrameStyle(painter, r, FBorderOuter);
    if (FBorderWidth > 0) {
        const QColor border = BorderColor();
        r = DrawRings(painter, r, FBorderWidth, border, border);
    }
    r = DrawFrameStyle(painter, r, FBorderInner);
    const QString caption = Caption();
    if (FSmooth)
        PaintSegments(painter, r, caption);
    else
        PaintContinuous(painter, r, caption);
}

TBarRect TPieCustomProgressBar::DrawRings(QPainter& painter, TBarRect r, int n, const QColor& topLeft,
                                          const QColor& bottomRight)
{
    // Rings that no longer fit inside r draw nothing but still take their pixel.
    int ring = 0;
    for (; ring < n && !IsEmpty(r); ++ring) {
        Fill(painter, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
        Fill(painter, {r.left, r.top, r.right, r.top + 1}, topLeft);
        Fill(painter, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
        Fill(painter, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
        r = Shrunk(r, 1);
    }
    return Shrunk(r, n - ring);
}

TBarRect TPieCustomProgressBar::DrawFrameStyle(QPainter& painter, TBarRect r, TFrameStyle style) const
{
    const QPalette& colors = palette();
    const QColor face = colors.color(QPalette::Button);
    const QColor text = colors.color(QPalette::ButtonText);
    const QColor light = colors.color(QPalette::Light);
    const QColor shadow = colors.color(QPalette::Dark);
    switch (style) {
    case fsRaised:
        r = DrawRings(painter, r, 1, face, text);
        return DrawRings(painter, r, 1, light, shadow);
    case fsLowered:
        r = DrawRings(painter, r, 1, shadow, light);
        return DrawRings(painter, r, 1, text, face);
    case fsNone:
        break;
    }
    return r;
}

void TPieCustomProgressBar::PaintContinuous(QPainter& painter, const TBarRect& r, const QString& caption)
{
    const double p = Percent();
    const bool vertical = FOrientation == pbVertical;
    TBarRect f = r;
    if (p < kFull) {
        // Below Min (and for Max equal to Min) nothing is filled.
        const bool some = p > 0;
        if (vertical)
            f.top = r.bottom - (some ? RoundHalfEven(r.Height() * p / kFull) : 0);
        else
            f.right = r.left + (some ? RoundHalfEven(r.Width() * p / kFull) : 0);
    }
    const TBarRect e = vertical ? TBarRect{r.left, r.top, r.right, f.top}
                                : TBarRect{f.right, r.top, r.right, r.bottom};

    const CaptionGlyphs& text = CaptionLayout(painter, caption);
    const QFontMetrics metrics = painter.fontMetrics();
    const int th = metrics.height();
    const int y = r.top + (r.Height() - th) / 2;
    const int x = r.right / 2;
    const QPoint baselineLeft(x - text.Width() / 2, y + metrics.ascent());

    // The caption in BackColor over the filled part, in BarColor over the rest; the
    // two halves join where the fill ends.
    const auto paintPart = [&](const TBarRect& part, const QColor& fill, const QColor& ink) {
        if (IsEmpty(part))
            return;
        Fill(painter, part, fill);
        if (caption.isEmpty())
            return;
        painter.save();
        painter.setClipRect(part.ToQRect());
        painter.setPen(ink);
        text.Draw(painter, baselineLeft);
        painter.restore();
    };
    const QColor bar = BarColor();
    paintPart(f, bar, FBackColor);
    paintPart(e, FBackColor, bar);
}

void TPieCustomProgressBar::PaintSegments(QPainter& painter, const TBarRect& r, const QString& caption)
{
    const double p = Percent();
    const bool vertical = FOrientation == pbVertical;
    const QColor bar = BarColor();
    const QColor back = FBackColor;

    const int len = vertical ? r.Height() : r.Width();
    int s = FNumSegments > 0 ? len / FNumSegments : 0;
    if (len <= kFewSegmentsLength && FNumSegments > kFewSegments) {
        FNumSegments = kFewSegments;  // kept, without a repaint request
        s = len / kFewSegments;
    }
    if (s < 1) {
        // Blocks shorter than a pixel (or no blocks at all): an empty bar.
        Fill(painter, r, back);
    } else {
        const int extra = (len - s * FNumSegments) / s;
        if (extra > 0)
            FNumSegments = static_cast<std::uint8_t>(FNumSegments + extra);  // 8 bits: wraps
        const int count = FNumSegments;
        const int m = (len - s * count) / 2;

        if (vertical) {
            Fill(painter, {r.left, r.top, r.right, r.top + m}, back);
            Fill(painter, {r.left, r.bottom - m - 1, r.right, r.bottom}, back);
        } else {
            Fill(painter, {r.left, r.top, r.left + m, r.bottom}, back);
            Fill(painter, {r.right - m - 1, r.top, r.right, r.bottom}, back);
        }

        // Only blocks 1..count are drawn: all filled above Max, none below Min.
        const double wanted = count * p / kFull;
        const int filled = wanted > 0 ? static_cast<int>(std::min<double>(wanted, count)) : 0;
        for (int k = 1; k <= count; ++k) {
            const TBarRect block = vertical
                ? TBarRect{r.left, r.top + m + (count - k) * s, r.right, r.top + m + (count - k + 1) * s}
                : TBarRect{r.left + m + (k - 1) * s, r.top, r.left + m + k * s, r.bottom};
            // A one-pixel outline in BackColor around the fill.
            Fill(painter, block, back);
            if (k <= filled)
                Fill(painter, Shrunk(block, 1), bar);
        }
    }

    if (!caption.isEmpty()) {
        const CaptionGlyphs& text = CaptionLayout(painter, caption);
        const int th = painter.fontMetrics().height();
        const int x = r.Width() / 2;
        const int y = (th + r.Height()) / 2 + r.top;
        painter.setPen(palette().color(foregroundRole()));
        text.Draw(painter, QPoint(x - text.Width() / 2, y));
    }
}

const TPieCustomProgressBar::CaptionGlyphs& TPieCustomProgressBar::CaptionLayout(const QPainter& painter,
                                                                                const QString& caption)
{
    if (!FCaptionGlyphs)
        FCaptionGlyphs = std::make_unique<CaptionGlyphs>();
    FCaptionGlyphs->Update(painter.font(), caption);
    return *FCaptionGlyphs;
}

bool TPieCustomProgressBar::InParentStrip(const QMouseEvent* event) const
{
    const int x = qFloor(event->position().x());
    const int y = qFloor(event->position().y());
    return x >= width() - kParentStripWidth && x <= width() - 1 && y >= 0 && y <= height() - 1;
}

void TPieCustomProgressBar::mousePressEvent(QMouseEvent* event)
{
    if (InParentStrip(event)) {
        FPressed = false;
        event->ignore();  // Qt hands it on to the parent
        return;
    }
    FPressed = true;
    emit OnMouseDown(this, event);
}

void TPieCustomProgressBar::mouseReleaseEvent(QMouseEvent* event)
{
    const bool pressed = std::exchange(FPressed, false);
    if (InParentStrip(event)) {
        event->ignore();
        return;
    }
    emit OnMouseUp(this, event);
    if (pressed && rect().contains(event->position().toPoint()))
        emit OnClick(this);
}

void TPieCustomProgressBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (InParentStrip(event)) {
        event->ignore();
        return;
    }
    FPressed = false;  // the release that follows is no click of its own
    emit OnDblClick(this);
}

void TPieCustomProgressBar::mouseMoveEvent(QMouseEvent* event)
{
    if (InParentStrip(event)) {
        event->ignore();
        return;
    }
    emit OnMouseMove(this, event);
}

} // namespace dawnrule
