#include "email/MailIndicator.h"

#include <memory>
#include <utility>

#include <QBuffer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMovie>
#include <QWidget>

#include "core/AccessibleRole.h"
#include "core/BoardSurface.h"
#include "core/PictureControl.h"
#include "core/Twips.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

namespace
{
const char* const kPictureError = QT_TRANSLATE_NOOP(
    "MailIndicator",
    "There was an error reading the email graphic file. Please check to ensure that there is a vaild 'email.gif' "
    "file in the Zendra 98 directory.");
const char* const kTooltip =
    QT_TRANSLATE_NOOP("MailIndicator", "Click anywhere in the black box to view your email headers.");

// The box on the board and the animation inside it, in twips.
constexpr double kLeft = 570;
constexpr double kTop = 375;
constexpr double kWidth = 1275;
constexpr double kHeight = 1035;
constexpr double kPictureSize = 750;
// Far above any animation this box shows; a larger file is read this far and then found broken.
constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;
} // namespace

MailIndicator::MailIndicator(Platform& platform, const DataDir& dataDir, BoardSurface& board)
    : m_platform(platform)
    , m_dataDir(dataDir)
{
    emailpic = new PictureControl(QStringLiteral("emailpic"), nullptr);
    board.addControl(*emailpic);
    emailpic->setAccessibleName(tr("New mail"));
    emailpic->setAccessibleDescription(tr(kTooltip));
    AccessibleRole::set(*emailpic, QAccessible::Button);
    emailpic->setGeometry(Twips::rectToPixels(kLeft, kTop, kWidth, kHeight));
    emailpic->setAutoFillBackground(true);
    QPalette black = emailpic->palette();
    black.setColor(QPalette::Window, Qt::black);
    emailpic->setPalette(black);
    connect(emailpic, &PictureControl::clicked, this, &MailIndicator::mailListRequested);

    // The animation and the frame let the mouse through to the box, which is the clickable area.
    emailgif = new QLabel(emailpic);
    emailgif->setObjectName(QStringLiteral("emailgif"));
    emailgif->setAccessibleName(tr("New mail animation"));
    emailgif->setToolTip(tr(kTooltip));
    emailgif->resize(Twips::sizeToPixels(kPictureSize, kPictureSize));
    Shape1 = new QFrame(emailpic);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(emailpic->rect());
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    emailpic->hide();
}

namespace
{
// The animation over the bytes of a picture, reading them from a buffer it owns. The file is named a GIF, so
// that reader is asked first; only bytes it refuses make Qt ask every image format plugin of the system.
QMovie* movieOf(const QByteArray& picture, QObject* parent)
{
    auto* movie = new QMovie(parent);
    auto* bytes = new QBuffer(movie);
    bytes->setData(picture);
    movie->setDevice(bytes);
    movie->setFormat(QByteArrayLiteral("gif"));
    return movie;
}
} // namespace

void MailIndicator::loadPicture()
{
    QFile file(m_dataDir.file(QStringLiteral("email.gif")));
    m_picture = file.open(QIODevice::ReadOnly) ? file.read(std::min(file.size(), kMaxPictureBytes)) : QByteArray();
    const std::unique_ptr<QMovie> movie(movieOf(m_picture, nullptr));
    if (!movie->isValid() || !movie->jumpToFrame(0)) {
        m_platform.dialogs.message({tr(kPictureError), QString(), MessageIcon::Critical, MessageButtons::Ok});
        m_picture.clear();
    } else {
        emailgif->resize(movie->currentPixmap().size());
    }
    const double left = (kWidth - Twips::fromPixels(emailgif->width())) / 2;
    const double top = (kHeight - Twips::fromPixels(emailgif->height())) / 2;
    emailgif->move(Twips::toPixels(left, top));
}

void MailIndicator::show()
{
    emailpic->show();
    // The animation runs only while the indicator shows, so an idle board costs no CPU.
    if (!m_movie && !m_picture.isEmpty()) {
        m_movie = movieOf(m_picture, this);
        emailgif->setMovie(m_movie);
        m_movie->start();
    }
}

void MailIndicator::hide()
{
    emailpic->hide();
    delete std::exchange(m_movie, nullptr);
}

bool MailIndicator::isShown() const
{
    return !emailpic->isHidden();
}
