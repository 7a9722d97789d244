#include "controls/city_combo_box.h"
#include "locations/tuser.h"
#include "common/text_file.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

#include <sys/stat.h>

namespace dawnrule::test {
namespace {

const QByteArray kZion = "Zion  N\xB0" "37.12,W\xB0-113.00";
const QByteArray kApple = "apple  N\xB0" "40.00,W\xB0-80.00";
const QByteArray kMobile = "Mobile  N\xB0" "30.41,W\xB0-88.02";

class UserList : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WriteParm(Lines({"100000000000", "0", "-1", "0", "0", "0", "0"}));
    }
    TUSER* User() const { return &windows->user; }
    QString UserPath() const { return platform.folder + QStringLiteral("U.txt"); }
    void WriteUser(const QByteArray& bytes)
    {
        QFile f(UserPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray ReadUser() const
    {
        QFile f(UserPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    // Opens the window as the quick menu does and runs `act` on it while it is shown.
    void WhileOpen(const std::function<void()>& act)
    {
        ModalWatchdog::OnNextModal([act](QWidget*) { act(); });
        window->SpeedButtonA2Click();
    }
};

TEST_F(UserList, WindowHoldsTheInstructionsLineByLine)
{
    Open();
    EXPECT_EQ(User()->windowTitle(), "USER List");
    EXPECT_EQ(User()->size(), QSize(407, 247));
    EXPECT_FALSE(User()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Parts(*User()).Memo1->size(), QSize(235, 234));
    EXPECT_EQ(Parts(*User()).Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Parts(*User()).CheckBox1->text(), "Sort upon exit");
    EXPECT_FALSE(Parts(*User()).CheckBox1->isChecked());
    EXPECT_EQ(Parts(*User()).SpeedButton54->text(), "Save");
    EXPECT_EQ(Parts(*User()).SpeedButton1->text(), "Cancel");
    const QStringList expected = {
        "User entries must be in the form:", "town  N°dd.mm,W°-dd.mm", "town  N°dd.mm,E°dd.mm",
        "town  S°-dd.mm,W°-dd.mm", "town  S°-dd.mm,E°dd.mm", " ", "West/South must be preceeded",
        "by a minus sign.  Any number of", "spaces can be between a town", "and the degrees.", " ",
        "dd = degrees", "mm = minutes", "((.ss) seconds are not used)",
    };
    EXPECT_EQ(Parts(*User()).Label1->text().split(QLatin1Char('\n')), expected);
    // The text stands whole left of the editor and above the check box.
    const QRect text(Parts(*User()).Label1->pos(), Parts(*User()).Label1->sizeHint());
    EXPECT_LT(text.right(), Parts(*User()).Memo1->x()) << text.right();
    EXPECT_LT(text.bottom(), Parts(*User()).CheckBox1->y()) << text.bottom();
    EXPECT_GE(text.left(), 0);
}

TEST_F(UserList, SaveWithSortWritesOnceInOrder)
{
    WriteUser(kZion + "\r\n" + kApple + "\r\n\r\n" + kMobile + "\r\n");
    Open();
    WhileOpen([this] {
        EXPECT_EQ(Parts(*User()).Memo1->toPlainText().count(QLatin1Char('\n')), 3);
        Parts(*User()).CheckBox1->setChecked(true);
        Parts(*User()).SpeedButton54->click();
    });
    EXPECT_FALSE(User()->isVisible());
    EXPECT_EQ(ReadUser(), "\r\n" + kApple + "\r\n" + kMobile + "\r\n" + kZion + "\r\n");
    EXPECT_TRUE(QDir(platform.folder).entryList({QStringLiteral("U.txt.*")}).isEmpty());
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());
}

TEST_F(UserList, EditsSurviveByteForByteAndTheEmptyLastLineIsDropped)
{
    WriteUser(kMobile + "\r\n");
    Open();
    WhileOpen([this] {
        Parts(*User()).Memo1->appendPlainText(QString::fromUtf8("Fa\u00E7ade  N\u00B045.00,E\u00B012.00\n"));
        Parts(*User()).SpeedButton54->click();
    });
    EXPECT_EQ(ReadUser(), kMobile + "\r\nFa\xE7" "ade  N\xB0" "45.00,E\xB0" "12.00\r\n");
}

// A US keyboard has no degree key: a record typed without the signs is saved with them.
TEST_F(UserList, SaveWritesTheDegreeSignsIntoRecordsTypedWithout)
{
    WriteUser(kMobile + "\r\n");
    Open();
    WhileOpen([this] {
        Parts(*User()).Memo1->appendPlainText(QStringLiteral("My yard  N37.15,W-94.45\nRoute N12 north\nBy the N30,W-88 sign x"));
        Parts(*User()).SpeedButton54->click();
    });
    EXPECT_EQ(ReadUser(), kMobile + "\r\nMy yard  N\xB0" "37.15,W\xB0-94.45\r\nRoute N12 north\r\nBy the N30,W-88 sign x\r\n");
}

TEST_F(UserList, CancelKeepsTheFileAndTheNextOpeningShowsIt)
{
    WriteUser(kMobile + "\r\n");
    Open();
    WhileOpen([this] {
        Parts(*User()).Memo1->setPlainText(QStringLiteral("discarded"));
        Parts(*User()).SpeedButton1->click();
    });
    EXPECT_EQ(ReadUser(), kMobile + "\r\n");
    WhileOpen([this] {
        EXPECT_EQ(Parts(*User()).Memo1->toPlainText(), QString::fromUtf8("Mobile  N\u00B030.41,W\u00B0-88.02"));
        User()->reject();  // Escape: stays open
        EXPECT_TRUE(User()->isVisible());
        Parts(*User()).SpeedButton1->click();
    });
}

TEST_F(UserList, MissingFileAtOpeningShowsTheErrorAndSaveCreatesIt)
{
    Open();
    platform.messages.clear();
    WhileOpen([this] {
        EXPECT_EQ(platform.messages, QStringList{"Cannot open file " + UserPath()});
        Parts(*User()).Memo1->setPlainText(QString::fromLatin1(kApple));
        Parts(*User()).SpeedButton54->click();
    });
    EXPECT_EQ(ReadUser(), kApple + "\r\n");
}

// A U.txt that is there but could not be read at opening is never replaced: the editor
// keeps the text it held, and "Save" refuses with the same error, writes nothing and
// stays open. (Unreadable for root too: a FIFO, a device, a file over the size bound.)
TEST_F(UserList, UnreadableFileIsNeverReplacedBySave)
{
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
        std::function<bool(const QString&)> untouched;
    } rows[] = {
        {"fifo", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0644), 0); },
         [](const QString& p) {
             struct stat info {};
             return ::lstat(QFile::encodeName(p).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
         }},
        {"link to a device", [](const QString& p) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), p)); },
         [](const QString& p) { return QFileInfo(p).symLinkTarget() == "/dev/zero"; }},
        {"over the size bound",
         [](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             ASSERT_TRUE(f.resize(kMaxTextFileBytes + 1));  // sparse: costs no disk
         },
         [](const QString& p) { return QFileInfo(p).size() == qint64(kMaxTextFileBytes + 1); }},
    };
    const QString shown = QString::fromUtf8("Mobile  N\u00B030.41,W\u00B0-88.02");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QFile::remove(UserPath());
        WriteUser(kMobile + "\r\n");
        Open();
        WhileOpen([this] { Parts(*User()).SpeedButton1->click(); });  // shows the file once
        QFile::remove(UserPath());
        r.make(UserPath());
        platform.messages.clear();
        WhileOpen([&] {
            EXPECT_EQ(platform.messages, QStringList{"Cannot open file " + UserPath()});
            EXPECT_EQ(Parts(*User()).Memo1->toPlainText(), shown);
            Parts(*User()).Memo1->appendPlainText(QStringLiteral("typed"));
            Parts(*User()).SpeedButton54->click();
            EXPECT_EQ(platform.messages, QStringList(2, "Cannot open file " + UserPath()));
            EXPECT_TRUE(User()->isVisible());
            EXPECT_EQ(Parts(*User()).Memo1->toPlainText(), shown + "\ntyped");
            Parts(*User()).SpeedButton1->click();
        });
        EXPECT_TRUE(r.untouched(UserPath()));
        EXPECT_TRUE(QDir(platform.folder).entryList({QStringLiteral("U.txt.*")}).isEmpty());
    }
}

