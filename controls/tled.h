#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>

namespace dawnrule {

enum TLEDColor { lcRed = 0, lcGreen = 1, lcYellow = 2 };

class TLED;

// What all LEDs share: the cell bitmap "LED_PICS" and the list of live LEDs.
struct TLEDBitmap {
    QImage bitmap;
    QList<TLED*> Instances;  // not owned
    QColor TransparentKey;   // the bitmap's bottom-left pixel
};

// A round indicator lamp, 12 x 13 pixels, lit or unlit in red, green or yellow, or
// greyed out while disabled. The teal corners (and the disabled body) show the
// parent's background.
class TLED : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 12;
    static constexpr int kHeight = 13;
    static constexpr int kDisabledRow = 3;

    explicit TLED(QWidget* parent = nullptr);
    ~TLED() override;

    bool Lit() const { return FLit; }
    void setLit(bool lit);
    TLEDColor Color() const { return FColor; }
    void setColor(TLEDColor color);

    // Redraws the current cell at once.
    virtual void DrawState();

    // The cell (lit, row) of the shared bitmap with its transparent pixels filled
    // with `background`.
    static QImage Cell(bool lit, int row, const QColor& background);

    // The shared bitmap, or nullptr while no LED exists.
    static const TLEDBitmap* SharedBitmap();

signals:
    void OnChangeState(dawnrule::TLED* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor BackgroundColor() const;

    bool FLit = false;
    TLEDColor FColor = lcRed;
};

} // namespace dawnrule
