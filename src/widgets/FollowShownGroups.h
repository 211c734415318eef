#pragma once
// A column of controls that makes room for groups shown above it: while any
// of the groups is shown, the column starts below the lowest of them (plus a
// gap); otherwise at its own top. The column keeps the spacing it has in the
// layout, and its last control stretches down to a fixed bottom edge. The
// column follows whoever shows or hides a group.
#include <QWidget>

#include <vector>

void FollowShownGroups(std::vector<QWidget*> groups, std::vector<QWidget*> column, int bottom, int gap = 4);
