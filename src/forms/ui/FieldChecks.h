#pragma once

// Bookkeeping shared by the fields and the pages: whether a field check has
// rejected a text since the last button, option or list handler asked.
namespace FieldChecks {
void noteRejection();
// Returns whether a rejection was noted, and forgets it.
bool takeRejection();
void forgetRejection();
}  // namespace FieldChecks
