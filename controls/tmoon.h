#pragma once

#include "astro/calendar.h"
#include "controls/moon_drawing.h"

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace dawnrule {

// The Moon as it looks on a date: a stored full-Moon picture in one of three sizes and
// two styles, its unlit part painted black for the phase of FDate, optionally turned,
// and with one red pixel on the first crewed landing site once the date is past the
// landing. Shown unstretched at the widget's top left.
//
// Every change of Date, MoonSize, or of MoonStyle and Rotation to a new value, redraws
// the whole picture from the resource (UpdatePicture); nothing is drawn incrementally.
// ShowApollo11 takes effect at the next redraw.
class TMoon : public QWidget {
    Q_OBJECT
public:
    // Draws the Moon of `now` (the local clock unless given) in ms64 msClassic.
    // ShowApollo11 reads true afterwards, but the picture drawn here carries no
    // landing-site pixel yet: the flag is set after the construction's last redraw.
    explicit TMoon(QWidget* owner = nullptr);
    TMoon(QWidget* owner, TDateTime now);
    ~TMoon() override;

    // The control never aligns itself in its parent: always empty.
    Qt::Alignment Align() const { return FAlign; }

    TMoonSize MoonSize() const { return FMoonSize; }
    // Resizes the control to the size's extent and redraws, also for the same size.
    void setMoonSize(TMoonSize size);

    TDateTime Date() const { return FDate; }
    // Computes the phase for the date and redraws, also for the same date.
    void setDate(TDateTime date);
    // True once Date has been written after construction: only then is it worth saving.
    bool DateSet() const { return FDateSet; }

    // The phase drawn: Normalize360 of the Moon's phase angle at Date, degrees in [0, 360).
    long double Phase() const { return FPhase; }

    TRotate Rotation() const { return FRotation; }
    void setRotation(TRotate rotation);

    bool ShowApollo11() const { return FShowApollo11; }
    void setShowApollo11(bool show) { FShowApollo11 = show; }

    TMoonStyle MoonStyle() const { return FMoonStyle; }
    void setMoonStyle(TMoonStyle style);

    // The picture shown, 32 bits per pixel.
    const QImage& Picture() const { return FPicture; }

    // The current picture as an icon of the desktop's large icon size (16, 32 or 64,
    // anything else taken as 32), transparent off the disc. Built on each call into
    // FIcon, which the control keeps owning; the shown picture does not change.
    const QIcon& Icon();

    QSize sizeHint() const override;

signals:
    // After every redraw of the picture.
    void PictureChanged();

protected:
    // Redraws the picture from the resource of MoonSize and MoonStyle: shadow and
    // landing site (DrawShadow), then the turn. Subclasses may extend it; during
    // construction this class's own version runs.
    virtual void UpdatePicture();

    // The red landing-site pixel of `row`, when ShowApollo11 is set and Date lies
    // strictly after the landing. canvas: 32 bits per pixel.
    void DrawLandingSite(QImage& canvas, const TMoonGeometry& row) const;

    // DrawLandingSite, then the shadow of Phase over the disc of `row`: a landing site on
    // the dark side is painted over. At the landing itself the site lay just inside the
    // terminator, so in the first hours after it every size paints it over.
    void DrawShadow(QImage& canvas, const TMoonGeometry& row) const;

    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Alignment FAlign;
    QImage FBitmap;      // the resource picture last loaded
    qint32 FWidth = 0;
    qint32 FHeight = 0;
    TMoonSize FMoonSize = ms64;
    long double FPhase = 0;
    TDateTime FDate = 0;
    bool FDateSet = false;
    QIcon FIcon;
    TRotate FRotation = rot_none;
    // Off, with no landing date, until the end of construction: the construction's own
    // redraws draw no landing site.
    bool FShowApollo11 = false;
    TDateTime FLandingDate = 0;
    TMoonStyle FMoonStyle = msClassic;
    QImage FPicture;     // what the control shows
};

// A local date and time as a TDateTime (days from 30 December 1899, the day's
// fraction after the point; the calendar of QDate).
TDateTime DateTimeOf(const QDateTime& moment);

// The local date and time as a TDateTime.
TDateTime CurrentDateTime();

// 20 July 1969, 20:17:43, the moment of the first crewed Moon landing, as a TDateTime.
TDateTime Apollo11LandingDate();

} // namespace dawnrule
