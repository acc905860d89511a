#pragma once

#include <functional>
#include <future>

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include "core/DataDir.h"

class QLabel;
class QMovie;
struct Platform;

/// The first window: refuses a second instance, shows itself for a second, then hands over to the board.
class frmSplash final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kPauseMs = 1000;

    frmSplash(Platform& platform, const DataDir& dataDir, QWidget* parent = nullptr);

    /// The start sequence. `showBoard` loads and shows the board. `prepareBoard`, when given, runs during the
    /// pause once the splash has been painted, to build the board's window ahead of its load. False when
    /// another instance runs: the message has been shown and nothing else was loaded.
    bool Form_Load(const std::function<void()>& showBoard,
                   const std::function<void()>& prepareBoard = {},
                   int pauseMs = kPauseMs);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showLoading();

    Platform& m_platform;
    DataDir m_dataDir;
    std::future<QImage> m_reading; // the picture, until the first paint takes it
    QImage m_picture;
    QLabel* AniGIF1 = nullptr;
    QLabel* lblLoading = nullptr;
    QMovie* m_movie = nullptr;
    QElapsedTimer m_onScreen; // started at the first paint
    bool m_painted = false;
    std::function<void()> m_prepareBoard;
};
