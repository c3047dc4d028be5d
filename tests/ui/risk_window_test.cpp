#include "reference_picture.h"
#include "risk_texts.h"
#include "risk_window.h"

#include <QLabel>
#include <QSpinBox>
#include <QTest>

using namespace tavrel;
using namespace tavrel::ui;

// The Risiko window beside a session driven as the main window drives it: an event, then follow().
class RiskWindowTest : public QObject {
    Q_OBJECT

    PlayerSession session;
    std::unique_ptr<QWidget> main;
    RiskWindow* window = nullptr; // owned by main

    template <class T>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString shown(const char* figure) const { return control<QLabel>(figure)->text(); }
    bool visible(const char* name) const { return control<QWidget>(name)->isVisible(); }

    void spin(int number)
    {
        session.clickCell(number);
        window->follow();
    }

    // The figures the window must show for the session as it stands.
    RiskTexts expected(OddsQuestion question) const { return riskTexts(*partieOdds(session.system(), question)); }

private slots:
    // A new main window deletes the last one with its Risiko window before the session is replaced.
    void init()
    {
        main = std::make_unique<QWidget>();
        session = PlayerSession();
        main->setGeometry(40, 40, 300, 200);
        main->show();
        window = new RiskWindow(session, main.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    // A small risk is never shown as none, nor a likely win as certain.
    void sharesNeverRoundToZeroOrToCertainty()
    {
        const std::pair<double, QString> shares[] = {{0, "0,00 %"}, {0.00001, "unter 0,01 %"}, {0.00005, "0,01 %"},
                                                      {0.0184, "1,84 %"}, {0.99995, "über 99,99 %"}, {1, "100,00 %"}};
        for (const auto& [share, text] : shares)
            QCOMPARE(percentText(share), text);
    }

    void standsBesideItsParentAsAWindowOfItsOwn()
    {
        QVERIFY(window->isWindow());
        QVERIFY(!window->isModal());
        QVERIFY(window->frameGeometry().left() > main->frameGeometry().right()
                || window->frameGeometry().right() < main->frameGeometry().left());
    }

    // A simulated risk never stands without the interval that says how bad it may be.
    void simulatedSharesCarryTheirInterval()
    {
        const RiskTexts texts = riskTexts({.win = 0.9, .ruin = 0.1, .exact = false, .ruinLow = 0.08, .ruinHigh = 0.125});
        QCOMPARE(texts.risk, QString("10,00 % (95 %: 8,00 bis 12,50 %), simuliert"));
        QCOMPARE(texts.chance, QString("90,00 % (95 %: 87,50 bis 92,00 %), simuliert"));
    }

    // Closed, it spends nothing on the events it follows; shown, it has the figures of three misses
    // (97,40 % to end in profit, -18,20 Einheiten to expect, 4 Einheiten next).
    void showsTheCoresFiguresWhileAPartieRunsAndCatchesUpWhenShown()
    {
        QVERIFY(visible("NoPartie"));
        window->hide();
        session.clickSwitch(0);
        for (int i = 0; i < 3; ++i)
            spin(36);
        QTest::qWait(100);
        QVERIFY(shown("Risk").isEmpty());
        window->show();
        QTRY_COMPARE(shown("Risk"), QString("2,60 %"));
        QVERIFY(visible("Risk"));
        QVERIFY(!visible("NoPartie"));
        QVERIFY(control<QLabel>("Risk")->accessibleName().endsWith("2,60 %"));
        QTRY_VERIFY(control<QWidget>("Chart")->accessibleDescription().contains("1.000 Einheiten: 2,60 %"));
        const std::string difference = pictureDifference(window->grab().toImage(), TAVREL_PICTURES "/risk_window.png");
        QVERIFY2(difference.empty(), difference.c_str()); // every figure, the curve and its mark
        session.clickSwitch(0);
        window->follow();
        QVERIFY(visible("NoPartie"));
        QVERIFY(!visible("Risk"));
        QVERIFY(control<QWidget>("Chart")->accessibleDescription().startsWith("Keine Kurve"));
    }

    // The inputs take part in the question, Tab reaches both, and the figures catch up with the latest event.
    void answersForTheCapitalAndTableLimitTypedAndKeepsUpWithTheLatestEvent()
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
        for (int i = 0; i < 30; ++i)
            spin(i % 2 ? 36 : 9);
        const QString before = expected({10'000}).risk;
        spin(36);
        const QString after = expected({10'000}).risk;
        QVERIFY(before != after);
        QVERIFY(QTest::qWaitFor([&] { return shown("Risk") == after; }, 1000));
        QCOMPARE(shown("NextStake"), unitsText(session.system().Einsatz));
        limit->setValue(3);
        QTRY_COMPARE(shown("Risk"), expected({10'000, 3}).risk);
        QCOMPARE(shown("LargestStake"), expected({10'000, 3}).largestStake);
        kapital->setValue(200'000);
        QTRY_VERIFY_WITH_TIMEOUT(shown("Risk").endsWith("simuliert"), 3000);
    }
};

QTEST_MAIN(RiskWindowTest)
#include "risk_window_test.moc"
