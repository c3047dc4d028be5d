#pragma once

#include "tavrel/player_session.h"

#include <QObject>
#include <QString>

#include <cstddef>

class QAbstractItemModel;
class QWidget;

namespace tavrel::ui {

// The Datei menu's files: the evening saved as its events and opened again by
// playing them, and the stake table exported for a spreadsheet. A file is
// written only when the player asks, whole or not at all; what goes wrong is
// said in one German message, and the evening stays as it was. The folder last
// used is remembered while the program runs, and nowhere else.
class EveningFiles : public QObject {
    Q_OBJECT

public:
    // The session and the table's model must outlive this; `window` carries
    // the dialogs.
    EveningFiles(PlayerSession& session, const QAbstractItemModel& table, QWidget* window);

    // The menu's commands: each asks for a file, then does as below.
    void saveAs();
    void open();
    void exportTable();

    // What the commands do with the file chosen: false, after the message, when
    // it could not be done (or the player chose to keep an unsaved evening).
    bool saveTo(const QString& path);
    bool openFrom(const QString& path);
    bool exportTo(const QString& path);

    bool hasUnsavedEvents() const { return session_.events().size() != savedEvents_; }

signals:
    // The session now plays an opened evening.
    void sessionReplaced();

private:
    QString askForFile(bool saving, const QString& title, const QString& suggested, const QString& filter);
    bool write(const QString& path, const QByteArray& bytes, const QString& title);
    void complain(const QString& title, const QString& text);

    PlayerSession& session_;
    const QAbstractItemModel& table_;
    QWidget* window_;
    QString folder_;
    std::size_t savedEvents_ = 0; // the events the last saved or opened file holds
};

} // namespace tavrel::ui
