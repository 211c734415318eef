// The change rules the windows rely on: which setters run handlers (at once, nested,
// only on a change) and which are silent.
#include "WidgetTestSupport.h"
#include "widgets/ControlColor.h"
#include "widgets/Form.h"
#include "widgets/Handlers.h"
#include "widgets/RadioGroup.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(EditChange, CodeRunsHandlerNestedOnlyOnChangeAndUserTypingOnEveryKey)
{
    QLineEdit edit;
    int runs = 0;
    QString seen;
    OnChange(&edit, [&] {
        ++runs;
        seen = edit.text();
    });
    edit.setText("12");
    EXPECT_EQ(runs, 1);   // nested: already ran when setText returned
    EXPECT_EQ(seen, "12");
    edit.setText("12");
    EXPECT_EQ(runs, 1);
    edit.setText("");
    EXPECT_EQ(runs, 2);
    for (const char* key : {"1", "2", "3"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key(key[0]), Qt::NoModifier, key);
        QApplication::sendEvent(&edit, &press);
    }
    EXPECT_EQ(runs, 5);
    EXPECT_EQ(seen, "123");
}

TEST(CheckBoxClick, SetCheckedRunsHandlerOnlyOnChange)
{
    QCheckBox box;
    int runs = 0;
    bool seen = false;
    OnClick(&box, [&] {
        ++runs;
        seen = box.isChecked();
    });
    box.setChecked(false);
    EXPECT_EQ(runs, 0);
    box.setChecked(true);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(seen);
    box.setChecked(true);
    EXPECT_EQ(runs, 1);
    box.click();   // as a user click
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(box.isChecked());
}

TEST(RadioGroupClick, ItemIndexRunsHandlerOnChangeIncludingNone)
{
    RadioGroup group;
    group.setItems({"a", "b", "c"});
    EXPECT_EQ(group.itemIndex(), -1);
    int runs = 0;
    OnClick(&group, [&] { ++runs; });
    // (index to set, handler runs so far)
    const std::pair<int, int> steps[] = {{1, 1}, {1, 1}, {-1, 2}, {-1, 2}, {7, 2}};   // 7: outside = none
    for (auto [index, expected] : steps) {
        group.setItemIndex(index);
        EXPECT_EQ(runs, expected) << index;
    }
    EXPECT_EQ(group.itemIndex(), -1);

    auto buttons = group.findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 3);
    buttons[1]->click();
    buttons[1]->click();   // clicking the checked item changes nothing
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_EQ(runs, 3);
    group.setItems({"a"});   // the index no longer exists: dropped silently
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(runs, 3);
}

TEST(MenuSwitch, HandlerSeesItsOwnMarkUntoggledAndTogglesItItself)
{
    QAction item("Grid");
    item.setCheckable(true);
    bool seenInHandler = true;
    OnClick(&item, [&] {
        seenInHandler = item.isChecked();
        item.setChecked(!item.isChecked());
    });
    item.trigger();
    EXPECT_FALSE(seenInHandler);
    EXPECT_TRUE(item.isChecked());
    item.trigger();
    EXPECT_TRUE(seenInHandler);
    EXPECT_FALSE(item.isChecked());
}

TEST(SilentSetters, MarksVisibilityEnablingPositionsCaptionsAndColoursRunNothing)
{
    int runs = 0;
    QAction item("x");
    item.setCheckable(true);
    OnClick(&item, [&] { ++runs; });
    item.setChecked(true);
    item.setVisible(false);
    item.setEnabled(false);

    UpDown updown;
    OnClick(&updown, [&](bool) { ++runs; });
    updown.setMax(10);
    updown.setPosition(20);
    EXPECT_EQ(updown.position(), 10);
    updown.setMax(-3);   // position follows the range silently
    updown.setPosition(-5);

    RadioGroup group;
    OnClick(&group, [&] { ++runs; });
    group.setItems({"a", "b"});
    group.setTitle("Mode");
    SetColor(&group, ColorYellow);
    EXPECT_EQ(ColorOf(&group), ColorYellow);
    EXPECT_EQ(runs, 0);
}

TEST(LayoutBuilding, SettingUpAWindowAndShowingItRunsNoHandler)
{
    // As uic does: the controls get their starting states before any handler is connected.
    Form form;
    auto* edit = new QLineEdit("5", form.client());
    auto* box = new QCheckBox(form.client());
    box->setChecked(true);
    auto* group = new RadioGroup(form.client());
    group->setItems({"a", "b"});
    group->setItemIndex(1);
    form.client()->resize(200, 100);
    form.adoptLayout();
    int runs = 0;
    OnChange(edit, [&] { ++runs; });
    OnClick(box, [&] { ++runs; });
    OnClick(group, [&] { ++runs; });
    form.show_();
    QApplication::processEvents();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(edit->text(), "5");
    EXPECT_EQ(group->itemIndex(), 1);
}

TEST(ExceptionBoundary, ExceptionInHandlerIsShownAndProgramGoesOn)
{
    RecordedMessages rec;
    QPushButton button;
    OnClick(&button, [] { throw std::runtime_error("table file is short"); });
    button.click();
    ASSERT_EQ(rec.shown.size(), 1u);
    EXPECT_EQ(rec.shown[0].caption, "Error");
    EXPECT_EQ(rec.shown[0].text, "table file is short");

    QLineEdit edit;
    OnChange(&edit, [] { throw 42; });   // not a std::exception
    edit.setText("x");
    ASSERT_EQ(rec.shown.size(), 2u);
    EXPECT_FALSE(rec.shown[1].text.isEmpty());
    int after = 0;
    RunGuarded([&] { ++after; });
    EXPECT_EQ(after, 1);
}
