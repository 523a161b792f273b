#pragma once

// The progress bar control: a range, a step and a position.

#include "Wnd.h"

constexpr UINT PBM_SETPOS = 0x0402;
constexpr UINT PBM_SETSTEP = 0x0404;
constexpr UINT PBM_STEPIT = 0x0405;
constexpr UINT PBM_SETRANGE32 = 0x0406;
constexpr UINT PBM_GETRANGE = 0x0407;
constexpr UINT PBM_GETPOS = 0x0408;

class CProgressCtrl : public CWnd {
public:
    // Full int bounds: a range is never cut to 16 bits.
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetStep(int step);
    int SetPos(int position);
    int GetPos() const;
    int StepIt();
};
