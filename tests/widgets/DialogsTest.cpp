// Message boxes, file dialogs and help pages, answered by the test hooks.
#include "WidgetTestSupport.h"
#include "widgets/HelpPage.h"

#include <QFile>
#include <QFileInfo>
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

TEST(HelpPages, ExistingPageIsOpenedAndMissingOneIsReportedByPath)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("help1.html");
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QStringList opened;
    SetPageOpenRecorder(&opened);
    RecordedMessages rec;

    EXPECT_TRUE(OpenLocalPage(page));
    EXPECT_EQ(opened, QStringList{QFileInfo(page).absoluteFilePath()});
    const QString missing = dir.filePath("help/none.html");
    EXPECT_FALSE(OpenLocalPage(missing));
    EXPECT_FALSE(OpenLocalPage(dir.path()));   // a folder is not a page
    EXPECT_EQ(opened.size(), 1);
    ASSERT_EQ(rec.shown.size(), 2u);
    EXPECT_TRUE(rec.shown[0].text.contains(missing));
    SetPageOpenRecorder(nullptr);
}
