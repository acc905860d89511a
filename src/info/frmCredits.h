#pragma once

#include <QWidget>

class QListWidget;
class QPlainTextEdit;

/// The credits window: the people behind the program, by role. It is unloaded (deleted) when it closes.
class frmCredits final : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kWidthTwips = 5850;
    static constexpr double kHeightTwips = 2970;

    explicit frmCredits(QWidget* parent = nullptr);

    void Form_Load();
    void List1_Click();

    QListWidget* list() const { return List1; }
    QPlainTextEdit* text() const { return Text1; }

private:
    QListWidget* List1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
};
