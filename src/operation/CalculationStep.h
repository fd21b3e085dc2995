#pragma once

#include <array>
#include <string>

// The calculation step behind "Next" of the operation condition page, without
// the page: stores the thirty entries, clears the load tables, and runs the
// one load procedure of the chosen installation and combination.
struct StepOutcome {
    bool calculated = true;
    // When the step refuses (a divisor of the chosen layout is zero, or a
    // figure of the result would not show whole on the result page): the
    // warning to show, in plain words. The tables are then left cleared.
    std::string refusal;
};

// `texts` are the texts of the fields Text1 to Text30, in that order.
StepOutcome RunCalculationStep(const std::array<std::string, 30>& texts);
