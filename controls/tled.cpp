#include "controls/tled.h"

#include <QEvent>
#include <QPainter>

namespace dawnrule {

namespace {

// Lives from the first LED's construction to the last one's destruction.
TLEDBitmap* SharedLEDBitmap = nullptr;

TLEDBitmap* CreateSharedBitmap()
{
    auto* shared = new TLEDBitmap;
    shared->bitmap = QImage(QStringLiteral(":/LED_PICS")).convertToFormat(QImage::Format_RGB32);
    shared->TransparentKey = shared->bitmap.pixelColor(0, shared->bitmap.height() - 1);
    return shared;
}

} // namespace

TLED::TLED(QWidget* parent)
    : QWidget(parent)
{
    if (!SharedLEDBitmap)
        SharedLEDBitmap = CreateSharedBitmap();
    SharedLEDBitmap->Instances.append(this);
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TLED::~TLED()
{
    SharedLEDBitmap->Instances.removeOne(this);
    if (SharedLEDBitmap->Instances.isEmpty()) {
        delete SharedLEDBitmap;
        SharedLEDBitmap = nullptr;
    }
}

const TLEDBitmap* TLED::SharedBitmap()
{
    return SharedLEDBitmap;
}

void TLED::setLit(bool lit)
{
    if (lit == FLit)
        return;
    FLit = lit;
    DrawState();
    emit OnChangeState(this);
}

void TLED::setColor(TLEDColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    DrawState();
    emit OnChangeState(this);
}

void TLED::DrawState()
{
    repaint();
}

QImage TLED::Cell(bool lit, int row, const QColor& background)
{
    Q_ASSERT(SharedLEDBitmap);
    QImage cell = SharedLEDBitmap->bitmap.copy((lit ? 1 : 0) * kWidth, row * kHeight, kWidth, kHeight);
    const QRgb key = SharedLEDBitmap->TransparentKey.rgb();
    const QRgb fill = background.rgb();
    for (int y = 0; y < cell.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < cell.width(); ++x) {
            if (line[x] == key)
                line[x] = fill;
        }
    }
    return cell;
}

QColor TLED::BackgroundColor() const
{
    const QWidget* p = parentWidget();
    return p ? p->palette().color(p->backgroundRole()) : palette().color(QPalette::Window);
}

void TLED::paintEvent(QPaintEvent*)
{
    const bool enabled = isEnabled();
    const bool lit = enabled && FLit;
    const int row = enabled ? static_cast<int>(FColor) : kDisabledRow;
    QPainter painter(this);
    painter.drawImage(0, 0, Cell(lit, row, BackgroundColor()));
}

void TLED::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        emit OnChangeState(this);
    QWidget::changeEvent(event);
}

} // namespace dawnrule
