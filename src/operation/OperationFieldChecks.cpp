#include "operation/OperationFieldChecks.h"

#include <cmath>

#include "forms/NumberText.h"

namespace {

const char* const kSpanTitle = "訊息";

bool Bad(std::string_view text) { return !IsNumeric(text); }  // the empty text is not numeric either

OperationVerdict Reject(std::string replacement, bool returnFocus, std::string title = {}, std::string message = {}) {
    return OperationVerdict{false, std::move(title), std::move(message), std::move(replacement), returnFocus};
}

OperationVerdict SpanRejection(const char* prompt, const std::string& threshold) {
    return Reject(threshold, true, kSpanTitle, prompt + threshold + " 的數值");
}

}  // namespace

OperationCheck OperationCheckOf(int field) {
    switch (field) {
        case 3:
            return OperationCheck::CarriageSpanL1;
        case 4:
            return OperationCheck::CarriageSpanL1b;
        case 5:
            return OperationCheck::RailSpan;
        case 6:
            return OperationCheck::Angle;
        case 7:
            return OperationCheck::FirstMass;
        case 11:
        case 15:
        case 19:
        case 23:
        case 27:
            return OperationCheck::OptionalQuantity;
        default:
            return OperationCheck::Plain;
    }
}

bool OperationFieldAllowsMinus(int field) { return field < 3 || field > 5; }

std::string OperationFieldDefault(int field) { return field == 7 ? "50.0" : "0.0"; }

bool OperationFieldOwnsFrame(int field) {
    const OperationCheck check = OperationCheckOf(field);
    return check == OperationCheck::FirstMass || check == OperationCheck::OptionalQuantity;
}

OperationVerdict CheckOperationField(int field, std::string_view text, const MinimumSpans& minimums) {
    const bool bad = Bad(text);
    const double value = LeadingNumber(text);
    switch (OperationCheckOf(field)) {
        case OperationCheck::Plain:
            if (bad) return Reject("0.0", true);
            break;
        case OperationCheck::CarriageSpanL1:
            if (bad || value < minimums.l1)
                return SpanRejection("滑塊跨距L1 必須輸入一個大於或等於 ", NumberText(minimums.l1));
            break;
        case OperationCheck::CarriageSpanL1b:
            if (bad || value < minimums.l1b)
                return SpanRejection("滑塊跨距L1' 必須輸入一個大於或等於 ", NumberText(minimums.l1b));
            break;
        case OperationCheck::RailSpan:
            if (bad || ToSingle(value) < minimums.l2)
                return SpanRejection("滑軌跨距L2 必須輸入一個大於或等於 ", NumberText32(minimums.l2));
            break;
        case OperationCheck::Angle:
            if (bad || std::fabs(value) > 90.0)
                return Reject("0.0", true, "Warning ", "傾斜角度θ 必須輸入一個 -90° ≦θ≦ 90° 的數值");
            break;
        case OperationCheck::FirstMass:
            if (bad || value == 0.0) return Reject("50.0", true, kSpanTitle, "質量m1 必須輸入一個 0 以外的數值");
            break;
        case OperationCheck::OptionalQuantity:
            // The masses reset to "0.0", the loads to "0", as the fields were laid out.
            if (bad || value == 0.0) return Reject(field == 11 || field == 15 ? "0.0" : "0", false);
            break;
    }
    return {};
}
