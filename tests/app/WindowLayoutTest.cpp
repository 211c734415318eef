// Every window and every tab sheet as a user sees them: no two visible controls
// overlap unless one lies wholly inside the other (and that one is a picture, a
// frame, a group or a caption behind it), no control reaches past the
// container that holds it or covers its caption, and every caption fits its
// control. The walk finds windows, sheets and controls by itself, so what is
// added later is checked too. The tests run on screens of 1366 x 768 and
// 1920 x 1080 (ctest gives the offscreen platform the screen): every window's
// frame lies on the screen, and a window that scrolls keeps its toolbar and
// status bar in view.
#include "StartedWorkbench.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/ProgramDir.h"
#include "base/TableRecords.h"
#include "lattice/TForm13.h"
#include "lattice/TForm5.h"
#include "widgets/ControlBar.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"
#include "widgets/StatusBar.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <limits>
#include <map>

namespace {

QString NameOf(const QWidget* w)
{
    QString path;
    for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_"))
            path = path.isEmpty() ? p->objectName() : p->objectName() + "/" + path;
    const QString text = qobject_cast<const QAbstractButton*>(w) ? qobject_cast<const QAbstractButton*>(w)->text()
                         : qobject_cast<const QLabel*>(w)       ? qobject_cast<const QLabel*>(w)->text()
                                                                : QString();
    return w->window()->windowTitle() + ": " + path + (text.isEmpty() ? "" : " \"" + text + "\"") + " ("
        + w->metaObject()->className() + ")";
}

// Controls whose inner widgets are their own business (scroll bars, tab bars,
// arrow buttons, the status bar's text).
bool KeepsItsInsides(const QWidget* w)
{
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QTabBar*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const UpDown*>(w)
        || qobject_cast<const StatusBar*>(w) || qobject_cast<const QMenuBar*>(w) || qobject_cast<const QLineEdit*>(w);
}

// A control that may lie behind others wholly inside it: a picture, a frame, a
// group or a caption. A grid, an edit, a button or a page control may not.
bool IsBackdrop(const QWidget* w)
{
    return !qobject_cast<const QAbstractScrollArea*>(w) && !qobject_cast<const QAbstractButton*>(w)
        && !qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QAbstractSpinBox*>(w)
        && !qobject_cast<const UpDown*>(w) && !qobject_cast<const QTabWidget*>(w);
}

// The room the text of a control needs, or an empty size when it has no text to check.
QSize TextNeeds(const QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        return {fm.horizontalAdvance(label->text()) + 2 * label->margin() + 2 * label->frameWidth(),
                fm.ascent() + fm.descent()};
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        if (static_cast<const QAbstractButton*>(w)->text().isEmpty())
            return {};
        // The width of indicator, spacing and text; the height of the taller of the two.
        const int indicator = w->style()->pixelMetric(
            qobject_cast<const QCheckBox*>(w) ? QStyle::PM_IndicatorHeight : QStyle::PM_ExclusiveIndicatorHeight,
            nullptr, w);
        return {w->sizeHint().width(), std::max(indicator, fm.ascent() + fm.descent())};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        if (button->text().isEmpty())
            return {};
        return {fm.horizontalAdvance(button->text()) + 8, fm.ascent() + fm.descent() + 4};
    }
    return {};
}

// Where a one-line label draws its text, in its parent's coordinates; empty when
// it shows none.
QRect DrawnText(const QWidget* w)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    if (!label || label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText)
        return {};
    const int width = label->fontMetrics().horizontalAdvance(label->text());
    const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    int left = room.left();
    if (align & Qt::AlignRight)
        left = room.right() + 1 - width;
    else if (align & Qt::AlignHCenter)
        left = room.left() + (room.width() - width) / 2;
    return QRect(label->x() + left, label->y(), width, label->height());
}

