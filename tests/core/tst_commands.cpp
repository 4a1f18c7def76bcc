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

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void undoAndRepeatFollowTheUndoState();
    void drawingCommandsNeedADrawing();
};

void TestCommands::undoAndRepeatFollowTheUndoState() {
    Host host;
    const auto undo = makeUndoCommand(host);
    const auto repeat = makeRepeatCommand(host);
    auto state = [&] {
        return QStringLiteral("%1 %2 | %3 %4")
            .arg(undo->caption())
            .arg(undo->enabled())
            .arg(repeat->caption())
            .arg(repeat->enabled());
    };
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
