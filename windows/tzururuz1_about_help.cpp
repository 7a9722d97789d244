// The quick menu's Help and About entries.
#include "app/tzururuz1.h"

#include "windows/tabout.h"
#include "windows/thelp.h"

#include <QFrame>

namespace dawnrule {

void TZuruRuz1::SpeedButtonA6Click()
{
    if (Help)
        Help->exec();
    Panel3->hide();
}

void TZuruRuz1::SpeedButtonA7Click()
{
    if (About)
        About->exec();
    Panel3->hide();
}

} // namespace dawnrule
