#pragma once

#include <functional>

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

    /// The start sequence. `showBoard` loads and shows the board. False when another instance runs: the
    /// message has been shown and nothing else was loaded.
    bool Form_Load(const std::function<void()>& showBoard, int pauseMs = kPauseMs);

private:
    Platform& m_platform;
    DataDir m_dataDir;
    QLabel* AniGIF1 = nullptr;
    QLabel* lblLoading = nullptr;
    QMovie* m_movie = nullptr;
};
