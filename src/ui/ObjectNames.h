#pragma once

// The objectName of every widget that tests look up, one namespace per area.
namespace quorbit::objectnames {

namespace kit {
inline constexpr auto segment = "kitSegment";  // each segment of a SegmentedControl
inline constexpr auto stepperValue = "kitStepperValue";
inline constexpr auto stepperDecrement = "kitStepperDecrement";
inline constexpr auto stepperIncrement = "kitStepperIncrement";
}  // namespace kit

}  // namespace quorbit::objectnames
