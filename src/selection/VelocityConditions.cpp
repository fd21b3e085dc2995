#include "selection/VelocityConditions.h"

#include <cmath>

#include "forms/NumberText.h"

WrittenLimit writtenLimit(double raw) {
    WrittenLimit limit;
    limit.text = NumberText(raw);
    limit.value = LeadingNumber(limit.text);
    return limit;
}

WrittenLimit MinimumStroke(double velocity, double accelerationTime) {
    return writtenLimit(velocity * accelerationTime * 1000.0);
}

namespace {

double unwrittenMaximumRate(double velocity, double accelerationTime, double strokeLength) {
    const double x = strokeLength / 1000.0 - velocity * accelerationTime;
    const double t = x / velocity + 2.0 * accelerationTime;
    return std::floor(1000000.0 * (30.0 / t)) / 1000000.0;
}

}  // namespace

WrittenLimit MaximumRate(double velocity, double accelerationTime, double strokeLength) {
    return writtenLimit(unwrittenMaximumRate(velocity, accelerationTime, strokeLength));
}

bool MotionFinite(double velocity, double accelerationTime, double strokeLength) {
    const double acceleration = velocity / accelerationTime;
    const double rate = unwrittenMaximumRate(velocity, accelerationTime, strokeLength);
    return std::isfinite(velocity * accelerationTime * 1000.0) && std::isfinite(1000.0 * velocity * accelerationTime) &&
           std::isfinite(acceleration) && acceleration > 0.0 && std::isfinite(rate) && rate >= 0.0;
}

namespace {

bool positiveNumber(std::string_view text) { return LeadingNumber(text) > 0.0 && IsNumeric(text); }

FieldRuling rejected(std::string message, std::string replacement) {
    return FieldRuling{false, std::move(message), std::move(replacement)};
}

// Until V and T1 are both positive numbers, the one that is not is put right
// by its own check and the pair cannot be judged yet.
bool motionHolds(std::string_view velocityText, std::string_view accelerationTimeText, std::string_view strokeText) {
    return !positiveNumber(velocityText) || !positiveNumber(accelerationTimeText) ||
           MotionFinite(LeadingNumber(velocityText), LeadingNumber(accelerationTimeText), LeadingNumber(strokeText));
}

// Neither accepted nor replaced: the field keeps its text, and its focus
// does not come back (the same text would be refused again).
FieldRuling leftAsItStands(std::string_view text) { return rejected({}, std::string(text)); }

}  // namespace

FieldRuling RuleVelocity(std::string_view velocityText) {
    if (positiveNumber(velocityText)) return {};
    return rejected({}, DefaultVelocityText);
}

FieldRuling RuleVelocity(std::string_view velocityText, std::string_view accelerationTimeText,
                         std::string_view strokeText) {
    if (positiveNumber(velocityText) && motionHolds(velocityText, accelerationTimeText, strokeText)) return {};
    return rejected({}, DefaultVelocityText);
}

FieldRuling RuleAccelerationTime(std::string_view velocityText, std::string_view accelerationTimeText,
                                 std::string_view strokeText) {
    if (positiveNumber(accelerationTimeText) && motionHolds(velocityText, accelerationTimeText, strokeText)) return {};
    return rejected({}, DefaultAccelerationTimeText);
}

FieldRuling RuleStroke(std::string_view velocityText, std::string_view accelerationTimeText,
                       std::string_view strokeText) {
    const double velocity = LeadingNumber(velocityText), accelerationTime = LeadingNumber(accelerationTimeText);
    if (!MotionFinite(velocity, accelerationTime, LeadingNumber(strokeText))) return leftAsItStands(strokeText);
    const WrittenLimit minimum = MinimumStroke(velocity, accelerationTime);
    if (LeadingNumber(strokeText) < minimum.value) return rejected(StrokeMessage + minimum.text, minimum.text);
    if (!positiveNumber(strokeText)) return rejected({}, minimum.text);
    return {};
}

FieldRuling RuleRate(std::string_view velocityText, std::string_view accelerationTimeText, std::string_view strokeText,
                     std::string_view rateText) {
    const double velocity = LeadingNumber(velocityText), accelerationTime = LeadingNumber(accelerationTimeText);
    const double strokeLength = LeadingNumber(strokeText);
    if (!MotionFinite(velocity, accelerationTime, strokeLength)) return leftAsItStands(rateText);
    const WrittenLimit maximum = MaximumRate(velocity, accelerationTime, strokeLength);
    if (LeadingNumber(rateText) > maximum.value) return rejected(RateMessage + maximum.text, maximum.text);
    if (!positiveNumber(rateText)) return rejected({}, maximum.text);
    return {};
}

InertiaNext JudgeInertiaNext(std::string_view velocityText, std::string_view accelerationTimeText,
                             std::string_view strokeText, std::string_view rateText) {
    InertiaNext next;
    next.velocity = LeadingNumber(velocityText);
    next.accelerationTime = LeadingNumber(accelerationTimeText);
    next.strokeLength = LeadingNumber(strokeText);
    // The rate is judged at full precision, as its field is, and only the
    // stored copy is narrowed: the 32-bit rounding of an accepted text may
    // lie just above the limit.
    const double rate = LeadingNumber(rateText);
    next.reciprocationsPerMinute = ToSingle(rate);

    if (!MotionFinite(next.velocity, next.accelerationTime, next.strokeLength)) {
        // T1 is at fault when V would do with T1's default; the two defaults
        // always do together, so a second refusal at most sets T1 right too.
        const bool velocityHolds =
            MotionFinite(next.velocity, LeadingNumber(DefaultAccelerationTimeText), next.strokeLength);
        next.refusal = velocityHolds ? Refusal::AccelerationTime : Refusal::Velocity;
        next.replacement = velocityHolds ? DefaultAccelerationTimeText : DefaultVelocityText;
        return next;
    }
    const WrittenLimit minimum = MinimumStroke(next.velocity, next.accelerationTime);
    if (next.strokeLength < minimum.value) {
        next.refusal = Refusal::Stroke;
        next.message = StrokeMessage + minimum.text;
        next.replacement = minimum.text;
        return next;
    }
    const WrittenLimit maximum = MaximumRate(next.velocity, next.accelerationTime, next.strokeLength);
    // No table runs at a rate of 0 or less, nor at one so small that its
    // stored copy is 0 (the result page would then show no life time, as if
    // without inertia force); when even the limit is 0 (a stroke that lasts
    // for years), V, T1 or Ls must change first.
    if (rate > maximum.value || next.reciprocationsPerMinute <= 0.0f) {
        next.refusal = Refusal::Rate;
        next.message = RateMessage + maximum.text;
        next.replacement = maximum.text;
        return next;
    }
    next.acceleration = next.velocity / next.accelerationTime;
    return next;
}
