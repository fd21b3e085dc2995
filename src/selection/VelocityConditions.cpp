#include "selection/VelocityConditions.h"

#include <cmath>
#include <limits>

#include "forms/NumberText.h"

WrittenLimit writtenLimit(double raw) {
    WrittenLimit limit;
    limit.text = NumberText(raw);
    limit.value = LeadingNumber(limit.text);
    // A limit beyond the range of a double is written as a text that reads
    // back as 0; it stands for a limit that no entry can reach.
    if (limit.value == 0.0 && raw > 1.0) limit.value = std::numeric_limits<double>::infinity();
    return limit;
}

WrittenLimit MinimumStroke(double velocity, double accelerationTime) {
    return writtenLimit(velocity * accelerationTime * 1000.0);
}

WrittenLimit MaximumRate(double velocity, double accelerationTime, double strokeLength) {
    const double x = strokeLength / 1000.0 - velocity * accelerationTime;
    const double t = x / velocity + 2.0 * accelerationTime;
    return writtenLimit(std::floor(1000000.0 * (30.0 / t)) / 1000000.0);
}

namespace {

bool positiveNumber(std::string_view text) { return LeadingNumber(text) > 0.0 && IsNumeric(text); }

FieldRuling rejected(std::string message, std::string replacement) {
    return FieldRuling{false, std::move(message), std::move(replacement)};
}

}  // namespace

FieldRuling RuleVelocity(std::string_view velocityText) {
    if (positiveNumber(velocityText)) return {};
    return rejected({}, DefaultVelocityText);
}

FieldRuling RuleAccelerationTime(std::string_view accelerationTimeText) {
    if (positiveNumber(accelerationTimeText)) return {};
    return rejected({}, DefaultAccelerationTimeText);
}

FieldRuling RuleStroke(std::string_view velocityText, std::string_view accelerationTimeText,
                       std::string_view strokeText) {
    const WrittenLimit minimum = MinimumStroke(LeadingNumber(velocityText), LeadingNumber(accelerationTimeText));
    if (LeadingNumber(strokeText) < minimum.value) return rejected(StrokeMessage + minimum.text, minimum.text);
    if (!positiveNumber(strokeText)) return rejected({}, minimum.text);
    return {};
}

FieldRuling RuleRate(std::string_view velocityText, std::string_view accelerationTimeText, std::string_view strokeText,
                     std::string_view rateText) {
    const WrittenLimit maximum =
        MaximumRate(LeadingNumber(velocityText), LeadingNumber(accelerationTimeText), LeadingNumber(strokeText));
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

    const WrittenLimit minimum = MinimumStroke(next.velocity, next.accelerationTime);
    if (next.strokeLength < minimum.value) {
        next.refusal = Refusal::Stroke;
        next.message = StrokeMessage + minimum.text;
        next.replacement = minimum.text;
        return next;
    }
    const WrittenLimit maximum = MaximumRate(next.velocity, next.accelerationTime, next.strokeLength);
    // No table runs at a rate of 0 or less; when even the limit is 0 (a
    // stroke that lasts for years), V, T1 or Ls must change first.
    if (rate > maximum.value || rate <= 0.0) {
        next.refusal = Refusal::Rate;
        next.message = RateMessage + maximum.text;
        next.replacement = maximum.text;
        return next;
    }
    next.acceleration = next.velocity / next.accelerationTime;
    return next;
}
