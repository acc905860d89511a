#pragma once

#include <QDialog>

class PaintedPicture;
class QLabel;
class QPushButton;

/// The about window: the product's name and version, and a picture hidden behind a Ctrl+Alt key on the icon.
/// `armed` belongs to the caller, so that the gesture holds for the whole run, across openings of the window.
class frmAbout final : public QDialog
{
    Q_OBJECT

public:
    static constexpr double kWidthTwips = 4050;
    static constexpr double kHeightTwips = 3135;

    frmAbout(float& armed, QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void picIcon_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void picIcon_Click();
    void Picture1_Click();

    PaintedPicture* icon() const { return picIcon; }
    PaintedPicture* hiddenPicture() const { return Picture1; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float& m_armed;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    PaintedPicture* picIcon = nullptr;
    PaintedPicture* Picture1 = nullptr;
    QPushButton* cmdOK = nullptr;
};
