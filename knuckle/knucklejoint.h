// The knuckle joint's dimensions: the rod diameter from the load and the
// allowable tensile stress, the other sizes as fixed proportions of it, and
// five strength checks that enlarge a size whose stress is too high. Kept
// apart from the dialog and the view so the command line designs the same
// joint.
#pragma once

// The designer's input: the load in kN and the three allowable stresses.
struct KnuckleInput {
    double m_dLoad = 0.0;
    double m_dTensile = 0.0;
    double m_dShear = 0.0;
    double m_dCrushing = 0.0;
};

// The joint in millimetres (or, once scaled, in logical units). The sizes
// are whole numbers, truncated toward zero as they are computed.
struct KnuckleDimensions {
    double m_dRod = 0.0;  // rod diameter d
    int m_nD1 = 0;        // pin diameter
    int m_nD2 = 0;        // outer diameter of the eye
    int m_nD3 = 0;        // 1.5 d, the collar of the fork
    int m_nD4 = 0;        // 1.2 d, the rod ends
    int m_nT = 0;         // thickness of the eye
    int m_nT1 = 0;        // thickness of each fork leg
    int m_nT2 = 0;        // 0.5 d, the pin's collar
    int m_nE6 = 0;        // 0.6 d
    int m_nE8 = 0;        // 0.8 d
    int m_nL1 = 0;        // 4 d, the eye rod
    int m_nL2 = 0;        // 4.5 d, the fork rod
};

// The lowest and highest value the designer accepts for each input.
constexpr double kKnuckleMinValue = 10.0;
constexpr double kKnuckleMaxValue = 200.0;

// Sizes the joint: proportions of the rod diameter, then the checks of the
// pin in shear, the eye in shear and tension, the pin in crushing and the
// fork in shear and tension, in this order.
KnuckleDimensions DesignKnuckleJoint(const KnuckleInput& input);

// The joint as drawn on the canvas: every size times 26, and the rod
// diameter times 26.55844 (the drawing's ds).
KnuckleDimensions ScaleKnuckleToCanvas(const KnuckleDimensions& dims);
