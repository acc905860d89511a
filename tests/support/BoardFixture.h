#pragma once

#include <memory>

#include "TestSupport.h"
#include "app/BoardStart.h"
#include "board/Form1.h"

/// An options.dat of twelve records with empty programs.
QByteArray optionsWith(const QByteArray& record1, const QByteArray& record12);
/// An options.dat showing all six icons in tray mode 2, with the given ten "title","path" pairs.
QByteArray optionsWithPrograms(const QList<QByteArray>& programs);

/// A mouse event sent straight to `widget`, `at` in its own pixels.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held);

/// A board on fake facilities in a fresh data directory.
struct Board
{
    FakePlatform fakes;
    TempDataDir dir;
    std::unique_ptr<Form1> form;
    BoardFeatures features;

    /// Builds, loads and shows the board, and waits for its first paint; the shipped new-mail picture is put in
    /// place first.
    void load(bool withMailPicture = true);
    QLabel* icon(const char* name) const;
    QAction* action(const char* name) const;
};
