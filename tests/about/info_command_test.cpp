#include <QProcess>
#include <QTest>

// The Info command in the real program: the main window's "&Info" opens the
// box, and the box's end is the program's end, whichever way it comes.
class InfoCommandTest : public QObject {
    Q_OBJECT

private:
    static QStringList runScenario(const QString& ending)
    {
        QProcess program;
        program.start(TAVREL_INFO_SCENARIO, {ending});
        if (!program.waitForFinished(15000)) {
            program.kill();
            program.waitForFinished();
            qWarning("the program did not end");
            return {};
        }
        if (program.exitStatus() != QProcess::NormalExit)
            return {"crashed"};
        QStringList lines = QString::fromUtf8(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        lines << QString("exit status %1").arg(program.exitCode());
        return lines;
    }

private slots:
    void infoOpensTheBoxAndClosingItEndsTheProgram_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("closing the box") << "close";
        QTest::newRow("Beenden") << "beenden";
    }

    void infoOpensTheBoxAndClosingItEndsTheProgram()
    {
        QFETCH(QString, ending);
        const QStringList lines = runScenario(ending);
        QVERIFY2(lines.size() == 8, qPrintable(lines.join(" | ")));
        QCOMPARE(lines[0], QString("box open 1"));
        QCOMPARE(lines[1], QString("main window visible 0"));
        QCOMPARE(lines[2], QString("box icon is the main window's 1"));
        // Some 25 frames of five particles each have run by then.
        const int particles = lines[3].section(' ', 1).toInt();
        QVERIFY2(particles >= 25 && particles <= 5 * 42, qPrintable(lines[3]));
        QCOMPARE(lines[4], QString("oldest particle moved 1"));
        QCOMPARE(lines[5], QString("event loop returned 0"));
        QCOMPARE(lines[6], QString("box open 0"));
        QCOMPARE(lines[7], QString("exit status 0"));
    }
};

QTEST_GUILESS_MAIN(InfoCommandTest)
#include "info_command_test.moc"
