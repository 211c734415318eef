// The change rules the windows rely on: which setters run handlers (at once, nested,
// only on a change) and which are silent.
#include "widgets/ControlColor.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"
#include "widgets/RadioGroup.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(EditChange, CodeSetTextRunsHandlerOnceBeforeSetterReturnsAndNotForSameText)
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
}

TEST(EditChange, HandlerThatWritesItsOwnEditSettles)
{
    // A handler that normalises its edit runs once more for its own change, then stops.
    QLineEdit edit;
    int runs = 0;
    OnChange(&edit, [&] {
        ++runs;
        if (edit.text() != "7")
            edit.setText("7");
    });
    edit.setText("abc");
    EXPECT_EQ(edit.text(), "7");
    EXPECT_EQ(runs, 2);
}

TEST(EditChange, UserTypingRunsHandlerForEveryChange)
{
    QLineEdit edit;
    int runs = 0;
    OnChange(&edit, [&] { ++runs; });
    for (const char* key : {"1", "2", "3"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key(key[0]), Qt::NoModifier, key);
        QApplication::sendEvent(&edit, &press);
    }
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(edit.text(), "123");
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
    group.setColumns(2);
    EXPECT_EQ(group.itemIndex(), -1);
    int runs = 0;
    OnClick(&group, [&] { ++runs; });

    group.setItemIndex(1);
    EXPECT_EQ(runs, 1);
    group.setItemIndex(1);
    EXPECT_EQ(runs, 1);
    group.setItemIndex(-1);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(group.itemIndex(), -1);
    group.setItemIndex(-1);
    EXPECT_EQ(runs, 2);
    group.setItemIndex(7);   // outside: none, which it already is
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(group.itemText(2), "c");
    EXPECT_EQ(group.itemText(3), "");
}

TEST(RadioGroupClick, UserClickSelectsAndReclickKeepsSelection)
{
    RadioGroup group;
    group.setItems({"a", "b"});
    int runs = 0;
    OnClick(&group, [&] { ++runs; });
    auto buttons = group.findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 2);
    buttons[1]->click();
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_EQ(runs, 1);
    buttons[1]->click();   // clicking the checked item changes nothing
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(buttons[1]->isChecked());
    EXPECT_FALSE(buttons[0]->isChecked());
}

TEST(MenuSwitch, HandlerSeesItsOwnMarkUntoggledAndTogglesItItself)
{
    QMenu menu;
    QAction* item = menu.addAction("Grid");
    item->setCheckable(true);
    bool seenInHandler = true;
    OnClick(item, [&] {
        seenInHandler = item->isChecked();
        item->setChecked(!item->isChecked());
    });
    item->trigger();
    EXPECT_FALSE(seenInHandler);
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(seenInHandler);
    EXPECT_FALSE(item->isChecked());
}

TEST(MenuSwitch, HandlerThatLeavesTheMarkAloneKeepsIt)
{
    QAction item("Log");
    item.setCheckable(true);
    int runs = 0;
    OnClick(&item, [&] { ++runs; });
    item.trigger();
    EXPECT_EQ(runs, 1);
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

    QPushButton button;
    OnClick(&button, [&] { ++runs; });
    button.setText("Go");
    button.setVisible(false);
    button.setEnabled(false);

    UpDown updown;
    OnClick(&updown, [&](bool) { ++runs; });
    updown.setMin(0);
    updown.setMax(10);
    updown.setPosition(20);
    EXPECT_EQ(updown.position(), 10);
    updown.setPosition(-5);
    EXPECT_EQ(updown.position(), 0);
    updown.setMax(-3);   // position follows the range silently
    EXPECT_EQ(updown.position(), 0);

    RadioGroup group;
    OnClick(&group, [&] { ++runs; });
    group.setItems({"a", "b"});
    group.setTitle("Mode");

    QLabel label;
    label.setText("caption");
    SetColor(&group, ColorYellow);
    EXPECT_EQ(ColorOf(&group), ColorYellow);
    EXPECT_EQ(ColorOf(&label), ColorButtonFace);

    EXPECT_EQ(runs, 0);
}

TEST(SilentSetters, ChangingItemsDropsAnIndexThatNoLongerExistsWithoutHandler)
{
    RadioGroup group;
    group.setItems({"a", "b", "c"});
    group.setItemIndex(2);
    int runs = 0;
    OnClick(&group, [&] { ++runs; });
    group.setItems({"a", "b"});
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(runs, 0);
}

TEST(UpDownPress, UserPressMovesByOneClampedThenReportsDirection)
{
    UpDown updown;
    updown.setMin(1);
    updown.setMax(3);
    updown.setPosition(2);
    std::vector<std::pair<bool, int>> seen;
    OnClick(&updown, [&](bool up) { seen.push_back({up, updown.position()}); });
    updown.press(true);
    updown.press(true);   // at the maximum: stays, still reported
    updown.press(false);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(true, 3));
    EXPECT_EQ(seen[1], std::make_pair(true, 3));
    EXPECT_EQ(seen[2], std::make_pair(false, 2));
}

TEST(ExceptionBoundary, ExceptionInHandlerIsShownAndProgramGoesOn)
{
    std::vector<MessageRecord> shown;
    SetMessageRecorder(&shown);
    QPushButton button;
    int after = 0;
    OnClick(&button, [] { throw std::runtime_error("table file is short"); });
    button.click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Error");
    EXPECT_EQ(shown[0].text, "table file is short");

    QLineEdit edit;
    OnChange(&edit, [] { throw 42; });
    edit.setText("x");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(shown[1].text.isEmpty());

    RunGuarded([&] { ++after; });
    EXPECT_EQ(after, 1);
    SetMessageRecorder(nullptr);
}
