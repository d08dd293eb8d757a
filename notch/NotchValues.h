// NotchValues: the shared state of the notch check. It lives in the program and outlives the notch
// form; the form's controls hold the inputs, these fields the last calculation and the form's choices.
#pragma once

#include <cstdint>

namespace notch
{

struct NotchValues
{
    // --- Calculation ---
    std::int16_t NotchNDSYear = 0;      // 2018, 2015, 2012 or 2005; 0 while none is chosen
    double NotchV = 0;                  // lb
    double NotchFv = 0;                 // psi, base value
    double NotchCm = 0;                 // wet service factor
    std::int16_t NotchCh = 0;           // shear stress factor, 1 or 2
    double NotchCd = 0;                 // load duration factor
    double NotchShearStress = 0;        // fv, psi
    double NotchFvAdj = 0;              // Fv', psi
    double NotchVrAdj = 0;              // Vr', lb
    std::int16_t NotchVrMode = 0;       // -1 when the last routine gave Vr', 0 when it gave fv
    double NotchMinDn = 0;              // in.
    double NotchPitchAngle = 0;         // degrees
    double NotchRd = 0;                 // in.
    double NotchT = 0;                  // in.
    double NotchLengthE = 0;            // in.
    double NotchD = 0;                  // in.
    double NotchB = 0;                  // in.
    double NotchDn = 0;                 // in.
    double NotchAn = 0;                 // sq. in.
    double NotchRp = 0;                 // rise per 12 in.
    std::int16_t NotchResultsValid = 0; // -1 after a completed OK Calculate, 0 after any change

    // --- Form side ---
    std::int16_t NotchMemberCode = 0;
    std::int16_t NotchSpeciesIndex = 0;
    std::int16_t NotchGluLam = 0; // -1 for glu-lam
    std::int16_t NotchMemberIndex = 0;
    std::int16_t NotchPitchInDegrees = 0; // -1 while the pitch box holds degrees

    bool operator==(const NotchValues&) const = default;
};

} // namespace notch
