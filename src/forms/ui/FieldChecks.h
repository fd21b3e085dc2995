#pragma once

// Bookkeeping shared by the fields and the pages.
namespace FieldChecks {

// Whether a field check has rejected a text since forgetRejection(); a page
// asks around the one check it completes itself, so a rejection never
// outlives the action that caused it.
void noteRejection();
bool takeRejection();  // returns whether a rejection was noted, and forgets it
void forgetRejection();

// A mouse press has just moved the focus out of a field whose check rejected
// the text or put a message in front of the user. Qt moves the focus before
// it delivers the press; this makes the press itself, the context-menu
// request it brings and its release never reach the control, so no button,
// option, list or field acts on the click. If no press follows before control
// returns to the event loop (the focus was moved by code), the mark lapses,
// so it can never swallow a later click; nor does the mark outlive its press
// when the release came while the message was up.
//
// The same rule makes a window that is not active when a press reaches it
// the active one before Qt moves the focus for the press, so that the click
// acts as on the active page.
void swallowCurrentPress();

// Puts the rule above in place; every page does so when it is made.
void watchPresses();

}  // namespace FieldChecks
