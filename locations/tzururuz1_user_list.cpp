// The quick menu's USER entries: the user list window and "Add to USER".
#include "app/tzururuz1.h"

#include "common/errors.h"
#include "controls/city_combo_box.h"
#include "controls/cp1252_text.h"
#include "controls/platform.h"
#include "locations/tuser.h"
#include "locations/user_list.h"

#include <QFrame>

namespace dawnrule {

void TZuruRuz1::SpeedButtonA2Click()
{
    if (User)
        User->exec();
    Panel3->hide();
}

void TZuruRuz1::SpeedButtonA3Click()
{
    const QString text = ComboBox2->text();
    const std::string line = ToCp1252(text);
    if (!text.isEmpty() && !IsRefusedUserEntry(line)) {
        const QString path = m_platform.programFolder() + QStringLiteral("U.txt");
        try {
            AppendUserLine(path.toStdString(), line);
        } catch (const FileError& e) {
            m_platform.showMessage(this, QString::fromStdString(e.what()));
            return;  // the panel stays open
        }
    }
    Panel3->hide();
}

} // namespace dawnrule
