#include "lattice/TForm13.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

// QObject::receivers is protected; a pointer to it taken through a class that makes it
// public lets the test count the connections of a control's signal.
struct ReceiverCount : QObject {
    using QObject::receivers;
};

int ToggleReceivers(const QCheckBox* box)
{
    const auto receivers = &ReceiverCount::receivers;
    return (box->*receivers)(SIGNAL(toggled(bool)));
}

}  // namespace

TEST(TForm13, RingBoxesThatStartUpUnticksStartTickedWithTheirHandlers)
{
    TForm13 form;
    // Start-up unticks these five, and each untick must reach its handler.
    for (QCheckBox* box : {form.CheckBox9, form.CheckBox10, form.CheckBox12, form.CheckBox13,
                           form.CheckBox14}) {
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
        EXPECT_EQ(ToggleReceivers(box), 1) << box->objectName().toStdString();
    }
    for (QCheckBox* box : {form.CheckBox9, form.CheckBox10, form.CheckBox12, form.CheckBox13,
                           form.CheckBox14})
        box->setChecked(false);
    EXPECT_FALSE(form.CheckBox14->isChecked());
    // The panels follow the boxes; ring 11 is Panel10, rings 9 and 14 Panel11 and Panel15.
    EXPECT_TRUE(form.Panel11->isHidden());
    EXPECT_TRUE(form.Panel15->isHidden());
    EXPECT_FALSE(form.Panel10->isHidden());
    form.CheckBox2->setChecked(false);
    EXPECT_TRUE(form.Panel3->isHidden());
    form.CheckBox9->setChecked(true);
    EXPECT_FALSE(form.Panel11->isHidden());
}

TEST(TForm13, RingBoxesAreCaptionedByTheirRingNumbers)
{
    TForm13 form;
    const QCheckBox* boxes[] = {form.CheckBox1, form.CheckBox2, form.CheckBox3, form.CheckBox4,
                                form.CheckBox5, form.CheckBox6, form.CheckBox7, form.CheckBox8,
                                form.CheckBox9, form.CheckBox10, form.CheckBox11, form.CheckBox12,
                                form.CheckBox13, form.CheckBox14};
    for (int ring = 1; ring <= 14; ++ring)
        EXPECT_EQ(boxes[ring - 1]->text(), QString::number(ring));
}
