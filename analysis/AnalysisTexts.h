#pragma once

// What the analysis shows the user, side by side.
namespace analysis::texts {

// Beside a form that was not proven minimal.
inline constexpr const char* kNotNecessarilyMinimal = "не обязательно минимальная";

// The course's notation in text: ¬X1·X2 ∨ X1·¬X2, (X1 ∨ X2)·(¬X1 ∨ ¬X2).
inline constexpr const char* kNot = "¬";
inline constexpr const char* kAnd = "·";
inline constexpr const char* kOr = " ∨ ";

}  // namespace analysis::texts
