#pragma once

#include <QColor>
#include <QMouseEvent>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

class QPainter;

namespace dawnrule {

// Fixed underlying type: a style read from elsewhere may hold any number, and one
// that is none of these draws no frame.
enum TFrameStyle : int { fsNone = 0, fsLowered = 1, fsRaised = 2 };
enum TProgressBarOrientation { pbHorizontal, pbVertical };

// A rectangle as the bar's drawing counts it: right and bottom exclusive.
struct TBarRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
};

// A progress bar: a value between Min and Max shown as one continuous filled area
// with a two-coloured caption, or as a row of blocks (Smooth), inside an optional
// outer 3D edge, a plain border of BorderWidth rings and an optional inner 3D edge.
// It paints every pixel of its bounds. The caption shows Position itself (not a
// percentage), with Decimals digits, a blank and TextUnit.
//
// Setters do nothing for an equal value. Most request a deferred repaint; Max and
// Position repaint at once, and Min reports OnChange and then repaints at once, so a
// caller that never returns to the event loop still sees the bar move. No setter
// clamps: Position may lie outside Min..Max.
//
// Every move or resize sets Orientation from the shape (vertical when higher than
// wide); a value set by hand lasts until the next change of the bounds.
//
// The rightmost 12 pixels hand their mouse events to the parent widget.
//
// System colours come from the widget's palette:
//   highlight (BarColor's default)        QPalette::Highlight
//   button face (BorderColor's default)   QPalette::Button
//   button text                           QPalette::ButtonText
//   button highlight                      QPalette::Light
//   button shadow                         QPalette::Dark
//   the font's colour (block captions)    the foreground role, QPalette::WindowText
//
// This class holds the state and the drawing; TPieProgressBar publishes it.
class TPieCustomProgressBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 200;
    static constexpr int kDefaultHeight = 24;
    static constexpr int kParentStripWidth = 12;

    explicit TPieCustomProgressBar(QWidget* parent = nullptr);
    ~TPieCustomProgressBar() override;

    // Applies the bounds, then sets Orientation from the new shape, also when the
    // bounds do not change.
    void SetBounds(int left, int top, int width, int height);

    // The caption the bar draws now: Position with Decimals digits, a blank and
    // TextUnit, or empty without ShowText.
    QString Caption() const;

signals:
    // From the Min setter only (DoChange), with the current position.
    void OnChange(dawnrule::TPieCustomProgressBar* sender, double position);
    // Mouse events outside the parent's strip.
    void OnClick(dawnrule::TPieCustomProgressBar* sender);
    void OnDblClick(dawnrule::TPieCustomProgressBar* sender);
    void OnMouseDown(dawnrule::TPieCustomProgressBar* sender, QMouseEvent* event);
    void OnMouseMove(dawnrule::TPieCustomProgressBar* sender, QMouseEvent* event);
    void OnMouseUp(dawnrule::TPieCustomProgressBar* sender, QMouseEvent* event);

protected:
    QColor BackColor() const { return FBackColor; }
    void setBackColor(const QColor& color);
    // BarColor and BorderColor: an invalid colour stands for the system colour named
    // above; the getters return the colour drawn.
    QColor BarColor() const;
    void setBarColor(const QColor& color);
    std::uint8_t Decimals() const { return FDecimals; }
    void setDecimals(std::uint8_t decimals);
    // True draws blocks, false the continuous bar.
    bool Smooth() const { return FSmooth; }
    void setSmooth(bool smooth);
    // Kept and repainted for, but the drawing does not use it.
    int BevelWidth() const { return FBevelWidth; }
    void setBevelWidth(int width);
    QColor BorderColor() const;
    void setBorderColor(const QColor& color);
    TFrameStyle BorderInner() const { return FBorderInner; }
    void setBorderInner(TFrameStyle style);
    TFrameStyle BorderOuter() const { return FBorderOuter; }
    void setBorderOuter(TFrameStyle style);
    int BorderWidth() const { return FBorderWidth; }
    void setBorderWidth(int width);
    // The block drawing may change it (without a repaint request) to fit the length.
    std::uint8_t NumSegments() const { return FNumSegments; }
    void setNumSegments(std::uint8_t count);
    TProgressBarOrientation Orientation() const;
    void setOrientation(TProgressBarOrientation orientation);
    double Position() const { return FPosition; }
    void setPosition(double position);
    double Min() const { return FMin; }
    void setMin(double min);
    double Max() const { return FMax; }
    void setMax(double max);
    bool ShowText() const { return FShowText; }
    void setShowText(bool show);
    QString TextUnit() const { return FTextUnit; }
    void setTextUnit(const QString& unit);
    // A plain value: nothing in the bar uses it.
    double Step() const { return FStep; }
    void setStep(double step) { FStep = step; }

    // Reports OnChange with the current position.
    virtual void DoChange();

    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    // n one-pixel rings along the inside of r: left and top edges in topLeft, then
    // right and bottom edges in bottomRight (which so takes the top-right and
    // bottom-left corners). Returns r shrunk by n on each side.
    static TBarRect DrawRings(QPainter& painter, TBarRect r, int n, const QColor& topLeft,
                              const QColor& bottomRight);
    // A lowered or raised 3D edge of two rings; returns r shrunk by 2 on each side, or
    // r unchanged for fsNone (and any other value), which draws nothing.
    TBarRect DrawFrameStyle(QPainter& painter, TBarRect r, TFrameStyle style) const;
    void PaintContinuous(QPainter& painter, const TBarRect& r, const QString& caption);
    void PaintSegments(QPainter& painter, const TBarRect& r, const QString& caption);

