// The working defaults the main window takes when it is first shown. The order
// matters: setting a control from code runs its handler at once, and several of
// those handlers read what earlier settings left behind.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/IndexHelpers.h"
#include "base/ProgramDir.h"
#include "base/RunControls.h"
#include "lattice/LatticeSettings.h"
#include "lattice/TForm12.h"
#include "lattice/TForm13.h"
#include "lattice/TForm14.h"
#include "lattice/TForm15.h"
#include "lattice/TForm6.h"
#include "lattice/VideoFrameSize.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RunViewState.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

void SetSecondaryWindowDefaults()
{
    Form12->RadioGroup3->setItemIndex(1);
    Form12->RadioGroup2->setItemIndex(1);
    Form12->RadioGroup1->setItemIndex(9);
    Form12->RadioGroup1->setItemIndex(4);

    Form6->RadioGroup1->setItemIndex(0);

    Form14->CheckBox1->setChecked(true);
    Form14->CheckBox2->setChecked(true);
    Form14->CheckBox4->setChecked(true);
    Form14->CheckBox5->setChecked(true);
    Form14->CheckBox6->setChecked(true);

    Form15->RadioGroup1->setItemIndex(3);

    Form13->CheckBox1->setChecked(true);
    Form13->CheckBox2->setChecked(true);
    Form13->CheckBox3->setChecked(true);
    Form13->CheckBox4->setChecked(true);
    Form13->CheckBox5->setChecked(true);
    Form13->CheckBox6->setChecked(true);
    Form13->CheckBox7->setChecked(true);
    Form13->CheckBox8->setChecked(true);
    Form13->CheckBox9->setChecked(false);
    Form13->CheckBox10->setChecked(false);
    Form13->CheckBox11->setChecked(true);
    Form13->CheckBox12->setChecked(false);
    Form13->CheckBox13->setChecked(false);
    Form13->CheckBox14->setChecked(false);
}

} // namespace

