#pragma once

#include <string>
#include <string_view>

// Rules of the velocity condition page, kept apart from the widgets. Every
// input is the text of a field, read with LeadingNumber/IsNumeric.

// A limit as the page shows it: the text that goes into the message and into
// the field, and the value that very text reads back as. The checks compare
// against `value`, never against the unrounded product, so that a text the
// page writes itself is always accepted by the same rule.
struct WrittenLimit {
    double value = 0.0;
    std::string text;
};
WrittenLimit writtenLimit(double raw);

// Shortest stroke (mm) that reaches V within T1 and stops again within T1:
// half of V x T1 for each ramp, in m, times 1000.
WrittenLimit MinimumStroke(double velocity, double accelerationTime);

// Highest reciprocation rate (1/min) that V, T1 and Ls allow: one
// reciprocation is two strokes of x / V + 2 x T1 seconds each. Cut, not
// rounded, to six decimals so that the limit never exceeds the true rate.
WrittenLimit MaximumRate(double velocity, double accelerationTime, double strokeLength);

// Whether every quantity the inertia mode derives from V, T1 and Ls has a
// value: the travel of the ramps in both orders of its product (the page's
// and the service life's), the acceleration, which must not vanish either (0
// stands for "without inertia force"), and the maximum rate.
bool MotionFinite(double velocity, double accelerationTime, double strokeLength);

// What a field check decides. An empty message rejects without a message.
struct FieldRuling {
    bool accepted = true;
    std::string message;
    std::string replacement;
};

// V (m/s) and T1 (s): positive numbers, otherwise their defaults. With
// inertia force they must also keep the motion finite with the other of the
// two (once that one is a positive number itself) and Ls as they stand.
FieldRuling RuleVelocity(std::string_view velocityText);  // without inertia force
FieldRuling RuleVelocity(std::string_view velocityText, std::string_view accelerationTimeText,
                         std::string_view strokeText);
FieldRuling RuleAccelerationTime(std::string_view velocityText, std::string_view accelerationTimeText,
                                 std::string_view strokeText);
// Ls (mm): at least the minimum stroke for the V and T1 fields as they stand.
// Where V and T1 give the motion no finite measure there is nothing to judge
// Ls against: it is neither accepted nor replaced, and "Next" sets V or T1
// right first.
FieldRuling RuleStroke(std::string_view velocityText, std::string_view accelerationTimeText,
                       std::string_view strokeText);
// N (1/min): above 0 and at most the maximum rate for V, T1 and Ls; left
// alone like Ls where the motion has no finite measure.
FieldRuling RuleRate(std::string_view velocityText, std::string_view accelerationTimeText, std::string_view strokeText,
                     std::string_view rateText);

// "Next" with inertia force: the values it stores (in this order, whatever
// the outcome), and whether it goes on or refuses with a text for the field
// named, and a message for the stroke or the rate. V or T1 is refused first,
// silently with its default, when the motion has no finite measure.
enum class Refusal { None, Velocity, AccelerationTime, Stroke, Rate };
struct InertiaNext {
    double velocity = 0.0;
    double accelerationTime = 0.0;
    double strokeLength = 0.0;
    float reciprocationsPerMinute = 0.0f;
    Refusal refusal = Refusal::None;
    std::string message;
    std::string replacement;
    double acceleration = 0.0;  // V / T1, meaningful only when not refused
};
InertiaNext JudgeInertiaNext(std::string_view velocityText, std::string_view accelerationTimeText,
                             std::string_view strokeText, std::string_view rateText);

// Texts of the page.
inline constexpr const char* StrokeMessage = "Please input the  stoke length Ls \u2267 ";
inline constexpr const char* RateMessage = "Please input the number of reciprocations per minute N \u2266 ";
inline constexpr const char* DefaultVelocityText = "0.25";
inline constexpr const char* DefaultAccelerationTimeText = "0.05";
inline constexpr const char* DefaultStrokeText = "487.5";
inline constexpr const char* DefaultRateText = "5.0";
