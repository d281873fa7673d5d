#include "app/afterfirstpaint.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace tabulet;

// The held work waits through the events of a start that has painted nothing, runs once the first
// window has painted, and only once however often windows paint again.
TEST(AfterFirstPaint, runsOnceAfterTheFirstWindowHasPainted)
{
    int runs = 0;
    app::AfterFirstPaint held([&runs] { ++runs; });
    QWidget hidden;
    hidden.resize(40, 40);
    QTimer::singleShot(0, [] {});
    QTest::qWait(20);
    EXPECT_EQ(runs, 0);

    QWidget window;
    window.resize(80, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }, 2000));
    window.update();
    window.repaint();
    QWidget second;
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    QTest::qWait(20);
    EXPECT_EQ(runs, 1);
}

// A start that ends before any window painted drops the work without running it.
TEST(AfterFirstPaint, endingBeforeAnyPaintDropsTheWork)
{
    int runs = 0;
    {
        app::AfterFirstPaint held([&runs] { ++runs; });
    }
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    EXPECT_EQ(runs, 0);
}
