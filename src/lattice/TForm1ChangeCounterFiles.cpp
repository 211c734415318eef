// Files of the change statistics on the main window: the four span-1
// counters ("Wr NAK", "Re NAK"), the river frames ("Write aRIVE",
// "Read aREVE", "zap aRIVE"), clearing the counters, and the switches of the
// menus EXPO_1, NEW and T=6 that choose what the statistics show.
#include "app/TForm1.h"

#include "base/Square.h"
#include "lattice/ChangeCounterFiles.h"
#include "lattice/TForm1MenuMark.h"

#include <QStringList>

namespace {

// "what: a; b" in the status bar when anything failed.
void ReportFailures(StatusBar* bar, const QString& what, const QStringList& failures)
{
    if (!failures.isEmpty())
        bar->setSimpleText(what + ": " + failures.join("; "));
}

QString Message(CounterFileStatus status, const std::string& path, std::size_t size)
{
    return QString::fromStdString(CounterFileMessage(status, path, size));
}

} // namespace

void TForm1::Button79Click()
{
    QStringList failures;
    for (const CounterFile& file : SavedCounterFiles()) {
        const CounterFileStatus status = WriteCounterTable(file.path, *file.table);
        if (status != CounterFileStatus::Ok)
            failures << Message(status, file.path, kCounterFileSize);
    }
    ReportFailures(StatusBar1, "Wr NAK", failures);
}

void TForm1::WrNAK1Click() { Button79Click(); }

// A file comes back with every sign changed. Only the tables read whole are
// negated: a table whose file is missing or of another size keeps its values
// and its sign, and the status bar names it.
void TForm1::Button78Click()
{
    const auto& files = SavedCounterFiles();
    bool read[kCounterFileCount] = {};
    QStringList failures;
    for (int k = 0; k < kCounterFileCount; ++k) {
        const CounterFileStatus status = ReadCounterTable(files[k].path, *files[k].table);
        read[k] = status == CounterFileStatus::Ok;
        if (!read[k])
            failures << Message(status, files[k].path, kCounterFileSize) + ", table kept";
    }
    for (int k = 0; k < kCounterFileCount; ++k)
        if (read[k])
            NegateCounterTable(*files[k].table);
    ReportFailures(StatusBar1, "Re NAK", failures);
    Button3Click();
}

void TForm1::ReNAK1Click() { Button78Click(); }

void TForm1::Button75Click()
{
    const CounterFileStatus status = WriteRiverFile(kRiverFilePath);
    if (status != CounterFileStatus::Ok)
        ReportFailures(StatusBar1, "Write aRIVE", {Message(status, kRiverFilePath, kRiverFileSize)});
}

void TForm1::WriteaRIVE1Click() { Button75Click(); }

void TForm1::Button77Click()
{
    const CounterFileStatus status = ReadRiverFile(kRiverFilePath);
    if (status != CounterFileStatus::Ok)
        ReportFailures(StatusBar1, "Read aREVE",
                       {Message(status, kRiverFilePath, kRiverFileSize) + ", river frames kept"});
}

void TForm1::ReadaREVE1Click() { Button77Click(); }

// Checking it clears the square's part of every river frame; unchecking only
// unchecks.
void TForm1::zapaRIVE1Click()
{
    if (ToggleMark(zapaRIVE1))
        ClearRiverFrames(UsedSquareRows(), UsedSquareColumns());
}

void TForm1::aT01Click()
{
    ClearChangeCounters();
    Button3Click();
}

void TForm1::aT02Click() { ClearChangeCounters(); }

// Which net maps the statistics display draws: one span at a time.
void TForm1::NAK01Click()
{
    TickOnly(NAK01, {NAK01, NAK11, NAK21});
    DONTSHOW2->setChecked(false);
}

void TForm1::NAK11Click()
{
    TickOnly(NAK11, {NAK01, NAK11, NAK21});
    DONTSHOW2->setChecked(false);
}

void TForm1::NAK21Click()
{
    TickOnly(NAK21, {NAK01, NAK11, NAK21});
    DONTSHOW2->setChecked(false);
}

void TForm1::BEGIN21Click()
{
    notpaint1->setChecked(true);
    RadioGroup7->setItemIndex(1);   // "Normal"
    RadioGroup5->setItemIndex(1);   // "Sqr."
    XXcnc1->setChecked(false);
    isRIVER1->setChecked(true);
    NoA1->setChecked(true);
    Button3Click();
}

void TForm1::risCntriver1Click() { ToggleMark(risCntriver1); }
void TForm1::isRIVER1Click() { ToggleMark(isRIVER1); }
void TForm1::aRIV1Click() { ToggleMark(aRIV1); }
void TForm1::notpaint1Click() { ToggleMark(notpaint1); }

void TForm1::ReadNAKfile1Click() {}
void TForm1::BGvsNAK1Click() {}
void TForm1::IzVSNAK1Click() {}
