#include "evening_files.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <unistd.h>

namespace {

using tavrel::ui::EveningFiles;

EveningFiles* files(const WindowFixture& f) { return f.control<EveningFiles>(QString()); }

// The messages `command` shows, each answered with `answer`; of a file dialog, its folder and offered name, then `chosen`.
QStringList messagesDuring(const std::function<void()>& command, QMessageBox::StandardButton answer = QMessageBox::Ok,
                           const QString& chosen = {})
{
    QStringList texts;
    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->button(answer)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            texts << dialog->directory().path() << QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(chosen); // typed by the player
            static_cast<QDialog*>(dialog)->accept(); // as the dialog's own button does
        }
    });
    answering.start(10);
    command();
    return texts;
}

QImage painted(const WindowFixture& f) { return f.window.screen()->grabWindow(f.window.winId()).toImage(); }

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

// Saving, opening and exporting the evening, as the player's files see them.
class EveningFilesTest : public QObject {
    Q_OBJECT

private slots:
    void aSavedEveningOpensAsItWasAndItsUndoGoesOn()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("abend.txt");
        WindowFixture played;
        played.clickSwitch(0);
        for (int n : {5, 17, 36, 9})
            played.clickCell(n);
        played.control<QAction>("resetAction")->trigger();
        played.clickSwitch(0);
        played.clickSwitch(1);
        for (int n : {28, 1, 13, 0})
            played.clickCell(n);
        played.press(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(files(played)->saveTo(path));
        QVERIFY(!files(played)->hasUnsavedEvents());
        QCOMPARE(link(qPrintable(path), qPrintable(dir.filePath("frueher.txt"))), 0); // the file as first saved
        played.clickCell(3);
        QVERIFY(files(played)->saveTo(path));
        QVERIFY(QFileInfo(dir.filePath("frueher.txt")).size() < QFileInfo(path).size()); // replaced whole, not rewritten

        WindowFixture opened;
        QVERIFY(files(opened)->openFrom(path));
        QTRY_COMPARE(painted(opened), painted(played));
        for (WindowFixture* f : {&played, &opened})
            f->control<QAction>("undoAction")->trigger();
        QCOMPARE(opened.shown(), played.shown());

        // The table for a spreadsheet: the headers, then every cell as shown.
        const QString csv = dir.filePath("tabelle.csv");
        QVERIFY(files(opened)->exportTo(csv));
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(exported.readAll()).split("\r\n");
        QCOMPARE(lines.size(), opened.rowCount() + 2); // and an empty one after the last line break
        QCOMPARE(lines[0], QString("Coups;Plein;Pleins gesetzt;Treffer;Einsatz;Saldo;Partie;Gesamt"));
        QCOMPARE(lines[2], opened.row(2).join(';'));
    }

    // Each asks in the folder last used, offering a dated name; a name typed without a suffix gets it.
    void theMenuAsksForTheFileInTheFolderLastUsed()
    {
        QTemporaryDir dir;
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        WindowFixture f, opened;
        f.clickCell(7);
        const auto choose = [](const WindowFixture& in, const char* entry, const QString& name) {
            return messagesDuring([&] { in.control<QAction>(entry)->trigger(); }, QMessageBox::Ok, name);
        };
        QCOMPARE(choose(f, "saveAction", dir.filePath("abend")), (QStringList{QDir::homePath(), "Tavrel-Abend " + today + ".txt"}));
        QCOMPARE(choose(f, "exportAction", "tabelle"), (QStringList{dir.path(), "Satztabelle " + today + ".csv"}));
        QVERIFY(QFileInfo(dir.filePath("tabelle.csv")).size() > 0);
        choose(opened, "openAction", dir.filePath("abend.txt"));
        QCOMPARE(opened.row(1), f.row(1));
    }

    void openingAsksOnceBeforeItReplacesUnsavedEvents()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("abend.txt");
        write(path, "# Tavrel-Abend\naktiv\nclick 5\n");
        WindowFixture f;
        f.clickCell(7);
        QCOMPARE(messagesDuring([&] { QVERIFY(!files(f)->openFrom(path)); }, QMessageBox::No).size(), 1);
        QCOMPARE(messagesDuring([&] { QVERIFY(files(f)->openFrom(path)); }, QMessageBox::Yes).size(), 1);
        QCOMPARE(f.row(1).at(1), QString("5"));
        QTRY_VERIFY(f.paintedAsNow(f.grid())); // the row that stood there repainted
        QCOMPARE(messagesDuring([&] { QVERIFY(files(f)->openFrom(path)); }), QStringList{});
    }

    // Each gives one German message naming the file (and the line); the evening and the files stay as they were.
    void badFilesAndPlacesGiveOneMessageAndLoseNothing()
    {
        QTemporaryDir dir;
        const auto file = [&](const QString& name, const QByteArray& bytes) {
            write(dir.filePath(name), bytes);
            return dir.filePath(name);
        };
        const QByteArray head = "# Tavrel-Abend\n";
        QList<std::pair<QString, QString>> opens{
            {dir.filePath("fehlt.txt"), "die Datei gibt es nicht"},
            {dir.path(), "das ist ein Ordner"},
            {file("bild.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), "kein gespeicherter Abend"},
            {file("leer.txt", ""), "die Datei ist leer"},
            {file("zeile.txt", head + "click 5\nklick 7\n"), "Zeile 3: „klick“ ist kein Ereignis"},
            {file("hoch.txt", head + "click 37\n"), "Zeile 2: „37“ ist keine Zahl von 0 bis 36"},
            {file("steuer.txt", head + "aktiv\n\x01"), "Zeile 3: Steuerzeichen 0x01"},
            {file("gross.txt", head + QByteArray(10 << 20, '\n')), "größer als 4 MB"},
        };
        QList<std::pair<QString, QString>> saves{
            {"/proc/abend.txt", "im Ordner „/proc“ darf keine Datei angelegt werden"},
            {"/dev/full", "ist der Datenträger voll?"},
            {dir.path(), "das ist ein Ordner"},
        };
        if (geteuid() != 0) { // permissions do not bind root
            QFile::setPermissions(file("gesperrt.txt", head), {});
            opens.append({dir.filePath("gesperrt.txt"), "keine Leseberechtigung"});
            QDir(dir.path()).mkdir("fest");
            QFile::setPermissions(dir.filePath("fest"), QFile::ReadOwner | QFile::ExeOwner);
            saves.append({dir.filePath("fest/abend.txt"), "darf keine Datei angelegt werden"});
        }
        WindowFixture f;
        f.clickSwitch(0);
        f.clickCell(5);
        const tavrel::ControlsSnapshot before = f.shown();
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const auto& [path, why] : opens + saves) {
            const bool opening = opens.contains({path, why});
            const QStringList said = messagesDuring([&] {
                QVERIFY(!(opening ? files(f)->openFrom(path) : files(f)->saveTo(path)));
            });
            QCOMPARE(said.size(), 1);
            QVERIFY2(said[0].contains("„" + path + "“") && said[0].contains(why), qPrintable(said[0]));
        }
        QCOMPARE(f.shown(), before);
        QVERIFY(files(f)->hasUnsavedEvents());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    }
};

QTEST_MAIN(EveningFilesTest)
#include "evening_files_test.moc"
