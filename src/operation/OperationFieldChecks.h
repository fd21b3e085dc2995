#pragma once

#include <string>
#include <string_view>

#include "operation/SpanMinimumTable.h"

// The checks that the thirty fields of the operation condition page run when
// they are left, without the page: what is decided about a text, not what
// the page then does with its frames and focus.

// Fields are numbered 1 to 30 as the boxes Text1 to Text30.
enum class OperationCheck {
    Plain,             // coordinates: a malformed text becomes "0.0"
    CarriageSpanL1,    // Text3
    CarriageSpanL1b,   // Text4
    RailSpan,          // Text5, compared in 32 bits
    Angle,             // Text6
    FirstMass,         // Text7
    OptionalQuantity,  // m2, m3, fx, fy, fz: zero means absent
};

OperationCheck OperationCheckOf(int field);

// The spans never take a minus sign; every other field does.
bool OperationFieldAllowsMinus(int field);

// The default text each field starts with.
std::string OperationFieldDefault(int field);

struct OperationVerdict {
    bool accepted = true;
    std::string title;  // empty: no message
    std::string message;
    std::string replacement;   // the field's new text when rejected
    bool returnFocus = false;  // the focus goes back into the field
};

OperationVerdict CheckOperationField(int field, std::string_view text, const MinimumSpans& minimums);

// True for the fields that show a frame of further entries while they hold a
// non-zero value (m1 to m3, fx to fz). The frame's first field is the next
// one (Text8 for Text7 and so on).
bool OperationFieldOwnsFrame(int field);
