#include <gtest/gtest.h>
#include <QApplication>
#include <QPixmap>
#include <QLabel>
#include "app/CalculationState.h"
#include "results/ui/Form5.h"
#include "app/ui/Pages.h"

TEST(ZzShot, Render) {
    if (!getenv("SHOT")) GTEST_SKIP();
    CalculationState& s = state();
    s = CalculationState{};
    s.SeriesCode = "QEH"; s.SizeCode = "25L";
    s.InstallationText = "Horizontal application";
    s.CombinationText = "2 rails,each rail includes 3 carriages";
    s.PreloadText = "Medium preload ( F1 )";
    s.CombinationIndex = 6;
    s.StaticLoadRating = 56.19; s.DynamicLoadRating = 35.9; s.PreloadForce = 2872.f;
    s.Velocity = 1; s.AccelerationTime = 0.1; s.StrokeLength = 500; s.ReciprocationsPerMinute = 30; s.Acceleration = 10;
    for (int i = 1; i <= 6; ++i) for (int j = 1; j <= 3; ++j) {
        s.RadialLoad[i][j] = 1000 + 111.25 * i + 7.3 * j;
        s.LateralLoad[i][j] = -12.25 * i;
        s.EquivalentLoad[i][j] = s.RadialLoad[i][j] + 12.25 * i;
    }
    if (getenv("NOINERTIA")) s.Acceleration = 0;
    Form5& f = form5();
    f.showPage();
    QApplication::processEvents();
    f.grab().save(getenv("SHOT"));
}
