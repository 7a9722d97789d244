#include "locations/tuser.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "controls/cp1252_text.h"
#include "controls/fixed_text.h"
#include "controls/platform.h"
#include "controls/window_look.h"
#include "locations/city_record.h"
#include "locations/user_list.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

namespace dawnrule {

namespace {

constexpr const char* kInstructions[] = {
    "User entries must be in the form:",
    "town  N°dd.mm,W°-dd.mm",
    "town  N°dd.mm,E°dd.mm",
    "town  S°-dd.mm,W°-dd.mm",
    "town  S°-dd.mm,E°dd.mm",
    " ",
    "West/South must be preceeded",
    "by a minus sign.  Any number of",
    "spaces can be between a town",
    "and the degrees.",
    " ",
    "dd = degrees",
    "mm = minutes",
    "((.ss) seconds are not used)",
};

} // namespace

TUSER::TUSER(Platform& platform, QWidget* parent)
    : FixedDialog(kClientWidth, kClientHeight, parent)
    , m_platform(platform)
{
    setWindowTitle(QStringLiteral("USER List"));

    Label1 = MakeTextLabel(this, kInstructions, QPoint(6, 6));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(kClientWidth - 235 - 6, 6, 235, 234);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    CheckBox1 = new QCheckBox(QStringLiteral("Sort upon exit"), this);
    CheckBox1->setGeometry(6, 192, 150, 18);
    SpeedButton54 = MakeFlatButton(this, QStringLiteral("Save"), QRect(6, 216, 62, 23));
    SpeedButton1 = MakeFlatButton(this, QStringLiteral("Cancel"), QRect(80, 216, 62, 23));

    connect(SpeedButton54, &QToolButton::clicked, this, &TUSER::SpeedButton54Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TUSER::SpeedButton1Click);
}

QString TUSER::FilePath() const
{
    return m_platform.programFolder() + QStringLiteral("U.txt");
}

void TUSER::FormActivate()
{
    std::vector<std::string> lines;
    m_unreadable.reset();
    try {
        lines = ReadTextLines(FilePath().toStdString());
    } catch (const FileError& e) {
        // The editor keeps what it held. A missing file (a link to nowhere counts as
        // missing) is created by "Save"; one that is there but could not be read (a
        // FIFO, a device, a file too large) is never replaced by what the editor shows.
        const QString message = QString::fromStdString(e.what());
        if (QFileInfo::exists(FilePath()))
            m_unreadable = message;
        m_platform.showMessage(this, message);
        return;
    }
    QStringList text;
    for (const std::string& line : lines)
        text << FromCp1252(line);
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
}

void TUSER::SpeedButton54Click()
{
    if (m_unreadable) {
        m_platform.showMessage(this, *m_unreadable);
        return;  // the window stays open with the user's text
    }
    std::vector<std::string> lines = EditorLines(ToCp1252(Memo1->toPlainText()));
    for (std::string& line : lines)
        line = AddDegreeSigns(line);  // records typed without the degree key
    if (CheckBox1->isChecked())
        lines = SortUserLines(std::move(lines));
    try {
        WriteTextLines(FilePath().toStdString(), lines);
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
        return;  // the window stays open with the user's text
    }
    accept();
}

void TUSER::SpeedButton1Click()
{
    accept();
}

void TUSER::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

} // namespace dawnrule
