#pragma once

#include <QObject>
#include <QPointer>

#include "core/BoardFeature.h"
#include "core/DataDir.h"

class QWidget;
class frmCredits;
class frmTip;
struct Platform;
struct TipsetFile;
enum class TipOpening;

/// The tip of the day, about and credits windows, each created when first opened, on behalf of the board.
class InfoWindows final : public QObject, public BoardFeature
{
    Q_OBJECT

public:
    /// `owner` is the window the modal about window blocks.
    InfoWindows(Platform& platform, const DataDir& dataDir, QWidget& owner);
    ~InfoWindows() override;

    /// The end of the board's start-up: the tip window shows, without writing, when tipset.dat says 1.
    void startUp(const TipsetFile& tipset);
    /// "Ti&ps", "&Credits" and "&About" in the board's Help menu.
    void addMenuItems(BoardMenu& menu) override;
    /// "Ti&ps": tips at start-up on again, then the tip window.
    void mnutips_Click();
    /// "&About", and the note editor's "&About Zendra 98": waits until the about window closes.
    void mnuAbout_Click();
    void mnucredits_Click();

    frmTip* tip() const;
    frmCredits* credits() const;

private:
    void showTip(TipOpening opening);

    Platform& m_platform;
    DataDir m_dataDir;
    QWidget& m_owner;
    /// The about window's hidden picture stays armed for the whole run.
    float m_aboutArmed = 0;
    QPointer<frmTip> m_tip;
    QPointer<frmCredits> m_credits;
};
