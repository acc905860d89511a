#pragma once

#include <QColor>
#include <QWidget>

#include "core/DataDir.h"
#include "core/Options.h"

class BoardSurface;
class OptionsModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Platform;

/// "Zendra Preferences": the background picture and colour, the program list, the launch icons shown and the
/// tray-icon mode, and whether the board starts at login. It reads options.dat and the autostart entry when it
/// opens and writes and applies them on Apply or OK; it is deleted when it closes.
class frmPref final : public QWidget
{
    Q_OBJECT

public:
    frmPref(Platform& platform, const DataDir& dataDir, BoardSurface& board, OptionsModel& shown);

    void Command1_Click();
    void Command2_Click();
    void Command6_Click();
    void Command4_Click();
    void Command5_Click();
    void Combo1_Click(int position);

Q_SIGNALS:
    /// "Tips": tipset.dat is to be written 1 and the tip window shown.
    void tipsRequested();
    /// "Emai&l Setup": the mail setup window, modal.
    void emailSetupRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    void enableApply() const;
    bool writeOptions();
    void writeAutostart();
    void showColour(const QColor& colour);

    Platform& m_platform;
    DataDir m_dataDir;
    BoardSurface& m_board;
    /// The launch icons the window shows and hides.
    OptionsModel& m_shown;
    Options m_options;
    QColor m_colour;
    /// The name the open-file dialog held last, which a cancelled dialog reports again.
    QString m_lastChosen;

    QLineEdit* txtBG = nullptr;
    QCheckBox* Check1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* txttitle = nullptr;
    QLineEdit* txtpath = nullptr;
    QWidget* Picture1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QPushButton* Command4 = nullptr;
    QCheckBox* chkAutostart = nullptr;
};
