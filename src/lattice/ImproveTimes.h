#pragma once
// The two times of the IMPROVE statistics window ('Time "crit"=' and
// 'Time "all"='), kept for the window; nothing else reads them.
#include <cstdint>

extern int32_t improveTimeCrit;   // 0 at start
extern int32_t improveTimeAll;    // 0 at start
