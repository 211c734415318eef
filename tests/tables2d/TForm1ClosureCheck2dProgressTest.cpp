// A long "Check TT 2 dim" of nine points shows its progress as it goes: the
// status bar is painted while the click still runs, with the check's own
// progress texts, and keeps the last one.
#include "Tables2dTestSupport.h"
#include "../app/StatusBarPaints.h"

#include "mask2d/Mask2dTables.h"
#include "tables2d/ClosureCheck2d.h"
#include "widgets/Handlers.h"
#include "widgets/StatusBar.h"

#include <QApplication>
#include <QRegularExpression>

using namespace table2dtest;

namespace {

class TForm1ClosureCheck2dProgressTest : public Window2dTest {};

TEST_F(TForm1ClosureCheck2dProgressTest, ANinePointCheckPaintsItsProgressTextsAsItGoes)
{
    Form1->RadioGroup20->setItemIndex(4);   // "Cross +4"
    ASSERT_EQ(mask2dPointCount, 9);
    tabletest::LayTable(tabletest::AllKeysOver({0, 4}, 9, 0), 9);   // closed: every composed key is a key
    ASSERT_TRUE(Form1->CheckBox68->isChecked());   // "/6"
    const int32_t n = ttRecordCount, limit = n / 6;

    // The text the check ends with: its last progress report.
    BuildPermutedCopy(9);
    const ClosureCheck2d check = PrepareClosureCheck2d({n, true, true});
    ClosureProgress last;
    ASSERT_EQ(RunClosureCheck(check.mask, check.scope, [&](const ClosureProgress& p) { last = p; }).verdict,
              ClosureVerdict::Closed);
    const QString expected = QString::fromStdString(ClosureProgressText2d(9, limit, last));
    EXPECT_EQ(last.records[0], limit - 1);

    const QStringList painted = StatusTextsPaintedDuring([] { Form1->Button221->click(); });
    ASSERT_TRUE(messages_.empty()) << firstMessage();

    // Nine points show the records at points 0 to 3, the start records in order.
    ASSERT_GE(painted.size(), 2);
    const QRegularExpression format("^(\\d+)  (\\d+)  (\\d+)  (\\d+)  $");
    int previous = -1;
    for (const QString& text : painted) {
        const QRegularExpressionMatch m = format.match(text);
        ASSERT_TRUE(m.hasMatch()) << text.toStdString();
        const int start = m.captured(1).toInt();
        EXPECT_TRUE(start >= previous && start < limit) << text.toStdString();
        previous = start;
    }
    EXPECT_EQ(Form1->StatusBar1->simpleText(), expected);
}

} // namespace
