// Tab "CH I" as a user meets it: in every state its switches reach, no two
// shown controls overlap and every caption fits; the table grid makes room for
// the fixed-mask groups; the controls sit in the groups they belong to.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "../engine/TempWorkDir.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class TabCH1Layout : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
        Form1->PageControl1->setCurrentWidget(Form1->TabSheetCH1);
    }
    TempWorkDir dir_;   // start-up writes its string file here
};

std::string Name(const QWidget* w) { return w->objectName().toStdString(); }

// Within container, the shown children overlap only when one holds the
// other, and their captions fit; shown plain groups and panels are walked too.
void ExpectTidy(const QWidget* container)
{
    QList<QWidget*> shown;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(container) && !child->objectName().startsWith("qt_")) shown << child;
    for (int i = 0; i < shown.size(); ++i) {
        const QRect a = shown[i]->geometry();
        for (int j = i + 1; j < shown.size(); ++j) {
            const QRect b = shown[j]->geometry();
            EXPECT_TRUE(!a.intersects(b) || a.contains(b) || b.contains(a)) << Name(shown[i]) << " / " << Name(shown[j]);
        }
        QWidget* w = shown[i];
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << Name(w);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width()) << Name(w);
        }
        const QByteArray kind = w->metaObject()->className();
        if (kind == "QGroupBox" || kind == "QWidget") ExpectTidy(w);
    }
}

} // namespace

TEST_F(TabCH1Layout, EveryReachableStateIsTidy)
{
    ExpectTidy(Form1->TabSheetCH1);
    Form1->CheckBox64->setChecked(true);   // "Visible first Masks"
    ExpectTidy(Form1->TabSheetCH1);
    Form1->CheckBox57->setChecked(true);   // "Vis. One step": more groups and a rich edit
    ExpectTidy(Form1->TabSheetCH1);
    for (QWidget* edit : {Form1->RichEdit7, Form1->RichEdit8, Form1->RichEdit9}) edit->setVisible(true);
    ExpectTidy(Form1->TabSheetCH1);
    // The hidden groups, shown, are tidy inside.
    for (QWidget* hidden : {Form1->gbAny, Form1->gbUUU, Form1->gbMask8, Form1->gbMask9}) ExpectTidy(hidden);
}

TEST_F(TabCH1Layout, TheTableGridMakesRoomForTheMaskGroupsAndTakesItBack)
{
    const QRect full = Form1->StringGrid11->geometry();
    Form1->CheckBox64->setChecked(true);
    EXPECT_GT(Form1->StringGrid11->y(), Form1->GroupBox46->geometry().bottom());
    EXPECT_EQ(Form1->StringGrid11->geometry().bottom(), full.bottom());
    Form1->CheckBox57->setChecked(true);
    EXPECT_GT(Form1->StringGrid11->y(), Form1->GroupBox48->geometry().bottom());
    Form1->CheckBox57->setChecked(false);
    Form1->CheckBox64->setChecked(false);
    EXPECT_EQ(Form1->StringGrid11->geometry(), full);
}

TEST_F(TabCH1Layout, ControlsSitInTheirGroupsAndTheCaptionReadsInOrder)
{
    EXPECT_EQ(Form1->Button163->parentWidget(), Form1->gbUUU);
    EXPECT_EQ(Form1->gbUUU->title(), "UUU");
    EXPECT_TRUE(Form1->gbUUU->isHidden());
    for (QWidget* w : {static_cast<QWidget*>(Form1->Label458), static_cast<QWidget*>(Form1->Label463),
                       static_cast<QWidget*>(Form1->Label469), static_cast<QWidget*>(Form1->Button199)})
        EXPECT_EQ(w->parentWidget(), Form1->gbAny) << Name(w);
    EXPECT_EQ(Form1->Button191->parentWidget(), Form1->GroupBox46);
    EXPECT_EQ(Form1->Button192->parentWidget(), Form1->GroupBox46);
    EXPECT_EQ(Form1->Button194->parentWidget(), Form1->GroupBox48);

    // "(m,k)=(     ,     )" with m and k in its blanks, read left to right.
    const QLabel* parts[] = {Form1->lblMK541, Form1->Label541, Form1->lblComma545, Form1->Label545, Form1->lblClose545};
    QString caption;
    for (int i = 0; i < 5; ++i) {
        caption += (i == 1 || i == 3) ? QString("     ") : parts[i]->text();
        if (i > 0) {
            EXPECT_EQ(parts[i]->x(), parts[i - 1]->geometry().right() + 1);
        }
        EXPECT_EQ(parts[i]->parentWidget(), Form1->TabSheetCH1);
    }
    EXPECT_EQ(caption, "(m,k)=(     ,     )");
}

TEST_F(TabCH1Layout, RichEditsShowTheFirstCharactersOfTheirLines)
{
    for (RichEdit* edit : {Form1->RichEdit4, Form1->RichEdit5, Form1->RichEdit6, Form1->RichEdit7,
                           Form1->RichEdit8, Form1->RichEdit9}) {
        edit->setVisible(true);
        edit->clearLines();
        edit->addLine("Resolution Table (=3 (-0)) with a line longer than the box");
        EXPECT_EQ(edit->horizontalScrollBar()->value(), 0) << Name(edit);
    }
}
