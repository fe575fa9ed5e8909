#include "skin/CToolTipStyle.h"
#include "skin/UpdateTipText.h"

#include <QApplication>
#include <QToolTip>
#include <QtTest>

class TestToolTips : public QObject
{
    Q_OBJECT

private slots:
    void styleGivesQuickTipsOnce()
    {
        CToolTipStyle::Install();
        QStyle* installed = QApplication::style();
        QCOMPARE(installed->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 20);
        QCOMPARE(installed->styleHint(QStyle::SH_ToolTip_FallAsleepDelay), 0);
        CToolTipStyle::Install();
        QCOMPARE(QApplication::style(), installed);

        // Qt asks the tool's own style, so every widget must see the delay.
        QWidget window;
        QWidget child(&window);
        QCOMPARE(child.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, &child), 20);
    }

    void tipAppearsWhenThePointerRests()
    {
        CToolTipStyle::Install();
        QWidget window;
        window.resize(200, 100);
        auto* tool = new QWidget(&window);
        tool->setGeometry(20, 20, 60, 30);
        tool->setToolTip(QStringLiteral("37"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(tool, QPoint(30, 15));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("37"));
        QToolTip::hideText();
    }

    void updateRefreshesOnlyTheToolsShowingTip_data()
    {
        QTest::addColumn<bool>("tipShown");
        QTest::addColumn<bool>("pointerOnTool");
        QTest::addColumn<QString>("tipAfter");
        QTest::newRow("tip showing for the tool") << true << true << "61";
        QTest::newRow("tip showing, pointer elsewhere") << true << false << "60";
        QTest::newRow("no tip showing") << false << true << "";
    }

    void updateRefreshesOnlyTheToolsShowingTip()
    {
        QFETCH(bool, tipShown);
        QFETCH(bool, pointerOnTool);
        QFETCH(QString, tipAfter);
        QWidget window;
        window.resize(200, 100);
        auto* tool = new QWidget(&window);
        tool->setGeometry(20, 20, 60, 30);
        tool->setToolTip(QStringLiteral("60"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QPoint onTool = tool->mapToGlobal(QPoint(30, 15));
        QCursor::setPos(pointerOnTool ? onTool : window.mapToGlobal(QPoint(150, 80)));
        if (tipShown) {
            QToolTip::showText(onTool, QStringLiteral("60"), tool);
            QVERIFY(QToolTip::isVisible());
        }
        UpdateTipText(tool, QStringLiteral("61"));
        QCOMPARE(tool->toolTip(), QStringLiteral("61"));
        QCOMPARE(QToolTip::isVisible(), tipShown);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tipAfter);
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestToolTips)
#include "tst_tooltips.moc"
