#pragma once
// The main window: toolbar, two page controls of tab sheets, the hidden panel,
// the main menu, the status bar and the drawing area under the controls.
// The class is one, its handlers are defined in the folder of the subsystem
// that owns them (files named TForm1*.cpp).
#include "widgets/Form.h"
#include "widgets/Timer.h"

#include "engine/Mask1d.h"
#include "engine/StringEngine.h"
#include "engine/StringFiles.h"
#include "tables1d/ClosureCheck.h"

#include <functional>

#include "ui_TForm1Shell.h"
#include "ui_TForm1TabANY1.h"
#include "ui_TForm1TabANY2.h"
#include "ui_TForm1TabCH1.h"
#include "ui_TForm1TabCH2.h"
#include "ui_TForm1TabM1.h"
#include "ui_TForm1TabPR.h"
#include "ui_TForm1TabPdb.h"
#include "ui_TForm1TabPdb2.h"
#include "ui_TForm1TabShow.h"
#include "ui_TForm1TabStepW.h"
#include "ui_TForm1TabTTD.h"
#include "ui_TForm1TabW1.h"
#include "ui_TForm1TabW2.h"

class TForm1 : public Form,
               public Ui::TForm1Shell,
               public Ui::TForm1TabANY1,
               public Ui::TForm1TabANY2,
               public Ui::TForm1TabCH1,
               public Ui::TForm1TabCH2,
               public Ui::TForm1TabM1,
               public Ui::TForm1TabPR,
               public Ui::TForm1TabPdb,
               public Ui::TForm1TabPdb2,
               public Ui::TForm1TabShow,
               public Ui::TForm1TabStepW,
               public Ui::TForm1TabTTD,
               public Ui::TForm1TabW1,
               public Ui::TForm1TabW2 {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // The window's first showing brings every control and global to its
    // working defaults; later showings change nothing.
    void FormShow() override;

    // Timers of the main window, all disabled at start (intervals in ms).
    Timer* Timer1 = nullptr;    // 1: n steps of the string engine
    Timer* Timer2 = nullptr;    // 1: lattice step loop
    Timer* Timer3 = nullptr;    // 200: video frames
    Timer* Timer4 = nullptr;    // 200: FREEZE
    Timer* Timer5 = nullptr;    // 1000: IMPROVE search
    Timer* Timer6 = nullptr;    // 100: batch experiment
    Timer* Timer7 = nullptr;    // 100: batch experiment
    Timer* Timer8 = nullptr;    // 200: video frames
    Timer* Timer9 = nullptr;    // 10: sweeps
    Timer* Timer10 = nullptr;   // 10: random runs of the trial experiment
    Timer* Timer11 = nullptr;   // 10: learning test loop
    Timer* Timer12 = nullptr;   // 100: mask (3,1) learning loop
    Timer* Timer13 = nullptr;   // 10: growth run step
    Timer* Timer14 = nullptr;   // 10: growth run chain
    Timer* Timer15 = nullptr;   // 100: growth run chain
    Timer* Timer16 = nullptr;   // 100: growth run restart
    Timer* Timer17 = nullptr;   // 20: one-dimensional table generator
    Timer* Timer18 = nullptr;   // 20: two-dimensional table generator

    // --- shell: Help, About, Exit -------------------------------------------
    void Content1Click();
    void Content2Click();
    void About1Click();
    void Exit1Click();

    // --- main window layout: the drawing area and the start-up picture -------
    // The drawing area is the client left of the page controls, below the bars
    // at the top and above a status bar at the bottom (client coordinates). Its
    // top-left corner is the canvas's origin, and the canvas keeps every
    // drawing inside it: each picture, placed at its canvas coordinates, shows
    // whole in the area whichever bars are shown.
    void LayOutDrawingArea();
    QRect DrawingArea() const;
    // Our own picture on Image17: the workbench's name and what a click does.
    void DrawStartPicture();

    // --- string engine, run controls and number edits -----------------------
    void Edit1Change();
    void Edit2Change();
    void Edit6Change();
    void Edit7Change();
    void Edit49Change();
    void Edit50Change();
    void CheckBox29Click();
    void CheckBox32Click();
    void CheckBox33Click();
    void CheckBox34Click();
    void CheckBox35Click();
    void CheckBox41Click();
    void RadioGroup15Click();
    void Button8Click();
    void Button58Click();
    // one-dimensional mask
    void Button122Click();
    void Button127Click();
    void Button129Click();
    void Button228Click();
    void CheckBox45Click();
    void CheckBox9Click();
    void CheckBox10Click();
    void CheckBox11Click();
    void CheckBox12Click();
    void CheckBox20Click();
    void CheckBox21Click();
    void CheckBox22Click();
    void CheckBox23Click();
    void CheckBox38Click();
    void CheckBox40Click();
    // the neighbour list edits of "Offsets"
    void Edit33Change();
    void Edit34Change();
    void Edit35Change();
    void Edit37Change();
    void Edit38Change();
    void Edit39Change();
    void Edit40Change();
    void Edit41Change();
    void Edit42Change();
    void Edit43Change();
    void Edit44Change();
    // Shows neighbourCount and neighbourOffsets[0..9] in the edits of "Offsets";
    // the edit of entry j >= 3 is shown only while the list is longer than j.
    void ShowNeighbourList();
    // --- one-dimensional mask: the "Mask" boxes in one place ---
    // The box of left (right) distance d, 1 to 11; nullptr for any other d.
    QCheckBox* LeftMaskBox(int d) const;
    QCheckBox* RightMaskBox(int d) const;
    // Distances 1 to 10 as the boxes stand.
    Mask1dTicks ReadMaskTicks() const;
    // The boxes of distances 1 to `distances` ticked exactly where the bit
    // masks have bit d - 1; the farther boxes keep their state.
    void SetNearMaskBoxes(int32_t leftBits, int32_t rightBits, int distances);
    // engine, run controls, mouse
    void Button1Click();
    void Button2Click();
    void Timer1Timer();
    void Button6Click();
    void Button7Click();
    void Button140Click();
    void Button34Click();
    void Button49Click();
    void Time21Click();
    void Clear1Click();
    void Button10Click();
    void Button9Click();
    void Button22Click();
    void Button23Click();
    void Button24Click();
    void Button25Click();
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
    void FormMouseMove(Qt::KeyboardModifiers shift, int x, int y) override;
    void FormActivate();
    void F11Click();
    // string drawing
    void Button3Click();
    void Button33Click();
    void Button104Click();
    void Button46Click();
    void UpDown5Click();
    void UpDown8Click();
    void Button142Click();
    void Button143Click();
    // initial configurations
    void XXX1Click();
    void Button102Click();
    void Button106Click();
    void Button42Click();
    void Button5Click();
    void Button15Click();
    void Button21Click();
    void Make1Click();
    void Button26Click();
    void Button27Click();
    void Button43Click();
    void N159101Click();
    // number edits and up-downs
    void UpDown1Click();
    void UpDown2Click();
    void Edit3Change();
    void UpDown3Click();
    void Edit5Change();
    void Edit8Change();
    void Edit20Change();
    void Edit21Change();
    void Edit22Change();
    void Edit24Change();
    void Edit25Change();
    // trial experiment parameters
    void Edit26Change();
    void Edit27Change();
    void Edit28Change();
    void Edit29Change();
    // view switches
    void VffinPanel1Click();
    void SingleWork1Click();
    void F3x1Click();
    void F2x1Click();
    void Scale1Click();
    void Extended1Click();
    void ViewImage1Click();
    void INTEGRATEDPanel1Click();
    void PIntegrated1Click();
    void Dontshow1Click();
    void ShowI1Click();
    void ShowII1Click();
    void GroupBox5Click();
    void CheckBox30Click();
    void CheckBox31Click();
    void Button116Click();
    // string files
    void WriteCA1Click();
    void Wsq21Click();
    void Button28Click();
    void Wsq31Click();
    void Wsq41Click();
    void Wsq51Click();
    void ReadCA1Click();
    void sq21Click();
    void Rsq31Click();
    void sq41Click();
    void Rsq51Click();
    void Button16Click();
    // square start patterns and reversed runs
    void Button50Click();
    void Button57Click();
    void Button72Click();
    void Center1Click();
    void Line1Click();
    void LineCenter1Click();
    void ToBegin1Click();
    void Button4Click();
    void Button29Click();
    void Button30Click();
    // The engine's settings as the controls stand (mask boxes, border, "DrRab 37").
    StringStepSettings ReadStringSettings() const;

    // --- recorded runs and their views ---------------------------------------
    void RadioGroup16Click();
    void CheckBox47Click();
    void CheckBox50Click();
    void CheckBox51Click();
    void CheckBox53Click();
    void Edit52Change();
    void Edit53Change();
    void CheckBox61Click();
    void RadioGroup19Click();
    void Edit45Change();
    void Edit46Change();
    void Edit47Change();
    void Edit48Change();
    void Button93Click();
    void CheckBox44Click();
    void RadioGroup12Click();
    // recorded run, event tables and the refresh entry
    void Button146Click();     // "DO =58 146": a recorded run
    void Button145Click();     // "rOrdin rMask 145": the row hook
    void Button150Click();     // "Podb b vic F 150": event tables, StGr13/14, elements, fronts
    void Button168Click();     // "opTonk168": fronts and output values
    void Button149Click();     // "DO 149": the refresh entry of every table generator
    // space-time picture
    void Button151Click();     // "ris STRING 151"
    void Button152Click();
    void Button198Click();     // "GorVer 198": hatch marks
    void Button197Click();     // "u1u5u12 197"
    void CheckBox48Click();
    void UpDown9Click();
    void UpDown10Click();
    // six-letter history and the run grids
    void Button148Click();     // "(119) 148"
    void Button147Click();     // "StGr1234 (147)"
    void StringGrid1DrawCell(GridCellPainter& cell);
    void StringGrid2DrawCell(GridCellPainter& cell);
    void StringGrid13DrawCell(GridCellPainter& cell);
    void StringGrid14DrawCell(GridCellPainter& cell);
    void StringGrid5DrawCell(GridCellPainter& cell);
    void StringGrid6DrawCell(GridCellPainter& cell);
    // Step W tables
    void Button166Click();     // "Show SgrA 166"
    void Button177Click();     // "xyz 177"
    void Button183Click();     // "Show 183"
    void UpDown11Click();

    // --- run analyses: learned small tables, resolution tables, marker theory, sweep ---
    // learning small tables and the trial series
    void Button119Click();     // "D Theory +R 119": the learning step
    void Button101Click();
    void Button110Click();
    void Button117Click();
    void Button118Click();
    void Button120Click();     // "W 120"
    void Button121Click();     // "R 121"
    void Button124Click();     // "Clear"
    void Button125Click();     // "Start test"
    void Button126Click();     // "Stop"
    void Button103Click();     // one trial
    void Timer11Timer();
    void Starttest1Click();
    void Stoptest1Click();
    void Clearresults1Click();
    void Edit51Change();
    void Edit32Change();
    void UpDown7Click();
    // resolution tables
    void Button130Click();     // "Show RT1"
    void Button131Click();     // "Show Rt2"
    void Button132Click();     // "Comp.+"
    void Button133Click();     // "Show RTU"
    void Button136Click();     // "2 <= U"
    void Button137Click();     // "1 => 2"
    void Button138Click();     // "I"
    void Copy121Click();
    void Copy1Inv21Click();
    void Copy211Click();
    void Copy1U1Click();
    void CopyU11Click();
    void CopyU21Click();
    void Cytcr1Click();
    void Res01231Click();
    void N0colomn1Click();
    void ResNfbleN11Click();
    void ResTableN21Click();
    void ResT0c1c11Click();
    void N7Click();
    // marker theory check
    void Button98Click();      // "Theory 98"
    void Button92Click();      // "Ris Th 92"
    void Button96Click();
    void Button97Click();
    void Button99Click();
    void Button95Click();
    void Button94Click();
    void Button100Click();
    void Button108Click();
    void Button112Click();
    void Button114Click();
    void Button115Click();
    void Button105Click();
    void Button113Click();
    void Button111Click();
    void Button107Click();     // "M=-100 107"
    void Button109Click();
    void CheckBox36Click();
    void CheckBox37Click();
    // parameter sweep
    void Maketable1Click();
    void Timer9Timer();
    void Conec1Click();
    void PConec1Click();
    void isPlosk1Click();
    void Edit11Change();
    void Edit12Change();
    void Edit13Change();
    void Edit14Change();
    void Edit15Change();
    void Edit16Change();
    // The end of an engine run while a sweep runs: the run counted into its
    // point (runSteps = stepCount at the end, before the predictors), then the
    // next run armed or, after the last, "Conec".
    void CountSweepRunEnd(int32_t runSteps);

    // --- one-dimensional tables ------------------------------------------------
    void Button163Click();     // "I AL34=0": clear-all
    void Button170Click();     // "I AL=0 170": the two-dimensional clear
    void Button181Click();     // "BEZ DEL! 181": multiply the list by the group
    void Button188Click();     // "Mk OB3 188": rebuild the permuted copy
    void Button199Click();     // "READ TT 1 dim"
    void Button200Click();     // "CHECK TT 1 dim"
    void Button231Click();     // "WRITE 1 231": write the list to ttFileName1d
    void Button233Click();     // "1/6 => All"
    void Button234Click();     // "READ 1 234": read ttFileName1d into the list
    void Button236Click();     // "Save to XLS": text export
    void OpenTT1dim1Click();   // File > "Open TT (1 dim.)"
    // Stops "TT 1d" and "TT 2d" as their "Stop" buttons do, before a command
    // loads a table that a running chain would overwrite with its next one.
    void StopTableGeneratorsBeforeLoading();
    // The list's N records in StringGrid11 with key words for pointCount cells.
    void FillTable1dGrid(int pointCount);
    // Toolbar counters for a list of recordCount records: N, N/6, (N/6-1)/2.
    void ShowTableCounters(int32_t recordCount);
    // Key length of the list in the current mode (two- or one-dimensional points).
    int TableKeyLength() const;
    // mask presets and the ANY I picker
    void Button202Click();     // "mk " preset (1,1)
    void Button201Click();     // "mk" preset (3,1)
    void Button187Click();     // "mk" preset (5,3)
    void Button193Click();     // "mk 7,3"
    void Button206Click();     // "mk 13,9"
    void Button207Click();     // "mk" of "Mask crest": five points, two-dimensional clear
    void Button203Click();     // partial preset (7,3)
    void Button208Click();     // the mask from the last position over the picture
    void Button209Click();     // empty the tables, build the table path
    void Image15MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void Image15MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Image15MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Draws the grid of mask pairs on Image15.
    void DrawAnyIPicture();
    // table generator
    void Button204Click();     // "TT 1d": start the chain
    void Button211Click();     // "Stop ": end it
    void Timer17Timer();
    void Button167Click();     // one pass, five points
    void Button205Click();     // six points
    void Button212Click();     // seven points
    void Button229Click();     // eight points
    void Button230Click();     // nine points
    // One generation pass for a mask of pointCount points.
    void GenerationPass(int pointCount);
    // --- one-dimensional tables: corrections ---
    // WRITE 1 with its outcome: false when nothing was written (a refusal or a
    // failure is reported; a missing file is noted in the status bar).
    bool WriteTable1dFile();
    // Empty when "TT 1d" can start on the current mask and table path, else why not.
    QString WhyGeneratorCannotStart() const;
    void Button160Click();     // "perestan 160"
    // Step 9 of "CHECK TT 1 dim": the hidden labels of its last placement.
    void ShowCheckTrace(const ClosureOutcome& outcome, int pointCount);

    // --- fixed-mask tables: builders, files, checks, tools, backward learning ---
    void Button153Click();     // "TT 1d" of "mask(1,1) 35": learn one run into the layers of tt3
    void Button165Click();     // "w": the list to "RT/RT11.dat"
    void Button154Click();     // "Open" of "mask(1,1) 35": "RT/R2_0101.dat"
    void Button171Click();     // "TT 1d" of "mask(3,1)": learn one run into tt4, write "RT/RT31.dat"
    void Button173Click();     // "Stop 173": the mask (3,1) loop on or off
    void Timer12Timer();
    void Button174Click();     // "Open" of "mask(3,1)": "RT/R3_0301.dat"
    void Button195Click();     // "II mk AL 195": the mask (7,3) pass, "RT/RT73.dat"
    void Button191Click();     // "Open" of "mask (5,3)": "RT/R4_0503.dat"
    void Button194Click();     // "(1 Read73": "RT/R5_0703.dat" into the current table file
    void Button164Click();     // closure check of mask (1,1)
    void Button169Click();     // closure check of mask (3,1)
    void Button192Click();     // "Check T 1dim": closure check of mask (5,3)
    void Button196Click();     // "III Check 196": closure check of mask (7,3)
    void Button155Click();     // "mk rtt6[162][6] 155": blocks 1..5 from block 0, in place
    void Button156Click();     // "TPP Check/6 156": mirror classes of the mask (1,1) table
    void Button157Click();     // "ddTol 157": column sums of the mask (3,1) table's values
    void Button189Click();     // "mk OB 189": mask (1,1) learned backwards, "RT/RT11OB.dat"
    void Button190Click();     // "mk OB 190": mask (3,1) learned backwards, "RT/RT31OB.dat"
    // The 14 labels of "ddTol" one pixel left when the view row is odd, right when even.
    void MoveColumnSumLabels();
    // The list in StringGrid11 as a table of keyCells (3 or 4) cells with its
    // values; key cells from the permuted copy when permutedView.
    void FillFixedMaskGrid(int keyCells, bool permutedView);
    // The mirror classes of "TPP Check/6" in StringGrid11: key, value, size.
    void FillMirrorClassGrid();
    // FillTable1dGrid with the sign read from key cell centreIndex.
    void FillTable1dGridCentred(int pointCount, int centreIndex);

    // --- two-dimensional mask editor ------------------------------------------
    void Edit54Change();
    void Edit55Change();
    void RadioGroup20Click();
    void Button216Click();
    // the other extra point edits "X6=" .. "Y8=" and the hidden buttons
    void Edit56Change();
    void Edit57Change();
    void Edit58Change();
    void Edit59Change();
    void Edit60Change();
    void Edit61Change();
    void Button222Click();     // "ct P1M1 222": the reset cross and (-1, 1)
    void Button226Click();     // "F filnRT2 226": the table path into ttFileName2d
    void Button210Click();     // "DopXY 210": the extra point from the picker position
    void Button213Click();     // clean-up after a placement: clear, "rand", path
    void zMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void zMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Normalises table t, shows it in the labels of "Shift" and writes the
    // eight coordinate edits (each changed text runs its handler).
    void ShowMask2d(int t);
    // Shows the current item's table again (ShowMask2d) and rebuilds the path.
    void RebuildMask2d();
    // Rebuilds the current item's table by its rules ("Cross": the cross in the
    // reset order), shows it and rebuilds the path.
    void ResetCurrentMask2d();
    // While a table generator or a growth run goes on, the mask, the mode and
    // the length must stay as its tables were started under: true, with a note
    // in the status bar, when a change has to be refused.
    bool Mask2dChangeRefused();
    void DrawZPicture();
    int mask2dAppliedItem = -1;   // the item the chooser last applied

    // --- two-dimensional panel switches ----------------------------------------
    // The toolbar's table controls for one-dimensional work; clears isTwoDimMode.
    void ShowOneDimToolbar();
    void CheckBox54Click();
    void CheckBox56Click();
    void CheckBox57Click();
    void CheckBox58Click();
    void CheckBox64Click();
    void CheckBox66Click();
    void Image17MouseDown();

    // --- two-dimensional growth run, its generator and table files -------------
    void Button158Click();     // "DO WORK 158": one growth step of both layers
    void Button159Click();     // "II Nacalo 159": restart, seeding, Timer13
    void Button179Click();     // "read 179": the side from "DAT/nacpos2.dat"
    void Button161Click();     // "Pdb Pdb2 161": events of the finished run
    void Button180Click();     // "opTonk 180": fronts and output values
    void Button182Click();     // "tim13 182": step on without a restart
    void Button178Click();     // "8-8 178": Timer16 restarts the run
    void Button214Click();     // toolbar "TT 2d": start the generator
    void Button215Click();     // toolbar "Stop": end it
    void Button217Click();     // "ceat217": create or empty the table file
    void Timer13Timer();
    void Timer16Timer();
    void Timer18Timer();
    void Button162Click();     // "TT 2d" of "Mask crest": the five-point harvest
    void Button176Click();     // six-point harvest
    void Button219Click();     // seven-point harvest
    void Button223Click();     // eight-point harvest
    void Button224Click();     // nine-point harvest
    void Button221Click();     // "Check TT 2 dim"
    void Button218Click();     // "WR 218": write the list
    void Button220Click();     // "(1 Read67 ANY": read the table path into the list
    void OpenTT2dim1Click();   // File > "Open TT (2 dim.)"

    // --- two-dimensional tables: closure check, its range, extension, six points ---
    void Button232Click();     // "1/6 => All" of "Any 2 dim"
    void Button235Click();     // "Npr=0" of "Extension": the counts reset
    void Edit68Change();       // "FROM": checkFromRecord
    void Edit69Change();       // "TO": checkToRecord
    // The list with k key bytes to path; false after a "Warning" box.
    bool WriteTable2dTo(const std::string& path, int k);
    // "Save to XLS" of the two-dimensional table beside ttFileName2d, whatever
    // the toolbar's mode.
    void ExportTable2d(int k);

    void ControlBar1MouseDown();
    // The toolbar's table controls for two-dimensional work; sets isTwoDimMode.
    void ShowTwoDimToolbar();
    // The toolbar's generator and counter groups for isTwoDimMode; a running
    // generator keeps its "Stop" shown in either mode.
    void ApplyToolbarMode();
    // Layer 1 of the growth run on the main window's canvas.
    void DrawGrowthLayer1();
    // The harvester of mask2dPointCount points for the run just derived.
    void HarvestGrowthRun();
    // Lists the harvested keys of pointCount cells into the six blocks of the
    // list and shows the counters; false (after a "Warning" box that stops the
    // generator) when they would pass the list's capacity, nothing changed.
    bool ListHarvestedTable(int pointCount);
    // Writes the list to path; on failure a "Warning" box stops the generator.
    bool WriteHarvestedTable(const std::string& path, int pointCount);
    // The list in StringGrid12 as a harvest shows it: keys, value, count / 81.
    void FillHarvestGrid(int pointCount);
    // Toolbar counters of the two-dimensional tables: N, N/6, (N/6-1)/2.
    void ShowTable2dCounters(int32_t recordCount);
    // --- two-dimensional harvests of six to nine points, older tables, key lookup, draws ---
    void Button175Click();     // "(2 Check6P1M1 175": the older six-point check
    void Button172Click();     // "(1 RTkrP1M1 172": the older six-point table into the table file
    void Button184Click();     // "Open": the older five-point table "RT2/T4.dat" into the list
    void Button185Click();     // "KOL TPP Check/6 185": symmetry classes of the cross
    void Button186Click();     // "Check TT 2dim": does nothing
    void Timer14Timer();
    void Timer15Timer();
    void Edit62Change();       // "Randomize": skips as many numbers as typed
    void Edit63Change();       // "Mask crest" key cells 0 .. 4
    void Edit64Change();
    void Edit65Change();
    void Edit66Change();
    void Edit67Change();
    void Button227Click();     // "text 227": the first permuted record with that key
    // The harvest of pointCount (6..9) points for the run just derived: the
    // windows of point table pointCount - 5 into the key-indexed table, then
    // the list, its file ttFileName2d and the grid. Refused, with a "Warning"
    // box that stops the generator and nothing changed, when the table path
    // names another point count.
    void HarvestNormalisedTable(int pointCount);
    // The list in StringGrid12 as the table reader shows it: keys, sign, count.
    void FillTable2dGrid(int pointCount);
    // The older tables: "RT2old/RTTkrP1M1.dat" into the table file of a
    // six-point mask, "RT2/T4.dat" into the list. False when refused (after a
    // message; nothing changed).
    bool ConvertOlderSixPointTable();
    bool OpenOlderFivePointTable();
    void ConnectTables2dToolHandlers();

    // --- lattice workbench switches that start-up runs ---------------------------
    void RadioGroup1Click();
    void RadioGroup3Click();
    void RadioGroup5Click();
    void RadioGroup6Click();
    void RadioGroup7Click();
    void RadioGroup8Click();
    void RadioGroup10Click();
    void Timer101Click();
    void Timer10Timer();

    // --- lattice automaton: step loop, acceptance test, random rules, rule files, FREEZE, IMPROVE ---
    void Timer2Timer();
    void Button32Click();           // one tick of the lattice step loop
    void Button31Click();           // acceptance test of the rule table
    void Button11Click();           // "Mk. rand."
    void ChRandom1Click();          // weighted random table until accepted
    void Button59Click();           // "+": random excited entries
    void Button36Click();           // diagonal entries over the last index
    void Button37Click();           // table of the formula "N3 p=3"
    void Readrandom1Click();        // "Read Exr.dat"
    void Writerandom1Click();       // "Write Exr.dat"
    void Writerandom2Click();
    void Writerandom3Click();
    void Writerandom4Click();
    void Writerandom5Click();
    void ReadRCA1Click();
    void WriteRCA1Click();
    void OpenDialog1CanClose(const QString& fileName);   // the name the dialog closes with
    void SaveDialog1CanClose(const QString& fileName);
    void OpenDialog1Close();
    // stored examples: Timer2 (or Timer1 for those with a side)
    void N13Click();
    void N22Click();
    void N52Click();
    void N42Click();
    void N62Click();
    void N71Click();
    void N82Click();
    void N102Click();
    void N122Click();
    void N152Click();
    void N162Click();
    void N172Click();
    void N182Click();
    void Ex171Click();
    void Ex1847T301Click();
    void Ex1847T302Click();
    void Ex1847T303Click();
    // presets of "EXPO_1"
    void T2os1Click();
    void T2IMP1Click();
    void T3os1Click();
    void N27Click();
    void Star1Click();
    void N26Click();
    void T4vozb1Click();
    void T4ust1Click();
    void T4str1Click();
    void Soliton1Click();
    void Mousesoliton1Click();
    void N112Click();
    // FREEZE
    void Nofreeze1Click();          // "Mask = 0"
    void BEGIN1Click();
    void Go1Click();
    void Timer4Timer();
    void do1syep1Click();           // "do 1 step"
    void Button40Click();           // "Go 40": the FREEZE tick
    void Finish1Click();            // "Do immediate"
    void Drawfrozen1Click();
    void Button41Click();           // "draw C/B 41": grey map of the mask
    void Button39Click();           // "X ma": clear the masks
    void Button38Click();
    void N53Click();
    // IMPROVE
    void Button52Click();           // load the base table
    void Begon1Click();             // "Begin"
    void DO1Click();
    void Timer5Timer();             // one trial
    void Button45Click();           // the decision
    void Stop1Click();
    void T21Click();
    void T31Click();
    void Copymask1Click();

    // --- lattice windows: heat map and IMPROVE windows, bitmap import, counter and river files, menu switches ---
    void ConnectLatticeMenuHandlers();
    void Showheatmap1Click();       // "(F) Show heat map": the heat map window, modal
    void ShowIMPROVE1Click();       // "(F) Show IMPROVE": the IMPROVE statistics window, modal
    // bitmap import
    void READFROMFILE1Click();      // bright pixels of "data/1_1.BMP" become C cells
    void READFROMFILER1Click();     // ... drawn as blue pixels only
    // counter and river files
    void Button79Click();           // "Wr NAK79": the four span-1 counters to their files
    void WrNAK1Click();
    void Button78Click();           // "Re NAK78": read them back, negated
    void ReNAK1Click();
    void Button75Click();           // "Write c R 75": the river frames to "aT1d/aRIVE.dat"
    void WriteaRIVE1Click();
    void Button77Click();           // "Read  cR 77": the river frames back
    void ReadaREVE1Click();
    void zapaRIVE1Click();
    void aT01Click();               // "aT - =0": the twelve counters 0, paint
    void aT02Click();               // "aT=0"
    void NAK01Click();
    void NAK11Click();
    void NAK21Click();
    void BEGIN21Click();
    void ReadNAKfile1Click();
    void BGvsNAK1Click();
    void IzVSNAK1Click();
    // switches that only toggle their own mark
    void Nonreversible1Click();
    void Showparameters1Click();
    void randomize2Click();
    void IsStopwheN1Click();
    void IaStop1Click();
    void IsStop1Click();
    void IsStopwheniCX1Click();
    void Nographics1Click();
    void PorM1Click();
    void N1Or31Click();
    void Quolil1Click();
    void DONTSHOW2Click();
    void aRIV1Click();
    void notpaint1Click();
    void risCntriver1Click();
    void isRIVER1Click();
    void NOTSTOP1Click();
    void Load3pict1Click();
    void IsIZM1Click();
    void isdef1Click();
    void isSMES1Click();
    void iesZAD1Click();
    void iesNesol1Click();
    void notITZ1Click();
    // switches that repaint
    void XXXn1Click();
    void XXcnc1Click();
    void NoA1Click();
    void Iz22Click();
    void isIZ1IZ01Click();
    void Showwithfilt1Click();      // "1 OR 3 SQUARE"
    void Is6coins1Click();
    void Cnc01Click();
    void Cnc11Click();
    void Cnc21Click();
    // edits, pens and the panel ZAD
    void N210Click();               // "Time /2"
    void Button17Click();           // "ris lin 17"
    void Edit18Change();
    void Edit19Change();
    void Edit23Change();
    void Edit30Change();
    void Edit31Change();
    void Button44Click();           // "+1 44"
    void Button48Click();
    void PokCij1Click();
    void P21Click();
    void Button76Click();           // "Pok Cij 76"
    void Button83Click();
    void Button84Click();
    void Button85Click();
    void Button86Click();
    // commands that do nothing
    void To01Click();
    void Iz31Click();
    void BEGINNORM1Click();
    void iesZEL1Click();

    // --- lattice: change statistics, video frames, square patterns, start patterns, 70 x 70 views ---
    // change statistics
    void Button63Click();        // "Xizm pered 63": push the boundary maps
    void Button67Click();        // "Xizm Yizm 67": span marks, counters and their dashes
    void Button73Click();        // "NAK": the statistics display
    void Button69Click();        // "T": reset the statistics
    void Button65Click();        // "mak RES 65"
    void N02Click();             // "=0"
    // video frames
    void Playvideo1Click();
    void Timer3Timer();
    void Button35Click();        // write the frame file framePath
    void Recordvideo31Click();
    void Timer8Timer();
    void Button62Click();        // write the current strip slot
    void Button70Click();
    void N38Click();
    void Maevideo1Click();
    void Unmakevideo1Click();
    void Maxkabeg1Click();
    void MAXK51Click();
    void DlSH1Click();
    void Cadr1Click();
    void NoDRAW1Click();
    void MakeGrid1Click();
    void Dntmove1Click();
    void GLAVNUNV1Click();
    void RisLoad1Click();
    void Button71Click();        // "Load f 71"
    // square pattern files
    void Button68Click();        // "xsta 68": rebuild the point lists
    void Button12Click();        // warm-up
    void Read7021Click();
    void N7031Click();
    void Read7041Click();
    void Read7051Click();
    void N1a9231Click();
    void N1a100001Click();
    void N1a1Click();
    void N1c1Click();
    void N1k1Click();
    void Button81Click();
    void Read70xx21Click();
    void XXX2Click();
    void Read701Click();
    void Read7022Click();
    void Read702Click();
    void N7011Click();
    void Read70xx1Click();
    void N70xx1Click();
    void D1X1Click();
    void N7021Click();
    void N7032Click();
    void N7051Click();
    void N7041Click();
    void cteobr1Click();
    void zapobr1Click();
    void Read311Click();
    void Read711Click();
    void Read7121Click();
    void Read991Click();
    void Button53Click();
    void Readsqwrite1Click();
    void ReadsqPARAD1Click();
    void Edit10Change();
    void UpDown6Click();
    void Edit17Change();
    // FREEZE's "X ma", which the pattern loaders run after loading. Declared
    // here until the FREEZE commands are merged; their definition replaces the
    // interim one in TForm1FreezeResetInterim.cpp.
    // start patterns and the windows of the Initial menu
    void NpointC1Click();
    void N6Npoints1Click();
    void CBCNtimes1Click();
    void DO3Click();
    void NrandpointB1Click();
    void RANDOM2Click();
    void Clearall1Click();
    void Button56Click();
    void CircleSquare1Click();
    void ViewInitial1Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void Showvideo1Click();
    void Showinitial1Click();
    void ShowtMatrix1Click();
    void Showgrafics1Click();
    void Showt61Click();
    void ShowPARADOXES1Click();
    // paint, frame of the square, counters 0: the end of every start pattern
    void FinishStartPattern();
    // views of the 70 x 70 experiments
    void N1abeg1Click();
    void N5dbeg1Click();
    void N5d121Click();
    void Bstav1Click();
    void Finstab1Click();
    void N01Click();
    void N110Click();
    void N211Click();
    void N35Click();
    void N43Click();
    void TEMP21Click();
    void aTEMP21Click();
    void Button80Click();        // "Risnum2 80": signs of the extremes of cellStatMap
    void Viewv2m3m3m1Click();

    // --- lattice: the T=6 scan and the windows that show its counters ---
    void Begim1Click();          // "Begim": side 31, counters 0, start state, arm Timer6
    void Timer6Timer();          // places the start state and hands one run to Timer1
    void DO2Click();             // "Stop": disarms Timer6 only
    void CB1Click();             // "C ? B"
    void Sh411Click();           // "Sh=31"
    void Siz511Click();          // "Siz=71"
    void ShowRandom1Click();     // the "Show T6" window; no control reaches it
    void ConnectT6ScanHandlers();

    // --- lattice: mask file, FIND, C/B pairs, the rule-table window, the time bar and step digits ---
    void Readmask1Click();          // "Read mask": "MA/mafin.dat" into the freeze mask
    void Writemask1Click();         // "Write mask"
    void Dofind1Click();            // "Do find"
    void N20Click();                // the same as "Do find"
    void NOfind1Click();
    void N14Click();                // "N times CB"
    void Button51Click();           // four C/B pairs
    void N5points1Click();
    void ShowCA1Click();            // shows the rule-table window
    void N701Click();               // "View 70": the time bar, not-xor
    void Button60Click();           // advance both time bar markers
    void Edit9Change();
    void Rislll1Click();            // "Ris ll": the bar filled up to the current step
    void Button64Click();           // "risnum 64": the step count in large digits
    // Keys "B" "J" "V" "H" "G" "M" "K" "N" move the bar's edges by a pixel.
    void Button76KeyDown(int key);
    void DO4Click();                // clears the square's drawing area
    // Large digits as DrawDigits draws them, the first digit firstCell cells to the right.
    void DrawDigitsFrom(uint32_t value, int firstCell);

    // --- lattice: Qhist batches and the square view window they use ---
    void WriteQhist1Click();        // "Write Qhist (n=8)": runs from the point file
    void WriteQhistanyn1Click();    // "Write Qhist (any n)": runs from random starts
    void Timer7Timer();             // one start of the batch
    void ReadMask2Click();          // 'Read RCA->"Mask"'
    void WriteLOGfile1Click();      // 'Read RCA->"Square"': side 51, then the square view window
    // Side 51 shown in the length edit (the strings stay within their 27 cells)
    // and the border "Circle".
    void PrepareSquareOf51();
    void ConnectQhistHandlers();

    // --- lattice: series files of the KiyFile menu and the random run batches ---
    void CTEUU1Click();            // "CTE UU": read "data/UU_XX.dat"
    void zapOBR2Click();           // "zap OBR": "data/OU_XX.dat", reversed in time
    void CTEObrUU1Click();         // "CTE Obr UU": phase and median series from the reversed series
    void zaplambdKdatO1Click();    // "zap lambdK.dat (O)": the ratio fit and its three result files
    void N1b1Click();              // "fopen lambd"
    void N2b1Click();              // "fclose lambd"
    void Close1Click();            // closes "data/lambd.dat", stops Timer10 and Timer1
    void Risminit1Click();         // "Ris minit": Series6 of Chart3, empty "data/U33_XX.dat"
    void Vnacalo1Click();          // "V nacalo": stop and reset the run counters
    void zapnorobr1Click();        // "zap nor obr": "V nacalo", then GO
    void Button20Click();          // "V N 2": the start string again, "V nacalo", GO
    void Dopolnenie1Click();       // string A with 1 and 2 exchanged
    void Button13Click();          // three steps in reversed time, then the warm-up
    void Iszapaa1Click();          // length 20 and 4 B points
    void opemlambdKdat1Click();    // "zap lambdK.dat": does nothing
    void risser1Click();           // "ris ser": does nothing
    void iscetc31Click();          // "iscetc3--;": does nothing
    void Button19Click();          // "ris ser19": "ris ser"
    // KiyFile and b) switches that only keep their mark (the lattice menus' switches too)
    void Estobr1Click();
    void ViewGraph1Click();
    void VIKLdljalabdx1Click();
    void N4b1Click();
    // random run batches on Timer10
    void zaplambdX1Click();        // "zap lambdX": start a batch
    void Button89Click();          // one run set-up without touching Timer10
    void Button88Click();          // "Labe 88": the batch's results
    int Series6 = -1;              // the line series of the hidden chart Chart3

private:
    // A handler as a plain callable for the connect helpers.
    std::function<void()> Bind(void (TForm1::*handler)())
    {
        return [this, handler] { (this->*handler)(); };
    }

    void CreateTimers();
    // Each subsystem connects its own controls (src/<subsystem>/TForm1*Connect.cpp).
    void ConnectHandlers();
    void ConnectShellHandlers();
    void ConnectStringEngineHandlers();
    void ConnectRunHandlers();
    void ConnectTables1dHandlers();
    // fixed-mask tables (src/tables1d/TForm1FixedMask*.cpp)
    void ConnectFixedMaskHandlers();
    // The openers of "RT/R2_0101.dat" and "RT/R3_0301.dat": false, after a
    // message, when the file was refused (then nothing has changed).
    bool OpenMask11Table();
    bool OpenMask31Table();
    void ConnectMask2dHandlers();
    void ConnectTables2dHandlers();
    void ConnectLatticeHandlers();
    // run analyses (src/runs/TForm1*.cpp)
    void ConnectRunAnalysisHandlers();
    void ShowSixLetterCells();
    void ShowRt2Labels(bool withOffsets);
    void FormShowDefaults();
    // string engine helpers (src/engine/TForm1*.cpp)
    void FinishStringRun();
    void ShowTrialStatistics();
    void ShowStepCount();
    void ResetRunMenuMarks();
    void SingleSteppingWhenMain0();
    void WipeForRun(int left, int right, bool fill = true);
    int WipeRightEdge() const;
    void PaintGuidePrefix(bool clearFirst);
    void StartFromBPointList();
    void ReverseStep(bool forceSingleStep);
    void RunFarOffsetClick();
    void WriteStringFileNumber(int number);
    bool ReadStringFileNumber(int number, StringFileRecord& record);
    // The string file loads; false when the file could not be read (reported
    // in the status bar, nothing of it taken).
    bool FullStringLoad(int number, bool clearFirst);
    bool BareStringLoad();
    void TakeBareLoad(const StringFileRecord& record);
    bool RestartFromStoredString();
    void DrawDigits(uint32_t value);
    // lattice automaton helpers (src/lattice/TForm1*.cpp)
    void ConnectLatticeCoreHandlers();
    bool ReadRuleTableReporting(const std::string& path);
    void WriteRuleTableReporting(const std::string& path);
    void RunStoredExample(const char* file, int32_t side, int32_t steps, int mode, Timer* timer);
    enum class PresetStart { None, Random, Centre, FourBPoints };
    void LoadPreset(const char* file, int32_t steps, bool penTwo, PresetStart start);
    void FinishRandomRule();
    // lattice: mask file, rule-table window, time bar
    void ConnectLatticeWindowHandlers();
    bool hasBeenShown = false;

    // lattice: helpers of the statistics, frames, pattern loaders and start patterns
    void ConnectLatticeExperimentHandlers();
    void PrepareStatBackground();
    void ShowSquareSideOf70();
    void ShowStepsPerRun(int32_t steps);
    void ReverseSevenForwardTen();
    void WarmUpTail();
    void NoteLoader(const QString& note);
    bool LoadSquarePattern(const std::string& path);
    void LoadFamilyPreset(const char* path);
    void LoadChosenPreset();
    void LoadNormalPreset(const char* path, bool withFlips);
    void LoadNormalPresetOr(const char* path, void (TForm1::*presetLoader)());
    void LoadCPointPattern(const char* path);
    void DrawPatternBlocks(const char* path, int origin, int size, TColor color);
    bool WriteFrameCopies(int copies, QString& notes);

    // lattice: series files of the KiyFile menu and the random run batches
    void ConnectSeriesFileHandlers();
    void SetUpTrialRun();
    // False, with a note in the status bar, when the length range cannot run a batch.
    bool TrialBatchMayStart();
};

extern TForm1* Form1;
