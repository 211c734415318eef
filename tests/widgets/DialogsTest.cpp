// Message boxes, file dialogs and help pages, answered by the test hooks.
#include "widgets/Dialogs.h"
#include "widgets/HelpPage.h"

#include <QDir>
#include <QFile>
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
    save.filter = "Protokol (*.dat)|*.dat";
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
    std::vector<MessageRecord> shown;
    SetMessageRecorder(&shown);
    ShowMessage("String length must be 1..27");
    ShowMessage("Done", "Info");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "String length must be 1..27");
    EXPECT_EQ(shown[0].caption, "Warning");
    EXPECT_EQ(shown[1].caption, "Info");
    SetMessageRecorder(nullptr);
}

TEST(ModalSuppressionCounter, NestsAndReleases)
{
    EXPECT_FALSE(ModalSuppression::active());
    {
        ModalSuppression a;
        {
            ModalSuppression b;
            EXPECT_TRUE(ModalSuppression::active());
        }
        EXPECT_TRUE(ModalSuppression::active());
    }
    EXPECT_FALSE(ModalSuppression::active());
}

TEST(HelpPages, ExistingPageIsOpenedAndMissingOneIsReportedByPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString page = dir.filePath("help1.html");
    {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<html></html>");
    }
    QStringList opened;
    std::vector<MessageRecord> shown;
    SetPageOpenRecorder(&opened);
    SetMessageRecorder(&shown);

    EXPECT_TRUE(OpenLocalPage(page));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QFileInfo(page).absoluteFilePath());
    EXPECT_TRUE(shown.empty());

    const QString missing = dir.filePath("help/none.html");
    EXPECT_FALSE(OpenLocalPage(missing));
    EXPECT_EQ(opened.size(), 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.contains(missing));

    EXPECT_FALSE(OpenLocalPage(dir.path()));   // a folder is not a page
    EXPECT_EQ(shown.size(), 2u);
    SetPageOpenRecorder(nullptr);
    SetMessageRecorder(nullptr);
}
