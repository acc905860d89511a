#pragma once

#include <optional>

#include <QStringList>
#include <QWidget>

#include "core/DataDir.h"

class QCheckBox;
class QLabel;
class QPushButton;
struct Platform;

/// How the tip window comes up: by the board's start-up, which only reads tipset.dat, or by the menu item, which
/// switches tips at start-up on again.
enum class TipOpening
{
    AtStartUp,
    FromMenu,
};

/// The tip of the day: a random line of TIPOFDAY.TXT, another on "&Next Tip", and the check box that decides
/// whether the window shows at start-up. It is unloaded (deleted) when it closes.
class frmTip final : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kWidthTwips = 5160;
    static constexpr double kHeightTwips = 3465;
    /// A tip longer than this shows only its beginning: the label would take seconds to lay out a huge line.
    static constexpr qsizetype kMaxShownChars = 4000;

    frmTip(Platform& platform, const DataDir& dataDir);
    ~frmTip() override;

    /// Reads tipset.dat and the tips, and ticks the box, which stores 1 in tipset.dat and the settings. At
    /// start-up, false when tipset.dat says 0: the window is then to be unloaded unshown.
    bool Form_Load(TipOpening opening = TipOpening::AtStartUp);
    bool LoadTips(const QString& path);
    void DisplayCurrentTip();
    void cmdNextTip_Click();
    void chkLoadTipsAtStartup_Click();
    void cmdOK_Click();

    int currentTip() const { return m_currentTip; }
    QString tipText() const;

    static QString notFoundMessage();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    /// The latest choice of the box not yet stored; stores wait until the window's first frame has been shown.
    void storeStartupChoice();
    void firstFrameShown();

    /// How long after the show the stores wait at most for the first frame.
    static constexpr int kStoreAfterShowMs = 250;

    Platform& m_platform;
    DataDir m_dataDir;
    QStringList m_tips;
    int m_currentTip = 0;
    /// What tipset.dat holds as far as this window knows; -1 before the load has read it.
    int m_tipsetOnDisk = -1;
    std::optional<int> m_choiceToStore;
    bool m_firstFrameShown = false;

    QLabel* lblTipText = nullptr;
    QCheckBox* chkLoadTipsAtStartup = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QPushButton* cmdOK = nullptr;
};
