#include "risk_chart.h"
#include "risk_texts.h"
#include "risk_window.h"

#include <QLabel>
#include <QSpinBox>
#include <QTest>

using namespace tavrel;
using namespace tavrel::ui;

// The Risiko window beside a session driven as the main window drives it:
// an event, then follow().
class RiskWindowTest : public QObject {
    Q_OBJECT

    PlayerSession session;
    std::unique_ptr<QWidget> main;
    std::unique_ptr<RiskWindow> window;

    template <class T>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString shown(const char* figure) const { return control<QLabel>(figure)->text(); }

    void spin(int number)
    {
        session.clickCell(number);
        window->follow();
    }

    // The figures the window must show for the session as it stands.
    RiskTexts expected(OddsQuestion question) const { return riskTexts(*partieOdds(session.system(), question)); }

private slots:
    void init()
    {
        session = PlayerSession();
        main = std::make_unique<QWidget>();
        main->setGeometry(40, 40, 300, 200);
        main->show();
        window = std::make_unique<RiskWindow>(session, main.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window.reset();
        main.reset();
    }

    void standsBesideItsParentAsAWindowOfItsOwn()
    {
        QVERIFY(window->isWindow());
        QVERIFY(!window->isModal());
        QVERIFY(window->frameGeometry().left() > main->frameGeometry().right()
                || window->frameGeometry().right() < main->frameGeometry().left());
    }

    // Closed, it spends nothing on the events it follows, and catches up when shown.
    void catchesUpWhenShownAgain()
    {
        window->hide();
        session.clickSwitch(0);
        for (int i = 0; i < 3; ++i)
            spin(36);
        QTest::qWait(100);
        QVERIFY(shown("Risk").isEmpty());
        window->show();
        QTRY_COMPARE(shown("Risk"), QString("2,60 %"));
    }

    void saysSoWhenNoPartieRuns()
    {
        QVERIFY(control<QLabel>("NoPartie")->isVisible());
        session.clickSwitch(0);
        window->follow();
        QTRY_VERIFY(control<QLabel>("Risk")->isVisible());
        QVERIFY(!control<QLabel>("NoPartie")->isVisible());
        session.clickSwitch(0);
        window->follow();
        QVERIFY(control<QLabel>("NoPartie")->isVisible());
        QVERIFY(!control<QLabel>("Risk")->isVisible());
        QVERIFY(control<RiskChart>("Chart")->accessibleDescription().startsWith("Keine Kurve"));
    }

    // The figures players are shown for a partie after three misses.
    void showsTheCoresFiguresAfterEachSpin()
    {
        session.clickSwitch(0);
        for (int i = 0; i < 3; ++i)
            spin(36);
        QTRY_COMPARE(shown("Risk"), QString("2,60 %"));
        QCOMPARE(shown("Chance"), QString("97,40 %"));
        QCOMPARE(shown("ExpectedResult"), QString("-18,20 Einheiten"));
        QCOMPARE(shown("NextStake"), QString("4 Einheiten"));
        const RiskTexts texts = expected({1000});
        QCOMPARE(shown("ExpectedSpins"), texts.expectedSpins);
        QCOMPARE(shown("LargestStake"), texts.largestStake);
        QVERIFY(control<QLabel>("Risk")->accessibleName().endsWith("2,60 %"));
        QTRY_VERIFY(control<RiskChart>("Chart")->accessibleDescription().contains("1.000 Einheiten: 2,60 %"));

        spin(0);
        QTRY_COMPARE(shown("Risk"), expected({1000}).risk);
        session.undo();
        window->follow();
        QTRY_COMPARE(shown("Risk"), QString("2,60 %"));
    }

    // The inputs take part in the question, and Tab reaches both.
    void answersForTheCapitalAndTableLimitTyped()
    {
        session.clickSwitch(0);
        window->follow();
        auto* kapital = control<QSpinBox>("Kapital");
        auto* limit = control<QSpinBox>("Tischlimit");
        window->activateWindow();
        kapital->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), limit);

        kapital->setValue(10'000);
        QTRY_COMPARE(shown("Risk"), QString("0,48 %"));
        QCOMPARE(shown("ExpectedResult"), QString("-36,78 Einheiten"));
        limit->setValue(3);
        QTRY_COMPARE(shown("Risk"), expected({10'000, 3}).risk);
        QVERIFY(shown("LargestStake") != expected({10'000}).largestStake);
        kapital->setValue(200'000);
        QTRY_VERIFY_WITH_TIMEOUT(shown("Risk").endsWith("simuliert"), 3000);
    }

    // However many events came before, the figures catch up with the latest
    // one; the time that takes is measured, not asserted here.
    void keepsUpWithTheLatestEvent()
    {
        control<QSpinBox>("Kapital")->setValue(10'000);
        session.clickSwitch(0);
        window->follow();
        for (int i = 0; i < 30; ++i)
            spin(i % 2 ? 36 : 9);

        const QString before = expected({10'000}).risk;
        spin(36);
        const QString after = expected({10'000}).risk;
        QVERIFY(before != after);
        QVERIFY(QTest::qWaitFor([&] { return shown("Risk") == after; }, 1000));
        QCOMPARE(shown("NextStake"), unitsText(session.system().Einsatz));
    }
};

QTEST_MAIN(RiskWindowTest)
#include "risk_window_test.moc"
