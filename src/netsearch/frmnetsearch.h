#pragma once

#include <array>

#include <QMargins>
#include <QWidget>

#include "core/DataDir.h"
#include "netsearch/SearchEngines.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct Platform;

/// Zendra Net Search: sends a phrase to one of six search engines through the browser. It reads search.dat
/// when it opens and writes it when it closes; it is unloaded (deleted) then.
class frmnetsearch final : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kCompactWidthTwips = 4530;
    static constexpr double kCompactHeightTwips = 1605;
    static constexpr double kFullWidthTwips = 6300;
    static constexpr double kFullHeightTwips = 2895;

    frmnetsearch(Platform& platform, const DataDir& dataDir);

    void Form_Load();
    void Command1_Click();
    void Check1_Click();
    void Check2_Click();
    void Option_Click(int engine);
    void Option_DblClick(int engine);
    /// 1 to 6, or 0 when no engine is selected.
    int selectedEngine() const;

    QLineEdit* phrase() const { return txtSearch; }
    QRadioButton* option(int engine) const { return m_options.at(static_cast<std::size_t>(engine - 1)); }
    QPlainTextEdit* description() const { return txtDes; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void Form_Unload();
    /// The compact or full size, by "Search Lis&t", less the frame the window system puts around the window.
    void applySize();

    Platform& m_platform;
    DataDir m_dataDir;
    /// The last search's address before its phrase, used again when no engine is selected.
    QString m_searchPrefix;
    QString m_lastPhrase;
    /// The frame the size was last applied with.
    QMargins m_frame;
    /// How much wider the full and the compact window are than drawn, for captions that needed the room.
    int m_grownFull = 0;
    int m_grownCompact = 0;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtSearch = nullptr;
    QPushButton* Command1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, SearchEngines::kCount> m_options{};
    QPlainTextEdit* txtDes = nullptr;
};
