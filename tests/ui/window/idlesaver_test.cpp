#include "ui/window/idlesaver.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace tabulet::ui {
namespace {

using namespace std::chrono_literals;

// A save that succeeds or fails as the test says and counts its calls.
struct FakeSave
{
    int calls = 0;
    bool succeeds = true;
};

TEST(IdleSaver, typingWithoutAPause_isSavedEveryIdleDelay_andOnceMoreAfterItStops)
{
    FakeSave save;
    IdleSaver saver([&save] { return ++save.calls, save.succeeds; });
    saver.setDelays(50ms, 1h);
    saver.changed();
    EXPECT_EQ(save.calls, 0);
    for (int i = 0; i < 20; ++i) {
        saver.changed();
        QTest::qWait(10);
    }
    EXPECT_GE(save.calls, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !saver.isPending(); }, 1000));
    const int callsWhenStopped = save.calls;
    QTest::qWait(150);
    EXPECT_EQ(save.calls, callsWhenStopped);
}

TEST(IdleSaver, failedSaves_areRetriedWithoutAChange_andToldOnceUntilOneSucceeds)
{
    FakeSave save;
    save.succeeds = false;
    IdleSaver saver([&save] { return ++save.calls, save.succeeds; });
    saver.setDelays(10ms, 30ms);
    QSignalSpy failed(&saver, &IdleSaver::saveFailed);
    saver.changed();
    EXPECT_TRUE(QTest::qWaitFor([&] { return save.calls >= 4; }, 2000));
    EXPECT_EQ(failed.count(), 1);

    save.succeeds = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !saver.isPending(); }, 2000));
    const int callsWhenSaved = save.calls;
    QTest::qWait(80);
    EXPECT_EQ(save.calls, callsWhenSaved);

    // A failure after a success is told again.
    save.succeeds = false;
    saver.changed();
    EXPECT_TRUE(QTest::qWaitFor([&] { return failed.count() == 2; }, 2000));
}

TEST(IdleSaver, changeWhileWaitingToRetry_savesAfterTheIdleDelay)
{
    FakeSave save;
    save.succeeds = false;
    IdleSaver saver([&save] { return ++save.calls, save.succeeds; });
    saver.setDelays(10ms, 1h);
    saver.changed();
    EXPECT_TRUE(QTest::qWaitFor([&] { return save.calls == 1; }, 1000));
    save.succeeds = true;
    saver.changed();
    EXPECT_TRUE(QTest::qWaitFor([&] { return save.calls == 2; }, 1000));
    EXPECT_FALSE(saver.isPending());
}

TEST(IdleSaver, stopped_savesNothingUntilTheNextChange)
{
    FakeSave save;
    IdleSaver saver([&save] { return ++save.calls, save.succeeds; });
    saver.setDelays(10ms, 10ms);
    saver.changed();
    saver.stop();
    QTest::qWait(60);
    EXPECT_EQ(save.calls, 0);
}

} // namespace
} // namespace tabulet::ui
