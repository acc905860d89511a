#pragma once

#include <QByteArray>
#include <QObject>

#include "core/DataDir.h"

class BoardSurface;
class PictureControl;
class QFrame;
class QLabel;
class QMovie;
struct Platform;

/// The board's new-mail indicator: the black box `emailpic`, the animation `emailgif` centred in it and the
/// frame line `Shape1`, shown and hidden together. Hidden until a check finds mail.
class MailIndicator final : public QObject
{
    Q_OBJECT

public:
    MailIndicator(Platform& platform, const DataDir& dataDir, BoardSurface& board);

    /// Reads email.gif from the data directory, checks it and centres it in the box; a file that is no animation
    /// gets the message and the board goes on without it. The animation itself is built from the bytes read here
    /// each time the indicator shows, and dropped when it hides: a GIF decoder holds 64 KB for nothing otherwise.
    void loadPicture();
    void show();
    void hide();
    bool isShown() const;

Q_SIGNALS:
    /// A click anywhere in the box.
    void mailListRequested();

private:
    Platform& m_platform;
    DataDir m_dataDir;
    PictureControl* emailpic = nullptr;
    QLabel* emailgif = nullptr;
    QFrame* Shape1 = nullptr;
    QByteArray m_picture;
    QMovie* m_movie = nullptr;
};
