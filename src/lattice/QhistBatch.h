#pragma once
// The Qhist batch: runs of the square from the records of the point file
// ("Write Qhist (n=8)") or from random starts ("Write Qhist (any n)"), with
// output files created empty when a batch starts. Its streams are closed
// before they are opened again and all at exit, so no stream leaks or writes
// on into a file that was deleted under it.

#include <cstdint>
#include <cstdio>
#include <string>

extern int32_t qhistRunCount;   // runs of a batch (50)
extern int32_t qhistRunIndex;   // the run about to start
extern uint8_t isQhistAnyN;     // 0: records of the point file, 1: random starts
extern std::FILE* qhistFile;    // nullptr while not open
extern std::FILE* qhistSecondFile;
extern std::FILE* qhistF6File;
extern std::FILE* qhistNbFile;

// Closes stream when it is open and marks it closed; otherwise nothing.
void CloseStream(std::FILE*& stream);

// Closes qhistFile when it is open and marks it closed; otherwise nothing.
void CloseQhistFile();

// Deletes and creates anew the output files of a batch, in this order:
// anyN 0: "8r50/L4.dat" as qhistSecondFile; anyN 1: "LOG/isc.log" (qhistFile),
// "LOG/f3.log" (qhistSecondFile), "LOG/f6.log" (qhistF6File), "LOG/nb.log"
// (qhistNbFile). Each stream is closed first; missing folders are created.
// Returns the paths that could not be created ("" when all were).
std::string CreateQhistOutputs(bool anyN);

// True when the last run of the batch has been started: the tick then ends
// the batch instead of starting one more run.
inline bool QhistBatchOver() { return qhistRunIndex >= qhistRunCount; }
