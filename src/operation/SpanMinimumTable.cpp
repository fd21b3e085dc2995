#include "operation/SpanMinimumTable.h"

#include <array>

#include "forms/NumberText.h"

namespace {

// The roller series WUY and QEY share their rows value for value.
constexpr std::array<SpanMinimumRow, 59> kRows{{
    {"QEH", "15", 56.3, 119.6, 126.6, 126.6, 34.0f},    {"QEH", "20", 72.9, 157.8, 169.8, 169.8, 44.0f},
    {"QEH", "20L", 88.8, 189.6, 201.6, 201.6, 44.0f},   {"QEH", "25", 81.6, 175.2, 187.2, 187.2, 48.0f},
    {"QEH", "25L", 100.6, 213.2, 225.2, 225.2, 48.0f},  {"QEH", "30", 97.0, 206.0, 218.0, 218.0, 60.0f},
    {"QEH", "30L", 119.2, 250.4, 262.4, 262.4, 60.0f},  {"QEH", "35", 111.2, 233.9, 245.4, 245.4, 70.0f},
    {"QEH", "35L", 136.6, 284.7, 296.2, 296.2, 70.0f},  {"QEH", "45", 137.7, 288.9, 302.4, 302.4, 86.0f},
    {"QEH", "45L", 169.5, 352.5, 366.0, 366.0, 86.0f},  {"QEH", "55", 161.5, 336.5, 350.0, 350.0, 100.0f},
    {"QEH", "55L", 199.5, 412.5, 426.0, 426.0, 100.0f}, {"QEH", "65", 199.0, 411.5, 425.0, 425.0, 126.0f},
    {"QEH", "65L", 253.0, 519.5, 533.0, 533.0, 126.0f},

    {"QEJ", "15T", 40.0, 85.5, 91.0, 91.0, 34.0f},      {"QEJ", "15", 57.0, 119.5, 125.0, 125.0, 34.0f},
    {"QEJ", "20T", 48.0, 108.0, 120.0, 120.0, 42.0f},   {"QEJ", "20", 67.0, 146.0, 158.0, 158.0, 42.0f},
    {"QEJ", "25T", 60.2, 132.4, 144.4, 144.4, 48.0f},   {"QEJ", "25", 82.0, 176.0, 188.0, 188.0, 48.0f},
    {"QEJ", "30T", 68.0, 148.0, 160.0, 160.0, 60.0f},   {"QEJ", "30", 96.7, 205.4, 217.4, 217.4, 60.0f},
    {"QEJ", "35", 112.0, 235.5, 247.0, 247.0, 70.0f},   {"QEJ", "35L", 137.5, 286.5, 298.0, 298.0, 70.0f},

    {"WUN", "15", 64.4, 140.8, 152.8, 152.8, 34.0f},    {"WUN", "15L", 79.4, 170.8, 182.8, 182.8, 34.0f},
    {"WUN", "20", 78.5, 169.0, 181.0, 181.0, 42.0f},    {"WUN", "20L", 97.5, 207.0, 219.0, 219.0, 42.0f},
    {"WUN", "25", 92.0, 196.0, 208.0, 208.0, 48.0f},    {"WUN", "25L", 109.0, 230.0, 242.0, 242.0, 48.0f},
    {"WUN", "30", 107.6, 227.2, 239.2, 239.2, 60.0f},   {"WUN", "30L", 132.6, 277.2, 289.2, 289.2, 60.0f},
    {"WUN", "35", 120.6, 253.2, 265.2, 265.2, 70.0f},   {"WUN", "35L", 150.6, 313.2, 325.2, 325.2, 70.0f},
    {"WUN", "45", 140.0, 292.0, 304.0, 304.0, 86.0f},   {"WUN", "45L", 174.5, 361.0, 373.0, 373.0, 86.0f},

    {"WUY", "25", 97.5, 207.0, 219.0, 219.0, 48.0f},    {"WUY", "25L", 115.5, 243.0, 255.0, 255.0, 48.0f},
    {"WUY", "30", 112.1, 236.2, 266.2, 248.2, 60.0f},   {"WUY", "30L", 136.0, 284.0, 296.0, 296.0, 60.0f},
    {"WUY", "35", 125.3, 262.6, 274.6, 274.6, 70.0f},   {"WUY", "35L", 154.4, 320.8, 332.8, 332.8, 70.0f},
    {"WUY", "45", 153.9, 319.8, 331.8, 329.8, 86.0f},   {"WUY", "45L", 189.4, 390.8, 402.8, 402.8, 86.0f},
    {"WUY", "55", 185.4, 382.8, 394.8, 394.8, 100.0f},  {"WUY", "55L", 235.4, 482.8, 494.8, 494.8, 100.0f},
    {"WUY", "65L", 302.0, 616.0, 628.0, 628.0, 126.0f},

    {"QEY", "25", 97.5, 207.0, 219.0, 219.0, 48.0f},    {"QEY", "25L", 115.5, 243.0, 255.0, 255.0, 48.0f},
    {"QEY", "30", 112.1, 236.2, 266.2, 248.2, 60.0f},   {"QEY", "30L", 136.0, 284.0, 296.0, 296.0, 60.0f},
    {"QEY", "35", 125.3, 262.6, 274.6, 274.6, 70.0f},   {"QEY", "35L", 154.4, 320.8, 332.8, 332.8, 70.0f},
    {"QEY", "45", 153.9, 319.8, 331.8, 329.8, 86.0f},   {"QEY", "45L", 189.4, 390.8, 402.8, 402.8, 86.0f},
    {"QEY", "55", 185.4, 382.8, 394.8, 394.8, 100.0f},  {"QEY", "55L", 235.4, 482.8, 494.8, 494.8, 100.0f},
    {"QEY", "65L", 302.0, 616.0, 628.0, 628.0, 126.0f},
}};

// A sum as the field will hold it: the value of its 15-digit text.
double AsWritten(double value) { return LeadingNumber(NumberText(value)); }

}  // namespace

std::span<const SpanMinimumRow> SpanMinimumRows() { return kRows; }

const SpanMinimumRow* FindSpanMinimum(std::string_view series, std::string_view size) {
    for (const SpanMinimumRow& row : kRows)
        if (row.series == series && row.size == size) return &row;
    return nullptr;
}

SpanRaising RaiseSpans(std::string_view series, std::string_view size, int combinationIndex,
                       const SpanFieldTexts& texts) {
    SpanRaising out;
    out.texts = texts;
    const SpanMinimumRow* row = FindSpanMinimum(series, size);
    if (row == nullptr) return out;
    out.found = true;

    const bool threePerRail = combinationIndex == 2 || combinationIndex == 6;
    const double l1Minimum = threePerRail ? row->l1MinimumThree : row->l1Minimum;
    if (LeadingNumber(out.texts.l1) < l1Minimum) {
        out.texts.l1 = NumberText(l1Minimum);
        out.l1Raised = true;
    }

    const double l1 = LeadingNumber(out.texts.l1);
    const double l1bRaise = AsWritten(l1 + row->l1bOffset);
    if (l1bRaise > LeadingNumber(out.texts.l1b)) {
        out.texts.l1b = NumberText(l1bRaise);
        out.l1bRaised = true;
    }

    const double l2Minimum = static_cast<double>(row->l2Minimum);
    if (LeadingNumber(out.texts.l2) < l2Minimum) {
        out.texts.l2 = NumberText(l2Minimum);
        out.l2Raised = true;
    }

    out.minimums.l1 = l1Minimum;
    out.minimums.l1b = AsWritten(l1 + row->l1bOffsetCheck);
    out.minimums.l2 = row->l2Minimum;
    return out;
}
