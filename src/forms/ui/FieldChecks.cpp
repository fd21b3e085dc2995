#include "forms/ui/FieldChecks.h"

namespace {
bool rejected = false;
}

namespace FieldChecks {
void noteRejection() { rejected = true; }
bool takeRejection() {
    const bool was = rejected;
    rejected = false;
    return was;
}
void forgetRejection() { rejected = false; }
}  // namespace FieldChecks
