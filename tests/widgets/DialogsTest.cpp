// Message boxes, file dialogs and help pages, answered by the test hooks.
#include "WidgetTestSupport.h"
#include "widgets/HelpPage.h"
#include "widgets/WindowPlacement.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileDialogFilter, TranslatesDescriptionPatternPairs)
{
    EXPECT_EQ(ParseFilter("Protokol (*.dat)|*.dat"), QStringList{"Protokol (*.dat)"});
    EXPECT_EQ(ParseFilter("Tables|*.tab;*.tb2|All files (*.*)|*.*"),
              (QStringList{"Tables (*.tab *.tb2)", "All files (*)"}));
    EXPECT_EQ(ParseFilter(""), QStringList{});
    EXPECT_EQ(ParseFilter("Bitmaps|"), QStringList{"Bitmaps (*)"});
    EXPECT_EQ(ParseFilter("Only a description"), QStringList{"Only a description (*)"});
    // The patterns after the bar win over what the description shows.
    EXPECT_EQ(ParseFilter("Old (*.old)|*.new"), QStringList{"Old (*.new)"});
}

TEST(FileDialogAnswers, HookAnswersInOrderAndEmptyMeansCancel)
{
    std::deque<QString> answers{"/tmp/run1", "", "/tmp/table.tab"};
    SetFileDialogAnswers(&answers);
    FileDialog save(FileDialog::Kind::Save);
    save.defaultExt = "dat";
    ASSERT_TRUE(save.execute());
    EXPECT_EQ(save.fileName, "/tmp/run1.dat");   // a name typed without extension gets the default

    FileDialog open(FileDialog::Kind::Open);
    open.fileName = "keep";
    EXPECT_FALSE(open.execute());
    EXPECT_EQ(open.fileName, "keep");
    ASSERT_TRUE(open.execute());
    EXPECT_EQ(open.fileName, "/tmp/table.tab");
    EXPECT_FALSE(open.execute());   // queue used up: cancel, never a real dialog
    EXPECT_FALSE(ModalSuppression::active());
    SetFileDialogAnswers(nullptr);
}

TEST(MessageRecorder, RecordsTextAndCaptionWithoutBlocking)
{
    RecordedMessages rec;
    ShowMessage("String length must be 1..27");
    ShowMessage("Done", "Info");
    ASSERT_EQ(rec.shown.size(), 2u);
    EXPECT_EQ(rec.shown[0].text, "String length must be 1..27");
    EXPECT_EQ(rec.shown[0].caption, "Warning");
    EXPECT_EQ(rec.shown[1].caption, "Info");
}

namespace {
// An empty page in the folder, by its path.
QString EmptyPage(const QTemporaryDir& dir, const QString& name)
{
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return f.fileName();
}
}  // namespace

TEST(HelpPages, ExistingPageIsOpenedAndMissingOneIsReportedByPath)
{
    QTemporaryDir dir;
    const QString page = EmptyPage(dir, "help1.html");
    QStringList opened, reported;
    const auto report = [&reported](const QString& why) { reported << why; };
    SetPageOpenRecorder(&opened);

    OpenLocalPage(page, report);
    EXPECT_EQ(opened, QStringList{QFileInfo(page).absoluteFilePath()});
    EXPECT_TRUE(reported.isEmpty());
    const QString missing = dir.filePath("help/none.html");
    OpenLocalPage(missing, report);
    OpenLocalPage(dir.path(), report);   // a folder is not a page
    EXPECT_EQ(opened.size(), 1);
    ASSERT_EQ(reported.size(), 2);
    EXPECT_TRUE(reported[0].contains(missing));
    SetPageOpenRecorder(nullptr);
}

// A desktop whose opener gives up (no browser) has that said, naming the page.
TEST(HelpPages, AnOpenerThatGivesUpIsReported)
{
    QTemporaryDir dir;
    const QString page = EmptyPage(dir, "index.html");
    QStringList reported;
    for (const QString opener : {"false", "no-such-opener-on-this-desktop"}) {
        SetPageOpener(opener);
        reported.clear();
        OpenLocalPage(page, [&reported](const QString& why) { reported << why; });
        spinUntil([&] { return !reported.isEmpty(); }, 20000);
        ASSERT_EQ(reported.size(), 1) << opener.toStdString();
        EXPECT_TRUE(reported[0].contains(QFileInfo(page).absoluteFilePath()));
    }
    SetPageOpener("");
}

// Real boxes: the caption has room in the title bar beside its buttons, the text
// shows whole (wrapped when longer than the screen allows), the frame lies on the
// screen over the main window, and Escape closes the box.
TEST(MessageBoxes, ShowCaptionAndWholeTextOverTheMainWindow)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    main.resize(screen.width() / 2, screen.height() / 2);
    SetMainWindow(&main);
    PlaceOnOpening(&main);
    main.show();
    QApplication::processEvents();
    const QString path = "/home/researcher/workbench/build/RT/" + QString(40, 'x') + "/R8_0305.dat";
    const std::pair<QString, QString> boxes[] = {
        {"IS UNLOCKED", "Warning"},
        {"0", "An unexpectedly long caption for a box"},
        {"The table file " + path + " could not be created; the generator did not start. " + path + " " + path,
         "Warning"},
        {"First line\nSecond, a longer line of the text", "Warning"},
    };
    for (const auto& [text, caption] : boxes) {
        std::unique_ptr<QDialog> box = MessageBox(text, caption);
        box->show();
        QApplication::processEvents();
        SCOPED_TRACE(caption.toStdString() + ": " + text.left(30).toStdString());
        EXPECT_EQ(box->windowTitle(), caption);
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(caption) + 3 * 24);
        auto* label = box->findChild<QLabel*>();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(QString(label->text()).remove(QChar(0x200B)), text);
        if (label->wordWrap())
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        else
            EXPECT_GE(label->width(), label->sizeHint().width());
        EXPECT_TRUE(screen.contains(box->frameGeometry()));
        EXPECT_LE((box->frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box.get(), &escape);
        EXPECT_FALSE(box->isVisible());
    }
    SetMainWindow(nullptr);
}
