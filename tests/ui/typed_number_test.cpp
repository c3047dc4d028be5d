#include "typed_number.h"

#include <QTest>

using tavrel::ui::TypedNumber;

namespace {

TypedNumber typed(std::initializer_list<int> digits)
{
    TypedNumber number;
    for (int digit : digits)
        number.addDigit(digit);
    return number;
}

} // namespace

// The digits of a number as the player types them, without a window.
class TypedNumberTest : public QObject {
    Q_OBJECT

private slots:
    void oneOrTwoDigitsMakeTheNumbersZeroToThirtySix()
    {
        QCOMPARE(TypedNumber().number(), std::nullopt);
        for (int n = 0; n <= 9; ++n) {
            QCOMPARE(typed({n}).number(), n);
            QCOMPARE(typed({0, n}).number(), n);
        }
        for (int n = 10; n <= 36; ++n)
            QCOMPARE(typed({n / 10, n % 10}).number(), n);
    }

    void aNumberAboveThirtySixIsRefusedAndItsDigitsForgotten()
    {
        for (int n = 37; n <= 99; ++n)
            QCOMPARE(typed({n / 10, n % 10}).number(), std::nullopt);
        QCOMPARE(typed({4, 0, 5}).number(), 5);
    }

    void aThirdDigitStartsANewNumber()
    {
        QCOMPARE(typed({1, 7, 3}).number(), 3);
        QCOMPARE(typed({1, 7, 3, 2}).number(), 32);
        QCOMPARE(typed({1, 7, 3, 9}).number(), std::nullopt);
    }

    void takeHandsTheNumberOverOnce()
    {
        TypedNumber number = typed({2, 6});
        QCOMPARE(number.take(), 26);
        QCOMPARE(number.take(), std::nullopt);
        number.addDigit(8);
        QCOMPARE(number.number(), 8);
        number.forget();
        QCOMPARE(number.take(), std::nullopt);
        number.addDigit(1);
        number.addDigit(2);
        QCOMPARE(number.number(), 12);
    }
};

QTEST_APPLESS_MAIN(TypedNumberTest)
#include "typed_number_test.moc"