// Two labels side by side whose texts stand less than a space apart read as one,
// unless the left one is a caption that ends in "=" or ":" joined to its value.
bool RunTogether(const QWidget* a, const QWidget* b)
{
    QRect ta = DrawnText(a), tb = DrawnText(b);
    if (ta.isEmpty() || tb.isEmpty() || ta.bottom() < tb.top() || tb.bottom() < ta.top())
        return false;
    const QWidget* left = ta.left() <= tb.left() ? a : b;
    const QString caption = static_cast<const QLabel*>(left)->text().trimmed();
    if (caption.endsWith('=') || caption.endsWith(':'))
        return false;
    const int space = a->fontMetrics().horizontalAdvance(' ');
    const int gap = std::max(tb.left() - ta.right() - 1, ta.left() - tb.right() - 1);
    return gap < space;
}

// With WORKBENCH_LAYOUT_PICTURES naming a folder, every state the checks walk is
// saved there as a picture, for a person to look at: the window as it shows, or a
// whole client with every sheet.
void SavePicture(QWidget* what, const QString& state)
{
    const QString folder = qEnvironmentVariable("WORKBENCH_LAYOUT_PICTURES");
    if (folder.isEmpty())
        return;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QSize screen = what->screen()->size();
    static int taken = 0;
    QString name = QString("%1@%2x%3-%4-%5-%6").arg(test->name()).arg(screen.width()).arg(screen.height())
                       .arg(++taken, 3, 10, QChar('0')).arg(what->window()->metaObject()->className(), state);
    name.replace(QRegularExpression("[^A-Za-z0-9@_.-]+"), "_");
    what->grab().save(folder + "/" + name + ".png");
}

class LayoutCheck {
public:
    std::vector<std::string> faults;

    void check(QWidget* root)
    {
        walk(root);
    }

    // The window as a whole: its bars and its scrolled client beside each other,
    // its frame on the screen, and its bars in view with the client scrolled to
    // its far corner.
    void checkWindow(Form* form)
    {
        SavePicture(form, "window");
        walk(form);
        walk(form->client());
        const QRect screen = form->screen()->availableGeometry();
        if (!screen.contains(form->frameGeometry()))
            fault(form, QString("has its frame (%1, %2, %3 x %4) off the screen (%5 x %6)")
                            .arg(form->frameGeometry().x()).arg(form->frameGeometry().y())
                            .arg(form->frameGeometry().width()).arg(form->frameGeometry().height())
                            .arg(screen.width()).arg(screen.height()));
        auto* scroll = form->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
        if (!scroll)
            return;
        for (QScrollBar* bar : {scroll->horizontalScrollBar(), scroll->verticalScrollBar()})
            bar->setValue(bar->maximum());
        QApplication::processEvents();
        if (scroll->horizontalScrollBar()->maximum() > 0 || scroll->verticalScrollBar()->maximum() > 0)
            SavePicture(form, "scrolled");
        const QRect view(scroll->viewport()->mapTo(form, QPoint(0, 0)), scroll->viewport()->size());
        for (QWidget* bar : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<StatusBar*>(bar) && !qobject_cast<ControlBar*>(bar))
                continue;
            if (bar->isVisible() && (!form->rect().contains(bar->geometry()) || view.intersects(bar->geometry())))
                fault(bar, "leaves the window's view when the client is scrolled to its far corner");
        }
        for (QScrollBar* bar : {scroll->horizontalScrollBar(), scroll->verticalScrollBar()})
            bar->setValue(0);
        QApplication::processEvents();
    }

