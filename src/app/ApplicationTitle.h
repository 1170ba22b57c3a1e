#pragma once

// The caption of plain message boxes and of the standard error box.
inline constexpr const char *ApplicationTitle = "Spendrake";
