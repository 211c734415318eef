#include "widgets/ModalSuppression.h"

namespace {
int openBoxes = 0;
}

ModalSuppression::ModalSuppression() { ++openBoxes; }
ModalSuppression::~ModalSuppression() { --openBoxes; }
bool ModalSuppression::active() { return openBoxes > 0; }