private:
    static bool shown(const QWidget* w) { return w->isVisibleTo(w->window()); }

    void walk(QWidget* parent)
    {
        QList<QWidget*> kids;
        for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (shown(w) && !w->isWindow())
                kids.push_back(w);
        const QRect room = parent->rect();
        QRect caption;
        if (auto* box = qobject_cast<QGroupBox*>(parent); box && !box->title().isEmpty()) {
            QStyleOptionGroupBox opt;
            opt.initFrom(box);
            opt.text = box->title();
            opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            opt.lineWidth = 1;
            caption = box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
            if (caption.right() >= box->width())
                fault(box, "its caption does not fit it");
        }
        for (int i = 0; i < kids.size(); ++i) {
            QWidget* w = kids[i];
            if (!room.contains(w->geometry()))
                fault(w, "reaches past " + NameOf(parent));
            if (caption.isValid() && w->geometry().intersects(caption))
                fault(w, QString("covers the caption (%1, %2, %3 x %4) of ")
                             .arg(caption.x()).arg(caption.y()).arg(caption.width()).arg(caption.height())
                             + NameOf(parent));
            if (auto* text = qobject_cast<QPlainTextEdit*>(w); text && text->horizontalScrollBar()->value() != 0)
                fault(w, "shows its lines cut at the start");
            // An edit too narrow for its text shows where the text begins, as long
            // as the user is not typing in it: the edit shows what lies around its cursor.
            if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !edit->hasFocus() && edit->cursorPosition() != 0
                && edit->fontMetrics().horizontalAdvance(edit->text()) > edit->contentsRect().width() - 4)
                fault(w, "shows its text \"" + edit->text() + "\" cut at the start");
            const QSize needs = TextNeeds(w);
            if (needs.width() > w->width() || needs.height() > w->height())
                fault(w, QString("its text needs %1 x %2 pixels, it has %3 x %4")
                             .arg(needs.width()).arg(needs.height()).arg(w->width()).arg(w->height()));
            for (int j = i + 1; j < kids.size(); ++j) {
                const QRect a = w->geometry(), b = kids[j]->geometry();
                const bool inside = (a.contains(b) && IsBackdrop(w)) || (b.contains(a) && IsBackdrop(kids[j]));
                if (a.intersects(b) && !inside)
                    fault(w, "overlaps " + NameOf(kids[j]));
                else if (RunTogether(w, kids[j]))
                    fault(w, "shows its text run into the text of " + NameOf(kids[j]));
            }
            if (!KeepsItsInsides(w))
                walk(w);
        }
    }

public:
    void fault(const QWidget* w, const QString& what)
    {
        const std::string line = (NameOf(w) + " " + what).toStdString();
        if (std::find(faults.begin(), faults.end(), line) == faults.end())
            faults.push_back(line);
    }
};

std::vector<Form*> AllWindows()
{
    std::vector<Form*> forms;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(w))
            forms.push_back(form);
    return forms;
}

// The view switches of the visible menus, "Vis. One step" and "Visible first
// Masks" on: every panel and box they show.
void ShowEveryPanel()
{
    for (QMenu* menu : {Form1->View1, Form1->View21})
        for (QAction* item : menu->actions())
            if (item->isCheckable() && !item->isChecked() && item->isVisible())
                item->trigger();
    Form1->CheckBox57->setChecked(true);
    Form1->CheckBox64->setChecked(true);
}

// Checks the window as it stands and once for every sheet of every page control.
void CheckEverySheet(Form* form, LayoutCheck& check)
{
    check.checkWindow(form);
    for (QTabWidget* tabs : form->client()->findChildren<QTabWidget*>()) {
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            SavePicture(form->client(), tabs->objectName() + "-" + tabs->tabText(i));
            check.check(form->client());
        }
        tabs->setCurrentIndex(current);
    }
}

class WindowLayout : public StartedWorkbench {
protected:
    void SetUp() override
    {
        StartedWorkbench::SetUp();
        const QSize screen = QGuiApplication::primaryScreen()->size();
        ASSERT_TRUE(screen == QSize(1366, 768) || screen == QSize(1920, 1080))
            << "run with the offscreen screen of 1366 x 768 or 1920 x 1080, not " << screen.width() << " x "
            << screen.height();
    }

    void Expect(const LayoutCheck& check)
    {
        for (const std::string& f : check.faults)
            ADD_FAILURE() << f;
    }
};

