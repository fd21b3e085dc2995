#pragma once

#include <functional>

class Page;
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;

// The page references: each page is created on first use and lives until
// the program ends.
Form1& form1();
Form2& form2();
Form3& form3();
Form4& form4();
Form5& form5();

// Null while the page has not been created (or after program end).
Form1* form1IfCreated();
Form2* form2IfCreated();
Form3* form3IfCreated();
Form4* form4IfCreated();
Form5* form5IfCreated();

// Hides `from`, then shows `to` (running its load and activation).
void navigate(Page& from, Page& to);

// Closing any page's window, or "Exit": releases the pages Form1 to Form5
// in that order and ends the program at once, without a question.
void endProgram();

// What ends the program after the pages are released; tests replace it.
// Returns the previous hook; an empty hook restores the default.
std::function<void()> setProgramEndHook(std::function<void()> hook);
