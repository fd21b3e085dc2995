#include "forms/ui/PagePrinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// A page that paints nothing is not printed as blank paper.
TEST(PagePrinter, APageThatPaintsNothingFailsLeavingNoFile) {
    QTemporaryDir folder;
    QWidget page;
    page.resize(400, 300);
    page.setAttribute(Qt::WA_OpaquePaintEvent);  // not even a background
    EXPECT_EQ(savePageAsPdf(page, folder.path()).detail, "the page could not be drawn");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

}  // namespace
