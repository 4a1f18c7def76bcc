// Command objects on a drawing without windows: enabling, captions and what running them does.
#include "CanvasDrawing.h"
#include "GridText.h"
#include "MemoryPlatform.h"
#include "core/commands/DrawingHost.h"
#include "core/commands/FunctionCommand.h"
#include "core/commands/UndoRepeat.h"

#include <QTest>

#include <memory>

namespace {

class Host final : public DrawingHost {
public:
    Drawing* activeDrawing() const override { return active; }
    Drawing& createDrawing(int width, int height) override {
        drawings.push_back(std::make_unique<CanvasDrawing>(width, height));
        active = drawings.back().get();
        return *active;
    }
    Platform& platform() override { return silent; }

    std::vector<std::unique_ptr<CanvasDrawing>> drawings;
    CanvasDrawing* active = nullptr;
    MemoryPlatform silent;
};

// Undo and Repeat as the Edit menu shows them: caption and enabling of each.
QString menuState(const Command& undo, const Command& repeat) {
    return QStringLiteral("%1 %2 | %3 %4")
        .arg(undo.caption())
        .arg(undo.enabled())
        .arg(repeat.caption())
        .arg(repeat.enabled());
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void undoAndRepeatFollowTheUndoState();
    void historyOfTenAndOfAHundredSteps();
    void drawingCommandsNeedADrawing();
};

void TestCommands::undoAndRepeatFollowTheUndoState() {
    Host host;
    const auto undo = makeUndoCommand(host);
    const auto repeat = makeRepeatCommand(host);
    auto state = [&] { return menuState(*undo, *repeat); };
    QCOMPARE(state(), QStringLiteral("撤消(&U) 0 | 重复(&R) 0")); // no drawing

    Drawing& d = host.createDrawing(3, 1);
    QCOMPARE(state(), QStringLiteral("撤消(&U) 0 | 重复(&R) 0"));
    setGridText(d.CurGrid, QStringLiteral("ab"));
    d.ReDrawAll();
    d.takeUndoSnapshot(QStringLiteral("清空"));
    d.CurGrid.fillArea(3, 1, CharCell::blank());
    d.ReDrawAll();
    QCOMPARE(state(), QStringLiteral("撤消清空(&U) 1 | 重复(&R) 0"));

    undo->run();
    QCOMPARE(gridText(d.ShownGrid, 3, 1), QStringLiteral("ab    ")); // repainted
    QCOMPARE(state(), QStringLiteral("撤消(&U) 0 | 重复清空(&R) 1"));
    repeat->run();
    QCOMPARE(gridText(d.ShownGrid, 3, 1), QStringLiteral("      "));
    QCOMPARE(state(), QStringLiteral("撤消清空(&U) 1 | 重复(&R) 0"));

    // A second drawing has its own state; the commands follow the active one.
    host.createDrawing(2, 2);
    QCOMPARE(state(), QStringLiteral("撤消(&U) 0 | 重复(&R) 0"));
    host.active = host.drawings.front().get();
    QCOMPARE(state(), QStringLiteral("撤消清空(&U) 1 | 重复(&R) 0"));
}

void TestCommands::historyOfTenAndOfAHundredSteps() {
    Host host;
    const auto undo = makeUndoCommand(host);
    const auto repeat = makeRepeatCommand(host);
    auto state = [&] { return menuState(*undo, *repeat); };
    UndoStep::setDepth(10);
    Drawing& d = host.createDrawing(3, 1);
    // Three steps, each writing one cell more.
    auto step = [&](const QString& name, const QString& text) {
        d.takeUndoSnapshot(name);
        setGridText(d.CurGrid, text);
        d.ReDrawAll();
    };
    step(QStringLiteral("一"), QStringLiteral("a1"));
    step(QStringLiteral("二"), QStringLiteral("a1b2"));
    step(QStringLiteral("三"), QStringLiteral("a1b2c3"));
    QCOMPARE(state(), QStringLiteral("撤消三(&U) 1 | 重复(&R) 0"));
    undo->run();
    QCOMPARE(state(), QStringLiteral("撤消二(&U) 1 | 重复三(&R) 1"));
    QCOMPARE(gridText(d.ShownGrid, 3, 1), QStringLiteral("a1b2  "));
    undo->run();
    undo->run();
    QCOMPARE(gridText(d.ShownGrid, 3, 1), QStringLiteral("      "));
    QCOMPARE(state(), QStringLiteral("撤消(&U) 0 | 重复一(&R) 1"));
    repeat->run();
    repeat->run();
    QCOMPARE(gridText(d.ShownGrid, 3, 1), QStringLiteral("a1b2  "));
    QCOMPARE(state(), QStringLiteral("撤消二(&U) 1 | 重复三(&R) 1"));
    // A new step after an Undo drops the step that could have been repeated.
    step(QStringLiteral("四"), QStringLiteral("a1b2d4"));
    QCOMPARE(state(), QStringLiteral("撤消四(&U) 1 | 重复(&R) 0"));
    undo->run();
    QCOMPARE(state(), QStringLiteral("撤消二(&U) 1 | 重复四(&R) 1"));
    QCOMPARE(gridText(d.ShownGrid, 3, 1), QStringLiteral("a1b2  "));
    // Each Undo and Repeat counts as a change, as at one step.
    const int changes = d.ChangeCount;
    repeat->run();
    QCOMPARE(d.ChangeCount, changes + 1);

    // Only the last ten steps are kept: twelve more, each rewriting the first cell, then ten Undos
    // reach the state after the second of them.
    for (int i = 0; i < 12; ++i) step(QString::number(i), QString(2, QChar(u'a' + i)));
    for (int i = 0; i < 10; ++i) undo->run();
    QCOMPARE(gridText(d.ShownGrid, 3, 1), QStringLiteral("bbb2d4"));
    QCOMPARE(state(), QStringLiteral("撤消(&U) 0 | 重复2(&R) 1"));

    // A hundred steps of a whole 100 x 100 drawing stay under 4 MB.
    UndoStep::setDepth(100);
    Drawing& big = host.createDrawing(100, 100);
    for (int i = 0; i < 150; ++i) {
        big.takeUndoSnapshot(QStringLiteral("铅笔"));
        big.CurGrid.at(i % 100, i / 100) = CharCell::of('x', 'y');
    }
    QVERIFY2(big.undo.memoryBytes() < 4'000'000, qPrintable(QString::number(big.undo.memoryBytes())));
    for (int i = 0; i < 100; ++i) undo->run();
    QVERIFY(!undo->enabled());
    QCOMPARE(big.CurGrid.at(49, 0), CharCell::of('x', 'y')); // the 50th step is the oldest kept
    QCOMPARE(big.CurGrid.at(50, 0), CharCell::blank());
    UndoStep::setDepth(1);
}

void TestCommands::drawingCommandsNeedADrawing() {
    Host host;
    int runs = 0;
    DrawingCommand wide(
        host, [&](Drawing&) { ++runs; }, [](const Drawing& d) { return d.GridWidth > 5; });
    QVERIFY(!wide.enabled());
    wide.run(); // without a drawing, running does nothing
    QCOMPARE(runs, 0);
    host.createDrawing(4, 4);
    QVERIFY(!wide.enabled());
    host.createDrawing(6, 4);
    QVERIFY(wide.enabled());
    wide.run();
    QCOMPARE(runs, 1);
    QCOMPARE(wide.caption(), QString()); // no caption of its own: the item keeps its caption

    FunctionCommand always([&] { ++runs; });
    QVERIFY(always.enabled());
    bool allowed = false;
    FunctionCommand gated([&] { ++runs; }, [&] { return allowed; });
    QVERIFY(!gated.enabled());
    allowed = true;
    QVERIFY(gated.enabled());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