// The bounding box of what differs from the corner's colour, in the picture's coordinates.
QRect DrawnPart(const QImage& picture)
{
    const QRgb background = picture.pixel(0, 0);
    QRect drawn;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != background)
                drawn |= QRect(x, y, 1, 1);
    return drawn;
}

} // namespace

TEST_F(WindowLayout, EveryWindowAndSheetAsItFirstShows)
{
    const std::vector<Form*> forms = AllWindows();
    ASSERT_EQ(forms.size(), 15u);
    LayoutCheck check;
    CheckEverySheet(Form1, check);   // the start-up picture over the controls
    // The picture stands whole in the middle of what the window shows: as far
    // from its left as from its right edge, from its top as from its bottom (a
    // pixel more on one side where the two sizes differ by an odd number).
    const QRect seen = Form1->shownPart();
    const QRect drawn = DrawnPart(Form1->Image17->canvas().image()).translated(Form1->Image17->pos());
    EXPECT_TRUE(seen.contains(drawn)) << drawn.x() << "," << drawn.y() << " " << drawn.width() << " x "
                                      << drawn.height() << " in " << seen.width() << " x " << seen.height();
    const int left = drawn.left() - seen.left(), right = seen.right() - drawn.right();
    const int top = drawn.top() - seen.top(), bottom = seen.bottom() - drawn.bottom();
    EXPECT_LE(std::abs(left - right), 1) << "left " << left << ", right " << right;
    EXPECT_LE(std::abs(top - bottom), 1) << "top " << top << ", bottom " << bottom;
    Form1->Image17MouseDown();
    for (Form* form : forms) {
        if (!form->isVisible())
            form->show_();
        QApplication::processEvents();
        CheckEverySheet(form, check);
        if (form != Form1)
            form->hide_();
    }
    // A box opens over the main window, its frame on the screen.
    for (const auto& [text, caption] : {std::pair<QString, QString>{"WRONG MASK!!", "Warning"},
                                        {"The table file " + QString::fromStdString(programDir) + "RT/R8_0305.dat could "
                                         "not be created; the generator did not start.", "Warning"}}) {
        std::unique_ptr<QDialog> box = MessageBox(text, caption);
        box->show();
        QApplication::processEvents();
        if (!Form1->screen()->availableGeometry().contains(box->frameGeometry()))
            check.fault(box.get(), "has its frame off the screen");
        if (!Form1->frameGeometry().contains(box->frameGeometry().center()))
            check.fault(box.get(), "opens away from the main window");
    }
    Expect(check);
}

// The view switches of the visible menus, "Vis. One step" and "Visible first
// Masks" show their panels and boxes, a stored example shows "CYCLE=" on the
// toolbar: they too must fit where they appear.
TEST_F(WindowLayout, TheMainWindowWithEveryViewSwitchOn)
{
    Form1->Image17MouseDown();
    Form1->N13Click();
    Form1->Timer2->setEnabled(false);
    ASSERT_TRUE(Form1->Label28->isVisible());
    ShowEveryPanel();
    QApplication::processEvents();
    LayoutCheck check;
    CheckEverySheet(Form1, check);
    Expect(check);
}

// The states that commands put the windows in: two-dimensional work with its
// toolbar, running generators with their stop buttons, the status bar at the
// window's bottom ("St" off), the range group that
// "Npr=0" hides, the extension group, all ring panels of the mask chooser
// with its results label.
TEST_F(WindowLayout, TheWindowsInTheStatesCommandsLeaveThem)
{
    Form1->Image17MouseDown();
    Form1->CheckBox58->setChecked(false);
    Form1->CheckBox66->setChecked(true);
    LayoutCheck check;
    for (int state = 0; state < 4; ++state) {
        Form1->ShowOneDimToolbar();
        if (state == 1) {
            Form1->Button211->setVisible(true);   // as while "TT 1d" runs
            Form1->Button204->setVisible(false);
        }
        if (state == 2)
            Form1->ShowTwoDimToolbar();
        if (state == 3)
            Form1->CheckBox56->setChecked(false);
        QApplication::processEvents();
        check.checkWindow(Form1);   // the toolbar belongs to the window, not to its client
    }
    Form1->CheckBox56->setChecked(true);
    Form13->show_();
    for (QCheckBox* box : Form13->findChildren<QCheckBox*>())
        box->setChecked(true);
    Form13->Button3Click();
    QApplication::processEvents();
    CheckEverySheet(Form1, check);
    CheckEverySheet(Form13, check);
    Expect(check);
}

