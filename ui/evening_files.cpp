#include "evening_files.h"

#include "tavrel/evening_file.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include <string_view>

namespace tavrel::ui {

namespace {

QString shown(const QString& path)
{
    return "„" + QDir::toNativeSeparators(path) + "“";
}

// Why a file could not be made or replaced, from what is there.
QString openFailure(const QFileInfo& target)
{
    if (target.isDir())
        return "das ist ein Ordner";
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return "den Ordner " + shown(folder.filePath()) + " gibt es nicht";
    if (target.exists() && !target.isWritable())
        return "die Datei ist schreibgeschützt";
    return "im Ordner " + shown(folder.filePath()) + " darf keine Datei angelegt werden";
}

// Writes the bytes whole, or says why not. A file is written beside itself and
// renamed over the old one only once complete, so a failure leaves the old one
// as it was; a device or a pipe cannot be replaced so, and is written as it is.
QString writeWhole(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    const bool device = target.exists() && !target.isFile() && !target.isDir();
    QSaveFile replaced(path);
    QFile direct(path);
    QFileDevice& file = device ? static_cast<QFileDevice&>(direct) : replaced;
    if (!file.open(QIODevice::WriteOnly))
        return openFailure(target);
    if (file.write(bytes) == bytes.size() && (device ? direct.flush() : replaced.commit()))
        return {};
    return "sie ließ sich nicht ganz schreiben (ist der Datenträger voll?)";
}

// A field as a spreadsheet reads it back: quoted only where it must be.
QString csvField(QString text)
{
    if (!text.contains(';') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    return '"' + text.replace('"', "\"\"") + '"';
}

// The table as it shows, for a German spreadsheet: semicolons between the
// fields, since the comma is the decimal point there.
QByteArray tableCsv(const QAbstractItemModel& table)
{
    QString csv;
    const auto addLine = [&](const auto& field) {
        for (int c = 0; c < table.columnCount(); ++c)
            csv += (c ? ";" : "") + csvField(field(c));
        csv += "\r\n";
    };
    addLine([&](int c) { return table.headerData(c, Qt::Horizontal).toString(); });
    for (int r = 0; r < table.rowCount(); ++r)
        addLine([&](int c) { return table.index(r, c).data().toString(); });
    return csv.toUtf8();
}

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

} // namespace

EveningFiles::EveningFiles(PlayerSession& session, const QAbstractItemModel& table, QWidget* window)
    : QObject(window)
    , session_(session)
    , table_(table)
    , window_(window)
    , folder_(QDir::homePath())
{
}

void EveningFiles::saveAs()
{
    const QString path = askForFile(true, "Speichern unter", "Tavrel-Abend " + today() + ".txt",
                                    "Abende (*.txt);;Alle Dateien (*)");
    if (!path.isEmpty())
        saveTo(path);
}

void EveningFiles::open()
{
    const QString path = askForFile(false, "Öffnen", {}, "Abende (*.txt);;Alle Dateien (*)");
    if (!path.isEmpty())
        openFrom(path);
}

void EveningFiles::exportTable()
{
    const QString path = askForFile(true, "Exportieren", "Satztabelle " + today() + ".csv",
                                    "CSV-Dateien (*.csv);;Alle Dateien (*)");
    if (!path.isEmpty())
        exportTo(path);
}

bool EveningFiles::saveTo(const QString& path)
{
    const std::size_t events = session_.events().size();
    if (!write(path, QByteArray::fromStdString(eveningText(session_.events())), "Speichern unter"))
        return false;
    savedEvents_ = events;
    return true;
}

bool EveningFiles::exportTo(const QString& path)
{
    return write(path, tableCsv(table_), "Exportieren");
}

bool EveningFiles::openFrom(const QString& path)
{
    const auto refuse = [&](const QString& why) {
        complain("Öffnen", shown(path) + " lässt sich nicht öffnen: " + why + ".\nDer Abend bleibt, wie er war.");
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return refuse("die Datei gibt es nicht");
    if (info.isDir())
        return refuse("das ist ein Ordner");
    const QString tooLarge = QString("sie ist größer als %1 MB, zu groß für einen Abend").arg(MaxEveningBytes >> 20);
    if (info.size() > static_cast<qint64>(MaxEveningBytes))
        return refuse(tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(info.isReadable() ? "sie ist nicht lesbar" : "keine Leseberechtigung");
    // Read to one byte past the limit: a device tells no size.
    const QByteArray bytes = file.read(static_cast<qint64>(MaxEveningBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse("sie ist nicht lesbar");
    if (bytes.size() > static_cast<qint64>(MaxEveningBytes))
        return refuse(tooLarge);
    const EveningRead evening = readEvening(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (evening.error)
        return refuse((evening.error->line ? QString("Zeile %1: ").arg(evening.error->line) : QString())
                      + QString::fromStdString(evening.error->reason));

    if (hasUnsavedEvents()
        && QMessageBox::question(window_, "Öffnen",
                                 "Die Ereignisse dieses Abends sind nicht gespeichert. " + shown(path)
                                     + " trotzdem öffnen und sie verwerfen?",
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return false;
    PlayerSession opened;
    for (const TableEvent& event : evening.events)
        opened.play(event);
    session_ = std::move(opened);
    savedEvents_ = session_.events().size();
    emit sessionReplaced();
    return true;
}

QString EveningFiles::askForFile(bool saving, const QString& title, const QString& suggested, const QString& filter)
{
    QFileDialog dialog(window_, title, folder_, filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving) {
        dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
        dialog.selectFile(suggested);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

bool EveningFiles::write(const QString& path, const QByteArray& bytes, const QString& title)
{
    const QString failure = writeWhole(path, bytes);
    if (failure.isEmpty())
        return true;
    complain(title, shown(path) + " wurde nicht geschrieben: " + failure
                        + ".\nEine Datei, die dort schon lag, bleibt, wie sie war.");
    return false;
}

void EveningFiles::complain(const QString& title, const QString& text)
{
    QMessageBox::warning(window_, title, text);
}

} // namespace tavrel::ui
