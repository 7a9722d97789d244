#pragma once

#include <QFrame>
#include <QString>

#include <vector>

namespace dawnrule {

// The Routes window's legend: three lines in navy naming the truck-stop chains, with
// the letters that make up each chain's code in the stop labels (TS, TF, FJ, LV, PI,
// TA, PE, RG) drawn over them in maroon, and a fourth naming the marks that the times
// of "Local times" carry.
class RouteLegend : public QFrame {
    Q_OBJECT
public:
    struct Line {
        QString text;
        std::vector<int> codeLetters;  // positions in text drawn in maroon
    };

    explicit RouteLegend(QWidget* parent = nullptr);

    static const std::vector<Line>& Lines();
    // Where a character of a line is drawn, in the panel's coordinates.
    QRect LetterRect(int line, int position) const;
    // As high as its lines.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint LineOrigin(int line) const;  // left end of the line's baseline
};

} // namespace dawnrule
