// The numbers of the design rules: every threshold, factor and default that
// the calculation, the window's handlers and adding a core apply. Written
// qualified (rule::kFillLimit) so that they never read like the engineering
// symbols kL, kLact and kSec, which are variables of a design.
#pragma once

#include <string_view>

namespace kelvara::rule {

// Mains supply: the rectified peak of an AC voltage, and the voltages that the
// "Сетевое (AC)" switch types in.
inline constexpr double kMainsRectifiedFactor = 1.35;
inline constexpr std::u16string_view kMainsUmin = u"207";
inline constexpr std::u16string_view kMainsUmax = u"253";
// Quality factor taken for an empty Q field.
inline constexpr std::u16string_view kDefaultQ = u"0.4";
// Largest window fill factor the "ko" field accepts.
inline constexpr std::u16string_view kMaxWindowFillInput = u"0.4";
// Above this window fill the calculation warns.
inline constexpr double kFillLimit = 0.3;
// The transistor drop may be at most this share of the lowest supply.
inline constexpr double kMaxTransistorDropShare = 0.05;
// The turns ratio N1/N2 may exceed the design ratio by at most this factor.
inline constexpr double kTurnsRatioTolerance = 1.05;
// With imposed wires, m strands stay while the need is at most this times m.
inline constexpr double kStrandTolerance = 1.1;
// Quality factor when the lowest gain needed is exactly 1.
inline constexpr double kQmaxAtUnityGain = 5;

// Adding a core by its dimensions: the usable share of the winding window,
// and the window share of an EI core (one E core and one I core).
inline constexpr double kWindowUsableShare = 0.8;
inline constexpr double kEIWindowShare = 0.5;

}  // namespace kelvara::rule
