#include "tables2d/CrossSymmetryClasses.h"

#include "base/TableRecords.h"

#include <algorithm>

namespace {

// The seven symmetries other than the identity, as arm orders: the arms P of
// the opening record must equal (Q[order[0]], .., Q[order[3]]) of the other.
constexpr int kArmOrders[7][4] = {
    {1, 2, 3, 0},   // rotation by one arm
    {2, 3, 0, 1},   // by two
    {3, 0, 1, 2},   // by three
    {2, 1, 0, 3},   // mirror exchanging arms 1 and 3
    {1, 0, 3, 2},   // mirror, then rotation by one arm
    {0, 3, 2, 1},   // by two
    {3, 2, 1, 0},   // by three
};

bool IsSymmetricImage(const uint8_t* p, const uint8_t* q)
{
    for (const auto& order : kArmOrders)
        if (p[0] == q[order[0]] && p[1] == q[order[1]] && p[2] == q[order[2]] && p[3] == q[order[3]]) return true;
    return false;
}

} // namespace

CrossSymmetryCount CountCrossSymmetryClasses(int32_t records)
{
    CrossSymmetryCount count;
    const int32_t n = std::clamp(records, 0, kTableCapacity);
    std::vector<bool> inClass(size_t(n), false);
    for (int32_t i = 0; i < n; ++i) {
        if (inClass[size_t(i)]) continue;
        inClass[size_t(i)] = true;
        CrossSymmetryClass opened{i, 1};
        const uint8_t* arms = ttKeys[i] + 1;
        for (int32_t j = i + 1; j < n; ++j) {
            if (ttKeys[j][0] != ttKeys[i][0]) continue;
            const uint8_t* other = ttKeys[j] + 1;
            if (std::equal(arms, arms + 4, other)) count.repeatedArms.emplace_back(i, j);
            if (IsSymmetricImage(arms, other)) {
                ++opened.size;
                inClass[size_t(j)] = true;
            }
        }
        count.classes.push_back(opened);
    }
    return count;
}