private:
    // Re-derives Orientation when the bounds differ from those it was last derived
    // from. Qt holds back the resize and move events of a hidden widget until it is
    // shown; the getters and setters catch up here, so a resize is seen at once.
    void FollowBounds();
    void DeriveOrientation();
    bool InParentStrip(const QMouseEvent* event) const;
    // Percentage of Position between Min and Max; 0 for Max equal to Min.
    double Percent() const;
    // The caption laid out in the painter's font.
    class CaptionGlyphs;
    const CaptionGlyphs& CaptionLayout(const QPainter& painter, const QString& caption);

    QColor FBackColor{255, 255, 255};
    QColor FBarColor;  // invalid: the palette's highlight
    std::uint8_t FDecimals = 2;
    bool FSmooth = false;
    int FBevelWidth = 1;
    QColor FBorderColor;  // invalid: the palette's button face
    TFrameStyle FBorderInner = fsNone;
    TFrameStyle FBorderOuter = fsLowered;
    int FBorderWidth = 0;
    std::uint8_t FNumSegments = 20;
    TProgressBarOrientation FOrientation = pbHorizontal;
    double FPosition = 0;
    double FMin = 0;
    double FMax = 100;
    bool FShowText = true;
    QString FTextUnit = QStringLiteral("%");
    double FStep = 1;

    QRect FDerivedBounds;  // the bounds Orientation was last derived from
    bool FPressed = false;
    std::unique_ptr<CaptionGlyphs> FCaptionGlyphs;
};

// The progress bar with every property published.
class TPieProgressBar : public TPieCustomProgressBar {
    Q_OBJECT
public:
    using TPieCustomProgressBar::TPieCustomProgressBar;

    using TPieCustomProgressBar::BackColor;
    using TPieCustomProgressBar::setBackColor;
    using TPieCustomProgressBar::BarColor;
    using TPieCustomProgressBar::setBarColor;
    using TPieCustomProgressBar::Smooth;
    using TPieCustomProgressBar::setSmooth;
    using TPieCustomProgressBar::BevelWidth;
    using TPieCustomProgressBar::setBevelWidth;
    using TPieCustomProgressBar::BorderColor;
    using TPieCustomProgressBar::setBorderColor;
    using TPieCustomProgressBar::BorderInner;
    using TPieCustomProgressBar::setBorderInner;
    using TPieCustomProgressBar::BorderOuter;
    using TPieCustomProgressBar::setBorderOuter;
    using TPieCustomProgressBar::BorderWidth;
    using TPieCustomProgressBar::setBorderWidth;
    using TPieCustomProgressBar::Decimals;
    using TPieCustomProgressBar::setDecimals;
    using TPieCustomProgressBar::Max;
    using TPieCustomProgressBar::setMax;
    using TPieCustomProgressBar::Min;
    using TPieCustomProgressBar::setMin;
    using TPieCustomProgressBar::NumSegments;
    using TPieCustomProgressBar::setNumSegments;
    using TPieCustomProgressBar::Orientation;
    using TPieCustomProgressBar::setOrientation;
    using TPieCustomProgressBar::Position;
    using TPieCustomProgressBar::setPosition;
    using TPieCustomProgressBar::ShowText;
    using TPieCustomProgressBar::setShowText;
    using TPieCustomProgressBar::TextUnit;
    using TPieCustomProgressBar::setTextUnit;
    using TPieCustomProgressBar::Step;
    using TPieCustomProgressBar::setStep;
};

} // namespace dawnrule
