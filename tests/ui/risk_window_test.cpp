#include "reference_picture.h"
#include "risk_chart.h"
#include "risk_texts.h"
#include "risk_window.h"
#include "number_field.h"
#include "window_placement.h"

#include <QLabel>
#include <QTest>

using namespace tavrel;
using namespace tavrel::ui;

// The Risiko window beside a session driven as the main window drives it: an event, then follow().
class RiskWindowTest : public QObject {
    Q_OBJECT

    PlayerSession session;
    std::unique_ptr<QWidget> main;
    RiskWindow* window = nullptr; // owned by main

    template <class T = QLabel>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString shown(const char* figure) const { return control(figure)->text(); }
    bool visible(const char* name) const { return control<QWidget>(name)->isVisible(); }
    static constexpr int Computing = 300'000; // the longest wait: generous, as it ends once the figures are current
    // Current: neither greyed nor said to be computed.
    bool current() const
    {
        return control("Risk")->isEnabled() && !visible("Computing") && !control<RiskChart>("Chart")->isStale();
    }

    void spin(int number) { session.clickCell(number); window->follow(); }
    void enter(const char* field, const QString& text)
    {
        auto* input = control<NumberField>(field);
        input->setFocus();
        input->selectAll();
        QTest::keyClicks(input, text);
        QTest::keyClick(input, Qt::Key_Return);
    }

