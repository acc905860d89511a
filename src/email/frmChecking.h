#pragma once

#include <QWidget>

class QLabel;

/// "Checking Email": says which mailbox the board's check is asking, while it asks.
class frmChecking final : public QWidget
{
    Q_OBJECT

public:
    explicit frmChecking(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

private:
    QLabel* Label1 = nullptr;
};
