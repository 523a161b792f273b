#include "ProgressCtrl.h"

#include <array>

void CProgressCtrl::SetRange32(int lower, int upper) {
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
    std::array<int, 2> range{};
    const_cast<CProgressCtrl*>(this)->SendMessage(PBM_GETRANGE, 0,
                                                  reinterpret_cast<LPARAM>(range.data()));
    lower = range[0];
    upper = range[1];
}

int CProgressCtrl::SetStep(int step) {
    return static_cast<int>(SendMessage(PBM_SETSTEP, step));
}

int CProgressCtrl::SetPos(int position) {
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)));
}

int CProgressCtrl::GetPos() const {
    return static_cast<int>(const_cast<CProgressCtrl*>(this)->SendMessage(PBM_GETPOS));
}

int CProgressCtrl::StepIt() {
    return static_cast<int>(SendMessage(PBM_STEPIT));
}
