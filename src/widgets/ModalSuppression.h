// While at least one ModalSuppression object lives (a message box or a file dialog is
// open), timers skip their ticks: a tick inside the box would overwrite the data it reports on.
#pragma once

struct ModalSuppression {
    ModalSuppression();
    ~ModalSuppression();
    ModalSuppression(const ModalSuppression&) = delete;
    ModalSuppression& operator=(const ModalSuppression&) = delete;
    static bool active();
};
