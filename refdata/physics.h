// Physical constants, in the units the program computes in. The lowest layer
// holds them so that every layer above reads the same numbers.
#pragma once

namespace kelvara::phys {

// π, written out so that every layer uses the same double.
inline constexpr double kPi = 3.141592653589793;
// 1/(2π) as the resonant-capacitor formula uses it.
inline constexpr double kInvTwoPi = 0.15915494309189535;
// µ0 in nH/mm: 0.4π·Ae/L is the AL in nH/turn² of an air path of L mm.
inline constexpr double kMu0 = 1.2566370614359172;
// Skin depth of copper in mm: δ = kSkinDepth/√f with f in kHz.
inline constexpr double kSkinDepth = 2.0871;
// Resistivity of copper at 20 °C in Ω·mm and its temperature coefficient per K.
inline constexpr double kCopperResistivity20 = 1.724e-5;
inline constexpr double kCopperTempCoefficient = 0.00393;

}  // namespace kelvara::phys
