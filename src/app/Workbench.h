#pragma once
// The program entry's work: create the fifteen windows in their fixed order,
// show the main window and run the event loop until it closes.
class QApplication;

// Makes the workbench's look (widgets/Look.h) the application's, then creates
// TForm1, TForm2, TForm3, TForm4, TForm5, TForm6, TForm8, TForm10 to
// TForm17 in this order and sets their global references.
void CreateWindows();

// Runs the workbench; an exception escaping the loop is shown. Always 0.
int RunWorkbench(QApplication& app);