    // The figures the window must show for the session as it stands.
    RiskTexts expected(OddsQuestion question) const { return riskTexts(*partieOdds(session.system(), question)); }

private slots:
    // A new main window deletes the last one with its Risiko window before the session is replaced.
    void init()
    {
        main = std::make_unique<QWidget>();
        session = PlayerSession();
        main->setGeometry(40, 40, 300, 500);
        main->show();
        window = new RiskWindow(session, main.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    // A small risk is never shown as none, nor a likely win as certain; a simulated figure never
    // stands without its interval; a partie lost before its next spin says why.
    void textsSayWhatIsCountedAndHowSure()
    {
        const std::pair<double, QString> shares[] = {{0, "0,00 %"}, {0.00001, "unter 0,01 %"}, {0.00005, "0,01 %"},
                                                      {0.0184, "1,84 %"}, {0.99995, "über 99,99 %"}, {1, "100,00 %"}};
        for (const auto& [share, text] : shares)
            QCOMPARE(percentText(share), text);
        QCOMPARE(unitsText(-1), QString("-1 Einheit"));
        const RiskTexts simulated = riskTexts({.win = 0.9, .ruin = 0.1, .expectedResult = -30, .exact = false,
                                               .ruinLow = 0.08, .ruinHigh = 0.125, .resultLow = -31.5, .resultHigh = -28.25});
        QCOMPARE(simulated.risk, QString("10,00 % (95 %: 8,00 bis 12,50 %), simuliert"));
        QCOMPARE(simulated.chance, QString("90,00 % (95 %: 87,50 bis 92,00 %), simuliert"));
        QCOMPARE(simulated.expectedResult, QString("-30,00 Einheiten (95 %: -31,50 bis -28,25), simuliert"));
        QCOMPARE(simulated.expectedSpins, QString("0,00 Coups, simuliert"));
        QCOMPARE(riskTexts({.lostBeforeNextSpin = LostBefore::TableLimit}).largestStake, QString("keiner: die Partie endet am Tischlimit"));
        QCOMPARE(riskTexts({.lostBeforeNextSpin = LostBefore::Stake}).largestStake, QString("keiner: der nächste Einsatz ist höher als der Rest des Kapitals"));
    }

    // Beside its parent, never over it, on any screen wide enough for both; the main window moves only
    // if it must, and both stay whole on the screen wherever the main window stood.
    void standsBesideItsParentWithoutCoveringIt()
    {
        QCOMPARE(window->frameGeometry(), QRect(main->frameGeometry().topRight() + QPoint(9, 0), QSize(440, main->frameGeometry().height())));
        for (const QPoint at : {QPoint(224, 20), QPoint(990, 20), QPoint(-60, 600)})
            for (int width : {1280, 1366, 1400, 1920}) {
                const QRect room(0, 0, width, 740), mainFrame(at, QSize(920, 712));
                const SideBySide places = placeBeside(room, mainFrame, 440, 340);
                const QRect mainPlaced(places.main, mainFrame.size());
                QVERIFY(room.contains(mainPlaced) && room.contains(places.beside) && !mainPlaced.intersects(places.beside));
                QCOMPARE(places.beside.size(), QSize(std::min(440, width - 920), 712));
                QCOMPARE(places.main == at, room.contains(mainFrame) && width == 1920);
            }
        QCOMPARE(placeBeside(QRect(0, 0, 1399, 740), QRect(31, 20, 920, 712), 440, 340).main, QPoint(31, 20)); // room just enough
        QCOMPARE(placeBeside(QRect(0, 0, 1400, 740), QRect(224, 20, 920, 712), 440, 340).main, QPoint(16, 20)); // both centred
        // Too narrow for both: it covers the far end of the stake table.
        const SideBySide narrow = placeBeside(QRect(0, 0, 1024, 740), QRect(224, 20, 920, 712), 440, 340);
        QCOMPARE(std::pair(narrow.main, narrow.beside), std::pair(QPoint(0, 20), QRect(684, 20, 340, 712)));
    }

    // Closed, it spends nothing on the events it follows. The next stake and the balance come at once,
    // the rest greyed as "wird berechnet …" until it is current; so it is when shown again.
    void showsTheSessionAtOnceAndMarksFiguresUntilCurrent()
    {
        QVERIFY(visible("NoPartie") && !visible("NextStake"));
        window->hide();
        session.clickSwitch(0);
        for (int i = 0; i < 3; ++i)
            spin(36);
        QVERIFY(shown("Risk").isEmpty());
        window->show();
        QCOMPARE(shown("NextStake"), QString("4 Einheiten"));
        QCOMPARE(shown("Balance"), QString("-6 Einheiten"));
        QVERIFY(!control("Risk")->isEnabled() && visible("Computing")); // greyed, and said to be computed
        QTRY_VERIFY_WITH_TIMEOUT(current(), Computing);
        QVERIFY(control("Risk")->accessibleName().endsWith(expected({}).risk));
        const std::string difference = pictureDifference(window->grab().toImage(), TAVREL_PICTURES "/risk_window.png");
        QVERIFY2(difference.empty(), difference.c_str()); // every figure, the curve, its band and its mark

        spin(9);
        QCOMPARE(shown("NextStake"), QString("5 Einheiten"));
        QVERIFY(!current());
        QTRY_VERIFY_WITH_TIMEOUT(current(), Computing);
        QCOMPARE(shown("Risk"), expected({}).risk);
        session.clickSwitch(0);
        window->follow();
        QVERIFY(visible("NoPartie") && !visible("Risk"));
        QVERIFY(control<QWidget>("Chart")->accessibleDescription().startsWith("Keine Kurve"));
    }

    // Values are taken on Enter, in German notation; one outside 1 to 1.000.000 is refused where the
    // player sees it and leaves the question as it was. Escape closes the window.
    void takesTheCapitalAndLimitTypedAndRefusesOthersVisibly()
    {
        session.clickSwitch(0);
        window->follow();
        enter("Kapital", "10.000");
        enter("Tischlimit", "1"); // the smallest limit
        QTRY_VERIFY_WITH_TIMEOUT(current(), Computing);
        QVERIFY(control("Risk")->accessibleName().startsWith("Risiko (Einsatz nicht mehr bezahlbar oder Tischlimit erreicht) "));
        QCOMPARE(shown("Risk"), expected({10'000, 1}).risk);
        QCOMPARE(shown("LargestStake"), expected({10'000, 1}).largestStake);

        enter("Kapital", "5000000");
        QCOMPARE(control<NumberField>("Kapital")->text(), QString("5000000"));
        QVERIFY(visible("Refusal") && shown("Refusal").contains("zwischen 1 und 1.000.000")
                && control("Refusal")->x() == control<QWidget>("Chart")->x()); // under the inputs, from the left
        const auto pink = [&] { return control<NumberField>("Kapital")->grab().toImage().pixelColor(4, 4) == QColor(255, 205, 205); };
        QVERIFY(pink() && control<NumberField>("Kapital")->accessibleDescription() == shown("Refusal"));
        QVERIFY(current()); // the question stays
        enter("Tischlimit", "keines");
        QTRY_VERIFY_WITH_TIMEOUT(current(), Computing);
        QCOMPARE(shown("Risk"), expected({10'000}).risk);
        QVERIFY(visible("Refusal"));
        enter("Kapital", "1000");
        QVERIFY(!visible("Refusal") && !pink());
        QCOMPARE(control<NumberField>("Kapital")->text(), QString("1.000"));

        // The evening: the spins left and the risk wanted, a percentage with either decimal sign.
        enter("CoupsBisSchluss", "0");
        enter("RisikoHoechstens", "100");
        QVERIFY(shown("Refusal").contains("oder nichts") && shown("Refusal").contains("über 0 und unter 100"));
        enter("CoupsBisSchluss", "20");
        enter("RisikoHoechstens", "0.5");
        QTRY_VERIFY_WITH_TIMEOUT(current() && control("CapitalForRisk")->isEnabled(), Computing);
        QVERIFY(control("Chance")->accessibleName().startsWith("Keine Partie verloren in 20 Coups "));
        const OddsQuestion evening(1000, OddsQuestion::NoTableLimit, 20);
        QCOMPARE(shown("Risk"), expected(evening).risk);
        const QString capital = capitalForRiskText(*capitalForRisk(session.system(), evening, 0.005));
        QCOMPARE(control("CapitalForRisk")->accessibleName(), "Kapital für höchstens 0,5 % Risiko " + capital);

        enter("Kapital", "0"); // refused, and forgotten on closing: shown again, the window has the capital asked
        QTest::keyClick(control<NumberField>("Kapital"), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        window->show();
        QVERIFY(control<NumberField>("Kapital")->text() == "1.000" && !visible("Refusal"));
    }

    // The mark is on the curve, never outside the plot: a capital below the axis sits at its left end.
    void theMarkStaysOnTheCurveInsideThePlot()
    {
        RiskChart chart;
        chart.resize(400, 240);
        const std::vector<RiskPoint> curve = {{10, 0.5, 0.5, 0.5, true}, {100, 0.05, 0.05, 0.05, true}};
        chart.setCurve(curve, 1);
        QVERIFY(chart.accessibleDescription().endsWith("Gewähltes Kapital 1: 50,00 %"));
        chart.setCurve(curve, 31);
        QVERIFY(chart.accessibleDescription().endsWith("Gewähltes Kapital 31: 16,13 %"));

        // Being computed anew: all greyed, the band of a simulated point too, and said so; the mark of
        // a capital below the axis at its left end.
        chart.setCurve({{10, 0.5, 0.5, 0.5, true}, {1000, 0.01, 0.004, 0.03, false}, {100'000, 0.002, 0.001, 0.004, false}}, 1);
        chart.setStale(true);
        const std::string difference = pictureDifference(chart.grab().toImage(), TAVREL_PICTURES "/risk_chart_stale.png");
        QVERIFY2(difference.empty(), difference.c_str());
    }
};

QTEST_MAIN(RiskWindowTest)
#include "risk_window_test.moc"
