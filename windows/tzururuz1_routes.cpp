// The main window's "Routes" button: the Routes window takes the main window's place
// while it is open, and gives it back when it closes (TRoutes::FormClose).
#include "app/tzururuz1.h"

#include "windows/troutes.h"

namespace dawnrule {

void TZuruRuz1::SpeedButton58Click()
{
    if (!Routes)
        return;
    RoutesReturnPlace = pos();
    hide();
    Routes->exec();
}

} // namespace dawnrule