// A link to nowhere counts as a missing file: "Save" creates the file it leads to and
// the link stays.
TEST_F(UserList, LinkToNowhereIsCreatedThroughBySave)
{
    ASSERT_TRUE(QDir(platform.folder).mkdir(QStringLiteral("kept")));
    ASSERT_TRUE(QFile::link(QStringLiteral("kept/towns.txt"), UserPath()));
    Open();
    platform.messages.clear();
    WhileOpen([this] {
        EXPECT_EQ(platform.messages, QStringList{"Cannot open file " + UserPath()});
        Parts(*User()).Memo1->setPlainText(QString::fromLatin1(kApple));
        Parts(*User()).SpeedButton54->click();
    });
    EXPECT_FALSE(User()->isVisible());
    EXPECT_TRUE(QFileInfo(UserPath()).isSymLink());
    EXPECT_EQ(ReadUser(), kApple + "\r\n");
}

TEST_F(UserList, FailedSaveKeepsTheWindowOpenWithTheText)
{
    WriteUser(kMobile + "\r\n");
    Open();
    WhileOpen([this] {
        // The file turns into a folder while the window is open: even root cannot write it.
        QFile::remove(UserPath());
        ASSERT_TRUE(QDir(platform.folder).mkdir(QStringLiteral("U.txt")));
        Parts(*User()).Memo1->setPlainText(QStringLiteral("typed"));
        platform.messages.clear();
        Parts(*User()).SpeedButton54->click();
        EXPECT_EQ(platform.messages, QStringList{"Cannot create file " + UserPath()});
        EXPECT_TRUE(User()->isVisible());
        EXPECT_EQ(Parts(*User()).Memo1->toPlainText(), "typed");
        Parts(*User()).SpeedButton1->click();
    });
}

