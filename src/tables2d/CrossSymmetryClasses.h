#pragma once
// The classes of five-point records (the cross: key cell 0 the centre, cells
// 1..4 its arms in cyclic order) that are alike under the eight symmetries of
// the square acting on the arms.
#include <cstdint>
#include <utility>
#include <vector>

struct CrossSymmetryClass {
    int32_t firstRecord = 0;   // the record that opened the class; its key is the class's key
    int32_t size = 1;          // records counted into the class
};

struct CrossSymmetryCount {
    std::vector<CrossSymmetryClass> classes;
    // Pairs (i, j), i < j, of records with the same centre and the same arms,
    // in the order they were met.
    std::vector<std::pair<int32_t, int32_t>> repeatedArms;
};

// Records 0 .. records-1 of the list (taken within the list's capacity), in
// order: a record not yet in a class opens one; every later record j with the
// same centre whose arms are a rotation or mirror image of the opening
// record's arms (not the arms unchanged) joins that class, also when j joined
// an earlier class already. The list is not changed.
CrossSymmetryCount CountCrossSymmetryClasses(int32_t records);