void TForm1::FormShowDefaults()
{
    // 1. Message groups, toolbar switches, first visibility boxes.
    RadioGroup21->setItemIndex(0);
    RadioGroup22->setItemIndex(0);
    CheckBox58->setChecked(true);
    CheckBox56->setChecked(true);
    CheckBox68->setChecked(true);
    CheckBox67->setChecked(true);
    CheckBox64->setChecked(false);
    CheckBox62->setChecked(false);
    CheckBox66->setChecked(false);
    Label299->setText("27");

    // 2. Where the program lives: table files and help pages are found below it.
    programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString() + "/";

    // 3. The default two-dimensional mask, chosen twice (once by the item change,
    //    once directly) so the chooser's rebuild sees the edits' values.
    ShowNumber(Edit54, extraPointX5);
    ShowNumber(Edit55, extraPointY5);
    RadioGroup20->setItemIndex(1);
    RadioGroup20Click();
    // The chooser ends with the two-dimensional clear: with "Npr=0" checked it
    // fills the key-indexed value tables with their empty marker, on which the
    // generators' contradiction test relies from the first pass on.
    Button170Click();

    // 4. The string length the chooser left, and the square's side with it.
    ShowNumber(Edit1, stringLength);
    UpDown2->setPosition(stringLength);
    squareRowCount = stringLength;
    squareColumnCount = stringLength;
    UpDown11->setPosition(stepWTableIndex);

    // 5. Tabs, the hidden panel and the menu switches. ">>" runs its handler
    //    before the Mask check boxes are set, so the mask globals are built from
    //    the boxes as they stood before start-up.
    // tab "CH I"
    RadioGroup21->setItemIndex(0);
    CheckBox64->setChecked(false);
    CheckBox62->setChecked(false);
    CheckBox41->setChecked(true);
    CheckBox45->setChecked(false);
    RichEdit7->setVisible(false);
    RichEdit8->setVisible(false);
    RichEdit9->setVisible(false);
    RadioGroup15->setItemIndex(1);
    RichEdit5->clearLines();
    RichEdit5->addLine("(=0) 0 column = -1");
    RichEdit6->clearLines();
    RichEdit6->addLine("(=0) 0 column = +1");
    // tab "CH II"
    RadioGroup22->setItemIndex(0);
    CheckBox66->setChecked(false);
    // tab "M1"
    CheckBox57->setChecked(false);
    CheckBox55->setChecked(false);
    CheckBox54->setChecked(true);
    RadioGroup16->setItemIndex(4);
    Label282->setText(QString::number(viewScrollRow));
    CheckBox47->setChecked(true);
    CheckBox53->setChecked(true);
    CheckBox50->setChecked(true);
    CheckBox51->setChecked(true);
    CheckBox52->setChecked(true);
    CheckBox48->setChecked(false);
    Label134->setText(QString::number(viewStartRow));
    CheckBox49->setChecked(false);
    ShowNumber(Edit52, stopStepA);
    ShowNumber(Edit53, stopStepB);
    for (int d = 1; d <= kStringMaxDistance; ++d) {
        LeftMaskBox(d)->setChecked(d == 1);
        RightMaskBox(d)->setChecked(d == 1);
    }
    // tab "T-TD"
    Label299->setText("27");
    RadioGroup4->setItemIndex(0);
    Edit6->setText("0");
    Edit7->setText("1");
    RadioGroup4->setItemIndex(0);
    UpDown4->setPosition(5);
    // tab "Step W" and the toolbar's "rand", switched on and off again
    UpDown11->setPosition(stepWTableIndex);
    RadioGroup19->setItemIndex(0);
    CheckBox61->setChecked(true);
    CheckBox61->setChecked(false);
    // tab "w1"
    RadioGroup18->setItemIndex(0);
    Button126->setEnabled(false);
    Button124->setEnabled(false);
    CheckBox40->setChecked(false);
    CheckBox46->setChecked(true);
    ShowNumber(Edit46, trialLengthRange);
    ShowNumber(Edit47, trialBCountRange);
    ShowNumber(Edit45, trialLengthBase);
    ShowNumber(Edit48, timeLimitC);
    CheckBox43->setChecked(true);
    CheckBox42->setChecked(false);
    CheckBox38->setChecked(false);
    // tab "w2"
    CheckBox39->setChecked(false);
    // tab "Pdb"
    RadioGroup17->setItemIndex(0);
    // hidden panel
    ShowNumber(Edit49, cellWidth);
    ShowNumber(Edit50, cellHeight);
    Image9->setVisible(false);
    CheckBox44->setChecked(true);
    CheckBox33->setChecked(true);
    RadioGroup14->setItemIndex(0);
    RadioGroup13->setItemIndex(1);
    CheckBox37->setChecked(false);
    CheckBox36->setChecked(false);
    CheckBox34->setChecked(true);
    CheckBox35->setChecked(true);
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox29, CheckBox30, CheckBox31, CheckBox32})
        box->setEnabled(false);
    CheckBox34->setEnabled(true);
    CheckBox35->setEnabled(true);
    Button16->setEnabled(false);
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    CheckBox29->setChecked(true);
    CheckBox30->setChecked(false);
    CheckBox31->setChecked(false);
    CheckBox32->setChecked(true);
    CheckBox25->setChecked(true);
    CheckBox26->setChecked(true);
    CheckBox27->setChecked(true);
    CheckBox28->setChecked(true);
    RadioGroup11->setItemIndex(0);
    RadioGroup9->setItemIndex(0);
    RadioGroup10->setItemIndex(0);
    RadioGroup8->setItemIndex(0);
    UpDown6->setPosition(0);
    RadioGroup7->setItemIndex(1);
    RadioGroup6->setItemIndex(0);
    RadioGroup5->setItemIndex(0);
    RadioGroup3->setItemIndex(1);
    RadioGroup5->setItemIndex(0);
    // menus
    INTEGRATEDPanel1->setChecked(false);
    Extended1->setChecked(false);
    F2x1->setChecked(false);
    Scale1->setChecked(false);
    F3x1->setChecked(false);
    VffinPanel1->setChecked(true);
    SingleWork1->setChecked(false);
    ResT0c1c11->setChecked(false);
    N7->setChecked(false);
    N0colomn1->setChecked(true);
    Res01231->setChecked(true);
    NOTSTOP1->setChecked(false);
    IsStopwheN1->setChecked(false);
    IsStop1->setChecked(true);
    IaStop1->setChecked(false);
    IsStopwheniCX1->setChecked(false);
    ShowI1->setChecked(false);
    ShowII1->setChecked(false);
    Dontshow1->setChecked(false);
    Cytcr1->setChecked(false);
    ResNfbleN11->setChecked(true);
    ResTableN21->setChecked(false);
    F11->setChecked(false);
    notITZ1->setChecked(false);
    isSMES1->setChecked(true);
    Timer101->setChecked(false);
    randomize2->setChecked(false);
    Nonreversible1->setChecked(false);
    ViewInitial1->setChecked(false);
    iesNesol1->setChecked(false);
    iesZAD1->setChecked(true);
    VIKLdljalabdx1->setChecked(false);
    Vnacalo1->setChecked(true);
    zapnorobr1->setChecked(false);
    ViewGraph1->setChecked(false);
    zaplambdX1->setChecked(false);
    Iszapaa1->setChecked(false);
    Estobr1->setChecked(false);
    isPlosk1->setChecked(true);
    GLAVNUNV1->setChecked(false);
    Dntmove1->setChecked(false);
    Cadr1->setChecked(false);
    NoDRAW1->setChecked(false);
    N4b1->setChecked(false);
    isdef1->setChecked(true);
    Load3pict1->setChecked(false);
    zapaRIVE1->setChecked(false);
    risCntriver1->setChecked(false);
    IsIZM1->setChecked(true);
    isRIVER1->setChecked(false);
    Iz22->setChecked(false);
    Cnc01->setChecked(false);
    Cnc11->setChecked(true);
    Cnc21->setChecked(false);
    XXcnc1->setChecked(true);
    N1Or31->setChecked(false);
    PorM1->setChecked(false);
    Nographics1->setChecked(false);
    XXXn1->setChecked(false);
    Is6coins1->setChecked(false);
    ReadMask2->setChecked(false);
    Showwithfilt1->setChecked(false);
    WriteLOGfile1->setChecked(false);
    Showparameters1->setChecked(false);
    CB1->setChecked(false);
    notpaint1->setChecked(false);
    NAK01->setChecked(false);
    NAK11->setChecked(true);
    NAK21->setChecked(false);
    DONTSHOW2->setChecked(false);
    aRIV1->setChecked(false);
    isIZ1IZ01->setChecked(false);
    Quolil1->setChecked(true);
    RisLoad1->setChecked(false);
    N701->setChecked(false);
    Mousesoliton1->setChecked(false);
    T21->setChecked(true);
    T31->setChecked(false);

    // 6. The time bar, the frame records, the secondary windows, the rule weights.
    timeBarLeft = 55;
    timeBarTop = 443;
    timeBarRight = 724;
    timeBarBottom = 614;
    std::fill(std::begin(frameMaxK), std::end(frameMaxK), 1);
    std::fill(std::begin(frameDl), std::end(frameDl), static_cast<int16_t>(stepsPerRun));
    SetSecondaryWindowDefaults();
    std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), 0.21);
    std::fill(std::begin(ruleWeightsY), std::end(ruleWeightsY), 0.21);

    // 7. A clean drawing area, the border and the lattice rule mode.
    canvas().pen.width = 0;
    Button8Click();
    UpDown1->setPosition(6);
    UpDown2->setPosition(squareRowCount);
    RadioGroup2->setItemIndex(0);
    Dontshow1->setChecked(false);
    Label21->setText("+");
    RadioGroup1->setItemIndex(5);
    ruleModeIndex = 5;
    Form12->RadioGroup1->setItemIndex(4);
    frameWidth = 512;
    frameHeight = 512;
    RadioGroup2->setItemIndex(1);

    // 8. One step per press, a random start, cleared learned tables.
    stepsPerRun = 1;
    Edit2->setText("1");
    UpDown1->setPosition(1);
    Button58Click();
    Button93Click();
    RadioGroup12->setItemIndex(2);
    ShowNumber(Edit1, squareRowCount);

    // 9. The cross in its start-up order and the first extra points.
    LayStartupMask2dTables();
    ShowNumber(Edit54, extraPointX5);
    ShowNumber(Edit55, extraPointY5);
    Button216Click();

    // 10. The picture over the client area; the toolbar in one-dimensional mode.
    Image17->setVisible(true);
    ShowOneDimToolbar();
}
