#include "window_fixture.h"
#include "xp_frame.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QSignalSpy>

using tavrel::ui::XpFrame;

// The window as it opens, before the user has done anything.
class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasCaptionFixedSizeAndNoMinMaxButtons()
    {
        WindowFixture f;
        QCOMPARE(f.window.windowTitle(), QString("Orrin Tavrel V1.0"));
        QCOMPARE(f.window.centralWidget()->size(), QSize(918, 670));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
        QVERIFY(!(f.window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!f.window.windowIcon().isNull());
    }

    void menuBarHoldsDateiWithResetAndBeendenThenInfo()
    {
        WindowFixture f;
        const QList<QAction*> entries = f.window.menuBar()->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->text(), QString("&Datei"));
        QCOMPARE(entries[1]->text(), QString("&Info"));
        QCOMPARE(entries[1]->objectName(), QString("M_Info"));
        const QList<QAction*> items = f.control<QMenu>("M_Datei")->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[1]->text(), QString("&Reset"));
        QCOMPARE(items[2]->text(), QString("&Beenden"));
    }

    void framesShowTheirCaptionsAndTheTableauFrameHasNone()
    {
        WindowFixture f;
        const QStringList captions{"Eingabe", "xpFrame2", "Einsatz", "Satztabelle", "Einstellungen"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(f.control<XpFrame>(QString("xpFrame_%1").arg(i))->caption(), captions[i]);
        auto* tableauFrame = f.control<XpFrame>("xpFrame_1");
        QCOMPARE(tableauFrame->borderStyle(), 0);
        QCOMPARE(tableauFrame->toolTip(), QString("klicken Sie auf die Gefallene Plein Zahl!"));
        QCOMPARE(f.control<XpFrame>("xpFrame_3")->geometry(), QRect(208, 0, 705, 665));
    }

    void stakeTableHasTheEightHeadersAndNoRows()
    {
        WindowFixture f;
        const QAbstractItemModel* model = f.grid()->model();
        const QStringList headers{"Coups", "Plein", "Pleins gesetzt", "Treffer",
                                  "Einsatz", "Saldo", "Partie", "Gesamt"};
        const QList<int> widths{53, 40, 333, 43, 43, 43, 43, 43};
        QCOMPARE(model->columnCount(), 8);
        QCOMPARE(model->rowCount(), 0);
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), headers[c]);
            QCOMPARE(f.grid()->columnWidth(c), widths[c]);
            QCOMPARE(f.grid()->horizontalHeader()->sectionResizeMode(c), QHeaderView::Fixed);
        }
        QCOMPARE(f.grid()->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QCOMPARE(f.grid()->geometry(), QRect(16, 24, 673, 633));
    }

    void switchesAreUncheckedAndLabelsShowZero()
    {
        WindowFixture f;
        QCOMPARE(f.xpCheck(0)->caption(), QString("System aktiv"));
        QCOMPARE(f.xpCheck(1)->caption(), QString("Stufe halten"));
        QCOMPARE(f.xpCheck(0)->value(), 0);
        QCOMPARE(f.xpCheck(1)->value(), 0);
        QCOMPARE(f.label("Lbl_Pleins")->text(), QString("Pleins= 0"));
        QCOMPARE(f.label("Lbl_Stufe")->text(), QString("Stufe= 0"));
        QVERIFY(f.label("Lbl_Pleins")->isVisible());
        QCOMPARE(f.label("Label_5")->text(), QString("Pleins"));
        QVERIFY(f.label("Label_5")->font().underline());
        for (int k = 0; k < 10; ++k)
            QVERIFY(!f.lblCheval(k)->isVisible());
        QCOMPARE(f.list()->count(), 0);
    }

    void pleinFlagsExistUncheckedAndAreNeverVisible()
    {
        WindowFixture f;
        auto* frame = f.control<QGroupBox>("Frame_1");
        QCOMPARE(frame->title(), QString("aktive Pleins"));
        QVERIFY(!frame->isVisible());
        QVERIFY(!frame->isEnabled());
        for (int n = 0; n <= 36; ++n) {
            auto* box = f.control<QCheckBox>(QString("Check_%1").arg(n));
            QCOMPARE(box->text(), QString::number(n));
            QVERIFY(!box->isChecked());
            QVERIFY(!box->isVisible());
        }
        f.clickSwitch(0);
        QVERIFY(f.control<QCheckBox>("Check_0")->isChecked());
        QVERIFY(!f.control<QCheckBox>("Check_0")->isVisible());
    }

    void cellsShowTheirNumbersColoursOnFelt()
    {
        WindowFixture f;
        const QColor felt(0, 192, 0), red(255, 0, 0), black(0, 0, 0), green(0, 255, 0);
        int reds = 0, blacks = 0;
        for (int n = 0; n <= 36; ++n) {
            QCOMPARE(f.cell(n)->currentBackColor(), felt);
            const QColor number = f.cell(n)->currentNumberColor();
            reds += number == red;
            blacks += number == black;
        }
        QCOMPARE(reds, 18);
        QCOMPARE(blacks, 18);
        QCOMPARE(f.cell(0)->currentNumberColor(), green);
        QCOMPARE(f.cell(19)->currentNumberColor(), red);
        for (int n : {10, 11, 28, 29})
            QCOMPARE(f.cell(n)->currentNumberColor(), black);
        QCOMPARE(f.cell(0)->geometry(), QRect(28, 8, 21, 25));
        QCOMPARE(f.cell(36)->geometry(), QRect(48, 252, 21, 21));
    }

    void eachCellReportsItsOwnNumberAndARowIsRecorded()
    {
        WindowFixture f;
        for (int n = 0; n <= 36; ++n) {
            QSignalSpy spy(f.cell(n), &tavrel::ui::TableauCell::clicked);
            f.clickCell(n);
            QCOMPARE(spy.size(), 1);
            QCOMPARE(spy.at(0).at(0).toInt(), n);
            QCOMPARE(f.rowCount(), n + 1);
            QCOMPARE(f.row(n + 1), (QStringList{QString(" %1").arg(n + 1), QString::number(n), "", "", "", "", "", ""}));
        }
        QCOMPARE(f.label("Lbl_Stufe")->text(), QString("Stufe= 0"));
    }
};

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
