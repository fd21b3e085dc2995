#pragma once

#include <span>
#include <string>
#include <string_view>

// Smallest carriage and rail spans per guideway series and size, in mm.
struct SpanMinimumRow {
    std::string_view series;
    std::string_view size;
    double l1Minimum;       // L1 with one, two or four carriages per rail (inner pair of four)
    double l1MinimumThree;  // L1 with three carriages per rail (outer two)
    double l1bOffset;       // L1' must exceed L1 by this much; raises the L1' field
    double l1bOffsetCheck;  // the same for the L1' check; differs in four rows only
    float l2Minimum;        // rail span
};

// All rows, one per series and size that the selection page offers.
std::span<const SpanMinimumRow> SpanMinimumRows();

// Exact, case-sensitive lookup; null when the table has no such row.
const SpanMinimumRow* FindSpanMinimum(std::string_view series, std::string_view size);

// The texts of the three span fields of the operation page (L1, L1', L2).
struct SpanFieldTexts {
    std::string l1;
    std::string l1b;
    std::string l2;
};

// Thresholds of the span checks.
struct MinimumSpans {
    double l1 = 0.0;
    double l1b = 0.0;
    float l2 = 0.0f;
};

struct SpanRaising {
    bool found = false;     // false: nothing changed, keep the old thresholds
    SpanFieldTexts texts;   // the field texts after raising
    bool l1Raised = false;  // which texts were rewritten
    bool l1bRaised = false;
    bool l2Raised = false;
    MinimumSpans minimums;
};

// Raises the span fields to the minimums of the series, size and layout and
// gives the thresholds for the span checks. Fields already at or above their
// minimum keep their text.
//
// The L1' values are sums of the L1 field and an offset; they are taken as
// the value of their own written text, so the text written into the L1' field
// and the threshold it is later checked against are the same number.
SpanRaising RaiseSpans(std::string_view series, std::string_view size, int combinationIndex,
                       const SpanFieldTexts& texts);
