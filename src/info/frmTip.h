#pragma once

#include <QStringList>
#include <QWidget>

#include "core/DataDir.h"

class QCheckBox;
class QLabel;
class QPushButton;
struct Platform;

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

    /// Reads tipset.dat and the tips. False when tipset.dat says 0: the window is then to be unloaded unshown.
    bool Form_Load();
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
    void paintEvent(QPaintEvent* event) override;

private:
    Platform& m_platform;
    DataDir m_dataDir;
    QStringList m_tips;
    int m_currentTip = 0;
    /// What tipset.dat holds as far as this window knows; -1 before the load has read it.
    int m_tipsetOnDisk = -1;

    QLabel* lblTipText = nullptr;
    QCheckBox* chkLoadTipsAtStartup = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QPushButton* cmdOK = nullptr;
};