namespace {

// The widest text a label that shows a number can show after long runs, where
// that is less than the widest 32-bit number; every other label that shows a
// number gets "-2147483648".
struct WidestNumber {
    const char* text;
    const char* window;
    const char* labels;   // names, separated by blanks
};
const WidestNumber kWidestNumbers[] = {
    // the toolbar: records of a table (at most 10000), its blocks of six and
    // their halves; the growth run stops by step 291; success flags; a draw
    {"10000", "TForm1", "Label303 Label302 Label379"},
    {"1666", "TForm1", "Label449 Label441"},
    {"832", "TForm1", "Label450 Label452"},
    {"291", "TForm1", "Label381 Label382"},
    {"194", "TForm1", "Label383"},
    {"1", "TForm1", "Label390 Label353"},
    {"32767", "TForm1", "Label579"},
    // masks: bits of ten distances (two digits in a table's name), offsets
    // within ten cells, up to 21 points; a table's records and its checks
    {"1023", "TForm1", "Label107 Label108"},
    {"99", "TForm1", "Label416 Label417 Label541 Label545"},
    {"-10", "TForm1", "Label442 Label443 Label444 Label445 Label446 Label447 Label448 Label461 Label462"},
    {"21", "TForm1", "Label451 lblCheckPoints"},
    {"20", "TForm1", "Label586 Label453 lblCheckReach"},
    {"8", "TForm1", "Label455 Label196"},
    {"10000", "TForm1", "lblCheckN Label577 Label197 Label216 Label218"},
    {"58", "TForm1", "Label429 Label430 Label431 Label432 Label433 Label434"},
    {"9999", "TForm1", "Label435 Label436 Label437 Label438 Label439 Label440"},
    // the recorded run ends by row 497; views and tables chosen by up-downs to 499
    {"497", "TForm1", "Label137 Label180"},
    {"331", "TForm1", "Label279"},
    {"499", "TForm1", "Label134 Label282 Label403"},
    // a string's run: halved balances and history rows, trace matches of one
    // byte, the 16-bit steps of the six-letter history, the tick and hit
    // counters, the runs shown up to 1000; the neighbour list as typed
    {"-1073741824", "TForm1", "Label3 Label4 Label6 Label17 Label18 Label23 Label26 Label27 Label37"},
    {"-1431655765", "TForm1", "Label56"},
    {"255", "TForm1", "Label24 Label32 Label38 Label66"},
    {"1000", "TForm1", "Label10"},
    {"-32768", "TForm1", "Label30 Label39 Label41 Label42 Label43 Label44 Label45 Label46 Label47 Label48 Label49 Label50 Label51"},
    {"2147483647", "TForm1", "Label138 Label139"},
    {"-2147483648", "TForm1", "Label208 Label209 Label210 Label211 Label212 Label213 Label214 Label215"},
    // numbers that never change: captions of places
    {"27", "TForm1", "Label299"},
    {"5", "TForm1", "Label515"},
    {"4", "TForm1", "Label516"},
    {"3", "TForm1", "Label517"},
    {"2", "TForm1", "Label518"},
    {"1", "TForm1", "Label519"},
    {"0", "TForm1", "Label520 lblMaskCentre"},
    // the lattice windows: chart rows chosen by up-downs, rule entries, the
    // fixed pair count, cells of the 70 x 70 map, the 135 pairs of the T6 scan
    // with their counters that no command counts, the Vcrit the IMPROVE search
    // keeps 0 and its record count, histogram bins of 50 records
    {"44", "TForm6", "Label6 Label7"},
    {"24", "TForm6", "Label8 Label9"},
    {"9", "TForm6", "Label2"},
    {"4", "TForm6", "Label3 Label4"},
    {"8", "TForm6", "Label5"},
    {"10", "TForm6", "Label31"},
    {"69", "TForm10", "Label9 Label10"},
    {"0", "TForm13", "Label1 Label17"},
    {"134", "TForm13", "Label13"},
    {"15", "TForm13", "Label15 Label16"},
    {"0", "TForm11", "Label6 Label7 Label8 Label33 Label18 Label19 Label20 Label21 Label22 Label23 Label24"},
    {"5000", "TForm11", "Label10"},
    {"50", "TForm15", "Label4 Label6 Label7 Label8 Label9 Label10 Label11 Label12"},
};

// Puts every label that shows a number at the widest number it can show.
void ShowWidestNumbers()
{
    std::map<QString, QString> widest;   // "TForm1::Label303" -> "10000"
    for (const WidestNumber& w : kWidestNumbers)
        for (const QString& label : QString(w.labels).split(' '))
            widest[QString(w.window) + "::" + label] = w.text;
    static const QRegularExpression number(R"(^-?\d+$)");
    for (Form* form : AllWindows())
        for (QLabel* label : form->findChildren<QLabel*>()) {
            const QString key = QString(form->metaObject()->className()) + "::" + label->objectName();
            if (const auto known = widest.find(key); known != widest.end())
                label->setText(known->second);
            else if (number.match(label->text()).hasMatch())
                label->setText("-2147483648");
        }
    // TForm5 shows the T6 counters, which no command counts.
    for (QLabel* label : Form5->findChildren<QLabel*>())
        label->setText("0");
}

// The one- and two-dimensional tables of 9 points at capacity in their grids,
// each with the widest count a table file can hold.
void FillNinePointTablesAtCapacity()
{
    ttRecordCount = kTableCapacity;
    for (int32_t i = 0; i < kTableCapacity; ++i) {
        std::fill(std::begin(ttKeys[i]), std::end(ttKeys[i]), uint8_t{5});
        ttHitCount[i] = std::numeric_limits<int32_t>::min();
    }
    Form1->FillTable1dGridCentred(9, 4);
    Form1->FillTable2dGrid(9);
}

// Every cell of a grid, on whichever sheet, has room for its text in its column.
void CheckGridColumns(Form* form, LayoutCheck& check)
{
    for (StringGrid* grid : form->client()->findChildren<StringGrid*>()) {
        if (grid->isHidden())
            continue;
        const QFontMetrics fm = grid->fontMetrics();
        for (int c = 0; c < grid->colCount(); ++c) {
            int widest = 0;
            for (int r = 0; r < grid->rowCount(); ++r)
                widest = std::max(widest, fm.horizontalAdvance(grid->cell(c, r)));
            if (widest + 6 > grid->colWidth(c))
                check.fault(grid, QString("column %1 needs %2 pixels for its widest cell, it has %3")
                                      .arg(c).arg(widest + 6).arg(grid->colWidth(c)));
        }
    }
}

} // namespace

// After long runs every counter stands at its largest: each number still has
// room beside its neighbours, in both kinds of work on the toolbar.
TEST_F(WindowLayout, EveryWindowWithItsNumbersAtTheirLargest)
{
    Form1->Image17MouseDown();
    ShowEveryPanel();
    Form1->CheckBox66->setChecked(true);
    for (Form* form : AllWindows())
        form->show_();   // a window's show handler fills its labels: the numbers come after
    ShowWidestNumbers();
    FillNinePointTablesAtCapacity();
    QApplication::processEvents();
    LayoutCheck check;
    for (Form* form : AllWindows())
        CheckEverySheet(form, check);
    CheckGridColumns(Form1, check);
    Form1->ShowTwoDimToolbar();
    QApplication::processEvents();
    check.checkWindow(Form1);
    Expect(check);
}