TEST_F(UserList, TheEditorAndTheUserButtonUseTheSameFile)
{
    // Started from another folder: both go to the program's folder.
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    Open();
    WhileOpen([this] {
        Parts(*User()).Memo1->setPlainText(QString::fromLatin1(kMobile));
        Parts(*User()).SpeedButton54->click();
    });
    Parts(*window).SpeedButton(51)->click();
    QDir::setCurrent(before);
    EXPECT_FALSE(QFile::exists(elsewhere.path() + QStringLiteral("/U.txt")));
    ASSERT_EQ(Parts(*window).ComboBox2->count(), 1);
    EXPECT_EQ(Parts(*window).ComboBox2->itemText(0), QString::fromUtf8("Mobile  N\u00B030.41,W\u00B0-88.02"));
}

TEST_F(UserList, AddToUserAppendsTheListTextUnlessRefused)
{
    Open();
    Parts(*window).Panel3->show();
    for (const char* refused : {"City List", "User City List", "Click on a state first.", ""}) {
        Parts(*window).ComboBox2->setText(QString::fromUtf8(refused));
        window->SpeedButtonA3Click();
        EXPECT_EQ(ReadUser(), "(missing)") << refused;
    }
    // No U.txt yet: the first town creates it.
    Parts(*window).ComboBox2->setText(QString::fromUtf8("Mobile  N\u00B030.41,W\u00B0-88.02"));
    Parts(*window).Panel3->show();
    window->SpeedButtonA3Click();
    EXPECT_EQ(ReadUser(), kMobile + "\r\n");
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();

    // Right after Home the list reads "Home", and that is appended as it is.
    window->SpeedButton53Click();
    window->SpeedButtonA3Click();
    EXPECT_EQ(ReadUser(), kMobile + "\r\nHome\r\n");
}

TEST_F(UserList, AddToUserWithAnUnreadableFileShowsTheErrorAndLeavesThePanelOpen)
{
    Open();
    ASSERT_TRUE(QDir(platform.folder).mkdir(QStringLiteral("U.txt")));
    Parts(*window).ComboBox2->setText(QStringLiteral("Home"));
    Parts(*window).Panel3->show();
    platform.messages.clear();
    window->SpeedButtonA3Click();
    EXPECT_EQ(platform.messages, QStringList{"Cannot open file " + UserPath()});
    EXPECT_FALSE(Parts(*window).Panel3->isHidden());
}

TEST_F(UserList, QuickMenuEntryOpensTheWindowModallyAndHidesThePanelAfter)
{
    Open();
    Parts(*window).Panel3->show();
    bool panelShownWhileOpen = false;
    ModalWatchdog::OnNextModal([&](QWidget* w) {
        EXPECT_EQ(w, User());
        EXPECT_TRUE(User()->isModal());
        panelShownWhileOpen = !Parts(*window).Panel3->isHidden();
        Parts(*User()).SpeedButton1->click();
    });
    Parts(*window).SpeedButtonA2->click();
    EXPECT_TRUE(panelShownWhileOpen);
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());
}

} // namespace
} // namespace dawnrule::test
