#include "app/ui/Pages.h"

#include <QCoreApplication>
#include <QPointer>

#include "operation/ui/Form4.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"
#include "selection/ui/Form3.h"

namespace {

template <typename T>
QPointer<T>& reference() {
    static QPointer<T> page;
    return page;
}

template <typename T>
T& getOrCreate() {
    QPointer<T>& ref = reference<T>();
    if (!ref) ref = new T();
    return *ref;
}

template <typename T>
void release() {
    QPointer<T>& ref = reference<T>();
    if (ref) {
        T* page = ref.data();
        ref = nullptr;
        page->hide();
        // A handler of this very page may still be on the stack.
        page->deleteLater();
    }
}

std::function<void()>& endHook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

Form1& form1() { return getOrCreate<Form1>(); }
Form2& form2() { return getOrCreate<Form2>(); }
Form3& form3() { return getOrCreate<Form3>(); }
Form4& form4() { return getOrCreate<Form4>(); }
Form5& form5() { return getOrCreate<Form5>(); }

Form1* form1IfCreated() { return reference<Form1>().data(); }
Form2* form2IfCreated() { return reference<Form2>().data(); }
Form3* form3IfCreated() { return reference<Form3>().data(); }
Form4* form4IfCreated() { return reference<Form4>().data(); }
Form5* form5IfCreated() { return reference<Form5>().data(); }

void navigate(Page& from, Page& to) {
    from.hidePage();
    to.showPage();
}

void endProgram() {
    release<Form1>();
    release<Form2>();
    release<Form3>();
    release<Form4>();
    release<Form5>();
    if (endHook())
        endHook()();
    else
        QCoreApplication::exit(0);
}

std::function<void()> setProgramEndHook(std::function<void()> hook) {
    std::function<void()> previous = std::move(endHook());
    endHook() = std::move(hook);
    return previous;
}
