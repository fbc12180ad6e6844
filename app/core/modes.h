// The modes the main menu opens a calculator in.
#pragma once

namespace brisk {

// CalcMode: the planner's two uses, and none while another window is open.
enum class PlannerMode { None = 0, Planning = 1, Comparisons = 2 };

// MortgageMode: the mortgage window's two uses. The number is the one mortgage and loan files keep.
enum class MortgageKind : int { Mortgage = 1, Loan = 2 };

} // namespace brisk
