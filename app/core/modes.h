// The mode the main menu opens the growth planner in.
#pragma once

namespace brisk {

// CalcMode: the planner's two uses, and none while another window is open.
enum class PlannerMode { None = 0, Planning = 1, Comparisons = 2 };

} // namespace brisk
